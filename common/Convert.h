// Number conversions shared by every subsystem: named rounding, plain decimal text, and the
// leading number of a text as the platform reads it.
#pragma once

#include <string>
#include <string_view>

namespace qel {

// Rounds to a whole number, a half going to the even neighbour (2.5 -> 2, 3.5 -> 4, -2.5 -> -2).
double roundHalfEven(double value);

// Rounds to `places` decimal places, a half going to the even neighbour. The value is first
// brought to 15 significant digits, so that 1.005 typed by a user rounds as written.
double roundHalfEven(double value, int places);

// Rounds an amount to cents, half to even.
inline double roundToCents(double value) {
    return roundHalfEven(value, 2);
}

// Plain decimal text with up to 15 significant digits, no grouping, '.' as decimal point,
// never an exponent ("1234.5", "0.000001", "-3"). Throws ServerError (kErrOverflow, kind
// Conversion) for an infinite number or one that is no number, which no text of a number stands for.
std::string formatNumber(double value);

// The number at the start of a text, as the platform's Val reads it: blanks, tabs and line
// breaks are skipped anywhere, then an optional sign, digits with at most one decimal point
// and an optional exponent; reading stops at the first other character. No number gives 0.
// "12abc" -> 12, " 1 000" -> 1000, "1,250" -> 1, "abc" -> 0.
double leadingNumber(std::string_view text);

// True when the text, without blanks at either end, is a plain decimal number: optional sign,
// digits with at most one point, optional exponent. "1,250" and "12abc" are not.
bool isPlainNumber(std::string_view text);

} // namespace qel
