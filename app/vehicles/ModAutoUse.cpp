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

bool DoAutoUseForm(std::int16_t intYear, std::int16_t intVehicleNum) {
    FrmAutoUse form(intYear, MdiMain::instance());
    form.focusVehicle(intVehicleNum);
    ui().execModal(form);
    return !form.cancelled();
}

bool DoAutoQstForm(std::int16_t intYear) {
    FrmAutoQst form(intYear, MdiMain::instance());
    ui().execModal(form);
    return form.anyYesStored();
}

bool VehicleUseOk(std::int16_t intYear) {
    bool complete = false;
    // Without the counts nothing says the data are complete.
    runWithSourcedErrorBox(QStringLiteral("Error in VehicleUseOk. "), [&] {
        complete = vehicleUseComplete(programState().CurrentCompanyId(), intYear);
    });
    return complete;
}

bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum) {
    if (intVehicleNum < 1)
        return true;
    const std::int32_t company = programState().CurrentCompanyId();
    const QString lead = QStringLiteral("Error in VehicleDocsOk. ");
    bool stored = false;
    runWithSourcedErrorBox(lead, [&] { stored = vehicleUseStored(company, intYear, intVehicleNum); });
    if (stored)
        return true;

    const auto useWindow = [&] { return DoAutoUseForm(intYear, intVehicleNum); };
    if (ui().messageBox(
            QStringLiteral("Is the vehicle used by a sole proprietor, partner or other 'more than 5% "
                           "owner,' or related person?"),
            MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Auto Use")) == MsgResult::Yes)
        return useWindow();

    std::optional<StoredAnswers> answers;
    runWithSourcedErrorBox(lead, [&] { answers = loadEmployerAnswers(company, intYear); });
    if (!answers) {
        if (DoAutoQstForm(intYear))
            return true;
    } else if (anyYes(*answers)) {
        return true;
    }
    return useWindow();
}

} // namespace qel
