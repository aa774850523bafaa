// The vehicle use window: its columns, totals, key filter and echo, loading, the check and the
// save of the changed columns, deleting a column's use, and closing with unsaved edits.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AutoUseWindowTest : public QObject {
    Q_OBJECT
private slots:
    void sevenVehiclesFillSixColumns();
    void aYearWithoutVehiclesDisablesEveryColumn();
    void aVehicleWithoutDescriptionHasItsColumnDisabled();
    void openingFocusesTheVehiclesColumn_data();
    void openingFocusesTheVehiclesColumn();
    void leavingABoxTotalsTheColumn_data();
    void leavingABoxTotalsTheColumn();
    void theKeyFilterKeepsDigitsAndThePoint();
    void everyEditMarksTheColumn();
    void releasingAKeyEchoesTheBox_data();
    void releasingAKeyEchoesTheBox();
    void storedUseLoadsWithItsAnswers();
    void saveChecksTheChangedColumnsInOrder();
    void aMissingAnswerIsNamedAndMovesNoFocus();
    void saveStoresEachChangedColumn();
    void aRefusedSaveStoresNothingAndKeepsTheEdits();
    void closingWithUnsavedEditsAsks_data();
    void closingWithUnsavedEditsAsks();
    void deleteRemovesTheColumnsUseAndLoadsAfresh();
    void deleteOfANumberWithoutColumnIsRefusedAfterTheQuestion_data();
    void deleteOfANumberWithoutColumnIsRefusedAfterTheQuestion();
    void deleteAsksToSaveTheOtherEditsFirst();
    void editsDroppedAtCloseAreForgottenAtTheNextOpening();
    void everyTextFits();
};

} // namespace qel::test
