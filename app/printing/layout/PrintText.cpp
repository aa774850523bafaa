#include "app/printing/layout/PrintText.h"

#include "common/Convert.h"

#include <cmath>
#include <cstdio>

namespace qel::printing {
namespace {

bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

std::string_view trimBlanks(std::string_view text) {
    while (!text.empty() && text.front() == ' ')
        text.remove_prefix(1);
    while (!text.empty() && text.back() == ' ')
        text.remove_suffix(1);
    return text;
}

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

std::size_t characterCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        n += isContinuation(c) ? 0 : 1;
    return n;
}

std::string firstCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size() && n < count; ++n) {
        ++i;
        while (i < text.size() && isContinuation(text[i]))
            ++i;
    }
    return std::string(text.substr(0, i));
}

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
    return (whole < 0 ? "-" : "") + grouped(digits);
}

std::string typedAmount(std::string_view typed) {
    const std::string_view t = trimBlanks(typed);
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
