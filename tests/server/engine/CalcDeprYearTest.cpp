// One year's depreciation without a database: convention names, sale-year proration, the
// straight-line year, the formula methods' year rules, the real-property rates and the vehicle caps.
#include "server/engine/DeprYear.h"

#include <gtest/gtest.h>

#include <cmath>

namespace qel::depr {
namespace {

TEST(CalcDeprYear, ConventionNamesFollowTheQuarterOfTheInServiceMonth) {
    struct Case {
        int convention;
        int month;
        const char* name;
    } cases[] = {
        {1, 7, "Half"},    {2, 1, "Mid1Qtr"},  {2, 3, "Mid1Qtr"}, {2, 4, "Mid2Qtr"},
        {2, 8, "Mid3Qtr"}, {2, 12, "Mid4Qtr"}, {2, 13, ""},       {2, 0, ""},
        {3, 5, "MidMth"},  {4, 5, "None"},     {0, 5, ""},        {5, 5, ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.convention) + "/" + std::to_string(c.month));
        EXPECT_EQ(conventionName(c.convention, c.month), c.name);
    }
}

TEST(CalcDeprYear, SaleYearKeepsTheConventionsShare) {
    struct Case {
        const char* name;
        int convention;
        int soldMonth;
        double share;
    } cases[] = {
        {"half year", 1, 9, 0.5},
        {"mid-quarter, first quarter", 2, 2, 0.125},
        {"mid-quarter, second quarter", 2, 6, 0.375},
        {"mid-quarter, third quarter", 2, 7, 0.625},
        {"mid-quarter, fourth quarter", 2, 12, 0.875},
        {"mid-quarter, no month", 2, 0, 0},
        {"mid-month, month 1", 3, 1, 1.0 / 24},
        {"mid-month, month 12", 3, 12, 11.5 / 12},
        {"none, month 12", 4, 12, 1},
        {"none, month 3", 4, 3, 0.25},
        {"unknown convention", 9, 6, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(adjustLastYearDepr(2400, c.convention, c.soldMonth), 2400 * c.share);
    }
}

TEST(CalcDeprYear, StraightLineYearTakesMonthsAtBothEnds) {
    struct Case {
        int n;
        double life;
        int month;
        double amount;
    } cases[] = {
        {1, 5, 4, 180},
        {2, 5, 4, 240},
        {5, 5, 4, 240},
        {6, 5, 4, 60},
        {7, 5, 4, 0},
        {6, 5, 1, 0},
        // 27.5 rounds half to even to 28: years 2 to 28 are full, year 29 the rest, rounded.
        {28, 27.5, 4, 1200 / 27.5},
        {29, 27.5, 4, 11},
        // 1000 over 3 from month 4: the last year is 83.33 rounded to whole dollars.
        {4, 3, 4, 83},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.n) + " of " + std::to_string(c.life));
        const double cost = c.life == 3 ? 1000 : 1200;
        EXPECT_DOUBLE_EQ(slYearDepr(c.n, cost, c.life, c.month), c.amount);
    }
}

TEST(CalcDeprYear, FormulaTextsAreComparedExactly) {
    EXPECT_EQ(formulaFromText("S/L"), Formula::StraightLine);
    EXPECT_EQ(formulaFromText("Macrs39"), Formula::Macrs39);
    EXPECT_FALSE(formulaFromText("MACRS39"));
    EXPECT_FALSE(formulaFromText("MACRS"));
    EXPECT_FALSE(formulaFromText(""));
}

TEST(CalcDeprYear, AdsSharesAreRoundedToFourPlacesHalfToEven) {
    struct Case {
        const char* name;
        const char* convention;
        int n;
        int life;
        int month;
        double amount;
        bool finalYear;
    } cases[] = {
        {"half year, first of 5", "Half", 1, 5, 6, 1000, false},
        {"half year, middle of 5", "Half", 3, 5, 6, 2000, false},
        {"half year, last of 5", "Half", 6, 5, 6, 1000, true},
        {"half year over 3: 0.5 / 3 is 0.1667", "Half", 1, 3, 6, 0.1667 * 10000, false},
        {"first quarter, first of 10", "Mid1Qtr", 1, 10, 2, 875, false},
        {"first quarter, last of 10", "Mid1Qtr", 11, 10, 2, 125, true},
        {"third quarter over 12: 0.375 / 12 = 0.03125 is 0.0312", "Mid3Qtr", 1, 12, 8, 312, false},
        {"mid-month from month 7", "MidMth", 1, 10, 7, 1000 * 0.4583, false},
        {"mid-month last year from month 7", "MidMth", 11, 10, 7, 1000 * 0.5417, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const YearRule rule = formulaYear(Formula::Ads, c.n, c.life, c.month, 10000, c.convention);
        ASSERT_TRUE(rule.amount);
        EXPECT_NEAR(*rule.amount, c.amount, 1e-9);
        EXPECT_EQ(rule.finalYear, c.finalYear);
    }
    EXPECT_FALSE(formulaYear(Formula::Ads, 12, 10, 7, 10000, "MidMth").amount);
}

TEST(CalcDeprYear, StraightLineFromTheFirstMonthEndsBeforeTheExtraYear) {
    const YearRule last = formulaYear(Formula::StraightLine, 6, 5, 1, 1200, "");
    EXPECT_TRUE(last.endsRun);
    const YearRule amortized = formulaYear(Formula::Amortize, 6, 5, 4, 1200, "");
    EXPECT_FALSE(amortized.endsRun);
    EXPECT_TRUE(amortized.finalYear);
    EXPECT_DOUBLE_EQ(*amortized.amount, 60);
}

// A real-property rate in thousandths of a percent, as the tables print it.
std::optional<std::int64_t> printed(Formula f, int n, int month) {
    const RealPropertyRate r = realPropertyRate(f, n, month);
    if (!r.rate)
        return std::nullopt;
    return std::llround(*r.rate * 100000);
}

// Every column of the three tables adds up to exactly 100 %, and its last year carries the mark.
TEST(CalcDeprYear, RealPropertyColumnsAddUpToTheWholeBasis) {
    const struct {
        Formula formula;
        int lastFirstHalf; // the last year for months 1 to 6
        int lastSecondHalf;
    } tables[] = {{Formula::Macrs27, 28, 29}, {Formula::Macrs31, 32, 33}, {Formula::Macrs39, 40, 40}};
    for (const auto& t : tables) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(std::to_string(static_cast<int>(t.formula)) + " month " + std::to_string(month));
            std::int64_t total = 0;
            int last = 0;
            for (int n = 1; n <= 45; ++n) {
                total += printed(t.formula, n, month).value_or(0);
                if (realPropertyRate(t.formula, n, month).finalYear && !last)
                    last = n;
            }
            EXPECT_EQ(total, 100000);
            EXPECT_EQ(last, month <= 6 ? t.lastFirstHalf : t.lastSecondHalf);
        }
    }
}

// Tables are built as straight line over the recovery period left: the first year
// takes the months from the middle of the month placed in service, each later year the
// percentage not yet recovered over the years left (rounded half up to three places), the last
// year the rest. Every printed cell follows from it.
TEST(CalcDeprYear, RealPropertyTablesA6AndA7AreThePrintedOnes) {
    const auto roundedHalfUp = [](std::int64_t a, std::int64_t b) { return (2 * a + b) / (2 * b); };
    for (const auto& [formula, halfYears] :
         {std::pair{Formula::Macrs27, 55}, std::pair{Formula::Macrs31, 63}}) {
        for (int month = 1; month <= 12; ++month) {
            SCOPED_TRACE(std::to_string(halfYears) + " half years, month " + std::to_string(month));
            // Remaining recovery period in 24ths of a year; percentages in thousandths.
            std::int64_t left = 12 * halfYears;
            std::int64_t rest = 100000;
            const std::int64_t firstYear = 25 - 2 * month;
            std::int64_t cell = roundedHalfUp(100000 * firstYear, left);
            left -= firstYear;
            for (int n = 1; rest > 0; ++n) {
                EXPECT_EQ(printed(formula, n, month), cell) << "year " << n;
                rest -= cell;
                cell = left <= 24 ? rest : roundedHalfUp(rest * 24, left);
                left -= 24;
            }
        }
    }
}

TEST(CalcDeprYear, RealPropertySpotRates) {
    struct Case {
        const char* name;
        Formula formula;
        int n;
        int month;
        std::optional<double> rate;
        bool finalYear;
    } cases[] = {
        {"27.5, first year from month 3", Formula::Macrs27, 1, 3, 0.02879, false},
        // The printed alternation of Table A-6 (the average 3.63656 % was once used instead).
        {"27.5, year 10 from month 3", Formula::Macrs27, 10, 3, 0.03637, false},
        {"27.5, year 10 from month 9", Formula::Macrs27, 10, 9, 0.03636, false},
        {"27.5, year 11 from month 9", Formula::Macrs27, 11, 9, 0.03637, false},
        {"27.5, year 12", Formula::Macrs27, 12, 3, 0.03637, false},
        {"27.5, year 28 from month 3 is the last", Formula::Macrs27, 28, 3, 0.02576, true},
        {"27.5, year 28 from month 9 is a full year", Formula::Macrs27, 28, 9, 0.03636, false},
        {"27.5, year 29 from month 9", Formula::Macrs27, 29, 9, 0.00758, true},
        {"27.5, year 29 from month 3 has no rate", Formula::Macrs27, 29, 3, std::nullopt, true},
        // Table A-7 alternates 3.175 and 3.174 (0.031745 and 0.0317452149 were averages).
        {"31.5, year 8 from month 5", Formula::Macrs31, 8, 5, 0.03175, false},
        {"31.5, year 8 from month 6", Formula::Macrs31, 8, 6, 0.03174, false},
        {"31.5, year 8 from month 8", Formula::Macrs31, 8, 8, 0.03175, false},
        {"31.5, year 9 from month 1", Formula::Macrs31, 9, 1, 0.03174, false},
        {"31.5, year 32 from month 8", Formula::Macrs31, 32, 8, 0.03174, false},
        {"31.5, year 33 from month 12", Formula::Macrs31, 33, 12, 0.01455, true},
        {"39, first year from month 7", Formula::Macrs39, 1, 7, 0.01177, false},
        {"39, year 40 from month 7", Formula::Macrs39, 40, 7, 0.01391, true},
        {"39, past the table", Formula::Macrs39, 41, 7, std::nullopt, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RealPropertyRate r = realPropertyRate(c.formula, c.n, c.month);
        EXPECT_EQ(r.rate, c.rate);
        EXPECT_EQ(r.finalYear, c.finalYear);
    }
}

TEST(CalcDeprYear, CalendarYearOfAFiscalInServiceDate) {
    struct Case {
        const char* name;
        Date fiscal;
        int yearEndMonth;
        int year;
    } cases[] = {
        {"December year end", Date(2018, 1, 1), 12, 2018},
        {"June year end, fiscal month 2 is August before", Date(2019, 2, 1), 6, 2018},
        {"June year end, fiscal month 6 is December before", Date(2019, 6, 1), 6, 2018},
        {"June year end, fiscal month 7 is January", Date(2019, 7, 1), 6, 2019},
        {"January year end, fiscal month 11 is December before", Date(2019, 11, 1), 1, 2018},
        {"January year end, fiscal month 12 is January", Date(2019, 12, 1), 1, 2019},
        {"no year-end month", Date(2019, 2, 1), 0, 2019},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(calendarYearOf(c.fiscal, c.yearEndMonth), c.year);
    }
}

AutoCaps caps2010(std::int16_t bonusCode = 0) {
    AutoCaps caps;
    caps.amount = {0, 3060, 4900, 2950, 1775, 7660, 11060, 0};
    caps.bonusCode = bonusCode;
    return caps;
}

TEST(CalcDeprYear, VehicleYearIsHeldToItsBusinessShareOfTheCapAndTheBasisLeft) {
    const AutoCaps caps = caps2010();
    struct Case {
        const char* name;
        int k;
        double amount;
        double business;
        double basis;
        double accum;
        double expected;
    } cases[] = {
        {"below the cap", 2, 4000, 1, 50000, 0, 4000},
        {"capped", 2, 16000, 1, 50000, 0, 4900},
        {"capped at 60 % use", 2, 16000, 0.6, 50000, 0, 0.6 * 4900},
        {"fourth and later years share one cap", 4, 5000, 1, 50000, 0, 1775},
        {"not past the basis", 3, 2000, 1, 10000, 9000, 1000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(limitAutoDepr(caps, c.k, c.amount, c.business, c.basis, c.accum, 0, 0), c.expected);
    }
}

TEST(CalcDeprYear, FirstYearLimitCountsSection179AndTheAllowance) {
    // Without an allowance the first-year cap holds depreciation and section 179 together.
    EXPECT_DOUBLE_EQ(limitAutoDepr(caps2010(), 1, 2000, 1, 10000, 0, 0, 2000), 1060);
    // With the 50 % allowance at full use the ratio 0.5 selects [Yr 1 + 50%].
    EXPECT_DOUBLE_EQ(limitAutoDepr(caps2010(), 1, 2000, 1, 10000, 0, 10000, 0), 1060);
    // The allowance alone can use up the first-year limit.
    EXPECT_DOUBLE_EQ(limitAutoDepr(caps2010(), 1, 2000, 1, 12000, 0, 12000, 0), 0);
    // The 30 % allowance selects [Yr 1 + 30%].
    EXPECT_DOUBLE_EQ(limitAutoDepr(caps2010(), 1, 2800, 1, 14000, 0, 6000, 0), 7660 - 6000);
}

// Below full business use the allowance is small against the full-use basis, so the ratio
// (8000 / 20000 = 0.4) selects no cap; the bonus code of the loaded caps selects it instead.
TEST(CalcDeprYear, BonusCodeSelectsTheFirstYearLimitBelowFullUse) {
    const double basisAtFullUse = 12000; // cost 20000 less the 8000 allowance
    EXPECT_DOUBLE_EQ(firstYearBonusLimit(caps2010(5), 8000, basisAtFullUse), 11060);
    EXPECT_DOUBLE_EQ(firstYearBonusLimit(caps2010(3), 8000, basisAtFullUse), 7660);
    EXPECT_DOUBLE_EQ(limitAutoDepr(caps2010(5), 1, 1600, 0.8, basisAtFullUse, 0, 8000, 0),
                     11060 * 0.8 - 8000);
}

} // namespace
} // namespace qel::depr
