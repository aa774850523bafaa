// A report list printed on the recording surface: the heading block, the rows and their fields,
// page breaks with "Page   2" and no page of a heading alone, weights by tier, hidden columns, a
// printer that fails, and every tier's printout within the page in the tier's orientation.
#include "app/printing/rules/ListPrinting.h"
#include "app/printing/rules/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qel::printing {
namespace {

const Date kToday(2012, 3, 7);

// A list of a left column "Name" and a right column "Amount", with `rows` rows.
ReportList twoColumns(int rows, std::int32_t nameWidth = 2000, std::int32_t amountWidth = 1200) {
    ReportList list;
    list.addColumn({"Name", nameWidth, CellAlign::Left, 202});
    list.addColumn({"Amount", amountWidth, CellAlign::Right, 5});
    for (int i = 1; i <= rows; ++i) {
        ReportRow row = list.appendRow();
        row.set(0, "Asset " + std::to_string(i));
        row.set(1, std::to_string(i * 100));
    }
    return list;
}

struct Printed {
    RecordingSurface surface;
    std::vector<std::string> messages;
};

void print(Printed& p, const ReportList& list, const std::string& title = "2012 - Depreciation WorkSheet") {
    const auto tier = chooseListTier(columnWidths(list));
    ASSERT_TRUE(tier.has_value());
    printList(p.surface, list, *tier, title, kToday, [&](const std::string& m) { p.messages.push_back(m); });
}

// The narrowest tier's rule of 112 underscores at 9 points ends at the page's right edge: 108 fit
// from X 160 on the 11,840 twips of a portrait Letter page.
const std::string kPortraitRule(108, '_');

TEST(ListPrinting, TheHeadingAndTheRows) {
    Printed p;
    print(p, twoColumns(2));
    const std::string& rule = kPortraitRule;
    EXPECT_EQ(p.surface.pageLines(1), (std::vector<std::string>{
                                          "03/07/2012Page   1",
                                          "2012 - Depreciation WorkSheet",
                                          "",
                                          rule,
                                          "",
                                          "  Name      Amount  ",
                                          rule,
                                          "",
                                          "Asset 1       100    ",
                                          "Asset 2       200    ",
                                      }));
    EXPECT_EQ(p.surface.jobsEnded(), 1);
    EXPECT_TRUE(p.messages.empty());
}

TEST(ListPrinting, PlacesOfTheHeadingAndTheCells) {
    Printed p;
    print(p, twoColumns(1));
    auto find = [&](const std::string& text) {
        const std::optional<PrintedText> t = p.surface.find(1, text);
        EXPECT_TRUE(t.has_value()) << "not printed: " << text;
        return t.value_or(PrintedText{});
    };
    const ListTier tier = *chooseListTier(columnWidths(twoColumns(1)));
    EXPECT_EQ(find("03/07/2012").x, 360);
    EXPECT_EQ(find("03/07/2012").y, 500);
    EXPECT_EQ(find("03/07/2012").points, 8);
    EXPECT_EQ(find("Page   1").x, 10140);
    // (12200 - 145 x 29) / 2.
    EXPECT_EQ(find("2012 - Depreciation WorkSheet").x, 3998);
    EXPECT_EQ(find("2012 - Depreciation WorkSheet").points, 10);
    EXPECT_EQ(find(kPortraitRule).x, 160);
    EXPECT_EQ(find("  Name").x, tier.tableLeft);
    EXPECT_EQ(find("Asset 1").x, tier.tableLeft);
    // 2000 x 1.1 + 75 further on.
    EXPECT_EQ(find("      Amount  ").x, tier.tableLeft + 2275);
    EXPECT_EQ(find("Asset 1").points, 9);
}

TEST(ListPrinting, PagesHoldTheirTierRowsAndNoHeadingAlone) {
    struct Case {
        int rows;
        int pages;
    };
    for (const Case c : {Case{0, 1}, Case{1, 1}, Case{64, 1}, Case{65, 2}, Case{128, 2}, Case{129, 3}}) {
        SCOPED_TRACE(c.rows);
        Printed p;
        print(p, twoColumns(c.rows));
        EXPECT_EQ(p.surface.pages(), c.pages);
        if (c.pages >= 2) {
            EXPECT_EQ(p.surface.pageLines(2).front(), "03/07/2012Page   2");
            EXPECT_EQ(p.surface.pageLines(2)[8], "Asset 65      6500    ");
        }
        // Every page but the last is full; the last holds the rest.
        // The heading takes 7 lines, and the first row's line end leaves an empty one under it.
        const auto rowsOn = [&](int page) {
            return std::max(0, static_cast<int>(p.surface.pageLines(page).size()) - 8);
        };
        for (int page = 1; page < c.pages; ++page)
            EXPECT_EQ(rowsOn(page), 64);
        EXPECT_EQ(rowsOn(c.pages), c.rows - 64 * (c.pages - 1));
    }
}

TEST(ListPrinting, OnlyTheFirstHeadingOfTheNarrowestTierIsBold) {
    Printed narrow;
    print(narrow, twoColumns(65));
    EXPECT_TRUE(narrow.surface.pageTexts(1).front().bold);
    EXPECT_FALSE(narrow.surface.pageTexts(1).back().bold);
    EXPECT_FALSE(narrow.surface.pageTexts(2).front().bold);

    // Tier 3 (landscape): everything bold, at 8 points, 51 rows a page.
    Printed wide;
    print(wide, twoColumns(52, 10000, 1200));
    EXPECT_EQ(wide.surface.pageOrientations(),
              (std::vector<Orientation>{Orientation::Landscape, Orientation::Landscape}));
    EXPECT_TRUE(wide.surface.pageTexts(2).front().bold);
    EXPECT_TRUE(wide.surface.pageTexts(2).back().bold);
    EXPECT_EQ(wide.surface.pageTexts(1).back().points, 8);
    EXPECT_EQ(wide.surface.pageTexts(2).front().y, 300);
    EXPECT_EQ(static_cast<int>(wide.surface.pageLines(2).size()) - 8, 1);
}

TEST(ListPrinting, Fields) {
    struct Case {
        const char* text;
        CellAlign align;
        std::int32_t width;
        const char* cell;
        const char* caption;
    };
    for (const Case& c : {
             Case{"1,234", CellAlign::Right, 1200, "     1,234    ", "       1,234  "},
             Case{"1,234", CellAlign::Right, 799, "1,234    ", " 1,234   "},
             Case{"12345678901", CellAlign::Right, 1200, "12345678901   ", " 12345678901  "},
             // An amount longer than its field is not cut; a caption is.
             Case{"12345678901", CellAlign::Right, 799, "12345678901", "123456789"},
             Case{"Desk", CellAlign::Left, 1200, "   Desk", "  Desk"},
         }) {
        SCOPED_TRACE(c.text);
        const ReportColumn column{c.text, c.width, c.align, 202};
        EXPECT_EQ(cellField(c.text, column), c.cell);
        EXPECT_EQ(captionField(column), c.caption);
    }
}

TEST(ListPrinting, HiddenColumns) {
    ReportList list;
    list.addColumn({"Id", 0, CellAlign::Left, 3});
    list.addColumn({"Name", 1000, CellAlign::Left, 202});
    list.addColumn({"Key", 0, CellAlign::Left, 3});
    list.addColumn({"Cost", 1000, CellAlign::Right, 5});
    ReportRow row = list.appendRow();
    for (const auto& [column, text] : {std::pair{0, "7"}, {1, "Desk"}, {2, "k"}, {3, "500"}})
        row.set(column, text);
    Printed p;
    print(p, list);
    const ListTier tier = *chooseListTier(columnWidths(list));
    std::vector<std::pair<int, std::string>> placed;
    for (const PrintedText& t : p.surface.pageTexts(1))
        if (t.text.find("Desk") != std::string::npos || t.text.find("500") != std::string::npos ||
            t.text == "  Name" || t.text.find("Cost") != std::string::npos)
            placed.emplace_back(t.x, t.text);
    // The captions start at the table's left; the hidden first column moves the cells one gap on.
    EXPECT_EQ(placed,
              (std::vector<std::pair<int, std::string>>{{tier.tableLeft, "  Name"},
                                                        {tier.tableLeft + 1175, "        Cost  "},
                                                        {tier.tableLeft + 75, "   Desk"},
                                                        {tier.tableLeft + 75 + 1175, "       500    "}}));
}

TEST(ListPrinting, AFailingPrinterShowsItsErrorsThenStops) {
    Printed p;
    p.surface.failFromPrint(1);
    print(p, twoColumns(3));
    EXPECT_EQ(p.messages, (std::vector<std::string>{"Error in PrintHeadings. Printer error Error Number: 482",
                                                    "Can not complete operation. Exiting operation.",
                                                    "Error in PrintListView. Printer error Error Number: 482",
                                                    "Can not complete operation. Exiting operation."}));
}

// A list of a long left column, an amount column and a label column, with long texts, subtotal
// labels and amounts in the rows.
ReportList longTexts(std::int32_t textWidth, std::int32_t amountWidth, int rows) {
    ReportList list;
    list.addColumn({"Description", textWidth, CellAlign::Left, 202});
    list.addColumn({"Net Book Value", amountWidth, CellAlign::Right, 5});
    list.addColumn({"Account", 1000, CellAlign::Left, 202});
    for (int i = 1; i <= rows; ++i) {
        ReportRow row = list.appendRow();
        row.set(0, "Row " + std::to_string(i) + " " + std::string(200, 'x'));
        row.set(1, i % 10 == 0 ? "123,456,789,012.34" : "1,234,567.89");
        row.set(2, i % 10 == 0 ? "                             Subtotal" : "Office Equipment and Fixtures");
    }
    return list;
}

TEST(ListPrinting, EveryTierKeepsItsPrintoutWithinThePage) {
    struct Case {
        int tier;
        std::int32_t textWidth;
        std::int32_t amountWidth;
        Orientation orientation;
    };
    const Case cases[] = {
        {1, 2000, 1200, Orientation::Portrait},   {2, 6000, 3575, Orientation::Portrait},
        {3, 10000, 1200, Orientation::Landscape}, {4, 12000, 1075, Orientation::Landscape},
        {5, 13000, 1075, Orientation::Landscape},
    };
    const std::string title = "2012 - Depreciation WorkSheet for " + std::string(150, 'C');
    for (const Case& c : cases) {
        SCOPED_TRACE("tier " + std::to_string(c.tier));
        const ReportList list = longTexts(c.textWidth, c.amountWidth, 130);
        const auto tier = chooseListTier(columnWidths(list));
        ASSERT_TRUE(tier.has_value());
        ASSERT_EQ(tier->number, c.tier);
        Printed p;
        print(p, list, title);
        EXPECT_EQ(p.surface.textsBeyondPage(), std::vector<std::string>{});
        EXPECT_EQ(p.surface.pageOrientations(), std::vector<Orientation>(p.surface.pages(), c.orientation));
        // Every row is printed, with its amount whole.
        int rows = 0;
        int amounts = 0;
        for (const PrintedText& t : p.surface.texts()) {
            rows += t.text.starts_with("Row ") ? 1 : 0;
            amounts += t.text.find("1,234,567.89") != std::string::npos ||
                               t.text.find("123,456,789,012.34") != std::string::npos
                           ? 1
                           : 0;
        }
        EXPECT_EQ(rows, 130);
        EXPECT_EQ(amounts, 130);
        EXPECT_TRUE(p.messages.empty());
    }
}

// A page whose printable area is shorter than the tier's rows need (Letter with half an inch
// unprinted at each edge) breaks earlier: 60 rows of 9 points fit under the heading, not 64.
TEST(ListPrinting, AShorterPageHoldsFewerRows) {
    Printed p;
    p.surface.setPortraitArea({10800, 14400});
    print(p, twoColumns(70));
    EXPECT_EQ(p.surface.pages(), 2);
    EXPECT_EQ(static_cast<int>(p.surface.pageLines(1).size()) - 8, 60);
    EXPECT_EQ(p.surface.pageLines(2)[8], "Asset 61      6100    ");
    EXPECT_EQ(p.surface.textsBeyondPage(), std::vector<std::string>{});
}

// The printer keeps its orientation from one job to the next: each list sets its own.
TEST(ListPrinting, EachJobSetsItsOrientation) {
    Printed p;
    print(p, twoColumns(3, 10000, 1200));
    EXPECT_EQ(p.surface.pageOrientations(), std::vector<Orientation>{Orientation::Landscape});
    print(p, twoColumns(3));
    EXPECT_EQ(p.surface.pageOrientations(), std::vector<Orientation>{Orientation::Portrait});
    EXPECT_EQ(p.surface.jobsEnded(), 2);
}

} // namespace
} // namespace qel::printing
