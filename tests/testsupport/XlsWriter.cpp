// A minimal writer of Excel 97-2003 workbooks for tests: BIFF8 records (a workbook globals
// part and one worksheet per sheet) in the "Workbook" stream of a version 3 compound file.
//
// It writes what a reader needs and little else: the workbook BOF, code page, window, date
// system, one font, the cell formats (general and a date format), the normal style, the sheet
// list, the shared strings and the worksheets' dimensions, window, cells and formula cells.
#include "tests/testsupport/WorkbookWriter.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <utility>

namespace qel::test {
namespace {

constexpr std::size_t kSector = 512;
constexpr std::uint32_t kEndOfChain = 0xFFFFFFFE;
constexpr std::uint32_t kFatSector = 0xFFFFFFFD;
constexpr std::uint32_t kFree = 0xFFFFFFFF;
constexpr std::uint32_t kNoStream = 0xFFFFFFFF;
// Streams shorter than this live in the compound file's mini stream, which this writer does
// not write: the workbook stream is padded to it.
constexpr std::size_t kMiniStreamCutoff = 4096;
constexpr std::size_t kMaxRecord = 8224;

// Cell formats: index 15 is the default cell format, 16 shows a date.
constexpr std::uint16_t kGeneralXf = 15;
constexpr std::uint16_t kDateXf = 16;

void le16(std::string& out, std::uint16_t v) {
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void le32(std::string& out, std::uint32_t v) {
    le16(out, static_cast<std::uint16_t>(v & 0xFFFF));
    le16(out, static_cast<std::uint16_t>(v >> 16));
}

void put32(std::string& out, std::size_t at, std::uint32_t v) {
    std::string bytes;
    le32(bytes, v);
    out.replace(at, 4, bytes);
}

void record(std::string& out, std::uint16_t type, const std::string& body) {
    if (body.size() > kMaxRecord)
        throw std::runtime_error("BIFF record too long for the test writer");
    le16(out, type);
    le16(out, static_cast<std::uint16_t>(body.size()));
    out += body;
}

// UTF-8 to UTF-16 code units (the test data stays within the Basic Multilingual Plane).
std::u16string utf16(const std::string& text) {
    std::u16string out;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        char32_t code = c;
        int extra = 0;
        if (c >= 0xE0) {
            code = c & 0x0F;
            extra = 2;
        } else if (c >= 0xC0) {
            code = c & 0x1F;
            extra = 1;
        }
        ++i;
        for (int k = 0; k < extra && i < text.size(); ++k, ++i)
            code = (code << 6) | (static_cast<unsigned char>(text[i]) & 0x3F);
        out += static_cast<char16_t>(code);
    }
    return out;
}

// The characters of a BIFF8 string after its length: a flag byte, then one byte per character
// when every character fits, else UTF-16.
std::string stringBody(const std::u16string& text) {
    bool wide = false;
    for (char16_t c : text)
        wide = wide || c > 0xFF;
    std::string out;
    out += static_cast<char>(wide ? 1 : 0);
    for (char16_t c : text) {
        if (wide)
            le16(out, c);
        else
            out += static_cast<char>(c);
    }
    return out;
}

std::string bof(std::uint16_t kind) {
    std::string b;
    le16(b, 0x0600); // BIFF8
    le16(b, kind);
    le16(b, 0x0DBB); // build
    le16(b, 0x07CC); // year
    le32(b, 0);
    le32(b, 0x06);
    return b;
}

std::string xf(std::uint16_t format, bool style) {
    std::string b;
    le16(b, 0);                                  // font
    le16(b, format);                             // number format
    le16(b, style ? 0xFFF5 : 0x0001);            // locked; a style has no parent
    b += static_cast<char>(0x20);                // bottom alignment
    b += static_cast<char>(0);                   // rotation
    b += static_cast<char>(0);                   // indent
    b += static_cast<char>(style ? 0x00 : 0xF8); // attributes of its own
    le32(b, 0);                                  // borders
    le32(b, 0);                                  // border colours
    le16(b, 0x20C0);                             // pattern colours
    return b;
}

std::string cellHead(std::size_t row, std::size_t col, std::uint16_t format) {
    std::string b;
    le16(b, static_cast<std::uint16_t>(row));
    le16(b, static_cast<std::uint16_t>(col));
    le16(b, format);
    return b;
}

// The code of an error as a BIFF8 record stores it.
std::uint8_t errorCode(const std::string& error) {
    static const std::pair<const char*, std::uint8_t> codes[] = {
        {"#NULL!", 0x00}, {"#DIV/0!", 0x07}, {"#VALUE!", 0x0F}, {"#REF!", 0x17},
        {"#NAME?", 0x1D}, {"#NUM!", 0x24},   {"#N/A", 0x2A},
    };
    for (const auto& [text, code] : codes)
        if (error == text)
            return code;
    throw std::runtime_error("unknown error " + error);
}

// A FORMULA record with its stored result, and a STRING record after it for a text result: its
// characters go on in CONTINUE records, each starting with its own flag byte, when they do not
// fit one record.
void formula(std::string& s, const SheetFormula& f) {
    std::string b = cellHead(f.row, f.column, kGeneralXf);
    std::string result(8, '\0');
    const bool text = f.error.empty() && f.result.isText() && f.textSaved;
    if (!f.error.empty() || f.result.isBool() || text) {
        result[0] = static_cast<char>(!f.error.empty() ? 2 : f.result.isBool() ? 1 : 0);
        if (!f.error.empty())
            result[2] = static_cast<char>(errorCode(f.error));
        else if (f.result.isBool())
            result[2] = static_cast<char>(f.result.toBool() ? 1 : 0);
        result[6] = result[7] = static_cast<char>(0xFF);
    } else if (f.result.isNumber()) {
        const double number = f.result.toDouble();
        std::memcpy(result.data(), &number, sizeof number);
    }
    b += result;
    le16(b, 0); // flags
    le32(b, 0); // cache
    le16(b, static_cast<std::uint16_t>(f.tokens.size()));
    b += f.tokens;
    record(s, 0x0006, b);
    if (!text)
        return;
    const std::u16string wide = utf16(f.result.toString());
    std::string body;
    le16(body, static_cast<std::uint16_t>(wide.size()));
    body += static_cast<char>(1); // two bytes a character
    std::uint16_t type = 0x0207;
    for (char16_t c : wide) {
        if (body.size() + 2 > kMaxRecord) {
            record(s, type, body);
            type = 0x003C; // CONTINUE
            body = std::string(1, '\x01');
        }
        le16(body, c);
    }
    record(s, type, body);
}

// A worksheet's records; its texts are added to `sst`.
std::string worksheet(const SheetData& rows, std::vector<std::string>& sst, const XlsOptions& options) {
    std::size_t columns = 0, rowCount = rows.size() * options.copies;
    for (const auto& row : rows)
        columns = std::max(columns, row.size());
    for (const auto& f : options.formulas) {
        columns = std::max(columns, f.column + 1);
        rowCount = std::max(rowCount, f.row + 1);
    }
    const auto isFormula = [&](std::size_t r, std::size_t c) {
        return std::any_of(options.formulas.begin(), options.formulas.end(),
                           [&](const SheetFormula& f) { return f.row == r && f.column == c; });
    };
    std::string s;
    record(s, 0x0809, bof(0x0010));
    std::string dim;
    le32(dim, 0);
    le32(dim, options.declaredRows ? options.declaredRows : static_cast<std::uint32_t>(rowCount));
    le16(dim, 0);
    le16(dim, options.declaredColumns ? options.declaredColumns : static_cast<std::uint16_t>(columns));
    le16(dim, 0);
    record(s, 0x0200, dim); // DIMENSIONS
    std::string window;
    le16(window, 0x06B6);
    le16(window, 0);
    le16(window, 0);
    le32(window, 0x40);
    le16(window, 0);
    le16(window, 0);
    le32(window, 0);
    record(s, 0x023E, window); // WINDOW2
    for (std::size_t r = 0; r < rows.size() * options.copies; ++r) {
        const auto& cells = rows[r % rows.size()];
        for (std::size_t c = 0; c < cells.size(); ++c) {
            const Variant& v = cells[c];
            if (v.isNull() || isFormula(r, c))
                continue;
            if (v.isText()) {
                std::string b = cellHead(r, c, kGeneralXf);
                const std::string text = v.toString();
                std::size_t index = 0;
                while (index < sst.size() && sst[index] != text)
                    ++index;
                if (index == sst.size())
                    sst.push_back(text);
                le32(b, static_cast<std::uint32_t>(index));
                record(s, 0x00FD, b); // LABELSST
            } else if (v.isBool()) {
                std::string b = cellHead(r, c, kGeneralXf);
                b += static_cast<char>(v.toBool() ? 1 : 0);
                b += static_cast<char>(0);
                record(s, 0x0205, b); // BOOLERR
            } else {
                const bool date = v.isDate();
                std::string b = cellHead(r, c, date ? kDateXf : kGeneralXf);
                const double number = date ? static_cast<double>(v.toDate().serial()) : v.toDouble();
                std::uint64_t bits = 0;
                std::memcpy(&bits, &number, sizeof bits);
                le32(b, static_cast<std::uint32_t>(bits & 0xFFFFFFFF));
                le32(b, static_cast<std::uint32_t>(bits >> 32));
                record(s, 0x0203, b); // NUMBER
            }
        }
    }
    for (const auto& f : options.formulas)
        formula(s, f);
    record(s, 0x000A, {}); // EOF
    return s;
}

std::string workbookStream(const SheetData& rows, const XlsOptions& options) {
    std::vector<std::string> sheetNames{"Sheet1"};
    sheetNames.insert(sheetNames.end(), options.extraSheets.begin(), options.extraSheets.end());

    std::vector<std::string> sst;
    std::vector<std::string> sheets;
    sheets.push_back(worksheet(rows, sst, options));
    for (std::size_t i = 1; i < sheetNames.size(); ++i)
        sheets.push_back(worksheet({}, sst, {}));

    std::string g;
    record(g, 0x0809, bof(0x0005));
    if (options.passwordProtected) {
        std::string b;
        le16(b, 0); // XOR obfuscation
        le16(b, 0x1234);
        le16(b, 0x5678);
        record(g, 0x002F, b); // FILEPASS
    }
    std::string codepage;
    le16(codepage, 1200);
    record(g, 0x0042, codepage);
    std::string window;
    for (std::uint16_t v : {0, 0, 0x3000, 0x2000, 0x38, 0, 0, 1, 600})
        le16(window, v);
    record(g, 0x003D, window); // WINDOW1
    std::string datemode;
    le16(datemode, 0);
    record(g, 0x0022, datemode);
    std::string font;
    for (std::uint16_t v : {200, 0, 0x7FFF, 400, 0})
        le16(font, v);
    font += std::string(4, '\0');
    font += static_cast<char>(5);
    font += stringBody(u"Arial");
    record(g, 0x0031, font);
    for (int i = 0; i < 15; ++i)
        record(g, 0x00E0, xf(0, true));
    record(g, 0x00E0, xf(0, false));  // general
    record(g, 0x00E0, xf(14, false)); // m/d/yyyy
    std::string style;
    le16(style, 0x8000);
    style += static_cast<char>(0);
    style += static_cast<char>(0xFF);
    record(g, 0x0293, style); // STYLE: Normal
    std::vector<std::size_t> positions;
    for (const auto& name : sheetNames) {
        std::string b;
        positions.push_back(g.size() + 4);
        le32(b, 0);
        b += static_cast<char>(0);
        b += static_cast<char>(0);
        b += static_cast<char>(name.size());
        b += stringBody(utf16(name));
        record(g, 0x0085, b); // BOUNDSHEET
    }
    std::string table;
    le32(table, static_cast<std::uint32_t>(sst.size()));
    le32(table, static_cast<std::uint32_t>(sst.size()));
    for (const auto& text : sst) {
        const std::u16string wide = utf16(text);
        le16(table, static_cast<std::uint16_t>(wide.size()));
        table += stringBody(wide);
    }
    record(g, 0x00FC, table); // SST
    record(g, 0x000A, {});    // EOF

    std::string stream = g;
    for (std::size_t i = 0; i < sheets.size(); ++i) {
        put32(stream, positions[i], static_cast<std::uint32_t>(stream.size()));
        stream += sheets[i];
    }
    if (stream.size() < kMiniStreamCutoff)
        stream.resize(kMiniStreamCutoff, '\0');
    return stream;
}

void directoryEntry(std::string& out, const std::u16string& name, std::uint8_t type, std::uint32_t child,
                    std::uint32_t start, std::uint32_t size) {
    std::string e;
    for (char16_t c : name)
        le16(e, c);
    e.resize(64, '\0');
    le16(e, static_cast<std::uint16_t>(name.empty() ? 0 : (name.size() + 1) * 2));
    e += static_cast<char>(type);
    e += static_cast<char>(1); // black
    le32(e, kNoStream);        // left sibling
    le32(e, kNoStream);        // right sibling
    le32(e, child);
    e.resize(116, '\0'); // class id, state bits, times
    le32(e, start);
    le32(e, size);
    le32(e, 0);
    out += e;
}

std::string compoundFile(const std::string& streamName, std::string stream) {
    const auto streamSize = static_cast<std::uint32_t>(stream.size());
    const std::size_t dataSectors = (stream.size() + kSector - 1) / kSector;
    stream.resize(dataSectors * kSector, '\0');
    std::size_t fatSectors = 1;
    while (fatSectors * (kSector / 4) < fatSectors + 1 + dataSectors)
        ++fatSectors;
    if (fatSectors > 109)
        throw std::runtime_error("workbook too large for the test writer");
    const auto dirSector = static_cast<std::uint32_t>(fatSectors);
    const auto firstData = static_cast<std::uint32_t>(fatSectors + 1);

    std::string header;
    header += std::string("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
    header += std::string(16, '\0');
    for (std::uint16_t v : {0x003E, 0x0003, 0xFFFE, 0x0009, 0x0006})
        le16(header, v);
    header += std::string(6, '\0');
    le32(header, 0); // directory sectors (version 3)
    le32(header, static_cast<std::uint32_t>(fatSectors));
    le32(header, dirSector);
    le32(header, 0);
    le32(header, kMiniStreamCutoff);
    le32(header, kEndOfChain); // mini FAT
    le32(header, 0);
    le32(header, kEndOfChain); // DIFAT
    le32(header, 0);
    for (std::size_t i = 0; i < 109; ++i)
        le32(header, i < fatSectors ? static_cast<std::uint32_t>(i) : kFree);

    std::string fat;
    for (std::size_t i = 0; i < fatSectors; ++i)
        le32(fat, kFatSector);
    le32(fat, kEndOfChain); // directory
    for (std::size_t i = 0; i < dataSectors; ++i)
        le32(fat, i + 1 < dataSectors ? static_cast<std::uint32_t>(firstData + i + 1) : kEndOfChain);
    while (fat.size() < fatSectors * kSector)
        le32(fat, kFree);

    std::string dir;
    directoryEntry(dir, u"Root Entry", 5, 1, kEndOfChain, 0);
    const std::u16string name(streamName.begin(), streamName.end());
    directoryEntry(dir, name, 2, kNoStream, firstData, streamSize);
    directoryEntry(dir, u"", 0, kNoStream, 0, 0);
    directoryEntry(dir, u"", 0, kNoStream, 0, 0);

    return header + fat + dir + stream;
}

} // namespace

void writeXls(const std::filesystem::path& path, const SheetData& rows, const XlsOptions& options) {
    writeBytes(path, compoundFile(options.streamName, workbookStream(rows, options)));
}

} // namespace qel::test
