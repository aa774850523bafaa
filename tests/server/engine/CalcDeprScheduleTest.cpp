// Whole schedules without a database: rate-table runs, formula runs, vehicles and their
// continuation, the financial book's straight-line schedule, and the refused inputs.
#include "server/engine/DeprRun.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <numeric>

namespace qel::depr {
namespace {

const std::vector<double> kHalf5 = {0.2, 0.32, 0.192, 0.1152, 0.1152, 0.0576};
const std::vector<double> kMid3Qtr5 = {0.15, 0.34, 0.204, 0.1224, 0.113, 0.0706};

const BusinessUse kNoUse = [](int) { return 0.0; };

RunAsset asset(double netCost, Date inService, int convention = kHalfYear, Date sold = Date::noDate()) {
    RunAsset a;
    a.netCost = netCost;
    a.inService = inService;
    a.sold = sold;
    a.convention = convention;
    return a;
}

void expectAmounts(const std::vector<Row>& rows, const std::vector<double>& expected) {
    ASSERT_EQ(rows.size(), expected.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i + 1));
        EXPECT_NEAR(rows[i].depr, expected[i], 1e-6);
    }
}

void expectConsecutiveYears(const std::vector<Row>& rows, int first) {
    for (std::size_t i = 0; i < rows.size(); ++i)
        EXPECT_EQ(rows[i].year, first + static_cast<int>(i));
}

// ---- Rate-table runs ------------------------------------------------------------------------

TEST(CalcDeprSchedule, UnsoldHalfYearAssetTakesThePublishedRatesAndEndsAtTheBasis) {
    const auto rows = macrsSchedule(asset(10000, Date(2010, 3, 1)), 5, kHalf5, {}, kNoUse);
    expectAmounts(rows, {2000, 3200, 1920, 1152, 1152, 576});
    expectConsecutiveYears(rows, 2010);
    EXPECT_DOUBLE_EQ(rows.back().accum, 10000);
    EXPECT_DOUBLE_EQ(rows[2].accum, 7120);
}

TEST(CalcDeprSchedule, ExtraYearIsFilledUpToTheBasis) {
    // 1234.56: the rounded amounts 247, 395, 237, 142, 142, 71 reach 1234; the sixth year takes
    // the missing dollar. The stored amounts are whole dollars that add up to the accumulated
    // amount, so the schedule ends at the basis rounded to whole dollars, 1235 (the sixth row
    // once kept 72.11 and the accumulated amount 1234.56, which its amounts did not add up to).
    const auto rows = macrsSchedule(asset(1234.56, Date(2010, 3, 1)), 5, kHalf5, {}, kNoUse);
    expectAmounts(rows, {247, 395, 237, 142, 142, 72});
    EXPECT_DOUBLE_EQ(rows.back().accum, 1235);
    EXPECT_DOUBLE_EQ(rows[4].accum, 1163);
}

TEST(CalcDeprSchedule, ExtraYearThatRoundsToNothingGetsNoRow) {
    // The first five rounded amounts already reach the basis and the sixth rounds to 0.
    const std::vector<double> rates = {0.2, 0.32, 0.192, 0.1152, 0.1728, 0.0001};
    const auto rows = macrsSchedule(asset(1000, Date(2010, 1, 1)), 5, rates, {}, kNoUse);
    EXPECT_EQ(rows.size(), 5u);
}

TEST(CalcDeprSchedule, SaleEndsTheRunWithTheConventionsShareOfThatYear) {
    struct Case {
        const char* name;
        int convention;
        std::vector<double> rates;
        Date sold;
        std::vector<double> expected;
    } cases[] = {
        {"half year, sold in year 3", kHalfYear, kHalf5, Date(2012, 5, 1), {2000, 3200, 960}},
        {"mid-quarter from month 8, sold in month 2 of year 2",
         kMidQuarter,
         kMid3Qtr5,
         Date(2011, 2, 1),
         {1500, 3400 * 0.125}},
        {"sold in the in-service year", kHalfYear, kHalf5, Date(2010, 11, 1), {}},
        {"sold after the table", kHalfYear, kHalf5, Date(2020, 1, 1), {2000, 3200, 1920, 1152, 1152, 576}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows =
            macrsSchedule(asset(10000, Date(2010, 8, 1), c.convention, c.sold), 5, c.rates, {}, kNoUse);
        expectAmounts(rows, c.expected);
    }
}

TEST(CalcDeprSchedule, SaleInTheExtraYearIsStillFilledUpToTheBasis) {
    const auto rows =
        macrsSchedule(asset(10000, Date(2010, 3, 1), kHalfYear, Date(2015, 4, 1)), 5, kHalf5, {}, kNoUse);
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_DOUBLE_EQ(rows.back().accum, 10000);
    EXPECT_DOUBLE_EQ(rows.back().depr, 576);
}

// ---- Formula runs ---------------------------------------------------------------------------

TEST(CalcDeprSchedule, FormulaRunsOfTheWorkedCases) {
    struct Case {
        const char* name;
        Formula formula;
        int life;
        int month;
        int convention;
        double netCost;
        std::vector<double> expected; // empty: check only the ends below
        double first;
        double last;
        std::size_t count;
    } cases[] = {
        {"S/L from month 4",
         Formula::StraightLine,
         5,
         4,
         kHalfYear,
         1200,
         {180, 240, 240, 240, 240, 60},
         0,
         0,
         0},
        {"S/L from month 1 has no sixth year",
         Formula::StraightLine,
         5,
         1,
         kHalfYear,
         1200,
         {240, 240, 240, 240, 240},
         0,
         0,
         0},
        {"ADS half year over 5",
         Formula::Ads,
         5,
         6,
         kHalfYear,
         1000,
         {100, 200, 200, 200, 200, 100},
         0,
         0,
         0},
        {"ADS first quarter over 10", Formula::Ads, 10, 2, kMidQuarter, 10000, {}, 875, 125, 11},
        // 0.1667 * 3000 = 500.1, stored in whole dollars.
        {"ADS half year over 3", Formula::Ads, 3, 6, kHalfYear, 3000, {}, 500, 500, 4},
        {"Macrs39 from month 7", Formula::Macrs39, 39, 7, kMidMonth, 100000, {}, 1177, 1391, 40},
        // Table A-6 as printed: each column adds up to 100 %, so the last year needs no fill-up
        // (the averaged rates once took 7 dollars too many by year 28).
        {"Macrs27 from month 3: year 28 is the last, no year 29",
         Formula::Macrs27,
         28,
         3,
         kMidMonth,
         100000,
         {},
         2879,
         2576,
         28},
        {"Macrs27 from month 9: year 29 is the last",
         Formula::Macrs27,
         28,
         9,
         kMidMonth,
         100000,
         {},
         1061,
         758,
         29},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = formulaSchedule(asset(c.netCost, Date(2010, c.month, 1), c.convention), c.formula,
                                          c.life, {}, kNoUse);
        if (!c.expected.empty()) {
            expectAmounts(rows, c.expected);
        } else {
            ASSERT_EQ(rows.size(), c.count);
            EXPECT_NEAR(rows.front().depr, c.first, 1e-6);
            EXPECT_NEAR(rows.back().depr, c.last, 1e-6);
        }
        expectConsecutiveYears(rows, 2010);
        EXPECT_DOUBLE_EQ(rows.back().accum, c.netCost);
    }
}

TEST(CalcDeprSchedule, Macrs39MiddleYearsTakeTheFlatRate) {
    const auto rows =
        formulaSchedule(asset(100000, Date(2010, 7, 1), kMidMonth), Formula::Macrs39, 39, {}, kNoUse);
    ASSERT_EQ(rows.size(), 40u);
    for (std::size_t i = 1; i < 39; ++i)
        EXPECT_NEAR(rows[i].depr, 2564, 1e-6);
}

TEST(CalcDeprSchedule, AccumulatedAmountNeverPassesTheBasis) {
    // 1000 over 6 years from month 1 in whole-dollar steps of 167 would reach 1002; the sixth
    // year is cut back to the basis and there is no seventh. The stored amounts are the whole
    // dollars the accumulated amount adds (the sixth once kept 164.67).
    const auto rows = formulaSchedule(asset(1000, Date(2010, 1, 1)), Formula::StraightLine, 6, {}, kNoUse);
    expectAmounts(rows, {167, 167, 167, 167, 167, 165});
    EXPECT_DOUBLE_EQ(rows.back().accum, 1000);
}

TEST(CalcDeprSchedule, AccumulatedAmountReachesTheBasisFromTheFirstMonth) {
    // 1000 over 3 years from month 1 in whole-dollar steps of 333 would stop at 999; the last
    // year is filled up to the basis, in whole dollars (it once kept 334.33).
    for (Formula formula : {Formula::StraightLine, Formula::Amortize}) {
        const auto rows = formulaSchedule(asset(1000, Date(2010, 1, 1)), formula, 3, {}, kNoUse);
        expectAmounts(rows, {333, 333, 334});
        EXPECT_DOUBLE_EQ(rows.back().accum, 1000);
    }
}

TEST(CalcDeprSchedule, AmortizeSoldInTheFirstFiscalMonthWritesNoRowForTheSaleYear) {
    const auto rows = formulaSchedule(asset(1200, Date(2010, 4, 1), kNoConvention, Date(2012, 1, 1)),
                                      Formula::Amortize, 5, {}, kNoUse);
    expectAmounts(rows, {180, 240});
}

TEST(CalcDeprSchedule, StraightLineSaleKeepsTheConventionsShare) {
    const auto rows = formulaSchedule(asset(1200, Date(2010, 4, 1), kNoConvention, Date(2012, 6, 1)),
                                      Formula::StraightLine, 5, {}, kNoUse);
    expectAmounts(rows, {180, 240, 120});
}

// ---- Vehicles -------------------------------------------------------------------------------

AutoCaps caps2010(std::int16_t bonusCode = 0) {
    AutoCaps caps;
    caps.amount = {0, 3060, 4900, 2950, 1775, 7660, 11060, 0};
    caps.bonusCode = bonusCode;
    return caps;
}

RunAsset vehicle(double netCost, double busPercent = 1, Date sold = Date::noDate()) {
    RunAsset a = asset(netCost, Date(2010, 3, 1), kHalfYear, sold);
    a.vehicle = true;
    a.busPercent = busPercent;
    return a;
}

TEST(CalcDeprSchedule, CappedVehicleStopsAtEachCapAndContinuesAtTheFourthYearCap) {
    const auto rows = macrsSchedule(vehicle(50000), 5, kHalf5, caps2010(), kNoUse);
    ASSERT_EQ(rows.size(), 26u);
    expectConsecutiveYears(rows, 2010);
    const std::vector<double> table = {3060, 4900, 2950, 1775, 1775, 1775};
    for (std::size_t i = 0; i < table.size(); ++i)
        EXPECT_DOUBLE_EQ(rows[i].depr, table[i]);
    for (std::size_t i = 6; i < 25; ++i)
        EXPECT_DOUBLE_EQ(rows[i].depr, 1775);
    EXPECT_DOUBLE_EQ(rows.back().depr, 40);
    EXPECT_DOUBLE_EQ(rows.back().accum, 50000);
}

TEST(CalcDeprSchedule, VehicleYearUseScalesBothTheAmountAndTheCap) {
    // 20000 at full use: year 1 is capped (4000 > 3060), year 6 is not (1152 < 1775).
    const BusinessUse use = [](int year) { return year == 2010 || year == 2015 ? 0.6 : 0.0; };
    const auto full = macrsSchedule(vehicle(20000), 5, kHalf5, caps2010(), kNoUse);
    const auto partly = macrsSchedule(vehicle(20000), 5, kHalf5, caps2010(), use);
    EXPECT_DOUBLE_EQ(full[0].depr, 3060);
    EXPECT_DOUBLE_EQ(partly[0].depr, 0.6 * 3060);
    EXPECT_DOUBLE_EQ(full[5].depr, 1152);
    EXPECT_DOUBLE_EQ(partly[5].depr, 0.6 * 1152);
    EXPECT_DOUBLE_EQ(partly[1].depr, full[1].depr);
}

TEST(CalcDeprSchedule, VehicleAtPartBusinessUseTakesItsShareOfTheCaps) {
    // The asset's own fraction 0.6 applies when no year has use records.
    const auto rows = macrsSchedule(vehicle(30000, 0.6), 5, kHalf5, caps2010(), kNoUse);
    EXPECT_DOUBLE_EQ(rows[0].depr, 0.6 * 3060);
    EXPECT_DOUBLE_EQ(rows[1].depr, 0.6 * 4900);
}

TEST(CalcDeprSchedule, FirstYearWithTheAllowanceIsHeldToTheBonusCap) {
    RunAsset car = vehicle(10000);
    car.bonus = 10000; // 50 % of 20000
    const auto rows = macrsSchedule(car, 5, kHalf5, caps2010(), kNoUse);
    EXPECT_DOUBLE_EQ(rows[0].depr, 11060 - 10000);

    // Below full use with use records the bonus code picks the cap (the ratio alone would not).
    RunAsset partUse = vehicle(8000, 0.8);
    partUse.bonus = 8000;
    const BusinessUse use = [](int) { return 0.8; };
    const auto coded = macrsSchedule(partUse, 5, kHalf5, caps2010(5), use);
    EXPECT_DOUBLE_EQ(coded[0].depr, 11060 * 0.8 - 8000);
}

TEST(CalcDeprSchedule, VehicleSaleEndsItsRowsAndItsContinuation) {
    const auto soldInTable =
        macrsSchedule(vehicle(50000, 1, Date(2012, 6, 1)), 5, kHalf5, caps2010(), kNoUse);
    expectAmounts(soldInTable, {3060, 4900, 2950 / 2.0});

    // Sold in the second year after the table: continuation rows up to and including the sale
    // year, which takes the full yearly amount.
    const auto soldAfter = macrsSchedule(vehicle(50000, 1, Date(2017, 6, 1)), 5, kHalf5, caps2010(), kNoUse);
    expectAmounts(soldAfter, {3060, 4900, 2950, 1775, 1775, 1775, 1775, 1775});
    EXPECT_EQ(soldAfter.back().year, 2017);
}

TEST(CalcDeprSchedule, FormulaRunVehicleIsCappedAndContinues) {
    struct Case {
        const char* name;
        Formula formula;
        int month;
        std::vector<double> table; // the capped years of the life, before the continuation
    } cases[] = {
        // 2000, 4000, 4000, 4000, 4000, 2000 at full use, each capped.
        {"ADS half year over 5", Formula::Ads, 3, {2000, 4000, 2950, 1775, 1775, 1775}},
        // 4000 a year at full use; the life ends after year 5, the basis left follows at 1775.
        {"S/L from the first fiscal month", Formula::StraightLine, 1, {3060, 4000, 2950, 1775, 1775}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        RunAsset car = vehicle(20000);
        car.inService = Date(2010, c.month, 1);
        const auto rows = formulaSchedule(car, c.formula, 5, caps2010(), kNoUse);
        ASSERT_GT(rows.size(), c.table.size());
        expectAmounts(
            std::vector<Row>(rows.begin(), rows.begin() + static_cast<std::ptrdiff_t>(c.table.size())),
            c.table);
        expectConsecutiveYears(rows, 2010);
        EXPECT_DOUBLE_EQ(rows[c.table.size()].depr, 1775);
        EXPECT_DOUBLE_EQ(rows.back().accum, 20000);
    }
}

TEST(CalcDeprSchedule, ContinuationEndsWhenTheYearlyAmountRoundsToNothing) {
    std::vector<Row> rows;
    autoContinuation(0, 2020, 5000, 1, 0, 10000, kNoUse, rows);
    EXPECT_TRUE(rows.empty());
    autoContinuation(0.4, 2020, 5000, 1, 0, 10000, kNoUse, rows);
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(olderAutoContinuation(10000, 5000, 0, 2020).empty());

    // A caps table without a fourth-year cap: years 4 and 5 are written at 0, the extra year
    // rounds to 0 and ends the table, and no endless continuation follows.
    AutoCaps noFourth = caps2010();
    noFourth.amount[4] = 0;
    const auto capped = macrsSchedule(vehicle(50000), 5, kHalf5, noFourth, kNoUse);
    expectAmounts(capped, {3060, 4900, 2950, 0, 0});
}

TEST(CalcDeprSchedule, OlderContinuationCutsTheLastYearToTheBasis) {
    struct Case {
        const char* name;
        double netCost;
        double accum;
        double yearly;
        std::vector<double> expected;
    } cases[] = {
        {"whole-dollar basis", 5000, 1000, 1775, {1775, 1775, 450}},
        // The basis reached, its cents keep the rounded accumulated amount below it: no row follows.
        {"basis with cents", 1000.4, 0, 300, {300, 300, 300, 100.4}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto rows = olderAutoContinuation(c.netCost, c.accum, c.yearly, 2016);
        expectAmounts(rows, c.expected);
        expectConsecutiveYears(rows, 2016);
        ASSERT_FALSE(rows.empty());
        EXPECT_DOUBLE_EQ(rows.back().accum, c.netCost);
    }
}

// ---- The financial book's straight-line schedule --------------------------------------------

TEST(CalcDeprSchedule, BookScheduleOfTheWorkedCases) {
    struct Case {
        const char* name;
        double cost;
        double life;
        int month;
        int soldYear;
        int soldMonth;
        std::vector<double> expected;
        int yearAfter;
    } cases[] = {
        {"from month 4", 1200, 5, 4, 0, 0, {180, 240, 240, 240, 240, 60}, 2016},
        {"from month 1", 1200, 5, 1, 0, 0, {240, 240, 240, 240, 240}, 2015},
        {"sold in 2012, month 6", 1200, 5, 4, 2012, 6, {180, 240, 120}, 2012},
        {"a cost of 1 or less", 1, 5, 4, 0, 0, {}, 2010},
        // A life that rounds down takes full shares, then the remainder.
        {"life 5.4 from month 1", 5400, 5.4, 1, 0, 0, {1000, 1000, 1000, 1000, 1000, 400}, 2016},
        {"life 4.5 from month 7", 4500, 4.5, 7, 0, 0, {500, 1000, 1000, 1000, 1000}, 2015},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const BookSchedule s = bookSlSchedule(c.cost, c.life, 2010, c.month, c.soldYear, c.soldMonth);
        expectAmounts(s.rows, c.expected);
        expectConsecutiveYears(s.rows, 2010);
        EXPECT_EQ(s.year, c.yearAfter);
        if (!s.rows.empty()) {
            EXPECT_NEAR(s.rows.back().accum, std::accumulate(c.expected.begin(), c.expected.end(), 0.0),
                        1e-6);
        }
    }
}

// ---- Refused input --------------------------------------------------------------------------

TEST(CalcDeprSchedule, BadInputIsRefusedWithAClearReason) {
    auto refusal = [](auto&& call) -> std::string {
        try {
            call();
        } catch (const ServerError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
            return e.description();
        }
        return "accepted";
    };
    const RunAsset good = asset(1000, Date(2010, 3, 1));
    RunAsset noDate = good;
    noDate.inService = Date::noDate();
    RunAsset soldBefore = good;
    soldBefore.sold = Date(2009, 12, 1);
    RunAsset badConvention = good;
    badConvention.convention = 0;
    RunAsset unusedVehicle = vehicle(1000, 0);
    RunAsset zeroBasisVehicle = vehicle(0, 1);
    RunAsset noNumber = good;
    noNumber.netCost = std::nan("");
    RunAsset adsNone = good;
    adsNone.convention = kNoConvention;

    struct Case {
        const char* name;
        std::function<void()> call;
        const char* words;
    } cases[] = {
        {"life below 1", [&] { checkMacrsRun(good, 0.5); }, "life must be at least 1"},
        {"life no rate table holds", [&] { checkMacrsRun(good, 25); }, "no life of 25 years"},
        {"real property life", [&] { checkMacrsRun(good, 39); }, "no life of 39 years"},
        {"formula life 0", [&] { checkFormulaRun(good, "S/L", 0); }, "life must be at least 1"},
        {"no in-service date", [&] { checkMacrsRun(noDate, 5); }, "no in-service date"},
        {"sold before in service", [&] { checkMacrsRun(soldBefore, 5); }, "before the in-service date"},
        {"unknown convention", [&] { checkMacrsRun(badConvention, 5); }, "convention 0 is unknown"},
        {"vehicle without business use", [&] { checkMacrsRun(unusedVehicle, 5); },
         "business-use fraction above 0"},
        {"vehicle basis 0", [&] { checkFormulaRun(zeroBasisVehicle, "S/L", 5); }, "must not be 0"},
        {"basis no number", [&] { checkMacrsRun(noNumber, 5); }, "depreciable basis"},
        {"unknown method", [&] { checkFormulaRun(good, "MACRS", 5); }, "'MACRS' is not computed"},
        {"ADS without a convention", [&] { checkFormulaRun(adsNone, "ADS", 5); }, "not None"},
        {"book schedule life 0", [&] { checkBookSchedule(1200, 0, 4); }, "life must be at least 1"},
        {"book schedule month 13", [&] { checkBookSchedule(1200, 5, 13); }, "month must be 1 to 12"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_NE(refusal(c.call).find(c.words), std::string::npos);
    }
    EXPECT_EQ(refusal([&] { checkMacrsRun(good, 5); }), "accepted");
    EXPECT_EQ(refusal([&] { checkFormulaRun(vehicle(1000, 0.6), "Macrs39", 39); }), "accepted");
}

} // namespace
} // namespace qel::depr
