// Period checks of the monthly book depreciation commands.
#include "app/books/PeriodChecks.h"

#include "app/shell/DateCheck.h"
#include "common/Convert.h"

#include <optional>

namespace qel {
namespace {

// The check date of a period's year and month texts: month "/01/" year.
QString checkDate(const QString& year, const QString& month) {
    return month + QStringLiteral("/01/") + year;
}

double yearValue(const QString& year) {
    return leadingNumber(year.toStdString());
}

struct Month {
    int year;
    int month;
    int serial() const { return year * 12 + month - 1; }
};

// One box of the range window: nothing typed, or the period it names when valid.
struct BoxReading {
    bool typed = false;
    std::optional<Month> month;
};

BoxReading readBox(const QString& full) {
    BoxReading r;
    QString clip = full;
    clip.remove(QLatin1Char('-')).remove(QLatin1Char('_'));
    r.typed = !clip.isEmpty();
    if (!r.typed)
        return r;
    const QString year = full.left(4);
    const QString month = full.right(2);
    if (yearValue(year) >= 1900 && IsValidDate(checkDate(year, month), true, false))
        r.month = Month{year.toInt(), month.toInt()};
    return r;
}

} // namespace

bool isTypedPeriodValid(const QString& period) {
    if (period.size() != 6)
        return false;
    const QString year = period.left(4);
    return yearValue(year) > 1900 && IsValidDate(checkDate(year, period.mid(4, 2)), true, false);
}

QString periodMaskText(const QString& period) {
    if (period.size() != 6)
        return period;
    return period.left(4) + QLatin1Char('-') + period.mid(4);
}

PeriodRange checkPeriodRange(const QString& startText, const QString& endText) {
    PeriodRange r;
    const BoxReading start = readBox(startText);
    const BoxReading end = readBox(endText);
    if (!start.typed) {
        r.messages += QStringLiteral("Start Period is require. ");
        r.valid = false;
    } else if (!start.month) {
        r.messages += QStringLiteral(" Start Period is invalid. ");
        r.valid = false;
    }
    if (!end.typed) {
        r.messages += QStringLiteral("End Period is require. ");
        r.valid = false;
    } else if (!end.month) {
        r.messages += QStringLiteral(" End Period is invalid. ");
        r.valid = false;
    }
    if (!r.valid)
        return r;
    if (start.month->serial() > end.month->serial()) {
        r.messages += QStringLiteral(" Start period is greater then End Period. ");
        r.valid = false;
        return r;
    }
    r.monthCount = end.month->serial() - start.month->serial();
    for (int s = start.month->serial(); s <= end.month->serial(); ++s)
        r.periods << QStringLiteral("%1%2")
                         .arg(s / 12, 4, 10, QLatin1Char('0'))
                         .arg(s % 12 + 1, 2, 10, QLatin1Char('0'));
    return r;
}

} // namespace qel
