// The vehicle logic of the program: the state the two vehicle windows share with the checks
// that run after them, the opening of both windows, and the two checks other subsystems ask for
// (VehicleServices.h says what each promises).
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace qel {

// What outlives a vehicle window, for the caller that opened it.
struct AutoUseState {
    // The tax year of the last opening of either window.
    std::int16_t AutoYear = 0;
    // The last vehicle window was closed through its Cancel button or Esc, also after a save;
    // its title bar's close leaves it false. False from each opening.
    bool AutoCancelled = false;
    // The employer's answers stored from the last employer window hold a Yes. False from each
    // opening of that window; true once a save with a Yes went through; false again when the
    // answers are deleted.
    bool QstAnyYes = false;
};

AutoUseState& autoUseState();

void DoAutoUseForm(std::int16_t intYear, std::int16_t intVehicleNum);
void DoAutoQstForm(std::int16_t intYear);
bool VehicleUseOk(std::int16_t intYear);
bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum);

// The error box of the vehicle procedures for the failure being handled: "Error in " + the
// procedure + ". ", the cause, two blanks, the number, two blanks and the source. Only inside a
// catch block.
void showVehicleError(const char* procedure);

// Asks "Save Changes?" before a vehicle window with unsaved edits closes or loads afresh: Yes runs
// the save and answers whether it went through, No drops the edits (true), Cancel keeps them
// (false). formDirty is cleared when the edits are saved or dropped. True at once when it is not
// set.
bool SaveChangesOk(bool& formDirty, const std::function<bool()>& save);

// The status line's colour numbers as text.
inline const QString kRed = QStringLiteral("255");
inline const QString kBlue = QStringLiteral("16711680");

} // namespace qel
