// The section 179 and mid-quarter checks.
#include "app/assets/rules/CompanyChecks.h"

#include "common/Convert.h"
#include "common/ServerError.h"

#include <limits>

namespace qel::assets {
namespace {

// A whole number of 32 bits, a half to the even neighbour; overflow as the platform raises it.
double whole32(double value) {
    const double r = roundHalfEven(value);
    if (r < std::numeric_limits<std::int32_t>::min() || r > std::numeric_limits<std::int32_t>::max())
        throw ServerError(kErrOverflow, "Depr", "Overflow: " + formatNumber(value) + " is out of range",
                          ErrorKind::Conversion);
    return r;
}

// The share of the last quarter above which the mid-quarter convention applies (IRC 168(d)(3)).
constexpr double kMidQuarterShare = 0.4;

} // namespace

Section179Result Check179Totals(const Section179Figures& f) {
    Section179Result r;
    if (f.threshold == 0)
        return r;
    r.computed = true;
    double reduction = whole32(f.businessCost - f.threshold);
    if (reduction < 0)
        reduction = 0;
    double dollarLimit = whole32(f.limit - reduction);
    if (dollarLimit < 0)
        dollarLimit = 0;
    double incomeLimit = dollarLimit;
    if (f.incomeLimit != 0 && f.incomeLimit <= dollarLimit) {
        incomeLimit = whole32(f.incomeLimit);
        if (incomeLimit < 0)
            incomeLimit = 0;
    }
    r.adjusted = dollarLimit + f.carryover;
    if (r.adjusted > incomeLimit)
        r.adjusted = incomeLimit;
    r.remaining = r.adjusted - f.elected;
    r.overLimit = r.remaining < 0 && f.elected != 0;
    return r;
}

MidQuarterTest MidQtrCheck(std::int32_t totalBasis, std::int32_t lastQuarterBasis) {
    if (totalBasis == 0)
        return {};
    const double share = static_cast<double>(lastQuarterBasis) / totalBasis;
    return {share, share > kMidQuarterShare};
}

} // namespace qel::assets
