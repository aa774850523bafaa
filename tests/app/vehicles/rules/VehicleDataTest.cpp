// The vehicle windows' reads and writes on a database copy: the columns of a year, saving
// changed columns in one transaction, the stored rows read back, the employer's answers and the
// completeness checks.
#include "app/vehicles/rules/VehicleData.h"

#include "common/ServerError.h"
#include "tests/app/vehicles/VehicleTestData.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

using test::addVehicle;
using test::kVehicleYear;

class VehicleDataTest : public ::testing::Test {
protected:
    std::int64_t count(const std::string& sql) const { return fresh_.value(sql).toInt64(); }
    std::string text(const std::string& sql) const { return fresh_.value(sql).toString(); }

    test::FreshDatabase fresh_;
};

UseEntry complete(const std::string& business, const std::string& commuting, const std::string& personal) {
    return {true, business, commuting, personal, {true, false, true}};
}

TEST_F(VehicleDataTest, SevenVehiclesGiveSixColumnsByBusinessFractionThenNumber) {
    for (int v = 1; v <= 7; ++v)
        addVehicle("Car " + std::to_string(v), v, v == 7 ? 0.9 : 0.5);
    addVehicle("Other company's car", 1, 1.0, test::addCompany("Other"));

    const VehicleTable t = loadVehicleColumns(1, kVehicleYear);

    std::vector<std::int32_t> numbers;
    for (const VehicleColumn& c : t)
        numbers.push_back(c.vehicleNumber);
    EXPECT_EQ(numbers, (std::vector<std::int32_t>{7, 1, 2, 3, 4, 5}));
    EXPECT_EQ(t[0].description, "Car 7");
    EXPECT_TRUE(t[5].enabled);
}

TEST_F(VehicleDataTest, TwoChangedColumnsGiveTwoStoresWithTheirFractions) {
    const std::int64_t van = addVehicle("Van", 3, 0.9);
    const std::int64_t car = addVehicle("Car", 5, 0.8);
    addVehicle("Truck", 6, 0.7);
    const VehicleTable t = loadVehicleColumns(1, kVehicleYear);
    UseEntries entries{};
    entries[0] = complete("900", "200", "100");
    entries[1] = complete("1", "2", "0");
    entries[2] = {false, "5", "5", "5", {true, true, true}};

    EXPECT_EQ(storeUseColumns(1, kVehicleYear, t, entries), (std::vector<int>{1, 2}));

    EXPECT_EQ(count("SELECT count(*) FROM tblAutoUse"), 2);
    EXPECT_EQ(text("SELECT bpercent FROM tblAutoUse WHERE [Vehicle #] = 3"), "0.75");
    EXPECT_EQ(text("SELECT bpercent FROM tblAutoUse WHERE [Vehicle #] = 5"), "0.33");
    EXPECT_EQ(count("SELECT asset_id FROM tblAutoUse WHERE [Vehicle #] = 3"), van);
    EXPECT_EQ(count("SELECT asset_id FROM tblAutoUse WHERE [Vehicle #] = 5"), car);
    EXPECT_EQ(count("SELECT count(*) FROM tblAutoUse WHERE [year] = 2010 AND Company_Id = 1 AND"
                    " [Business Miles] = 900 AND [Available Personal Use off Hours] = 1 AND"
                    " [Driver 5 percent Owner] = 0 AND [Another Car Available] = 1"),
              1);
}

TEST_F(VehicleDataTest, ASecondSaveReplacesTheVehiclesRow) {
    addVehicle("Van", 3, 0.9);
    const VehicleTable t = loadVehicleColumns(1, kVehicleYear);
    UseEntries entries{};
    entries[0] = complete("900", "200", "100");
    storeUseColumns(1, kVehicleYear, t, entries);
    entries[0] = complete("100", "100", "0");
    storeUseColumns(1, kVehicleYear, t, entries);

    EXPECT_EQ(count("SELECT count(*) FROM tblAutoUse"), 1);
    EXPECT_EQ(text("SELECT bpercent FROM tblAutoUse"), "0.5");
}

TEST_F(VehicleDataTest, ARefusedColumnStoresNoneOfTheSave) {
    addVehicle("Van", 3, 0.9);
    addVehicle("Car", 5, 0.8);
    const VehicleTable t = loadVehicleColumns(1, kVehicleYear);
    fresh_.exec("CREATE TRIGGER refuse BEFORE INSERT ON tblAutoUse WHEN NEW.[Vehicle #] = 5"
                " BEGIN SELECT RAISE(ABORT, 'vehicle 5 refused'); END");
    UseEntries entries{};
    entries[0] = complete("900", "200", "100");
    entries[1] = complete("1", "2", "0");

    try {
        storeUseColumns(1, kVehicleYear, t, entries);
        ADD_FAILURE() << "the save went through";
    } catch (const ServerError& e) {
        EXPECT_NE(e.description().find("vehicle 5 refused"), std::string::npos);
    }
    EXPECT_EQ(count("SELECT count(*) FROM tblAutoUse"), 0);
}

TEST_F(VehicleDataTest, AMileageThatIsNoNumberStoresNothing) {
    addVehicle("Van", 3, 0.9);
    addVehicle("Car", 5, 0.8);
    const VehicleTable t = loadVehicleColumns(1, kVehicleYear);
    UseEntries entries{};
    entries[0] = complete("900", "200", "100");
    entries[1] = complete("1", "2x", "0");

    EXPECT_THROW(storeUseColumns(1, kVehicleYear, t, entries), ServerError);
    EXPECT_EQ(count("SELECT count(*) FROM tblAutoUse"), 0);
}

TEST_F(VehicleDataTest, StoredRowsComeBackInColumnOrderWithNullAnswersAsNo) {
    const std::int64_t van = addVehicle("Van", 3, 0.9);
    const std::int64_t car = addVehicle("Car", 5, 0.95);
    fresh_.exec(test::useRowSql(3, van, "1200"));
    fresh_.exec(test::useRowSql(5, car, "12.5"));
    fresh_.exec("UPDATE tblAutoUse SET [Driver 5 percent Owner] = NULL, [Another Car Available] = NULL,"
                " [Personal Miles] = NULL WHERE [Vehicle #] = 3");

    const std::vector<StoredUse> rows = loadStoredUse(1, kVehicleYear);

    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].vehicleNumber, 5);
    EXPECT_EQ(rows[0].business, "12.5");
    EXPECT_EQ(rows[1].vehicleNumber, 3);
    EXPECT_EQ(rows[1].business, "1200");
    EXPECT_EQ(rows[1].commuting, "200");
    EXPECT_EQ(rows[1].personal, std::nullopt);
    EXPECT_TRUE(rows[1].offDuty);
    EXPECT_FALSE(rows[1].fiveOwner);
    EXPECT_FALSE(rows[1].another);
}

TEST_F(VehicleDataTest, DeletingAVehiclesUseLeavesTheOthers) {
    const std::int64_t van = addVehicle("Van", 3, 0.9);
    const std::int64_t car = addVehicle("Car", 5, 0.8);
    fresh_.exec(test::useRowSql(3, van, "1200"));
    fresh_.exec(test::useRowSql(5, car, "1200"));

    deleteVehicleUse(1, kVehicleYear, 3);
    deleteVehicleUse(1, kVehicleYear, 0);

    EXPECT_EQ(count("SELECT count(*) FROM tblAutoUse"), 1);
    EXPECT_FALSE(vehicleUseStored(1, kVehicleYear, 3));
    EXPECT_TRUE(vehicleUseStored(1, kVehicleYear, 5));
}

TEST_F(VehicleDataTest, EmployerAnswersInsertThenUpdateTheirOwnRow) {
    fresh_.exec("INSERT INTO tblAutoQuestions VALUES (1, 2011, 1, 1, 1, 1, 1)");
    EXPECT_EQ(loadEmployerAnswers(1, kVehicleYear), std::nullopt);

    storeEmployerAnswers(1, kVehicleYear, {true, false, false, false, false}, false);
    EXPECT_EQ(loadEmployerAnswers(1, kVehicleYear), (StoredAnswers{true, false, false, false, false}));

    storeEmployerAnswers(1, kVehicleYear, {false, false, false, true, true}, true);
    EXPECT_EQ(loadEmployerAnswers(1, kVehicleYear), (StoredAnswers{false, false, false, true, true}));
    EXPECT_EQ(count("SELECT count(*) FROM tblAutoQuestions"), 2);
    EXPECT_EQ(loadEmployerAnswers(1, 2011), (StoredAnswers{true, true, true, true, true}));

    fresh_.exec("UPDATE tblAutoQuestions SET [Meet Requirements] = NULL WHERE [year] = 2010");
    EXPECT_EQ(loadEmployerAnswers(1, kVehicleYear), (StoredAnswers{false, false, false, true, false}));

    deleteEmployerAnswers(1, kVehicleYear);
    EXPECT_EQ(loadEmployerAnswers(1, kVehicleYear), std::nullopt);
    EXPECT_EQ(count("SELECT count(*) FROM tblAutoQuestions"), 1);
}

TEST(VehicleUseCompleteTest, CountsAndAnswersOfTheYear) {
    const struct {
        const char* name;
        int vehicles;
        int useRows;
        const char* answers; // an INSERT's five answers, or nullptr
        bool amtRow;         // the first vehicle has an AMT row too
        bool complete;
    } cases[] = {
        {"no vehicles", 0, 0, nullptr, false, true},
        {"two vehicles, one use row", 2, 1, nullptr, false, false},
        {"two vehicles, no use rows, a Yes on line 40", 2, 0, "0, 0, 0, 1, 0", false, true},
        {"two vehicles, no use rows, five No answers", 2, 0, "0, 0, 0, 0, 0", false, false},
        {"two vehicles, each with its use row", 2, 2, "0, 0, 0, 0, 0", false, true},
        {"one vehicle without use row", 1, 0, nullptr, false, false},
        {"a vehicle in two books with its one use row", 1, 1, nullptr, true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::FreshDatabase fresh;
        for (int v = 1; v <= c.vehicles; ++v) {
            const std::int64_t asset = addVehicle("Car", v, 0.8);
            if (v == 1 && c.amtRow)
                test::addDepr(1, test::kAmt, asset, kVehicleYear, 500, 500);
            if (v <= c.useRows)
                fresh.exec(test::useRowSql(v, asset, "100"));
        }
        if (c.answers)
            fresh.exec(std::string("INSERT INTO tblAutoQuestions VALUES (1, 2010, ") + c.answers + ")");
        EXPECT_EQ(vehicleUseComplete(1, kVehicleYear), c.complete);
    }
}

} // namespace
} // namespace qel
