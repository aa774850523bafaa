// The maintenance window's edit cycle and writers on a database copy.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class MaintEditTest : public QObject {
    Q_OBJECT
private slots:
    void aLocationIsAddedChangedAndDeleted();
    void aLongerValueWidensItsColumn();
    void typedTextIsStoredAsTypedAndEveryTableSurvives_data();
    void typedTextIsStoredAsTypedAndEveryTableSurvives();
    void aDuplicateKeyIsRefusedAndTheEditsStay();
    void aFailedStatementIsReportedAndTheEditsStay();
    void aNumberColumnRefusesText();
    void aNumberBeyondItsColumnIsRefusedAtTheField_data();
    void aNumberBeyondItsColumnIsRefusedAtTheField();
    void aClassInUseIsNotDeleted();
    void aClassIsStoredWithItsMethodAndAccountIds();
    void theChecksMarkTheirFields();
    void switchingTablesWithUnsavedEditsAsksFirst_data();
    void switchingTablesWithUnsavedEditsAsksFirst();
    void anotherRowWithUnsavedEditsAsksFirst();
    void deleteRemovesTheRowOfTheDeletedRecord();
    void undoReloadsTheRow();
    void aCompanysBookSwitchesLoadAndStore();
    void aForm4562RowBelongsToTheCurrentCompany();
    void aStoredTextLongerThanItsColumnIsKeptWhole();
};

} // namespace qel::test
