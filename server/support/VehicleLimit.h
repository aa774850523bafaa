// A vehicle's first-year limit as the asset form's save and the asset import check it: how the
// first-year section 179 expense and special allowance stand against the business share of the
// limit, and, for an imported vehicle, which limits apply. The limits themselves are the
// engine's (CalcDepr::GetAutoMaxRates, from tblMaxAuto); looking them up also loads them for the
// vehicle's depreciation run on the calling thread.
#pragma once

#include <cstdint>
#include <string>

namespace qel {

// How a vehicle's first-year deductions stand against its cap, the first-year limit times the
// business fraction (dollars).
enum class FirstYearExcess {
    None,       // both fit
    Section179, // the section 179 expense alone is above the cap
    Allowance,  // the expense fits, the expense and the allowance together do not
};

// The section 179 expense and the allowance (dollars, as the caller rounds them) against the cap.
// Each side is compared as its plain decimal text reads it back (15 significant digits): the cap
// 310 x 0.58 is 179.79999999999998 in binary and 179.8 as an allowance lowered to it is written,
// so the lowered allowance passes. An amount exactly at the cap passes.
FirstYearExcess firstYearExcess(double cap, double section179, double allowance);

namespace import {

// The vehicle type whose limits an imported vehicle takes: "G", the passenger-car limits. The
// type belongs to an asset class and an imported asset has none; in every year the car limits
// are the lowest of the three types, so no imported vehicle deducts more than its type allows.
inline constexpr const char* kVehicleType = "G";

// The bonus code (CalcDepr::GetAutoMaxRates) an imported vehicle's allowance is limited by. The
// sheet gives the allowance as an amount, not the rate it was taken at, and most years have a
// limit for one rate only: 0 without an allowance; 3 when the allowance is 30 % of the basis it
// was taken from (its share rounded to one decimal) and the year has a 30 % limit; otherwise 5
// when the year has a 50 % limit (the 50 % and 100 % rates), else 3 when it has a 30 % limit,
// else 5 (which then finds no limit).
std::int16_t bonusCodeOf(double allowance, double allowanceBase, bool has30Limit, bool has50Limit);

// An imported vehicle's first-year limit.
struct VehicleLimit {
    std::int16_t year = 0;      // the calendar year it was placed in service
    std::int16_t bonusCode = 0; // bonusCodeOf
    // GetAutoMaxRates' result: the first-year limit in dollars; 0 when the year has no limits,
    // -3 or -5 when it has no limit for the allowance's rate.
    std::int32_t firstYear = 0;
};

// Looks up the limits of an imported vehicle placed in service in `year` whose allowance (dollars)
// was taken from `allowanceBase` (the business cost less other deductions and section 179), and
// leaves them loaded for the thread's next vehicle run. Throws ServerError when the lookup fails.
VehicleLimit importedVehicleLimit(std::int16_t year, double allowance, double allowanceBase);

// What a limit that is not there lacks: "no vehicle limits of 2012", "no first-year vehicle limit
// with the 30 % allowance of 2003"; empty when the limit is there.
std::string missingLimit(const VehicleLimit& limit);

} // namespace import
} // namespace qel
