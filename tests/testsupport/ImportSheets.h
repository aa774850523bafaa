// Import sheets for tests: rows of columns A to S with typical values, and the sheet they make
// under a heading row.
#pragma once

#include "common/Date.h"
#include "common/Variant.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <cstdint>
#include <vector>

namespace qel::test {

// The sheet's columns, as indexes of a row.
enum ImportColumn : std::size_t { A, B, C, D, E, F, G, H, I, J, K, L, M, N, O, P, Q, R, S };

// A complete asset row of company 1: a MACRS 7-year desk placed in service 7/1/2010.
inline std::vector<Variant> importRow(std::int32_t company = 1) {
    return {company,     "Desk",    1000, Variant(), 1, Date(2010, 7, 1), false,     Variant(), 1,
            7,           Variant(), 5,    1000,      1, Variant(),        Variant(), Variant(), Variant(),
            "Bought new"};
}

// The sheet: a heading row, then the asset rows from row 2.
inline SheetData importSheet(const std::vector<std::vector<Variant>>& rows) {
    SheetData sheet{{"Company", "Asset Name", "Cost", "Bonus", "Method", "In Service", "179", "179 Amount",
                     "Convention", "Life", "Vehicle", "Book Life", "Book Cost", "Business %", "Account",
                     "Sold Date", "Sold Amount", "Other Deductions", "Notes"}};
    sheet.insert(sheet.end(), rows.begin(), rows.end());
    return sheet;
}

} // namespace qel::test
