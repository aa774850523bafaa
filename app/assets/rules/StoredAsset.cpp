// A stored asset read back for the asset form.
#include "app/assets/rules/StoredAsset.h"

#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/BookRules.h"
#include "common/Convert.h"

#include <cstdio>

namespace qel::assets {
namespace {

bool above0(const Variant& v) {
    return !v.isNull() && v.toDouble() > 0;
}

std::int32_t idOf(const Variant& v) {
    return above0(v) ? v.toInt32() : 0;
}

std::string textIfAbove0(const Variant& v) {
    return above0(v) ? v.toString() : std::string();
}

} // namespace

std::string monthText(const Date& month) {
    char text[16];
    std::snprintf(text, sizeof text, "%02d/%04d", month.month(), month.year());
    return text;
}

StoredAsset StoredAssetOf(const Recordset& row) {
    auto field = [&](const char* name) { return row[name]; };
    auto text = [&](const char* name) { return field(name).toString(); };
    StoredAsset s;
    s.assetNum = field("Asset_num").toInt32();
    s.description = text("Asset_name");
    s.cost = text("Cost");
    s.type179 = field("Type_179").toBool();
    s.section179 = textIfAbove0(field("179_deduction"));
    s.method = text("Method");
    const Variant& fraction = field("bussiness_percent");
    s.businessPercent = fraction.isNull() ? std::string() : percentText(fraction.toDouble());
    s.lifeId = idOf(field("life_id"));
    s.classId = idOf(field("depr_class_id"));
    s.life = text("life");
    s.amortizeCode = text("amortize_code");
    s.methodCaption = text("actual_method");
    s.otherDeductions = textIfAbove0(field("Other_Deductions"));
    const Variant& allowance = field("Allowance 30 %");
    s.allowance = allowance.isNull() ? 0 : allowance.toDouble();
    s.allowanceText = allowance.toString();
    if (const Variant& choice = field("bonus_choice"); !choice.isNull())
        s.bonusChoice = choice.toInt32();
    const Variant& inService = field("In_Service_date");
    s.inService = inService.isNull() ? std::string() : monthText(inService.toDate());
    s.conventionId = idOf(field("Convention"));
    s.vehicleNum = textIfAbove0(field("Vehicle_num"));
    s.notes = text("notes");
    s.adjustDepr = field("do_depr_adj").toBool();
    s.bookLife = text("book_life");
    s.bookCost = text("book_cost");
    s.accountId = idOf(field("id_acct"));
    const Variant& soldDate = field("sold_date");
    if (!soldDate.isNull() && soldDate.toDate() > Date::noDate()) {
        s.sold = true;
        s.soldMonth = monthText(soldDate.toDate());
        s.soldAmt = text("sold_amt");
        s.gainLoss = text("gain_loss");
    }
    s.tagNbr = text("tag number");
    s.serialNbr = text("serial number");
    s.locationId = idOf(field("location_id"));
    return s;
}

bool loadsLifeList(const std::string& method, std::int32_t lifeId) {
    return method != "Non-Depr" && method != "S/L" && !(method == "Amortize" && lifeId == 0);
}

bool BonusEligible(const AssetSnapshot& a) {
    const bool method = a.method == "MACRS" || a.method == "MACRS 150" ||
                        (a.method == "Listed" && leadingNumber(a.businessPercent) > 50);
    return method && DetermineLife(a.life, a.classText).value_or(0) < 21;
}

BonusBox StoredBonusBox(const AssetSnapshot& a, const std::string& allowance,
                        std::optional<std::int32_t> savedChoice) {
    constexpr BonusBox boxes[] = {BonusBox::Bonus30, BonusBox::Bonus50, BonusBox::Bonus100};
    if (savedChoice) {
        for (const BonusBox box : boxes)
            if (BonusChoiceOf(box == BonusBox::Bonus30, box == BonusBox::Bonus50,
                              box == BonusBox::Bonus100) == *savedChoice)
                return box;
        return BonusBox::None;
    }
    if (!(leadingNumber(allowance) > 0))
        return BonusBox::None;
    for (const BonusBox box : boxes)
        if (allowanceCaption(CalculateBonusAllowance(a, BonusRate(box))) == allowance)
            return box;
    return BonusBox::None;
}

bool ExcludedFromBook(const std::string& bookLife, const std::string& bookCost, bool accountChosen) {
    return leadingNumber(bookLife) == 0 && leadingNumber(bookCost) == 0 && !accountChosen;
}

} // namespace qel::assets
