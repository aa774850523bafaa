// The table maintenance subsystem: the service the shell's Defaults and Maintenance menus reach
// (MaintenanceServices), which keeps the one maintenance window frmMaint as a child window of
// the main window, and its registration.
#pragma once

#include "app/shell/MaintenanceServices.h"

#include <QPointer>

namespace qel {

class FrmMaint;
class SubsystemParts;

class Maintenance : public MaintenanceServices {
public:
    ~Maintenance() override;

    // Opens the window when it is not open (8700 x 5500 twips) and prepares it for the table.
    void DisplayInterface(const QString& tableKey) override;
    // Brings the window to the front, opening it when it is not open.
    void showMaint() override;

    // The open window, or nullptr.
    FrmMaint* window() const;

private:
    FrmMaint* open();

    // The window when there is no main window to hold it (it is then a window of its own).
    QPointer<FrmMaint> own_;
};

// Makes the service and registers it with the menu items of every maintained table.
void registerMaintenance(SubsystemParts& parts);

} // namespace qel
