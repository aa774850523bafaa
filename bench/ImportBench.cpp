// The asset import over generated workbooks of 1,000 and 10,000 rows (written with libxlsxwriter):
// the reader alone, the import into tblAssets, the processing of the imported rows by the engine,
// and the whole chain (import, the program's completion of the fiscal dates, processing).
//
// The rows take the import's methods in turn: MACRS 5, 7 and 39 years, listed property at full and
// at part business use, straight line, ADS, amortization and non-depreciable property; every 9th
// has a section 179 amount and every 11th a sale; the listed property without one is a vehicle, run
// within its year's limits. Counters: rows per second, the time per row ("us/row"), which stays
// flat when the time grows linearly, and the floor in the same run with the time as a multiple of
// it ("x floor"). The program's "Import Assets" (its sheet check with the log, the import, its
// completion of the rows and the processing, in one transaction) is timed beside the data server's
// own import and processing of the same file ("x server"). The floors: for the reader, inflating
// the workbook's parts and parsing their XML without looking at it; for the import, that and
// inserting the asset rows it wrote with one prepared statement in one transaction; for the
// processing, inserting the yearly rows it wrote and clearing the assets' marks the same way; for
// the chain, all of them.
#include "app/exchange/rules/ImportValidation.h"
#include "app/exchange/rules/ImportWorkbook.h"
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "common/SqlLiteral.h"
#include "common/Workbook.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <benchmark/benchmark.h>
#include <expat.h>
#include <zip.h>

#include <algorithm>
#include <chrono>
#include <filesystem>
#include <string>
#include <vector>

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
                         k.life, k.method == 9 && i % 9 != 0 ? qel::Variant("Yes") : qel::Variant(), 5, cost,
                         k.businessPercent, qel::Variant(),
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

    // Rows per second and microseconds per row of the mean run, and the floor in seconds beside it.
    void setCounters(benchmark::State& state, double floor) const {
        const double rows = static_cast<double>(state.range(0));
        const double mean = seconds_ / static_cast<double>(runs_);
        state.counters["rows/s"] = rows / mean;
        state.counters["us/row"] = mean * 1e6 / rows;
        state.counters["floor ms"] = floor * 1e3;
        state.counters["x floor"] = mean / floor;
        state.counters["peak MB"] = qel::bench::peakMB();
    }

private:
    double seconds_ = 0;
    std::int64_t runs_ = 0;
};

// The floor of reading a workbook: every part of the package inflated, and each XML part run
// through the parser with no handlers. Seconds, best of three.
double readFloor(const std::string& path) {
    double best = 1e9;
    for (int i = 0; i < qel::bench::floorTimings(); ++i) {
        const auto start = std::chrono::steady_clock::now();
        int error = 0;
        zip_t* package = zip_open(path.c_str(), ZIP_RDONLY, &error);
        if (!package)
            return 0;
        std::vector<char> buffer(64 * 1024);
        for (zip_int64_t entry = 0; entry < zip_get_num_entries(package, 0); ++entry) {
            const std::string name = zip_get_name(package, static_cast<zip_uint64_t>(entry), 0);
            const bool xml = name.size() > 4 && (name.ends_with(".xml") || name.ends_with(".rels"));
            XML_Parser parser = xml ? XML_ParserCreate(nullptr) : nullptr;
            zip_file_t* file = zip_fopen_index(package, static_cast<zip_uint64_t>(entry), 0);
            zip_int64_t read = 0;
            while (file && (read = zip_fread(file, buffer.data(), buffer.size())) > 0)
                if (parser)
                    XML_Parse(parser, buffer.data(), static_cast<int>(read), 0);
            if (parser) {
                XML_Parse(parser, nullptr, 0, 1);
                XML_ParserFree(parser);
            }
            if (file)
                zip_fclose(file);
        }
        zip_close(package);
        best = std::min(best, qel::bench::secondsSince(start));
    }
    return best;
}

// The floor of what the import wrote: the company's asset rows inserted again. Seconds.
double assetsFloor(qel::test::FreshDatabase& fresh) {
    return qel::bench::insertFloor(fresh.conn(), "tblAssets",
                                   " WHERE Company_Id = " + qel::sqlNumber(kCompany));
}

// The floor of what the processing wrote: the yearly rows inserted again and the processed
// assets' marks cleared, in one transaction. Seconds.
double processFloor(qel::test::FreshDatabase& fresh) {
    const qel::Recordset processed =
        fresh.conn().query("SELECT Asset_num FROM tblAssets WHERE Company_Id = " + qel::sqlNumber(kCompany));
    const auto mark = [&](bool value) {
        qel::Statement update =
            fresh.conn().prepare("UPDATE tblAssets SET DoImportDepr = ? WHERE Asset_num = ?");
        for (const auto& row : processed.rows()) {
            update.bind(1, value).bind(2, row[0]).run();
            update.reset();
        }
    };
    return qel::bench::insertFloor(fresh.conn(), "tblDepr", {}, {[&] { mark(true); }, [&] { mark(false); }});
}

void BM_ReadWorkbook(benchmark::State& state) {
    qel::test::TempFolder folder;
    const std::string path = writeGenerated(folder.path(), state.range(0));
    Stopwatch watch;
    qel::bench::resetPeakMemory();
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
    watch.setCounters(state, readFloor(path));
}

// Times body(fresh, path) once per iteration, each time on the database emptied of assets and
// yearly rows beforehand, with the generated workbook at path.
// The floor is that of reading the workbook and writing what the last iteration wrote: the asset
// rows and, when `processed`, the yearly rows and marks.
template <typename Body> void timeFromNoAssets(benchmark::State& state, bool processed, Body&& body) {
    qel::test::FreshDatabase fresh;
    const std::string path = writeGenerated(fresh.folder(), state.range(0));
    Stopwatch watch;
    qel::bench::resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        reset(fresh);
        state.ResumeTiming();
        watch.time([&] { body(fresh, path); });
    }
    const double floor = readFloor(path) + (processed ? processFloor(fresh) : 0) + assetsFloor(fresh);
    watch.setCounters(state, floor);
}

void BM_ImportAssets(benchmark::State& state) {
    timeFromNoAssets(state, false, [](qel::test::FreshDatabase&, const std::string& path) {
        qel::DeprSupport().ImportAssetsFromExcel(kCompany, path);
    });
}

void BM_ProcessImportedAssets(benchmark::State& state) {
    qel::test::FreshDatabase fresh;
    const std::string path = writeGenerated(fresh.folder(), state.range(0));
    qel::DeprSupport().ImportAssetsFromExcel(kCompany, path);
    completeFiscalDates(fresh);
    Stopwatch watch;
    qel::bench::resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        fresh.exec("DELETE FROM tblDepr");
        fresh.exec("UPDATE tblAssets SET DoImportDepr = 1");
        state.ResumeTiming();
        watch.time([&] { qel::DeprSupport().ProcessImportedAssets(kCompany); });
    }
    state.counters["depr rows"] = fresh.value("SELECT count(*) FROM tblDepr").toDouble();
    watch.setCounters(state, processFloor(fresh));
}

void BM_ImportAndProcess(benchmark::State& state) {
    timeFromNoAssets(state, true, [](qel::test::FreshDatabase& fresh, const std::string& path) {
        qel::DeprSupport().ImportAssetsFromExcel(kCompany, path);
        completeFiscalDates(fresh);
        qel::DeprSupport().ProcessImportedAssets(kCompany);
    });
}

// The program's import command without its windows, each iteration beside the data server's own
// chain over the same file (BM_ImportAndProcess), both from an empty company.
void BM_ImportCommand(benchmark::State& state) {
    qel::test::FreshDatabase fresh;
    const std::string path = writeGenerated(fresh.folder(), state.range(0));
    const std::string logs = fresh.folder().string();
    Stopwatch command;
    double server = 0;
    qel::bench::resetPeakMemory();
    for (auto _ : state) {
        state.PauseTiming();
        reset(fresh);
        auto start = std::chrono::steady_clock::now();
        qel::DeprSupport().ImportAssetsFromExcel(kCompany, path);
        completeFiscalDates(fresh);
        qel::DeprSupport().ProcessImportedAssets(kCompany);
        server += qel::bench::secondsSince(start);
        reset(fresh);
        state.ResumeTiming();
        command.time([&] {
            const auto check =
                qel::exchange::ValidateImportData(kCompany, path, logs, {qel::Date(2012, 3, 7), 14, 5, 9});
            if (!check.passed || qel::exchange::importCheckedWorkbook(kCompany, path))
                state.SkipWithError("the import failed");
        });
    }
    const double floor = readFloor(path) + processFloor(fresh) + assetsFloor(fresh);
    command.setCounters(state, floor);
    state.counters["server ms"] = server / static_cast<double>(state.iterations()) * 1e3;
    state.counters["x server"] =
        state.counters["us/row"] * static_cast<double>(state.range(0)) / 1e3 / state.counters["server ms"];
}

} // namespace

BENCHMARK(BM_ReadWorkbook)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000})->Unit(benchmark::kMillisecond);
});
BENCHMARK(BM_ImportAssets)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000})->Unit(benchmark::kMillisecond);
});
BENCHMARK(BM_ProcessImportedAssets)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000}, {.minTime = 3})->Unit(benchmark::kMillisecond);
});
BENCHMARK(BM_ImportAndProcess)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000}, {.minTime = 3})->Unit(benchmark::kMillisecond);
});
BENCHMARK(BM_ImportCommand)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000}, {.minTime = 3})->Unit(benchmark::kMillisecond);
});

QEL_BENCH_MAIN()
