// Fiscal period texts "YYYYMM" of the monthly book depreciation and the period dates they stand
// for, and the fiscal year of a stored fiscal date in SQL.
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

// The first day of the fiscal month a period text names, whatever its year. Nothing unless the
// text is exactly six digits with a month from 01 to 12.
std::optional<Date> parsePeriod(std::string_view period);

// The period date of a period text to post. Nothing unless parsePeriod reads it and its year is
// after 1900 (1900-01-01 is the "no date" value, "190001" the "nothing posted" period).
std::optional<Date> periodDate(std::string_view period);

// The period text of a period date (its day is ignored); "190001" for the "no date" value.
std::string periodText(const Date& date);

// "CAST(strftime('%Y', <column>) AS INTEGER)": the fiscal year of a fiscal date column (fiscal
// dates carry the fiscal year as their year), for comparison with a year.
std::string fiscalYearOf(std::string_view column);

} // namespace qel
