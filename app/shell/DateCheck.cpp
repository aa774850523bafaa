// The typed-date check.
#include "app/shell/DateCheck.h"

namespace qel {
namespace {

// The digits of a part as a number; nothing for an empty part or one of more than four digits.
std::optional<int> partValue(const QString& part) {
    if (part.isEmpty() || part.size() > 4)
        return std::nullopt;
    int value = 0;
    for (const QChar c : part) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return std::nullopt;
        value = value * 10 + (c.unicode() - '0');
    }
    return value;
}

// The parts of "m/d/y": exactly two separators.
bool splitDate(const QString& text, QString& month, QString& day, QString& year) {
    const qsizetype p1 = text.indexOf(QLatin1Char('/'));
    if (p1 < 0)
        return false;
    const qsizetype p2 = text.indexOf(QLatin1Char('/'), p1 + 1);
    if (p2 < 0)
        return false;
    month = text.left(p1);
    day = text.mid(p1 + 1, p2 - p1 - 1);
    year = text.mid(p2 + 1);
    return true;
}

} // namespace

std::optional<Date> parseTypedDate(const QString& text) {
    QString monthText, dayText, yearText;
    if (!splitDate(text, monthText, dayText, yearText))
        return std::nullopt;
    const std::optional<int> month = partValue(monthText);
    const std::optional<int> day = partValue(dayText);
    std::optional<int> year = partValue(yearText);
    if (!month || !day || !year)
        return std::nullopt;
    if (yearText.size() <= 2)
        *year += *year < 30 ? 2000 : 1900;
    else if (*year < 100)
        return std::nullopt;
    if (!Date::isValid(*year, *month, *day))
        return std::nullopt;
    return Date(*year, *month, *day);
}

bool IsValidDate(const QString& value, bool blankAllowed, bool yearRange) {
    if (value.isEmpty())
        return blankAllowed;
    const std::optional<Date> date = parseTypedDate(value);
    if (!date)
        return false;
    QString monthText, dayText, yearText;
    splitDate(value, monthText, dayText, yearText);
    if (yearRange && yearText.size() == 4)
        return date->year() >= 1901 && date->year() <= 2079;
    return true;
}

} // namespace qel
