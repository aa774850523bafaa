// Monthly book depreciation over a generated company: twelve fiscal periods posted one after
// another, for 10,000 and 100,000 assets.
//
// The assets start over five fiscal years, with book lives of 3 to 10 years; every tenth is sold
// two years after its start and every third is marked for catch-up. The company is set up as if
// periods had been posted up to 201206 before any asset was entered, so the first posting
// catches up every marked asset (same year, earlier years, book life over) and the other eleven
// are plain months with chaining and end-of-life fill-ups.
#include "common/SqlLiteral.h"
#include "server/engine/MonthlyDepr.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <benchmark/benchmark.h>

#include <string>

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

void BM_PostTwelvePeriods(benchmark::State& state) {
    qel::test::FreshDatabase fresh;
    arrangeCompany(fresh, state.range(0));
    qel::MonthlyDepr monthly;
    std::int64_t rows = 0;
    for (auto _ : state) {
        for (int month = 7; month <= 18; ++month) {
            const int year = month > 12 ? 2013 : 2012;
            const int m = month > 12 ? month - 12 : month;
            monthly.DoMonthlyDepr(std::to_string(year * 100 + m), kCompany);
        }
        state.PauseTiming();
        rows += fresh.value("SELECT count(*) FROM tblPeriodDepr").toInt64();
        resetPostings(fresh);
        state.ResumeTiming();
    }
    state.counters["period rows"] =
        benchmark::Counter(static_cast<double>(rows), benchmark::Counter::kIsRate);
}

} // namespace

BENCHMARK(BM_PostTwelvePeriods)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
