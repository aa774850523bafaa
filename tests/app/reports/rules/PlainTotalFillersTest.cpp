// The fillers without groups: the generic one, the vehicle use report's and the two total-row
// fillers.
#include "tests/app/reports/rules/ListFixture.h"

#include "app/reports/rules/ReportFillers.h"

namespace qel::reports {
namespace {

using namespace test;
using Texts = std::vector<std::string>;

TEST(PlainFiller, CellsShowByTheirColumnsAlignmentAndType) {
    const Recordset rs = records({integer("Year"), dbl("Depreciation"), currency("Amount"),
                                  date("In Service"), yesNo("Sold"), text("Notes")},
                                 {{2012, 1234.56, 1234.5, Date(2012, 3, 1), true, "  kept  "},
                                  {2013, Variant(), Variant(), Variant(), false, Variant()}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateLV(list, rs, boxes.sink), 2);
    EXPECT_EQ(texts(list, 0), (Texts{"2012", "1,235", "1,234.50", "03/2012", "Yes", "kept"}));
    EXPECT_EQ(texts(list, 1), (Texts{"2013", "", "", "", "No", ""}));
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(PlainFiller, AWordInANumberColumnIsReportedAndTheFillGoesOn) {
    const Recordset rs = records({text("Name"), dbl("Cost"), date("Placed")},
                                 {{"a", "abc", Date(2010, 1, 1)}, {"b", 5.0, Date(2010, 2, 1)}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateLV(list, rs, boxes.sink), 2);
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].rfind("Error in PopulateLV. ", 0), 0u);
    EXPECT_EQ(texts(list, 0), (Texts{"a", "", "01/2010"}));
    EXPECT_EQ(texts(list, 1), (Texts{"b", "5", "02/2010"}));
}

TEST(PlainFiller, TheSameFailureTwiceEndsTheFillWithNoRows) {
    const Recordset rs = records({text("Name"), dbl("Cost")}, {{"a", "abc"}, {"b", "def"}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateLV(list, rs, boxes.sink), 0);
    ASSERT_EQ(boxes.shown.size(), 2u);
    EXPECT_EQ(boxes.shown[1], kCannotComplete);
}

TEST(AutoUseFiller, BlanksForNothingAndForAnswersNotEntered) {
    const Recordset rs = records(
        {text("Description"), integer("Vehicle #"), integer("Company_Id"), integer("Business Miles"),
         yesNo("Available Personal"), yesNo("Display_Data")},
        {{"Truck", 7, 2, 987, true, true}, {"Van", 3, 2, 0, true, false}, {"Car", 9, 2, -5, false, true}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateLVAutoUseRpt(list, rs, boxes.sink), 3);
    EXPECT_EQ(texts(list, 0), (Texts{"Truck", "1", "2", "987", "Yes", "Yes"}));
    EXPECT_EQ(texts(list, 1), (Texts{"Van", "2", "2", " ", " ", " "}));
    EXPECT_EQ(texts(list, 2), (Texts{"Car", "3", "2", " ", "No", "Yes"}));
}

Recordset totalled(std::vector<std::vector<Variant>> rows) {
    return records(
        {text("Description"), text("Ref"), dbl("Life"), dbl("Life  "), dbl("Cost"), currency("Amount")},
        std::move(rows));
}

TEST(TotalRowFiller, OneRecordGetsNoTotalRow) {
    const Recordset rs = totalled({{"Desk", "x", 7.5, 7.5, 10.6, 1.25}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopLVTotalLastField(list, rs, 2, boxes.sink), 1);
    EXPECT_EQ(texts(list, 0), (Texts{"Desk", "x", "7.5", "8", "11", "1.25"}));
}

// The totals add the cells as shown: 10.6 shows 11, and 11 + 11 totals 22 (the stored values
// would give 21); 0.50 + 0.50 totals 1 (rounding after each addition would give 0).
TEST(TotalRowFiller, TwoRecordsGetABlankAndABoldTotalOfTheCellsShown) {
    const Recordset rs =
        totalled({{"Desk", "", 7.0, 7.0, 10.6, 0.5}, {"Chair", Variant(), 5.0, 5.0, 10.6, 0.5}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopLVTotalLastField(list, rs, 2, boxes.sink), 4);
    EXPECT_EQ(texts(list, 0), (Texts{"Desk", " ", "7.0", "7", "11", "0.50"}));
    EXPECT_EQ(texts(list, 1), (Texts{"Chair", "", "5.0", "5", "11", "0.50"}));
    EXPECT_EQ(texts(list, 2), (Texts{" ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(texts(list, 3), (Texts{"                               Total", " ", " ", " ", "22", "1"}));
    EXPECT_EQ(boldCells(list, 3), (std::vector<std::size_t>{0, 4, 5}));
    EXPECT_EQ(kinds(list),
              (std::vector<RowKind>{RowKind::Data, RowKind::Data, RowKind::Blank, RowKind::Total}));
}

TEST(TotalRowFiller, ANullAddsNothingAndShowsNothing) {
    const Recordset rs =
        totalled({{"Desk", "", 7.0, 7.0, Variant(), 2.0}, {"Chair", "", 5.0, 5.0, 3.0, Variant()}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopLVTotalLastField(list, rs, 2, boxes.sink), 4);
    EXPECT_EQ(list.text(0, 4), "");
    EXPECT_EQ(list.text(1, 5), "");
    EXPECT_EQ(texts(list, 3)[4], "3");
    EXPECT_EQ(texts(list, 3)[5], "2");
    EXPECT_TRUE(boxes.shown.empty());
}

// The journal summary joins sums with empty texts in text columns.
TEST(DecimalTotalRowFiller, TextAmountsShowTwoDecimalsAndTotalExactly) {
    const Recordset rs = records({text("Account"), text("Debit", 20), text("Credit", 20)},
                                 {{"6100", "10.5", ""}, {"6100", "10.5", ""}, {"1700", "", "21"}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopLVTotalLastFieldDec(list, rs, 2, boxes.sink), 5);
    EXPECT_EQ(texts(list, 0), (Texts{"6100", "10.50", " "}));
    EXPECT_EQ(texts(list, 2), (Texts{"1700", " ", "21.00"}));
    EXPECT_EQ(texts(list, 4), (Texts{"                               Total", "21.00", "21.00"}));
}

TEST(DecimalTotalRowFiller, RightAlignedCellsUseTheTwinsPatterns) {
    const Recordset rs =
        totalled({{"Desk", "7.5", 7.5, 7.5, 10.25, 0.5}, {"Chair", "x", 5.0, 5.0, 10.25, 0.25}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopLVTotalLastFieldDec(list, rs, 2, boxes.sink), 4);
    EXPECT_EQ(texts(list, 0), (Texts{"Desk", "7.50", "7.50", "8", "10", ".50"}));
    EXPECT_EQ(texts(list, 1), (Texts{"Chair", "x", "5.00", "5", "10", ".25"}));
    // 10.25 shows 10 in a whole column: the two-decimal total adds the 10s shown.
    EXPECT_EQ(texts(list, 3)[4], "20.00");
    EXPECT_EQ(texts(list, 3)[5], ".75");
}

} // namespace
} // namespace qel::reports
