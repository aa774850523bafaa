// Fiscal period texts, period dates and the fiscal year of a date column.
#include "server/data/FiscalPeriod.h"

#include <cstdio>

namespace qel {

std::optional<Date> parsePeriod(std::string_view period) {
    if (period.size() != 6)
        return std::nullopt;
    int digits[6];
    for (std::size_t i = 0; i < 6; ++i) {
        if (period[i] < '0' || period[i] > '9')
            return std::nullopt;
        digits[i] = period[i] - '0';
    }
    const int year = digits[0] * 1000 + digits[1] * 100 + digits[2] * 10 + digits[3];
    const int month = digits[4] * 10 + digits[5];
    if (month < 1 || month > 12)
        return std::nullopt;
    return Date(year, month, 1);
}

std::optional<Date> periodDate(std::string_view period) {
    const std::optional<Date> date = parsePeriod(period);
    if (!date || date->year() <= 1900)
        return std::nullopt;
    return date;
}

std::string periodText(const Date& date) {
    char text[16];
    std::snprintf(text, sizeof text, "%04d%02d", date.year(), date.month());
    return text;
}

std::string fiscalYearOf(std::string_view column) {
    return "CAST(strftime('%Y', " + std::string(column) + ") AS INTEGER)";
}

} // namespace qel
