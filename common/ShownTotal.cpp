// Totals of shown amounts, in exact decimal.
#include "common/ShownTotal.h"

#include "common/ServerError.h"

#include <array>
#include <cmath>
#include <string>

namespace qel {
namespace {

constexpr int kMostPlaces = 6;

constexpr std::array<std::int64_t, kMostPlaces + 1> kTenTo{1, 10, 100, 1000, 10000, 100000, 1000000};

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

[[noreturn]] void overflow(std::string_view shown) {
    throw ServerError(kErrOverflow, "ShownTotal",
                      "Overflow: the total cannot take the amount '" + std::string(shown) + "'.",
                      ErrorKind::Conversion);
}

// a * b + c, or nothing when it leaves the 64-bit range.
bool mulAdd(std::int64_t a, std::int64_t b, std::int64_t c, std::int64_t& out) {
    std::int64_t product = 0;
    return !__builtin_mul_overflow(a, b, &product) && !__builtin_add_overflow(product, c, &out);
}

// An amount read from a shown text: units of 10^-places.
struct Amount {
    std::int64_t units = 0;
    int places = 0;
};

// The amount the text shows; false when it shows none (no digit where the number stands).
// Sets `tooLarge` when its digits do not fit.
bool readAmount(std::string_view text, Amount& amount, bool& tooLarge) {
    std::size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+'))
        negative = text[i++] == '-';
    bool any = false;
    std::int64_t units = 0;
    // The whole part; a "," counts only between digits.
    for (; i < text.size(); ++i) {
        if (isDigit(text[i])) {
            any = true;
            if (!mulAdd(units, 10, text[i] - '0', units)) {
                tooLarge = true;
                return true;
            }
        } else if (!(text[i] == ',' && any && i + 1 < text.size() && isDigit(text[i + 1]))) {
            break;
        }
    }
    int places = 0;
    bool roundUp = false;
    if (i < text.size() && text[i] == '.') {
        bool cut = false;
        for (++i; i < text.size() && isDigit(text[i]); ++i) {
            any = true;
            if (places < kMostPlaces) {
                if (!mulAdd(units, 10, text[i] - '0', units)) {
                    tooLarge = true;
                    return true;
                }
                ++places;
            } else if (!cut) {
                // The first digit past the last place kept decides the rounding.
                roundUp = text[i] >= '5';
                cut = true;
            }
        }
    }
    if (!any)
        return false;
    if (roundUp && __builtin_add_overflow(units, 1, &units)) {
        tooLarge = true;
        return true;
    }
    amount.units = negative ? -units : units;
    amount.places = places;
    return true;
}

} // namespace

void ShownTotal::widenTo(int places) {
    if (places <= places_)
        return;
    std::int64_t widened = 0;
    if (__builtin_mul_overflow(units_, kTenTo[static_cast<std::size_t>(places - places_)], &widened))
        throw ServerError(kErrOverflow, "ShownTotal", "Overflow: the total cannot take more decimals.",
                          ErrorKind::Conversion);
    units_ = widened;
    places_ = places;
}

void ShownTotal::add(std::string_view shown) {
    Amount amount;
    bool tooLarge = false;
    if (!readAmount(shown, amount, tooLarge))
        return;
    if (tooLarge)
        overflow(shown);
    ShownTotal other;
    other.units_ = amount.units;
    other.places_ = amount.places;
    try {
        add(other);
    } catch (const ServerError&) {
        overflow(shown);
    }
}

void ShownTotal::add(const ShownTotal& other) {
    // Work on copies, so that a failure leaves this total as it was.
    ShownTotal sum = *this;
    ShownTotal addend = other;
    const int places = std::max(sum.places_, addend.places_);
    sum.widenTo(places);
    addend.widenTo(places);
    if (__builtin_add_overflow(sum.units_, addend.units_, &sum.units_))
        throw ServerError(kErrOverflow, "ShownTotal", "Overflow: the total leaves the range it holds.",
                          ErrorKind::Conversion);
    *this = sum;
}

double ShownTotal::value() const {
    return static_cast<double>(units_) / static_cast<double>(kTenTo[static_cast<std::size_t>(places_)]);
}

} // namespace qel
