// The first-year vehicle limit of the save and of the import.
#include "server/support/VehicleLimit.h"

#include "common/Convert.h"
#include "server/engine/CalcDepr.h"

namespace qel {
namespace {

// An amount as its plain decimal text gives it back.
double printed(double amount) {
    return leadingNumber(formatNumber(amount));
}

} // namespace

FirstYearExcess firstYearExcess(double cap, double section179, double allowance) {
    const double shownCap = printed(cap);
    if (shownCap < printed(section179))
        return FirstYearExcess::Section179;
    if (shownCap < printed(section179 + allowance))
        return FirstYearExcess::Allowance;
    return FirstYearExcess::None;
}

namespace import {

std::int16_t bonusCodeOf(double allowance, double allowanceBase, bool has30Limit, bool has50Limit) {
    if (!(allowance > 0))
        return 0;
    const bool thirtyPercent = allowanceBase > 0 && roundHalfEven(allowance / allowanceBase, 1) == 0.3;
    if (thirtyPercent && has30Limit)
        return 3;
    if (has50Limit)
        return 5;
    return has30Limit ? 3 : 5;
}

VehicleLimit importedVehicleLimit(std::int16_t year, double allowance, double allowanceBase) {
    CalcDepr engine;
    VehicleLimit limit;
    limit.year = year;
    if (allowance > 0) {
        // Both bonus limits of the year, to choose between them; the last lookup below is the
        // one whose caps the run reads.
        const bool has30 = engine.GetAutoMaxRates(kVehicleType, year, 3) > 0;
        const bool has50 = engine.GetAutoMaxRates(kVehicleType, year, 5) > 0;
        limit.bonusCode = bonusCodeOf(allowance, allowanceBase, has30, has50);
    }
    limit.firstYear = engine.GetAutoMaxRates(kVehicleType, year, limit.bonusCode);
    return limit;
}

std::string missingLimit(const VehicleLimit& limit) {
    const std::string year = std::to_string(limit.year);
    if (limit.firstYear == 0)
        return "no vehicle limits of " + year;
    if (limit.firstYear < 0)
        return std::string("no first-year vehicle limit with the ") + (limit.bonusCode == 3 ? "30" : "50") +
               " % allowance of " + year;
    return {};
}

} // namespace import
} // namespace qel
