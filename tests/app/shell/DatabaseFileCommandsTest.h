// The database file commands: backup, restore and set path.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class DatabaseFileCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void cancelDoesNothing_data();
    void cancelDoesNothing();
    void aWrongFileNameIsRefused_data();
    void aWrongFileNameIsRefused();
    void theFileNameRuleIgnoresCase_data();
    void theFileNameRuleIgnoresCase();
    void aNameTypedWithoutExtensionTakesMdb_data();
    void aNameTypedWithoutExtensionTakesMdb();
    void aBackupTakenWhileConnectedOpensWithTheSameRows();
    void aRestoreOfACopyBringsBackItsDataAndTheProgramKeepsWorking();
    void aRestoreOfAFileOfAnotherKindChangesNothing();
    void aRestoreWhoseCopyFailsLeavesTheDatabaseAndReconnects();
    void aFailedSetPathKeepsTheOldConnectionAndSaysSo_data();
    void aFailedSetPathKeepsTheOldConnectionAndSaysSo();
    void aSetPathThatConnectsRepeatsTheStartUpSteps();
    void aNamedPipeIsRefusedAtOnce_data();
    void aNamedPipeIsRefusedAtOnce();
};

} // namespace qel::test
