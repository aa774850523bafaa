// The main window's menus and status line.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class MenuTest : public QObject {
    Q_OBJECT
private slots:
    void theMenuTreeIsComplete();
    void itemsOfMissingSubsystemsAreDisabled_data();
    void itemsOfMissingSubsystemsAreDisabled();
    void eachItemReachesItsSubsystem_data();
    void eachItemReachesItsSubsystem();
    void theFolderCheckFillsAMissingFolderAndGoesOn();
    void setCompanyClosesTheAssetFormThenOpensThePicker();
    void setCompanyStopsWhenTheAssetFormStaysOpen();
    void displayDatabasePathShowsTheIniPath();
    void thePasswordCommandsNeedAnExactYes_data();
    void thePasswordCommandsNeedAnExactYes();
    void deletingTheLastPeriodIsTheBooksCommand();
    void aLongMessageShowsWholeOnTheStatusLine();
    void theStatusLineTakesColourNumbers_data();
    void theStatusLineTakesColourNumbers();
    void openingSomeMenusClearsTheStatusLine_data();
    void openingSomeMenusClearsTheStatusLine();
    void exitRunsTheShutDown();
    void tileVerticalPutsTheWindowsSideBySide();
    void cascadeStepsTheWindowsAndKeepsTheirSizes();
    void theWindowsMenuListsTheOpenWindows();
};

} // namespace qel::test
