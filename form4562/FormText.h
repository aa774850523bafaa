// FormText: the conversions of a Form 4562 run between recordset values, texts and whole
// dollars, and the two amount patterns in which the form shows them.
#pragma once

#include "common/Variant.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qel::form4562 {

// The value as text: texts unchanged, numbers as plain decimal text (250, 12.5), Yes/No as
// "True"/"False", dates as mm/dd/yyyy. A Null raises ServerError 94 ("Invalid use of Null")
// naming `what`, the field that was read.
std::string asText(const Variant& value, std::string_view what);

// The same, but a Null gives the empty text.
std::string textOrEmpty(const Variant& value);

// A date as "mm-yyyy" (two-digit month, hyphen, four-digit year). A Null raises as asText does.
std::string monthYear(const Variant& value, std::string_view what);

// "Yes" when the stored Yes/No value is true, "No" when it is false or Null.
std::string answerText(const Variant& value);

// The number a text begins with (blanks anywhere skipped; "12,000" gives 12, "Missing" 0).
double numberOf(std::string_view text);

// Plain decimal text of a number: up to 15 significant digits, no grouping (250, 12.5).
std::string plainNumber(double value);

// Rounds to whole dollars, a half to the even neighbour. A result outside the 32-bit range
// raises ServerError 6 (overflow).
std::int32_t wholeDollars(double value);

// The two amount patterns of the form. A text that reads as a number as a whole (blanks around
// it, an optional sign, digits with or without commas between digit groups, an optional
// fraction) is rounded to whole dollars, halves away from zero, and written with its digits
// grouped in threes ("1,234,567", "-1,235"); any other text, the empty one included, is given
// back unchanged. "#,###" writes zero as the empty text, "#,##0" as "0".
std::string amountOrBlank(const std::string& text); // "#,###"
std::string amountOrZero(const std::string& text);  // "#,##0"
std::string amountOrBlank(std::int32_t value);
std::string amountOrZero(std::int32_t value);

} // namespace qel::form4562
