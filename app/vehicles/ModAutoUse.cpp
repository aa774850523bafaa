// The vehicle windows' opening and the two vehicle data checks.
#include "app/vehicles/ModAutoUse.h"

#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "app/vehicles/FrmAutoQst.h"
#include "app/vehicles/FrmAutoUse.h"
#include "app/vehicles/rules/VehicleData.h"

namespace qel {

AutoUseState& autoUseState() {
    static AutoUseState state;
    return state;
}

void showVehicleError(const char* procedure) {
    showSourcedErrorBox(QStringLiteral("Error in ") + QString::fromUtf8(procedure) + QStringLiteral(". "));
}

bool SaveChangesOk(bool& formDirty, const std::function<bool()>& save) {
    if (!formDirty)
        return true;
    switch (ui().messageBox(QStringLiteral("Save Changes?"), MsgButtons::YesNoCancel)) {
    case MsgResult::Yes:
        if (!save())
            return false;
        formDirty = false;
        return true;
    case MsgResult::No:
        formDirty = false;
        return true;
    default:
        return false;
    }
}

void DoAutoUseForm(std::int16_t intYear, std::int16_t intVehicleNum) {
    autoUseState().AutoYear = intYear;
    FrmAutoUse form(MdiMain::instance());
    form.focusVehicle(intVehicleNum);
    ui().execModal(form);
}

void DoAutoQstForm(std::int16_t intYear) {
    AutoUseState& state = autoUseState();
    state.AutoYear = intYear;
    state.QstAnyYes = false;
    FrmAutoQst form(MdiMain::instance());
    ui().execModal(form);
}

bool VehicleUseOk(std::int16_t intYear) {
    try {
        return vehicleUseComplete(programState().CurrentCompanyId, intYear);
    } catch (...) {
        // Without the counts nothing says the data are complete.
        showVehicleError("VehicleUseOk");
        return false;
    }
}

bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum) {
    if (intVehicleNum < 1)
        return true;
    const std::int32_t company = programState().CurrentCompanyId;
    bool stored = false;
    try {
        stored = vehicleUseStored(company, intYear, intVehicleNum);
    } catch (...) {
        showVehicleError("VehicleDocsOk");
    }
    if (stored)
        return true;

    const AutoUseState& state = autoUseState();
    const auto useWindow = [&] {
        DoAutoUseForm(intYear, intVehicleNum);
        return !state.AutoCancelled;
    };
    if (ui().messageBox(
            QStringLiteral("Is the vehicle used by a sole proprietor, partner or other 'more than 5% "
                           "owner,' or related person?"),
            MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Auto Use")) == MsgResult::Yes)
        return useWindow();

    std::optional<StoredAnswers> answers;
    try {
        answers = loadEmployerAnswers(company, intYear);
    } catch (...) {
        showVehicleError("VehicleDocsOk");
    }
    if (!answers) {
        DoAutoQstForm(intYear);
        if (state.QstAnyYes)
            return true;
    } else if (anyYes(*answers)) {
        return true;
    }
    return useWindow();
}

} // namespace qel
