// The About box, "Getting Started", the bug report and the links.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ProgramWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void theAboutBoxShowsTitleVersionAndLinks();
    void theAboutBoxOpensBesideTheMainWindow();
    void enterStartsSystemInformationAndEscCloses();
    void systemInformationRunsTheFirstToolFound_data();
    void systemInformationRunsTheFirstToolFound();
    void gettingStartedShowsTheTipsInOrder();
    void gettingStartedStoresAChangedSwitchOnClose_data();
    void gettingStartedStoresAChangedSwitchOnClose();
    void gettingStartedIsOneWindowAndClosesWithTheMainWindow();
    void theBugReportMailsAndCloses();
    void theHelpMenuReachesTheWindows();
    void withoutAMailProgramTheAddressIsShown_data();
    void withoutAMailProgramTheAddressIsShown();
    void startUpOpensGettingStartedWhenTheDefaultsAsk_data();
    void startUpOpensGettingStartedWhenTheDefaultsAsk();
    void everyTextFitsItsControl_data();
    void everyTextFitsItsControl();
};

} // namespace qel::test
