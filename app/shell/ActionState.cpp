// The menu items' visibility and enabled state.
#include "app/shell/ActionState.h"

#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"

namespace qel {

ActionState actionState(unsigned needs, Shown shown, bool hasHandler, const ActionInputs& inputs) {
    unsigned met = inputs.subsystems;
    met |= inputs.companyChosen ? kNeedsCompany : 0u;
    met |= inputs.childWindowOpen ? kNeedsChildWindow : 0u;
    ActionState state;
    state.enabled = hasHandler && (needs & ~met) == 0;
    switch (shown) {
    case Shown::Always:
        state.visible = true;
        break;
    case Shown::PasswordOff:
        state.visible = !inputs.passwordOn;
        break;
    case Shown::PasswordOn:
        state.visible = inputs.passwordOn && !inputs.limitedLogon;
        break;
    }
    return state;
}

ActionInputs programActionInputs(bool childWindowOpen) {
    const ProgramState& state = programState();
    const Subsystems& s = subsystems();
    ActionInputs inputs;
    inputs.companyChosen = state.CurrentCompanyId() > 0;
    inputs.passwordOn = state.EnablePwd() == QLatin1String("Y");
    inputs.limitedLogon = state.LimitedLogon();
    inputs.subsystems |= s.assetEntry ? kNeedsAssetEntry : 0u;
    inputs.subsystems |= s.monthlyDepr ? kNeedsMonthlyDepr : 0u;
    inputs.subsystems |= s.maintenance ? kNeedsMaintenance : 0u;
    inputs.subsystems |= s.reports ? kNeedsReports : 0u;
    inputs.subsystems |= s.dataExchange ? kNeedsDataExchange : 0u;
    inputs.subsystems |= s.program ? kNeedsProgram : 0u;
    inputs.subsystems |= s.vehicles ? kNeedsVehicles : 0u;
    inputs.subsystems |= s.printing ? kNeedsPrinting : 0u;
    inputs.childWindowOpen = childWindowOpen;
    return inputs;
}

} // namespace qel
