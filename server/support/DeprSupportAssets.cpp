// DeprSupport: asset records, alternative-book settings, the logon check and NoQuote.
#include "server/support/DeprSupport.h"

#include "common/SqlLiteral.h"

#include <limits>

namespace qel {

std::int32_t DeprSupport::AddAsset(const std::string& strValues, bool bExclude) {
    return passOn("DeprSupport", "AddAsset", [&]() -> std::int32_t {
        // An excluded asset leaves its four book columns to the table's defaults.
        std::string sql = "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, "
                          " [Allowance 30 %], [179_deduction], In_Service_date, depr_method "
                          " , life, convention, other_deductions, bussiness_percent,"
                          " sold_date, sold_amt, notes, depr_class_id,"
                          " life_id, amortize_code, vehicle_num, actual_method, Type_179 "
                          ", fiscal_start_date, fiscal_end_date, fiscal_sold_date, Bonus_Choice";
        sql += bExclude ? ") Values(" : ", Do_Depr_adj,  book_life, book_cost, Id_acct) Values(";
        sql += strValues;
        sql += ") ";

        // The new number is read from this very insert, not from the table's highest number,
        // which another writer could have moved. A value list that holds more than one row is
        // refused and undone, so exactly one asset comes of one call.
        Connection& conn = requireConnection();
        Transaction tx(conn);
        ExecuteQuery(sql, &conn);
        if (conn.changes() != 1)
            throw ServerError::invalidArgument("DeprSupport",
                                               "The asset values must describe exactly one asset.");
        const std::int64_t assetNum = conn.lastInsertRowid();
        if (assetNum > std::numeric_limits<std::int32_t>::max())
            throw ServerError::invalidArgument("DeprSupport", "The asset number " + std::to_string(assetNum) +
                                                                  " is beyond the range of asset numbers.");
        tx.commit();
        return static_cast<std::int32_t>(assetNum);
    });
}

std::string DeprSupport::GetUserLevel(const std::string& strUser, const std::string& strPwd) {
    return passOn("DeprSupport", "GetUserLevel", [&]() -> std::string {
        // The typed name and password are bound, so no text typed at the logon can change the
        // statement; the columns compare without regard to case.
        const Recordset rs =
            ExecuteQueryReturnRS("Select userLevel from tblPasswords where UserId = ? and [Password] = ?",
                                 nullptr, {Variant(strUser), Variant(strPwd)});
        if (rs.IsBOF() && rs.IsEOF())
            return {};
        const Variant& level = rs[0];
        return level.isNull() ? std::string() : level.toString();
    });
}

Recordset DeprSupport::GetBooksAsset(std::int32_t lngAssetId, std::int32_t lngCompanyId,
                                     const Variant& bookId) {
    return passOn("DeprSupport", "GetBooksAsset", [&] {
        // The caller's book comes as a variant of any kind, so it is bound rather than written.
        const std::string sql =
            "SELECT tblBookMethods.DeprMethodId, tblBookMethods.Life, tblBookMethods.Cost, "
            "tblBookMethods.BusinessPercent, tblBookMethods.Section179, tblBookMethods.Allowance, "
            "tblBookMethods.ConventionId, tblBookMethods.Salvage, actual_Method AS actual_Method, "
            "costBasis AS costBasis, BonusCboId"
            " From tblBookMethods where clientId =  " +
            sqlNumber(lngCompanyId) + " and assetId = " + sqlNumber(lngAssetId) + " and  bookId = ?";
        return ExecuteQueryReturnRS(sql, nullptr, {bookId});
    });
}

Recordset DeprSupport::GetBooksSettings(std::int32_t lngCompanyId) {
    return passOn("DeprSupport", "GetBooksSettings", [&] {
        return ExecuteQueryReturnRS(
            "Select [AMT Book] AS [Amt Book], [State Book], [Other Book] from tblCompany "
            "where [Id] = " +
            sqlNumber(lngCompanyId));
    });
}

Recordset DeprSupport::GetAsset(std::int32_t lngAssetId, std::int32_t lngCompanyId) {
    return passOn("DeprSupport", "GetAsset", [&] {
        // Aliases keep the field names as the asset form knows them where the stored column is
        // spelt otherwise. The outer join returns an asset without a description row, with
        // Nulls in the description fields.
        const std::string sql =
            "SELECT Asset_num, Asset_name, Cost, [Allowance 30 %],"
            " In_Service_date, bussiness_percent, [179_deduction], "
            " convention, life_id, depr_class_id, Method AS method, sold_date,"
            " sold_amt, gain_loss, other_deductions, notes, Type_179, "
            " life, vehicle_num, amortize_code, actual_method, Bonus_Choice AS bonus_choice "
            " , Do_Depr_adj AS do_Depr_adj, book_life, book_cost, Id_acct AS id_acct"
            " , [Tag Number] AS [tag number], [Serial Number] AS [serial number], Location_id AS location_id,"
            " [Long Description] AS [long description]"
            " FROM tblAssetDescription RIGHT JOIN"
            " (tblAssets INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID)"
            " ON tblAssetDescription.[Asset ID] = tblAssets.Asset_num"
            " Where Asset_num = " +
            sqlNumber(lngAssetId) + " and company_Id = " + sqlNumber(lngCompanyId);
        return ExecuteQueryReturnRS(sql);
    });
}

std::string DeprSupport::NoQuote(const std::string& strData) {
    return passOn("DeprSupport", "NoQuote", [&] { return noQuote(strData); });
}

} // namespace qel
