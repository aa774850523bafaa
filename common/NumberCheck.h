// The one check of a number a user types: into an amount, a life, a percentage or a whole-number
// field of a window, or into a year prompt. Every window reads a typed number as the leading
// number of its text (leadingNumber); this check refuses such a number when it overflows, is not
// finite, or lies outside the range its column (and what the program does with it) can hold, so
// that nothing typed is ever stored as something else, such as 0.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace qel {

// The values a field can hold, both ends included.
struct NumberRange {
    double low;
    double high;
};

// Dollars kept as REAL columns and handed to the depreciation engine, which takes amounts of at
// most 15 digits.
inline constexpr NumberRange kDollarRange{-1e15, 1e15};
// Amounts and counts kept or computed as 32-bit whole numbers (the section 179 amount and the
// disposal amount of a run, the alternative books' amounts, INTEGER columns, miles).
inline constexpr NumberRange kWholeRange{-2147483648.0, 2147483647.0};
// Years, typed or kept: four digits from 1900, the first year a date of this system can hold.
inline constexpr NumberRange kYearRange{1900, 9999};
// Lives in years: a life ends within the dates of this system, and its months fit the 16-bit
// counts the book life end is computed with.
inline constexpr NumberRange kLifeRange{0, 999};
// A business percentage typed as a percentage (0 to 100) or as a fraction.
inline constexpr NumberRange kPercentRange{0, 100};

// Whether the typed text holds a number the field can take: true for an empty or blank text (a
// required field says so itself) and for a text whose leading number is finite and within the
// range. A text without a leading number reads as 0, as the windows read it.
bool numberFits(std::string_view typed, NumberRange range);

// The refusal of a typed text as a number of the field, naming the field and quoting what was
// typed: "Cost '1e400' must be a number from -1000000000000000 to 1000000000000000. ".
std::string numberRefusal(std::string_view field, std::string_view typed, NumberRange range);

// The refusal of a typed number that does not fit (numberFits); nothing when it fits.
std::optional<std::string> numberFault(std::string_view field, std::string_view typed, NumberRange range);

} // namespace qel
