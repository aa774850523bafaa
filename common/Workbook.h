// Workbook: reads the cells of one sheet of a spreadsheet file, row by row, without a
// spreadsheet program.
//
// Two formats are read, told apart by the file's content rather than its name: Office Open
// XML workbooks (.xlsx, a zip package of XML parts) and Excel 97-2003 workbooks (.xls, BIFF8 in
// a compound file). The sheet read is the one that was active when the workbook was last saved
// (.xlsx); for .xls it is the first worksheet, which the library used for that format does not
// let us tell apart from the active one.
//
// Rows are read on demand: an .xlsx sheet is parsed only as far as the caller asks, so a reader
// that stops at row 10 of a sheet of 100,000 rows parses ten rows. An .xls workbook is read by
// a separate program (xlsreader, beside the program's libraries) under limits of memory and
// time, so that a file that makes the .xls library fail cannot take the program down; its
// cells come back whole. Every failure, from a missing file to a malformed part or a reader
// that crashed, is a ServerError of kind Io whose description names the file and the cause.
#pragma once

#include "common/Date.h"
#include "common/Variant.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace qel {

// A cell that holds something other than a value: a formula whose result is an error, or a
// cell whose value the reader cannot make out. Such a cell is never taken for an empty one.
struct CellFlaw {
    enum class Kind {
        Error,      // `text` is the error as a spreadsheet shows it, such as "#DIV/0!"
        Unreadable, // `text` says why the value cannot be read
    };
    int column = 0; // 1 = A
    Kind kind = Kind::Error;
    std::string text;

    bool operator==(const CellFlaw&) const = default;
};

// One row of a sheet: its number and its cells.
struct SheetRow {
    int number = 0;             // from 1
    std::vector<Variant> cells; // index 0 is column A; trailing empty cells may be absent
    // The row's flawed cells in column order; their entry in `cells` is Null or absent.
    std::vector<CellFlaw> flaws;
};

class SheetSource;

class Workbook {
public:
    // Opens the workbook at `path` and finds its sheet. Throws ServerError (kind Io) when the
    // file is missing or unreadable, is no regular file (a named pipe, a folder, a device: refused
    // before it is opened), is encrypted, is not a workbook, or has no worksheet.
    explicit Workbook(const std::string& path);
    ~Workbook();
    Workbook(Workbook&&) noexcept;
    Workbook& operator=(Workbook&&) noexcept;

    const std::string& path() const { return path_; }
    const std::string& sheetName() const;

    // Advances to the next row that holds at least one cell (rows that hold nothing are
    // skipped: compare row() with the row expected). False after the last row. Throws
    // ServerError (kind Io) when the sheet's data is malformed.
    bool nextRow();
    // The number of the current row, from 1; 0 before the first nextRow().
    int row() const { return row_.number; }
    // The value of the current row's cell in `column` (1 = A), as the cell holds it: Null for
    // an empty cell, a double for a number (a date is its serial number in the workbook's date
    // system), a text, or a Yes/No value. A formula cell holds its stored result. Null also for
    // a flawed cell: ask flaw() before taking a Null for an empty cell.
    const Variant& cell(int column) const;
    // What holds the current row's cell in `column` instead of a value (an error result, or a
    // value that cannot be read); nullptr for a cell with a value and for an empty cell.
    const CellFlaw* flaw(int column) const;

    // True when the workbook counts its date serial numbers from 1904-01-01.
    bool uses1904Dates() const;
    // The date of a serial number of this workbook (a time of day is dropped); nothing when
    // the number is no date a workbook can hold (before 1900 or after 9999).
    std::optional<Date> dateFromSerial(double serial) const;

private:
    std::string path_;
    std::unique_ptr<SheetSource> source_;
    SheetRow row_;
};

// The letters of a column: 1 -> "A", 19 -> "S", 27 -> "AA".
std::string columnName(int column);

} // namespace qel
