// The interface between Workbook and the reader of each file format, and what the readers
// share. Internal to common/: callers use Workbook.h.
#pragma once

#include "common/Workbook.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
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
// The most the program takes from one sheet of an .xls workbook, which is read whole before its
// first row is used: the bytes of all its texts (UTF-8), and its cells (values and flaws). A
// full list of assets (65,535 rows of 19 columns, each text as long as its field allows) stays
// within both with room to spare; a file beyond them is damaged or made to exhaust memory.
inline constexpr std::size_t kMaxSheetTextBytes = std::size_t{32} << 20;
inline constexpr std::size_t kMaxSheetCells = std::size_t{2} << 20;

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
