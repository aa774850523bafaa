// The rule that decides which menu items are visible and enabled, apart from any widget: the main
// window's updateActions() applies it to every item whenever one of its inputs changes, and a
// table test covers it without a window.
#pragma once

#include "app/shell/MenuTable.h"

namespace qel {

// What the items' states depend on.
struct ActionInputs {
    bool companyChosen = false;   // a current company is set (CurrentCompanyId above 0)
    bool passwordOn = false;      // the password switch EnablePwd is "Y" (exactly)
    bool limitedLogon = false;    // the logon was of a user whose level is not "Admin"
    unsigned subsystems = 0;      // Need bits of the registered subsystems
    bool childWindowOpen = false; // the main window has at least one child window open
};

struct ActionState {
    bool visible = true;
    bool enabled = false;
};

// The state of an item with these needs (Need bits) and visibility rule. hasHandler: a handler is
// registered under the item's name; without one the item is disabled whatever else holds.
ActionState actionState(unsigned needs, Shown shown, bool hasHandler, const ActionInputs& inputs);

// The inputs as the running program has them (program state and subsystem registry); the caller
// knows whether a child window is open.
ActionInputs programActionInputs(bool childWindowOpen);

} // namespace qel
