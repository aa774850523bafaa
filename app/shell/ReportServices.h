// What the shell needs of the report windows: the report prompts and windows, the window
// arrangement commands, the user documents folder check and the two selection windows.
#pragma once

#include <QString>

#include <cstdint>

namespace qel {

// The schedules the asset form shows for its asset.
enum class Schedule {
    Tax,  // the depreciation schedule of a tax book
    Book, // the straight-line book schedule the asset form has just worked out
};

class ReportServices {
public:
    virtual ~ReportServices() = default;
    // Runs the report of the name as the reports' catalogue says (the shell knows none of them):
    // clears the status line, asks for its fiscal year or period unless `year` is given (a report
    // may give its own), validates the answer and opens the report window, or runs the report's
    // own handler (the items that take a year but open no report window). `book` goes to the
    // per-book reports; 0 is the tax book. Reports its own failures.
    virtual void GetReport(const QString& reportName, const QString& year, std::int16_t book) = 0;
    // Opens a new report window with the report's data (value: year, period or asset number; 0
    // and an empty description when the report takes none), or shows " No data found. " on the
    // status line when there is none.
    virtual void DoReports(const QString& reportName, std::int32_t value, const QString& description,
                           std::int16_t& bookNumber) = 0;
    // Opens the schedule of the asset (its number and description) in a report window, of the
    // book for the tax schedule.
    virtual void showSchedule(Schedule schedule, std::int32_t assetNumber, const QString& description,
                              std::int16_t book) = 0;
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
