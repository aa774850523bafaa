// The main window's menu tree as data: every menu and item in menu-bar and item order, with
// its name (the objectName of its QMenu or QAction), caption ("&" marks the access key), help
// context id, the kind of its action (with its argument), what the action needs and when the
// item is visible. The handlers that run the actions are registered apart (Commands.h).
#pragma once

#include <vector>

namespace qel {

// What an item's action needs (bits): the subsystems it reaches, a chosen company (its action works
// on the current company's data), an open child window (the window arrangement items). An item
// is enabled only while all its needs are met and a handler is registered under its name
// (Commands.h, ActionState.h).
enum Need : unsigned {
    kNeedsNothing = 0,
    kNeedsAssetEntry = 1u << 0,
    kNeedsMonthlyDepr = 1u << 1,
    kNeedsMaintenance = 1u << 2,
    kNeedsReports = 1u << 3,
    kNeedsDataExchange = 1u << 4,
    kNeedsProgram = 1u << 5,
    kNeedsCompany = 1u << 6,
    kNeedsChildWindow = 1u << 7,
    kNeedsVehicles = 1u << 8,
    kNeedsPrinting = 1u << 9,
};

// When an item is visible: always, or by the password switch. The items shown while the switch
// is on (user maintenance, "Disable Password") are hidden too after the logon of a user whose
// level is not "Admin".
enum class Shown { Always, PasswordOff, PasswordOn };

enum class MenuAction {
    Separator,
    Report,       // GetReport(argument, no year, book 0): the report of that name, as the reports'
                  // catalogue says (its prompt, its window or handler)
    ExportYear,   // GetExport(argument) without the flag: asks the year
    ExportPeriod, // GetExport(argument, true): asks the period
    Table,        // DisplayInterface(argument), then the maintenance window shown modeless
    Command,      // a handler of its own, registered under the item's name
};

struct MenuItemDef {
    const char* name;
    const char* caption;
    int helpId; // help context id; 0 when none
    MenuAction action;
    const char* argument; // report, export or table name; nullptr for the other actions
    unsigned needs;       // Need bits
    Shown shown;
};

struct MenuDef {
    const char* name;
    const char* caption;
    bool clearsStatusLine;          // opening the menu clears the status line
    std::vector<MenuItemDef> items; // empty for a menu-bar item without a submenu
    unsigned needs;                 // for a menu-bar item without a submenu: what it needs
};

// The whole tree, in menu-bar order.
const std::vector<MenuDef>& menuTable();

} // namespace qel
