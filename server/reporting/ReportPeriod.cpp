// Report queries of the financial book by fiscal period: the depreciation journal entry in
// summary and in detail, the book disposals up to a period and the property tax listing.
#include "server/reporting/ReportStatements.h"

#include "common/SqlLiteral.h"
#include "server/support/DeprSupport.h"

namespace qel::report {
namespace {

// The debit and credit columns join amounts with empty texts, so the report windows show them as
// text columns (left-aligned, amounts with two decimals).
constexpr int kJournalAmountSize = 20;

ReportStatement propertyTax(std::int32_t companyId, const Date& cutOff, const char* classTitle) {
    const std::string d = sqlDate(cutOff);
    const std::string sql =
        std::string("SELECT tblDeprClass.Description AS ") + classTitle +
        ", tblAssets.In_Service_date AS [In Service  ], tblAssets.Asset_num AS [Asset ID  ], "
        "tblAssets.Asset_name AS [Description                          ], tblAssets.Cost AS [Asset Cost]"
        " FROM tblAssets LEFT JOIN tblDeprClass ON tblAssets.depr_class_Id = tblDeprClass.ID"
        " WHERE tblAssets.fiscal_Start_date <= " +
        d + " AND tblAssets.Company_Id = " + sqlNumber(companyId) + " AND (" +
        fiscalYearOf("tblAssets.fiscal_sold_date") + " = 1900 OR tblAssets.fiscal_sold_date > " + d +
        ") ORDER BY tblDeprClass.Description, tblAssets.In_Service_date";
    return {sql, {}};
}

} // namespace

ReportStatement deprJvSummary(std::int32_t companyId, std::string_view period) {
    const std::string from =
        " FROM tblAccounts INNER JOIN tblPeriodDepr ON tblAccounts.Id_acct = tblPeriodDepr.id_acct"
        " WHERE tblPeriodDepr.Period = " +
        periodText(period) + " AND tblPeriodDepr.client_num = " + sqlNumber(companyId) +
        " GROUP BY tblAccounts.[Depr Account], tblAccounts.[Accum Acct]";
    const std::string sql =
        "SELECT tblAccounts.[Depr Account] AS [Account], Sum(tblPeriodDepr.depr) AS Debit, '' AS Credit" +
        from + " UNION ALL SELECT tblAccounts.[Accum Acct], '', Sum(tblPeriodDepr.depr)" + from;
    return {sql, {text(1, kJournalAmountSize), text(2, kJournalAmountSize)}};
}

ReportStatement deprJvDetail(std::int32_t companyId, std::string_view period) {
    const std::string from =
        " FROM tblAssets INNER JOIN tblPeriodDepr ON tblAssets.Asset_num = tblPeriodDepr.asset_num"
        " AND tblAssets.Company_Id = tblPeriodDepr.client_num"
        " INNER JOIN tblAccounts ON tblAccounts.Id_acct = tblPeriodDepr.id_acct"
        " WHERE tblPeriodDepr.period = " +
        periodText(period) + " AND tblPeriodDepr.client_num = " + sqlNumber(companyId);
    const std::string sql =
        "SELECT tblAccounts.[Depr Account] AS Account, tblPeriodDepr.depr AS Debit, ' ' AS Credit, "
        "tblPeriodDepr.asset_num AS [Asset Id], tblAssets.Asset_name AS [Description]" +
        from +
        " UNION ALL SELECT tblaccounts.[Accum Acct], ' ', tblPeriodDepr.depr, "
        "tblPeriodDepr.asset_num, tblAssets.Asset_name" +
        from + " ORDER BY Account, [Asset Id]";
    return {sql, {text(1, kJournalAmountSize), text(2, kJournalAmountSize)}};
}

ReportStatement finanicalDisposedAssets(std::int32_t companyId, std::string_view period) {
    const std::string d = sqlDate(periodDate(period));
    // The latest period row of the asset, whatever the report period.
    const std::string sql =
        "SELECT tblAssets.Asset_name AS Description, tblAssets.Asset_num AS [Asset #], "
        "tblAssets.In_Service_date AS [In Service], tblAssets.sold_date AS [Sold Date], "
        "tblAssets.book_cost AS [Book Cost    ], tblPeriodDepr.accum_depr AS [Accumlated Depr], "
        "tblAssets.sold_amt AS [Sold Amount    ], "
        "tblAssets.sold_amt - (tblAssets.book_cost - tblPeriodDepr.accum_depr) AS [Gain/Loss    ]"
        " FROM tblAssets INNER JOIN tblPeriodDepr ON tblAssets.Company_Id = tblPeriodDepr.client_num"
        " AND tblAssets.Asset_num = tblPeriodDepr.asset_num"
        " WHERE tblPeriodDepr.period = (SELECT Max(tblPeriodDepr_1.period) FROM tblPeriodDepr AS "
        "tblPeriodDepr_1"
        " WHERE tblPeriodDepr_1.asset_num = tblAssets.Asset_num)"
        " AND tblAssets.Company_Id = " +
        sqlNumber(companyId) + " AND tblAssets.fiscal_sold_date <= " + d +
        " AND tblAssets.fiscal_sold_date > " + sqlDate(Date::noDate());
    return {sql, {money(7)}};
}

ReportStatement propertTaxData(std::int32_t companyId, std::string_view period) {
    return propertyTax(companyId, periodDate(period), "[Asset Class]");
}

ReportStatement propertTax(std::int32_t companyId, std::int16_t year) {
    return propertyTax(companyId, Date(year, 12, 1), "Category");
}

} // namespace qel::report

namespace qel {

Recordset DeprSupport::DeprJvSummary(std::int32_t lngCompanyId, const std::string& strPeriod) {
    return passOn("DeprSupport", "DeprJvSummary",
                  [&] { return report::run(report::deprJvSummary(lngCompanyId, strPeriod)); });
}

Recordset DeprSupport::DeprJvDetail(std::int32_t lngCompanyId, const std::string& strPeriod) {
    return passOn("DeprSupport", "DeprJvDetail",
                  [&] { return report::run(report::deprJvDetail(lngCompanyId, strPeriod)); });
}

Recordset DeprSupport::GetFinanicalDisposedAssets(std::int32_t lngCompanyId, const std::string& strPeriod) {
    return passOn("DeprSupport", "GetFinanicalDisposedAssets",
                  [&] { return report::run(report::finanicalDisposedAssets(lngCompanyId, strPeriod)); });
}

Recordset DeprSupport::GetPropertTaxData(std::int32_t intCompanyID, const std::string& strPeriod) {
    return passOn("DeprSupport", "GetPropertTaxData",
                  [&] { return report::run(report::propertTaxData(intCompanyID, strPeriod)); });
}

Recordset DeprSupport::GetPropertTax(std::int32_t intCompanyID, std::int16_t intYear) {
    return passOn("DeprSupport", "GetPropertTax",
                  [&] { return report::run(report::propertTax(intCompanyID, intYear)); });
}

} // namespace qel
