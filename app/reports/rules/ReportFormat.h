// How the report lists show values: the number patterns of the report cells and totals, the
// month-and-year of a date. The fillers and the list builder meet failures with the shell's
// FailureTrap.
//
// Patterns are named by the text the reports use: "#" a digit place shown only when significant,
// "0" one always shown, "," thousands grouped by ",", "." the decimal point. Numbers are rounded
// to the pattern's places, a half away from zero, after being brought to 15 significant digits
// (so an amount stored as 2.675 shows 2.68, as it was typed). The separators are always "," and
// ".", whatever the user's locale, so a report reads the same everywhere.
#pragma once

#include "app/shell/FailureTrap.h"
#include "common/Date.h"
#include "common/Variant.h"

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace qel::reports {

struct NumberPattern {
    int decimals;     // places after the point, all shown
    bool leadingZero; // a zero before the point when the whole part is 0
};

inline constexpr NumberPattern kWhole{0, true};              // "###,##0" and "#,##0"
inline constexpr NumberPattern kOneDecimal{1, true};         // "###,##0.0"
inline constexpr NumberPattern kTwoDecimals{2, true};        // "###,##0.00" and "#,##0.00"
inline constexpr NumberPattern kWholeNoZero{0, false};       // "#,###": 0 shows nothing
inline constexpr NumberPattern kTwoDecimalsNoZero{2, false}; // "###,###.#0" and "#,###.#0": 0.5 shows ".50"

// The number in the pattern: "-1,234.50", "12", ".50", "" (0 under "#,###").
std::string formatNumber(double value, NumberPattern pattern);

// "mm/yyyy": two-digit month, "/", four-digit year.
std::string monthYear(const Date& date);
// "yyyy" of a date value; empty for Null.
std::string yearOf(const Variant& value);

// A field's type codes as the lists test them.
inline constexpr std::int32_t kTypeSmallInt = 2;
inline constexpr std::int32_t kTypeInteger = 3;
inline constexpr std::int32_t kTypeDouble = 5;
inline constexpr std::int32_t kTypeDate = 7;
inline constexpr std::int32_t kTypeBoolean = 11;
inline bool isIntegerType(std::int32_t t) {
    return t == kTypeSmallInt || t == kTypeInteger;
}

// The value as text without blanks at either end; Null gives "".
std::string trimmedText(const Variant& value);

} // namespace qel::reports
