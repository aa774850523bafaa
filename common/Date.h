// A calendar date without time, as the database stores it (ISO text 'YYYY-MM-DD').
// 1900-01-01 is the system's "no date" value: not sold, not set.
#pragma once

#include <compare>
#include <optional>
#include <string>
#include <string_view>

namespace qel {

class Date {
public:
    // The "no date" value, 1900-01-01.
    constexpr Date() = default;
    constexpr Date(int year, int month, int day) : year_(year), month_(month), day_(day) {}

    static constexpr Date noDate() { return Date(); }

    // Parses "YYYY-MM-DD" (a time part after the date is ignored). Returns nothing when the
    // text is not a valid Gregorian date.
    static std::optional<Date> fromIso(std::string_view text);

    // Days since 1899-12-30, the serial number spreadsheets use for dates.
    static Date fromSerial(long serial);
    long serial() const;

    int year() const { return year_; }
    int month() const { return month_; }
    int day() const { return day_; }
    bool isNoDate() const { return *this == noDate(); }

    // "YYYY-MM-DD".
    std::string toIso() const;

    // The same day n months later (n may be negative); the day is clamped to the month's length.
    Date addMonths(int n) const;

    static bool isLeapYear(int year);
    static int daysInMonth(int year, int month);
    static bool isValid(int year, int month, int day);

    friend constexpr auto operator<=>(const Date&, const Date&) = default;

private:
    int year_ = 1900;
    int month_ = 1;
    int day_ = 1;
};

} // namespace qel
