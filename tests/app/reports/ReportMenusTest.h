// Every report menu item, chosen in the real main window on a company with assets, opens its
// report window with its rows and caption.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ReportMenusTest : public QObject {
    Q_OBJECT
private slots:
    void eachReportItemOpensItsWindow_data();
    void eachReportItemOpensItsWindow();
    void theYearPromptOffersTheWorkingYear();
    void thePeriodPromptOffersTodaysFiscalMonth();
    void setDefaultYearChangesTheWorkingYear();
    void itemsOfWindowsStillToComeAreDisabled();
};

} // namespace qel::test
