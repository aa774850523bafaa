// The subsystems the shell reaches through small interfaces, each registered when its
// subsystem is built in (main.cpp). A menu command whose subsystem is not registered is shown
// disabled.
#pragma once

namespace qel {

class AssetEntryServices;
class MonthlyDeprServices;
class MaintenanceServices;
class ReportServices;
class DataExchangeServices;
class ProgramServices;

struct Subsystems {
    AssetEntryServices* assetEntry = nullptr;
    MonthlyDeprServices* monthlyDepr = nullptr;
    MaintenanceServices* maintenance = nullptr;
    ReportServices* reports = nullptr;
    DataExchangeServices* dataExchange = nullptr;
    ProgramServices* program = nullptr;
};

// The one registry. Register before the main window is made; it reads the registry when it
// builds its menus.
Subsystems& subsystems();

} // namespace qel
