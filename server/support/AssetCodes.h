// The asset codes the program and the data server share: the method caption shown and stored
// with every asset and book (ShowMethod), the convention ids, the method the engine runs for a
// stored method (MapMethodForRun), and the rule that turns a calendar month into the company's
// fiscal month and fiscal year (InServiceToFiscalDate, with GetFiscalEndMth), and the end of an
// asset's financial book life (BookLifeEnd).
//
// Methods are named by their texts in tblDeprMethods and compared exactly (capitals counting,
// no trimming): "MACRS", "MACRS 150", "ADS", "Listed", "Amortize", "S/L", "Non-Depr".
#pragma once

#include "common/Date.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qel {

// The method caption of a method and its life in whole years (the caller rounds the life half
// to even, so 27.5 arrives as 28): "MACRS" and "Listed" give "200 DB" for 3, 5, 7 and 10 years,
// "150 DB" for 15 and 20, "S/L" above 20 and "" for any other life; "ADS" and "S/L" give "S/L",
// "Amortize" "Amortize", "Non-Depr" "None", "MACRS 150" "150 DB" whatever the life; any other
// text, "" and differently capitalised names included, gives "Unknown".
std::string ShowMethod(std::string_view method, std::int16_t life);

// The ids of tblConvention.
enum ConventionId : std::int16_t {
    kHalfYear = 1,
    kMidQtr = 2,
    kMidMonth = 3,
    kNoConvention = 4,
};

// The id of a convention's description: "Half Year" 1, "Mid Qtr" 2, "Mid Month" 3, any other
// text ("None" and "" included) 4. The comparison is exact.
std::int16_t ConventionIdOf(std::string_view description);

// The method and life the depreciation engine runs for a stored method, its business fraction
// and its life in years.
struct RunMethod {
    std::string method;
    double life;
};

// The first rule that fits: "Listed" runs as "MACRS" at a business fraction of at least 0.51
// and as "ADS" below (the life unchanged, whatever it is); "MACRS" with a life of exactly 31.5
// runs as "Macrs31" over 32 years, 27.5 as "Macrs27" over 28, 39 as "Macrs39" over 39, and a
// life above 39 as "ADS". Every other method runs as stored ("MACRS 150" is never mapped).
RunMethod MapMethodForRun(const std::string& method, double businessFraction, double life);

// A month of a company's fiscal year: month 1 is the month after the year-end month; a fiscal
// year is named by the calendar year in which it ends.
struct FiscalMonth {
    int month; // 1 to 12
    int year;
};

// The fiscal month of a calendar month (1 to 12) for a fiscal year that ends in yearEndMonth
// (1 to 12; 12 is the calendar year): with a June year end, July 2003 is month 1 of 2004 and
// June 2003 month 12 of 2003. Throws ServerError (kind InvalidArgument) when either month lies
// outside 1 to 12, so that a missing year end never shifts a year silently.
FiscalMonth ToFiscalMonth(int calendarMonth, int calendarYear, int yearEndMonth);

// The first day of the fiscal month of a calendar date, as the fiscal dates are stored (the
// fiscal year as its year). Throws as ToFiscalMonth.
Date FiscalMonthStart(const Date& calendar, int yearEndMonth);

// The period a period prompt offers: today's calendar month in the working year, as the fiscal
// period "YYYYMM" of a company whose fiscal year ends in yearEndMonth. Throws as ToFiscalMonth.
std::string defaultPeriod(int todayMonth, int workingYear, int yearEndMonth);

// The fiscal month of a typed month and year ("07/2003") or of a month/day/year date
// ("7/1/2004"), as the month without a leading zero, "/" and the four-digit fiscal year
// ("1/2004"): the month is the number before the first "/", the year the last four characters.
// Throws ServerError (number kTypeMismatch, kind Conversion) when the text has no "/" or its
// month or year is no number, and as ToFiscalMonth for a month outside 1 to 12.
std::string InServiceToFiscalDate(std::string_view calendarDate, int yearEndMonth);

// The same as a FiscalMonth.
FiscalMonth InServiceToFiscalMonth(std::string_view calendarDate, int yearEndMonth);

// The end of an asset's financial book life: its fiscal start moved on by the book life in
// months, the life times 12 rounded half to even (7.5 years end 90 months out, 5 years 60). Monthly
// book depreciation charges book_cost / (book_life * 12) a month and closes the life in its end
// month, so an end in whole months of the same life is what brings the accumulated amount to the
// book cost and never above it (a fractional life rounded to whole years would run past the cost
// and then take it back in a negative last month). The asset form's save and the completion of
// imported assets both store it as fiscal_end_date. Throws ServerError (number kErrOverflow, kind
// Conversion) when the life is no number or its months do not fit a 16-bit number of years.
Date BookLifeEnd(const Date& fiscalStart, double bookLifeYears);

// The company's fiscal year-end month ("Year End Month" of tblCompany), 1 to 12. Throws
// ServerError (kind InvalidArgument) naming the company when it has no row or its month is
// empty or outside 1 to 12, and passes on a failed lookup.
std::int16_t GetFiscalEndMth(std::int32_t companyId);

} // namespace qel
