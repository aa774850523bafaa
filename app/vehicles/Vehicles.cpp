// The vehicles subsystem's services.
#include "app/vehicles/Vehicles.h"

#include "app/shell/Subsystems.h"
#include "app/vehicles/ModAutoUse.h"

namespace qel {

bool Vehicles::VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum) {
    return qel::VehicleDocsOk(intYear, intVehicleNum);
}

bool Vehicles::VehicleUseOk(std::int16_t intYear) {
    return qel::VehicleUseOk(intYear);
}

bool Vehicles::DoAutoUseForm(std::int16_t intYear, std::int16_t intVehicleNum) {
    return qel::DoAutoUseForm(intYear, intVehicleNum);
}

bool Vehicles::DoAutoQstForm(std::int16_t intYear) {
    return qel::DoAutoQstForm(intYear);
}

void registerVehicles(SubsystemParts& parts) {
    registerServices(parts.make<Vehicles>());
}

} // namespace qel
