// The generated company of the report benchmarks: 1,000, 10,000 or 100,000 assets with ten years of
// yearly rows (every asset in the Federal book, every third also in the AMT book) and twelve
// posted periods of fiscal 2010.
//
// The assets were entered as they were placed in service, month by month over ten fiscal years
// (2001 to 2010), so asset numbers follow in-service dates as in a company's own books; they
// cover every method, with lives of 3 to 50 years; every twentieth asset placed in service before
// 2010 is sold in fiscal 2010, every third takes section 179, every fiftieth has no description
// row. The rows are written with set-based SQL, so generating the company takes seconds; it is
// built once per size and kept for the run (BenchRun.h).
#pragma once

#include "bench/BenchRun.h"
#include "common/SqlLiteral.h"
#include "server/data/Database.h"
#include "tests/testsupport/FreshDatabase.h"

#include <cstdint>
#include <memory>
#include <string>

namespace qel::bench {

inline constexpr std::int32_t kCompany = 2;
inline constexpr std::int16_t kYear = 2010;
inline constexpr std::int16_t kAmt = 3;
inline const std::string kPeriod = "201006";

inline void generateCompany(test::FreshDatabase& fresh, std::int64_t assets) {
    const std::string c = sqlNumber(kCompany);
    const std::string n = sqlNumber(assets);
    fresh.exec("INSERT INTO tblCompany (id, [Company Name], [Year End Month], [AMT Book]) VALUES (" + c +
               ", 'Generated', 12, 1)");
    fresh.exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20) "
        "INSERT INTO tblAccounts ([Account Descr], [Capital Account], [Accum Acct], [Depr Account], "
        "[Gain Loss Acct]) SELECT 'Account ' || i, '15' || i, '16' || i, '61' || (i % 5), '8000' FROM n");
    fresh.exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 10) "
        "INSERT INTO tblDeprClass (Method_ID, Description, [Life], [If Auto - Type], [Amortize #], ID_acct) "
        "SELECT 1, 'Class ' || i, '7', 'N/A', '', i FROM n");
    fresh.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 5) "
               "INSERT INTO tblLocations ([Short Location], [Long Location]) SELECT 'Site ' || i, 'Site ' || "
               "i FROM n");
    // Asset i is placed in service in month (i - 1) * 120 / n of the ten years (0 to 119).
    const std::string month = "((i - 1) * 120 / " + n + ")";
    fresh.exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + n +
        "), s AS (SELECT i, printf('%04d-%02d-01', 2001 + " + month + " / 12, 1 + " + month +
        " % 12) AS start FROM n), "
        "a AS (SELECT i, start, "
        "CASE WHEN i % 20 = 0 AND start < '2010-01-01' THEN printf('2010-%02d-01', 1 + (i / 20) % 12) "
        "ELSE '1900-01-01' END AS sold, "
        "CASE i % 8 WHEN 0 THEN 2 WHEN 1 THEN 3 WHEN 2 THEN 9 WHEN 3 THEN 11 WHEN 4 THEN 10 ELSE 1 END "
        "AS method FROM s) "
        "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, [Allowance 30 %], [179_deduction], "
        "In_Service_date, depr_method, life, convention, other_deductions, bussiness_percent, sold_date, "
        "sold_amt, notes, depr_class_id, actual_method, Type_179, fiscal_start_date, fiscal_sold_date, "
        "book_life, book_cost, Id_acct, gain_loss) "
        "SELECT " +
        c +
        ", 'Asset ' || i, 1000 + (i % 97) * 250, 0, CASE WHEN i % 3 = 0 THEN 500 ELSE 0 END, "
        "start, method, CASE WHEN method = 2 AND i % 3 = 0 THEN 50 WHEN method = 1 AND i % 7 = 0 THEN 50 "
        "ELSE 3 + (i % 5) * 2 END, 1 + i % 4, 0, CASE WHEN i % 5 = 0 THEN 0.8 ELSE 1 END, sold, "
        "CASE WHEN sold <> '1900-01-01' THEN 400 ELSE 0 END, '', 1 + i % 10, '200 DB', i % 3 = 0, start, "
        "sold, CASE WHEN i % 7 = 0 THEN 0 ELSE 5 END, 1000 + (i % 97) * 250, 1 + i % 20, 0 FROM a");
    // Ten yearly rows from the fiscal year of service, so every asset has a row for 2010.
    const std::string years = "WITH RECURSIVE y(k) AS (SELECT 0 UNION ALL SELECT k + 1 FROM y WHERE k < 9) ";
    fresh.exec(
        years +
        "INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) "
        "SELECT Company_Id, 1, Asset_num, CAST(substr(fiscal_start_date, 1, 4) AS INTEGER) + k, Cost / 10, "
        "Cost / 10 * (k + 1) FROM tblAssets, y WHERE Company_Id = " +
        c);
    fresh.exec(
        "INSERT INTO tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost, BusinessPercent, "
        "Section179, Allowance, ConventionId, Salvage, Actual_Method, CostBasis, BonusCboId) "
        "SELECT Company_Id, Asset_num, 3, depr_method, life, Cost, 1, [179_deduction], 0, convention, 0, "
        "'S/L', Cost - [179_deduction], 0 FROM tblAssets WHERE Company_Id = " +
        c + " AND Asset_num % 3 = 0");
    fresh.exec(
        years +
        "INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) "
        "SELECT Company_Id, 3, Asset_num, CAST(substr(fiscal_start_date, 1, 4) AS INTEGER) + k, Cost / 12, "
        "Cost / 12 * (k + 1) FROM tblAssets, y WHERE Company_Id = " +
        c + " AND Asset_num % 3 = 0");
    fresh.exec(
        "WITH RECURSIVE m(k) AS (SELECT 1 UNION ALL SELECT k + 1 FROM m WHERE k < 12) "
        "INSERT INTO tblPeriodDepr (client_num, asset_num, period, depr, accum_depr, id_acct) "
        "SELECT Company_Id, Asset_num, printf('2010%02d', k), book_cost / 60, book_cost / 60 * (k + 24), "
        "Id_acct FROM tblAssets, m WHERE Company_Id = " +
        c);
    fresh.exec(
        "INSERT INTO tblAssetDescription ([Asset ID], [Tag Number], [Serial Number], Location_id, "
        "[Long Description]) SELECT Asset_num, printf('T%07d', Asset_num), 'SN', 1 + Asset_num % 5, 'long' "
        "FROM tblAssets WHERE Company_Id = " +
        c + " AND Asset_num % 50 <> 0");
    fresh.exec(
        "WITH RECURSIVE y(k) AS (SELECT 2010 UNION ALL SELECT k + 1 FROM y WHERE k < 2015) "
        "INSERT INTO txtMisc (txtfield1, numField1, numField2) SELECT k, 240, 240 * (k - 2009) FROM y");
}

// The generated database of a size, made the shared connection.
inline void useCompany(std::int64_t assets) {
    bool made = false;
    const test::FreshDatabase& db = Kept::get<test::FreshDatabase>("company " + std::to_string(assets), [&] {
        made = true;
        auto fresh = std::make_unique<test::FreshDatabase>();
        generateCompany(*fresh, assets);
        return fresh;
    });
    if (!made)
        GetDbConnection(db.path());
}

} // namespace qel::bench
