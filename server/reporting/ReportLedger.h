// The book asset ledger work table tblBookLedger: one table for the whole database holding the
// last ledger built, one row per asset of a company in service at a fiscal period with its book
// life, book cost, accumulated book depreciation and net book value at that period.
#pragma once

#include "server/data/Connection.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qel::report {

// The statements of one rebuild, in the order they run: empty the table, then insert the
// company's assets in service at the period (not sold before it, placed in service on or before
// it), ordered by account description and then asset name, each with its accumulated book
// depreciation at the period (its row of the period; without one, its cost when it has a book
// life and 0 when it has none) and its net book value (cost less accumulated depreciation).
// Throws ServerError (InvalidArgument) for a period that is not "YYYYMM".
std::vector<std::string> bookLedgerRebuild(std::int32_t companyId, std::string_view period);

// Rebuilds tblBookLedger for the company and period on `conn` inside one transaction guard (a
// savepoint when the caller already holds one). A failure rolls the whole rebuild back, so the
// previous ledger stays, and is raised. Nothing else runs in between: the rebuild never yields.
void rebuildBookLedger(Connection& conn, std::int32_t companyId, std::string_view period);

// "Select * from tblBookLedger" in the order the rebuild inserted the rows.
inline constexpr const char* kSelectBookLedger = "Select * from tblBookLedger ORDER BY rowid";

} // namespace qel::report
