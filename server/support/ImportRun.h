// What the processing of one imported asset asks of the engine, worked out without a database:
// the basis in whole dollars and the engine operation with its life (the method the engine runs
// is MapMethodForRun of server/support/AssetCodes.h, which the program's save uses too).
// DeprSupport's processing of imported assets carries the plan out.
#pragma once

#include <cstdint>
#include <string>

namespace qel::import {

// The basis in whole dollars: the cost times the business fraction, less the other deductions,
// the section 179 expense and the special allowance, rounded half to even. Throws ServerError
// (number 6, kind Conversion) when the deductions together or the basis do not fit a 32-bit
// number.
std::int32_t netCost(std::int32_t cost, double businessPercent, std::int32_t otherDeductions,
                     std::int32_t section179, std::int32_t allowance);

enum class EngineRun {
    None,       // no schedule: nothing to depreciate, or a method without one ("Non-Depr")
    ZeroListed, // CalcDepr::DoZeroListed
    RateTable,  // CalcDepr::DoMacrsDepr, with the life as stored
    Formula,    // CalcDepr::DoDepr, with `formulaLife`
};

struct RunPlan {
    EngineRun run = EngineRun::None;
    // The life DoDepr takes: the stored life rounded half to even (27.5 -> 28, 31.5 -> 32).
    std::int16_t formulaLife = 0;
};

// `value` as a 16-bit number. Throws ServerError (number kErrOverflow, kind Conversion) "Overflow:
// <what> <value> does not fit a 16-bit number" when it does not fit.
std::int16_t toInt16(double value, const char* what);

// The engine run of an asset: below a basis of 1 only listed property whose basis went to
// section 179 gets its zero row (the stored method decides); otherwise the actual method
// decides between the rate tables ("MACRS", "MACRS 150"), the formulas ("ADS", "Amortize",
// "Macrs31", "Macrs39", "Macrs27", "S/L") and no run. Throws ServerError (number 6) when a
// formula life does not fit a 16-bit number.
RunPlan planRun(const std::string& storedMethod, const std::string& actualMethod, std::int32_t netCost,
                std::int32_t section179, double life);

} // namespace qel::import
