// Saving, loading and deleting an asset through the real asset form, opened from the main
// window's menu on a fixture database.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AssetSaveTest : public QObject {
    Q_OBJECT
private slots:
    void saveThenLoadRoundTripsEveryField();
    void theFirstAssetAfterOpeningIsSavedAsAfterNew();
    void eachKeptBookGetsItsRowAndABookNotKeptIsUntouched();
    void aRefusedStatementKeepsTheForm_data();
    void aRefusedStatementKeepsTheForm();
    void aBookThatFailsItsChecksStopsTheSave();
    void deleteEmptiesTheAssetAndThePicker();
    void aFailedLoadLeavesAddMode();
    void aStoredAllowanceWithoutBaseTicksNoBonus();
    void undoDropsTheEdits();
    void aNulTypedOrPastedNeverReachesTheSave_data();
    void aNulTypedOrPastedNeverReachesTheSave();
};

} // namespace qel::test
