// The first worksheet of an .xls workbook through libfreexl, completed from the workbook's own
// records, written as a sheet stream.
//
// The library parses the whole file when it opens it; rows are then taken from it one at a
// time. It reports date cells as text, which is turned back into the serial numbers that an
// .xlsx workbook holds, so that both formats give the same values.
#include "common/xlsreader/XlsRead.h"

#include "common/RegularFile.h"
#include "common/SheetStream.h"
#include "common/WorkbookSource.h"
#include "common/xlsreader/BiffCells.h"
#include "common/xlsreader/CompoundFile.h"

#include <freexl.h>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <new>
#include <string_view>

namespace qel::xls {
namespace {

// How much stream is gathered before it is handed on.
constexpr std::size_t kChunk = 64 * 1024;

// The cause of a failed open, in the user's words.
std::string openFailure(int code) {
    switch (code) {
    case FREEXL_FILE_NOT_FOUND:
        return "the file cannot be opened.";
    case FREEXL_INSUFFICIENT_MEMORY:
        return "reading it needs more memory than allowed; the file may be damaged.";
    case FREEXL_BIFF_WORKBOOK_NOT_FOUND:
        return "it is not an Excel workbook (it holds no workbook stream).";
    case FREEXL_UNSUPPORTED_CHARSET:
    case FREEXL_INVALID_CHARACTER:
        return "its text is in a character set that cannot be read.";
    default:
        return "the file is damaged or truncated (error " + std::to_string(code) + " of the .xls reader).";
    }
}

std::string fileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw ReadFailure("the file cannot be opened.");
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// True when the compound file holds the stream of a workbook encrypted with a password (an
// .xlsx package saved with "Encrypt with Password" is such a file, not a zip package).
bool holdsEncryptedPackage(const std::string& path) {
    static const std::u16string_view name = u"EncryptedPackage";
    std::string pattern;
    for (char16_t c : name) {
        pattern += static_cast<char>(c & 0xFF);
        pattern += static_cast<char>(c >> 8);
    }
    return fileBytes(path).find(pattern) != std::string::npos;
}

bool parseField(std::string_view text, std::size_t from, std::size_t length, int& out) {
    if (from + length > text.size())
        return false;
    const char* first = text.data() + from;
    const auto [ptr, ec] = std::from_chars(first, first + length, out);
    return ec == std::errc() && ptr == first + length;
}

// "HH:MM:SS" at `from` as a fraction of a day; false when the text is not a time.
bool timeFraction(std::string_view text, std::size_t from, double& out) {
    int h = 0, m = 0, s = 0;
    if (!parseField(text, from, 2, h) || !parseField(text, from + 3, 2, m) ||
        !parseField(text, from + 6, 2, s))
        return false;
    out = (h * 3600.0 + m * 60.0 + s) / 86400.0;
    return true;
}

class FreexlSheet {
public:
    explicit FreexlSheet(const std::string& path) {
        const int rc = freexl_open(path.c_str(), &handle_);
        if (rc != FREEXL_OK) {
            close();
            if (rc == FREEXL_BIFF_WORKBOOK_NOT_FOUND && holdsEncryptedPackage(path))
                throw ReadFailure("it is protected by a password (encrypted).");
            throw ReadFailure(openFailure(rc));
        }
        unsigned info = 0;
        if (freexl_get_info(handle_, FREEXL_BIFF_PASSWORD, &info) == FREEXL_OK &&
            info == FREEXL_BIFF_OBFUSCATED)
            fail("it is protected by a password (encrypted).");
        if (freexl_get_info(handle_, FREEXL_BIFF_DATEMODE, &info) == FREEXL_OK)
            date1904_ = info == FREEXL_BIFF_DATEMODE_1904;
        unsigned sheets = 0;
        if (freexl_get_info(handle_, FREEXL_BIFF_SHEET_COUNT, &sheets) != FREEXL_OK || sheets == 0)
            fail("it holds no worksheet.");
        if (freexl_select_active_worksheet(handle_, 0) != FREEXL_OK)
            fail("its first worksheet cannot be read.");
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle_, 0, &name) == FREEXL_OK && name)
            sheetName_ = name;
        if (freexl_worksheet_dimensions(handle_, &rows_, &columns_) != FREEXL_OK)
            fail("the size of its first worksheet cannot be read.");
        rows_ = std::min<unsigned>(rows_, kMaxXlsRow);
        columns_ = static_cast<unsigned short>(std::min<unsigned>(columns_, kMaxXlsColumn));
    }
    ~FreexlSheet() { close(); }
    FreexlSheet(const FreexlSheet&) = delete;
    FreexlSheet& operator=(const FreexlSheet&) = delete;

    // The next row that holds at least one cell; false after the last.
    bool next(SheetRow& row) {
        while (nextRow_ < rows_) {
            const unsigned r = nextRow_++;
            row.number = static_cast<int>(r) + 1;
            row.cells.clear();
            row.flaws.clear();
            for (unsigned short c = 0; c < columns_; ++c) {
                Variant value = cellValue(r, c);
                if (!value.isNull()) {
                    row.cells.resize(static_cast<std::size_t>(c) + 1);
                    row.cells.back() = std::move(value);
                }
            }
            if (!row.cells.empty())
                return true;
        }
        return false;
    }

    const std::string& sheetName() const { return sheetName_; }
    bool uses1904Dates() const { return date1904_; }

private:
    void close() {
        if (handle_)
            freexl_close(handle_);
        handle_ = nullptr;
    }

    [[noreturn]] void fail(const std::string& cause) {
        close();
        throw ReadFailure(cause);
    }

    // The serial number of a date in this workbook's date system.
    double serialOf(const Date& date) const {
        long serial = date.serial();
        if (serial < kFirstTrueSerial)
            serial -= 1;
        return static_cast<double>(date1904_ ? serial - k1904Offset : serial);
    }

    Variant cellValue(unsigned r, unsigned short c) {
        FreeXL_CellValue cell;
        const auto where = [&] { return columnName(c + 1) + std::to_string(r + 1); };
        if (freexl_get_cell_value(handle_, r, c, &cell) != FREEXL_OK)
            fail("cell " + where() + " cannot be read.");
        switch (cell.type) {
        case FREEXL_CELL_NULL:
            return {};
        case FREEXL_CELL_INT:
            return static_cast<double>(cell.value.int_value);
        case FREEXL_CELL_DOUBLE:
            if (!std::isfinite(cell.value.double_value))
                fail("cell " + where() + " holds a value that is not a number.");
            return cell.value.double_value;
        case FREEXL_CELL_TEXT:
        case FREEXL_CELL_SST_TEXT: {
            std::string text(cell.value.text_value ? cell.value.text_value : "");
            const auto units = utf16Length(text);
            if (!units || *units > kMaxCellText)
                fail("cell " + where() + " holds a text that cannot be read.");
            return text;
        }
        case FREEXL_CELL_DATE:
        case FREEXL_CELL_DATETIME: {
            const std::string_view text = cell.value.text_value ? cell.value.text_value : "";
            const auto date = Date::fromIso(text);
            double fraction = 0;
            if (!date || (cell.type == FREEXL_CELL_DATETIME && !timeFraction(text, 11, fraction)))
                fail("cell " + where() + " holds a date that cannot be read.");
            return serialOf(*date) + fraction;
        }
        case FREEXL_CELL_TIME: {
            double fraction = 0;
            if (!timeFraction(cell.value.text_value ? cell.value.text_value : "", 0, fraction))
                fail("cell " + where() + " holds a time that cannot be read.");
            return fraction;
        }
        default:
            fail("cell " + where() + " has a type that cannot be read.");
        }
    }

    const void* handle_ = nullptr;
    std::string sheetName_;
    bool date1904_ = false;
    unsigned rows_ = 0;
    unsigned short columns_ = 0;
    unsigned nextRow_ = 0;
};

// The cells whose values the workbook's records give better than the library.
std::vector<BiffCell> recordCells(const std::string& path) {
    try {
        const auto stream = compoundStream(fileBytes(path), {"Workbook", "Book"});
        if (!stream)
            throw ReadFailure("it is not an Excel workbook (it holds no workbook stream).");
        return biffCells(*stream);
    } catch (const Malformed& e) {
        throw ReadFailure(std::string("its formula results cannot be read: ") + e.what() + ".");
    }
}

// Puts a cell read from the records in place of what the library gave for it.
void apply(SheetRow& row, const BiffCell& c) {
    const auto index = static_cast<std::size_t>(c.column) - 1;
    if (c.flaw) {
        if (index < row.cells.size())
            row.cells[index] = Variant();
        row.flaws.push_back(*c.flaw);
    } else if (!c.value.isNull()) {
        if (row.cells.size() <= index)
            row.cells.resize(index + 1);
        row.cells[index] = c.value;
    }
}

bool holdsAnything(const SheetRow& row) {
    return !row.flaws.empty() ||
           std::any_of(row.cells.begin(), row.cells.end(), [](const Variant& v) { return !v.isNull(); });
}

// Writes the sheet's rows as they are read, handing the stream on whenever it has grown past a
// chunk, and stops at the first row past the limits of a sheet.
void writeSheet(const std::string& path, std::string& stream, SheetStreamWriter& out, const StreamSink& sink,
                bool& sent) {
    if (const auto cause = notARegularFile(path))
        throw ReadFailure(*cause + ".");
    FreexlSheet sheet(path);
    const std::vector<BiffCell> known = recordCells(path);
    out.header(sheet.sheetName(), sheet.uses1904Dates());
    SheetBudget budget;
    SheetRow fromLibrary;
    bool more = sheet.next(fromLibrary);
    std::size_t k = 0;
    while (more || k < known.size()) {
        const int number = std::min(more ? fromLibrary.number : kMaxXlsRow + 1,
                                    k < known.size() ? known[k].row : kMaxXlsRow + 1);
        SheetRow row;
        if (more && fromLibrary.number == number) {
            row = std::move(fromLibrary);
            more = sheet.next(fromLibrary);
        } else {
            row.number = number;
        }
        for (; k < known.size() && known[k].row == number; ++k)
            apply(row, known[k]);
        if (!holdsAnything(row))
            continue;
        try {
            budget.row(row);
        } catch (const SheetTooLarge& e) {
            throw ReadFailure(e.what());
        }
        out.row(row);
        if (sink && stream.size() >= kChunk) {
            sink(stream);
            stream.clear();
            sent = true;
        }
    }
    out.end();
}

} // namespace

void readXls(const std::string& path, std::string& out, const StreamSink& sink) {
    const std::size_t start = out.size();
    SheetStreamWriter writer(out);
    bool sent = false;
    // A failure takes the place of all that was not sent yet; what was sent stands before it.
    const auto failure = [&](const std::string& cause) {
        out.resize(sent ? 0 : start);
        writer.failure(cause);
    };
    try {
        writeSheet(path, out, writer, sink, sent);
    } catch (const ReadFailure& e) {
        failure(e.what());
    } catch (const std::bad_alloc&) {
        failure("reading it needs more memory than allowed; the file may be damaged.");
    }
}

} // namespace qel::xls
