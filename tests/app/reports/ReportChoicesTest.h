// The two report choice windows as the menus open them: "Select a Tax Report" (Tax Reports) and
// the asset listing's location choice (Book, Asset Listing).
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ReportChoicesTest : public QObject {
    Q_OBJECT
private slots:
    void theTaxReportWindowOpensOnceWithTheAlternativeBooks();
    void missingChoicesAreToldOnTheStatusLine_data();
    void missingChoicesAreToldOnTheStatusLine();
    void okRunsTheBooksReportOfTheChosenBookAndStaysOpen();
    void theTypedYearIsCheckedByTheReportPrompts();
    void theLocationChoiceOffersEveryLocationAndAll();
    void okShowsTheListingOfTheChosenLocation_data();
    void okShowsTheListingOfTheChosenLocation();
    void withoutPrintingTheListingIsNotAvailable();
};

} // namespace qel::test
