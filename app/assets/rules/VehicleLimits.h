// The first-year vehicle limit a save checks a vehicle against: which bonus limit to ask the
// engine for (CalcDepr::GetAutoMaxRates), and what the limit it returned means for the section
// 179 amount and the special depreciation allowance on the form.
#pragma once

#include "app/assets/rules/AssetRecord.h"
#include "app/assets/rules/AssetSnapshot.h"

#include <cstdint>
#include <string>

namespace qel::assets {

// The bonus code of the ticked bonus boxes, the first ticked one deciding: 3 for the 30 % box,
// else 5 for the 50 % or the 100 % box, else 0.
std::int16_t BonusCode(bool bonus30, bool bonus50, bool bonus100);

// The first-year limit of the vehicle of `record` (its type and calendar in-service year) for the
// bonus box ticked on the form, as CalcDepr::GetAutoMaxRates gives it; the lookup also loads the
// caps the vehicle's depreciation run reads on this thread.
std::int32_t VehicleLimitOf(const AssetRecord& record, const AssetSnapshot& a);

// What the save does after the limit check.
struct VehicleLimitOutcome {
    enum Kind {
        Go,       // the save goes on
        Stop,     // the save stops; `message` goes to the status line in red
        AskBonus, // ask `message` (Yes/No, titled `title`): Yes goes on, No stops
        Lowered,  // the allowance becomes `allowance`; show `message` in an OK box and stop
    } kind = Go;
    std::string message;
    std::string title;
    std::string allowance; // Lowered: the allowance caption, L x F - S as plain decimal text
};

// The check of the limit result L (GetAutoMaxRates: 0 no limits, -3 or -5 a zero bonus limit, else
// the first-year limit in dollars) against the form: the cap is L x F (F the business fraction);
// a section 179 amount S (whole dollars) above the cap stops the save; S plus the allowance A
// above it lowers A to the cap less S. Both sides are compared as their plain decimal texts read
// them back (15 significant digits), so the allowance this check wrote passes the next save (the
// comparison the import's sheet check makes too: firstYearExcess of server/support/VehicleLimit.h). An
// amount exactly at the cap passes; other negative results go on.
VehicleLimitOutcome CheckVehicleLimit(std::int32_t limit, const AssetSnapshot& a);

} // namespace qel::assets
