// What the other subsystems need of the vehicle windows. The asset save asks for the use
// documents of a vehicle it has just stored; the vehicles subsystem registers the services as
// subsystems().vehicles, and until it does nothing is asked.
#pragma once

#include <cstdint>

namespace qel {

class VehicleServices {
public:
    virtual ~VehicleServices() = default;

    // After an asset with a vehicle number is stored: when the current company's vehicle has no
    // use row for the year, asks who uses it and opens the vehicle use window or first the
    // employer questions. True when the documents are there. Reports its own failures.
    virtual bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum) = 0;
};

} // namespace qel
