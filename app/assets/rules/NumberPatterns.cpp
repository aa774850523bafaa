// Asset entry's number patterns.
#include "app/assets/rules/NumberPatterns.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qel::assets {
namespace {

// The magnitude rounded to `places` decimals as plain digits ("1234.50"), and its sign; a value
// that rounds to zero has none.
struct Rounded {
    std::string digits;
    bool negative = false;
};

Rounded rounded(double value, int places) {
    if (!std::isfinite(value))
        value = 0;
    char text[64];
    // 15 significant digits first, so that a stored 2.675 rounds as the 2.675 it was typed as.
    std::snprintf(text, sizeof text, "%.15g", value);
    const double scale = std::pow(10.0, places);
    const double magnitude = std::round(std::fabs(std::strtod(text, nullptr)) * scale) / scale;
    std::snprintf(text, sizeof text, "%.*f", places, magnitude);
    return {text, value < 0 && magnitude != 0};
}

// The whole part of plain digits grouped in threes: "1234567.5" gives "1,234,567.5".
std::string grouped(const std::string& digits) {
    const std::size_t point = digits.find('.');
    const std::size_t whole = point == std::string::npos ? digits.size() : point;
    std::string out;
    for (std::size_t i = 0; i < whole; ++i) {
        if (i > 0 && (whole - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out + digits.substr(whole);
}

} // namespace

std::string groupedOrBlank(double value) {
    const Rounded r = rounded(value, 0);
    if (r.digits == "0")
        return {};
    return (r.negative ? "-" : "") + grouped(r.digits);
}

std::string dollars(double value) {
    const Rounded r = rounded(value, 0);
    return (r.negative ? "-$" : "$") + grouped(r.digits);
}

std::string percentOneDecimal(double fraction) {
    const Rounded r = rounded(fraction * 100, 1);
    return (r.negative ? "-" : "") + r.digits + " %";
}

} // namespace qel::assets
