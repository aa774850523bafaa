// Form 4562 of a generated company of 1,000, 10,000 and 100,000 assets: the whole run (amounts,
// carryover, filling and saving the 2010 form) beside its floor, the data server calls of the run
// alone ("floor ms", "x floor", and the benchmark Form4562Queries), and its peak memory
// ("peak MB"). The run should take under 1 s at 100,000 assets; what it takes beyond the floor is
// the form itself.
//
// The assets are placed in service month by month over fiscal 2001 to 2010 and cover MACRS
// (lives 3 to 39 and 50), ADS (class lives, 12, 40 and 50 years), straight line, amortization and
// listed vehicles; every third takes section 179. Each has a Federal row for every year from its
// first, so 2010 has a row for all of them. The company is built once per size with set-based
// SQL and kept for the run (BenchRun.h).
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "common/DocumentsFolder.h"
#include "common/SqlLiteral.h"
#include "form4562/Display4562.h"
#include "server/data/Database.h"
#include "server/reporting/Auto.h"
#include "server/reporting/Depr4562.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>
#include <string>

namespace {

using qel::sqlNumber;

constexpr std::int32_t kCompany = 2;
constexpr std::int16_t kYear = 2010;

void generateCompany(qel::test::FreshDatabase& fresh, std::int64_t assets) {
    const std::string c = sqlNumber(kCompany);
    const std::string month = "((i - 1) * 120 / " + sqlNumber(assets) + ")";
    fresh.exec("INSERT INTO tblCompany (id, [Company Name], Owner, [Tax Id], [Year End Month]) VALUES (" + c +
               ", 'Generated', 'Owner', '12-3456789', 12)");
    // Method ids of the shipped list: 1 MACRS, 2 ADS, 3 Amortize, 4 S/L, 9 Listed, 11 MACRS 150.
    fresh.exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + sqlNumber(assets) +
        "), a AS (SELECT i, printf('%04d-%02d-01', 2001 + " + month + " / 12, 1 + " + month +
        " % 12) AS start, CASE i % 10 WHEN 0 THEN 2 WHEN 1 THEN 3 WHEN 2 THEN 4 WHEN 3 THEN 9 "
        "WHEN 4 THEN 11 ELSE 1 END AS method FROM n) "
        "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, [Allowance 30 %], [179_deduction], "
        "In_Service_date, depr_method, life, convention, other_deductions, bussiness_percent, "
        "actual_method, Type_179, fiscal_start_date, vehicle_num, amortize_code) SELECT " +
        c +
        ", 'Asset ' || i, 1000 + (i % 97) * 250, 0, CASE WHEN i % 3 = 0 THEN 500 ELSE 0 END, start, "
        "method, CASE (i / 10) % 9 WHEN 0 THEN 3 WHEN 1 THEN 5 WHEN 2 THEN 7 WHEN 3 THEN 10 WHEN 4 THEN 12 "
        "WHEN 5 THEN 27.5 WHEN 6 THEN 39 WHEN 7 THEN 40 ELSE 50 END, 1 + i % 3, 0, "
        "CASE WHEN method = 9 AND i % 20 = 3 THEN 0.4 ELSE 0.9 END, '200 DB', i % 3 = 0, start, "
        "CASE WHEN method = 9 THEN i / 10 ELSE 0 END, 197 FROM a");
    fresh.exec(
        "WITH RECURSIVE y(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM y WHERE k < 9) "
        "INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) "
        "SELECT Company_Id, 1, Asset_num, CAST(substr(fiscal_start_date, 1, 4) AS INTEGER) + k, Cost / 10, "
        "Cost / 10 * (k + 1) FROM tblAssets, y WHERE Company_Id = " +
        c + " AND CAST(substr(fiscal_start_date, 1, 4) AS INTEGER) + k <= 2010");
}

// The generated database of a size, made the shared connection, with the templates in its
// documents folder.
void useCompany(std::int64_t assets) {
    bool made = false;
    const qel::test::FreshDatabase& db =
        qel::bench::Kept::get<qel::test::FreshDatabase>("company " + std::to_string(assets), [&] {
            made = true;
            auto fresh = std::make_unique<qel::test::FreshDatabase>();
            generateCompany(*fresh, assets);
            return fresh;
        });
    if (!made) {
        qel::GetDbConnection(db.path());
        return;
    }
    const std::filesystem::path docs = qel::userDocumentsFolder();
    std::filesystem::create_directories(docs);
    for (const auto& file : std::filesystem::directory_iterator(QEL_FILES_DIR))
        std::filesystem::copy_file(file.path(), docs / file.path().filename(),
                                   std::filesystem::copy_options::overwrite_existing);
}

// The run's data server calls, in its order, without any form.
void runQueries() {
    const std::int32_t c = kCompany;
    qel::Depr4562 depr;
    qel::Auto autos;
    qel::DeprSupport support;
    benchmark::DoNotOptimize(depr.GetAllowances(c, kYear, "Listed"));
    benchmark::DoNotOptimize(depr.GetListedDepr(c, kYear, ">"));
    benchmark::DoNotOptimize(depr.GetListedDepr(c, kYear, "<="));
    benchmark::DoNotOptimize(autos.GetVehicleDescription(c, kYear));
    benchmark::DoNotOptimize(autos.GetAutoUse(kYear, c));
    benchmark::DoNotOptimize(autos.GetAutoQst(kYear, c));
    benchmark::DoNotOptimize(depr.GetAmortized(c, kYear));
    benchmark::DoNotOptimize(depr.GetPriorYearAmortization(c, kYear));
    benchmark::DoNotOptimize(depr.GetCompanyData(c));
    benchmark::DoNotOptimize(support.Get179Limits(kYear));
    benchmark::DoNotOptimize(support.Get179andCostTotal(c, kYear));
    benchmark::DoNotOptimize(depr.Get179MacrsDeduction(c, kYear));
    benchmark::DoNotOptimize(support.GetMisc4562DataForMaint(c, kYear));
    benchmark::DoNotOptimize(depr.GetAllowances(c, kYear, "MACRS"));
    benchmark::DoNotOptimize(depr.GetOtherDepr(kYear, c));
    benchmark::DoNotOptimize(depr.GetMacrsPriorYears(c, kYear));
    benchmark::DoNotOptimize(depr.GetDeprSummary(c, kYear, qel::Variant("MACRS")));
    benchmark::DoNotOptimize(depr.GetDeprSummary(c, kYear, qel::Variant("ADS")));
}

void Form4562Run(benchmark::State& state) {
    useCompany(state.range(0));
    qel::bench::resetPeakMemory();
    double seconds = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        qel::Display4562 form;
        try {
            benchmark::DoNotOptimize(form.Do4562Form(kYear, kCompany));
        } catch (const qel::ServerError& e) {
            // The generated company has 50-year property: the form is saved before the notice.
            if (e.number() != qel::Display4562::kErrFiftyYearAssets)
                state.SkipWithError(e.description().c_str());
        }
        seconds += qel::bench::secondsSince(start);
    }
    state.counters["peak MB"] = qel::bench::peakMB();
    double floor = 1e9;
    for (int i = 0; i < qel::bench::floorTimings(); ++i) {
        const auto start = std::chrono::steady_clock::now();
        runQueries();
        floor = std::min(floor, qel::bench::secondsSince(start));
    }
    state.counters["floor ms"] = floor * 1e3;
    state.counters["x floor"] = seconds / static_cast<double>(state.iterations()) / floor;
}

void Form4562Queries(benchmark::State& state) {
    useCompany(state.range(0));
    qel::bench::resetPeakMemory();
    for (auto _ : state)
        runQueries();
    state.counters["peak MB"] = qel::bench::peakMB();
}

} // namespace

BENCHMARK(Form4562Run)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000})->Unit(benchmark::kMillisecond);
});
BENCHMARK(Form4562Queries)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000})->Unit(benchmark::kMillisecond);
});
QEL_BENCH_MAIN()
