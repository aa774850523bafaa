// Start-up and shut-down of the desktop program.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class StartupTest : public QObject {
    Q_OBJECT
private slots:
    void firstRunOpensAtTheDefaultsWithTheSampleCompany();
    void pickingACompanyNamesItInTheCaption();
    void aDatabaseThatDoesNotOpenIsReportedOnceAndTheWindowStaysOpen_data();
    void aDatabaseThatDoesNotOpenIsReportedOnceAndTheWindowStaysOpen();
    void closingSavesPositionCompanyAndSwitchAndDisconnects();
    void closingMaximizedOrMinimizedKeepsTheStoredPosition_data();
    void closingMaximizedOrMinimizedKeepsTheStoredPosition();
    void aStoredValueThatIsNoNumberIsSkipped();
    void theWindowIsNeverSmallerThan5000By3000Twips();
    void thePasswordSwitchDecidesTheLogonAndTheMenus_data();
    void thePasswordSwitchDecidesTheLogonAndTheMenus();
    void cancellingTheLogonEndsTheProgramWithoutSaving();
    void theDefaultsRowDecidesThePicker_data();
    void theDefaultsRowDecidesThePicker();
    void theStartUpSwitchesAreStored_data();
    void theStartUpSwitchesAreStored();
    void aStoredCompanyIdThatIsNoNumberIsReported();
    void settingTheDefaultYear_data();
    void settingTheDefaultYear();
};

} // namespace qel::test
