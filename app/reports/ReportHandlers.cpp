// The reports that open no window, as the report prompts run them with the year typed: Form 4562
// after its questions, the default year, and the vehicle forms of the vehicles subsystem.
#include "app/reports/ReportWindows.h"
#include "app/reports/rules/Form4562Questions.h"

#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/VehicleServices.h"

#include <stdexcept>

namespace qel::reports {
namespace {

const QString kVehiclesNotAvailable =
    QStringLiteral("The vehicle windows are not available in this version of the program.");

bool askYes(const std::string& question) {
    return ui().messageBox(QString::fromStdString(question), MsgButtons::YesNo) == MsgResult::Yes;
}

// Shows a vehicle form, or the box that says the program has none.
template <typename Form> void vehicleForm(Form&& form) {
    if (VehicleServices* vehicles = subsystems().vehicles; !vehicles)
        ui().messageBox(kVehiclesNotAvailable);
    else
        form(*vehicles);
}

} // namespace

void registerReportHandlers(ReportWindows& windows) {
    windows.addHandler("Form 4562", [](const QString& answer, std::int16_t year) {
        Form4562Steps* steps = form4562Steps();
        if (!steps)
            throw std::logic_error("Form 4562 has no steps registered");
        runForm4562(*steps, answer.toStdString(), year, programState().CurrentCompanyId(), askYes);
    });
    windows.addHandler("Default Year", [](const QString&, std::int16_t year) {
        SetDefaultYear(Variant(static_cast<std::int32_t>(year)));
    });
    windows.addHandler("Auto Use Form", [](const QString&, std::int16_t year) {
        vehicleForm([year](VehicleServices& vehicles) { vehicles.DoAutoUseForm(year, 0); });
    });
    windows.addHandler("Auto Question Form", [](const QString&, std::int16_t year) {
        vehicleForm([year](VehicleServices& vehicles) { vehicles.DoAutoQstForm(year); });
    });
}

} // namespace qel::reports
