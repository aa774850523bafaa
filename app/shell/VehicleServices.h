// What the other subsystems need of the vehicle windows: the use of the vehicles of a tax year
// (Form 4562 Part V Section B), the employer's answers (Section C), and the two checks that the
// asset save and Form 4562 ask for. Each works on the current company. The vehicles subsystem
// registers the services as subsystems().vehicles; until it does, nothing is asked.
#pragma once

#include <cstdint>

namespace qel {

class VehicleServices {
public:
    virtual ~VehicleServices() = default;

    // After an asset with a vehicle number is stored: when the vehicle has no use row for the
    // year, asks who uses it and opens the vehicle use window (focused on the vehicle's column) or
    // first the employer questions. True when the use row was there, the employer's answers hold
    // a Yes, or the use window closed other than through its Cancel button or Esc. A number below 1
    // (no vehicle) is true at once. Reports its own failures.
    virtual bool VehicleDocsOk(std::int16_t intYear, std::int16_t intVehicleNum) = 0;

    // Before Form 4562: true when the year's vehicle data count as complete (every vehicle in
    // service has its use row, or a stored employer answer is Yes); false otherwise and after its
    // own error box.
    virtual bool VehicleUseOk(std::int16_t intYear) = 0;

    // Opens "Information on Use of Vehicles" modally for the year, with the focus in the column
    // of the vehicle number (none for 0 or a number no column holds); returns when it closes,
    // true when it closed other than through its Cancel button or Esc.
    virtual bool DoAutoUseForm(std::int16_t intYear, std::int16_t intVehicleNum) = 0;

    // Opens the employer questions modally for the year; returns when the window closes, true when
    // the answers stored from it hold a Yes.
    virtual bool DoAutoQstForm(std::int16_t intYear) = 0;
};

} // namespace qel
