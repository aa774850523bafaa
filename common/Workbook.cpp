// Workbook: picks the reader of a file by its first bytes and walks the sheet's rows.
#include "common/Workbook.h"

#include "common/RegularFile.h"
#include "common/ServerError.h"
#include "common/WorkbookSource.h"

#include <cerrno>
#include <cmath>
#include <cstring>
#include <fstream>

namespace qel {
namespace {

// The first bytes of a zip package and of a compound file.
constexpr unsigned char kZipSignature[] = {'P', 'K', 0x03, 0x04};
constexpr unsigned char kCompoundSignature[] = {0xD0, 0xCF, 0x11, 0xE0, 0xA1, 0xB1, 0x1A, 0xE1};

// The serial numbers of 1900-01-01 and 9999-12-31 in the 1900 date system.
constexpr double kFirstSerial = 1;
constexpr double kLastSerial = 2958465;

const Variant& nullValue() {
    static const Variant null;
    return null;
}

} // namespace

void throwWorkbookError(const std::string& path, const std::string& cause) {
    throw ServerError(kErrDatabase, "Workbook", "The workbook '" + path + "' cannot be read: " + cause,
                      ErrorKind::Io);
}

Workbook::Workbook(const std::string& path) : path_(path) {
    // Told before the file is opened: opening a named pipe would wait for a writer.
    if (const auto cause = notARegularFile(path))
        throwWorkbookError(path, *cause + ".");
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throwWorkbookError(path, std::strerror(errno) + std::string("."));
    unsigned char head[8] = {};
    in.read(reinterpret_cast<char*>(head), sizeof head);
    const auto got = static_cast<std::size_t>(in.gcount());
    in.close();
    if (got >= sizeof kZipSignature && std::memcmp(head, kZipSignature, sizeof kZipSignature) == 0)
        source_ = openXlsxSheet(path);
    else if (got >= sizeof kCompoundSignature &&
             std::memcmp(head, kCompoundSignature, sizeof kCompoundSignature) == 0)
        source_ = openXlsSheet(path);
    else
        throwWorkbookError(path, "it is not an Excel workbook (.xlsx or .xls).");
}

Workbook::~Workbook() = default;
Workbook::Workbook(Workbook&&) noexcept = default;
Workbook& Workbook::operator=(Workbook&&) noexcept = default;

const std::string& Workbook::sheetName() const {
    return source_->sheetName();
}

bool Workbook::nextRow() {
    if (source_->next(row_))
        return true;
    row_.cells.clear();
    row_.flaws.clear();
    return false;
}

const Variant& Workbook::cell(int column) const {
    if (column < 1 || static_cast<std::size_t>(column) > row_.cells.size())
        return nullValue();
    return row_.cells[static_cast<std::size_t>(column) - 1];
}

const CellFlaw* Workbook::flaw(int column) const {
    for (const CellFlaw& f : row_.flaws)
        if (f.column == column)
            return &f;
    return nullptr;
}

bool Workbook::uses1904Dates() const {
    return source_->uses1904Dates();
}

std::optional<Date> Workbook::dateFromSerial(double serial) const {
    if (uses1904Dates())
        serial += k1904Offset;
    if (!(serial >= kFirstSerial && serial < kLastSerial + 1))
        return std::nullopt;
    const long days = static_cast<long>(std::floor(serial));
    return Date::fromSerial(days < kFirstTrueSerial ? days + 1 : days);
}

std::optional<std::size_t> utf16Length(std::string_view utf8) {
    std::size_t units = 0;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto lead = static_cast<unsigned char>(utf8[i]);
        std::size_t length = 0;
        char32_t code = 0;
        if (lead < 0x80) {
            length = 1;
            code = lead;
        } else if (lead >= 0xC2 && lead < 0xE0) {
            length = 2;
            code = lead & 0x1F;
        } else if (lead >= 0xE0 && lead < 0xF0) {
            length = 3;
            code = lead & 0x0F;
        } else if (lead >= 0xF0 && lead < 0xF5) {
            length = 4;
            code = lead & 0x07;
        } else {
            return std::nullopt;
        }
        if (utf8.size() - i < length)
            return std::nullopt;
        for (std::size_t k = 1; k < length; ++k) {
            const auto next = static_cast<unsigned char>(utf8[i + k]);
            if ((next & 0xC0) != 0x80)
                return std::nullopt;
            code = (code << 6) | (next & 0x3F);
        }
        // Overlong forms, surrogates and code points beyond Unicode are no UTF-8.
        if ((length == 3 && code < 0x800) || (length == 4 && (code < 0x10000 || code > 0x10FFFF)) ||
            (code >= 0xD800 && code <= 0xDFFF))
            return std::nullopt;
        units += length == 4 ? 2 : 1;
        i += length;
    }
    return units;
}

std::string columnName(int column) {
    std::string name;
    while (column > 0) {
        const int digit = (column - 1) % 26;
        name.insert(name.begin(), static_cast<char>('A' + digit));
        column = (column - 1) / 26;
    }
    return name;
}

} // namespace qel
