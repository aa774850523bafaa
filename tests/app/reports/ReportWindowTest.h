// The report window: its size by its rows, an empty or failed report, its place, its buttons
// and its sorting.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ReportWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theWindowIsSizedByItsRows_data();
    void theWindowIsSizedByItsRows();
    void aShortReportShowsEveryRowWhole_data();
    void aShortReportShowsEveryRowWhole();
    void aScheduleShowsItsWholeTitle();
    void aReportWithoutRowsOpensNoWindowAndSaysSo();
    void aFailedQueryShowsOneErrorAndOpensNoWindow();
    void theOnlyReportWindowGoesToTheTopLeftCorner();
    void aReportOpenedOverAMaximizedWindowTakesItsOwnSize();
    void theFixedWidthReportsKeepTheirWidthWithinTheMainWindow();
    void gridlinesToggleAndEscapeCloses();
    void printIsOffWithoutPrintingAndPrintsTheListWithIt();
    void aColumnClickSortsWithinTheGroups_data();
    void aColumnClickSortsWithinTheGroups();
    void theListShowsBoldTotalsAndHiddenColumns();
    void aCellWiderThanItsColumnWidensIt_data();
    void aCellWiderThanItsColumnWidensIt();
};

} // namespace qel::test
