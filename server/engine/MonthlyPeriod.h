// Fiscal period texts "YYYYMM" of the monthly book depreciation and the period dates they stand
// for.
//
// A period text is the fiscal year followed by the fiscal month number 01 to 12; its period date
// is the first day of that fiscal month written as a fiscal date (year = fiscal year, month =
// fiscal month number), the form in which the assets' fiscal dates are stored. The period after
// fiscal month 12 is month 01 of the next fiscal year, whatever the company's year-end month.
#pragma once

#include "common/Date.h"

#include <optional>
#include <string>
#include <string_view>

namespace qel {

// The period date of a period text. Nothing unless the text is exactly six digits with a year
// after 1900 (1900-01-01 is the "no date" value, "190001" the "nothing posted" period) and a
// month from 01 to 12.
std::optional<Date> periodDate(std::string_view period);

// The period text of a period date (its day is ignored); "190001" for the "no date" value.
std::string periodText(const Date& date);

} // namespace qel
