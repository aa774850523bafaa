// The asset form as a user reaches it: opened from the main window's menu on a fixture database,
// its controls, New, "Save Changes?", the validation shown on the form.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AssetFormTest : public QObject {
    Q_OBJECT
private slots:
    void opensFromTheMenuWithItsListsFilled();
    void theMainWindowMakesRoomForTheAssetWindow_data();
    void theMainWindowMakesRoomForTheAssetWindow();
    void opensOnceAndClosesWithItsWindow();
    void theSampleCompanysListsShowWhole();
    void everyControlHasItsCaptionAndState();
    void tabOrderFollowsTheEntryOfAnAsset();
    void helpIdsOfTheControls_data();
    void helpIdsOfTheControls();
    void newBlanksTheFormForANewAsset();
    void saveChangesWhenClosing_data();
    void saveChangesWhenClosing();
    void setCompanyLeavesAFormThatStaysOpenAlone();
    void emptyFormShowsItsMessagesAndFocusesTheLast();
    void buttonsWithoutTheirWorkStayDisabled();
    void aScreenReaderNamesEveryField();
    void theActiveWindowsAccessKeysWin_data();
    void theActiveWindowsAccessKeysWin();
};

} // namespace qel::test
