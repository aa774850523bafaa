// Shared fixture of the import tests: import sheets built from rows of columns A to S with
// typical values, written as .xlsx or .xls into the test's folder.
#pragma once

#include "common/ServerError.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <string>
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

class ImportTest : public ::testing::Test {
protected:
    std::string writeSheet(const std::vector<std::vector<Variant>>& rows, const char* name = "import.xlsx") {
        const auto path = fresh_.folder() / name;
        if (path.extension() == ".xls")
            writeXls(path, importSheet(rows));
        else
            writeXlsx(path, importSheet(rows));
        return path.string();
    }

    std::int64_t assetCount() const { return fresh_.value("SELECT count(*) FROM tblAssets").toInt64(); }

    // The import's error, with the class and operation it passes on.
    ServerError importError(const std::string& path, std::int32_t company = 1) {
        try {
            DeprSupport().ImportAssetsFromExcel(company, path);
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kPassedThrough);
            EXPECT_EQ(e.helpFile(), "DeprSupport");
            EXPECT_EQ(e.helpContext(), " ImportAssetsFromExcel");
            return e;
        }
        ADD_FAILURE() << "the import did not fail";
        return ServerError(0, "", "", ErrorKind::Sql);
    }

    FreshDatabase fresh_;
};

} // namespace qel::test
