// Cell and edit-field texts of the maintenance list.
#include "app/maintenance/rules/MaintCells.h"

#include <cstdio>

namespace qel {

std::string maintCellText(const Variant& value) {
    if (value.isNull())
        return " ";
    if (value.isBool())
        return value.toBool() ? "Yes" : "No";
    return std::string(trimBlanks(value.toString()));
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
