// The vehicle logic of the program: the opening of both vehicle windows, which return what the
// checks after them need, and the two checks other subsystems ask for (VehicleServices.h says
// what each promises).
#pragma once

#include <QString>

#include <cstdint>
#include <functional>

namespace qel {

// Opens the vehicle use window modally for the tax year, with the focus in the vehicle's column;
// true when the use counts as completed: the window closed other than through its Cancel button
// or Esc.
bool DoAutoUseForm(std::int16_t intYear, std::int16_t intVehicleNum);
// Opens the employer questions modally for the tax year; true when the answers stored from it
// hold a Yes.
bool DoAutoQstForm(std::int16_t intYear);
bool VehicleUseOk(std::int16_t intYear);
bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum);

// Asks "Save Changes?" before a vehicle window with unsaved edits closes or loads afresh: Yes runs
// the save and answers whether it went through, No drops the edits (true), Cancel keeps them
// (false). formDirty is cleared when the edits are saved or dropped. True at once when it is not
// set.
bool SaveChangesOk(bool& formDirty, const std::function<bool()>& save);

} // namespace qel
