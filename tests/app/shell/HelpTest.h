// The help: its pages, the help window and the F1 key.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class HelpTest : public QObject {
    Q_OBJECT
private slots:
    void theHelpWindowOpensTheContentsPage();
    void indexTopicsAndLinksShowInTheSameWindow();
    void theHelpMenuShowsContentsAndIndex();
    void aHelpThatCannotBeShownIsReported_data();
    void aHelpThatCannotBeShownIsReported();
    void aBareNameIsCompletedWithTheProgramFolder();
    void theWindowBelongsToTheCallerOnlyWhenShownOnTop();
    void closingClosesTheWindow();
    void everyHelpIdOfTheMenuHasAPageAndEveryLinkAPage();
    void f1ShowsTheTopicOfTheMenuItemOrControl();
};

} // namespace qel::test
