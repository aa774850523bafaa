// The reader of Office Open XML workbooks (.xlsx): a zip package of XML parts (XlsxPackage.h).
//
// Opening reads the package relationships, the workbook part (sheet list, active sheet, date
// system) and the shared strings; the sheet part itself is parsed in chunks, one row at a
// time, and suspended after each row, so nothing past the last row asked for is parsed.
//
// What no real workbook holds is refused before it can take much memory: a text longer than a
// cell can hold (kMaxCellText), more shared strings than the package's sheets have room to use,
// a part that unpacks past kMaxPartBytes. The shared strings and then the sheet's cells are
// counted against the limits of a sheet (SheetBudget), so that the strings held stay within them
// and the reading of a sheet whose cells show one long string over and over ends at them too.
#include "common/WorkbookSource.h"
#include "common/XlsxPackage.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qel {
namespace {

// Lists a package keeps in memory besides the shared strings (relationships, sheets) hold at
// most this many entries; real workbooks list a handful.
constexpr std::size_t kMaxListed = 65536;
// The fewest bytes a cell that uses a shared string takes in a sheet part: <c t="s"><v>0</v></c>.
constexpr std::uint64_t kSmallestSharedStringCell = 22;
// Escapes such as "_x000D_" take seven bytes for one character; raw text beyond this cannot
// decode to a text a cell can hold.
constexpr std::size_t kMaxRawCellText = 7 * kMaxCellText;

// The UTF-16 code units of a text (a four-byte UTF-8 sequence counts two).
std::size_t utf16Units(std::string_view text) {
    std::size_t units = 0;
    for (const char c : text) {
        const auto b = static_cast<unsigned char>(c);
        units += (b & 0xC0) != 0x80;
        units += b >= 0xF0;
    }
    return units;
}

template <typename Number> bool parseWhole(std::string_view text, Number& out) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size();
}

// A finite number (from_chars would also take "nan" and "inf").
bool parseDouble(std::string_view text, double& out) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && std::isfinite(out);
}

// A cell reference such as "B12": column from 1, row from 1 (0 when the reference has no
// row digits). False for text that is no reference.
bool parseCellReference(std::string_view ref, int& column, int& row) {
    std::size_t i = 0;
    column = 0;
    while (i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z') {
        column = column * 26 + (ref[i] - 'A' + 1);
        if (column > kMaxSheetColumn)
            return false;
        ++i;
    }
    if (column == 0)
        return false;
    row = 0;
    if (i == ref.size())
        return true;
    return parseWhole(ref.substr(i), row) && row >= 1 && row <= kMaxSheetRow;
}

// Text of a part with the "_xHHHH_" escapes of characters that XML cannot carry decoded.
std::string decodeEscapes(std::string text) {
    if (text.find("_x") == std::string::npos)
        return text;
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        unsigned code = 0;
        if (text.compare(i, 2, "_x") == 0 && i + 7 <= text.size() && text[i + 6] == '_') {
            const auto hex = std::string_view(text).substr(i + 2, 4);
            const auto [ptr, ec] = std::from_chars(hex.data(), hex.data() + 4, code, 16);
            if (ec == std::errc() && ptr == hex.data() + 4) {
                // UTF-8 of a code point below 0x10000.
                if (code < 0x80) {
                    out += static_cast<char>(code);
                } else if (code < 0x800) {
                    out += static_cast<char>(0xC0 | (code >> 6));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                } else {
                    out += static_cast<char>(0xE0 | (code >> 12));
                    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
                    out += static_cast<char>(0x80 | (code & 0x3F));
                }
                i += 7;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

struct Relationship {
    std::string id;
    std::string type;
    std::string target;
};

class RelationshipsHandler : public XmlHandler {
public:
    std::vector<Relationship> relationships;

    void start(std::string_view name, const char** attrs) override {
        if (name != "Relationship")
            return;
        if (relationships.size() == kMaxListed)
            return fail("it lists more than " + std::to_string(kMaxListed) + " relationships");
        Relationship r;
        r.id = attribute(attrs, "Id").value_or("");
        r.type = attribute(attrs, "Type").value_or("");
        r.target = attribute(attrs, "Target").value_or("");
        relationships.push_back(std::move(r));
    }
    void end(std::string_view) override {}

    const Relationship* byType(std::string_view suffix) const {
        for (const auto& r : relationships)
            if (r.type.ends_with(suffix))
                return &r;
        return nullptr;
    }
    std::vector<const Relationship*> allOfType(std::string_view suffix) const {
        std::vector<const Relationship*> out;
        for (const auto& r : relationships)
            if (r.type.ends_with(suffix))
                out.push_back(&r);
        return out;
    }
    const Relationship* byId(std::string_view id) const {
        for (const auto& r : relationships)
            if (r.id == id)
                return &r;
        return nullptr;
    }
};

struct SheetEntry {
    std::string name;
    std::string relationshipId;
};

class WorkbookPartHandler : public XmlHandler {
public:
    std::vector<SheetEntry> sheets;
    int activeTab = 0;
    bool date1904 = false;

    void start(std::string_view name, const char** attrs) override {
        if (name == "sheet") {
            if (sheets.size() == kMaxListed)
                return fail("it lists more than " + std::to_string(kMaxListed) + " sheets");
            sheets.push_back({std::string(attribute(attrs, "name").value_or("")),
                              std::string(attribute(attrs, "id").value_or(""))});
        } else if (name == "workbookView" && !seenView_) {
            seenView_ = true;
            if (const auto tab = attribute(attrs, "activeTab"); tab && !parseWhole(*tab, activeTab))
                fail("activeTab is not a number");
        } else if (name == "workbookPr") {
            const auto mode = attribute(attrs, "date1904");
            date1904 = mode && (*mode == "1" || *mode == "true");
        }
    }
    void end(std::string_view) override {}

private:
    bool seenView_ = false;
};

// The bytes of a value's text; 0 for a value of another kind.
std::size_t textBytes(const Variant& value) {
    const auto* text = std::get_if<std::string>(&value.storage());
    return text ? text->size() : 0;
}

// A handler that counts what it reads against the limits of the sheet.
class CountingHandler : public XmlHandler {
protected:
    explicit CountingHandler(SheetBudget& budget) : budget_(budget) {}

    // Counts one cell holding `textBytes` bytes of text. False past the limits of the sheet,
    // when the parse has stopped and the workbook is refused with the limit passed.
    bool count(std::size_t textBytes) {
        try {
            budget_.cell(textBytes);
            return true;
        } catch (const SheetTooLarge& e) {
            refuse(e.what());
            return false;
        }
    }

private:
    SheetBudget& budget_;
};

// The shared strings end to end in one buffer: a table of many short strings costs their text
// and one offset each.
class SharedStrings {
public:
    void add(std::string_view text) {
        text_.append(text);
        ends_.push_back(text_.size());
    }
    std::size_t size() const { return ends_.size(); }
    std::string_view operator[](std::size_t i) const {
        const std::size_t begin = i == 0 ? 0 : ends_[i - 1];
        return std::string_view(text_).substr(begin, ends_[i] - begin);
    }

private:
    std::string text_;
    std::vector<std::size_t> ends_;
};

// Collects the shared strings: the text runs of each <si>, phonetic guides left out. Refuses a
// text longer than a cell holds, more strings than `capacity`, the cells the package's sheets
// have room for, and strings past the limits of the sheet, each string counted as a cell.
class SharedStringsHandler : public CountingHandler {
public:
    SharedStringsHandler(std::uint64_t capacity, SheetBudget& budget)
        : CountingHandler(budget), capacity_(capacity) {}

    SharedStrings strings;

    void start(std::string_view name, const char**) override {
        if (name == "si") {
            current_.clear();
            inItem_ = true;
        } else if (name == "rPh") {
            ++phoneticDepth_;
        } else if (name == "t" && inItem_ && phoneticDepth_ == 0) {
            inText_ = true;
        }
    }
    void end(std::string_view name) override {
        if (name == "si") {
            inItem_ = false;
            // A text without escapes is taken where it was read, whose room serves the next.
            std::string decoded;
            std::string_view text = current_;
            if (text.find("_x") != std::string_view::npos)
                text = decoded = decodeEscapes(current_);
            if (utf16Units(text) > kMaxCellText)
                return tooLong();
            if (strings.size() >= capacity_)
                return fail("it holds more shared strings than its sheets have room to use");
            if (count(text.size()))
                strings.add(text);
        } else if (name == "rPh") {
            --phoneticDepth_;
        } else if (name == "t") {
            inText_ = false;
        }
    }
    void text(std::string_view t) override {
        if (!inText_)
            return;
        if (current_.size() + t.size() > kMaxRawCellText)
            return tooLong();
        current_.append(t);
    }

private:
    void tooLong() {
        fail("shared string " + std::to_string(strings.size()) + " is longer than " +
             std::to_string(kMaxCellText) + " characters, more than a cell holds");
    }

    std::uint64_t capacity_;
    std::string current_;
    bool inItem_ = false;
    bool inText_ = false;
    int phoneticDepth_ = 0;
};

// Turns the sheet part's <row> and <c> elements into rows, pausing after each row. Each cell
// with a value or a flaw is counted with its text, a shared string's as often as cells show it.
class SheetHandler : public CountingHandler {
public:
    SheetHandler(const SharedStrings& sharedStrings, SheetBudget& budget)
        : CountingHandler(budget), sharedStrings_(sharedStrings) {}

    SheetRow row;       // the row completed last
    bool ready = false; // a row was completed since the last take

    void start(std::string_view name, const char** attrs) override {
        if (name == "row") {
            int number = lastRow_ + 1;
            if (const auto r = attribute(attrs, "r"); r && !parseWhole(*r, number))
                return fail("row number '" + std::string(*r) + "' is not a number");
            if (number <= lastRow_ || number > kMaxSheetRow)
                return fail("row " + std::to_string(number) + " is out of order or out of range");
            building_.number = number;
            building_.cells.clear();
            building_.flaws.clear();
            lastColumn_ = 0;
            inRow_ = true;
        } else if (name == "c" && inRow_) {
            int column = lastColumn_ + 1;
            if (const auto r = attribute(attrs, "r")) {
                int rowOfCell = 0;
                if (!parseCellReference(*r, column, rowOfCell))
                    return fail("cell reference '" + std::string(*r) + "' is not valid");
            }
            if (column <= lastColumn_ || column > kMaxSheetColumn)
                return fail("cell in column " + std::to_string(column) + " of row " +
                            std::to_string(building_.number) + " is out of order");
            lastColumn_ = column;
            type_ = std::string(attribute(attrs, "t").value_or("n"));
            value_.clear();
            inCell_ = true;
            hasFormula_ = false;
            hasValue_ = false;
        } else if (inCell_ && name == "f") {
            hasFormula_ = true;
        } else if (inCell_ && (name == "v" || (name == "t" && inInline_ && phoneticDepth_ == 0))) {
            capture_ = true;
            hasValue_ = true;
        } else if (inCell_ && name == "is") {
            inInline_ = true;
        } else if (inCell_ && name == "rPh") {
            ++phoneticDepth_;
        }
    }

    void end(std::string_view name) override {
        if (name == "v" || name == "t") {
            capture_ = false;
        } else if (name == "is") {
            inInline_ = false;
        } else if (name == "rPh") {
            --phoneticDepth_;
        } else if (name == "c" && inCell_) {
            inCell_ = false;
            auto value = cellValue();
            if (auto* error = std::get_if<std::string>(&value))
                return fail(*error);
            if (auto* flaw = std::get_if<CellFlaw>(&value)) {
                if (count(flaw->text.size()))
                    building_.flaws.push_back(std::move(*flaw));
            } else if (auto& v = std::get<Variant>(value); !v.isNull()) {
                if (!count(textBytes(v)))
                    return;
                building_.cells.resize(static_cast<std::size_t>(lastColumn_));
                building_.cells.back() = std::move(v);
            }
        } else if (name == "row" && inRow_) {
            inRow_ = false;
            lastRow_ = building_.number;
            row = std::move(building_);
            building_ = SheetRow();
            ready = true;
            pause();
        }
    }

    void text(std::string_view t) override {
        if (!capture_)
            return;
        if (value_.size() + t.size() > kMaxRawCellText)
            return fail(where() + " holds a text longer than " + std::to_string(kMaxCellText) +
                        " characters, more than a cell holds");
        value_.append(t);
    }

private:
    std::string where() const { return "cell " + columnName(lastColumn_) + std::to_string(building_.number); }

    // The value of the cell just closed by its type, a flaw, or what is wrong with the file.
    std::variant<Variant, CellFlaw, std::string> cellValue() {
        const std::string where = this->where();
        // A formula saved without its result (by a writer that does not calculate) holds
        // something this reader cannot tell.
        if (hasFormula_ && !hasValue_)
            return CellFlaw{lastColumn_, CellFlaw::Kind::Unreadable, "its formula has no stored result"};
        if (type_ == "inlineStr" || type_ == "str") {
            std::string text = decodeEscapes(std::move(value_));
            if (utf16Units(text) > kMaxCellText)
                return where + " holds a text longer than " + std::to_string(kMaxCellText) +
                       " characters, more than a cell holds";
            return Variant(std::move(text));
        }
        if (value_.empty())
            return Variant();
        if (type_ == "n") {
            double number = 0;
            if (!parseDouble(value_, number))
                return where + " holds '" + value_ + "', which is not a number";
            return Variant(number);
        }
        if (type_ == "s") {
            std::size_t index = 0;
            if (!parseWhole(value_, index) || index >= sharedStrings_.size())
                return where + " names a shared string that does not exist";
            return Variant(std::string(sharedStrings_[index]));
        }
        if (type_ == "b")
            return Variant(value_ != "0");
        if (type_ == "e")
            return CellFlaw{lastColumn_, CellFlaw::Kind::Error, value_}; // such as #N/A
        if (type_ == "d") {
            const auto date = Date::fromIso(value_);
            if (!date)
                return where + " holds '" + value_ + "', which is not a date";
            return Variant(static_cast<double>(date->serial()));
        }
        return where + " has the unknown type '" + type_ + "'";
    }

    const SharedStrings& sharedStrings_;
    SheetRow building_;
    int lastRow_ = 0;
    int lastColumn_ = 0;
    std::string type_;
    std::string value_;
    bool inRow_ = false;
    bool inCell_ = false;
    bool inInline_ = false;
    bool capture_ = false;
    bool hasFormula_ = false; // the cell holds an <f>
    bool hasValue_ = false;   // the cell holds a <v> or an inline text
    int phoneticDepth_ = 0;
};

class XlsxSheet : public SheetSource {
public:
    explicit XlsxSheet(const std::string& path) : package_(path) {
        // The workbook part, from the package relationships (its usual name when they are missing).
        std::string workbookPart = "xl/workbook.xml";
        if (package_.has("_rels/.rels")) {
            RelationshipsHandler rels;
            XmlStream(package_, "_rels/.rels", rels).runToEnd();
            if (const auto* r = rels.byType("/officeDocument"))
                workbookPart = resolveTarget("", r->target);
        }
        if (!package_.has(workbookPart))
            throwWorkbookError(path, "it is not an Excel workbook (it has no workbook part).");
        WorkbookPartHandler book;
        XmlStream(package_, workbookPart, book).runToEnd();
        date1904_ = book.date1904;
        if (book.sheets.empty())
            throwWorkbookError(path, "it holds no sheet.");
        const std::size_t active =
            book.activeTab >= 0 && static_cast<std::size_t>(book.activeTab) < book.sheets.size()
                ? static_cast<std::size_t>(book.activeTab)
                : 0;
        sheetName_ = book.sheets[active].name;

        const std::string folder = folderOf(workbookPart);
        const std::string relsPart = folder + "_rels/" + workbookPart.substr(folder.size()) + ".rels";
        RelationshipsHandler rels;
        XmlStream(package_, relsPart, rels).runToEnd();
        const auto* sheetRel = rels.byId(book.sheets[active].relationshipId);
        if (!sheetRel)
            throwWorkbookError(path, "the part of sheet '" + sheetName_ + "' is not listed.");
        if (!sheetRel->type.ends_with("/worksheet"))
            throwWorkbookError(path, "the active sheet '" + sheetName_ + "' is not a worksheet.");
        if (const auto* strings = rels.byType("/sharedStrings")) {
            // Each shared string is there to be used by a cell of a sheet; the sheets' sizes
            // bound how many cells there can be.
            std::uint64_t sheetBytes = 0;
            for (const Relationship* sheet : rels.allOfType("/worksheet"))
                sheetBytes += package_.declaredSize(resolveTarget(folder, sheet->target));
            SharedStringsHandler handler(sheetBytes / kSmallestSharedStringCell, budget_);
            XmlStream(package_, resolveTarget(folder, strings->target), handler).runToEnd();
            sharedStrings_ = std::move(handler.strings);
        }
        handler_ = std::make_unique<SheetHandler>(sharedStrings_, budget_);
        stream_ = std::make_unique<XmlStream>(package_, resolveTarget(folder, sheetRel->target), *handler_);
    }

    bool next(SheetRow& row) override {
        while (!handler_->ready) {
            if (!stream_->run() && !handler_->ready)
                return false;
        }
        handler_->ready = false;
        row = std::move(handler_->row);
        return true;
    }

    const std::string& sheetName() const override { return sheetName_; }
    bool uses1904Dates() const override { return date1904_; }

private:
    ZipPackage package_;
    std::string sheetName_;
    bool date1904_ = false;
    SharedStrings sharedStrings_;
    SheetBudget budget_{kMaxXlsxSheetCells}; // before the handlers that count against it
    std::unique_ptr<SheetHandler> handler_;
    std::unique_ptr<XmlStream> stream_;
};

} // namespace

std::unique_ptr<SheetSource> openXlsxSheet(const std::string& path) {
    return std::make_unique<XlsxSheet>(path);
}

} // namespace qel
