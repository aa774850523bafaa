// The sheet check of the asset import: every asset row of the workbook is tested column by
// column and against the method rules before anything is stored, and each failed test gives one
// line of the import log: the test's text followed directly by the row number.
//
// The tests run in the order A, B, C, D, E, F, G, I, J, H, L, M, N, O, P, Q, R, then the method
// rules, then for a vehicle (K) its first-year limit; every test of every row runs, whatever
// failed before. A cell holding an error result
// (or a value the reader cannot make out) fails its column's test; in K and S, which have no
// test, it gives a line of its own after R's. A cell is read as the data
// server's import reads it (server/support/ImportSheet.h), so a sheet that passes can be
// stored.
#pragma once

#include "common/Workbook.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qel::exchange {

// The failed tests of the workbook's current row for the company being imported into. A vehicle's
// limits are looked up on the calling thread's connection (server/support/VehicleLimit.h); throws
// ServerError when that fails.
std::vector<std::string> checkImportRow(const Workbook& book, std::int32_t companyId);

// The lives a method takes, as the sheet check lists them: "3,5,7,10,15,20,27.5,31.5,39,50" for
// MACRS and so on. True when the life, written in its shortest decimal form, is one of the
// list's entries (blanks around an entry do not count).
bool lifeInList(double life, const std::string& list);

} // namespace qel::exchange
