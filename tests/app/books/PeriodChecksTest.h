// The period checks of the monthly commands and the range window, and the run over a range.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class PeriodChecksTest : public QObject {
    Q_OBJECT
private slots:
    void typedPeriods_data();
    void typedPeriods();
    void ranges_data();
    void ranges();
    void rangeRunStopsAtTheFirstFailure();
};

} // namespace qel::test
