// What the main window's Book menu needs of alternative books and monthly depreciation.
#pragma once

namespace qel {

class MonthlyDeprServices {
public:
    virtual ~MonthlyDeprServices() = default;
    // The monthly book depreciation command for the current company: proposes the next fiscal
    // period for confirmation (or asks for one, "Enter fiscal period - YYYYMM", when none is
    // known), posts it and reports "Book Depreciation calculated successfully." on the status
    // line. Reports its own errors.
    virtual void DoMonthlyDepr() = 0;
    // Clears the status line and shows the current company's next fiscal period on it in green.
    // Reports its own errors.
    virtual void DisplayNextPeriod() = 0;
    // Deletes the last posted period of the current company: true when one was deleted, false
    // when none was posted or an error occurred (after its own error box).
    virtual bool DeleteDepreciation() = 0;
    // The menu command "Delete Last Period Depreciation": asks "Delete Depreciation for the last
    // period?", deletes the last period and says on the status line what happened.
    virtual void deleteLastPeriod() = 0;
    // Shows the "Book Depreciation for a Range" window frmBookDeprRange modally.
    virtual void showBookDeprRange() = 0;
};

} // namespace qel
