// A walk over the BIFF records of a workbook stream: the workbook globals up to the first sheet's
// entry, then that sheet's records.
#include "common/xlsreader/BiffCells.h"

#include "common/WorkbookSource.h"
#include "common/xlsreader/CompoundFile.h"
#include "common/xlsreader/LittleEndian.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

namespace qel::xls {
namespace {

constexpr std::uint16_t kFormula = 0x0006;
constexpr std::uint16_t kEof = 0x000A;
constexpr std::uint16_t kFilePass = 0x002F;
constexpr std::uint16_t kContinue = 0x003C;
constexpr std::uint16_t kBoundSheet = 0x0085;
constexpr std::uint16_t kBoolErr = 0x0205;
constexpr std::uint16_t kString = 0x0207;
constexpr std::uint16_t kArray = 0x0221;
constexpr std::uint16_t kTable = 0x0236;
constexpr std::uint16_t kBof = 0x0809;
constexpr std::uint16_t kSharedFormula = 0x04BC;

constexpr std::uint16_t kBiff8 = 0x0600;
constexpr std::uint16_t kBiff5 = 0x0500;
constexpr std::uint16_t kGlobalsBof = 0x0005;
constexpr std::uint16_t kWorksheetBof = 0x0010;
constexpr std::uint8_t kWorksheetType = 0;

// The result kinds of a FORMULA record whose last two result bytes are 0xFFFF.
constexpr std::uint8_t kTextResult = 0;
constexpr std::uint8_t kYesNoResult = 1;
constexpr std::uint8_t kErrorResult = 2;
constexpr std::uint8_t kEmptyTextResult = 3;

struct Record {
    std::uint16_t type = 0;
    std::string_view body;
};

class Records {
public:
    Records(std::string_view stream, std::size_t at) : stream_(stream), at_(at) {
        if (at > stream.size())
            throw Malformed("a sheet lies beyond the workbook stream");
    }

    // The record at the cursor, without moving on; false at the end of the stream.
    bool peek(Record& r) const {
        if (at_ == stream_.size())
            return false;
        if (stream_.size() - at_ < 4)
            throw Malformed("a record header is cut short");
        r.type = u16(stream_, at_);
        const std::size_t length = u16(stream_, at_ + 2);
        if (stream_.size() - at_ - 4 < length)
            throw Malformed("a record runs past the end of the workbook stream");
        r.body = stream_.substr(at_ + 4, length);
        return true;
    }

    bool next(Record& r) {
        if (!peek(r))
            return false;
        at_ += 4 + r.body.size();
        return true;
    }

private:
    std::string_view stream_;
    std::size_t at_;
};

std::string errorText(std::uint8_t code) {
    switch (code) {
    case 0x00:
        return "#NULL!";
    case 0x07:
        return "#DIV/0!";
    case 0x0F:
        return "#VALUE!";
    case 0x17:
        return "#REF!";
    case 0x1D:
        return "#NAME?";
    case 0x24:
        return "#NUM!";
    case 0x2A:
        return "#N/A";
    case 0x2B:
        return "#GETTING_DATA";
    default:
        return "#ERROR(" + std::to_string(code) + ")";
    }
}

// What a formula yields, as far as its last operation tells.
enum class Yields { Unknown, Text, YesNo };

// The kind of result of a formula's parsed tokens (rgce): text when its last operation joins
// texts or it is one text constant, Yes/No when it compares or is one Yes/No constant. Unknown
// for every other formula and for tokens it does not know how to step over.
Yields yieldOf(std::string_view tokens) {
    std::size_t at = 0;
    std::uint8_t last = 0;
    while (at < tokens.size()) {
        const std::uint8_t token = static_cast<std::uint8_t>(tokens[at++]);
        // Operand tokens come in three classes (reference, value, array) over one base.
        const std::uint8_t base = token >= 0x20 ? static_cast<std::uint8_t>((token & 0x1F) | 0x20) : token;
        std::size_t size = 0;
        switch (base) {
        case 0x01: // tExp
        case 0x02: // tTbl
            size = 4;
            break;
        case 0x17: { // tStr: length, flags, characters
            if (tokens.size() - at < 2)
                return Yields::Unknown;
            const std::size_t length = static_cast<std::uint8_t>(tokens[at]);
            size = 2 + length * ((tokens[at + 1] & 0x01) ? 2 : 1);
            break;
        }
        case 0x19: { // tAttr: flags, data; a choice lists its jumps
            if (tokens.size() - at < 3)
                return Yields::Unknown;
            size = 3;
            if (tokens[at] & 0x04)
                size += 2 * (std::size_t{u16(tokens, at + 1)} + 1);
            break;
        }
        case 0x1C: // tErr
        case 0x1D: // tBool
            size = 1;
            break;
        case 0x1E: // tInt
            size = 2;
            break;
        case 0x1F: // tNum
            size = 8;
            break;
        case 0x20: // tArray
            size = 7;
            break;
        case 0x21: // tFunc
        case 0x29: // tMemFunc
            size = 2;
            break;
        case 0x22: // tFuncVar
            size = 3;
            break;
        case 0x23: // tName
        case 0x24: // tRef
        case 0x2A: // tRefErr
        case 0x2C: // tRefN
            size = 4;
            break;
        case 0x25: // tArea
        case 0x2B: // tAreaErr
        case 0x2D: // tAreaN
            size = 8;
            break;
        case 0x26: // tMemArea
        case 0x27: // tMemErr
        case 0x28: // tMemNoMem
        case 0x39: // tNameX
        case 0x3A: // tRef3d
        case 0x3C: // tRefErr3d
            size = 6;
            break;
        case 0x3B: // tArea3d
        case 0x3D: // tAreaErr3d
            size = 10;
            break;
        default:
            if (base >= 0x03 && base <= 0x16) // operators, parentheses, a missing argument
                break;
            return Yields::Unknown;
        }
        if (tokens.size() - at < size)
            return Yields::Unknown;
        at += size;
        // Spaces and the like (tAttr) do not change what the operation before them yields.
        if (base != 0x19)
            last = base;
    }
    if (last == 0x08 || last == 0x17) // tConcat, tStr
        return Yields::Text;
    if ((last >= 0x09 && last <= 0x0E) || last == 0x1D) // comparisons, tBool
        return Yields::YesNo;
    return Yields::Unknown;
}

void appendUtf8(std::string& out, char32_t code) {
    if (code < 0x80) {
        out += static_cast<char>(code);
    } else if (code < 0x800) {
        out += static_cast<char>(0xC0 | (code >> 6));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        out += static_cast<char>(0xE0 | (code >> 12));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (code >> 18));
        out += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (code & 0x3F));
    }
}

// UTF-16 to UTF-8; a surrogate without its partner becomes U+FFFD.
std::string utf8(const std::u16string& units) {
    std::string out;
    for (std::size_t i = 0; i < units.size(); ++i) {
        const char32_t u = units[i];
        if (u >= 0xD800 && u < 0xDC00 && i + 1 < units.size() && units[i + 1] >= 0xDC00 &&
            units[i + 1] < 0xE000) {
            appendUtf8(out, 0x10000 + ((u - 0xD800) << 10) + (units[i + 1] - 0xDC00));
            ++i;
        } else if (u >= 0xD800 && u < 0xE000) {
            appendUtf8(out, 0xFFFD);
        } else {
            appendUtf8(out, u);
        }
    }
    return out;
}

class SheetWalk {
public:
    SheetWalk(std::string_view stream, std::uint16_t version) : stream_(stream), biff8_(version == kBiff8) {}

    std::vector<BiffCell> walk(std::size_t offset) {
        Records records(stream_, offset);
        Record r;
        if (!records.next(r) || r.type != kBof || u16(r.body, 2) != kWorksheetBof)
            throw Malformed("the first sheet does not begin where the workbook says");
        // Charts embedded in a sheet are sheets of their own within it, between BOF and EOF.
        int depth = 1;
        while (depth > 0 && records.next(r)) {
            if (r.type == kBof) {
                ++depth;
            } else if (r.type == kEof) {
                --depth;
            } else if (depth == 1 && r.type == kFormula) {
                formula(r.body, records);
            } else if (depth == 1 && r.type == kBoolErr) {
                boolErr(r.body);
            }
        }
        std::stable_sort(cells_.begin(), cells_.end(), [](const BiffCell& a, const BiffCell& b) {
            return a.row != b.row ? a.row < b.row : a.column < b.column;
        });
        cells_.erase(std::unique(cells_.begin(), cells_.end(),
                                 [](const BiffCell& a, const BiffCell& b) {
                                     return a.row == b.row && a.column == b.column;
                                 }),
                     cells_.end());
        return std::move(cells_);
    }

private:
    BiffCell& add(std::string_view body) {
        BiffCell c;
        c.row = u16(body, 0) + 1;
        c.column = u16(body, 2) + 1;
        if (c.column > kMaxXlsColumn)
            throw Malformed("a cell lies beyond the last column");
        cells_.push_back(std::move(c));
        return cells_.back();
    }

    static void unreadable(BiffCell& c, std::string why) {
        c.value = Variant();
        c.flaw = CellFlaw{c.column, CellFlaw::Kind::Unreadable, std::move(why)};
    }

    void formula(std::string_view body, Records& records) {
        if (body.size() < 20)
            throw Malformed("a formula record is cut short");
        BiffCell& c = add(body);
        const std::string_view result = body.substr(6, 8);
        if (u16(result, 6) != 0xFFFF) {
            double d = 0;
            std::memcpy(&d, result.data(), sizeof d);
            // Some writers save a formula that yields a text or a Yes/No with the number 0 in
            // place of its result; that number is no value the cell holds.
            const std::size_t tokenBytes = u16(body, 20);
            const Yields yields = yieldOf(body.substr(22, std::min(tokenBytes, body.size() - 22)));
            if (yields == Yields::Text)
                unreadable(c, "its formula's text result was not saved with the workbook");
            else if (yields == Yields::YesNo)
                unreadable(c, "its formula's Yes/No result was not saved with the workbook");
            else if (!std::isfinite(d))
                unreadable(c, "its formula result is not a number");
            else
                c.value = d;
            return;
        }
        switch (u8(result, 0)) {
        case kTextResult:
            text(c, records);
            return;
        case kYesNoResult:
            c.value = u8(result, 2) != 0;
            return;
        case kErrorResult:
            c.flaw = CellFlaw{c.column, CellFlaw::Kind::Error, errorText(u8(result, 2))};
            return;
        case kEmptyTextResult:
            c.value = std::string();
            return;
        default:
            unreadable(c, "its formula result is of an unknown kind");
        }
    }

    // The text result of a formula: the STRING record after it (shared-formula, array and
    // table records may come between), continued in CONTINUE records when it is long.
    void text(BiffCell& c, Records& records) {
        Record r;
        while (records.peek(r) && (r.type == kSharedFormula || r.type == kArray || r.type == kTable))
            records.next(r);
        if (!records.peek(r) || r.type != kString)
            return unreadable(c, "its formula's text result is missing");
        records.next(r);
        if (!biff8_)
            return unreadable(c, "its formula's text result is in the Excel 95 form, which cannot be read");
        std::string_view body = r.body;
        const std::size_t length = u16(body, 0);
        const std::uint8_t flags = u8(body, 2);
        if (length > kMaxCellText || (flags & ~0x01) != 0)
            return unreadable(c, "its formula's text result is in a form that cannot be read");
        bool wide = (flags & 0x01) != 0;
        std::size_t at = 3;
        std::u16string units;
        while (units.size() < length) {
            if (at == body.size()) {
                // The characters go on in a CONTINUE record, which starts with its own flags.
                if (!records.peek(r) || r.type != kContinue || r.body.empty())
                    return unreadable(c, "its formula's text result is cut short");
                records.next(r);
                body = r.body;
                wide = (u8(body, 0) & 0x01) != 0;
                at = 1;
                continue;
            }
            if (wide) {
                if (body.size() - at < 2)
                    return unreadable(c, "its formula's text result is cut short");
                units += static_cast<char16_t>(u16(body, at));
                at += 2;
            } else {
                units += static_cast<char16_t>(u8(body, at));
                at += 1;
            }
        }
        c.value = utf8(units);
    }

    void boolErr(std::string_view body) {
        if (body.size() < 8)
            throw Malformed("a Yes/No record is cut short");
        BiffCell& c = add(body);
        const std::uint8_t value = u8(body, 6);
        if (u8(body, 7) != 0)
            c.flaw = CellFlaw{c.column, CellFlaw::Kind::Error, errorText(value)};
        else
            c.value = value != 0;
    }

    std::string_view stream_;
    bool biff8_;
    std::vector<BiffCell> cells_;
};

} // namespace

std::vector<BiffCell> biffCells(std::string_view stream) {
    Records records(stream, 0);
    Record r;
    if (!records.next(r) || r.type != kBof)
        throw Malformed("the workbook stream does not begin with a workbook");
    const std::uint16_t version = u16(r.body, 0);
    if ((version != kBiff8 && version != kBiff5) || u16(r.body, 2) != kGlobalsBof)
        throw Malformed("the workbook stream is of a version that cannot be read");
    std::optional<std::size_t> firstSheet;
    bool worksheet = false;
    while (records.next(r) && r.type != kEof) {
        if (r.type == kFilePass)
            return {};
        if (r.type == kBoundSheet && !firstSheet) {
            firstSheet = u32(r.body, 0);
            worksheet = u8(r.body, 5) == kWorksheetType;
        }
    }
    if (!firstSheet || !worksheet)
        return {};
    return SheetWalk(stream, version).walk(*firstSheet);
}

} // namespace qel::xls
