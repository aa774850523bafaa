// The main window's menu tree as data: every menu and item in menu-bar and item order, with
// its name (the objectName of its QMenu or QAction), caption ("&" marks the access key), help
// context id, stored visibility, the kind of its action and the subsystems the action needs.
#pragma once

#include <vector>

namespace qel {

// The subsystems an action reaches (bits); an item whose subsystems are not all registered is
// shown disabled.
enum Need : unsigned {
    kNeedsNothing = 0,
    kNeedsAssetEntry = 1u << 0,
    kNeedsMonthlyDepr = 1u << 1,
    kNeedsMaintenance = 1u << 2,
    kNeedsReports = 1u << 3,
    kNeedsDataExchange = 1u << 4,
    kNeedsProgram = 1u << 5,
};

enum class MenuAction {
    Separator,
    ReportYear,   // GetReport(argument, period flag 0, no year, book 0): asks the fiscal year
    ReportPeriod, // the same with the period flag set: asks the fiscal period
    ExportYear,   // GetExport(argument) without the flag: asks the year
    ExportPeriod, // GetExport(argument, true): asks the period
    Table,        // DisplayInterface(argument), then the maintenance window shown modeless
    Command,      // the main window's own handler of the item's name
};

struct MenuItemDef {
    const char* name;
    const char* caption;
    int helpId; // help context id; 0 when none
    MenuAction action;
    const char* argument; // report, export or table name; nullptr for the other actions
    unsigned needs;       // Need bits
    bool storedHidden;    // hidden until the program shows it
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
