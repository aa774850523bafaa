// A new vehicle asset saved through the real asset form: the vehicles' own check asks who uses
// the vehicle and leads to the vehicle use window or the employer questions.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class VehicleAssetSaveTest : public QObject {
    Q_OBJECT
private slots:
    void aNewVehicleLeadsToItsUse_data();
    void aNewVehicleLeadsToItsUse();
};

} // namespace qel::test
