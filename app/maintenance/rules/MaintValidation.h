// The checks of an edited maintenance row before it is stored.
//
// Each table has a fixed sequence of checks, its row's `checks` in the catalogue
// (MaintCatalogue.h), on edit fields named as the list names them. Every check of the sequence
// runs, also after a failure; a failing check appends its message to the window's status line, marks the
// field's caption red and, the first time in a run, puts the focus on the field. The messages follow each
// other in check order with no separator beyond their own trailing blanks. A field's name in a message is its
// caption less the trailing ": ".
//
// After the table's own checks every number field is checked against its range (common/
// NumberCheck.h), also in a table without checks: a number that overflows, is not finite or lies
// outside what its column holds is refused with its field's name and the text as typed, unless an
// earlier check of the run has already marked that field.
//
// One check also corrects a field: an asset class whose method is not "Amortize" gets "0" as
// its amortization number, on every run.
#pragma once

#include "common/NumberCheck.h"

#include <optional>
#include <string>
#include <vector>

namespace qel {

// An edit field as the checks see it.
struct MaintFieldState {
    std::string text;
    std::string caption;     // e.g. "Year: ", the list field's name without its padding and ": "
    bool editVisible = true; // false where a pick list covers the typed field
    // The range of a field that holds a number (maintNumberRange of its list field); none for
    // text, dates and Yes/No.
    std::optional<NumberRange> number = std::nullopt;
};

struct MaintValidation {
    bool valid = true;
    std::string status;      // the window's status line after the run
    bool statusRed = false;  // the status line's colour: red, else green
    std::vector<int> marked; // positions whose caption turns red, in check order
    int focus = -1;          // the position that gets the focus; -1 when none moves it
};

// Runs the checks of the table (its database name, e.g. "tblMax179", compared exactly) on the
// fields, one per list field in the list's order; a table without checks passes. The texts of
// corrected fields change in place. Throws ServerError (InvalidArgument) when a check names a
// field the fields lack.
MaintValidation bValid(const std::string& tableName, std::vector<MaintFieldState>& fields);

// A text that counts as a number: blanks at either end, an optional sign, digits with at most
// one decimal point and an optional exponent. Letters, grouping and an empty text do not.
bool isMaintNumber(const std::string& text);

} // namespace qel
