// What the shell needs of table maintenance: the single maintenance window frmMaint, prepared
// for one table and shown modeless.
//
// The maintenance window saves its position with SaveWindowPosition when it unloads, and then,
// while programState().NewFromCompanyPicker() is true, hides itself and opens the company picker
// again (pickCompany); it never clears that flag itself.
#pragma once

#include <QString>

namespace qel {

class MaintenanceServices {
public:
    virtual ~MaintenanceServices() = default;
    // Prepares frmMaint for the table (caption, list, edit fields, help topic) without showing
    // it. The keys: "Misc4562Data", "179Rates", "AutoRates", "Accounts", "Users", "Locations",
    // "AssetClasses", "Companies". Traps its own errors ("Error in DisplayInterface ").
    virtual void DisplayInterface(const QString& tableKey) = 0;
    // Shows frmMaint modeless, creating it on first use.
    virtual void showMaint() = 0;
};

} // namespace qel
