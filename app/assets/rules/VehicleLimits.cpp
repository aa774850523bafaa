// The vehicle limit check of a save.
#include "app/assets/rules/VehicleLimits.h"

#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/DeprRunPlan.h"
#include "common/Convert.h"
#include "server/engine/CalcDepr.h"
#include "server/support/VehicleLimit.h"

namespace qel::assets {
namespace {

VehicleLimitOutcome askBonus(const char* percent, const char* limitWord) {
    return {VehicleLimitOutcome::AskBonus,
            std::string(percent) + "% Bonus depreciation was taken for this vehicle, but the max bonus " +
                limitWord +
                " is zero. Use menu Maintenance\\Auto Max Limits to change values. Do you want to continue?",
            "Zero Vehicle Bonus Max Limit.",
            {}};
}

} // namespace

std::int16_t BonusCode(bool bonus30, bool bonus50, bool bonus100) {
    if (bonus30)
        return 3;
    if (bonus50 || bonus100)
        return 5;
    return 0;
}

std::int32_t VehicleLimitOf(const AssetRecord& record, const AssetSnapshot& a) {
    return CalcDepr().GetAutoMaxRates(record.vehicleType, whole16(record.inService.year(), "year"),
                                      BonusCode(a.bonus30, a.bonus50, a.bonus100));
}

VehicleLimitOutcome CheckVehicleLimit(std::int32_t limit, const AssetSnapshot& a) {
    if (limit == 0)
        return {
            VehicleLimitOutcome::Stop,
            "Use menu Maintenance\\Auto Max Limits to enter the maximun vehicle deprication amount for this "
            "year.",
            {},
            {}};
    if (limit == -3)
        return askBonus("30", "limit");
    if (limit == -5)
        return askBonus("50", "rate");
    if (limit < 0)
        return {};
    const double section179 = roundHalfEven(leadingNumber(a.section179));
    const double allowance = leadingNumber(a.allowance);
    const double rawCap = limit * GetBuisnessPecent(a.businessPercent);
    switch (firstYearExcess(rawCap, section179, allowance)) {
    case FirstYearExcess::None:
        return {};
    case FirstYearExcess::Section179:
        return {VehicleLimitOutcome::Stop,
                "179 amount needs to be less the (auto rate x Business %) of " + formatNumber(rawCap),
                {},
                {}};
    case FirstYearExcess::Allowance:
        return {VehicleLimitOutcome::Lowered,
                "The Special Depr Allowance was adjusted to be equal to the (auto rate x Business %) of " +
                    formatNumber(rawCap) +
                    " Allowances for other book values may need to be adjusting. You will have to click the "
                    "save button when done.",
                {},
                formatNumber(rawCap - section179)};
    }
    return {};
}

} // namespace qel::assets
