// DeprSupport: yearly limits, the company's Form 4562 data, Save179 and the section 179 and
// mid-quarter sums over a fiscal year.
#include "server/support/DeprSupport.h"

#include "SupportFixture.h"

#include "common/SqlLiteral.h"

namespace qel {
namespace {

using test::AssetRow;
using test::kListed;
using test::kMacrs150;

class DeprSupportLimitsTest : public test::SupportTest {
protected:
    void addMisc4562(std::int32_t company, int year, double carryover, double incomeLimit) {
        fresh_.exec("INSERT INTO tblMisc4562Data (Company_Id, [Year], [179 Carryover], [179 Income Limit], "
                    "[Listed Claim], [Other Depr]) VALUES (" +
                    sqlNumber(company) + ", " + sqlNumber(year) + ", " + sqlNumber(carryover) + ", " +
                    sqlNumber(incomeLimit) + ", 'Yes', 77)");
    }
};

TEST_F(DeprSupportLimitsTest, RecordsetsCarryTheirFieldNamesInOrder) {
    DeprSupport ds;
    const test::FieldNamesCase cases[] = {
        {"Get179forMaint", ds.Get179forMaint(), {"Year  ", "Maximum Amount", "Threshold Cost", "ID"}},
        {"MaxAutoMaint",
         ds.MaxAutoMaint(),
         {"Year  ", "Type", "Yr 1 + 30%", "Yr 1 + 50%", "Max Year 1", "Max Year 2", "Max Year 3",
          "Max Year 4", "ID"}},
        {"GetMisc4562DataForMaint",
         ds.GetMisc4562DataForMaint(1),
         {"Year  ", "179 Carryover", "179 Income Limit", "Listed Claim", "Listed Evidence", "Group Assets",
          "168 Property", "Other Depr", "263A Cost", "Exclude 179", "ID"}},
        {"Get179Limits", ds.Get179Limits(2010), {"Maximum Amount", "Threshold Cost"}},
    };
    test::expectFieldNames(cases);
    const Recordset totals = ds.Get179andCostTotal(1, 2010);
    ASSERT_EQ(totals.fieldCount(), 2u);
    EXPECT_EQ(totals.field(0).name, "cost");
}

TEST_F(DeprSupportLimitsTest, LimitListsComeByYear) {
    DeprSupport ds;
    const Recordset limits = ds.Get179forMaint();
    ASSERT_GT(limits.RecordCount(), 1u);
    for (std::size_t i = 1; i < limits.RecordCount(); ++i)
        EXPECT_LT(limits.rows()[i - 1][0].toInt32(), limits.rows()[i][0].toInt32());

    const Recordset year = ds.Get179Limits(2010);
    ASSERT_EQ(year.RecordCount(), 1u);
    EXPECT_EQ(year["Maximum Amount"].toInt32(), 500000);
    EXPECT_EQ(year["Threshold Cost"].toInt32(), 2000000);
    EXPECT_EQ(ds.Get179Limits(1900).RecordCount(), 0u);
}

TEST_F(DeprSupportLimitsTest, Misc4562DataForOneYearOrAllYears) {
    const std::int32_t other = test::addCompany("Other");
    addMisc4562(1, 2012, 10, 0);
    addMisc4562(1, 2010, 30, 0);
    addMisc4562(1, 2011, 20, 0);
    addMisc4562(other, 2010, 99, 0);
    DeprSupport ds;
    EXPECT_EQ(test::column(ds.GetMisc4562DataForMaint(1), 0),
              (std::vector<std::string>{"2010", "2011", "2012"}));
    EXPECT_EQ(test::column(ds.GetMisc4562DataForMaint(1, 0), 1),
              (std::vector<std::string>{"30", "20", "10"}));
    EXPECT_EQ(test::column(ds.GetMisc4562DataForMaint(1, 2011), 1), (std::vector<std::string>{"20"}));
    EXPECT_EQ(ds.GetMisc4562DataForMaint(1, 2013).RecordCount(), 0u);
}

TEST_F(DeprSupportLimitsTest, SingleValuesAndCounts) {
    addMisc4562(1, 2010, 1234.5, 80000);
    DeprSupport ds;
    EXPECT_EQ(ds.Get179CarryOver(1, 2010), 1234); // half to even
    EXPECT_EQ(ds.Get179IncomeLimit(1, 2010), 80000);
    EXPECT_EQ(ds.Get179CarryOver(1, 2011), 0);
    EXPECT_EQ(ds.Get179IncomeLimit(2, 2010), 0);
    EXPECT_EQ(ds.CheckForMisc4562(2010, 1), 1);
    EXPECT_EQ(ds.CheckForMisc4562(2010, 2), 0);
    EXPECT_EQ(ds.CheckFor179Limits(2010), 1);
    EXPECT_EQ(ds.CheckFor179Limits(1900), 0);
    EXPECT_EQ(ds.CheckForAutoLimits(1900), 0);
    EXPECT_EQ(ds.CheckForAutoLimits(2010),
              fresh_.value("SELECT count(*) FROM tblMaxAuto WHERE [Year] = 2010").toInt32());
    EXPECT_GT(ds.CheckForAutoLimits(2010), 1); // every vehicle type of the year
}

TEST_F(DeprSupportLimitsTest, Save179InsertsThenUpdatesOnlyTheCarryover) {
    DeprSupport ds;
    const std::string row = " FROM tblMisc4562Data WHERE Company_Id = 1 AND [Year] = 2011";
    EXPECT_TRUE(ds.Save179(5000, 2011, 1));
    EXPECT_EQ(count(row), 1);
    EXPECT_EQ(fresh_.value("SELECT [179 Carryover]" + row).toInt32(), 5000);
    EXPECT_EQ(fresh_.value("SELECT [179 Income Limit]" + row).toInt32(), 0);

    fresh_.exec(
        "UPDATE tblMisc4562Data SET [179 Income Limit] = 70000, [Listed Claim] = 'Yes' WHERE [Year] = 2011");
    EXPECT_TRUE(ds.Save179(7000, 2011, 1));
    EXPECT_EQ(count(row), 1);
    EXPECT_EQ(fresh_.value("SELECT [179 Carryover]" + row).toInt32(), 7000);
    EXPECT_EQ(fresh_.value("SELECT [179 Income Limit]" + row).toInt32(), 70000);
    EXPECT_EQ(fresh_.value("SELECT [Listed Claim]" + row).toString(), "Yes");
    EXPECT_EQ(count("FROM tblMisc4562Data"), 1);
}

TEST_F(DeprSupportLimitsTest, Section179TotalsCoverTheFiscalYearAndLeaveOutSameYearSales) {
    const std::int32_t other = test::addCompany("Other");
    const auto add = [&](AssetRow a) {
        a.type179 = true;
        a.section179 = 100;
        addAsset(a);
    };
    add({.cost = 1000, .fiscalStart = "2010-01-01"});                           // first day
    add({.cost = 2000, .business = 0.5, .fiscalStart = "2010-12-31"});          // last day
    add({.cost = 4000, .fiscalStart = "2010-05-01", .sold = "2011-02-01"});     // sold later
    add({.cost = 8000, .fiscalStart = "2010-05-01", .sold = "2010-09-01"});     // sold the same year
    add({.cost = 16000, .fiscalStart = "2009-12-31"});                          // year before
    add({.cost = 32000, .fiscalStart = "2011-01-01"});                          // year after
    add({.company = other, .cost = 64000, .fiscalStart = "2010-05-01"});        // other company
    addAsset({.cost = 128000, .section179 = 100, .fiscalStart = "2010-05-01"}); // no section 179

    DeprSupport ds;
    const Recordset totals = ds.Get179andCostTotal(1, 2010);
    ASSERT_EQ(totals.RecordCount(), 1u);
    EXPECT_EQ(totals[0].toDouble(), 1000 + 1000 + 4000);
    EXPECT_EQ(totals[1].toDouble(), 300);

    const Recordset none = ds.Get179andCostTotal(1, 2005);
    ASSERT_EQ(none.RecordCount(), 1u);
    EXPECT_TRUE(none[0].isNull());
    EXPECT_TRUE(none[1].isNull());
}

TEST_F(DeprSupportLimitsTest, YearAndLastQuarterBasisForTheMidQuarterTest) {
    // Basis: cost times business fraction less section 179 and other deductions.
    addAsset({.cost = 1000, .fiscalStart = "2010-01-01"});                    // in year
    addAsset({.cost = 2000, .section179 = 500, .fiscalStart = "2010-10-01"}); // 4th quarter
    addAsset({.method = kListed,
              .cost = 4000,
              .other = 1000,
              .business = 0.5,
              .fiscalStart = "2010-12-31"});                                      // 4th quarter
    addAsset({.cost = 8000, .fiscalStart = "2010-09-30"});                        // 3rd quarter
    addAsset({.cost = 16000, .fiscalStart = "2010-11-01", .sold = "2010-12-01"}); // sold in year
    addAsset({.cost = 32000, .fiscalStart = "2010-11-01", .sold = "2012-01-01"}); // sold later
    addAsset({.method = kMacrs150, .cost = 64000, .fiscalStart = "2010-11-01"});  // not MACRS
    addAsset({.cost = 128000, .fiscalStart = "2010-11-01", .life = 26});          // life too long
    addAsset({.method = 4, .cost = 256000, .fiscalStart = "2010-11-01"});         // S/L
    addAsset({.cost = 512000, .fiscalStart = "2011-01-01"});                      // next year

    DeprSupport ds;
    EXPECT_EQ(ds.GetTotalAssetCost(1, 2010), 1000 + 1500 + 1000 + 8000 + 32000);
    EXPECT_EQ(ds.Get4QtrAssetCost(1, 2010), 1500 + 1000 + 32000);
    EXPECT_EQ(ds.GetTotalAssetCost(1, 2005), 0);
    EXPECT_EQ(ds.Get4QtrAssetCost(2, 2010), 0);
}

TEST_F(DeprSupportLimitsTest, BasisSumRoundsHalfToEven) {
    addAsset({.cost = 1001, .business = 0.5, .fiscalStart = "2010-11-01"}); // 500.5
    DeprSupport ds;
    EXPECT_EQ(ds.GetTotalAssetCost(1, 2010), 500);
    addAsset({.cost = 2, .business = 0.5, .fiscalStart = "2010-11-01"}); // 501.5
    EXPECT_EQ(ds.Get4QtrAssetCost(1, 2010), 502);
}

TEST_F(DeprSupportLimitsTest, FailuresArePassedOnWithTheMemberName) {
    DeprSupport ds;
    gConn().reset();
    test::expectPassedOn([&] { ds.Save179(1, 2010, 1); }, "DeprSupport", "Save179");
    test::expectPassedOn([&] { ds.GetTotalAssetCost(1, 2010); }, "DeprSupport", "GetTotalAssetCost");
}

} // namespace
} // namespace qel
