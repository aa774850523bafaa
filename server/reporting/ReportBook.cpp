// Report queries of the alternative books (3 AMT, 4 State, 5 Other): cost, life, business
// fraction, section 179, allowance, salvage and convention come from the asset's row of the book
// in tblBookMethods and the depreciation from the book's rows of tblDepr.
#include "server/reporting/ReportStatements.h"

#include "common/SqlLiteral.h"
#include "server/support/DeprSupport.h"

namespace qel::report {
namespace {

// The book cost times the book's business fraction, less the book's section 179 expense, its
// special allowance and its salvage value.
const std::string kBookCostBasis =
    "tblBookMethods.Cost * tblBookMethods.BusinessPercent - (tblBookMethods.Section179 + "
    "tblBookMethods.Allowance + tblBookMethods.Salvage)";
const std::string kBookPercent = "tblBookMethods.BusinessPercent * 100";

// The book worksheet: grouped under the asset's tax method and ordered by its tax life, while
// life, cost and convention are the book's own.
ReportStatement booksWrkSheet(std::int32_t companyId, std::int16_t year, std::int16_t bookId, bool newOnly) {
    std::string sql = "SELECT tblDeprMethods.Method AS Method, tblAssets.Asset_name AS Description, "
                      "tblAssets.Asset_num AS [Asset #], tblAssets.In_Service_date AS [In Service], "
                      "tblBookMethods.Cost AS [Asset Cost], " +
                      kBookPercent + " AS [Percent], " + kBookCostBasis +
                      " AS [Cost Basis], tblConvention.Abbreviation AS Conv, tblBookMethods.Life AS Life, "
                      "tblDepr.accum_depr AS [Accum Depr], tblDepr.depr AS Depreciation"
                      " FROM tblAssets INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID"
                      " INNER JOIN tblDepr ON tblAssets.Asset_num = tblDepr.asset_num"
                      " INNER JOIN tblBookMethods ON tblAssets.Asset_num = tblBookMethods.AssetId"
                      " AND tblAssets.Company_Id = tblBookMethods.ClientId"
                      " LEFT JOIN tblConvention ON tblConvention.id = tblBookMethods.ConventionId"
                      " WHERE tblDepr.[Year] = " +
                      sqlNumber(year) + " AND tblAssets.Company_Id = " + sqlNumber(companyId) +
                      " AND tblDepr.BookId = " + sqlNumber(bookId) +
                      " AND tblBookMethods.BookId = " + sqlNumber(bookId);
    if (newOnly)
        sql += " AND " + fiscalYearIs("tblAssets.fiscal_start_date", year);
    sql += " ORDER BY tblDeprMethods.Method, tblAssets.life, tblAssets.In_Service_date";
    return {sql, {percent(5), money(6)}};
}

} // namespace

ReportStatement booksAssetWrkSheet(std::int32_t companyId, std::int16_t year, std::int16_t bookId) {
    return booksWrkSheet(companyId, year, bookId, false);
}

ReportStatement newBooksAssetWrkSheet(std::int32_t companyId, std::int16_t year, std::int16_t bookId) {
    return booksWrkSheet(companyId, year, bookId, true);
}

ReportStatement books179WrkSheet(std::int32_t companyId, std::int16_t year, std::int16_t bookId) {
    // The basis takes the asset's tax business fraction, not the book's.
    const std::string sql =
        "SELECT tblAssets.Asset_name AS Description, tblAssets.Asset_num AS [Asset #], "
        "tblBookMethods.Cost * tblAssets.bussiness_percent AS [Basis      ], "
        "tblBookMethods.Section179 AS [179 Deduction]"
        " FROM tblAssets, tblBookMethods"
        " WHERE tblBookMethods.AssetId = tblAssets.Asset_num AND tblBookMethods.ClientId = "
        "tblAssets.Company_Id"
        " AND tblBookMethods.BookId = " +
        sqlNumber(bookId) + " AND tblAssets.Company_Id = " + sqlNumber(companyId) + " AND " +
        fiscalYearIs("tblAssets.fiscal_start_date", year) + " AND tblAssets.Type_179 <> 0 AND (" +
        fiscalYearOf("tblAssets.fiscal_sold_date") + " > " + sqlNumber(year) +
        " OR tblAssets.fiscal_sold_date = " + sqlDate(Date::noDate()) + ") ORDER BY tblAssets.Asset_name";
    return {sql, {money(2)}};
}

ReportStatement booksNewAssets(std::int32_t companyId, std::int16_t year, std::int16_t bookId) {
    const std::string sql =
        "SELECT tblAssets.Asset_name AS Description, tblAssets.Asset_num AS [Asset #], "
        "tblAssets.In_Service_date AS [In Service], tblDeprMethods.Method AS Method, "
        "tblBookMethods.Life AS [Life  ], " +
        kBookPercent +
        " AS [Percent], tblBookMethods.Cost AS [Cost           ], tblBookMethods.Section179 AS Section179, "
        "tblBookMethods.Allowance AS Allowance, tblBookMethods.Salvage AS Salvage"
        " FROM tblBookMethods INNER JOIN tblAssets ON tblBookMethods.AssetId = tblAssets.Asset_num"
        " AND tblBookMethods.ClientId = tblAssets.Company_Id"
        " INNER JOIN tblDeprMethods ON tblDeprMethods.ID = tblBookMethods.DeprMethodId"
        " WHERE tblDeprMethods.Method <> 'Non-Depr' AND tblAssets.Company_Id = " +
        sqlNumber(companyId) + " AND " + fiscalYearIs("tblAssets.fiscal_start_date", year) + " AND " +
        fiscalYearOf("tblAssets.fiscal_sold_date") + " <> " + sqlNumber(year) +
        " AND tblBookMethods.BookId = " + sqlNumber(bookId) + " ORDER BY tblDeprMethods.Method";
    return {sql, {percent(5)}};
}

ReportStatement booksDisposedAssets(std::int32_t companyId, std::int16_t year, std::int16_t bookId) {
    const std::string sql =
        "SELECT tblAssets.Asset_name AS Description, tblAssets.Asset_num AS [Asset #], "
        "tblAssets.In_Service_date AS [In Service], tblAssets.sold_date AS [Sold Date], "
        "tblBookMethods.CostBasis AS [Cost Basis], tblDepr.accum_depr AS accum_depr, "
        "tblAssets.sold_amt AS [Sold Amt], "
        // The basis is the business share of the cost, so the gain takes the same share of the
        // sale price (a book row without a fraction counts as full business use).
        "tblAssets.sold_amt * COALESCE(NULLIF(tblBookMethods.BusinessPercent, 0), 1)"
        " - (tblBookMethods.CostBasis - tblDepr.accum_depr) AS [Gain/Loss]"
        " FROM tblAssets INNER JOIN tblBookMethods ON tblAssets.Company_Id = tblBookMethods.ClientId"
        " AND tblAssets.Asset_num = tblBookMethods.AssetId"
        " INNER JOIN tblDepr ON tblBookMethods.ClientId = tblDepr.Client_num"
        " AND tblBookMethods.AssetId = tblDepr.asset_num AND tblBookMethods.BookId = tblDepr.BookId"
        " WHERE tblDepr.[year] = " +
        sqlNumber(year) + " AND " + fiscalYearIs("tblAssets.fiscal_sold_date", year) +
        " AND tblAssets.Company_Id = " + sqlNumber(companyId) +
        " AND tblBookMethods.BookId = " + sqlNumber(bookId) + " ORDER BY tblAssets.sold_date";
    return {sql, {money(7)}};
}

ReportStatement books50YearAssets(std::int32_t companyId, std::int16_t year, std::int16_t bookId) {
    const std::string sql =
        "SELECT tblAssets.Asset_name AS Description, tblAssets.Asset_num AS [Asset #], "
        "tblDeprMethods.Method AS Method, tblAssets.In_Service_date AS [In Service], "
        "tblBookMethods.Life AS [Life  ], tblBookMethods.Actual_Method AS [Actual Method], "
        "tblConvention.Abbreviation AS Convention, " +
        kBookCostBasis +
        " AS [Cost Basis   ], tblDepr.depr AS Depreciation"
        " FROM tblBookMethods INNER JOIN tblDepr ON tblBookMethods.ClientId = tblDepr.Client_num"
        " AND tblBookMethods.BookId = tblDepr.BookId AND tblBookMethods.AssetId = tblDepr.asset_num"
        " INNER JOIN tblAssets ON tblAssets.Company_Id = tblBookMethods.ClientId"
        " AND tblAssets.Asset_num = tblBookMethods.AssetId"
        " INNER JOIN tblDeprMethods ON tblBookMethods.DeprMethodId = tblDeprMethods.ID"
        " INNER JOIN tblConvention ON tblBookMethods.ConventionId = tblConvention.id"
        " WHERE (tblDeprMethods.Method = 'ADS' OR tblDeprMethods.Method = 'MACRS')"
        " AND tblBookMethods.Life = 50 AND tblDepr.BookId = " +
        sqlNumber(bookId) + " AND " + fiscalYearIs("tblAssets.fiscal_start_date", year) +
        " AND tblDepr.[year] = " + sqlNumber(year) + " AND tblAssets.Company_Id = " + sqlNumber(companyId) +
        " ORDER BY tblDeprMethods.Method";
    return {sql, {money(7)}};
}

} // namespace qel::report

namespace qel {

Recordset DeprSupport::GetBooksAssetWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear,
                                             std::int16_t bookId) {
    return passOn("DeprSupport", "GetBooksAssetWrkSheet",
                  [&] { return report::run(report::booksAssetWrkSheet(lngCompanyId, intYear, bookId)); });
}

Recordset DeprSupport::GetNewBooksAssetWrkSheet(std::int32_t lngCompanyId, std::int16_t intYear,
                                                std::int16_t bookId) {
    return passOn("DeprSupport", "GetNewBooksAssetWrkSheet",
                  [&] { return report::run(report::newBooksAssetWrkSheet(lngCompanyId, intYear, bookId)); });
}

Recordset DeprSupport::GetBooks179WrkSheet(std::int32_t lngCompanyId, std::int16_t intYear,
                                           std::int16_t bookId) {
    return passOn("DeprSupport", "GetBooks179WrkSheet",
                  [&] { return report::run(report::books179WrkSheet(lngCompanyId, intYear, bookId)); });
}

Recordset DeprSupport::GetBooksNewAssets(std::int32_t lngCompanyId, std::int16_t intYear,
                                         std::int16_t bookId) {
    return passOn("DeprSupport", "GetBooksNewAssets",
                  [&] { return report::run(report::booksNewAssets(lngCompanyId, intYear, bookId)); });
}

Recordset DeprSupport::GetBooksDisposedAssets(std::int32_t lngCompanyId, std::int16_t intYear,
                                              std::int16_t bookId) {
    return passOn("DeprSupport", "GetBooksDisposedAssets",
                  [&] { return report::run(report::booksDisposedAssets(lngCompanyId, intYear, bookId)); });
}

Recordset DeprSupport::GetBooks50YearAssets(std::int32_t lngCompanyId, std::int16_t intYear,
                                            std::int16_t bookId) {
    return passOn("DeprSupport", "GetBooks50YearAssets",
                  [&] { return report::run(report::books50YearAssets(lngCompanyId, intYear, bookId)); });
}

} // namespace qel
