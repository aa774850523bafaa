// The plan of one imported asset's engine run.
#include "server/support/ImportRun.h"

#include "common/Convert.h"
#include "common/ServerError.h"

#include <limits>

namespace qel::import {
namespace {

[[noreturn]] void overflow(const std::string& what) {
    throw ServerError(kErrOverflow, "DeprSupport", "Overflow: " + what, ErrorKind::Conversion);
}

template <typename Whole> Whole fit(double value, const char* what) {
    if (!(value >= std::numeric_limits<Whole>::min() && value <= std::numeric_limits<Whole>::max()))
        overflow(std::string(what) + " " + formatNumber(value) + " does not fit a " +
                 std::to_string(sizeof(Whole) * 8) + "-bit number");
    return static_cast<Whole>(value);
}

} // namespace

std::int32_t netCost(std::int32_t cost, double businessPercent, std::int32_t otherDeductions,
                     std::int32_t section179, std::int32_t allowance) {
    // The deductions add up as 32-bit amounts.
    const std::int64_t deductions = static_cast<std::int64_t>(otherDeductions) + section179 + allowance;
    fit<std::int32_t>(static_cast<double>(deductions), "the deductions");
    return fit<std::int32_t>(roundHalfEven(cost * businessPercent - static_cast<double>(deductions)),
                             "the net cost");
}

std::int16_t toInt16(double value, const char* what) {
    return fit<std::int16_t>(value, what);
}

RunPlan planRun(const std::string& storedMethod, const std::string& actual, std::int32_t basis,
                std::int32_t section179, double life) {
    if (basis < 1) {
        // Listed property whose basis went to section 179 still gets its zero row.
        if (storedMethod == "Listed" && section179 >= 1)
            return {EngineRun::ZeroListed, 0};
        return {};
    }
    if (actual == "MACRS" || actual == "MACRS 150")
        return {EngineRun::RateTable, 0};
    if (actual == "ADS" || actual == "Amortize" || actual == "Macrs31" || actual == "Macrs39" ||
        actual == "Macrs27" || actual == "S/L")
        return {EngineRun::Formula, fit<std::int16_t>(roundHalfEven(life), "the life")};
    return {};
}

} // namespace qel::import
