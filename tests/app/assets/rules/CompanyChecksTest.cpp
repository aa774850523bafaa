// The section 179 summary's arithmetic and the mid-quarter test.
#include "app/assets/rules/CompanyChecks.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

namespace qel::assets {
namespace {

TEST(CompanyChecks, Section179) {
    struct Case {
        const char* name;
        Section179Figures figures;
        bool computed;
        double adjusted;
        double remaining;
        bool overLimit;
    } cases[] = {
        {"BusinessCostAboveTheThreshold", {250000, 800000, 820000, 0, 0, 200000}, true, 230000, 30000, false},
        {"IncomeLimitBelowTheDollarLimit",
         {250000, 800000, 820000, 0, 100000, 200000},
         true,
         100000,
         -100000,
         true},
        {"CarryoverHeldToTheDollarLimit",
         {250000, 800000, 820000, 50000, 0, 200000},
         true,
         230000,
         30000,
         false},
        {"IncomeLimitAboveTheDollarLimit",
         {250000, 800000, 820000, 50000, 300000, 200000},
         true,
         230000,
         30000,
         false},
        {"BusinessCostBelowTheThreshold", {250000, 800000, 100000, 0, 0, 0}, true, 250000, 250000, false},
        // No section 179 asset in the year: a negative remainder is not flagged.
        {"NothingElectedIsNeverOver", {250000, 800000, 0, -300000, 0, 0}, true, -50000, -50000, false},
        {"ThresholdZero", {250000, 0, 820000, 0, 0, 200000}, false, 0, 0, false},
        {"CostBeyondLimitAndThreshold", {250000, 800000, 2000000, 0, 0, 10}, true, 0, -10, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const Section179Result r = Check179Totals(c.figures);
        EXPECT_EQ(r.computed, c.computed);
        EXPECT_EQ(r.adjusted, c.adjusted);
        EXPECT_EQ(r.remaining, c.remaining);
        EXPECT_EQ(r.overLimit, c.overLimit);
    }
}

TEST(CompanyChecks, Section179Overflow) {
    try {
        Check179Totals({250000, 1, 5e12, 0, 0, 0});
        ADD_FAILURE() << "no overflow";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
}

TEST(CompanyChecks, MidQuarter) {
    struct Case {
        const char* name;
        std::int32_t total;
        std::int32_t lastQuarter;
        double share;
        bool required;
    } cases[] = {
        {"NothingPlaced", 0, 0, 0, false},
        {"FortyPercentIsNotAbove", 100000, 40000, 0.4, false},
        {"JustAbove", 100000, 40001, 0.40001, true},
        {"AllInTheLastQuarter", 5000, 5000, 1, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const MidQuarterTest t = MidQtrCheck(c.total, c.lastQuarter);
        EXPECT_DOUBLE_EQ(t.share, c.share);
        EXPECT_EQ(t.required, c.required);
    }
}

} // namespace
} // namespace qel::assets
