// The sheet stream between the .xls reader program and the program: writer and strict decoder.
#include "common/SheetStream.h"

#include "common/WorkbookSource.h"

#include <algorithm>
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

// A record's tag and length.
constexpr std::size_t kRecordHead = 5;
// The longest record a stream can hold: a row of every column, each a text as long as a cell
// holds, every character three bytes long.
constexpr std::size_t kMaxRecord = 4 + kMaxXlsColumn * (2 + 1 + 4 + 3 * kMaxCellText);
// The room the decoder keeps for the start of a record between pieces.
constexpr std::size_t kKeptRoom = std::size_t{1} << 20;

// The length of the record whose head starts `bytes` (at least kRecordHead long).
std::size_t recordLength(std::string_view bytes) {
    std::size_t length = 0;
    for (std::size_t i = 0; i < 4; ++i)
        length |= std::size_t{static_cast<unsigned char>(bytes[1 + i])} << (8 * i);
    if (length > kMaxRecord)
        throw SheetStreamError("a record of " + std::to_string(length) + " bytes is longer than any record");
    return length;
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

SheetRow decodeRow(Cursor body, int previousRow, SheetBudget& budget) {
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
            const std::string_view bytes = body.take(length, "a text");
            budget.cell(bytes.size());
            value = text(bytes, kMaxCellText, "a text");
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
            budget.cell(length);
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
        if (!value.isText())
            budget.cell();
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

void SheetStreamDecoder::feed(std::string_view bytes) {
    while (!bytes.empty()) {
        if (ended_)
            throw SheetStreamError(sheet_.failure.empty() ? "more follows the end"
                                                          : "more follows a failure");
        // A record that lies whole in the bytes is decoded where it lies; only the start of one
        // that goes on in the next piece is kept.
        if (pending_.empty() && bytes.size() >= kRecordHead) {
            const std::size_t length = recordLength(bytes);
            if (bytes.size() - kRecordHead >= length) {
                record(bytes[0], bytes.substr(kRecordHead, length));
                bytes.remove_prefix(kRecordHead + length);
                continue;
            }
        }
        const std::size_t wanted = pending_.size() < kRecordHead
                                       ? kRecordHead - pending_.size()
                                       : kRecordHead + recordLength(pending_) - pending_.size();
        const std::size_t taken = std::min(wanted, bytes.size());
        pending_.append(bytes.substr(0, taken));
        bytes.remove_prefix(taken);
        if (pending_.size() >= kRecordHead && pending_.size() == kRecordHead + recordLength(pending_)) {
            record(pending_[0], std::string_view(pending_).substr(kRecordHead));
            // A long record's room is given back; a short one's is kept for the next.
            if (pending_.capacity() > kKeptRoom)
                std::string().swap(pending_);
            else
                pending_.clear();
        }
    }
}

DecodedSheet SheetStreamDecoder::finish() {
    if (!pending_.empty())
        throw SheetStreamError(pending_.size() < kRecordHead ? "a record length runs past its record"
                                                             : "a record runs past its record");
    if (!ended_)
        throw SheetStreamError("the stream ends before its end record");
    return std::move(sheet_);
}

void SheetStreamDecoder::record(char tag, std::string_view bytes) {
    Cursor body(bytes);
    switch (tag) {
    case kHeader: {
        if (started_)
            throw SheetStreamError("the sheet is named twice");
        started_ = true;
        const std::uint64_t mode = body.number(1, "the date system");
        if (mode > 1)
            throw SheetStreamError("the date system is neither 0 nor 1");
        sheet_.date1904 = mode == 1;
        sheet_.sheetName = text(body.rest(), kMaxNote, "the sheet name");
        break;
    }
    case kRow:
        if (!started_)
            throw SheetStreamError("a row comes before the sheet");
        sheet_.rows.push_back(decodeRow(body, sheet_.rows.empty() ? 0 : sheet_.rows.back().number, budget_));
        break;
    case kFailure:
        sheet_.failure = text(body.rest(), kMaxNote, "the cause");
        if (sheet_.failure.empty())
            throw SheetStreamError("a failure says nothing");
        ended_ = true;
        break;
    case kEnd:
        if (!started_ || !body.atEnd())
            throw SheetStreamError("the end comes before the sheet or carries data");
        ended_ = true;
        break;
    default:
        throw SheetStreamError("unknown record " + std::to_string(static_cast<unsigned char>(tag)));
    }
}

DecodedSheet decodeSheetStream(std::string_view bytes) {
    SheetStreamDecoder decoder;
    decoder.feed(bytes);
    return decoder.finish();
}

} // namespace qel
