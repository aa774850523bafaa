#include "app/printing/rules/PrintText.h"

#include "common/Convert.h"
#include "common/Text.h"

#include <cmath>
#include <cstdio>

namespace qel::printing {
namespace {

// Digits grouped by three with ",".
std::string grouped(const std::string& digits) {
    std::string out;
    const std::size_t n = digits.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0)
            out += ',';
        out += digits[i];
    }
    return out;
}

std::string twoDigits(int n) {
    char buffer[8];
    std::snprintf(buffer, sizeof buffer, "%02d", n);
    return buffer;
}

} // namespace

std::string leftSet(std::string_view text, std::size_t width) {
    const std::size_t n = characterCount(text);
    if (n >= width)
        return firstCharacters(text, width);
    return std::string(text) + std::string(width - n, ' ');
}

std::string rightSet(std::string_view text, std::size_t width) {
    const std::size_t n = characterCount(text);
    if (n >= width)
        return firstCharacters(text, width);
    return std::string(width - n, ' ') + std::string(text);
}

std::string wholeAmount(double value) {
    // Brought to 15 significant digits first, so that an amount stored as 999.4999999999999
    // rounds as the 999.5 it was typed as.
    const double whole = std::round(std::stod(formatNumber(value)));
    if (whole == 0)
        return {};
    const std::string digits = formatNumber(std::fabs(whole));
    // Built by appending (GCC 12 warns wrongly, -Wrestrict, on a literal joined in front).
    std::string out(whole < 0 ? 1 : 0, '-');
    out += grouped(digits);
    return out;
}

std::string typedAmount(std::string_view typed) {
    const std::string_view t = trimWhiteSpace(typed);
    if (t.empty())
        return {};
    // Thousands separators are part of a typed amount.
    std::string plain;
    for (char c : t)
        if (c != ',')
            plain += c;
    if (!isPlainNumber(plain))
        return std::string(typed);
    return wholeAmount(leadingNumber(plain));
}

std::string monthDayYear(const Date& date) {
    return twoDigits(date.month()) + "/" + twoDigits(date.day()) + "/" + std::to_string(date.year());
}

std::string monthYear(const Date& date) {
    return twoDigits(date.month()) + "/" + std::to_string(date.year());
}

} // namespace qel::printing
