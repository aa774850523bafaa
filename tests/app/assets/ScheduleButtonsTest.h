// The Tax and Book schedule buttons of the asset form, with the report windows faked.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ScheduleButtonsTest : public QObject {
    Q_OBJECT
private slots:
    void schedulesWaitForAnAssetAndTheReports();
    void taxScheduleNeedsABookAndABasis();
    void choosingABookClearsTheRequestForOne_data();
    void choosingABookClearsTheRequestForOne();
    void bookScheduleDatesByTheFiscalMonth();
    void bookScheduleRefusals_data();
    void bookScheduleRefusals();
    void bookScheduleStopsWithoutAFiscalYearEnd();
};

} // namespace qel::test
