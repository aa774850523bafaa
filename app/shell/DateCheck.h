// The check of a typed date: strictly month/day/year with "/" separators, as the fiscal-period
// prompts build it ("7/01/2012"), with the full Gregorian leap-year rule.
#pragma once

#include "common/Date.h"

#include <QString>

#include <optional>

namespace qel {

// The date a text names when it is written month "/" day "/" year with nothing but digits
// besides the two separators, the month 1 to 12 and the day one that exists in that month and
// year. A year of one or two digits is 1930 to 2029 (00 to 29 in this century); one of three or
// four digits is taken as written and must be 100 or later; a longer one is refused. Blanks,
// "-", "." and a time part are refused.
std::optional<Date> parseTypedDate(const QString& text);

// True when value is a valid typed date (parseTypedDate). An empty text is valid only when
// blankAllowed. With yearRange, a year written with exactly four digits must lie from 1901 to
// 2079; a year of another length passes that test.
bool IsValidDate(const QString& value, bool blankAllowed, bool yearRange);

} // namespace qel
