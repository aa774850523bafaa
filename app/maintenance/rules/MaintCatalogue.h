// The catalogue of the tables the maintenance window edits: for each table key the database
// table, the window's caption and help topic, the data server list that fills the window, the
// edit fields shown as pick lists with their fixed choices, and the columns the writers treat
// apart (ids in place of shown texts, the company of a Form 4562 row).
//
// The list recordsets come from the data server with the hidden key as their last field; the
// window makes its columns and edit fields from them, so nothing else about a table's columns
// is written down here.
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
    int position = 0;
    std::vector<PickChoice> choices;
    bool fromAccounts = false;
};

// A column the writers store as the id of the chosen pick-list entry, under another name.
struct IdColumn {
    int position = 0;
    std::string column; // e.g. "Method_Id"
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
    std::vector<PickList> pickLists = {};
    std::vector<IdColumn> idColumns = {};
    // A column written with every insert and never updated, holding the current company's id.
    std::string companyColumn = {};
    // A list column whose values the list never shows (-1: none).
    int secretColumn = -1;
    // The window takes the main window's width less 500 twips when this table opens.
    bool fitToMainWindow = false;
};

// The eight tables, in the order of the menus.
const std::vector<MaintTable>& maintTables();

// The table of a key, or nullptr for a key that is none of the eight.
const MaintTable* findMaintTable(std::string_view key);

} // namespace qel
