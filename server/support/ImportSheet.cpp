#include "server/support/ImportSheet.h"

#include "common/Convert.h"
#include "common/Text.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace qel::import {
namespace {

bool parseWhole(std::string_view text, int& out) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty();
}

} // namespace

bool nextAssetRow(Workbook& book) {
    const int expected = std::max(book.row() + 1, kFirstAssetRow);
    while (book.nextRow()) {
        if (book.row() < expected)
            continue;
        // A flawed cell (an error result) is never taken for an empty one.
        return book.row() == expected && (!isEmptyCell(book.cell(kCompany)) || book.flaw(kCompany));
    }
    return false;
}

bool isEmptyCell(const Variant& v) {
    return v.isNull() || (v.isText() && v.toString().empty());
}

bool isBlankCell(const Variant& v) {
    return v.isNull() || (v.isText() && trimWhiteSpace(v.toString()).empty());
}

bool isVehicleMark(const Variant& v) {
    std::string text = v.toString();
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text == "yes";
}

std::string trimmedLower(std::string_view text) {
    std::string out(trimWhiteSpace(text));
    for (char& c : out)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return out;
}

std::optional<Date> parseDateText(std::string_view text) {
    text = trimWhiteSpace(text);
    if (auto iso = Date::fromIso(text); iso && text.size() == 10)
        return iso;
    const auto slash1 = text.find('/');
    const auto slash2 = slash1 == std::string_view::npos ? slash1 : text.find('/', slash1 + 1);
    if (slash2 == std::string_view::npos)
        return std::nullopt;
    int month = 0, day = 0, year = 0;
    if (!parseWhole(text.substr(0, slash1), month) ||
        !parseWhole(text.substr(slash1 + 1, slash2 - slash1 - 1), day) || text.size() - slash2 - 1 != 4 ||
        !parseWhole(text.substr(slash2 + 1), year) || !Date::isValid(year, month, day))
        return std::nullopt;
    return Date(year, month, day);
}

std::optional<double> cellNumber(const Variant& v) {
    if (v.isNumber())
        return leadingNumber(v.toString());
    if (v.isText() && isPlainNumber(v.toString()))
        return leadingNumber(v.toString());
    return std::nullopt;
}

std::optional<Date> cellDate(const Workbook& book, const Variant& v) {
    if (v.isNumber())
        return book.dateFromSerial(v.toDouble());
    if (v.isText())
        return parseDateText(v.toString());
    return std::nullopt;
}

} // namespace qel::import
