// The check of a typed number.
#include "common/NumberCheck.h"

#include "common/Convert.h"

#include <cmath>

namespace qel {

bool numberFits(std::string_view typed, NumberRange range) {
    if (typed.find_first_not_of(" \t\r\n") == std::string_view::npos)
        return true;
    const double value = leadingNumber(typed);
    return std::isfinite(value) && value >= range.low && value <= range.high;
}

std::string numberRefusal(std::string_view field, std::string_view typed, NumberRange range) {
    return std::string(field) + " '" + std::string(typed) + "' must be a number from " +
           formatNumber(range.low) + " to " + formatNumber(range.high) + ". ";
}

std::optional<std::string> numberFault(std::string_view field, std::string_view typed, NumberRange range) {
    if (numberFits(typed, range))
        return std::nullopt;
    return numberRefusal(field, typed, range);
}

} // namespace qel
