// The values the asset form derives from what was typed: the month of a month box, the tax life,
// the amortization code, the tax year, the business-use fraction, and the two computed amounts
// of the Federal column, the special depreciation (bonus) allowance and the cost basis.
//
// "The number of a text" is its leading number (common/Convert.h leadingNumber: "12abc" is 12,
// "abc" and "" are 0). A text "taken whole" must be a plain number; where it is not, the
// result is empty and the caller decides.
#pragma once

#include "app/assets/rules/AssetSnapshot.h"
#include "common/Date.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qel::assets {

// The first day of the month a month box shows ("07/2003" is 2003-07-01): two digits for a
// month from 1 to 12, "/", four digits for a year from 100 on. Nothing for anything else,
// "__/____" and "13/2003" included.
std::optional<Date> monthOf(std::string_view monthText);

// The in-service month a new asset proposes: today's month as two digits, "/", the working year
// ("03/2004" in March with the working year 2004).
std::string proposedInService(const Date& today, int workingYear);

// The disposal date: the month of the sold box, or the "no date" 1900-01-01 when it holds none.
Date DetermineSoldDate(std::string_view soldText);

// The tax life in years: the life text taken whole when it is not empty; otherwise the life of
// the chosen class (the text before the first "-" of the class text's last 13 characters, taken
// whole); otherwise 0. Nothing when the text it takes is no number or the class text has no "-".
std::optional<double> DetermineLife(std::string_view lifeText, std::string_view classText);

// The amortization number of a class text: up to three characters after the first "\" of its
// last 17 characters, taken whole ("...5-N\197" gives 197). Nothing when it is no number.
std::optional<double> DetermineAmortizeCode(std::string_view classText);

// The tax year: the year filter taken whole when it is not empty, else the year of the in-service
// month. Nothing when that is no number, does not fit 16 bits, or the in-service box holds no month.
std::optional<std::int16_t> DetermineYear(std::string_view yearText, std::string_view inServiceText);

// The business-use fraction of the percent box (1 = all business use): a text whose first or
// second character is "." is a fraction already (".75", "0.75", also "5.5"); an empty text is 1;
// any other text is a percentage (75 gives 0.75).
double GetBuisnessPecent(std::string_view businessPercentText);

// The Federal column's three bonus boxes (30 %, 50 %, 100 %), which exclude each other; None
// stands for no box.
enum class BonusBox { None, Bonus30, Bonus50, Bonus100 };
// The box's rate: 0.3, 0.5, 1.0; 0 for None.
double BonusRate(BonusBox box);

// The bonus allowance in dollars (cents kept) at the rate of the ticked bonus box (0.3, 0.5 or
// 1.0): (cost x business fraction - (other deductions + section 179)) x rate, 0 when that is
// negative.
double CalculateBonusAllowance(const AssetSnapshot& a, double rate);

// The allowance label's caption: the amount as plain decimal text ("1234.5", "0").
std::string allowanceCaption(double allowance);

// The cost basis: cost x business fraction - (section 179 + allowance as its label shows it +
// other deductions), rounded to whole dollars half to even; its caption is that whole number
// ("-2000"); negative shows red.
struct CostBasis {
    double amount = 0;
    std::string caption;
    bool negative = false;
};
CostBasis CalculateCostBasis(const AssetSnapshot& a);

// A stored business fraction as the percent box shows it: 0.75 gives "75", 1 gives "100".
std::string percentText(double fraction);

} // namespace qel::assets
