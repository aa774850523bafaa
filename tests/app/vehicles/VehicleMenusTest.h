// The vehicle windows as the user reaches them: the Maintenance menu's "Auto Use" and "Auto Qst
// for Employer" through the year prompt, and the vehicle data check before Form 4562.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class VehicleMenusTest : public QObject {
    Q_OBJECT
private slots:
    void theItemsOpenTheWindowsOfTheYearTyped_data();
    void theItemsOpenTheWindowsOfTheYearTyped();
    void form4562AsksWhenTheVehicleDataAreIncomplete_data();
    void form4562AsksWhenTheVehicleDataAreIncomplete();
};

} // namespace qel::test
