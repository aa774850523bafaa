// Captions, column layouts and window sizes of the report windows.
#include "tests/app/reports/rules/ListFixture.h"

#include "app/reports/rules/ReportLayout.h"

namespace qel::reports {
namespace {

using namespace test;

TEST(ReportLayout, Captions) {
    struct Case {
        const char* report;
        std::int32_t value;
        const char* description;
        std::int32_t book;
        const char* caption;
    };
    const Case cases[] = {
        {"Depreciation WorkSheet", 2010, "", 0, "2010 - Depreciation WorkSheet for Sample Company"},
        {"Disposed Assets", 2010, "", 0, "2010  - Disposed Assets for Sample Company"},
        {"Books 179 WorkSheet", 2010, "", 3, "2010 - 179 WorkSheet for Sample Company, Book - AMT"},
        {"Books 50 Year Assets", 2010, "", 3, "2010 - 50 Year Assets for Sample Company, Book - AMT"},
        {"Books Disposed Assets", 2011, "", 2, "2011 - Disposed Assets for Sample Company, Book - "},
        {"Property Tax", 201012, "", 0, "Property Tax Data for Sample Company thru 201012"},
        {"Book Disposed Assets", 201006, "", 0, "Book Disposed Assets Data for Sample Company thru 201006"},
        {"Depr Journal Detail", 201006, "", 0, "201006 - Depr Journal Detail for Sample Company"},
        {"Tax Depreciation Schedule", 17, "Office copier", 1,
         "Federal Depr Schedule - Office copier for Sample Company"},
        {"Tax Depreciation Schedule", 17, "Office copier", 0,
         "Book Depr Schedule - Office copier for Sample Company"},
        {"Book Depreciation Schedule", 17, "Office copier", 0,
         "Book Depr Schedule - Office copier for Sample Company"},
        {"AMT Differences", 2010, "", 0, "AMT Differences"},
        {"Chart of Accounts", 1900, "", 0, "Chart of Accounts"},
        {"Tag Nbr To Asset ID", 0, "", 0, "Tag Nbr To Asset ID"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.caption);
        EXPECT_EQ(reportCaption(c.report, c.value, c.description, c.book, "Sample Company"), c.caption);
    }
}

TEST(ReportLayout, BookNames) {
    EXPECT_EQ(bookName(1), "Federal");
    EXPECT_EQ(bookName(3), "AMT");
    EXPECT_EQ(bookName(4), "State");
    EXPECT_EQ(bookName(5), "Other");
    EXPECT_EQ(bookName(0), "");
    EXPECT_EQ(bookName(2), "");
}

ReportList listOf(std::size_t columns) {
    ReportList list;
    for (std::size_t i = 0; i < columns; ++i) {
        std::string title = "F";
        title += std::to_string(i);
        list.addColumn({title, 1000, CellAlign::Left, 202});
    }
    return list;
}

std::vector<std::int32_t> widths(const ReportList& list) {
    std::vector<std::int32_t> out;
    for (const ReportColumn& c : list.columns())
        out.push_back(c.width);
    return out;
}

TEST(ReportLayout, ColumnWidthsAndFixedWidthsPerReport) {
    struct Case {
        const char* report;
        std::size_t columns;
        std::vector<std::int32_t> widths;
        std::int32_t fixedWidth;
    };
    const Case cases[] = {
        {"Depreciation WorkSheet", 11, {800, 1000, 900, 1000, 1000, 750, 1200, 550, 500, 1100, 1200}, 0},
        {"Books New Assets WorkSheet", 11, {800, 1000, 900, 1000, 1000, 750, 1200, 550, 500, 1100, 1200}, 0},
        {"Current Year WorkSheet",
         13,
         {800, 1850, 900, 900, 1450, 750, 1480, 550, 500, 800, 800, 1200, 1300},
         0},
        {"New Assets", 10, {1000, 900, 1100, 1100, 600, 750, 1000, 1000, 1000, 1000}, 0},
        {"Property Tax", 5, {2550, 990, 950, 4000, 1540}, 10700},
        {"Depr Journal Summary", 3, {3800, 2000, 2000}, 8300},
        {"Depr Journal Detail", 5, {2000, 1500, 1500, 1000, 6000}, 12500},
        {"Book Asset Ledger", 9, {1800, 1700, 2700, 1000, 1000, 800, 1400, 1400, 1400}, 14000},
        {"Books New Assets", 10, std::vector<std::int32_t>(10, 1000), 0},
        {"Chart of Accounts", 6, std::vector<std::int32_t>(6, 1000), 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        ReportList list = listOf(c.columns);
        EXPECT_EQ(applyColumnLayout(c.report, list), c.fixedWidth);
        EXPECT_EQ(widths(list), c.widths);
    }
}

TEST(ReportLayout, TheVehicleUseReportRetitlesAndHidesColumns) {
    ReportList list = listOf(11);
    applyColumnLayout("Auto Use", list);
    EXPECT_EQ(widths(list),
              (std::vector<std::int32_t>{3300, 1200, 0, 1400, 1400, 1400, 1400, 1000, 1000, 0, 0}));
    EXPECT_EQ(list.columns()[1].title, "Vehicle Order");
    EXPECT_EQ(list.columns()[6].title, "Personal Use");
    EXPECT_EQ(list.columns()[0].title, "F0");
}

TEST(ReportLayout, TheJournalAmountsAlignRight) {
    for (const char* report : {"Depr Journal Summary", "Depr Journal Detail"}) {
        SCOPED_TRACE(report);
        ReportList list = listOf(5);
        applyColumnLayout(report, list);
        EXPECT_EQ(list.columns()[0].align, CellAlign::Left);
        EXPECT_EQ(list.columns()[1].align, CellAlign::Right);
        EXPECT_EQ(list.columns()[2].align, CellAlign::Right);
        EXPECT_EQ(list.columns()[3].align, CellAlign::Left);
    }
}

TEST(ReportLayout, WindowSizeByRows) {
    struct Case {
        const char* name;
        std::int32_t rows;
        std::int64_t width;
        std::int64_t height;
    };
    // A list 6000 twips wide in a main window of 15000 by 11000.
    const Case cases[] = {
        {"1 row", 1, 6400, 1800},
        {"9 rows", 9, 6400, 3400},
        {"10 rows keep their own height", 10, 6400, 3700},
        {"30 rows", 30, 6400, 7900},
        {"31 rows are wider", 31, 6600, 8110},
        {"40 rows are cut to the main window", 40, 6600, 9700},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const WindowSize own = reportWindowSize(c.rows, 6000, 15000, 11000);
        const WindowSize size = laidOutSize(own, c.rows, 0, 15000);
        EXPECT_EQ(size.width, c.width);
        EXPECT_EQ(size.height, c.height);
    }
}

TEST(ReportLayout, HeightIsCutToTheMainWindow) {
    EXPECT_EQ(reportWindowSize(20, 6000, 15000, 7500).height, 5800);
    EXPECT_EQ(reportWindowSize(40, 6000, 15000, 7500).height, 6200);
}

TEST(ReportLayout, WidthIsCutToTheMainWindow) {
    EXPECT_EQ(reportWindowSize(5, 11600, 12000, 9000).width, 12000);
    EXPECT_EQ(reportWindowSize(5, 11601, 12000, 9000).width, 11700);
    // A fixed width is cut as well: the ledger's 14000 in a main window 12000 wide.
    EXPECT_EQ(laidOutSize({9000, 5000}, 20, 14000, 12000).width, 11700);
    EXPECT_EQ(laidOutSize({9000, 5000}, 20, 10700, 12000).width, 10700);
    EXPECT_EQ(laidOutSize({11900, 5000}, 20, 0, 12000).width, 11900);
}

} // namespace
} // namespace qel::reports
