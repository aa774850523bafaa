// Monthly book depreciation over a generated company: twelve fiscal periods posted one after
// another, for 1,000, 10,000 and 100,000 assets, each beside its floors in the same run: the time
// SQLite itself takes to insert that period's rows with one prepared statement in one
// transaction, into the table as the posting found it ("insert floor"), and the same with the
// marks of the assets the posting saw for the first time written as well, one prepared update
// each ("write floor"). Each posting is timed three times (posted, deleted, posted again) and
// each floor three times; the best of each counts, so that the load of a shared machine does not
// decide the ratio.
//
// The assets start over five fiscal years, with book lives of 3 to 10 years; every tenth is sold
// two years after its start and every third is marked for catch-up. The company is set up as if
// periods had been posted up to 201206 before any asset was entered, so the first posting
// catches up every marked asset (same year, earlier years, book life over) and marks all of them
// seen; the other eleven are plain months with chaining and end-of-life fill-ups.
//
// The write floor is the least a posting has to write: its rows and, for the first one, a mark
// on every asset of the company. The first period should take no more than 1.3 times it.
//
// The time reported is that of the twelve postings. Counters: the first and the twelfth period's
// time as a multiple of each floor, the worst of the twelve against its write floor, the first
// and twelfth insert floors in milliseconds, the time of a period per asset ("us/asset", which
// stays flat when the time grows linearly), and the peak memory ("peak MB", the floors' rows
// read into memory among it).
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "common/SqlLiteral.h"
#include "server/engine/MonthlyDepr.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr std::int32_t kCompany = 2;

// Back to the state before the twelve postings: nothing posted since 201206, no asset seen.
void resetPostings(qel::test::FreshDatabase& fresh) {
    fresh.exec("DELETE FROM tblPeriodDepr");
    fresh.exec("UPDATE tblAssets SET depr_adj = 0");
    fresh.exec("UPDATE tblCompany SET firstperiod = " + qel::sqlDate(qel::Date(2012, 1, 1)) +
               ", dtPeriod = " + qel::sqlDate(qel::Date(2012, 6, 1)) +
               " WHERE id = " + qel::sqlNumber(kCompany));
}

void arrangeCompany(qel::test::FreshDatabase& fresh, std::int64_t assets) {
    using qel::sqlNumber;
    qel::test::addCompany(kCompany, "Generated", 6);
    fresh.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
               sqlNumber(assets) + "), a AS (SELECT i, date(" + qel::sqlDate(qel::Date(2008, 1, 1)) +
               ", '+' || (i % 60) || ' months') AS start, 3 + i % 8 AS life "
               "FROM n) "
               "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, fiscal_start_date, fiscal_end_date, "
               "fiscal_sold_date, Do_Depr_adj, book_life, book_cost, Id_acct) "
               "SELECT " +
               sqlNumber(kCompany) +
               ", 'Asset ' || i, 1000 + (i % 97) * 250, start, date(start, '+' || life || ' years'), "
               "CASE WHEN i % 10 = 0 THEN date(start, '+24 months') ELSE " +
               qel::sqlDate(qel::Date::noDate()) +
               " END, "
               "i % 3 = 0, life, 1000 + (i % 97) * 250, 1 + i % 20 FROM a");
    resetPostings(fresh);
}

// The assets of the company that no posting has seen yet, with their marks.
std::vector<std::pair<qel::Variant, qel::Variant>> unseenAssets(qel::test::FreshDatabase& fresh) {
    const qel::Recordset rs = fresh.conn().query(
        "SELECT Asset_num, depr_adj FROM tblAssets WHERE Company_Id = " + qel::sqlNumber(kCompany) +
        " AND depr_adj <> -1");
    std::vector<std::pair<qel::Variant, qel::Variant>> assets;
    for (const auto& row : rs.rows())
        assets.emplace_back(row[0], row[1]);
    return assets;
}

struct Floors {
    double insert = 0; // the period's rows
    double write = 0;  // the period's rows and the marks of the assets it saw first
};

// The floors of a posted period: its rows inserted again, alone and, when it saw assets for the
// first time, with their marks written again (each given back its old value beforehand).
Floors writeFloors(qel::test::FreshDatabase& fresh, const std::string& period,
                   const std::vector<std::pair<qel::Variant, qel::Variant>>& seen) {
    const std::string where =
        " WHERE client_num = " + qel::sqlNumber(kCompany) + " AND period = " + qel::sqlText(period);
    Floors floors;
    floors.insert = qel::bench::insertFloor(fresh.conn(), "tblPeriodDepr", where);
    if (seen.empty()) {
        floors.write = floors.insert;
        return floors;
    }
    const auto mark = [&](bool before) {
        qel::Statement update = fresh.conn().prepare("UPDATE tblAssets SET depr_adj = ? WHERE Asset_num = ?");
        for (const auto& [asset, old] : seen) {
            update.bind(1, before ? old : qel::Variant(-1)).bind(2, asset).run();
            update.reset();
        }
    };
    floors.write = qel::bench::insertFloor(fresh.conn(), "tblPeriodDepr", where,
                                           {[&] { mark(true); }, [&] { mark(false); }});
    return floors;
}

// Posts the period, and twice more after deleting it: the best time.
double timePosting(qel::MonthlyDepr& monthly, const std::string& period) {
    double best = 1e9;
    for (int i = 0; i < qel::bench::floorTimings(); ++i) {
        if (i > 0)
            monthly.DeletePeriodDepr(kCompany);
        const auto start = std::chrono::steady_clock::now();
        monthly.DoMonthlyDepr(period, kCompany);
        best = std::min(best, qel::bench::secondsSince(start));
    }
    return best;
}

void BM_PostTwelvePeriods(benchmark::State& state) {
    qel::test::FreshDatabase fresh;
    arrangeCompany(fresh, state.range(0));
    qel::MonthlyDepr monthly;
    qel::bench::resetPeakMemory();
    std::array<double, 12> posting{};
    std::array<Floors, 12> floors{};
    for (auto _ : state) {
        for (std::size_t i = 0; i < 12; ++i) {
            const int month = 7 + static_cast<int>(i);
            const std::string period = std::to_string((month > 12 ? 201300 : 201200) + (month - 1) % 12 + 1);
            const auto seen = unseenAssets(fresh);
            posting[i] = timePosting(monthly, period);
            floors[i] = writeFloors(fresh, period, seen);
        }
        resetPostings(fresh);
        // The reported time: the twelve postings, each at its best.
        double twelve = 0;
        for (const double t : posting)
            twelve += t;
        state.SetIterationTime(twelve);
    }
    double worst = 0;
    double total = 0;
    for (std::size_t i = 0; i < 12; ++i) {
        worst = std::max(worst, posting[i] / floors[i].write);
        total += posting[i];
    }
    state.counters["1st x insert floor"] = posting[0] / floors[0].insert;
    state.counters["1st x write floor"] = posting[0] / floors[0].write;
    state.counters["12th x insert floor"] = posting[11] / floors[11].insert;
    state.counters["12th x write floor"] = posting[11] / floors[11].write;
    state.counters["worst x write floor"] = worst;
    state.counters["1st insert floor ms"] = floors[0].insert * 1e3;
    state.counters["12th insert floor ms"] = floors[11].insert * 1e3;
    state.counters["us/asset"] = total * 1e6 / 12 / static_cast<double>(state.range(0));
    state.counters["peak MB"] = qel::bench::peakMB();
}

} // namespace

BENCHMARK(BM_PostTwelvePeriods)
    ->Apply([](auto* b) {
        qel::bench::sizes(b, {1'000, 10'000, 100'000}, {.iterations = 1});
    }) -> UseManualTime() -> Unit(benchmark::kMillisecond);

QEL_BENCH_MAIN()
