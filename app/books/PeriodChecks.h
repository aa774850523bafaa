// The checks of typed fiscal periods for monthly book depreciation, and the periods of a range.
//
// A fiscal period is "YYYYMM": four digits of the fiscal year and two of the fiscal month. It is
// tested through its check date, month "/01/" year (03/01/2012 for 201203), so that a month
// outside 1 to 12 or a part that is no number is refused.
#pragma once

#include <QString>
#include <QStringList>

namespace qel {

// A period typed for a single posting: exactly six characters (blanks count), a year above
// 1900 and a month 1 to 12.
bool isTypedPeriodValid(const QString& period);

// "201203" as the range window shows it, "2012-03"; any other text unchanged.
QString periodMaskText(const QString& period);

// The check of the range window's two periods, each read from its box's full text "YYYY-MM"
// (prompt characters "_" where nothing is typed).
struct PeriodRange {
    bool valid = true;
    // The collected messages, joined without separators; empty when valid.
    QString messages;
    // Month boundaries from the start to the end period: 0 for one period.
    int monthCount = 0;
    // Every period from the start to the end, in calendar order, as "YYYYMM".
    QStringList periods;
};

// Both periods are required and checked (a year of 1900 or later, a month 1 to 12); then the
// start may not lie after the end. Messages: "Start Period is require. ", " Start Period is
// invalid. ", "End Period is require. ", " End Period is invalid. ", " Start period is greater
// then End Period. ".
PeriodRange checkPeriodRange(const QString& startText, const QString& endText);

} // namespace qel
