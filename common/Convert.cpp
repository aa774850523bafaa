// Rounding, number text and leading-number reading.
#include "common/Convert.h"

#include "common/ServerError.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace qel {
namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The value brought to 15 significant digits, which removes the binary noise of a decimal
// amount (0.1 + 0.2 -> 0.3) before it is rounded or printed.
double toSignificant15(double value) {
    if (value == 0 || !std::isfinite(value))
        return value;
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", value);
    return std::strtod(buf, nullptr);
}

} // namespace

double roundHalfEven(double value) {
    return std::nearbyint(value);
}

double roundHalfEven(double value, int places) {
    const double scale = std::pow(10.0, places);
    const double scaled = toSignificant15(toSignificant15(value) * scale);
    return std::nearbyint(scaled) / scale;
}

std::string formatNumber(double value) {
    if (!std::isfinite(value))
        throw ServerError(kErrOverflow, "Convert",
                          std::string("Overflow: ") +
                              (std::isnan(value) ? "a result that is no number" : "an infinite number") +
                              " cannot be written as a number.",
                          ErrorKind::Conversion);
    if (value == 0)
        return "0";
    char buf[400];
    std::snprintf(buf, sizeof buf, "%.15g", value);
    std::string text(buf);
    const auto e = text.find('e');
    if (e == std::string::npos)
        return text;
    const int exponent = std::atoi(text.c_str() + e + 1);
    const double rounded = std::strtod(text.c_str(), nullptr);
    if (exponent < 0) {
        std::snprintf(buf, sizeof buf, "%.*f", 14 - exponent, rounded);
        text = buf;
        while (!text.empty() && text.back() == '0')
            text.pop_back();
        if (!text.empty() && text.back() == '.')
            text.pop_back();
        return text;
    }
    std::snprintf(buf, sizeof buf, "%.0f", rounded);
    return buf;
}

double leadingNumber(std::string_view text) {
    std::string digits;
    std::size_t i = 0;
    auto skipBlanks = [&] {
        while (i < text.size() && isBlank(text[i]))
            ++i;
    };
    skipBlanks();
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        digits += text[i++];
    bool point = false, any = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (isBlank(c))
            continue;
        if (std::isdigit(static_cast<unsigned char>(c))) {
            digits += c;
            any = true;
        } else if (c == '.' && !point) {
            digits += c;
            point = true;
        } else {
            break;
        }
    }
    if (!any)
        return 0;
    // An exponent counts only when digits follow it.
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E' || text[i] == 'd' || text[i] == 'D')) {
        std::size_t j = i + 1;
        std::string exponent = "e";
        if (j < text.size() && (text[j] == '-' || text[j] == '+'))
            exponent += text[j++];
        std::size_t start = exponent.size();
        while (j < text.size() && std::isdigit(static_cast<unsigned char>(text[j])))
            exponent += text[j++];
        if (exponent.size() > start)
            digits += exponent;
    }
    return std::strtod(digits.c_str(), nullptr);
}

bool isPlainNumber(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        ++i;
    bool point = false, any = false;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (std::isdigit(static_cast<unsigned char>(c)))
            any = true;
        else if (c == '.' && !point)
            point = true;
        else
            break;
    }
    if (!any)
        return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '-' || text[i] == '+'))
            ++i;
        bool expDigits = false;
        while (i < text.size() && std::isdigit(static_cast<unsigned char>(text[i]))) {
            ++i;
            expDigits = true;
        }
        if (!expDigits)
            return false;
    }
    return i == text.size();
}

} // namespace qel
