// Cell and edit-field texts of the maintenance list.
#include "app/maintenance/rules/MaintCells.h"

#include <cstdio>

namespace qel {

std::string trimBlanks(const std::string& text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string maintCellText(const Variant& value) {
    if (value.isNull())
        return " ";
    if (value.isBool())
        return value.toBool() ? "Yes" : "No";
    return trimBlanks(value.toString());
}

std::string maintEditText(const std::string& cell, bool dateMask) {
    if (cell == " ")
        return {};
    if (dateMask) {
        if (const auto d = Date::fromIso(cell)) {
            char text[16];
            std::snprintf(text, sizeof text, "%02d/%02d/%04d", d->month(), d->day(), d->year());
            return text;
        }
    }
    return cell;
}

} // namespace qel
