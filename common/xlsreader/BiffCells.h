// The cells of an Excel 97-2003 worksheet whose values the .xls library does not give, read
// from the workbook stream's own records: the stored results of formulas (a FORMULA record,
// followed by a STRING record when the result is a text) and the Yes/No and error values of
// BOOLERR records (which the library reports as the numbers 1 and 0, an error among them).
//
// The records come from a file of unknown origin: every record length and every offset is
// checked before it is read.
#pragma once

#include "common/Workbook.h"

#include <optional>
#include <string_view>
#include <vector>

namespace qel::xls {

struct BiffCell {
    int row = 0;    // from 1
    int column = 0; // from 1
    Variant value;  // Null when `flaw` holds what the cell holds instead
    std::optional<CellFlaw> flaw;
};

// The cells above of the first sheet of the workbook stream `stream`, in row and column order
// (a cell listed twice counts once, as first listed). Nothing for a workbook encrypted with a
// password or whose first sheet is no worksheet. Throws Malformed (CompoundFile.h) when the
// records it walks are damaged.
std::vector<BiffCell> biffCells(std::string_view stream);

} // namespace qel::xls
