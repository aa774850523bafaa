// The book switches and the copied bonus choice.
#include "app/assets/rules/BookRules.h"

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

} // namespace qel::assets
