// Report queries not tied to a fiscal year: an asset's yearly schedule in one book, the book
// schedule the engine's straight-line writer leaves in txtMisc, the chart of accounts, the tag
// numbers of a company and the asset listing.
#include "server/reporting/ReportStatements.h"

#include "common/SqlLiteral.h"
#include "server/support/DeprSupport.h"

namespace qel::report {

ReportStatement deprSchedule(std::int32_t assetNum, std::int16_t bookId) {
    // Asset numbers are unique over all companies, so no company is needed.
    return {"SELECT [Year] AS [Year      ], depr AS Depreciation, accum_depr AS [Accum Depr    ]"
            " FROM tblDepr WHERE asset_num = " +
                sqlNumber(assetNum) + " AND bookid = " + sqlNumber(bookId) + " ORDER BY [Year]",
            {}};
}

ReportStatement bookDeprSchedule() {
    // The schedule writer inserts the years in ascending order; the rows come back in that order.
    return {"SELECT txtField1 AS [Year      ], numField1 AS Depreciation, numField2 AS [Accum Depr    ]"
            " FROM txtMisc ORDER BY rowid",
            {}};
}

ReportStatement glAccounts() {
    return {"SELECT [Account Descr] AS [Account Description], Id_acct AS [G/L Id], "
            "[Capital Account] AS [Capital Account], [Accum Acct] AS [Accum Acct], "
            "[Depr Account] AS [Depr Account], [Gain Loss Acct] AS [Gain Loss Acct]"
            " FROM tblAccounts ORDER BY [Account Descr]",
            {}};
}

ReportStatement tagNumToAssetId(std::int32_t companyId) {
    return {"SELECT tblAssetDescription.[Tag Number] AS [Tag Number], tblAssets.Asset_num AS [Asset ID   ], "
            "tblAssets.asset_name AS Description"
            " FROM tblAssets INNER JOIN tblAssetDescription ON tblAssets.Asset_num = "
            "tblAssetDescription.[Asset ID]"
            " WHERE tblAssets.company_Id = " +
                sqlNumber(companyId) + " ORDER BY tblAssetDescription.[Tag Number]",
            {}};
}

ReportStatement assetLedger(std::int32_t companyId, std::int32_t locationId, ConventionJoin conventionJoin) {
    // The fields keep their column names (the listing finds them by name), so each is named as
    // the listing knows it; every asset stays, with empty description fields when it has no
    // description row.
    std::string sql =
        "SELECT tblAssets.Asset_num AS Asset_num, tblAssets.Asset_name AS Asset_name, tblAssets.Cost AS "
        "Cost, "
        "tblAssets.[Allowance 30 %] AS [Allowance 30 %], tblDeprMethods.Method AS Method, "
        "tblAssets.In_Service_date AS In_Service_date, tblAssets.bussiness_percent AS bussiness_percent, "
        "tblAssets.[179_deduction] AS [179_deduction], tblConvention.Abbreviation AS Abbreviation, "
        "tblAssets.life AS life, tblAssets.sold_date AS sold_date, tblAssets.sold_amt AS sold_amt, "
        "tblAssets.gain_Loss AS gain_Loss, tblAssets.notes AS notes, "
        "qryAssetDescriptions.[Tag Number] AS [Tag Number], "
        "qryAssetDescriptions.[Serial Number] AS [Serial Number], "
        "qryAssetDescriptions.Manufacturer AS Manufacturer, "
        "qryAssetDescriptions.[Long Description] AS [Long Description], "
        "qryAssetDescriptions.[Short Location] AS [Short Location], tblAssets.amortize_code AS "
        "amortize_code, "
        "tblAssets.other_deductions AS other_deductions, tblDeprClass.Description AS Description, "
        "tblAssets.book_life AS book_life, tblAssets.book_cost AS book_cost, "
        "tblAssets.vehicle_num AS vehicle_num, tblAccounts.[Account Descr] AS [Account Descr], "
        "tblAssets.actual_method AS actual_method"
        " FROM tblAssets " +
        std::string(conventionJoin == ConventionJoin::Inner ? "INNER" : "LEFT") +
        " JOIN tblConvention ON tblAssets.convention = tblConvention.id"
        " INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID"
        " LEFT JOIN qryAssetDescriptions ON qryAssetDescriptions.[Asset ID] = tblAssets.Asset_num"
        " LEFT JOIN tblDeprClass ON tblAssets.depr_class_Id = tblDeprClass.ID"
        " INNER JOIN tblAccounts ON tblAssets.Id_acct = tblAccounts.Id_acct"
        " WHERE tblAssets.company_Id = " +
        sqlNumber(companyId);
    if (locationId != kAllLocations)
        sql += " and qryAssetDescriptions.Location_Id = " + sqlNumber(locationId);
    return {sql, {}};
}

} // namespace qel::report

namespace qel {

Recordset DeprSupport::GetDeprSchedule(std::int32_t lngAsset_Num, std::int16_t bookId) {
    return passOn("DeprSupport", "GetDeprSchedule",
                  [&] { return report::run(report::deprSchedule(lngAsset_Num, bookId)); });
}

Recordset DeprSupport::GetBookDeprSchedule() {
    return passOn("DeprSupport", "GetBookDeprSchedule",
                  [&] { return report::run(report::bookDeprSchedule()); });
}

Recordset DeprSupport::GetGLaccounts(std::int32_t, std::int16_t) {
    return passOn("DeprSupport", "GetGLaccounts", [&] { return report::run(report::glAccounts()); });
}

Recordset DeprSupport::GetTagNumToAssetID(std::int32_t lngCompanyId) {
    return passOn("DeprSupport", "GetTagNumToAssetID",
                  [&] { return report::run(report::tagNumToAssetId(lngCompanyId)); });
}

Recordset DeprSupport::GetAssetLedger(std::int32_t lngCompanyId, std::int32_t LocationId) {
    return passOn("DeprSupport", "GetAssetLedger",
                  [&] { return report::run(report::assetLedger(lngCompanyId, LocationId)); });
}

} // namespace qel
