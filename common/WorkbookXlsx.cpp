// The reader of Office Open XML workbooks (.xlsx): a zip package (libzip) of XML parts
// (expat).
//
// Opening reads the package relationships, the workbook part (sheet list, active sheet, date
// system) and the shared strings; the sheet part itself is parsed in chunks, one row at a
// time, and suspended after each row, so nothing past the last row asked for is parsed.
#include "common/WorkbookSource.h"

#include <expat.h>
#include <zip.h>

#include <charconv>
#include <cmath>
#include <cstring>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace qel {
namespace {

constexpr int kChunkSize = 64 * 1024;

// A name without its namespace prefix ("x:row" -> "row").
std::string_view localName(const char* name) {
    std::string_view n(name);
    const auto colon = n.rfind(':');
    return colon == std::string_view::npos ? n : n.substr(colon + 1);
}

// The value of an attribute (by local name), or nothing.
std::optional<std::string_view> attribute(const char** attrs, std::string_view name) {
    for (int i = 0; attrs[i]; i += 2)
        if (localName(attrs[i]) == name)
            return std::string_view(attrs[i + 1]);
    return std::nullopt;
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

// Resolves a relationship target against the folder of the part that names it
// ("xl/" + "worksheets/sheet1.xml"; "/xl/x.xml" is from the package root; ".." goes up).
std::string resolveTarget(const std::string& baseFolder, std::string_view target) {
    std::string joined =
        target.starts_with('/') ? std::string(target.substr(1)) : baseFolder + std::string(target);
    std::vector<std::string> parts;
    std::size_t start = 0;
    while (start <= joined.size()) {
        auto slash = joined.find('/', start);
        if (slash == std::string::npos)
            slash = joined.size();
        const std::string part = joined.substr(start, slash - start);
        if (part == "..") {
            if (!parts.empty())
                parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        start = slash + 1;
    }
    std::string out;
    for (const auto& p : parts)
        out += (out.empty() ? "" : "/") + p;
    return out;
}

std::string folderOf(const std::string& part) {
    const auto slash = part.rfind('/');
    return slash == std::string::npos ? std::string() : part.substr(0, slash + 1);
}

// The handlers of one part's elements. A handler that finds malformed data calls fail(); the
// parse then stops and the error carries the handler's message.
class XmlHandler {
public:
    virtual ~XmlHandler() = default;
    virtual void start(std::string_view name, const char** attrs) = 0;
    virtual void end(std::string_view name) = 0;
    virtual void text(std::string_view) {}

    const std::string& failure() const { return failure_; }

protected:
    void fail(std::string message) {
        if (failure_.empty())
            failure_ = std::move(message);
        if (parser_)
            XML_StopParser(parser_, XML_FALSE);
    }
    // Suspends the parse after the current element; XmlStream::run returns true.
    void pause() { XML_StopParser(parser_, XML_TRUE); }

private:
    friend class XmlStream;
    XML_Parser parser_ = nullptr;
    std::string failure_;
};

class ZipPackage {
public:
    explicit ZipPackage(const std::string& path) : path_(path) {
        int code = 0;
        zip_ = zip_open(path.c_str(), ZIP_RDONLY, &code);
        if (!zip_) {
            zip_error_t error;
            zip_error_init_with_code(&error, code);
            const std::string message = zip_error_strerror(&error);
            zip_error_fini(&error);
            throwWorkbookError(path, "it is not a valid .xlsx package (" + message + ").");
        }
    }
    ~ZipPackage() { zip_discard(zip_); }
    ZipPackage(const ZipPackage&) = delete;
    ZipPackage& operator=(const ZipPackage&) = delete;

    const std::string& path() const { return path_; }
    bool has(const std::string& name) const {
        return zip_name_locate(zip_, name.c_str(), ZIP_FL_NOCASE) >= 0;
    }

    // Opens a part for reading; throws when it is missing or cannot be read.
    zip_file_t* open(const std::string& name) const {
        zip_file_t* file = zip_fopen(zip_, name.c_str(), ZIP_FL_NOCASE);
        if (!file) {
            zip_error_t* error = zip_get_error(zip_);
            const int code = zip_error_code_zip(error);
            if (code == ZIP_ER_NOPASSWD || code == ZIP_ER_WRONGPASSWD)
                throwWorkbookError(path_, "it is protected by a password (encrypted).");
            if (code == ZIP_ER_NOENT)
                throwWorkbookError(path_, "the part " + name + " is missing.");
            throwWorkbookError(path_,
                               "the part " + name + " cannot be read (" + zip_error_strerror(error) + ").");
        }
        return file;
    }

private:
    std::string path_;
    zip_t* zip_ = nullptr;
};

// One XML part parsed in chunks as the handler asks for it.
class XmlStream {
public:
    XmlStream(const ZipPackage& package, std::string part, XmlHandler& handler)
        : package_(package), part_(std::move(part)), handler_(handler), file_(package.open(part_)) {
        parser_ = XML_ParserCreate("UTF-8");
        if (!parser_) {
            zip_fclose(file_);
            throwWorkbookError(package_.path(), "out of memory.");
        }
        handler_.parser_ = parser_;
        XML_SetUserData(parser_, &handler_);
        XML_SetElementHandler(parser_, &XmlStream::onStart, &XmlStream::onEnd);
        XML_SetCharacterDataHandler(parser_, &XmlStream::onText);
    }
    ~XmlStream() {
        handler_.parser_ = nullptr;
        XML_ParserFree(parser_);
        zip_fclose(file_);
    }
    XmlStream(const XmlStream&) = delete;
    XmlStream& operator=(const XmlStream&) = delete;

    // Parses until the handler pauses (true) or the part ends (false).
    bool run() {
        if (suspended_) {
            suspended_ = false;
            const XML_Status status = XML_ResumeParser(parser_);
            if (status == XML_STATUS_SUSPENDED) {
                suspended_ = true;
                return true;
            }
            if (status == XML_STATUS_ERROR)
                failParse();
        }
        while (!finished_) {
            void* buffer = XML_GetBuffer(parser_, kChunkSize);
            if (!buffer)
                throwWorkbookError(package_.path(), "out of memory.");
            const zip_int64_t got = zip_fread(file_, buffer, kChunkSize);
            if (got < 0)
                throwWorkbookError(package_.path(), "the part " + part_ + " cannot be read (" +
                                                        zip_file_strerror(file_) + ").");
            finished_ = got == 0;
            const XML_Status status = XML_ParseBuffer(parser_, static_cast<int>(got), finished_);
            if (status == XML_STATUS_SUSPENDED) {
                suspended_ = true;
                return true;
            }
            if (status == XML_STATUS_ERROR)
                failParse();
        }
        return false;
    }

    // Parses the whole part.
    void runToEnd() {
        while (run()) {
        }
    }

private:
    [[noreturn]] void failParse() const {
        if (!handler_.failure().empty())
            throwWorkbookError(package_.path(),
                               "the part " + part_ + " is malformed (" + handler_.failure() + ").");
        throwWorkbookError(package_.path(), "the part " + part_ + " is malformed (" +
                                                XML_ErrorString(XML_GetErrorCode(parser_)) + " at line " +
                                                std::to_string(XML_GetCurrentLineNumber(parser_)) + ").");
    }

    static void XMLCALL onStart(void* data, const XML_Char* name, const XML_Char** attrs) {
        static_cast<XmlHandler*>(data)->start(localName(name), attrs);
    }
    static void XMLCALL onEnd(void* data, const XML_Char* name) {
        static_cast<XmlHandler*>(data)->end(localName(name));
    }
    static void XMLCALL onText(void* data, const XML_Char* text, int length) {
        static_cast<XmlHandler*>(data)->text(std::string_view(text, static_cast<std::size_t>(length)));
    }

    const ZipPackage& package_;
    std::string part_;
    XmlHandler& handler_;
    zip_file_t* file_;
    XML_Parser parser_;
    bool suspended_ = false;
    bool finished_ = false;
};

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

// Collects the shared strings: the text runs of each <si>, phonetic guides left out.
class SharedStringsHandler : public XmlHandler {
public:
    std::vector<std::string> strings;

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
            strings.push_back(decodeEscapes(std::move(current_)));
            current_.clear();
            inItem_ = false;
        } else if (name == "rPh") {
            --phoneticDepth_;
        } else if (name == "t") {
            inText_ = false;
        }
    }
    void text(std::string_view t) override {
        if (inText_)
            current_.append(t);
    }

private:
    std::string current_;
    bool inItem_ = false;
    bool inText_ = false;
    int phoneticDepth_ = 0;
};

// Turns the sheet part's <row> and <c> elements into rows, pausing after each row.
class SheetHandler : public XmlHandler {
public:
    SheetHandler(const std::vector<std::string>& sharedStrings) : sharedStrings_(sharedStrings) {}

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
        } else if (inCell_ && (name == "v" || (name == "t" && inInline_ && phoneticDepth_ == 0))) {
            capture_ = true;
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
            if (auto& v = std::get<Variant>(value); !v.isNull()) {
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
        if (capture_)
            value_.append(t);
    }

private:
    // The value of the cell just closed, by its type, or what is wrong with it.
    std::variant<Variant, std::string> cellValue() {
        const std::string where = "cell " + columnName(lastColumn_) + std::to_string(building_.number);
        if (type_ == "inlineStr" || type_ == "str")
            return Variant(decodeEscapes(std::move(value_)));
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
            return Variant(sharedStrings_[index]);
        }
        if (type_ == "b")
            return Variant(value_ != "0");
        if (type_ == "e")
            return Variant(value_); // the error's text, such as #N/A
        if (type_ == "d") {
            const auto date = Date::fromIso(value_);
            if (!date)
                return where + " holds '" + value_ + "', which is not a date";
            return Variant(static_cast<double>(date->serial()));
        }
        return where + " has the unknown type '" + type_ + "'";
    }

    const std::vector<std::string>& sharedStrings_;
    SheetRow building_;
    int lastRow_ = 0;
    int lastColumn_ = 0;
    std::string type_;
    std::string value_;
    bool inRow_ = false;
    bool inCell_ = false;
    bool inInline_ = false;
    bool capture_ = false;
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
            SharedStringsHandler handler;
            XmlStream(package_, resolveTarget(folder, strings->target), handler).runToEnd();
            sharedStrings_ = std::move(handler.strings);
        }
        handler_ = std::make_unique<SheetHandler>(sharedStrings_);
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
    std::vector<std::string> sharedStrings_;
    std::unique_ptr<SheetHandler> handler_;
    std::unique_ptr<XmlStream> stream_;
};

} // namespace

std::unique_ptr<SheetSource> openXlsxSheet(const std::string& path) {
    return std::make_unique<XlsxSheet>(path);
}

} // namespace qel
