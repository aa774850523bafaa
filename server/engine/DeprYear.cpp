// One year's depreciation: conventions, sale-year proration, straight line, the formula methods'
// year rules, the real-property rates and the vehicle caps.
#include "server/engine/DeprYear.h"

#include "common/Convert.h"

#include <algorithm>

namespace qel::depr {
namespace {

// Real-property rates in thousandths of a percent of the basis, as IRS Publication 946 prints
// them in Appendix A (3485 is 3.485 %); a rate is the printed figure / 100000. Month m is the
// fiscal month placed in service, which chooses the table's column.
using MonthColumn = std::array<int, 12>;
using HalfColumn = std::array<int, 6>;

constexpr double kThousandthsOfAPercent = 100000;

// Table A-6: residential rental property, 27.5 years, straight line, mid-month.
constexpr MonthColumn kA6Year1 = {3485, 3182, 2879, 2576, 2273, 1970, 1667, 1364, 1061, 758, 455, 152};
constexpr int kA6Full = 3636;   // years 2 to 9; years 10 to 27 where the alternation gives no 3.637
constexpr int kA6FullUp = 3637; // years 10 to 27: even years for months 1 to 6, odd years for 7 to 12
constexpr HalfColumn kA6Year28 = {1970, 2273, 2576, 2879, 3182, 3485}; // months 1 to 6: the last year
constexpr HalfColumn kA6Year29 = {152, 455, 758, 1061, 1364, 1667};    // months 7 to 12: the last year

// Table A-7: nonresidential real property, 31.5 years, straight line, mid-month. The printed
// years 8 to 33 alternate 3.175 and 3.174 from month to month (year 8 only for months 1 to 6):
// 3.174 where the year and the month add up to an even number. The reference figures at hand
// leave out years 8 to 10; they are the printed ones, which the table's own construction gives
// (each year the percentage not yet recovered over the recovery period left, rounded to three
// places), a construction that reproduces every other cell of Tables.
constexpr MonthColumn kA7Year1 = {3042, 2778, 2513, 2249, 1984, 1720, 1455, 1190, 926, 661, 397, 132};
constexpr int kA7Full = 3175;     // years 2 to 7, year 8 for months 7 to 12, odd cells of the alternation
constexpr int kA7FullDown = 3174; // even cells of the alternation
constexpr HalfColumn kA7Year32 = {1720, 1984, 2249, 2513, 2778, 3042}; // months 1 to 6: the last year
constexpr HalfColumn kA7Year33 = {132, 397, 661, 926, 1190, 1455};     // months 7 to 12: the last year

// Table A-7a: nonresidential real property, 39 years, straight line, mid-month. The first year
// is the printed figure (the rest of 100 % after years 2 to 40), not the exact mid-month share.
constexpr MonthColumn kA7aYear1 = {2461, 2247, 2033, 1819, 1605, 1391, 1177, 963, 749, 535, 321, 107};
constexpr int kA7aFull = 2564; // years 2 to 39
constexpr MonthColumn kA7aYear40 = {107, 321, 535, 749, 963, 1177, 1391, 1605, 1819, 2033, 2247, 2461};

// A printed cell, or none: thousandths of a percent and whether it is the column's last year.
struct Cell {
    int thousandths = 0; // 0: the column has no figure for the year
    bool finalYear = false;
};

Cell tableA6(int n, int month) {
    const bool firstHalf = month <= 6;
    if (n == 1)
        return {kA6Year1[static_cast<std::size_t>(month - 1)]};
    if (n <= 9)
        return {kA6Full};
    if (n <= 27)
        return {(n % 2 == 0) == firstHalf ? kA6FullUp : kA6Full};
    if (n == 28)
        return firstHalf ? Cell{kA6Year28[static_cast<std::size_t>(month - 1)], true} : Cell{kA6Full};
    if (n == 29)
        return {firstHalf ? 0 : kA6Year29[static_cast<std::size_t>(month - 7)], true};
    return {};
}

Cell tableA7(int n, int month) {
    const bool firstHalf = month <= 6;
    const int alternating = (n + month) % 2 == 0 ? kA7FullDown : kA7Full;
    if (n == 1)
        return {kA7Year1[static_cast<std::size_t>(month - 1)]};
    if (n <= 7)
        return {kA7Full};
    if (n == 8)
        return {firstHalf ? alternating : kA7Full};
    if (n <= 31)
        return {alternating};
    if (n == 32)
        return firstHalf ? Cell{kA7Year32[static_cast<std::size_t>(month - 1)], true} : Cell{alternating};
    if (n == 33)
        return {firstHalf ? 0 : kA7Year33[static_cast<std::size_t>(month - 7)], true};
    return {};
}

Cell tableA7a(int n, int month) {
    const auto m = static_cast<std::size_t>(month - 1);
    if (n == 1)
        return {kA7aYear1[m]};
    if (n <= 39)
        return {kA7aFull};
    if (n == 40)
        return {kA7aYear40[m], true};
    return {};
}

bool validMonth(int month) {
    return month >= 1 && month <= 12;
}

// The ADS share of a life taken in the first or the last year, by convention name; nothing for
// a name without an averaging share ("MidMth" is handled by months, "None" has no rule).
std::optional<double> adsShare(std::string_view convention, bool firstYear) {
    if (convention == "Half")
        return 0.5;
    static constexpr std::array<std::string_view, 4> quarters = {"Mid1Qtr", "Mid2Qtr", "Mid3Qtr", "Mid4Qtr"};
    static constexpr std::array<double, 4> firstShares = {0.875, 0.625, 0.375, 0.125};
    for (std::size_t q = 0; q < quarters.size(); ++q) {
        if (convention == quarters[q])
            return firstYear ? firstShares[q] : firstShares[3 - q];
    }
    return std::nullopt;
}

YearRule straightLineYear(int n, int life, int month, double netCost) {
    YearRule rule;
    if (n == 1) {
        rule.amount = ((13 - month) / 12.0 * netCost) / life;
    } else if (n <= life) {
        rule.amount = netCost / life;
    } else if (n == life + 1) {
        if (month == 1) {
            rule.endsRun = true;
        } else {
            rule.amount = roundHalfEven(((month - 1) / 12.0 * netCost) / life);
            rule.finalYear = true;
        }
    }
    // Placed in service in the first fiscal month, the asset's last year is year L: it takes
    // the final-year fill-up there, or whole-dollar rounding of N / L would leave the
    // accumulated amount short of the basis (1000 over 3 years would end at 999).
    if (month == 1 && n == life)
        rule.finalYear = true;
    return rule;
}

YearRule adsYear(int n, int life, int month, double netCost, std::string_view convention) {
    YearRule rule;
    if (n >= 2 && n <= life) {
        rule.amount = netCost / life;
        return rule;
    }
    if (n != 1 && n != life + 1)
        return rule;
    const bool first = n == 1;
    if (convention == "MidMth") {
        const double months = first ? (12.5 - month) / 12.0 : (month - 0.5) / 12.0;
        rule.amount = (netCost / life) * roundHalfEven(months, 4);
    } else if (const auto share = adsShare(convention, first)) {
        rule.amount = roundHalfEven(*share / life, 4) * netCost;
    }
    rule.finalYear = !first;
    return rule;
}

} // namespace

std::string conventionName(int convention, int month) {
    switch (convention) {
    case kHalfYear:
        return "Half";
    case kMidQuarter:
        if (!validMonth(month))
            return {};
        return "Mid" + std::to_string((month - 1) / 3 + 1) + "Qtr";
    case kMidMonth:
        return "MidMth";
    case kNoConvention:
        return "None";
    default:
        return {};
    }
}

double adjustLastYearDepr(double amount, int convention, int soldMonth) {
    switch (convention) {
    case kHalfYear:
        return amount / 2;
    case kMidQuarter: {
        if (!validMonth(soldMonth))
            return 0;
        static constexpr std::array<double, 4> shares = {0.125, 0.375, 0.625, 0.875};
        return amount * shares[static_cast<std::size_t>((soldMonth - 1) / 3)];
    }
    case kMidMonth:
        return amount * (soldMonth - 0.5) / 12;
    case kNoConvention:
        return amount * soldMonth / 12;
    default:
        return 0;
    }
}

double slYearDepr(int n, double cost, double life, int month) {
    const double wholeLife = roundHalfEven(life);
    if (n == 1)
        return ((13 - month) / 12.0 * cost) / life;
    if (n >= 2 && n <= wholeLife)
        return cost / life;
    if (n == wholeLife + 1)
        return month == 1 ? 0.0 : roundHalfEven(((month - 1) / 12.0 * cost) / life);
    return 0;
}

std::optional<Formula> formulaFromText(std::string_view method) {
    if (method == "S/L")
        return Formula::StraightLine;
    if (method == "Amortize")
        return Formula::Amortize;
    if (method == "ADS")
        return Formula::Ads;
    if (method == "Macrs27")
        return Formula::Macrs27;
    if (method == "Macrs31")
        return Formula::Macrs31;
    if (method == "Macrs39")
        return Formula::Macrs39;
    return std::nullopt;
}

RealPropertyRate realPropertyRate(Formula formula, int n, int month) {
    RealPropertyRate out;
    if (!validMonth(month) || n < 1)
        return out;
    Cell cell;
    if (formula == Formula::Macrs27)
        cell = tableA6(n, month);
    else if (formula == Formula::Macrs31)
        cell = tableA7(n, month);
    else if (formula == Formula::Macrs39)
        cell = tableA7a(n, month);
    if (cell.thousandths > 0)
        out.rate = cell.thousandths / kThousandthsOfAPercent;
    out.finalYear = cell.finalYear;
    return out;
}

YearRule formulaYear(Formula formula, int n, int life, int month, double netCost,
                     std::string_view convention) {
    switch (formula) {
    case Formula::StraightLine:
    case Formula::Amortize:
        return straightLineYear(n, life, month, netCost);
    case Formula::Ads:
        return adsYear(n, life, month, netCost, convention);
    case Formula::Macrs27:
    case Formula::Macrs31:
    case Formula::Macrs39: {
        const RealPropertyRate r = realPropertyRate(formula, n, month);
        YearRule rule;
        if (r.rate)
            rule.amount = *r.rate * netCost;
        rule.finalYear = r.finalYear;
        return rule;
    }
    }
    return {};
}

std::string_view maxAutoType(std::string_view code) {
    if (code == "G")
        return "Gas";
    if (code == "E")
        return "Electric";
    if (code == "T")
        return "Truck/Van";
    return {};
}

int calendarYearOf(const Date& fiscalDate, int yearEndMonth) {
    if (!validMonth(yearEndMonth) || yearEndMonth == 12)
        return fiscalDate.year();
    return fiscalDate.month() <= 12 - yearEndMonth ? fiscalDate.year() - 1 : fiscalDate.year();
}

double firstYearBonusLimit(const AutoCaps& caps, double bonus, double basis) {
    if (caps.bonusCode == 3)
        return caps.amount[5];
    if (caps.bonusCode == 5)
        return caps.amount[6];
    const double whole = roundHalfEven(bonus + basis);
    if (whole == 0)
        return 0;
    const double ratio = roundHalfEven(bonus / whole, 1);
    if (ratio == 0.5 || ratio == 1)
        return caps.amount[6];
    if (ratio == 0.3)
        return caps.amount[5];
    return 0;
}

double limitAutoDepr(const AutoCaps& caps, int k, double amount, double business, double basis, double accum,
                     double bonus, double sec179) {
    const double cap = caps.amount[static_cast<std::size_t>(std::clamp(k, 1, 4))];
    if (business * cap < amount)
        amount = business * cap;
    else if (basis - accum < amount)
        amount = basis - accum;
    if (k == 1 && sec179 + bonus > 0) {
        const double firstYearTotal = amount + bonus + sec179;
        const double limit =
            roundHalfEven(bonus > 0 ? firstYearBonusLimit(caps, bonus, basis) : caps.amount[1]);
        if (limit * business < firstYearTotal)
            amount = std::max(0.0, limit * business - (sec179 + bonus));
    }
    return amount;
}

} // namespace qel::depr
