// Variant: one value of a recordset field or of a single-value query: Null, a whole number,
// a double, a text, a date or a Yes/No value.
#pragma once

#include "common/Date.h"

#include <cstdint>
#include <string>
#include <variant>

namespace qel {

class Variant {
public:
    using Storage = std::variant<std::monostate, std::int64_t, double, std::string, Date, bool>;

    Variant() = default;
    Variant(std::int64_t v) : value_(v) {}
    Variant(int v) : value_(static_cast<std::int64_t>(v)) {}
    Variant(double v) : value_(v) {}
    Variant(std::string v) : value_(std::move(v)) {}
    Variant(const char* v) : value_(std::string(v)) {}
    Variant(Date v) : value_(v) {}
    Variant(bool v) : value_(v) {}

    bool isNull() const { return std::holds_alternative<std::monostate>(value_); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(value_); }
    bool isDouble() const { return std::holds_alternative<double>(value_); }
    bool isNumber() const { return isInteger() || isDouble(); }
    bool isText() const { return std::holds_alternative<std::string>(value_); }
    bool isDate() const { return std::holds_alternative<Date>(value_); }
    bool isBool() const { return std::holds_alternative<bool>(value_); }

    const Storage& storage() const { return value_; }

    // Conversions. Each throws ServerError (kind Conversion) when the value cannot be read as
    // the asked type; Null converts to 0, "" or false, and to the "no date" value.
    // toInt64 and toInt32 round a fraction half to even (2.5 gives 2, 3.5 gives 4), as the
    // system converts amounts to whole numbers.
    double toDouble() const;
    std::int64_t toInt64() const;
    std::int32_t toInt32() const;
    bool toBool() const;
    Date toDate() const;
    // Text as the system shows it: numbers in plain decimal (up to 15 significant digits),
    // dates as ISO text, Yes/No as "True"/"False", Null as "".
    std::string toString() const;

    friend bool operator==(const Variant&, const Variant&) = default;

private:
    Storage value_;
};

} // namespace qel
