// Variant conversions.
#include "common/Variant.h"

#include "common/Convert.h"
#include "common/ServerError.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <strings.h>

namespace qel {
namespace {

[[noreturn]] void mismatch(const std::string& what, const std::string& to) {
    throw ServerError(kTypeMismatch, "Variant", "Type mismatch: cannot read '" + what + "' as " + to,
                      ErrorKind::Conversion);
}

} // namespace

double Variant::toDouble() const {
    return std::visit(
        [this](const auto& v) -> double {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return 0.0;
            else if constexpr (std::is_same_v<T, std::int64_t>)
                return static_cast<double>(v);
            else if constexpr (std::is_same_v<T, double>)
                return v;
            else if constexpr (std::is_same_v<T, std::string>) {
                if (!isPlainNumber(v))
                    mismatch(v, "a number");
                return std::strtod(v.c_str(), nullptr);
            } else if constexpr (std::is_same_v<T, Date>)
                return static_cast<double>(v.serial());
            else
                return v ? -1.0 : 0.0; // True is -1, as the system stores it in numbers.
        },
        value_);
}

std::int64_t Variant::toInt64() const {
    if (isInteger())
        return std::get<std::int64_t>(value_);
    const double d = roundHalfEven(toDouble());
    if (!(d >= -9.2e18 && d <= 9.2e18))
        mismatch(toString(), "a whole number");
    return static_cast<std::int64_t>(d);
}

std::int32_t Variant::toInt32() const {
    const std::int64_t v = toInt64();
    if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
        throw ServerError(kErrOverflow, "Variant",
                          "Overflow: " + std::to_string(v) + " does not fit a 32-bit number",
                          ErrorKind::Conversion);
    return static_cast<std::int32_t>(v);
}

bool Variant::toBool() const {
    if (isBool())
        return std::get<bool>(value_);
    if (isText()) {
        const auto& s = std::get<std::string>(value_);
        if (strcasecmp(s.c_str(), "true") == 0 || strcasecmp(s.c_str(), "yes") == 0)
            return true;
        if (strcasecmp(s.c_str(), "false") == 0 || strcasecmp(s.c_str(), "no") == 0 || s.empty())
            return false;
    }
    return toDouble() != 0;
}

Date Variant::toDate() const {
    if (isNull())
        return Date::noDate();
    if (isDate())
        return std::get<Date>(value_);
    if (isText()) {
        if (auto d = Date::fromIso(std::get<std::string>(value_)))
            return *d;
        mismatch(std::get<std::string>(value_), "a date");
    }
    if (isBool())
        mismatch(toString(), "a date");
    return Date::fromSerial(static_cast<long>(std::floor(toDouble())));
}

std::string Variant::toString() const {
    return std::visit(
        [](const auto& v) -> std::string {
            using T = std::decay_t<decltype(v)>;
            if constexpr (std::is_same_v<T, std::monostate>)
                return {};
            else if constexpr (std::is_same_v<T, std::int64_t>)
                return std::to_string(v);
            else if constexpr (std::is_same_v<T, double>)
                return formatNumber(v);
            else if constexpr (std::is_same_v<T, std::string>)
                return v;
            else if constexpr (std::is_same_v<T, Date>)
                return v.toIso();
            else
                return v ? "True" : "False";
        },
        value_);
}

} // namespace qel
