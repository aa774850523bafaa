// ValidateImportData and its log: the log's name and lines, a passing sheet that leaves no log,
// an empty sheet, a workbook that cannot be read and a log that cannot be made.
#include "app/exchange/rules/ImportValidation.h"

#include "common/ServerError.h"
#include "tests/testsupport/FileLines.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/ImportSheets.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace qel::exchange {
namespace {

using test::fileLines;

const Moment kNow{Date(2012, 3, 7), 14, 5, 9};

TEST(ImportLog, NameAndDateLine) {
    struct Case {
        Moment when;
        const char* name;
        const char* dateLine;
    };
    for (const Case& c :
         {Case{kNow, "ImportLog-3-7-2012-14-5-9.txt", "3/7/2012 2:05:09 PM"},
          Case{{Date(2011, 12, 31), 0, 0, 0}, "ImportLog-12-31-2011-0-0-0.txt", "12/31/2011 12:00:00 AM"},
          Case{{Date(2011, 1, 2), 12, 30, 59}, "ImportLog-1-2-2011-12-30-59.txt", "1/2/2011 12:30:59 PM"}}) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(importLogName(c.when), c.name);
        EXPECT_EQ(generalDateTime(c.when), c.dateLine);
    }
}

class ImportValidationTest : public ::testing::Test {
protected:
    std::string writeSheet(const std::vector<std::vector<Variant>>& rows) {
        const auto path = (folder_.path() / "ImportAssets.xlsx").string();
        test::writeXlsx(path, test::importSheet(rows));
        return path;
    }
    std::string logPath() const { return (folder_.path() / "ImportLog-3-7-2012-14-5-9.txt").string(); }

    test::TempFolder folder_;
};

TEST_F(ImportValidationTest, PassingSheetLeavesNoLog) {
    int reported = 0;
    const ImportValidation v =
        ValidateImportData(1, writeSheet({test::importRow(), test::importRow()}), folder_.path().string(),
                           kNow, [&](int rows) { reported = rows; });
    EXPECT_TRUE(v.passed);
    EXPECT_EQ(v.logPath, logPath());
    EXPECT_FALSE(std::filesystem::exists(logPath()));
    EXPECT_EQ(reported, 2);
}

TEST_F(ImportValidationTest, FailuresAreLoggedRowByRow) {
    auto bad = test::importRow();
    bad[test::C] = 0;
    bad[test::I] = 5;
    auto other = test::importRow(2);
    const ImportValidation v =
        ValidateImportData(1, writeSheet({test::importRow(), bad, other}), folder_.path().string(), kNow);
    EXPECT_FALSE(v.passed);
    EXPECT_EQ(fileLines(logPath()),
              (std::vector<std::string>{"3/7/2012 2:05:09 PM", "Cost is required for row 3",
                                        "Convention needs to be between 1 & 4 for row 3",
                                        "Convention needs to be 1 or 2 for row 3",
                                        "Company Id is wrong for row 4"}));
}

TEST_F(ImportValidationTest, RowsEndAtTheFirstEmptyColumnA) {
    auto bad = test::importRow();
    bad[test::C] = 0;
    auto end = test::importRow();
    end[test::A] = Variant();
    const ImportValidation v =
        ValidateImportData(1, writeSheet({test::importRow(), end, bad}), folder_.path().string(), kNow);
    EXPECT_TRUE(v.passed);
}

TEST_F(ImportValidationTest, EmptySheetSaysNoDataFound) {
    auto end = test::importRow();
    end[test::A] = Variant();
    const ImportValidation v = ValidateImportData(1, writeSheet({end}), folder_.path().string(), kNow);
    EXPECT_FALSE(v.passed);
    EXPECT_EQ(fileLines(logPath()), (std::vector<std::string>{"3/7/2012 2:05:09 PM", "No data found."}));
}

TEST_F(ImportValidationTest, UnreadableWorkbookKeepsTheDateLine) {
    const auto path = (folder_.path() / "ImportAssets.xlsx").string();
    std::ofstream(path) << "not a workbook";
    EXPECT_THROW(ValidateImportData(1, path, folder_.path().string(), kNow), ServerError);
    EXPECT_EQ(fileLines(logPath()), std::vector<std::string>{"3/7/2012 2:05:09 PM"});
}

TEST_F(ImportValidationTest, AMissingLogFolderIsMade) {
    const std::string logs = (folder_.path() / "Documents" / "Qel-Mgr").string();
    const ImportValidation v = ValidateImportData(1, writeSheet({test::importRow()}), logs, kNow);
    EXPECT_TRUE(v.passed);
    EXPECT_TRUE(std::filesystem::is_directory(logs));
}

TEST_F(ImportValidationTest, LogThatCannotBeMadeOpensNoWorkbook) {
    // A file stands where the folder would be.
    const std::string blocked = (folder_.path() / "blocked").string();
    std::ofstream(blocked) << "a file";
    const ImportValidation v =
        ValidateImportData(1, (folder_.path() / "missing.xlsx").string(), blocked + "/logs", kNow);
    EXPECT_FALSE(v.passed);
    ASSERT_TRUE(v.logFailure.has_value());
    EXPECT_NE(v.logFailure->find("cannot be created"), std::string::npos);
}

} // namespace
} // namespace qel::exchange
