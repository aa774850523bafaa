// Shared fixture of the import tests: import sheets (ImportSheets.h) written as .xlsx or .xls
// into the test's folder.
#pragma once

#include "common/ServerError.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/ImportSheets.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel::test {

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
