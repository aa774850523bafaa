// The Auto class: vehicle lists and counts, saving and deleting use rows and employer answers,
// the vehicle use report.
#include "server/reporting/Auto.h"

#include "server/data/Db.h"
#include "tests/server/reporting/AutoDepr4562Fixture.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel {
namespace {

using test::AssetRow;
using test::fieldNames;

constexpr std::int16_t kYear = 2010;

// The value list the vehicle form builds for one vehicle's use.
std::string useValues(int company, int year, int vehicle, const std::string& business, std::int64_t asset) {
    return std::to_string(company) + ", " + std::to_string(year) + ", " + std::to_string(vehicle) + ", '" +
           business + "', '100', '50', True, False, True, 0.8, " + std::to_string(asset);
}

std::vector<std::int64_t> column(Recordset rs, const char* name) {
    std::vector<std::int64_t> values;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        values.push_back(rs[name].toInt64());
    return values;
}

class AutoTest : public test::AssetFixture {
protected:
    // A vehicle placed in service in `placed` with a Federal row of kYear.
    std::int64_t addVehicle(const std::string& name, int vehicle, double business,
                            const std::string& placed = "2009-05-01", int company = 1) {
        return addAssetWithDepr({.name = name,
                                 .company = company,
                                 .method = test::kListed,
                                 .business = business,
                                 .placed = placed,
                                 .vehicle = vehicle},
                                kYear, 800);
    }

    std::int64_t useRows() const { return count("SELECT count(*) FROM tblAutoUse"); }

    Auto autos_;
};

TEST_F(AutoTest, CompanyWithoutVehiclesHasEmptyListsZeroCountsAndNextNumberOne) {
    addAssetWithDepr({.name = "Desk"}, kYear, 100);

    EXPECT_TRUE(autos_.GetVehicleDescription(1, kYear).IsEOF());
    EXPECT_TRUE(autos_.GetAutoUse(kYear, 1).IsEOF());
    EXPECT_TRUE(autos_.GetAutoUseReport(kYear, 1).IsEOF());
    EXPECT_EQ(autos_.ActiveAutos(1, kYear), 0);
    EXPECT_EQ(autos_.CheckAutoUse(1, kYear), 0);
    EXPECT_EQ(autos_.GetNextVehicleNum(kYear, 1), 1);
}

TEST_F(AutoTest, VehicleWithTaxAndAmtRowsIsListedOnceAndCountedPerBook) {
    const std::int64_t van = addVehicle("Van", 1, 0.9);
    addDepr(van, kYear, 700, test::kAmt);
    ASSERT_TRUE(autos_.AddAutoUse(useValues(1, kYear, 1, "1200", van), 1, kYear, 1));

    EXPECT_EQ(column(autos_.GetVehicleDescription(1, kYear), "asset_num"), std::vector<std::int64_t>{van});
    EXPECT_EQ(column(autos_.GetAutoUse(kYear, 1), "asset_num"), std::vector<std::int64_t>{van});
    EXPECT_EQ(autos_.GetAutoUseReport(kYear, 1).RecordCount(), 1u);
    EXPECT_EQ(autos_.ActiveAutos(1, kYear), 2);
    EXPECT_EQ(autos_.CheckAutoUse(1, kYear), 2);
    EXPECT_EQ(autos_.CheckAutoUse(1, kYear, 1), 1);
    EXPECT_EQ(autos_.CheckAutoUse(1, kYear, 2), 0);
}

TEST_F(AutoTest, ListsHoldVehiclesInServiceWithATaxRowByBusinessFractionThenNumber) {
    addVehicle("Truck", 3, 0.6);
    addVehicle("Car", 2, 0.8);
    addVehicle("Wagon", 1, 0.6);
    addVehicle("Next year's van", 4, 0.99, "2011-02-01");
    addVehicle("Other company's car", 5, 1.0, "2009-01-01", 2);
    const std::int64_t amtOnly = addAsset({.name = "Sold pickup", .method = test::kListed, .vehicle = 6});
    addDepr(amtOnly, kYear, 50, test::kAmt);
    for (const std::int16_t vehicle : {1, 2, 3, 6})
        autos_.AddAutoUse(useValues(1, kYear, vehicle, "10", 0), 1, kYear, vehicle);

    const Recordset vehicles = autos_.GetVehicleDescription(1, kYear);
    EXPECT_EQ(fieldNames(vehicles), (std::vector<std::string>{"Asset_name", "vehicle_num", "Asset_num"}));
    EXPECT_EQ(column(vehicles, "vehicle_num"), (std::vector<std::int64_t>{2, 1, 3}));

    const Recordset use = autos_.GetAutoUse(kYear, 1);
    EXPECT_EQ(fieldNames(use),
              (std::vector<std::string>{"Asset_num", "Vehicle #", "Business Miles", "Commuting Miles",
                                        "Personal Miles", "Available Personal Use off Hours",
                                        "Driver 5 percent Owner", "Another Car Available"}));
    EXPECT_EQ(column(use, "Vehicle #"), (std::vector<std::int64_t>{2, 1, 3}));

    // The vehicle with only an AMT row is no list's but every count's.
    EXPECT_EQ(autos_.ActiveAutos(1, kYear), 4);
    EXPECT_EQ(autos_.CheckAutoUse(1, kYear), 4);
}

TEST_F(AutoTest, NextVehicleNumberFollowsTheCompanysHighestOfAnyYear) {
    addVehicle("Old car", 7, 1.0, "2001-01-01");
    addVehicle("Other company's car", 12, 1.0, "2009-01-01", 2);

    EXPECT_EQ(autos_.GetNextVehicleNum(kYear, 1), 8);
    EXPECT_EQ(autos_.GetNextVehicleNum(1999, 1), 8);
}

TEST_F(AutoTest, SavingUseTwiceLeavesOneRowWithTheSecondValues) {
    const std::int64_t van = addVehicle("Van", 1, 0.9);

    ASSERT_TRUE(autos_.AddAutoUse(useValues(1, kYear, 1, "1200", van), 1, kYear, 1));
    ASSERT_TRUE(autos_.AddAutoUse(useValues(1, kYear, 1, "1500", van), 1, kYear, 1));

    EXPECT_EQ(useRows(), 1);
    Recordset use = autos_.GetAutoUse(kYear, 1);
    ASSERT_FALSE(use.IsEOF());
    EXPECT_EQ(use["Business Miles"].toString(), "1500");
    EXPECT_TRUE(use["Available Personal Use off Hours"].toBool());
    EXPECT_FALSE(use["Driver 5 percent Owner"].toBool());
}

TEST_F(AutoTest, FailedSaveKeepsTheFormerUseRow) {
    const std::int64_t van = addVehicle("Van", 1, 0.9);
    ASSERT_TRUE(autos_.AddAutoUse(useValues(1, kYear, 1, "1200", van), 1, kYear, 1));

    const struct {
        const char* name;
        std::string values;
    } cases[] = {
        {"too few values", "1, 2010, 1, '1500'"},
        {"second statement", useValues(1, kYear, 1, "1500", van) + "); DELETE FROM tblAutoUse; SELECT (1"},
        {"no company", "NULL, 2010, 1, '1500', '0', '0', False, False, False, 1, 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            autos_.AddAutoUse(c.values, 1, kYear, 1);
            ADD_FAILURE() << "the save did not fail";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kPassedThrough);
            EXPECT_EQ(e.helpFile(), "Auto");
            EXPECT_EQ(e.helpContext(), "AddAutoUse");
        }
        EXPECT_EQ(useRows(), 1);
        EXPECT_EQ(fresh_.value("SELECT [Business Miles] FROM tblAutoUse").toString(), "1200");
    }
}

TEST_F(AutoTest, DeleteVehicleRemovesOnlyThatVehiclesRowAndNothingIsNoError) {
    const std::int64_t van = addVehicle("Van", 1, 0.9);
    const std::int64_t car = addVehicle("Car", 2, 0.8);
    autos_.AddAutoUse(useValues(1, kYear, 1, "10", van), 1, kYear, 1);
    autos_.AddAutoUse(useValues(1, kYear, 2, "10", car), 1, kYear, 2);

    autos_.DeleteVehicle(kYear, 1, Variant("2 or 1=1"));
    EXPECT_EQ(useRows(), 2);
    autos_.DeleteVehicle(kYear, 1, Variant(0));
    EXPECT_EQ(useRows(), 2);
    autos_.DeleteVehicle(kYear, 1, Variant(2));
    EXPECT_EQ(column(autos_.GetAutoUse(kYear, 1), "Vehicle #"), std::vector<std::int64_t>{1});
    EXPECT_NO_THROW(autos_.DeleteVehicle(kYear, 1, Variant(2)));
}

TEST_F(AutoTest, SavingAnswersTwiceKeepsOneRowWithTheSecondAnswers) {
    EXPECT_TRUE(autos_.GetAutoQst(kYear, 1).IsEOF());

    ASSERT_TRUE(autos_.AddAutoQst("1, 2010, True, False, False, False, True"));
    ASSERT_TRUE(autos_.AddAutoQst("1, 2010, False, True, False, True, False"));
    ASSERT_TRUE(autos_.AddAutoQst("1, 2011, True, True, True, True, True"));

    EXPECT_EQ(count("SELECT count(*) FROM tblAutoQuestions WHERE Company_Id = 1 AND [year] = 2010"), 1);
    const Recordset answers = autos_.GetAutoQst(kYear, 1);
    EXPECT_EQ(fieldNames(answers),
              (std::vector<std::string>{"No Personal Use", "Commuting Allowed", "All Personal Use",
                                        "More 5 Cars & keep Track", "Meet Requirements"}));
    ASSERT_EQ(answers.RecordCount(), 1u);
    const bool expected[] = {false, true, false, true, false};
    for (std::size_t i = 0; i < 5; ++i)
        EXPECT_EQ(answers[i].toBool(), expected[i]) << answers.field(i).name;

    autos_.DeleteAutoQst(kYear, 1);
    EXPECT_TRUE(autos_.GetAutoQst(kYear, 1).IsEOF());
    EXPECT_FALSE(autos_.GetAutoQst(2011, 1).IsEOF());
    EXPECT_NO_THROW(autos_.DeleteAutoQst(kYear, 1));
}

TEST_F(AutoTest, ReportShowsEveryVehicleAndTheUseOfThoseThatHaveSome) {
    const std::int64_t van = addVehicle("Van", 1, 0.7);
    addVehicle("Car", 2, 0.9);
    autos_.AddAutoUse(useValues(1, kYear, 1, "1200", van), 1, kYear, 1);

    Recordset report = autos_.GetAutoUseReport(kYear, 1);
    EXPECT_EQ(report.field(0).name, "Description");
    ASSERT_EQ(report.RecordCount(), 2u);

    EXPECT_EQ(report["Description"].toString(), "Car");
    EXPECT_DOUBLE_EQ(report["Business_Percent"].toDouble(), 0.9);
    EXPECT_TRUE(report["Business Miles"].isNull());
    EXPECT_FALSE(report["Display_Data"].toBool());

    report.MoveNext();
    EXPECT_EQ(report["Description"].toString(), "Van");
    EXPECT_EQ(report["Business Miles"].toString(), "1200");
    EXPECT_EQ(report["Personal Miles"].toString(), "50");
    EXPECT_TRUE(report["Available Personal"].toBool());
    EXPECT_FALSE(report["5 % Owner"].toBool());
    EXPECT_TRUE(report["Another Car"].toBool());
    EXPECT_TRUE(report["Display_Data"].toBool());
}

TEST_F(AutoTest, ReportOfAnotherCompanyReplacesTheWorkTable) {
    addVehicle("Van", 1, 0.7);
    addVehicle("Their car", 1, 0.7, "2009-01-01", 2);

    autos_.GetAutoUseReport(kYear, 1);
    const Recordset theirs = autos_.GetAutoUseReport(kYear, 2);

    ASSERT_EQ(theirs.RecordCount(), 1u);
    EXPECT_EQ(theirs["Description"].toString(), "Their car");
    EXPECT_EQ(count("SELECT count(*) FROM tblAutoUseReport"), 1);
}

TEST_F(AutoTest, WithoutAConnectionEveryOperationFailsUnderItsName) {
    db().Disconnect();
    try {
        autos_.ActiveAutos(1, kYear);
        FAIL() << "no error";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.kind(), ErrorKind::NotConnected);
        EXPECT_EQ(e.helpFile(), "Auto");
        EXPECT_EQ(e.helpContext(), "ActiveAutos");
    }
}

} // namespace
} // namespace qel
