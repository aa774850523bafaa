// The two vehicle data checks other subsystems call: VehicleUseOk before Form 4562, and
// VehicleDocsOk after a vehicle asset is saved, with the windows it opens.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class VehicleChecksTest : public QObject {
    Q_OBJECT
private slots:
    void vehicleUseOkAnswersForTheYear_data();
    void vehicleUseOkAnswersForTheYear();
    void aFailedCountIsShownAndAnswersFalse();
    void vehicleDocsOkLeadsToTheMissingData_data();
    void vehicleDocsOkLeadsToTheMissingData();
};

} // namespace qel::test
