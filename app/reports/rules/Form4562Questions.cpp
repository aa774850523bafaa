// The questions before Form 4562.
#include "app/reports/rules/Form4562Questions.h"

namespace qel::reports {
namespace {

Form4562Steps* gSteps = nullptr;

} // namespace

Form4562Steps* form4562Steps() {
    return gSteps;
}

void setForm4562Steps(Form4562Steps* steps) {
    gSteps = steps;
}

bool runForm4562(Form4562Steps& steps, std::string_view answer, std::int16_t year, std::int32_t companyId,
                 const AskYesNo& ask) {
    if (!steps.PdfViewerAvailable() && !ask(kReaderMissing))
        return false;
    if (!steps.Misc4562OK(year, companyId) && !ask(kMiscMissing))
        return false;
    if (!steps.Limit179OK(year) && !ask(kLimit179Missing))
        return false;
    if (!steps.LimitAutoOK(year) && !ask(kLimitAutoMissing))
        return false;
    if (!steps.VehicleUseOk(year) && !ask(kVehicleIncomplete))
        return false;
    // Only the year typed exactly: " 2010" or "2010.0" refresh nothing.
    for (int refreshed : {2010, 2011, 2012})
        if (answer == std::to_string(refreshed))
            steps.MoveYearPdfFiles(refreshed);
    steps.Do4562Form(year, companyId);
    return true;
}

} // namespace qel::reports
