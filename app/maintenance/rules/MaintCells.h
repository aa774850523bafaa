// The texts of the maintenance list's cells and of the edit fields loaded from them.
#pragma once

#include "common/Text.h"
#include "common/Variant.h"

#include <string>

namespace qel {

// A list cell's text of a stored value: blanks at either end removed, Null as a single blank
// " ", a Yes/No value as "Yes" or "No" (the choices of its pick list), a number in plain decimal,
// a date as "YYYY-MM-DD".
std::string maintCellText(const Variant& value);

// The text an edit field takes from a list cell: a single blank gives an empty field; a date
// field shows a stored date ("YYYY-MM-DD") as mm/dd/yyyy; any other text stays as it is.
std::string maintEditText(const std::string& cell, bool dateMask);

} // namespace qel
