// The one-sheet export workbook: typed cells read back through the workbook reader, the date
// format, that nothing stands at the target until the workbook is complete, and that what an
// export killed part-way left is removed.
#include "server/reporting/ExportWorkbook.h"

#include "common/ServerError.h"
#include "tests/server/reporting/ExportSheetReader.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

namespace qel::exporttest {
namespace {

namespace fs = std::filesystem;

std::vector<std::string> folderEntries(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    return names;
}

class ExportWorkbookTest : public ::testing::Test {
protected:
    test::TempFolder folder_;
    fs::path path_ = folder_.path() / "Book.xlsx";
};

TEST_F(ExportWorkbookTest, CellsKeepTheirTypes) {
    {
        report::ExportWorkbook book(path_.string(), "Typed");
        book.addTitles({"Text", "Whole", "Fraction", "Date", "Flag", "Empty", "Last"});
        const std::vector<Variant> first{Variant("abc"), Variant(7), Variant(2.5),  Variant(Date(2010, 3, 1)),
                                         Variant(true),  Variant(),  Variant("end")};
        const std::vector<Variant> second{Variant("  blanks kept  "),
                                          Variant(std::int64_t{-4}),
                                          Variant(0.0),
                                          Variant(Date::noDate()),
                                          Variant(false),
                                          Variant(),
                                          Variant(Date(1899, 12, 31))};
        book.addRow(first);
        book.addRow(second);
        book.commit();
    }
    const Sheet sheet = readSheet(path_);
    EXPECT_EQ(sheet.name, "Typed");
    EXPECT_EQ(titles(sheet),
              (std::vector<std::string>{"Text", "Whole", "Fraction", "Date", "Flag", "Empty", "Last"}));
    ASSERT_EQ(sheet.rows.size(), 3u);

    const auto& first = sheet.rows[1];
    EXPECT_EQ(first[0], Variant("abc"));
    EXPECT_EQ(first[1], Variant(7.0));
    EXPECT_EQ(first[2], Variant(2.5));
    ASSERT_TRUE(first[3].isDouble());
    Workbook reader(path_.string());
    EXPECT_EQ(reader.dateFromSerial(first[3].toDouble()), Date(2010, 3, 1));
    EXPECT_EQ(first[4], Variant(true));
    EXPECT_TRUE(first[5].isNull());
    EXPECT_EQ(first[6], Variant("end"));

    const auto& second = sheet.rows[2];
    EXPECT_EQ(second[0], Variant("  blanks kept  "));
    EXPECT_EQ(second[1], Variant(-4.0));
    EXPECT_EQ(second[2], Variant(0.0));
    // The "no date" value is a date like any other; a date no workbook can hold keeps its text.
    ASSERT_TRUE(second[3].isDouble());
    EXPECT_EQ(reader.dateFromSerial(second[3].toDouble()), Date::noDate());
    EXPECT_EQ(second[4], Variant(false));
    EXPECT_EQ(second[6], Variant("1899-12-31"));

    EXPECT_EQ(numberFormatOf(path_, "D2"), report::kExportDateFormat);
    EXPECT_EQ(numberFormatOf(path_, "D3"), report::kExportDateFormat);
    EXPECT_EQ(numberFormatOf(path_, "B2"), "General");
    EXPECT_EQ(numberFormatOf(path_, "C2"), "General");
}

TEST_F(ExportWorkbookTest, NothingStandsAtThePathUntilCommit) {
    {
        report::ExportWorkbook book(path_.string(), "Sheet");
        book.addTitles({"A"});
        EXPECT_FALSE(fs::exists(path_));
        book.commit();
    }
    EXPECT_EQ(folderEntries(folder_.path()), std::vector<std::string>{"Book.xlsx"});
    EXPECT_EQ(readSheet(path_).rows.size(), 1u);
}

TEST_F(ExportWorkbookTest, ADroppedWorkbookLeavesNothing) {
    {
        report::ExportWorkbook book(path_.string(), "Sheet");
        book.addTitles({"A"});
        EXPECT_EQ(folderEntries(folder_.path()).size(), 1u); // its temporary file
    }
    EXPECT_TRUE(folderEntries(folder_.path()).empty());
}

TEST_F(ExportWorkbookTest, TheNextExportRemovesTheFileOfAnExportThatWasKilled) {
    // What an export killed part-way leaves beside its path: its unlocked temporary file.
    const fs::path stale = folder_.path() / "Book.xlsx.part-0badc0de";
    test::writeBytes(stale, "half a workbook");
    {
        report::ExportWorkbook book(path_.string(), "Sheet");
        EXPECT_FALSE(fs::exists(stale));
        book.addTitles({"A"});
        book.commit();
    }
    EXPECT_EQ(folderEntries(folder_.path()), std::vector<std::string>{"Book.xlsx"});
}

TEST_F(ExportWorkbookTest, ACellTheSheetCannotHoldFailsTheWorkbook) {
    try {
        report::ExportWorkbook book(path_.string(), "Sheet");
        book.addTitles({"Notes"});
        const std::vector<Variant> row{Variant(std::string(40000, 'x'))};
        book.addRow(row);
        ADD_FAILURE() << "no error";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(e.description().find("Book.xlsx"), std::string::npos) << e.description();
    }
    EXPECT_TRUE(folderEntries(folder_.path()).empty());
}

TEST_F(ExportWorkbookTest, RefusesPathsItCannotWriteANewWorkbookTo) {
    test::writeBytes(path_, "keep me");
    fs::create_directory(folder_.path() / "Folder.xlsx");
    test::writeBytes(folder_.path() / "plain", "a file, not a folder");
    struct Case {
        const char* name;
        std::string path;
    };
    const Case cases[] = {
        {"an existing file", path_.string()},
        {"an existing folder", (folder_.path() / "Folder.xlsx").string()},
        {"a missing folder", (folder_.path() / "missing" / "Book.xlsx").string()},
        {"a file as the folder", (folder_.path() / "plain" / "Book.xlsx").string()},
        {"no path", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            report::ExportWorkbook book(c.path, "Sheet");
            ADD_FAILURE() << "no error";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Io);
        }
    }
    EXPECT_EQ(test::readBytes(path_), "keep me");
    auto names = folderEntries(folder_.path());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Book.xlsx", "Folder.xlsx", "plain"}));
}

} // namespace
} // namespace qel::exporttest
