// The fillers with groups: the worksheets, property tax, the journal entry detail and the book
// asset ledger.
#include "tests/app/reports/rules/ListFixture.h"

#include "app/reports/rules/ReportFillers.h"

namespace qel::reports {
namespace {

using namespace test;
using Texts = std::vector<std::string>;
using Kinds = std::vector<RowKind>;
constexpr RowKind D = RowKind::Data;
constexpr RowKind B = RowKind::Blank;
constexpr RowKind S = RowKind::Subtotal;
constexpr RowKind T = RowKind::Total;

// The depreciation worksheet's fields; the last one is a currency so that its cells show cents.
Recordset worksheet(std::vector<std::vector<Variant>> rows) {
    return records({text("Method"), text("Description"), integer("Asset #  "), date("In Service"),
                    dbl("Asset Cost "), dbl("Percent"), dbl("Cost Basis"), text("Conv"), dbl("Life"),
                    dbl("Accum Depr"), currency("Depreciation")},
                   std::move(rows));
}

std::vector<Variant> asset(const char* method, const char* name, double cost, Variant depr = 10.50) {
    return {method, name, 1, Date(2010, 3, 1), cost, 100.0, cost, "HY", 27.5, 51.0, std::move(depr)};
}

TEST(WorksheetFiller, OneRecordGivesFiveRows) {
    const Recordset rs = worksheet({asset("MACRS", "Desk", 1000)});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateDeprWrkSheet(list, rs, boxes.sink), 5);
    EXPECT_EQ(kinds(list), (Kinds{D, B, S, B, T}));
    EXPECT_EQ(texts(list, 0),
              (Texts{"MACRS", "Desk", "1", "03/2010", "1,000", "100", "1,000", "HY", "27.5", "51", "10.50"}));
    EXPECT_EQ(list.groupCells(0), 1);
    EXPECT_EQ(texts(list, 1), Texts(11, " "));
    EXPECT_EQ(texts(list, 2), (Texts{" ", "                             Subtotal", " ", " ", "1,000", " ",
                                     "1,000", " ", " ", "51", "11"}));
    EXPECT_EQ(texts(list, 4)[1], "                        Grand Total");
    EXPECT_EQ(boldCells(list, 2), (std::vector<std::size_t>{1, 4, 6, 9, 10}));
    EXPECT_EQ(boldCells(list, 0), (std::vector<std::size_t>{}));
}

// Groups of 3 and 2 records: the method on each group's first row only, a subtotal after each,
// the grand total the sum of the subtotals. 10.50 and 10.50 total 21 (rounding after each
// addition gave 20).
TEST(WorksheetFiller, GroupsOfThreeAndTwoGiveTwelveRows) {
    const Recordset rs = worksheet({asset("ADS", "a", 100), asset("ADS", "b", 200), asset("ADS", "c", 300),
                                    asset("MACRS", "d", 1000, 10.50), asset("MACRS", "e", 2000, 10.50)});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateDeprWrkSheet(list, rs, boxes.sink), 12);
    EXPECT_EQ(kinds(list), (Kinds{D, D, D, B, S, B, D, D, B, S, B, T}));
    EXPECT_EQ(columnTexts(list, 0),
              (Texts{"ADS", " ", " ", " ", " ", " ", "MACRS", " ", " ", " ", " ", " "}));
    EXPECT_EQ(list.text(4, 4), "600");
    EXPECT_EQ(list.text(9, 4), "3,000");
    EXPECT_EQ(list.text(11, 4), "3,600");
    EXPECT_EQ(list.text(9, 10), "21");
    EXPECT_EQ(list.text(11, 10), "53");
    EXPECT_EQ(list.text(11, 9), "255");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(WorksheetFiller, MethodsDifferingInLetterCaseAreTwoGroups) {
    const Recordset rs = worksheet({asset("MACRS", "a", 1), asset("Macrs", "b", 1), asset("S/L", "c", 1)});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateDeprWrkSheet(list, rs, boxes.sink), 13);
}

TEST(WorksheetFiller, ANullAmountShowsNothingAddsNothingAndIsNoError) {
    const Recordset rs = worksheet({asset("ADS", "a", 100, Variant()), asset("ADS", "b", 100, 4.0)});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateDeprWrkSheet(list, rs, boxes.sink), 6);
    EXPECT_EQ(list.text(0, 10), "");
    EXPECT_EQ(list.text(3, 10), "4");
    EXPECT_TRUE(boxes.shown.empty());
}

TEST(WorksheetFiller, TheCurrentYearWorksheetSumsSixColumns) {
    const Recordset rs =
        records({text("Method"), text("Description"), integer("Asset #  "), date("In Service"),
                 dbl("Asset Cost "), dbl("Percent"), dbl("Cost Basis"), text("Conv"), dbl("Life"),
                 dbl("Bonus"), dbl("179"), dbl("Depreciation"), dbl("Net Book Value")},
                {{"MACRS", "a", 1, Date(2010, 1, 1), 100.0, 100.0, 100.0, "HY", 5.0, 1.0, 2.0, 3.0, 4.0},
                 {"MACRS", "b", 2, Date(2010, 1, 1), 100.0, 100.0, 100.0, "HY", 5.0, 1.0, 2.0, 3.0, 4.0}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateCurrentWrkSheet(list, rs, boxes.sink), 6);
    EXPECT_EQ(texts(list, 3), (Texts{" ", "              Subtotal", " ", " ", "200", " ", "200", " ", " ",
                                     "2", "4", "6", "8"}));
    EXPECT_EQ(list.text(5, 1), "         Grand Total");
}

Recordset propertyTax(std::vector<std::vector<Variant>> rows) {
    return records({text("Asset Class"), date("In Service  "), integer("Asset ID  "),
                    text("Description                          "), dbl("Asset Cost")},
                   std::move(rows));
}

// Two years in a class, the second holding an asset of cost zero.
TEST(PropertyTaxFiller, TwoYearsInAClassAndAZeroCostAsset) {
    const Recordset rs = propertyTax({{"Furniture", Date(2009, 5, 1), 1, "Desk", 100.0},
                                      {"Furniture", Date(2010, 2, 1), 2, "Chair", 200.0},
                                      {"Furniture", Date(2010, 8, 1), 3, "Gift", 0.0}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopLVPropertyTax(list, rs, 1, boxes.sink), 12);
    EXPECT_EQ(kinds(list), (Kinds{D, B, S, B, D, D, B, S, B, S, B, T}));
    EXPECT_EQ(columnTexts(list, 0),
              (Texts{"Furniture", " ", " ", " ", " ", " ", " ", " ", " ", " ", " ", " "}));
    EXPECT_EQ(boldCells(list, 0), (std::vector<std::size_t>{0}));
    EXPECT_EQ(texts(list, 0), (Texts{"Furniture", "05/2009", "1", "Desk", "100"}));
    EXPECT_EQ(texts(list, 2), (Texts{" ", " ", " ", "                 Total for 2009", "100"}));
    EXPECT_EQ(texts(list, 5), (Texts{" ", "08/2010", "3", "Gift", "0"}));
    EXPECT_EQ(texts(list, 7), (Texts{" ", " ", " ", "                 Total for 2010", "200"}));
    EXPECT_EQ(texts(list, 9), (Texts{" ", " ", " ", "                 Category Total", "300"}));
    EXPECT_EQ(texts(list, 11), (Texts{" ", " ", " ", "                 Grand Total", "300"}));
    EXPECT_EQ(boldCells(list, 11), (std::vector<std::size_t>{3, 4}));
}

TEST(PropertyTaxFiller, RowCountsOfSmallListings) {
    struct Case {
        const char* name;
        std::vector<std::vector<Variant>> rows;
        std::int32_t count;
    };
    const Case cases[] = {
        {"one asset of a named class", {{"Furniture", Date(2010, 1, 1), 1, "Desk", 500.0}}, 7},
        {"one asset of cost zero", {{"Furniture", Date(2010, 1, 1), 1, "Desk", 0.0}}, 1},
        {"two assets of cost zero",
         {{"A", Date(2010, 1, 1), 1, "x", 0.0}, {"A", Date(2010, 1, 1), 2, "y", 0.0}},
         4},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const Recordset rs = propertyTax(c.rows);
        ReportList list = columnsOf(rs);
        Boxes boxes;
        EXPECT_EQ(PopLVPropertyTax(list, rs, 1, boxes.sink), c.count);
        EXPECT_EQ(static_cast<std::int32_t>(list.rowCount()), c.count);
    }
}

TEST(PropertyTaxFiller, AssetsWithoutAClassComeFirstWithoutAHeading) {
    const Recordset rs = propertyTax(
        {{Variant(), Date(2010, 1, 1), 1, "Loose", 50.0}, {"Furniture", Date(2010, 1, 1), 2, "Desk", 70.0}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    PopLVPropertyTax(list, rs, 1, boxes.sink);
    EXPECT_EQ(columnTexts(list, 3),
              (Texts{"Loose", " ", "                 Total for 2010", " ", "                 Category Total",
                     " ", " ", "Desk", " ", "                 Total for 2010", " ",
                     "                 Category Total", " ", "                 Grand Total"}));
    EXPECT_EQ(list.text(0, 0), " ");
    EXPECT_EQ(list.text(4, 4), "50");
    EXPECT_EQ(list.text(7, 0), "Furniture");
    EXPECT_EQ(list.text(13, 4), "120");
}

// A group that totals zero or less writes no total and starts the next group from zero.
TEST(PropertyTaxFiller, ANegativeGroupTotalIsNotCarriedIntoTheNext) {
    const Recordset rs =
        propertyTax({{"A", Date(2010, 1, 1), 1, "credit", -50.0}, {"B", Date(2010, 1, 1), 2, "Desk", 100.0}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    PopLVPropertyTax(list, rs, 1, boxes.sink);
    EXPECT_EQ(columnTexts(list, 4), (Texts{"-50", "100", " ", "100", " ", "100", " ", "50"}));
    EXPECT_EQ(list.text(3, 3), "                 Total for 2010");
}

Recordset journal(std::vector<std::vector<Variant>> rows) {
    return records(
        {text("Account"), text("Debit", 20), text("Credit", 20), integer("Asset Id"), text("Description")},
        std::move(rows));
}

TEST(JournalDetailFiller, OneAccountWithTwoDebitLinesGivesSevenRows) {
    const Recordset rs = journal({{"6100", 10.25, " ", 1, "Desk"}, {"6100", 20.5, " ", 2, "2010"}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateJvDepr(list, rs, boxes.sink), 7);
    EXPECT_EQ(kinds(list), (Kinds{D, D, B, S, B, B, T}));
    EXPECT_EQ(texts(list, 0), (Texts{"6100", "10.25", " ", "1", "Desk"}));
    // A description that reads as a number stays as it is.
    EXPECT_EQ(texts(list, 1), (Texts{" ", "20.50", " ", "2", "2010"}));
    EXPECT_EQ(texts(list, 2), (Texts{"  ", " ", " ", " ", " "}));
    EXPECT_EQ(texts(list, 3), (Texts{"             Subtotal", "30.75", " ", " ", " "}));
    EXPECT_EQ(boldCells(list, 3), (std::vector<std::size_t>{1}));
    EXPECT_EQ(texts(list, 6), (Texts{"          Grand Total", "30.75", ".00", " ", " "}));
    EXPECT_EQ(boldCells(list, 6), (std::vector<std::size_t>{1, 2}));
}

TEST(JournalDetailFiller, EachAccountGetsItsSubtotalAndTheGrandTotalSumsThem) {
    const Recordset rs = journal({{"1700", " ", 12.5, 1, "Desk"},
                                  {"1700", " ", 7.5, 2, "Chair"},
                                  {"6100", 12.5, " ", 1, "Desk"},
                                  {"6100", 7.5, " ", 2, "Chair"},
                                  {"6200", 5.0, " ", 3, "Van"},
                                  {"6200", -5.0, " ", 4, "Van refund"}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateJvDepr(list, rs, boxes.sink), 6 + 3 + 3 + 2 + 3);
    EXPECT_EQ(columnTexts(list, 0), (Texts{"1700", " ", " ", "             Subtotal", " ", "6100", " ", " ",
                                           "             Subtotal", " ", "6200", " ", "  ",
                                           "             Subtotal", " ", " ", "          Grand Total"}));
    EXPECT_EQ(texts(list, 3)[1], " ");
    EXPECT_EQ(texts(list, 3)[2], "20.00");
    EXPECT_EQ(texts(list, 8)[1], "20.00");
    // Lines that come to nothing show no amount in the subtotal.
    EXPECT_EQ(texts(list, 13)[1], " ");
    EXPECT_EQ(texts(list, 16)[1], "20.00");
    EXPECT_EQ(texts(list, 16)[2], "20.00");
}

TEST(JournalDetailFiller, AccountsDifferingInCaseAreTwoGroupsAndAMissingAccountJoinsTheCurrent) {
    const Recordset rs =
        journal({{"Acc", 1.0, " ", 1, "a"}, {Variant(), 1.0, " ", 2, "b"}, {"acc", 1.0, " ", 3, "c"}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateJvDepr(list, rs, boxes.sink), 3 + 3 + 5);
    EXPECT_EQ(list.text(3, 1), "2.00");
    EXPECT_EQ(list.text(5, 0), "acc");
}

Recordset ledger(std::vector<std::vector<Variant>> rows) {
    return records({text("Account"), text("Capital Account", 20), text("Description"), integer("Asset #"),
                    date("In Service"), dbl("Life"), dbl("Cost"), dbl("Accum Depr"), dbl("NBV")},
                   std::move(rows));
}

std::vector<Variant> ledgerRow(const char* account, const char* capital, const char* name, double cost) {
    return {account, capital, name, 1, Date(2010, 6, 1), 7.0, cost, 100.0, cost - 100};
}

TEST(BookLedgerFiller, OneAssetGivesFiveRowsAndTheSubtotalEqualsTheGrandTotal) {
    const Recordset rs = ledger({ledgerRow("Office", "1500", "Desk", 1234.567)});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateBookAssetLedger(list, rs, boxes.sink), 5);
    EXPECT_EQ(kinds(list), (Kinds{D, B, S, B, T}));
    EXPECT_EQ(texts(list, 0),
              (Texts{"Office", "1500", "Desk", "1", "06/2010", "7.0", "1,234.57", "100.00", "1,134.57"}));
    EXPECT_EQ(texts(list, 2),
              (Texts{" ", "       Subtotal", " ", " ", " ", " ", "1,234.57", "100.00", "1,134.57"}));
    EXPECT_EQ(texts(list, 4),
              (Texts{" ", "       Grand Total", " ", " ", " ", " ", "1,234.57", "100.00", "1,134.57"}));
    EXPECT_EQ(boldCells(list, 4), (std::vector<std::size_t>{1, 6, 7, 8}));
    EXPECT_EQ(list.groupCells(0), 2);
}

TEST(BookLedgerFiller, ThreeAccountsOfTwoOneAndThreeAssetsGiveSixteenRows) {
    const Recordset rs = ledger({ledgerRow("A", "1500", "a1", 100), ledgerRow("A", "1500", "a2", 200),
                                 ledgerRow("B", "", "b1", 300), ledgerRow("C", "1700", "c1", 400),
                                 ledgerRow("C", "1700", "c2", 500), ledgerRow("C", "1700", "c3", 600)});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateBookAssetLedger(list, rs, boxes.sink), 16);
    EXPECT_EQ(columnTexts(list, 1),
              (Texts{"1500", " ", " ", "       Subtotal", " ", "", " ", "       Subtotal", " ", "1700", " ",
                     " ", " ", "       Subtotal", " ", "       Grand Total"}));
    EXPECT_EQ(list.text(3, 6), "300.00");
    EXPECT_EQ(list.text(15, 6), "2,100.00");
    EXPECT_EQ(list.text(15, 8), "1,500.00");
}

} // namespace
} // namespace qel::reports
