// Report queries of the Federal tax book (book 1): the three depreciation worksheets, the
// section 179 worksheet, new, disposed and 50-year assets, and the AMT differences.
#include "server/reporting/ReportStatements.h"

#include "common/SqlLiteral.h"
#include "server/support/DeprSupport.h"

namespace qel::report {
namespace {

// The asset's cost times its business fraction, less its section 179 expense, its special
// allowance and its other deductions; empty when any part is empty.
const std::string kTaxCostBasis =
    "tblAssets.Cost * tblAssets.bussiness_percent - (tblAssets.[179_deduction] + "
    "tblAssets.[Allowance 30 %] + tblAssets.other_deductions)";
const std::string kTaxPercent = "tblAssets.bussiness_percent * 100";

// The worksheet of the year's book-1 rows; `newOnly` keeps the assets placed in service in the
// year and orders by method and life alone.
ReportStatement wrkSheet(std::int32_t companyId, std::int16_t year, bool newOnly) {
    std::string sql = "SELECT tblDeprMethods.Method AS Method, tblAssets.Asset_name AS Description, "
                      "tblAssets.Asset_num AS [Asset #  ], tblAssets.In_Service_date AS [In Service], "
                      "tblAssets.Cost AS [Asset Cost ], " +
                      kTaxPercent + " AS [Percent], " + kTaxCostBasis +
                      " AS [Cost Basis], tblConvention.Abbreviation AS Conv, tblAssets.life AS [Life], "
                      "tblDepr.accum_depr AS [Accum Depr], tblDepr.depr AS [Depreciation]"
                      " FROM tblAssets INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID"
                      " INNER JOIN tblDepr ON tblAssets.Asset_num = tblDepr.asset_num"
                      " LEFT JOIN tblConvention ON tblAssets.convention = tblConvention.id"
                      " WHERE tblDepr.[year] = " +
                      sqlNumber(year) + " AND tblAssets.Company_Id = " + sqlNumber(companyId) +
                      " AND tblDepr.BookId = 1";
    if (newOnly)
        sql += " AND " + fiscalYearIs("tblAssets.fiscal_start_date", year) +
               " ORDER BY tblDeprMethods.Method, tblAssets.life";
    else
        sql += " ORDER BY tblDeprMethods.Method, tblAssets.life, tblAssets.In_Service_date";
    return {sql, {percent(5), money(6)}};
}

} // namespace

ReportStatement assetWrkSheet(std::int32_t companyId, std::int16_t year) {
    return wrkSheet(companyId, year, false);
}

ReportStatement newAssetWrkSheet(std::int32_t companyId, std::int16_t year) {
    return wrkSheet(companyId, year, true);
}

ReportStatement currentWrkSheet(std::int32_t companyId, std::int16_t year) {
    const std::string sql =
        "SELECT tblDeprMethods.Method AS Method, substr(tblAssets.Asset_name, 1, 30) AS Description, "
        "tblAssets.Asset_num AS [Asset #  ], tblAssets.In_Service_date AS [In Service], "
        "tblAssets.Cost AS [Asset Cost ], " +
        kTaxPercent + " AS [Percent], " + kTaxCostBasis +
        " AS [Cost Basis], tblConvention.Abbreviation AS Conv, tblAssets.life AS [Life], "
        "tblAssets.[Allowance 30 %] AS Bonus, tblAssets.[179_deduction] AS [179], "
        "tblDepr.depr AS [Depreciation], " +
        kTaxCostBasis +
        " - tblDepr.depr AS [Net Book Value]"
        " FROM tblAssets INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID"
        " INNER JOIN tblDepr ON tblAssets.Asset_num = tblDepr.asset_num"
        " LEFT JOIN tblConvention ON tblAssets.convention = tblConvention.id"
        " WHERE tblDepr.[year] = " +
        sqlNumber(year) + " AND tblAssets.Company_Id = " + sqlNumber(companyId) +
        " AND tblDepr.BookId = 1 AND " + fiscalYearIs("tblAssets.fiscal_start_date", year) +
        " ORDER BY tblDeprMethods.Method, tblAssets.life";
    return {sql, {text(1, 30), percent(5), money(6), money(12)}};
}

ReportStatement wrkSheet179(std::int32_t companyId, std::int16_t year) {
    // A ticked Yes/No column is any non-zero value.
    const std::string sql = "SELECT Asset_name AS Description, Asset_num AS [Asset #], "
                            "Cost * bussiness_percent AS [Basis      ], [179_deduction] AS [179 Deduction]"
                            " FROM tblAssets WHERE Company_Id = " +
                            sqlNumber(companyId) + " AND " + fiscalYearIs("fiscal_start_date", year) +
                            " AND Type_179 <> 0 AND (" + fiscalYearOf("fiscal_sold_date") + " > " +
                            sqlNumber(year) + " OR fiscal_sold_date = " + sqlDate(Date::noDate()) +
                            ") ORDER BY Asset_name";
    return {sql, {money(2)}};
}

ReportStatement newAssets(std::int32_t companyId, std::int16_t year) {
    const std::string sql =
        "SELECT tblAssets.Asset_name AS Description, tblAssets.Asset_num AS [Asset #   ], "
        "tblAssets.In_Service_date AS [In Service  ], tblDeprMethods.Method AS Method, "
        "tblAssets.life AS [Life], " +
        kTaxPercent +
        " AS [Percent], tblAssets.Cost AS [Asset Cost ], tblAssets.[Allowance 30 %] AS Allowances, "
        "tblAssets.[179_deduction] AS [179 Ded ], tblAssets.other_deductions AS [Other Ded]"
        " FROM tblAssets INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID"
        " WHERE tblAssets.Company_Id = " +
        sqlNumber(companyId) + " AND " + fiscalYearIs("tblAssets.fiscal_start_date", year) + " AND " +
        fiscalYearOf("tblAssets.fiscal_sold_date") + " <> " + sqlNumber(year) +
        " AND tblDeprMethods.Method <> 'Non-Depr'"
        " ORDER BY tblDeprMethods.Method, tblAssets.life";
    return {sql, {percent(5)}};
}

ReportStatement disposedAssets(std::int32_t companyId, std::int16_t year) {
    const std::string sql =
        "SELECT tblAssets.Asset_name AS Description, tblAssets.Asset_num AS [Asset #], "
        "tblAssets.In_Service_date AS [In Service], tblAssets.sold_date AS [Sold Date], " +
        kTaxCostBasis +
        " AS [Cost Basis  ], tblDepr.accum_depr AS [Accum Depr   ], tblAssets.sold_amt AS [Sold Amount ], "
        "tblAssets.gain_Loss AS [Gain/Loss   ]"
        " FROM tblAssets INNER JOIN tblDepr ON tblAssets.Asset_num = tblDepr.asset_num"
        " AND tblAssets.Company_Id = tblDepr.Client_num"
        " WHERE " +
        fiscalYearIs("tblAssets.fiscal_sold_date", year) +
        " AND tblAssets.Company_Id = " + sqlNumber(companyId) +
        " AND tblDepr.BookId = 1 AND tblDepr.[year] = " + sqlNumber(year) + " ORDER BY tblAssets.sold_date";
    return {sql, {money(4)}};
}

ReportStatement detailDepr(std::int32_t companyId, std::int16_t year) {
    // Every pairing stands in the filter, so every one is an inner one.
    const std::string sql =
        "SELECT tblAssets.Asset_name AS Description, tblAssets.Asset_num AS [Asset #], "
        "tblDeprMethods.Method AS Method, tblAssets.In_Service_date AS [In Service], "
        "tblAssets.life AS [Life  ], tblLives.Method AS [Actual Method], "
        "tblConvention.Abbreviation AS Convention, " +
        kTaxCostBasis +
        " AS [Cost Basis    ], tblDepr.depr AS [Depreciation]"
        " FROM tblAssets, tblDeprMethods, tblDepr, tblConvention, tblLives"
        " WHERE tblAssets.Asset_num = tblDepr.asset_num"
        " AND (tblDeprMethods.Method = 'ADS' OR tblDeprMethods.Method = 'MACRS')"
        " AND tblAssets.life = 50 AND tblAssets.life = tblLives.Life"
        " AND tblDeprMethods.ID = tblAssets.depr_method AND tblAssets.Company_Id = tblDepr.Client_num"
        " AND tblAssets.Company_Id = " +
        sqlNumber(companyId) + " AND tblDepr.[year] = " + sqlNumber(year) + " AND " +
        fiscalYearIs("tblAssets.fiscal_start_date", year) +
        " AND tblAssets.convention = tblConvention.id AND tblLives.Type = tblDeprMethods.Method"
        " AND tblDepr.BookId = 1"
        " ORDER BY tblDeprMethods.Method";
    return {sql, {money(7)}};
}

ReportStatement amtDifferences(std::int32_t companyId, std::int16_t year) {
    const std::string sql =
        "SELECT tblAssets.Asset_name AS [Asset Description], tblAssets.Asset_num AS [Asset #], "
        "tblAssets.Life AS [Life  ], tblAssets.In_Service_date AS [In Service], " +
        kTaxPercent +
        " AS [Percent], tblAssets.actual_method AS [Method ], tblAssets.Cost AS [Cost         ], "
        "tblDepr.depr AS [Federal Depr], tblDepr_1.depr AS [AMT Depr    ], "
        "tblDepr.depr - tblDepr_1.depr AS Difference"
        " FROM tblAssets INNER JOIN tblDepr ON tblAssets.Asset_num = tblDepr.asset_num"
        " AND tblAssets.Company_Id = tblDepr.Client_num"
        " INNER JOIN tblDepr AS tblDepr_1 ON tblAssets.Asset_num = tblDepr_1.asset_num"
        " AND tblAssets.Company_Id = tblDepr_1.Client_num"
        " WHERE tblAssets.Company_Id = " +
        sqlNumber(companyId) + " AND tblDepr.[year] = " + sqlNumber(year) +
        " AND tblDepr.BookId = 1 AND tblDepr_1.[year] = " + sqlNumber(year) +
        " AND tblDepr_1.BookId = 3"
        " ORDER BY tblAssets.Asset_name";
    return {sql, {percent(4), money(9)}};
}

} // namespace qel::report

namespace qel {

Recordset DeprSupport::GetAssetWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "GetAssetWrkSheet",
                  [&] { return report::run(report::assetWrkSheet(lngCompanyId, intYear)); });
}

Recordset DeprSupport::GetNewAssetWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "GetNewAssetWrkSheet",
                  [&] { return report::run(report::newAssetWrkSheet(lngCompanyId, intYear)); });
}

Recordset DeprSupport::GetCurrentWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "GetCurrentWrkSheet",
                  [&] { return report::run(report::currentWrkSheet(lngCompanyId, intYear)); });
}

Recordset DeprSupport::Get179WrkSheet(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "Get179WrkSheet",
                  [&] { return report::run(report::wrkSheet179(lngCompanyId, intYear)); });
}

Recordset DeprSupport::GetNewAssets(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "GetNewAssets",
                  [&] { return report::run(report::newAssets(lngCompanyId, intYear)); });
}

Recordset DeprSupport::GetDisposedAssets(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "GetDisposedAssets",
                  [&] { return report::run(report::disposedAssets(lngCompanyId, intYear)); });
}

Recordset DeprSupport::GetDetailDepr(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "GetDetailDepr",
                  [&] { return report::run(report::detailDepr(lngCompanyId, intYear)); });
}

Recordset DeprSupport::GetAMTdifferences(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "GetAMTdifferences",
                  [&] { return report::run(report::amtDifferences(lngCompanyId, intYear)); });
}

} // namespace qel
