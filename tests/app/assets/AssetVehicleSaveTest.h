// The vehicle limit at save and the vehicle numbers, through the real asset form opened from
// the main window's menu on a fixture database.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AssetVehicleSaveTest : public QObject {
    Q_OBJECT
private slots:
    void vehicleLimitsAtSave_data();
    void vehicleLimitsAtSave();
    void aLoweredAllowancePassesTheSecondSave();
    void aNewVehicleAsksForItsDocuments();
    void nextVehicleNumber();
};

} // namespace qel::test
