// The employer questions window: loading, the check, storing as a new row then by update,
// deleting, the "any Yes" answer and closing with unsaved answers.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AutoQstWindowTest : public QObject {
    Q_OBJECT
private slots:
    void answersAreAddedThenUpdated();
    void unansweredQuestionsAreRedAndNothingIsStored();
    void aStoredNullLoadsAsNo();
    void deleteRemovesTheAnswersAndClearsTheButtons();
    void theAnyYesAnswerFollowsTheStoredAnswers_data();
    void theAnyYesAnswerFollowsTheStoredAnswers();
    void aRefusedSaveIsShownAndSaysNoYes();
    void closingAsksWhileAnswersAreUnsaved_data();
    void closingAsksWhileAnswersAreUnsaved();
    void everyTextFits();
    void theFrameShowsTheWholeTitle();
};

} // namespace qel::test
