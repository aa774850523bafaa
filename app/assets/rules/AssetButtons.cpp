// The decisions of the asset form's buttons.
#include "app/assets/rules/AssetButtons.h"

#include "common/Convert.h"
#include "common/ServerError.h"
#include "common/StatusColours.h"
#include "server/support/AssetCodes.h"

#include <algorithm>
#include <cctype>

namespace qel::assets {
namespace {

// The text taken whole as a number of the named field; a ServerError otherwise.
double wholeNumber(const std::string& text, const char* field) {
    if (!isPlainNumber(text))
        throw ServerError(kTypeMismatch, "frmAsset",
                          std::string("Type mismatch: the ") + field + " \"" + text + "\" is no number.",
                          ErrorKind::Conversion);
    return leadingNumber(text);
}

bool holdsDigit(const std::string& text) {
    return std::any_of(text.begin(), text.end(),
                       [](char c) { return std::isdigit(static_cast<unsigned char>(c)); });
}

} // namespace

bool AskSaveChanges(AssetEditFlags& flags, const std::function<SaveAnswer()>& ask,
                    const std::function<bool()>& save) {
    if (!flags.assetChanged && !flags.descriptionChanged)
        return true;
    switch (ask()) {
    case SaveAnswer::Yes:
        if (!save())
            return false;
        break;
    case SaveAnswer::No:
        break;
    case SaveAnswer::Cancel:
        return false;
    }
    flags.assetChanged = false;
    flags.descriptionChanged = false;
    return true;
}

TaxScheduleRequest TaxSchedule(bool bookChosen, std::int32_t bookId, const std::string& costBasisCaption) {
    if (!bookChosen)
        return {{kChooseBook, std::string(kStatusRed)}, 0};
    if (leadingNumber(costBasisCaption) == 0)
        return {{"There is no depreciation. The cost basis is zero.", ""}, 0};
    return {{}, static_cast<std::int16_t>(bookId)};
}

BookScheduleRequest BookSchedule(const AssetSnapshot& a, const std::function<int()>& yearEndMonth) {
    BookScheduleRequest r;
    if (leadingNumber(a.bookCost) == 0) {
        r.refusal = {"There is no depreciation. The Book Cost is zero.", ""};
        return r;
    }
    if (a.method == "Non-Depr") {
        r.refusal = {"No data found.", ""};
        return r;
    }
    r.cost = wholeNumber(a.bookCost, "book cost");
    r.life = wholeNumber(a.bookLife, "book life");
    // The schedule's years are fiscal years, so its first year's months are fiscal months too.
    const int yearEnd = yearEndMonth();
    const FiscalMonth inService = InServiceToFiscalMonth(a.inService, yearEnd);
    r.year = static_cast<std::int16_t>(inService.year);
    r.inServiceMonth = static_cast<std::int16_t>(inService.month);
    if (holdsDigit(a.sold)) {
        const FiscalMonth sold = InServiceToFiscalMonth(a.sold, yearEnd);
        r.soldYear = static_cast<std::int16_t>(sold.year);
        r.soldMonth = static_cast<std::int16_t>(sold.month);
    }
    return r;
}

} // namespace qel::assets
