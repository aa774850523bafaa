// The asset import over a generated workbook of 10,000 rows (written with libxlsxwriter): the
// reader alone, the import into tblAssets, the processing of the imported rows by the engine,
// and the whole chain (import, the program's completion of the fiscal dates, processing).
//
// The rows take the import's methods in turn: MACRS 5, 7 and 39 years, listed property at full
// and at part business use, straight line, ADS, amortization and non-depreciable property;
// every 9th has a section 179 amount and every 11th a sale. Counters: rows per second and the
// time per row ("us/row"), which stays flat when the time grows linearly.
#include "common/Workbook.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <filesystem>
#include <string>

namespace {

constexpr std::int32_t kCompany = 1;

// The import sheet of `count` assets: a heading row, then columns A to S.
qel::test::SheetData generate(std::int64_t count) {
    struct Kind {
        int method;
        double life;
        int convention;
        double businessPercent;
    };
    static const Kind kinds[] = {
        {1, 5, 1, 1},  {1, 7, 1, 1},  {1, 39, 3, 1}, {9, 5, 1, 1},  {9, 5, 1, 0.4},
        {4, 10, 1, 1}, {2, 10, 1, 1}, {3, 15, 4, 1}, {10, 7, 1, 1}, {1, 27.5, 3, 1},
    };
    qel::test::SheetData sheet{{"Company", "Asset Name", "Cost", "Bonus", "Method", "In Service", "179",
                                "179 Amount", "Convention", "Life", "Vehicle", "Book Life", "Book Cost",
                                "Business %", "Account", "Sold Date", "Sold Amount", "Other", "Notes"}};
    for (std::int64_t i = 1; i <= count; ++i) {
        const Kind& k = kinds[i % 10];
        const double cost = 1000.0 + static_cast<double>(i % 97) * 250;
        const qel::Date inService(2005 + static_cast<int>(i % 15), 1 + static_cast<int>(i % 12), 1);
        sheet.push_back({kCompany, "Asset " + std::to_string(i), cost, qel::Variant(), k.method, inService,
                         i % 9 == 0, i % 9 == 0 ? qel::Variant(cost / 2) : qel::Variant(), k.convention,
                         k.life, qel::Variant(), 5, cost, k.businessPercent, qel::Variant(),
                         i % 11 == 0 ? qel::Variant(qel::Date(inService.year() + 3, 6, 1)) : qel::Variant(),
                         i % 11 == 0 ? qel::Variant(cost / 4) : qel::Variant(), qel::Variant(), "Generated"});
    }
    return sheet;
}

// Writes the import sheet of `count` assets into the folder as "import.xlsx"; its path.
std::string writeGenerated(const std::filesystem::path& folder, std::int64_t count) {
    const std::string path = (folder / "import.xlsx").string();
    qel::test::writeXlsx(path, generate(count));
    return path;
}

// What the program does between the import and the processing, for a company whose fiscal
// year ends in December: the fiscal dates of the marked rows.
void completeFiscalDates(qel::test::FreshDatabase& fresh) {
    fresh.exec("UPDATE tblAssets SET fiscal_start_date = date(In_service_date, 'start of month'),"
               " fiscal_sold_date = CASE WHEN sold_date = '1900-01-01' THEN sold_date"
               " ELSE date(sold_date, 'start of month') END WHERE DoImportDepr = 1");
}

void reset(qel::test::FreshDatabase& fresh) {
    fresh.exec("DELETE FROM tblDepr");
    fresh.exec("DELETE FROM tblAssets");
}

// Times the measured part of each iteration, for the counters.
class Stopwatch {
public:
    template <typename Body> void time(Body&& body) {
        const auto start = std::chrono::steady_clock::now();
        body();
        seconds_ += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        ++runs_;
    }

    // Rows per second and microseconds per row of the mean run.
    void setCounters(benchmark::State& state) const {
        const double rows = static_cast<double>(state.range(0));
        const double mean = seconds_ / static_cast<double>(runs_);
        state.counters["rows/s"] = rows / mean;
        state.counters["us/row"] = mean * 1e6 / rows;
    }

private:
    double seconds_ = 0;
    std::int64_t runs_ = 0;
};

void BM_ReadWorkbook(benchmark::State& state) {
    qel::test::TempFolder folder;
    const std::string path = writeGenerated(folder.path(), state.range(0));
    Stopwatch watch;
    for (auto _ : state) {
        watch.time([&] {
            qel::Workbook book(path);
            std::int64_t cells = 0;
            while (book.nextRow())
                for (int c = 1; c <= 19; ++c)
                    cells += book.cell(c).isNull() ? 0 : 1;
            benchmark::DoNotOptimize(cells);
        });
    }
    watch.setCounters(state);
}

// Times body(fresh, path) once per iteration, each time on the database emptied of assets and
// yearly rows beforehand, with the generated workbook at path.
template <typename Body> void timeFromNoAssets(benchmark::State& state, Body&& body) {
    qel::test::FreshDatabase fresh;
    const std::string path = writeGenerated(fresh.folder(), state.range(0));
    Stopwatch watch;
    for (auto _ : state) {
        state.PauseTiming();
        reset(fresh);
        state.ResumeTiming();
        watch.time([&] { body(fresh, path); });
    }
    watch.setCounters(state);
}

void BM_ImportAssets(benchmark::State& state) {
    timeFromNoAssets(state, [](qel::test::FreshDatabase&, const std::string& path) {
        qel::DeprSupport().ImportAssetsFromExcel(kCompany, path);
    });
}

void BM_ProcessImportedAssets(benchmark::State& state) {
    qel::test::FreshDatabase fresh;
    const std::string path = writeGenerated(fresh.folder(), state.range(0));
    qel::DeprSupport().ImportAssetsFromExcel(kCompany, path);
    completeFiscalDates(fresh);
    Stopwatch watch;
    for (auto _ : state) {
        state.PauseTiming();
        fresh.exec("DELETE FROM tblDepr");
        fresh.exec("UPDATE tblAssets SET DoImportDepr = 1");
        state.ResumeTiming();
        watch.time([&] { qel::DeprSupport().ProcessImportedAssets(kCompany); });
    }
    state.counters["depr rows"] = fresh.value("SELECT count(*) FROM tblDepr").toDouble();
    watch.setCounters(state);
}

void BM_ImportAndProcess(benchmark::State& state) {
    timeFromNoAssets(state, [](qel::test::FreshDatabase& fresh, const std::string& path) {
        qel::DeprSupport().ImportAssetsFromExcel(kCompany, path);
        completeFiscalDates(fresh);
        qel::DeprSupport().ProcessImportedAssets(kCompany);
    });
}

} // namespace

BENCHMARK(BM_ReadWorkbook)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ImportAssets)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ProcessImportedAssets)->Arg(1'000)->Arg(10'000)->Unit(benchmark::kMillisecond)->MinTime(3);
BENCHMARK(BM_ImportAndProcess)->Arg(10'000)->Unit(benchmark::kMillisecond)->MinTime(3);

BENCHMARK_MAIN();
