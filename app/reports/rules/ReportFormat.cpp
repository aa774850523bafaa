// Number, date and text display of the report lists.
#include "app/reports/rules/ReportFormat.h"

#include "common/Text.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace qel::reports {
namespace {

// The decimal digits of round(|value| * 10^decimals), a half away from zero, after |value| is
// brought to 15 significant digits. "0" for a value that rounds to nothing.
std::string scaledDigits(double value, int decimals) {
    char buf[40];
    std::snprintf(buf, sizeof buf, "%.14e", std::fabs(value));
    std::string digits(1, buf[0]);
    digits.append(buf + 2, 14);
    const int exponent = std::atoi(std::strchr(buf, 'e') + 1);
    // The digits kept: every digit down to the last decimal place shown.
    const int keep = exponent + 1 + decimals;
    if (keep < 0)
        return "0";
    std::string out;
    bool roundUp = false;
    if (keep >= static_cast<int>(digits.size())) {
        out = digits + std::string(static_cast<std::size_t>(keep) - digits.size(), '0');
    } else {
        out = digits.substr(0, static_cast<std::size_t>(keep));
        roundUp = digits[static_cast<std::size_t>(keep)] >= '5';
    }
    if (out.empty())
        out.assign(1, '0');
    if (roundUp) {
        std::size_t i = out.size();
        while (i > 0 && out[i - 1] == '9')
            out[--i] = '0';
        if (i == 0) {
            // Every digit carried: a one more in front (built by appending, which GCC 12 does
            // not warn about wrongly as it does an insert in front).
            std::string carried(1, '1');
            carried += out;
            out.swap(carried);
        } else {
            ++out[i - 1];
        }
    }
    return out;
}

std::string grouped(const std::string& whole) {
    std::string out;
    const std::size_t n = whole.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += whole[i];
    }
    return out;
}

std::string twoDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d", n);
    return buf;
}

std::string fourDigits(int n) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d", n);
    return buf;
}

} // namespace

std::string formatNumber(double value, NumberPattern pattern) {
    if (!std::isfinite(value))
        return {};
    std::string digits = scaledDigits(value, pattern.decimals);
    const auto places = static_cast<std::size_t>(pattern.decimals);
    if (digits.size() <= places) {
        std::string padded(places + 1 - digits.size(), '0');
        padded += digits;
        digits.swap(padded);
    }
    std::string whole = digits.substr(0, digits.size() - places);
    const std::string fraction = digits.substr(digits.size() - places);
    const bool zero = digits.find_first_not_of('0') == std::string::npos;
    whole.erase(0, std::min(whole.find_first_not_of('0'), whole.size()));
    if (whole.empty() && pattern.leadingZero)
        whole.assign(1, '0');
    std::string out = (value < 0 && !zero) ? "-" : "";
    out += grouped(whole);
    if (places > 0) {
        out += '.';
        out += fraction;
    }
    return out;
}

std::string monthYear(const Date& date) {
    return twoDigits(date.month()) + "/" + fourDigits(date.year());
}

std::string yearOf(const Variant& value) {
    if (value.isNull())
        return {};
    return fourDigits(value.toDate().year());
}

std::string trimmedText(const Variant& value) {
    if (value.isDate()) {
        const Date d = std::get<Date>(value.storage());
        return twoDigits(d.month()) + "/" + twoDigits(d.day()) + "/" + fourDigits(d.year());
    }
    return std::string(trimBlanks(value.toString()));
}

} // namespace qel::reports
