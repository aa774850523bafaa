// The vehicles subsystem: the vehicle use window, the employer questions and the two vehicle
// data checks, offered to the other subsystems as VehicleServices.
#pragma once

#include "app/shell/VehicleServices.h"

namespace qel {

class SubsystemParts;

class Vehicles : public VehicleServices {
public:
    bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum) override;
    bool VehicleUseOk(std::int16_t intYear) override;
    bool DoAutoUseForm(std::int16_t intYear, std::int16_t intVehicleNum) override;
    bool DoAutoQstForm(std::int16_t intYear) override;
};

// Makes the vehicles' services and registers them (main() calls it before the main window).
void registerVehicles(SubsystemParts& parts);

} // namespace qel
