// The asset import sheet as both its readers see it, the data server's import and the
// program's sheet check: one asset per row from row 2 until the first row whose column A is
// empty, columns A to S, and how a cell is read as a number or a date. Sharing these rules
// keeps a sheet the check passes one that the import can store.
#pragma once

#include "common/Date.h"
#include "common/Variant.h"
#include "common/Workbook.h"

#include <optional>
#include <string>
#include <string_view>

namespace qel::import {

// The sheet's columns (A = 1).
enum SheetColumn : int {
    kCompany = 1,     // A
    kName,            // B
    kCost,            // C
    kAllowance,       // D
    kMethod,          // E
    kInService,       // F
    kType179,         // G
    kDeduction179,    // H
    kConvention,      // I
    kLife,            // J
    kVehicle,         // K
    kBookLife,        // L
    kBookCost,        // M
    kBusinessPercent, // N
    kAccount,         // O
    kSoldDate,        // P
    kSoldAmount,      // Q
    kOtherDeductions, // R
    kNotes,           // S
};

inline constexpr int kFirstAssetRow = 2;

// Moves the workbook to the next asset row: true while there is one. Row 1 holds the headings;
// the assets end at the first row whose column A is empty (a cell holding an error is not), and
// a row missing from the sheet is such a row.
bool nextAssetRow(Workbook& book);

// An empty cell, or one holding the empty text.
bool isEmptyCell(const Variant& v);
// An empty cell, or a text of nothing but blanks.
bool isBlankCell(const Variant& v);

// Column K's mark of a vehicle: the text "yes" in any mix of capitals.
bool isVehicleMark(const Variant& v);

// The text without blanks at either end, in lower case (ASCII letters only).
std::string trimmedLower(std::string_view text);

// A date typed as text: the short-date form "m/d/yyyy", or "yyyy-mm-dd".
std::optional<Date> parseDateText(std::string_view text);

// A cell read as a number: a number cell's value (to the 15 significant digits it shows), or a
// text that is a plain number ("12.5", " -3 "). Nothing for anything else, blank cells, Yes/No
// values and texts such as "1,250", "12.5%" or "12abc" included.
std::optional<double> cellNumber(const Variant& v);

// A cell read as a date: a number cell as a date serial of the workbook, or a date text.
// Nothing when it is none.
std::optional<Date> cellDate(const Workbook& book, const Variant& v);

} // namespace qel::import
