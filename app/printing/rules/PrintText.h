// How the printouts set their texts: fields counted in characters (left-set and right-set),
// whole amounts with thousands separators, and the dates of the page headings.
//
// Texts are UTF-8; fields count characters, not bytes. Separators are always "," and "/",
// whatever the user's locale, so a printout reads the same everywhere.
#pragma once

#include "common/Date.h"
#include "common/Text.h"

#include <cstddef>
#include <string>
#include <string_view>

namespace qel::printing {

// The text padded with blanks on the right to `width` characters; a longer text keeps its
// first `width` characters.
std::string leftSet(std::string_view text, std::size_t width);
// The text padded with blanks on the left to `width` characters; a longer text keeps its first
// `width` characters, so it is cut at the right and loses any trailing blanks first.
std::string rightSet(std::string_view text, std::size_t width);

// `count` copies of `c`.
inline std::string repeated(char c, std::size_t count) {
    return std::string(count, c);
}

// A whole amount with thousands separators ("#,###"): rounded to a whole number, a half away
// from zero; a minus sign in front when negative; 0 gives "" (the pattern has no zero digit).
std::string wholeAmount(double value);

// A typed amount (a form's text) as wholeAmount shows it: "999.5" -> "1,000", "1,250" ->
// "1,250", "" -> "". A text that is no number is shown as typed.
std::string typedAmount(std::string_view typed);

// "mm/dd/yyyy".
std::string monthDayYear(const Date& date);
// "mm/yyyy".
std::string monthYear(const Date& date);

} // namespace qel::printing
