// The interface between Workbook and the reader of each file format, and what the readers
// share. Internal to common/: callers use Workbook.h.
#pragma once

#include "common/Workbook.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qel {

// The reader of one sheet of one file format.
class SheetSource {
public:
    virtual ~SheetSource() = default;
    // Fills `row` with the next row that holds at least one cell, rows in ascending order;
    // false after the last row. Throws ServerError (kind Io) on malformed data.
    virtual bool next(SheetRow& row) = 0;
    virtual const std::string& sheetName() const = 0;
    virtual bool uses1904Dates() const = 0;
};

// Opens the active sheet of an Office Open XML workbook (.xlsx).
std::unique_ptr<SheetSource> openXlsxSheet(const std::string& path);
// Opens the first worksheet of an Excel 97-2003 workbook (.xls).
std::unique_ptr<SheetSource> openXlsSheet(const std::string& path);

// The largest row and column numbers a worksheet can have; a reference beyond them marks a
// malformed file.
inline constexpr int kMaxSheetRow = 1048576;
inline constexpr int kMaxSheetColumn = 16384;
// The same for an Excel 97-2003 worksheet.
inline constexpr int kMaxXlsRow = 65536;
inline constexpr int kMaxXlsColumn = 256;
// The longest text a cell can hold, in UTF-16 code units (what spreadsheets count).
inline constexpr std::size_t kMaxCellText = 32767;
// The most the program takes from one sheet: the bytes of all its texts (UTF-8), and its cells
// (values and flaws). A file beyond them is damaged or made to exhaust memory or time.
//
// An .xls sheet is read whole before its first row is used: a full list of assets (65,535 rows
// of 19 columns, each text as long as its field allows) stays within both with room to spare.
inline constexpr std::size_t kMaxSheetTextBytes = std::size_t{32} << 20;
inline constexpr std::size_t kMaxSheetCells = std::size_t{2} << 20;
// An .xlsx sheet holds its shared strings whole and is read a row at a time; its text limit is
// the same, counted over the shared strings and again over the cells that show them, and it may
// hold more cells, which are not held together. The widest export of 100,000 assets (the asset
// listing, 26 columns) holds 2.6 million cells; this is three times that.
inline constexpr std::size_t kMaxXlsxSheetCells = std::size_t{8} << 20;

// A sheet that holds more than the program takes from one; what() is the cause in the user's
// words, naming the limit.
class SheetTooLarge : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a sheet holds so far, against the limits of a sheet. The .xls reader program counts the
// rows it writes and the program the cells it decodes; the .xlsx reader counts its shared
// strings as it reads them (each one a cell), then the cells of the sheet.
class SheetBudget {
public:
    // A budget of `maxCells` cells and kMaxSheetTextBytes of text.
    explicit SheetBudget(std::size_t maxCells = kMaxSheetCells) : maxCells_(maxCells) {}

    // Counts one cell (a value or a flaw) holding `textBytes` bytes of text (a flaw's text
    // counts too). Throws SheetTooLarge past either limit.
    void cell(std::size_t textBytes = 0);
    // Counts every cell of the row.
    void row(const SheetRow& row);

private:
    std::size_t maxCells_;
    std::size_t cells_ = 0;
    std::size_t textBytes_ = 0;
};

// The number of UTF-16 code units of a UTF-8 text; nothing when the text is not valid UTF-8.
std::optional<std::size_t> utf16Length(std::string_view utf8);

// How the .xls reader program runs. Tests shorten the time or name another program.
struct XlsReaderSettings {
    // The program; empty for the one named by the environment variable QEL_XLSREADER or, when
    // that is not set, the "xlsreader" beside the library or program this code is linked into.
    std::string program;
    // Wall-clock time the reader may take before it is killed.
    std::chrono::milliseconds timeout{60'000};
    // Processor time it may use, in seconds.
    int cpuSeconds = 60;
    // Address space it may map, in bytes.
    std::uint64_t memoryBytes = std::uint64_t{1} << 30;
};
XlsReaderSettings& xlsReaderSettings();

// Days between the 1900 and the 1904 date systems' day zero.
inline constexpr long k1904Offset = 1462;
// The serial of 1900-03-01 in the 1900 date system: spreadsheets count a 29 February 1900 that
// never was, so their serials before it are one day ahead of the calendar.
inline constexpr long kFirstTrueSerial = 61;

// Raises the error of an unreadable workbook: ServerError kind Io, "The workbook '<path>'
// cannot be read: <cause>".
[[noreturn]] void throwWorkbookError(const std::string& path, const std::string& cause);

} // namespace qel
