// The amounts steps of a Form 4562 run on a fresh database copy: MACRS and ADS by recovery
// period, the total of line 22, listed property, vehicles and the employer's answers.
#include "form4562/FormAmounts.h"

#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <string>

namespace qel::form4562 {
namespace {

constexpr std::int16_t kYear = 2012;
// The "Mid Qtr" convention of the shipped tblConvention (abbreviation MQ).
constexpr int kMidQuarter = 2;

class FormAmountsTest : public ::testing::Test {
protected:
    // An asset placed in service in the year with its tax row of the year.
    std::int32_t asset(test::AssetRow row, double depr) {
        const std::int32_t number = test::addAsset(row, {.name = "Asset",
                                                         .company = company_,
                                                         .method = test::kMacrs,
                                                         .cost = 1000,
                                                         .business = 1,
                                                         .placed = "2012-02-01",
                                                         .life = 5,
                                                         .convention = test::kHalfYear,
                                                         .caption = "200 DB"});
        test::addDepr(company_, test::kFederal, number, kYear, depr, depr);
        return number;
    }

    void runAll() {
        listedPropertyAndVehicles(company_, kYear, values_);
        amortizationAndSection179(company_, kYear, values_, totals_);
        depreciationAndSummary(company_, kYear, values_, totals_);
    }

    test::FreshDatabase fresh_;
    std::int32_t company_ = test::addCompany("Amounts Co");
    FormValues values_;
    RunTotals totals_;
};

TEST_F(FormAmountsTest, RecoveryLinesJoinTheirRowsAndLine22CountsEveryRow) {
    asset({.cost = 1000, .convention = test::kHalfYear}, 200);
    asset({.cost = 2000, .convention = kMidQuarter}, 300);
    asset({.cost = 27500, .life = 27.5, .convention = test::kMidMonth, .caption = "S/L"}, 900);
    asset({.cost = 10000, .life = 27.5, .convention = test::kHalfYear, .caption = "S/L"}, 100);
    asset({.cost = 39000, .life = 39, .convention = test::kMidMonth, .caption = "S/L"}, 800);
    asset({.cost = 39000, .life = 39, .convention = test::kHalfYear, .caption = "S/L"}, 80);
    asset({.method = test::kAds, .cost = 600, .life = 6, .caption = "S/L"}, 60);
    asset({.method = test::kAds, .cost = 900, .life = 9, .caption = "S/L"}, 90);
    asset({.method = test::kAds, .cost = 4000, .life = 40, .convention = test::kMidMonth, .caption = "S/L"},
          50);
    asset({.method = test::kAds, .cost = 4000, .life = 40, .convention = test::kHalfYear, .caption = "S/L"},
          40);

    runAll();

    const RecoveryRow& fiveYear = values_.line19[1];
    EXPECT_EQ(fiveYear.basis, "3000");
    EXPECT_EQ(fiveYear.period, "5");
    EXPECT_EQ(fiveYear.convention, "N/A") << "two conventions";
    EXPECT_EQ(fiveYear.method, "200 DB") << "one method";
    EXPECT_EQ(fiveYear.deduction, "500");
    EXPECT_EQ(values_.line19h.basis, "37500") << "both 27.5-year rows";
    EXPECT_EQ(values_.line19h.deduction, "1000");
    EXPECT_EQ(values_.line19i.deduction, "880");
    EXPECT_EQ(values_.line20a.period, "N/A") << "class lives 6 and 9";
    EXPECT_EQ(values_.line20a.convention, "N/A");
    EXPECT_EQ(values_.line20a.deduction, "150");
    EXPECT_EQ(values_.line20c.basis, "8000") << "both 40-year rows";
    EXPECT_EQ(values_.line20c.deduction, "90");
    EXPECT_EQ(values_.line22, "2,620");
    EXPECT_EQ(totals_.macrs50Year, 0);
}

TEST_F(FormAmountsTest, ListedPropertyVehiclesAndAnswers) {
    const std::int32_t car = asset({.name = "Car",
                                    .method = test::kListed,
                                    .cost = 20000,
                                    .section179 = 1000,
                                    .business = 0.75,
                                    .vehicle = 1},
                                   3000);
    asset({.name = "Van", .method = test::kListed, .cost = 10000, .business = 0.4, .vehicle = 2}, 800);
    fresh_.exec(
        "INSERT INTO tblAutoUse (Company_Id, [year], [Vehicle #], [Business Miles], [Commuting Miles],"
        " [Personal Miles], [Available Personal Use off Hours], [Driver 5 percent Owner],"
        " [Another Car Available], bpercent, asset_id) VALUES (" +
        std::to_string(company_) + ", 2012, 2, '4000', '', '6000', 1, NULL, 0, 0.4, 0), (" +
        std::to_string(company_) + ", 2012, 1, '7500', '1500', '1000', 0, 1, 0, 0.75, " +
        std::to_string(car) + ")");
    fresh_.exec("INSERT INTO tblAutoQuestions (Company_Id, [year], [No Personal Use], [Commuting Allowed],"
                " [All Personal Use], [More 5 Cars & keep Track], [Meet Requirements]) VALUES (" +
                std::to_string(company_) + ", 2012, 1, 0, NULL, 1, 0)");

    runAll();

    const ListedRow& car26 = values_.line26[0];
    EXPECT_EQ(car26.property, "Car");
    EXPECT_EQ(car26.placed, "02-2012");
    EXPECT_EQ(car26.businessUse, "75");
    EXPECT_EQ(car26.basis, "15000");
    EXPECT_EQ(car26.method + " " + car26.convention, "200DB  HY");
    EXPECT_EQ(car26.section179, "1000");
    EXPECT_EQ(values_.line27[0].property, "Van");
    EXPECT_EQ(values_.line27[0].method, "") << "line 27 shows the convention alone";
    EXPECT_EQ(values_.line28, 3800);
    EXPECT_EQ(values_.line29, 1000);
    EXPECT_EQ(values_.line8, 1000) << "line 7 is line 29";

    const VehicleColumn& a = values_.vehicles[0];
    EXPECT_EQ(a.businessMiles, "7500");
    EXPECT_EQ(a.totalMiles, "10000");
    EXPECT_EQ(a.offHoursUse, "No");
    EXPECT_EQ(a.ownerDriver, "Yes");
    const VehicleColumn& b = values_.vehicles[1];
    EXPECT_EQ(b.commutingMiles, "");
    EXPECT_EQ(b.totalMiles, "10000");
    EXPECT_EQ(b.ownerDriver, "No") << "a Null answer";
    EXPECT_EQ(values_.vehicles[2].totalMiles, "") << "no third vehicle";
    EXPECT_EQ(values_.lines37to41, (std::array<std::string, 5>{"Yes", "No", "No", "Yes", "No"}));
}

TEST_F(FormAmountsTest, FourListedAssetsGiveOneTotalRowEvenWithoutAPlacementOfTheYear) {
    for (int k = 1; k <= 4; ++k)
        asset({.name = "Car " + std::to_string(k),
               .method = test::kListed,
               .cost = 1000,
               .business = 0.9,
               .placed = "2010-05-01",
               .vehicle = k},
              100);

    runAll();

    const ListedRow& total = values_.line26[0];
    EXPECT_EQ(total.property, "Total Listed");
    EXPECT_EQ(total.cost, "4000");
    EXPECT_EQ(total.deduction, "400");
    EXPECT_EQ(total.section179, "") << "no asset of the year";
    EXPECT_EQ(values_.line28, 400);
}

TEST_F(FormAmountsTest, NoSection179LimitsAndNoYearlyData) {
    fresh_.exec("DELETE FROM tblMax179 WHERE [Year] = 2012");

    runAll();

    EXPECT_EQ(values_.line1, "Missing");
    EXPECT_EQ(values_.line3, "Missing");
    EXPECT_EQ(values_.line5, 0);
    EXPECT_EQ(values_.line10, "");
    EXPECT_EQ(values_.line18, "");
    EXPECT_FALSE(totals_.exclude179);
    EXPECT_EQ(values_.line22, "");
}

} // namespace
} // namespace qel::form4562
