// Schedules a tax preparer checks against IRS Publication 946: vehicles after their recovery
// period, vehicles whose first year the bonus cap limited, the real-property tables as printed,
// and stored yearly amounts that add up to the accumulated amount; first as pure schedules, then
// as CalcDepr runs against the shipped limits, with the refusal of a vehicle without its caps.
#include "server/engine/CalcDepr.h"
#include "server/engine/DeprRun.h"
#include "server/engine/DeprStore.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace qel {
namespace {

using depr::AutoCaps;
using depr::BusinessUse;
using depr::Formula;
using depr::Row;
using depr::RunAsset;

// Table A-1, 5 and 20 years, as fractions.
const std::vector<double> kHalf5 = {0.2, 0.32, 0.192, 0.1152, 0.1152, 0.0576};
const std::vector<double> kHalf20 = {0.0375,  0.07219, 0.06677, 0.06177, 0.05713, 0.05285, 0.04888,
                                     0.04522, 0.04462, 0.04461, 0.04462, 0.04461, 0.04462, 0.04461,
                                     0.04462, 0.04461, 0.04462, 0.04461, 0.04462, 0.04461, 0.02231};

const BusinessUse kNoUse = [](int) { return 0.0; };

// The shipped passenger-car caps of a year: first to fourth year, 30 % and 50 % first year.
AutoCaps carCaps(int year, double y1, double y2, double y3, double y4, double bonus50,
                 std::int16_t code = 0) {
    AutoCaps caps;
    caps.year = year;
    caps.type = "Gas";
    caps.amount = {0, y1, y2, y3, y4, 0, bonus50, 0};
    caps.bonusCode = code;
    return caps;
}

RunAsset asset(double netCost, Date inService, int convention = depr::kHalfYear) {
    RunAsset a;
    a.netCost = netCost;
    a.inService = inService;
    a.convention = convention;
    return a;
}

RunAsset car(double netCost, Date inService, double busPercent, double bonus = 0) {
    RunAsset a = asset(netCost, inService);
    a.vehicle = true;
    a.busPercent = busPercent;
    a.bonus = bonus;
    return a;
}

// Rows as "year depr accum", amounts to the cent.
std::vector<std::string> lines(const std::vector<Row>& rows) {
    std::vector<std::string> out;
    char text[80];
    for (const Row& r : rows) {
        std::snprintf(text, sizeof text, "%d %.2f %.2f", r.year, r.depr, r.accum);
        out.emplace_back(text);
    }
    return out;
}

struct ScheduleCase {
    const char* name;
    std::function<std::vector<Row>()> run;
    std::vector<std::string> expected; // every row
};

TEST(CalcDeprWorkedCases, VehiclesAfterTheRecoveryPeriod) {
    // Placed in service in 2018 at 60,000, 60 % business use: the business basis is 36,000.
    const AutoCaps caps2018 = carCaps(2018, 10000, 16000, 9600, 5760, 18000);
    const BusinessUse sixtyPercent = [](int) { return 0.6; };
    const std::vector<std::string> car2018 = {
        "2018 6000.00 6000.00", "2019 9600.00 15600.00", "2020 5760.00 21360.00", "2021 3456.00 24816.00",
        "2022 3456.00 28272.00", "2023 2073.60 30345.60",
        // After the recovery period the full-use balance 60,000 - 50,576 = 9,424 shrinks by the
        // capped full-use amount: 5,760, then the 3,664 left; each row is 60 % of it.
        "2024 3456.00 33801.60", "2025 2198.40 36000.00"};
    // Placed in service in 2016 at 20,000 with the 50 % allowance of 10,000: the first year is
    // held to 11,160 - 10,000 = 1,160, so 840 of the basis is left after the table years.
    const AutoCaps caps2016 = carCaps(2016, 3160, 5100, 3050, 1875, 11160, 5);
    const std::vector<std::string> car2016 = {
        "2016 1160.00 1160.00", "2017 3200.00 4360.00", "2018 1920.00 6280.00", "2019 1152.00 7432.00",
        "2020 1152.00 8584.00", "2021 576.00 9160.00",  "2022 840.00 10000.00"};
    const ScheduleCase cases[] = {
        {"2018 car, 60 % use from the use records",
         [&] {
             return depr::macrsSchedule(car(36000, Date(2018, 6, 1), 0.6), 5, kHalf5, caps2018, sixtyPercent);
         },
         car2018},
        {"2018 car, 60 % use from the asset",
         [&] { return depr::macrsSchedule(car(36000, Date(2018, 6, 1), 0.6), 5, kHalf5, caps2018, kNoUse); },
         car2018},
        {"2016 car with the 50 % allowance",
         [&] {
             return depr::macrsSchedule(car(10000, Date(2016, 4, 1), 1, 10000), 5, kHalf5, caps2016, kNoUse);
         },
         car2016},
        {"2016 car with the 50 % allowance, bonus code not loaded",
         [&] {
             AutoCaps byRatio = caps2016;
             byRatio.bonusCode = 0;
             return depr::macrsSchedule(car(10000, Date(2016, 4, 1), 1, 10000), 5, kHalf5, byRatio, kNoUse);
         },
         car2016},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(lines(c.run()), c.expected);
    }
}

TEST(CalcDeprWorkedCases, RealPropertyFollowsThePrintedTables) {
    const auto building = [](Formula f, int life, double basis, int month) {
        return depr::formulaSchedule(asset(basis, Date(2010, month, 1), depr::kMidMonth), f, life, {},
                                     kNoUse);
    };
    struct Case {
        const char* name;
        std::vector<Row> rows;
        std::size_t count;
        std::vector<std::pair<std::size_t, double>> amounts; // recovery year, stored amount
    } cases[] = {
        // Table A-6, March: year 10 is 3.637 % (10,001.75), year 11 3.636 %; the rounded years
        // reach 275,002, so the last year gives back 2.
        {"27.5 years from March",
         building(Formula::Macrs27, 28, 275000, 3),
         28,
         {{1, 7917}, {2, 9999}, {9, 9999}, {10, 10002}, {11, 9999}, {26, 10002}, {27, 9999}, {28, 7082}}},
        // September: 3.637 % in the odd years; year 29 (2,084.50, rounded to 2,084) gives back 2.
        {"27.5 years from September",
         building(Formula::Macrs27, 28, 275000, 9),
         29,
         {{1, 2918}, {10, 9999}, {11, 10002}, {28, 9999}, {29, 2082}}},
        // Table A-7, August: 3.175 % to year 9, then 3.174 % in the even years.
        {"31.5 years from August",
         building(Formula::Macrs31, 32, 200000, 8),
         33,
         {{1, 2380}, {8, 6350}, {9, 6350}, {10, 6348}, {11, 6350}, {32, 6348}, {33, 794}}},
        // Table A-7a, July: the printed first year 1.177 %, not the exact mid-month share.
        {"39 years from July",
         building(Formula::Macrs39, 39, 100000, 7),
         40,
         {{1, 1177}, {20, 2564}, {40, 1391}}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(c.rows.size(), c.count);
        for (const auto& [n, amount] : c.amounts)
            EXPECT_EQ(c.rows[n - 1].depr, amount) << "year " << n;
    }
}

// The yearly column adds up to the accumulated amount, row by row: whole dollars for an asset
// that is no vehicle (ending at its basis rounded to whole dollars), cents for a vehicle.
TEST(CalcDeprWorkedCases, StoredYearlyAmountsAddUpToTheAccumulatedAmount) {
    const AutoCaps caps2018 = carCaps(2018, 10000, 16000, 9600, 5760, 18000);
    struct Case {
        const char* name;
        std::vector<Row> rows;
        double end;
        bool cents;
    } cases[] = {
        // The stored fractions once added up to 10,002.
        {"20 years half year", depr::macrsSchedule(asset(10000, Date(2010, 5, 1)), 20, kHalf20, {}, kNoUse),
         10000, false},
        {"20 years, basis with cents",
         depr::macrsSchedule(asset(12345.67, Date(2010, 5, 1)), 20, kHalf20, {}, kNoUse), 12346, false},
        // The stored fractions once added up to 274,992.89.
        {"27.5 years from March",
         depr::formulaSchedule(asset(275000, Date(2010, 3, 1), depr::kMidMonth), Formula::Macrs27, 28, {},
                               kNoUse),
         275000, false},
        {"ADS half year over 3",
         depr::formulaSchedule(asset(3001, Date(2010, 3, 1)), Formula::Ads, 3, {}, kNoUse), 3001, false},
        {"straight line from month 5",
         depr::formulaSchedule(asset(777.77, Date(2010, 5, 1)), Formula::StraightLine, 7, {}, kNoUse), 778,
         false},
        {"vehicle at 60 % use",
         depr::macrsSchedule(car(36000, Date(2018, 6, 1), 0.6), 5, kHalf5, caps2018, kNoUse), 36000, true},
        {"vehicle at 73 % use",
         depr::macrsSchedule(car(41001.01, Date(2018, 6, 1), 0.73), 5, kHalf5, caps2018, kNoUse), 41001.01,
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_FALSE(c.rows.empty());
        std::int64_t cents = 0;
        for (const Row& r : c.rows) {
            SCOPED_TRACE(r.year);
            const double unit = c.cents ? 0.01 : 1;
            EXPECT_DOUBLE_EQ(std::round(r.depr / unit) * unit, r.depr);
            cents += std::llround(r.depr * 100);
            EXPECT_EQ(std::llround(r.accum * 100), cents);
        }
        EXPECT_DOUBLE_EQ(c.rows.back().accum, c.end);
    }
}

// ---- Against the shipped database ----------------------------------------------------------

class CalcDeprWorkedRuns : public ::testing::Test {
protected:
    void SetUp() override {
        threadAutoCaps() = {};
        fresh_.exec("INSERT INTO tblAssets (Asset_num, Company_Id, Asset_name) VALUES (7, 1, 'Car')");
    }

    std::vector<std::string> stored() const {
        const Recordset rs = fresh_.conn().query("SELECT [year], depr, accum_depr FROM tblDepr WHERE "
                                                 "asset_num = 7 AND BookId = 1 ORDER BY [year]");
        std::vector<Row> rows;
        for (const auto& r : rs.rows())
            rows.push_back({static_cast<int>(r[0].toInt64()), r[1].toDouble(), r[2].toDouble()});
        return lines(rows);
    }

    // A five-year half-year vehicle run of the type letter in the company.
    bool carRun(const char* code, double netCost, Date inService, double busPercent, double bonus = 0,
                std::int32_t company = 1) {
        return engine_.DoMacrsDepr(netCost, 5, bonus, company, 7, 1, inService, Date::noDate(), code, 0, 0,
                                   busPercent, "MACRS", 1);
    }

    test::FreshDatabase fresh_;
    CalcDepr engine_;
};

TEST_F(CalcDeprWorkedRuns, VehiclesTakeTheShippedCapsOfTheirYear) {
    ASSERT_EQ(engine_.GetAutoMaxRates("G", 2018, 0), 10000);
    ASSERT_TRUE(carRun("G", 36000, Date(2018, 6, 1), 0.6));
    const auto rows2018 = stored();
    ASSERT_EQ(rows2018.size(), 8u);
    EXPECT_EQ(rows2018[5], "2023 2073.60 30345.60");
    EXPECT_EQ(rows2018.back(), "2025 2198.40 36000.00");

    ASSERT_EQ(engine_.GetAutoMaxRates("G", 2016, 5), 11160);
    ASSERT_TRUE(carRun("G", 10000, Date(2016, 4, 1), 1, 10000));
    EXPECT_EQ(stored(), (std::vector<std::string>{"2016 1160.00 1160.00", "2017 3200.00 4360.00",
                                                  "2018 1920.00 6280.00", "2019 1152.00 7432.00",
                                                  "2020 1152.00 8584.00", "2021 576.00 9160.00",
                                                  "2022 840.00 10000.00"}));
}

TEST_F(CalcDeprWorkedRuns, ShippedLimitsHold1999) {
    EXPECT_EQ(engine_.GetAutoMaxRates("G", 1999, 0), 3060);
    EXPECT_DOUBLE_EQ(threadAutoCaps().amount[2], 5000);
    EXPECT_EQ(engine_.GetAutoMaxRates("T", 1999, 0), 3060);
    EXPECT_EQ(engine_.GetAutoMaxRates("T", 1999, 3), -3);
}

TEST_F(CalcDeprWorkedRuns, VehicleWithoutTheCapsOfItsYearAndTypeIsRefused) {
    const std::int32_t juneYearEnd = test::addCompany("June Co", 6);
    ASSERT_TRUE(
        engine_.DoMacrsDepr(5000, 5, 0, 1, 7, 1, Date(2015, 3, 1), Date::noDate(), "N", 0, 0, 1, "MACRS", 1));
    const auto before = stored();
    struct Case {
        const char* name;
        std::function<void()> arrange;
        std::function<bool()> run;
        const char* message; // empty: accepted
    } cases[] = {
        {"no caps loaded on the thread", [] {}, [&] { return carRun("G", 36000, Date(2018, 6, 1), 0.6); },
         "no vehicle limits for 2018 Gas: add them under the auto rates"},
        {"a year without a limits row keeps the caps of another year",
         [&] {
             engine_.GetAutoMaxRates("G", 2018, 0);
             EXPECT_EQ(engine_.GetAutoMaxRates("G", 1996, 0), 0);
         },
         [&] { return carRun("G", 20000, Date(1996, 6, 1), 1); },
         "no vehicle limits for 1996 Gas: add them under the auto rates"},
        {"caps of another type", [&] { engine_.GetAutoMaxRates("G", 2018, 0); },
         [&] { return carRun("T", 20000, Date(2018, 6, 1), 1); },
         "no vehicle limits for 2018 Truck/Van: add them under the auto rates"},
        {"a formula run", [&] { engine_.GetAutoMaxRates("G", 2017, 0); },
         [&] {
             return engine_.DoDepr(20000, 5, 1, 1, 7, Date(2018, 6, 1), Date::noDate(), "S/L", 0, "G", 1, 1);
         },
         "no vehicle limits for 2018 Gas: add them under the auto rates"},
        {"a vehicle code without a type", [&] { engine_.GetAutoMaxRates("G", 2018, 0); },
         [&] { return carRun("X", 20000, Date(2018, 6, 1), 1); },
         "no vehicle limits for 2018 of this vehicle type: add them under the auto rates"},
        // Fiscal month 2 of fiscal 2019 of a June year end is August 2018: the calendar year
        // decides, as the asset form loads the caps by the calendar in-service year.
        {"fiscal 2019 of a June year end is calendar 2018", [&] { engine_.GetAutoMaxRates("G", 2019, 0); },
         [&] { return carRun("G", 20000, Date(2019, 2, 1), 1, 0, juneYearEnd); },
         "no vehicle limits for 2018 Gas: add them under the auto rates"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        threadAutoCaps() = {};
        c.arrange();
        try {
            c.run();
            ADD_FAILURE() << "accepted";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kPassedThrough);
            EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
            EXPECT_EQ(e.description(), c.message);
        }
        EXPECT_EQ(stored(), before);
    }

    // With the caps of the calendar year the same run goes through.
    engine_.GetAutoMaxRates("G", 2018, 0);
    EXPECT_TRUE(carRun("G", 20000, Date(2019, 2, 1), 1, 0, juneYearEnd));
    EXPECT_EQ(stored().front(), "2019 4000.00 4000.00");
}

} // namespace
} // namespace qel
