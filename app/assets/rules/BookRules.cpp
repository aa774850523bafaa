// The book switches and the book columns.
#include "app/assets/rules/BookRules.h"

#include "app/assets/rules/AssetAmounts.h"

namespace qel::assets {

bool BookSwitches::on(std::int16_t bookId) const {
    switch (bookId) {
    case kAmtBook:
        return amt;
    case kStateBook:
        return state;
    case kOtherBook:
        return other;
    default:
        return false;
    }
}

BookSwitches BookSwitchesOf(const Recordset& settings) {
    if (settings.IsBOF() && settings.IsEOF())
        return {};
    return {settings["Amt Book"].toBool(), settings["State Book"].toBool(), settings["Other Book"].toBool()};
}

std::int32_t BonusChoiceOf(bool bonus30, bool bonus50, bool bonus100) {
    if (bonus100)
        return kBonus100;
    if (bonus30)
        return kBonus30;
    if (bonus50)
        return kBonus50;
    return kNoBonus;
}

BookColumn blankBookColumn() {
    BookColumn c;
    c.businessPercent = "100";
    return c;
}

BookColumn BookColumnOf(const Recordset& row) {
    if (row.IsBOF() && row.IsEOF())
        return blankBookColumn();
    auto text = [&](const char* field) { return row[field].toString(); };
    auto choice = [&](const char* field) {
        const Variant& v = row[field];
        const std::int32_t id = v.isNull() ? 0 : v.toInt32();
        return id > 0 ? id : 0;
    };
    BookColumn c;
    c.section179 = text("section179");
    const Variant& fraction = row["BusinessPercent"];
    c.businessPercent = fraction.isNull() ? "" : percentText(fraction.toDouble());
    c.cost = text("Cost");
    c.life = text("life");
    c.salvage = text("Salvage");
    c.allowance = text("Allowance");
    c.methodCaption = text("actual_Method");
    c.costBasis = text("CostBasis");
    c.conventionId = choice("Conventionid");
    c.methodId = choice("deprmethodid");
    c.bonusId = choice("BonusCboid");
    return c;
}

BookColumn CopiedBookColumn(const AssetSnapshot& federal) {
    BookColumn c;
    c.section179 = federal.section179;
    c.businessPercent = federal.businessPercent;
    c.cost = federal.cost;
    c.life = federal.life;
    c.salvage = federal.otherDeductions;
    c.bonusId = BonusChoiceOf(federal.bonus30, federal.bonus50, federal.bonus100);
    c.conventionId = federal.conventionId;
    c.methodId = federal.methodId;
    c.allowance = federal.allowance;
    c.methodCaption = federal.methodCaption;
    c.costBasis = federal.costBasis;
    return c;
}

} // namespace qel::assets
