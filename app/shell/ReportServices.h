// What the shell needs of the report windows: the report prompts and windows, the window
// arrangement commands, the user documents folder check and the two selection windows.
#pragma once

#include "common/Variant.h"

#include <QString>

#include <cstdint>

namespace qel {

class ReportServices {
public:
    virtual ~ReportServices() = default;
    // Clears the status line, asks "Enter Fiscal Year" (title the report name, proposing the
    // working year) when periodFlag is 0, or "Enter fiscal period - YYYYMM" for any other value,
    // unless `year` is not empty (then it is used without a prompt); validates the answer and
    // opens the report window. "Default Year" passes the year to SetDefaultYear instead; "Form
    // 4562" runs its checks before the form. `bookNumber` 0 is the tax book. Reports its own
    // failures.
    virtual void GetReport(const QString& reportName, const Variant& periodFlag, QString& year,
                           std::int16_t& bookNumber) = 0;
    // Opens a new report window with the report's data (value: year, period or asset number; 0
    // and an empty description when the report takes none), or shows " No data found. " on the
    // status line when there is none.
    virtual void DoReports(const QString& reportName, std::int32_t value, const QString& description,
                           std::int16_t& bookNumber) = 0;
    // Arranges every window but the main window one below the other across its width.
    virtual void TileHorizontal() = 0;
    // Unloads every window of the program but the main window.
    virtual void CloseAllReports() = 0;
    // True when the user documents folder exists; false otherwise or after its own error box.
    virtual bool RetrieveFilesCopied() = 0;
    // Creates the user documents folder and copies the "Files" folder beside the program into
    // it, overwriting; true on success. Reports its own errors.
    virtual bool MovePdfFiles() = 0;
    // Shows the "Select a Tax Report" window frmTaxReports modeless.
    virtual void showTaxReports() = 0;
    // Shows the asset listing's location choice frmLocation modally.
    virtual void showLocation() = 0;
};

} // namespace qel
