// The subsystems the shell and the other subsystems reach through small service interfaces, and
// how a subsystem registers itself.
//
// A subsystem (app/<subsystem>/, see app/README.md) has one registration function, called by
// main() before the main window is made: it makes its parts with SubsystemParts::make and
// registers its services with registerServices, which also registers the handlers of the menu
// items that reach those services (MenuCommands.cpp); the items are enabled from then on. The
// subsystems call one another only through the interfaces in subsystems().
#pragma once

#include <memory>
#include <utility>
#include <vector>

namespace qel {

class AssetEntryServices;
class MonthlyDeprServices;
class MaintenanceServices;
class ReportServices;
class DataExchangeServices;
class ProgramServices;
class PrintingServices;
class VehicleServices;

struct Subsystems {
    AssetEntryServices* assetEntry = nullptr;
    MonthlyDeprServices* monthlyDepr = nullptr;
    MaintenanceServices* maintenance = nullptr;
    ReportServices* reports = nullptr;
    DataExchangeServices* dataExchange = nullptr;
    ProgramServices* program = nullptr;
    PrintingServices* printing = nullptr;
    VehicleServices* vehicles = nullptr;
};

// The one registry.
Subsystems& subsystems();

// Registers the services in subsystems() and the handlers of the menu items that reach them. The
// services must stay alive until the program ends (make them with SubsystemParts).
void registerServices(AssetEntryServices& services);
void registerServices(MonthlyDeprServices& services);
void registerServices(MaintenanceServices& services);
void registerServices(ReportServices& services);
void registerServices(DataExchangeServices& services);
void registerServices(ProgramServices& services);
void registerServices(PrintingServices& services);
void registerServices(VehicleServices& services);

// What the subsystems make when they register, kept by main() until the program ends: made
// before the main window and destroyed after it, inside the application object's life.
class SubsystemParts {
public:
    SubsystemParts() = default;
    // Empties the subsystem and command registries, then destroys the parts, the last made first.
    ~SubsystemParts();
    SubsystemParts(const SubsystemParts&) = delete;
    SubsystemParts& operator=(const SubsystemParts&) = delete;

    template <typename Part, typename... Args> Part& make(Args&&... args) {
        auto part = std::make_shared<Part>(std::forward<Args>(args)...);
        parts_.push_back(part);
        return *part;
    }

private:
    std::vector<std::shared_ptr<void>> parts_;
};

} // namespace qel
