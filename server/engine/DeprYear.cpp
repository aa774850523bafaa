// One year's depreciation: conventions, sale-year proration, straight line, the formula methods'
// year rules, the real-property rates and the vehicle caps.
#include "server/engine/DeprYear.h"

#include "common/Convert.h"

#include <algorithm>

namespace qel::depr {
namespace {

using MonthRates = std::array<double, 12>;

// MACRS residential rental property, 27.5 years, mid-month (IRS Publication 946, table A-6, as
// the engine applies it: the alternating years 12 to 27 at their average).
constexpr MonthRates kMacrs27First = {0.03485, 0.03182, 0.02879, 0.02576, 0.02273, 0.0197,
                                      0.01667, 0.01364, 0.01061, 0.00758, 0.00455, 0.00152};
constexpr double kMacrs27Early = 0.03636;  // years 2 to 11
constexpr double kMacrs27Late = 0.0363656; // years 12 to 27
constexpr std::array<double, 6> kMacrs27Year28 = {0.0197, 0.02273, 0.02576, 0.02879, 0.03182, 0.03485};
constexpr std::array<double, 6> kMacrs27Year29 = {0.00152, 0.00455, 0.00758, 0.01061, 0.01364, 0.01667};

// MACRS nonresidential real property, 31.5 years, mid-month (table A-7).
constexpr MonthRates kMacrs31First = {0.03042, 0.02778, 0.02513, 0.02249, 0.01984, 0.0172,
                                      0.01455, 0.0119,  0.00926, 0.00661, 0.00397, 0.00132};
constexpr double kMacrs31Early = 0.03175;     // years 2 to 7
constexpr double kMacrs31Year8 = 0.031745;    // year 8, and year 32 for months 7 to 12
constexpr double kMacrs31Late = 0.0317452149; // years 9 to 31
constexpr std::array<double, 6> kMacrs31Year32 = {0.0172, 0.01984, 0.02249, 0.02513, 0.02778, 0.03042};
constexpr std::array<double, 6> kMacrs31Year33 = {0.00132, 0.00397, 0.00661, 0.00926, 0.0119, 0.01455};

// MACRS nonresidential real property, 39 years, mid-month (table A-7a).
constexpr MonthRates kMacrs39First = {0.02461, 0.02247, 0.02033, 0.01819, 0.01605, 0.01391,
                                      0.01177, 0.00963, 0.00749, 0.00535, 0.00321, 0.00107};
constexpr double kMacrs39Middle = 0.02564; // years 2 to 39
constexpr MonthRates kMacrs39Year40 = {0.00107, 0.00321, 0.00535, 0.00749, 0.00963, 0.01177,
                                       0.01391, 0.01605, 0.01819, 0.02033, 0.02247, 0.02461};

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
    const auto m = static_cast<std::size_t>(month - 1);
    const bool firstHalf = month <= 6;
    switch (formula) {
    case Formula::Macrs27:
        if (n == 1)
            out.rate = kMacrs27First[m];
        else if (n <= 11)
            out.rate = kMacrs27Early;
        else if (n <= 27)
            out.rate = kMacrs27Late;
        else if (n == 28) {
            out.rate = firstHalf ? kMacrs27Year28[m] : kMacrs27Early;
            out.finalYear = firstHalf;
        } else if (n == 29) {
            if (!firstHalf)
                out.rate = kMacrs27Year29[m - 6];
            out.finalYear = true;
        }
        break;
    case Formula::Macrs31:
        if (n == 1)
            out.rate = kMacrs31First[m];
        else if (n <= 7)
            out.rate = kMacrs31Early;
        else if (n == 8)
            out.rate = kMacrs31Year8;
        else if (n <= 31)
            out.rate = kMacrs31Late;
        else if (n == 32) {
            out.rate = firstHalf ? kMacrs31Year32[m] : kMacrs31Year8;
            out.finalYear = firstHalf;
        } else if (n == 33) {
            if (!firstHalf)
                out.rate = kMacrs31Year33[m - 6];
            out.finalYear = true;
        }
        break;
    case Formula::Macrs39:
        if (n == 1)
            out.rate = kMacrs39First[m];
        else if (n <= 39)
            out.rate = kMacrs39Middle;
        else if (n == 40) {
            out.rate = kMacrs39Year40[m];
            out.finalYear = true;
        }
        break;
    default:
        break;
    }
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
