// What the asset form's buttons decide before they act: whether unsaved edits may be left
// ("Save Changes?"), and what the Tax and Book schedule buttons show or open.
#pragma once

#include "app/assets/rules/AssetSnapshot.h"

#include <cstdint>
#include <functional>
#include <string>

namespace qel::assets {

enum class SaveAnswer { Yes, No, Cancel };

// "Save Changes?" before New, Retrieve or closing: true when the caller may go on. Without
// unsaved edits (neither assetChanged nor descriptionChanged) it asks nothing. Yes runs save:
// when that succeeds both flags are cleared, otherwise nothing is and the caller stops (the save
// has said why). No clears both flags and leaves the edits on screen for the caller to replace.
// Cancel stops the caller. The picker is not reloaded here.
bool AskSaveChanges(AssetEditFlags& flags, const std::function<SaveAnswer()>& ask,
                    const std::function<bool()>& save);

// A status-line message of a schedule button that opens no report.
struct StatusMessage {
    std::string text;
    std::string colour; // kStatusRed, or "" for the default green
};

// The Tax button's refusal without a chosen book; the form clears it once a book is chosen.
inline const std::string kChooseBook = "Please choose a book.";

// The Tax button: the book chosen in the book list and the cost basis caption. Refused, in this
// order: no book chosen (kChooseBook in red), a cost basis of 0 ("There is no
// depreciation. The cost basis is zero."). Otherwise the report "Tax Depreciation Schedule" of
// that book opens.
struct TaxScheduleRequest {
    StatusMessage refusal; // empty text: open the report
    std::int16_t book = 0;
};
TaxScheduleRequest TaxSchedule(bool bookChosen, std::int32_t bookId, const std::string& costBasisCaption);

// The Book button: the financial book's straight-line schedule over the book cost and life,
// dated by the asset's fiscal in-service month and year and, when a disposal month is typed, its
// fiscal month and year (both 0 otherwise), for a company whose fiscal year ends in the month
// yearEndMonth gives (asked only when the schedule is made). Refused, in this order: a book cost
// of 0 ("There is no depreciation. The Book Cost is zero."), the method "Non-Depr" ("No data
// found."). Throws ServerError when the book cost or life is no number or a month box holds no
// month, and passes on what yearEndMonth throws.
struct BookScheduleRequest {
    StatusMessage refusal;           // empty text: write the schedule and open "Book Depreciation Schedule"
    double cost = 0;                 // dollars
    double life = 0;                 // years
    std::int16_t year = 0;           // fiscal year of the in-service month
    std::int16_t inServiceMonth = 0; // fiscal month, 1 = the first month of the fiscal year
    std::int16_t soldYear = 0;
    std::int16_t soldMonth = 0;
};
BookScheduleRequest BookSchedule(const AssetSnapshot& a, const std::function<int()>& yearEndMonth);

} // namespace qel::assets
