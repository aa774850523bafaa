// The alternative books of the asset form (AMT, State, Other): which of them the company keeps,
// what one book's column holds (blank, loaded from its stored row, or copied from the Federal
// column), and the bonus choice the Federal check boxes stand for.
#pragma once

#include "app/assets/rules/AssetSnapshot.h"
#include "common/Recordset.h"

#include <array>
#include <cstdint>
#include <string>

namespace qel::assets {

// Book ids of tblBooks.
inline constexpr std::int16_t kFederalBook = 1;
inline constexpr std::int16_t kAmtBook = 3;
inline constexpr std::int16_t kStateBook = 4;
inline constexpr std::int16_t kOtherBook = 5;

// The alternative books in the order every book operation visits them.
inline constexpr std::array<std::int16_t, 3> kAlternativeBooks{kAmtBook, kStateBook, kOtherBook};

// Item data of the bonus choices: the bonus in tenths of the cost (tblBonusDepr's BonusPercent,
// and 10 for the "100 Percent" choice the list appends).
inline constexpr std::int32_t kNoBonus = 0;
inline constexpr std::int32_t kBonus30 = 3;
inline constexpr std::int32_t kBonus50 = 5;
inline constexpr std::int32_t kBonus100 = 10;

// The books the company keeps. A book that is off is neither shown, validated nor stored.
struct BookSwitches {
    bool amt = false;
    bool state = false;
    bool other = false;

    // Whether the book (3, 4 or 5) is on; false for any other id.
    bool on(std::int16_t bookId) const;
};

// The switches from the company's settings row (DeprSupport::GetBooksSettings: the Yes/No
// columns "Amt Book", "State Book", "Other Book", read as booleans). A company without a row
// keeps no alternative book.
BookSwitches BookSwitchesOf(const Recordset& settings);

// The bonus choice Copy gives each book: the last ticked box in the order 50 %, 30 %, 100 %
// decides (kBonus100 over kBonus30 over kBonus50); kNoBonus when none is ticked.
std::int32_t BonusChoiceOf(bool bonus30, bool bonus50, bool bonus100);

// One book's column of the panel: its texts, the item data of its three choices (0 = no choice)
// and its three computed labels.
struct BookColumn {
    std::string section179;
    std::string businessPercent; // a percentage as typed ("80"); blank shows "100"
    std::string cost;
    std::string life;
    std::string salvage;
    std::int32_t bonusId = kNoBonus; // item data of the bonus list
    std::int32_t conventionId = 0;
    std::int32_t methodId = 0;
    std::string allowance; // the computed labels
    std::string methodCaption;
    std::string costBasis;

    friend bool operator==(const BookColumn&, const BookColumn&) = default;
};

// A blank column: the business percent "100", everything else empty or without a choice.
BookColumn blankBookColumn();

// The column of a stored book row (DeprSupport::GetBooksAsset; fields found by name ignoring
// case): amounts as plain text, the business fraction as a percentage (1 gives "100"), ids of 0
// or less (or Null) as no choice. A recordset without a row gives the blank column.
BookColumn BookColumnOf(const Recordset& storedRow);

// What Copy puts into a book: the Federal section 179, business percent, cost, life (the life
// list's text), salvage (other deductions), convention and method, the three computed labels,
// and the bonus choice of the ticked Federal box (BonusChoiceOf).
BookColumn CopiedBookColumn(const AssetSnapshot& federal);

} // namespace qel::assets
