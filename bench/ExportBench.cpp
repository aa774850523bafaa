// The six Excel exports over one company of 1,000, 10,000 and 100,000 assets, each with a Federal
// row of the year, a posted book period, a description row, a class and an account: the time to
// write each workbook from the database to its file, the file's size and the peak memory ("peak
// MB"). Each workbook is then read back as the import reads one, which must take it whole
// within the limits a sheet is read under: its rows, cells and text and the size of its largest
// part are shown beside those limits.
#include "bench/BenchRun.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "common/Workbook.h"
#include "common/WorkbookSource.h"
#include "server/data/Database.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <benchmark/benchmark.h>
#include <zip.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>

namespace {

namespace fs = std::filesystem;
using qel::sqlNumber;

constexpr const char* kPeriod = "201003";
constexpr const char* kYear = "2010";

// The generated company of a size, made once for every benchmark of the run.
struct BenchCompany {
    qel::test::FreshDatabase fresh;
    std::int32_t company = 0;

    explicit BenchCompany(std::int64_t assets) {
        qel::Connection& conn = fresh.conn();
        qel::Transaction tx(conn);
        company = qel::test::addCompany("Bench Co");
        const std::string c = sqlNumber(company);
        conn.execute(
            "INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES ('Plant', 'Main plant')");
        const std::string location = sqlNumber(conn.lastInsertRowid());
        // Ten accounts in pairs that share a depreciation account, and five classes.
        conn.execute(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10)"
            " INSERT INTO tblAccounts ([Account Descr], [Capital Account], [Accum Acct], [Depr Account],"
            " [Gain Loss Acct]) SELECT 'Account ' || i, 1500 + i, 1590 + i, 6100 + i / 2, '8000' FROM n");
        conn.execute(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5)"
            " INSERT INTO tblDeprClass (Method_ID, Description, [Life], [If Auto - Type], [Amortize #],"
            " ID_acct) SELECT 1, 'Class ' || i, '7', 'N/A', '', 0 FROM n");
        // In service over the five fiscal years before the period; methods MACRS, ADS and S/L;
        // every twentieth asset without a class.
        conn.execute(
            "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + sqlNumber(assets) +
            ")"
            " INSERT INTO tblAssets (Company_Id, Asset_name, Cost, [Allowance 30 %], [179_deduction],"
            " In_Service_date, depr_method, life, convention, other_deductions, bussiness_percent, sold_date,"
            " sold_amt, notes, depr_class_id, actual_method, fiscal_start_date, fiscal_sold_date, book_life,"
            " book_cost, Id_acct)"
            " SELECT " +
            c +
            ", 'Asset number ' || i, 1000 + i % 5000, 0, 0, date('2005-01-01', '+' || (i % 60) || ' months'),"
            " CASE i % 3 WHEN 0 THEN 1 WHEN 1 THEN 2 ELSE 4 END, 5 + i % 3 * 2, 1 + i % 3, 0, 1,"
            " '1900-01-01', 0, 'note ' || i,"
            " CASE WHEN i % 20 = 0 THEN 0 ELSE (SELECT min(ID) FROM tblDeprClass) + i % 5 END, '200 DB',"
            " date('2005-01-01', '+' || (i % 60) || ' months'), '1900-01-01', 7, 1000 + i % 5000,"
            " (SELECT min(Id_acct) FROM tblAccounts) + i % 10 FROM n");
        conn.execute(
            "INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr)"
            " SELECT Company_Id, 1, Asset_num, 2010, Cost / 7, Cost / 2 FROM tblAssets WHERE Company_Id = " +
            c);
        conn.execute("INSERT INTO tblPeriodDepr (client_num, asset_num, period, depr, accum_depr, id_acct)"
                     " SELECT Company_Id, Asset_num, " +
                     qel::sqlText(kPeriod) +
                     ", Cost / 84, Cost / 3, Id_acct FROM tblAssets WHERE Company_Id = " + c);
        conn.execute(
            "INSERT INTO tblAssetDescription ([Asset ID], [Tag Number], [Serial Number], Location_id,"
            " [Long Description]) SELECT Asset_num, 'T-' || Asset_num, 'SN-' || Asset_num, " +
            location + ", 'Long description of ' || Asset_name FROM tblAssets WHERE Company_Id = " + c);
        tx.commit();
    }
};

BenchCompany& benchCompany(std::int64_t assets) {
    bool made = false;
    BenchCompany& company = qel::bench::Kept::get<BenchCompany>("company " + std::to_string(assets), [&] {
        made = true;
        return std::make_unique<BenchCompany>(assets);
    });
    if (!made)
        qel::GetDbConnection(company.fresh.path());
    return company;
}

// The size the largest part of the package unpacks to, in bytes.
std::uint64_t largestPart(const std::string& path) {
    int error = 0;
    zip_t* package = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!package)
        return 0;
    std::uint64_t largest = 0;
    for (zip_int64_t entry = 0; entry < zip_get_num_entries(package, 0); ++entry) {
        zip_stat_t stat;
        if (zip_stat_index(package, static_cast<zip_uint64_t>(entry), 0, &stat) == 0 &&
            (stat.valid & ZIP_STAT_SIZE))
            largest = std::max<std::uint64_t>(largest, stat.size);
    }
    zip_discard(package);
    return largest;
}

// Reads the workbook back whole and sets its counters; an error when it is refused.
void readBack(benchmark::State& state, const std::string& path) {
    constexpr double kMB = 1024.0 * 1024.0;
    std::int64_t rows = 0;
    std::size_t cells = 0;
    std::size_t textBytes = 0;
    try {
        qel::Workbook book(path);
        while (book.nextRow()) {
            ++rows;
            // No export is wider than an .xls sheet.
            for (int column = 1; column <= qel::kMaxXlsColumn; ++column) {
                const qel::Variant& value = book.cell(column);
                if (value.isNull() && !book.flaw(column))
                    continue;
                ++cells;
                if (value.isText())
                    textBytes += value.toString().size();
            }
        }
    } catch (const qel::ServerError& e) {
        state.SkipWithError(("the export does not read back: " + e.description()).c_str());
        return;
    }
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["cells"] = static_cast<double>(cells);
    state.counters["cells limit"] = static_cast<double>(qel::kMaxXlsxSheetCells);
    state.counters["text MB"] = static_cast<double>(textBytes) / kMB;
    state.counters["text limit MB"] = static_cast<double>(qel::kMaxSheetTextBytes) / kMB;
    state.counters["part MB"] = static_cast<double>(largestPart(path)) / kMB;
}

using ExportFn = bool (qel::DeprSupport::*)(const std::string&, std::int32_t, const std::string&);

void BM_Export(benchmark::State& state, ExportFn fn, const char* period) {
    BenchCompany& data = benchCompany(state.range(0));
    qel::DeprSupport support;
    qel::bench::resetPeakMemory();
    const fs::path path = data.fresh.folder() / "Bench.xlsx";
    std::uintmax_t bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        fs::remove(path);
        state.ResumeTiming();
        benchmark::DoNotOptimize((support.*fn)(period, data.company, path.string()));
        state.PauseTiming();
        bytes = fs::file_size(path);
        state.ResumeTiming();
    }
    state.counters["file_MB"] = static_cast<double>(bytes) / (1024.0 * 1024.0);
    state.counters["peak MB"] = qel::bench::peakMB();
    readBack(state, path.string());
}

// Each export three times at each size.
void sizes(benchmark::internal::Benchmark* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000}, {.iterations = 3})->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK_CAPTURE(BM_Export, TaxDepr, &qel::DeprSupport::ExportTaxWorksheet, kYear)->Apply(sizes);
BENCHMARK_CAPTURE(BM_Export, BookDetailDeprJV, &qel::DeprSupport::ExportDeprJVDetail, kPeriod)->Apply(sizes);
BENCHMARK_CAPTURE(BM_Export, BookSummaryDeprJV, &qel::DeprSupport::ExportDeprJVSummary, kPeriod)
    ->Apply(sizes);
BENCHMARK_CAPTURE(BM_Export, PropertyTax, &qel::DeprSupport::ExportPropertyTax, kPeriod)->Apply(sizes);
BENCHMARK_CAPTURE(BM_Export, AssetListing, &qel::DeprSupport::ExportAssetListing, "")->Apply(sizes);
BENCHMARK_CAPTURE(BM_Export, AssetLedger, &qel::DeprSupport::ExportBookAssetLedger, kPeriod)->Apply(sizes);

QEL_BENCH_MAIN()
