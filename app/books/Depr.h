// The Book menu's monthly book depreciation commands: post the next fiscal period, show which
// period is next, delete the last posted period, and post a range of periods in the window
// frmBookDeprRange.
//
// Each command works on the current company through the data server's MonthlyDepr, reports on
// the main window's status line and shows its failures with their real cause; a failed posting
// never reports success.
#pragma once

#include "app/shell/MonthlyDeprServices.h"

#include <QString>

namespace qel {

class BookDepreciation : public MonthlyDeprServices {
public:
    // Proposes the next period ("Calculate Depreciation for period 201203?") or, when the
    // company has none, asks for one ("Enter fiscal period - YYYYMM") and checks it; posts it and
    // reports "Book Depreciation calculated successfully.". Cancel posts nothing.
    void DoMonthlyDepr() override;
    void DisplayNextPeriod() override;
    bool DeleteDepreciation() override;
    void showBookDeprRange() override;

    // Asks first, then deletes and says what happened: deleted, nothing posted to delete, or an
    // error.
    void deleteLastPeriod() override;
};

} // namespace qel
