// The statements that store the maintenance window's edits: the INSERT of a new row, the UPDATE
// of the selected row, its DELETE, and the query of the table's highest key.
//
// A statement is built field by field from the table's list recordset: field i names column i
// (its name without blanks at either end, in brackets) and its type code decides how the text of
// edit field i is written. Texts are bound as parameters, so they are stored exactly as typed;
// numbers, dates and Yes/No values are written through the literal helpers:
//   text and memo     the typed text, bound
//   whole numbers     the typed number rounded to a whole one (half to even); 0 when empty
//   amounts           the typed number; 0 when empty
//   dates             the typed mm/dd/yyyy date; Null when empty
//   Yes/No            1 for "Yes" or "True" in any case, else 0
// A number or date field whose text is not one, and a number that does not fit its field
// (maintNumberRange), raise ServerError (InvalidArgument) naming the field, and no statement is
// made. Two tables are written apart: the asset classes store the
// ids of the chosen method and account under Method_Id and Id_acct, and a new Form 4562 data
// row carries the current company's id.
#pragma once

#include "app/maintenance/rules/MaintCatalogue.h"
#include "common/NumberCheck.h"
#include "common/Recordset.h"
#include "common/ServerError.h"
#include "common/Variant.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qel {

// One statement with the values of its "?" parameters, in order.
struct SqlStatement {
    std::string sql;
    std::vector<Variant> params;
};

// Edit field i: its text and, for a pick list, the item data of the chosen entry.
struct MaintEditValue {
    std::string text;
    std::optional<std::int32_t> itemData;
};

// What the writers know of the open table.
struct MaintRecord {
    const MaintTable& table;
    const std::vector<Field>& fields;   // the list recordset's fields, the key last
    std::vector<MaintEditValue> values; // one per field but the key
    std::int32_t companyId = 0;         // the current company
};

// The range a typed number of the field must lie in (common/NumberCheck.h): a field named "Year"
// holds a year, any other whole-number field a 32-bit whole number, an amount field dollars;
// nothing for a field that holds no number.
std::optional<NumberRange> maintNumberRange(const Field& field);

SqlStatement CreateInsertSQL(const MaintRecord& record);
// keyValue: the text of the selected row's key cell.
SqlStatement CreateUpdateSQL(const MaintRecord& record, const std::string& keyValue);
SqlStatement CreateDeleteSQL(const MaintTable& table, const std::vector<Field>& fields,
                             const std::string& keyValue);
// "Select MAX(<key>) from <table>": the table's highest key, over every company.
std::string RetrieveKeySql(const MaintTable& table, const std::vector<Field>& fields);

// True when the failure is a duplicate key (a unique index or primary key refused the row), as
// opposed to any other failure of a statement.
bool isDuplicateKey(const ServerError& error);

} // namespace qel
