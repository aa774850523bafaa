// The asset record and its statements.
#include "app/assets/rules/AssetRecord.h"

#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/BookRules.h"
#include "app/assets/rules/DeprRunPlan.h"
#include "app/assets/rules/FieldRules.h"
#include "common/Convert.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "common/Text.h"
#include "server/support/AssetCodes.h"

namespace qel::assets {
namespace {

const char* const kSource = "Asset entry";

Date monthOrThrow(const std::string& text, const char* what) {
    const std::optional<Date> month = monthOf(text);
    if (!month)
        throw ServerError(kTypeMismatch, kSource,
                          "Type mismatch: the " + std::string(what) + " '" + text + "' is no month mm/yyyy.",
                          ErrorKind::Conversion);
    return *month;
}

std::string n(double value) {
    return sqlNumber(value);
}

std::string n(std::int32_t value) {
    return sqlNumber(value);
}

} // namespace

std::string DetermineAutoType(const AssetSnapshot& a) {
    if (!a.classChosen)
        return "N";
    const std::string& text = a.classText;
    const std::string tail = text.size() > 13 ? text.substr(text.size() - 13) : text;
    const std::size_t dash = tail.find('-');
    const std::size_t at = dash == std::string::npos ? 0 : dash + 1;
    return at < tail.size() ? tail.substr(at, 1) : std::string();
}

AssetRecord AssetRecordOf(const AssetSnapshot& a, std::int32_t companyId, int yearEndMonth) {
    AssetRecord r;
    r.companyId = companyId;
    r.description = a.description;
    r.cost = leadingNumber(a.cost);
    r.allowance = leadingNumber(a.allowance);
    r.section179 = leadingNumber(a.section179);
    r.inService = monthOrThrow(a.inService, "in-service month");
    r.methodId = a.methodId;
    r.method = a.method;
    const std::optional<double> life = DetermineLife(a.life, a.classText);
    if (!life)
        throw ServerError(kTypeMismatch, kSource,
                          "Type mismatch: the life '" + (a.life.empty() ? a.classText : a.life) +
                              "' is no number of years.",
                          ErrorKind::Conversion);
    r.life = *life;
    r.conventionId = a.conventionId;
    r.otherDeductions = leadingNumber(a.otherDeductions);
    r.businessFraction = GetBuisnessPecent(a.businessPercent);
    if (a.sold != kEmptyMonth)
        r.soldDate = monthOrThrow(a.sold, "disposal month");
    r.soldAmt = leadingNumber(a.dispositionAmt);
    r.notes = std::string(trimBlanks(a.notes));
    r.classId = a.classChosen ? a.classId : 0;
    r.lifeId = a.lifeIndex < 0 ? 0 : a.lifeIndex;
    // A class whose amortization number cannot be read gives none.
    r.amortizeCode = a.method == "Amortize" ? DetermineAmortizeCode(a.classText).value_or(0) : 0;
    r.vehicleNum = whole32(leadingNumber(a.vehicleNum), "vehicle number");
    // What the caption and the 179 box show may have been left behind by an earlier rule; the
    // stored method is the one the figures give, and only declining-balance property is
    // section 179 property.
    r.methodCaption = SavedMethodCaption(a);
    r.type179 = a.type179 && IsDecliningBalance(r.methodCaption);
    r.fiscalStart = FiscalMonthStart(r.inService, yearEndMonth);
    r.bookLife = leadingNumber(a.bookLife);
    r.bookCost = leadingNumber(a.bookCost);
    r.fiscalEnd = BookLifeEnd(r.fiscalStart, r.bookLife);
    if (!r.soldDate.isNoDate())
        r.fiscalSold = FiscalMonthStart(r.soldDate, yearEndMonth);
    r.bonusChoice = BonusChoiceOf(a.bonus30, a.bonus50, a.bonus100);
    r.exclude = a.exclude;
    r.adjustDepr = a.adjustDepr;
    r.accountId = a.accountId;
    r.vehicleType = DetermineAutoType(a);
    r.costBasis = CalculateCostBasis(a).amount;
    r.wholeSection179 = whole32(r.section179, "section 179 amount");
    r.wholeSoldAmt = whole32(r.soldAmt, "disposal amount");
    return r;
}

std::string AssetValues(const AssetRecord& r) {
    std::string v = n(r.companyId) + ", " + sqlText(r.description) + " ," + n(r.cost) + "," + n(r.allowance) +
                    "," + n(r.section179) + ", " + sqlDate(r.inService) + ", " + n(r.methodId) + ", " +
                    n(r.life) + "," + n(r.conventionId) + ", " + n(r.otherDeductions) + "," +
                    n(r.businessFraction) + ", " + sqlDate(r.soldDate) + ", " + n(r.soldAmt) + ", " +
                    sqlText(r.notes) + ", " + n(r.classId) + ", " + n(r.lifeId) + ", " + n(r.amortizeCode) +
                    ", " + n(r.vehicleNum) + ", " + sqlText(r.methodCaption) + "," + sqlBool(r.type179) +
                    " ," + sqlDate(r.fiscalStart) + ", " + sqlDate(r.fiscalEnd) + ", " +
                    sqlDate(r.fiscalSold) + ", " + n(r.bonusChoice);
    if (!r.exclude)
        v += ", " + sqlBool(r.adjustDepr) + ", " + n(r.bookLife) + ", " + n(r.bookCost) + ", " +
             n(r.accountId);
    return v;
}

std::string UpdateAssetSql(const AssetRecord& r, std::int32_t assetNum) {
    std::string sql =
        " Update tblAssets Set asset_name = " + sqlText(r.description) + ", Cost = " + n(r.cost) +
        ", [allowance 30 %] = " + n(r.allowance) + ", other_deductions = " + n(r.otherDeductions) +
        ", [179_deduction] = " + n(r.section179) + ", In_Service_date = " + sqlDate(r.inService) +
        ", depr_method = " + n(r.methodId) + ", life = " + n(r.life) + ", Convention = " + n(r.conventionId) +
        ", bussiness_percent = " + n(r.businessFraction) + ", sold_date = " + sqlDate(r.soldDate) +
        ", sold_amt = " + n(r.soldAmt) + " , notes = " + sqlText(r.notes) +
        ", depr_class_id = " + n(r.classId) + " , life_id = " + n(r.lifeId) +
        ", Amortize_code = " + n(r.amortizeCode) + ", Vehicle_num = " + n(r.vehicleNum) +
        " , actual_method = " + sqlText(r.methodCaption) + " , Type_179 = " + sqlBool(r.type179) +
        ", fiscal_start_date = " + sqlDate(r.fiscalStart) + " , fiscal_end_date = " + sqlDate(r.fiscalEnd) +
        ", fiscal_sold_date = " + sqlDate(r.fiscalSold) + ", Bonus_Choice = " + n(r.bonusChoice);
    if (!r.exclude)
        sql += " , Do_Depr_Adj = " + sqlBool(r.adjustDepr) + ", book_life = " + n(r.bookLife) +
               ", book_cost = " + n(r.bookCost) + ", Id_acct = " + n(r.accountId);
    return sql + " Where Asset_num = " + n(assetNum);
}

AssetDescription AssetDescriptionOf(const AssetSnapshot& a) {
    AssetDescription d{a.tagNbr, a.serialNbr, std::nullopt};
    if (a.locationChosen)
        d.locationId = a.locationId;
    return d;
}

std::vector<std::string> DescriptionSql(std::int32_t assetNum, const AssetDescription& d) {
    const std::string id = n(assetNum);
    std::string update = " Update tblAssetDescription set [Tag Number] = " + sqlText(d.tagNbr) +
                         ", [Serial Number] = " + sqlText(d.serialNbr);
    if (d.locationId)
        update += ", Location_id = " + n(*d.locationId);
    update += ", [Long Description] = " + sqlText("") + " where [Asset Id] = " + id;
    return {" Delete from tblAssetDescription where [Asset Id] = " + id,
            " Insert into tblAssetDescription ([Asset Id]) values (" + id + ")", update};
}

std::vector<std::string> DeleteAssetSql(std::int32_t assetNum, std::int32_t companyId) {
    const std::string a = n(assetNum);
    const std::string c = n(companyId);
    return {"Delete from tblAssets where asset_num = " + a + " and company_id = " + c,
            "Delete from tblAssetDescription where [asset id] = " + a,
            "Delete from tblDepr where asset_num = " + a + " and client_num = " + c,
            "Delete from tblPeriodDepr where asset_num = " + a + " and client_num = " + c,
            "Delete from tblBookMethods where assetId = " + a + " and clientId = " + c};
}

} // namespace qel::assets
