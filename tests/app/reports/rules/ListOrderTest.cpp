// Sorting a report list: records move within their runs, added rows keep their places, and a
// group's name stays on the group's first row as shown.
#include "tests/app/reports/rules/ListFixture.h"

#include "app/reports/rules/ListOrder.h"
#include "app/reports/rules/ReportFillers.h"

#include <cstdlib>

namespace qel::reports {
namespace {

using namespace test;
using Texts = std::vector<std::string>;

// Two method groups of a worksheet: ADS a 300, b 100, c 200; MACRS d 10, e 20.
ReportList twoGroups() {
    const Recordset rs = records(
        {text("Method"), text("Description"), integer("Asset #"), date("In Service"), dbl("Asset Cost")},
        {{"ADS", "a", 1, Date(2010, 1, 1), 300.0},
         {"ADS", "b", 2, Date(2010, 1, 1), 100.0},
         {"ADS", "c", 3, Date(2010, 1, 1), 200.0},
         {"MACRS", "d", 4, Date(2010, 1, 1), 10.0},
         {"MACRS", "e", 5, Date(2010, 1, 1), 20.0}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    PopulateDeprWrkSheet(list, rs, boxes.sink);
    return list;
}

Texts shown(const ListOrder& order, std::size_t column) {
    Texts out;
    for (std::size_t r = 0; r < order.rowCount(); ++r)
        out.emplace_back(order.shownCell(r, column).text);
    return out;
}

// Compares the cost column's amounts.
auto byCost(const ReportList& list) {
    return [&list](std::size_t a, std::size_t b) {
        return std::atof(std::string(list.text(a, 4)).c_str()) <
               std::atof(std::string(list.text(b, 4)).c_str());
    };
}

TEST(ListOrder, UnsortedShowsTheReportAsFilled) {
    const ReportList list = twoGroups();
    const ListOrder order(list);
    EXPECT_EQ(shown(order, 1), columnTexts(list, 1));
    EXPECT_EQ(shown(order, 0), columnTexts(list, 0));
}

TEST(ListOrder, RecordsSortWithinTheirGroupAndTotalsStay) {
    const ReportList list = twoGroups();
    ListOrder order(list);
    order.sort(byCost(list), false);
    const std::string sub = "                             Subtotal";
    EXPECT_EQ(shown(order, 1), (Texts{"b", "c", "a", " ", sub, " ", "d", "e", " ", sub, " ",
                                      "                        Grand Total"}));
    EXPECT_EQ(shown(order, 0), (Texts{"ADS", " ", " ", " ", " ", " ", "MACRS", " ", " ", " ", " ", " "}));

    order.sort(byCost(list), true);
    EXPECT_EQ(shown(order, 1)[0], "a");
    EXPECT_EQ(shown(order, 1)[2], "b");
    EXPECT_EQ(shown(order, 1)[6], "e");
    EXPECT_EQ(shown(order, 0), (Texts{"ADS", " ", " ", " ", " ", " ", "MACRS", " ", " ", " ", " ", " "}));

    order.reset();
    EXPECT_EQ(shown(order, 1), columnTexts(list, 1));
}

TEST(ListOrder, APlainListSortsAsOneRun) {
    const Recordset rs = records({text("Name"), dbl("Cost")}, {{"x", 3.0}, {"y", 1.0}, {"z", 2.0}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    PopulateLV(list, rs, boxes.sink);
    ListOrder order(list);
    order.sort([&](std::size_t a, std::size_t b) { return list.text(a, 1) < list.text(b, 1); }, false);
    EXPECT_EQ(shown(order, 0), (Texts{"y", "z", "x"}));
}

// Property tax classes whose totals were not written follow one another with no added row: each
// class heading still starts its own run.
TEST(ListOrder, AGroupHeadStartsARunEvenWithoutAnAddedRowBefore) {
    const Recordset rs = records({text("Asset Class"), date("In Service  "), integer("Asset ID  "),
                                  text("Description"), dbl("Asset Cost")},
                                 {{"A", Date(2010, 1, 1), 1, "a2", 0.0},
                                  {"A", Date(2010, 1, 1), 2, "a1", 0.0},
                                  {"B", Date(2010, 1, 1), 3, "b2", 0.0},
                                  {"B", Date(2010, 1, 1), 4, "b1", 0.0}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    PopLVPropertyTax(list, rs, 1, boxes.sink);
    ListOrder order(list);
    order.sort([&](std::size_t a, std::size_t b) { return list.text(a, 3) < list.text(b, 3); }, false);
    EXPECT_EQ(shown(order, 3), (Texts{"a1", "a2", "b1", "b2", " ", "                 Grand Total"}));
    EXPECT_EQ(shown(order, 0), (Texts{"A", " ", "B", " ", " ", " "}));
    EXPECT_TRUE(order.shownCell(0, 0).bold);
    EXPECT_FALSE(order.shownCell(1, 0).bold);
}

} // namespace
} // namespace qel::reports
