// One year's depreciation as a pure function of the asset and the year: the convention names of
// the rate tables, the year-of-sale proration, the straight-line year, the year rules of the
// formula methods ("S/L", "Amortize", "ADS", "Macrs27", "Macrs31", "Macrs39") and the vehicle
// caps. Nothing here touches the database; the engine's runs (DeprRun.h) put the years together.
#pragma once

#include "common/Date.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qel::depr {

// Conventions as tblConvention numbers them.
inline constexpr int kHalfYear = 1;
inline constexpr int kMidQuarter = 2;
inline constexpr int kMidMonth = 3;
inline constexpr int kNoConvention = 4;

// The name of a convention as the MACRS rate tables carry it: "Half", "Mid1Qtr" to "Mid4Qtr" by
// the quarter of the fiscal in-service month (1 to 12), "MidMth", "None"; the empty text for an
// unknown convention or a mid-quarter month outside 1 to 12.
std::string conventionName(int convention, int month);

// The share of a year's amount that the year of sale keeps, by convention and fiscal sale month:
// half year 1/2; mid-quarter 0.125, 0.375, 0.625, 0.875 by quarter; mid-month (month - 0.5) / 12;
// none month / 12. An unknown convention, or a mid-quarter month outside 1 to 12, keeps 0.
double adjustLastYearDepr(double amount, int convention, int soldMonth);

// The straight-line amount of recovery year n of `cost` over `life` years placed in service in
// fiscal month `month`: 13 - month twelfths in year 1, cost / life in years 2 to the whole life
// (life rounded half to even: 27.5 gives 28), month - 1 twelfths (rounded to whole dollars) in the
// year after it, 0 in any other year. The life must not be 0.
double slYearDepr(int n, double cost, double life, int month);

// The methods whose yearly amounts follow from a formula or from rates held in the engine.
enum class Formula { StraightLine, Amortize, Ads, Macrs27, Macrs31, Macrs39 };

// The formula of a method text, compared exactly ("S/L", "Amortize", "ADS", "Macrs27", "Macrs31",
// "Macrs39"); nothing for any other text.
std::optional<Formula> formulaFromText(std::string_view method);

// What a method's rule says about one recovery year.
struct YearRule {
    std::optional<double> amount; // the year's amount in dollars; nothing: the rule leaves it as it was
    bool finalYear = false;       // the year sets the final-year mark of the run
    bool endsRun = false;         // straight line from fiscal month 1: the life ends before this year
};

// The rule of recovery year n (from 1) of a formula method for the basis `netCost`, the whole
// `life` in years (28, 32, 39 for the real-property methods), the fiscal in-service month and,
// for "ADS", the convention name of conventionName. The life must be at least 1.
YearRule formulaYear(Formula formula, int n, int life, int month, double netCost,
                     std::string_view convention);

// The rate (fraction of the basis) of recovery year n of "Macrs27", "Macrs31" or "Macrs39" placed
// in service in fiscal month `month`, and whether the year is the last one: the figure of IRS
// Publication 946, Table A-6 (27.5 years), A-7 (31.5 years) or A-7a (39 years), as printed, in
// the month's column. Years without a figure (year 29 of "Macrs27" and year 33 of "Macrs31" for
// months 1 to 6, years past the table) give none.
struct RealPropertyRate {
    std::optional<double> rate;
    bool finalYear = false;
};
RealPropertyRate realPropertyRate(Formula formula, int n, int month);

// The vehicle caps of one in-service year and vehicle type, as GetAutoMaxRates loads them.
struct AutoCaps {
    int year = 0;     // the calendar year placed in service they were loaded for; 0: none loaded
    std::string type; // their tblMaxAuto type ("Gas", "Electric", "Truck/Van")
    // Dollars. Index 1 to 3: the cap of the first to third year, 4: the fourth and every later
    // year, 5: the first year with the 30 % allowance, 6: the first year with the 50 % or 100 %
    // allowance. Indexes 0 and 7 are not used.
    std::array<double, 8> amount{};
    // The bonus code of the load: 3 for the 30 % allowance, 5 for 50 % or 100 %, else none.
    std::int16_t bonusCode = 0;
};

// The calendar year of a fiscal in-service date (year = fiscal year, month = fiscal month) of a
// company whose fiscal year ends in calendar month `yearEndMonth` (1 to 12; any other value is
// taken as 12): fiscal years are named by the calendar year in which they end, so fiscal months
// 1 to 12 - yearEndMonth fall in the calendar year before.
int calendarYearOf(const Date& fiscalDate, int yearEndMonth);

// The tblMaxAuto type of a vehicle code: "G" Gas, "E" Electric, "T" Truck/Van; empty for any
// other code.
std::string_view maxAutoType(std::string_view code);

// The cap index of run year n: the year's number, at most 4.
inline int capIndex(int n) {
    return n < 4 ? n : 4;
}

// The first-year limit of a vehicle that takes an allowance: the cap its bonus code selects
// ([Yr 1 + 30%] for 3, [Yr 1 + 50%] for 5). Caps loaded without a bonus code fall back to the
// allowance ratio, allowance / (allowance + basis rounded to whole dollars), rounded to one place:
// 0.3 selects [Yr 1 + 30%], 0.5 and 1 [Yr 1 + 50%], any other ratio no limit (0).
double firstYearBonusLimit(const AutoCaps& caps, double bonus, double basis);

// A vehicle's year `amount` held within its caps: at most the business share `business` of the
// year's cap (index k) and at most what is left of `basis` after `accum`; in the first year
// (k = 1) with a section 179 expense or an allowance, the year's amount, the expense and the
// allowance together at most the business share of the first-year limit (never below 0).
double limitAutoDepr(const AutoCaps& caps, int k, double amount, double business, double basis, double accum,
                     double bonus, double sec179);

} // namespace qel::depr
