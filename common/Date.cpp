// Calendar arithmetic for Date.
#include "common/Date.h"

#include <algorithm>
#include <charconv>
#include <cstdio>

namespace qel {
namespace {

// Days from 1970-01-01 to the given civil date (proleptic Gregorian).
long daysFromCivil(int y, int m, int d) {
    y -= m <= 2;
    const long era = (y >= 0 ? y : y - 399) / 400;
    const long yoe = y - era * 400;
    const long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

Date civilFromDays(long z) {
    z += 719468;
    const long era = (z >= 0 ? z : z - 146096) / 146097;
    const long doe = z - era * 146097;
    const long yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const long doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const long mp = (5 * doy + 2) / 153;
    const int d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    const int m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    const int y = static_cast<int>(yoe + era * 400 + (m <= 2));
    return Date(y, m, d);
}

// 1899-12-30 is serial 0.
const long kSerialEpoch = daysFromCivil(1899, 12, 30);

bool parseInt(std::string_view text, int& out) {
    auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

} // namespace

bool Date::isLeapYear(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int Date::daysInMonth(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month == 2 && isLeapYear(year))
        return 29;
    return kDays[month - 1];
}

bool Date::isValid(int year, int month, int day) {
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12 && day >= 1 &&
           day <= daysInMonth(year, month);
}

std::optional<Date> Date::fromIso(std::string_view text) {
    if (text.size() < 10 || text[4] != '-' || text[7] != '-')
        return std::nullopt;
    if (text.size() > 10 && text[10] != ' ' && text[10] != 'T')
        return std::nullopt;
    int y = 0, m = 0, d = 0;
    if (!parseInt(text.substr(0, 4), y) || !parseInt(text.substr(5, 2), m) || !parseInt(text.substr(8, 2), d))
        return std::nullopt;
    if (!isValid(y, m, d))
        return std::nullopt;
    return Date(y, m, d);
}

Date Date::fromSerial(long serial) {
    return civilFromDays(serial + kSerialEpoch);
}

long Date::serial() const {
    return daysFromCivil(year_, month_, day_) - kSerialEpoch;
}

std::string Date::toIso() const {
    char buf[16];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d", year_, month_, day_);
    return buf;
}

Date Date::addMonths(int n) const {
    int index = year_ * 12 + (month_ - 1) + n;
    int y = index / 12;
    int m = index % 12 + 1;
    int d = std::min(day_, daysInMonth(y, m));
    return Date(y, m, d);
}

} // namespace qel
