// The catalogue of the tables the maintenance window edits: one row per table with its key, the
// database table, the window's caption and help topic, the data server list that fills the
// window, the checks of an edited row, the edit fields shown as pick lists with their fixed
// choices, and the columns the writers treat apart (ids in place of shown texts, the company of a
// Form 4562 row). The window, the checks (MaintValidation.h) and the writers (MaintStatements.h)
// all read this row.
//
// The list recordsets come from the data server with the hidden key as their last field; the
// window makes its columns and edit fields from them. Every field the row names is a field of
// that list, by its name without the blanks that pad its title ("Year", not "Year  ").
#pragma once

#include "common/Recordset.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// One fixed choice of a pick list; itemData is the id written in place of the text where the
// table's writer asks for it.
struct PickChoice {
    std::string text;
    std::optional<std::int32_t> itemData;
};

// An edit field shown as a drop-down list. With fromAccounts the choices are the general-ledger
// accounts (description, account id), read when the table opens.
struct PickList {
    std::string field;
    std::vector<PickChoice> choices;
    bool fromAccounts = false;
};

// A column the writers store as the id of the chosen pick-list entry, under another name.
struct IdColumn {
    std::string field;
    std::string column; // e.g. "Method_Id"
};

// The checks an edited field may go through before the row is stored (MaintValidation.h says
// what each one does).
enum class MaintCheck { Required, Numeric, Range, Life, ListedForAuto, AmortizeCode, YesNo };

// One check of a table's sequence, on a field; Range takes the bounds low and high.
struct FieldCheck {
    std::string field;
    MaintCheck check = MaintCheck::Required;
    int low = 0;
    int high = 0;
};

// (Every member has an initializer, so that a designated initializer may leave any out.)
struct MaintTable {
    std::string key = {};       // e.g. "179Rates"; compared exactly
    std::string tableName = {}; // e.g. "tblMax179"
    std::string caption = {};   // the window's caption
    std::int32_t helpId = 600;
    // The procedure named in the loader's error box, "Error in <loader>. ".
    std::string loader = {};
    // Reads the list of the table for the current company (only the Form 4562 data use it).
    std::function<Recordset(std::int32_t companyId)> load = {};
    // The checks of an edited row, in the order they run.
    std::vector<FieldCheck> checks = {};
    // The field of the depreciation method that the Life, ListedForAuto and AmortizeCode checks
    // read beside their own field.
    std::string methodField = {};
    std::vector<PickList> pickLists = {};
    std::vector<IdColumn> idColumns = {};
    // A column written with every insert and never updated, holding the current company's id.
    std::string companyColumn = {};
    // A list field whose values the list never shows, typed unseen (empty: none).
    std::string secretField = {};
    // The window takes the main window's width less 500 twips when this table opens.
    bool fitToMainWindow = false;
};

// The eight tables, in the order of the menus.
const std::vector<MaintTable>& maintTables();

// The table of a key, or nullptr for a key that is none of the eight.
const MaintTable* findMaintTable(std::string_view key);
// The table of a database table name (e.g. "tblMax179"), or nullptr.
const MaintTable* findMaintTableByName(std::string_view tableName);

// The position of the named field among a list's fields, compared without the blanks that pad a
// title; -1 when the list has no such field (an empty name included).
int fieldPosition(const std::vector<Field>& fields, std::string_view name);

} // namespace qel
