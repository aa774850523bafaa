// Conversions and amount patterns of a Form 4562 run.
#include "form4562/FormText.h"

#include "common/Convert.h"
#include "common/ServerError.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <limits>
#include <optional>

namespace qel::form4562 {
namespace {

constexpr const char* kSource = "Display4562";

bool isDigit(char c) {
    return std::isdigit(static_cast<unsigned char>(c)) != 0;
}

// The value of a text that is a number as a whole, commas allowed between digits; nothing for
// any other text.
std::optional<double> wholeNumber(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    std::string plain;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        plain += text[i++];
    bool digits = false;
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            plain += text[i];
            digits = true;
        } else if (text[i] == ',' && digits && i + 1 < text.size() && isDigit(text[i + 1])) {
            continue;
        } else {
            break;
        }
    }
    if (i < text.size() && text[i] == '.') {
        plain += text[i++];
        for (; i < text.size() && isDigit(text[i]); ++i) {
            plain += text[i];
            digits = true;
        }
    }
    if (!digits || i != text.size())
        return std::nullopt;
    return std::strtod(plain.c_str(), nullptr);
}

// Whole dollars, halves away from zero (after the binary noise of a decimal amount is taken
// off, so 1234.5 stays 1234.5), with the digits grouped in threes.
std::string grouped(double value) {
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.0f", std::round(std::strtod(formatNumber(value).c_str(), nullptr)));
    std::string digits(buf);
    const bool negative = !digits.empty() && digits.front() == '-';
    if (negative)
        digits.erase(0, 1);
    std::string text;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            text += ',';
        text += digits[i];
    }
    return negative && text != "0" ? "-" + text : text;
}

std::string formatAmount(const std::string& text, bool zeroAsZero) {
    const std::optional<double> number = wholeNumber(text);
    if (!number)
        return text;
    const std::string shown = grouped(*number);
    return shown == "0" && !zeroAsZero ? std::string() : shown;
}

} // namespace

std::string asText(const Variant& value, std::string_view what) {
    if (value.isNull())
        throw ServerError(kErrInvalidUseOfNull, kSource,
                          "Invalid use of Null: " + std::string(what) + " has no value",
                          ErrorKind::Conversion);
    if (value.isDate()) {
        const Date d = value.toDate();
        char buf[16];
        std::snprintf(buf, sizeof buf, "%02d/%02d/%04d", d.month(), d.day(), d.year());
        return buf;
    }
    return value.toString();
}

std::string textOrEmpty(const Variant& value) {
    return value.isNull() ? std::string() : asText(value, "");
}

std::string monthYear(const Variant& value, std::string_view what) {
    if (value.isNull())
        asText(value, what);
    const Date d = value.toDate();
    char buf[16];
    std::snprintf(buf, sizeof buf, "%02d-%04d", d.month(), d.year());
    return buf;
}

std::string answerText(const Variant& value) {
    return !value.isNull() && value.toBool() ? "Yes" : "No";
}

double numberOf(std::string_view text) {
    return leadingNumber(text);
}

std::string plainNumber(double value) {
    return formatNumber(value);
}

std::int32_t wholeDollars(double value) {
    const double whole = roundHalfEven(value, 0);
    if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
          whole <= std::numeric_limits<std::int32_t>::max()))
        throw ServerError(kErrOverflow, kSource,
                          "Overflow: " + formatNumber(value) + " does not fit a 32-bit number",
                          ErrorKind::Conversion);
    return static_cast<std::int32_t>(whole);
}

std::string amountOrBlank(const std::string& text) {
    return formatAmount(text, false);
}

std::string amountOrZero(const std::string& text) {
    return formatAmount(text, true);
}

std::string amountOrBlank(std::int32_t value) {
    return formatAmount(std::to_string(value), false);
}

std::string amountOrZero(std::int32_t value) {
    return formatAmount(std::to_string(value), true);
}

} // namespace qel::form4562
