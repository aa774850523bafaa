// The sheet stream between the .xls reader program and the program: writer and strict decoder.
#include "common/SheetStream.h"

#include "common/WorkbookSource.h"

#include <cmath>
#include <cstdint>
#include <cstring>

namespace qel {
namespace {

constexpr char kHeader = 'H';
constexpr char kRow = 'R';
constexpr char kFailure = 'F';
constexpr char kEnd = 'Z';

constexpr char kNumber = 'N';
constexpr char kText = 'T';
constexpr char kYesNo = 'B';
constexpr char kError = 'E';
constexpr char kUnreadable = 'U';

// Bounds of what a stream may carry beyond the cell texts: a sheet name, a cause or a reason
// is a sentence, an error result a few characters.
constexpr std::size_t kMaxNote = 1000;
constexpr std::size_t kMaxErrorText = 32;

void put(std::string& out, std::uint64_t value, int bytes) {
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
}

void record(std::string& out, char tag, const std::string& body) {
    out += tag;
    put(out, body.size(), 4);
    out += body;
}

// Cuts a note to what a stream may carry, at a character boundary.
std::string note(std::string text) {
    if (text.size() <= kMaxNote)
        return text;
    std::size_t cut = kMaxNote;
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
        --cut;
    text.resize(cut);
    return text;
}

// Reads a record's body front to back; every read is checked against what is left.
class Cursor {
public:
    explicit Cursor(std::string_view bytes) : bytes_(bytes) {}

    bool atEnd() const { return bytes_.empty(); }

    std::uint64_t number(int size, const char* what) {
        need(static_cast<std::size_t>(size), what);
        std::uint64_t value = 0;
        for (int i = 0; i < size; ++i)
            value |= std::uint64_t{static_cast<unsigned char>(bytes_[static_cast<std::size_t>(i)])}
                     << (8 * i);
        bytes_.remove_prefix(static_cast<std::size_t>(size));
        return value;
    }

    std::string_view take(std::size_t size, const char* what) {
        need(size, what);
        const std::string_view part = bytes_.substr(0, size);
        bytes_.remove_prefix(size);
        return part;
    }

    std::string_view rest() {
        const std::string_view part = bytes_;
        bytes_ = {};
        return part;
    }

private:
    void need(std::size_t size, const char* what) const {
        if (bytes_.size() < size)
            throw SheetStreamError(std::string(what) + " runs past its record");
    }

    std::string_view bytes_;
};

// A text of the stream: valid UTF-8 of at most `maxUnits` UTF-16 units.
std::string text(std::string_view bytes, std::size_t maxUnits, const char* what) {
    const auto units = utf16Length(bytes);
    if (!units)
        throw SheetStreamError(std::string(what) + " is not valid UTF-8");
    if (*units > maxUnits)
        throw SheetStreamError(std::string(what) + " is too long");
    return std::string(bytes);
}

SheetRow decodeRow(Cursor body, int previousRow) {
    SheetRow row;
    const std::uint64_t number = body.number(4, "a row number");
    if (number < 1 || number > kMaxXlsRow || static_cast<int>(number) <= previousRow)
        throw SheetStreamError("row " + std::to_string(number) + " is out of order or out of range");
    row.number = static_cast<int>(number);
    int lastColumn = 0;
    while (!body.atEnd()) {
        const auto column = static_cast<int>(body.number(2, "a column"));
        if (column <= lastColumn || column > kMaxXlsColumn)
            throw SheetStreamError("column " + std::to_string(column) + " of row " + std::to_string(number) +
                                   " is out of order or out of range");
        lastColumn = column;
        const auto kind = static_cast<char>(body.number(1, "a cell kind"));
        Variant value;
        switch (kind) {
        case kNumber: {
            const std::uint64_t bits = body.number(8, "a number");
            double d = 0;
            std::memcpy(&d, &bits, sizeof d);
            if (!std::isfinite(d))
                throw SheetStreamError("a number is not finite");
            value = d;
            break;
        }
        case kText: {
            const auto length = static_cast<std::size_t>(body.number(4, "a text length"));
            value = text(body.take(length, "a text"), kMaxCellText, "a text");
            break;
        }
        case kYesNo: {
            const std::uint64_t b = body.number(1, "a Yes/No");
            if (b > 1)
                throw SheetStreamError("a Yes/No is neither 0 nor 1");
            value = b == 1;
            break;
        }
        case kError:
        case kUnreadable: {
            const bool error = kind == kError;
            const auto length = static_cast<std::size_t>(body.number(error ? 1 : 2, "a length"));
            std::string what = text(body.take(length, "a flaw"), error ? kMaxErrorText : kMaxNote, "a flaw");
            if (what.empty())
                throw SheetStreamError("a flaw says nothing");
            row.flaws.push_back(
                {column, error ? CellFlaw::Kind::Error : CellFlaw::Kind::Unreadable, std::move(what)});
            continue;
        }
        default:
            throw SheetStreamError("a cell has the unknown kind " +
                                   std::to_string(static_cast<unsigned char>(kind)));
        }
        row.cells.resize(static_cast<std::size_t>(column));
        row.cells.back() = std::move(value);
    }
    if (row.cells.empty() && row.flaws.empty())
        throw SheetStreamError("row " + std::to_string(number) + " holds no cell");
    return row;
}

} // namespace

void SheetStreamWriter::header(const std::string& sheetName, bool date1904) {
    // Appended rather than joined with +, which GCC 12 wrongly warns about in Release builds.
    std::string body(1, date1904 ? '\1' : '\0');
    body += note(sheetName);
    record(out_, kHeader, body);
}

void SheetStreamWriter::row(const SheetRow& row) {
    std::string body;
    put(body, static_cast<std::uint64_t>(row.number), 4);
    auto flaw = row.flaws.begin();
    const auto writeFlawsBefore = [&](int column) {
        for (; flaw != row.flaws.end() && flaw->column < column; ++flaw) {
            const bool error = flaw->kind == CellFlaw::Kind::Error;
            const std::string what = error ? flaw->text.substr(0, kMaxErrorText) : note(flaw->text);
            put(body, static_cast<std::uint64_t>(flaw->column), 2);
            body += error ? kError : kUnreadable;
            put(body, what.size(), error ? 1 : 2);
            body += what;
        }
    };
    for (std::size_t i = 0; i < row.cells.size(); ++i) {
        const Variant& v = row.cells[i];
        const int column = static_cast<int>(i) + 1;
        writeFlawsBefore(column);
        if (v.isNull() || (flaw != row.flaws.end() && flaw->column == column))
            continue;
        put(body, static_cast<std::uint64_t>(column), 2);
        if (v.isBool()) {
            body += kYesNo;
            body += v.toBool() ? '\1' : '\0';
        } else if (v.isText()) {
            const std::string t = v.toString();
            body += kText;
            put(body, t.size(), 4);
            body += t;
        } else {
            const double d = v.toDouble();
            std::uint64_t bits = 0;
            std::memcpy(&bits, &d, sizeof bits);
            body += kNumber;
            put(body, bits, 8);
        }
    }
    writeFlawsBefore(kMaxXlsColumn + 1);
    record(out_, kRow, body);
}

void SheetStreamWriter::failure(const std::string& cause) {
    record(out_, kFailure, note(cause));
}

void SheetStreamWriter::end() {
    record(out_, kEnd, {});
}

DecodedSheet decodeSheetStream(std::string_view bytes) {
    DecodedSheet sheet;
    Cursor stream(bytes);
    bool started = false;
    int lastRow = 0;
    while (!stream.atEnd()) {
        const auto tag = static_cast<char>(stream.number(1, "a record tag"));
        const auto length = static_cast<std::size_t>(stream.number(4, "a record length"));
        Cursor body(stream.take(length, "a record"));
        switch (tag) {
        case kHeader: {
            if (started)
                throw SheetStreamError("the sheet is named twice");
            started = true;
            const std::uint64_t mode = body.number(1, "the date system");
            if (mode > 1)
                throw SheetStreamError("the date system is neither 0 nor 1");
            sheet.date1904 = mode == 1;
            sheet.sheetName = text(body.rest(), kMaxNote, "the sheet name");
            break;
        }
        case kRow:
            if (!started)
                throw SheetStreamError("a row comes before the sheet");
            sheet.rows.push_back(decodeRow(body, lastRow));
            lastRow = sheet.rows.back().number;
            break;
        case kFailure:
            sheet.failure = text(body.rest(), kMaxNote, "the cause");
            if (sheet.failure.empty())
                throw SheetStreamError("a failure says nothing");
            if (!stream.atEnd())
                throw SheetStreamError("more follows a failure");
            return sheet;
        case kEnd:
            if (!started || !body.atEnd())
                throw SheetStreamError("the end comes before the sheet or carries data");
            if (!stream.atEnd())
                throw SheetStreamError("more follows the end");
            return sheet;
        default:
            throw SheetStreamError("unknown record " + std::to_string(static_cast<unsigned char>(tag)));
        }
    }
    throw SheetStreamError("the stream ends before its end record");
}

} // namespace qel
