// Workbook: picks the reader of a file by its first bytes and walks the sheet's rows.
#include "common/Workbook.h"

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
    return false;
}

const Variant& Workbook::cell(int column) const {
    if (column < 1 || static_cast<std::size_t>(column) > row_.cells.size())
        return nullValue();
    return row_.cells[static_cast<std::size_t>(column) - 1];
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
