// The plan of an imported asset's engine run: the basis in whole dollars and the operation with
// its life (the method the engine runs is tested with the asset codes).
#include "server/support/ImportRun.h"
#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <functional>

namespace qel::import {
namespace {

TEST(ImportRun, NetCostRoundsHalfToEven) {
    EXPECT_EQ(netCost(1001, 0.5, 0, 0, 0), 500);
    EXPECT_EQ(netCost(1003, 0.5, 0, 0, 0), 502);
    EXPECT_EQ(netCost(1000, 1, 0, 1000, 0), 0);
    EXPECT_EQ(netCost(5000, 1, 250, 500, 1000), 3250);
    EXPECT_EQ(netCost(1000, 0.5, 0, 0, 600), -100);
}

TEST(ImportRun, NetCostOverflowIsAnError) {
    const std::function<void()> overflowing[] = {
        [] { netCost(0, 1, 2147483647, 1, 0); },   // the deductions together
        [] { netCost(2147483647, 2.0, 0, 0, 0); }, // the basis
    };
    for (const auto& call : overflowing) {
        try {
            call();
            ADD_FAILURE() << "no overflow";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), 6);
            EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        }
    }
}

TEST(ImportRun, Plan) {
    struct Case {
        const char* name;
        const char* stored;
        const char* actual;
        std::int32_t basis;
        std::int32_t section179;
        double life;
        EngineRun run;
        std::int16_t formulaLife;
    } cases[] = {
        {"Macrs27WithLife28", "MACRS", "Macrs27", 1000, 0, 27.5, EngineRun::Formula, 28},
        {"Macrs31WithLife32", "MACRS", "Macrs31", 1000, 0, 31.5, EngineRun::Formula, 32},
        {"Macrs39", "MACRS", "Macrs39", 1000, 0, 39, EngineRun::Formula, 39},
        {"MacrsBeyond39AsAds", "MACRS", "ADS", 1000, 0, 40, EngineRun::Formula, 40},
        {"ListedHalfAsAds", "Listed", "ADS", 500, 0, 5, EngineRun::Formula, 5},
        {"StraightLine", "S/L", "S/L", 1000, 0, 10, EngineRun::Formula, 10},
        {"Amortize", "Amortize", "Amortize", 1000, 0, 15, EngineRun::Formula, 15},
        {"Macrs", "MACRS", "MACRS", 1000, 0, 7, EngineRun::RateTable, 0},
        {"Macrs150", "MACRS 150", "MACRS 150", 1000, 0, 7, EngineRun::RateTable, 0},
        {"ListedOverHalfAsMacrs", "Listed", "MACRS", 510, 0, 5, EngineRun::RateTable, 0},
        {"NonDepr", "Non-Depr", "Non-Depr", 1000, 0, 7, EngineRun::None, 0},
        {"ListedExpensed", "Listed", "MACRS", 0, 1000, 5, EngineRun::ZeroListed, 0},
        {"ListedWithoutBasisOr179", "Listed", "MACRS", 0, 0, 5, EngineRun::None, 0},
        {"MacrsExpensed", "MACRS", "MACRS", 0, 1000, 7, EngineRun::None, 0},
        {"NegativeBasis", "Listed", "ADS", -100, 500, 5, EngineRun::ZeroListed, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const RunPlan plan = planRun(c.stored, c.actual, c.basis, c.section179, c.life);
        EXPECT_EQ(plan.run, c.run);
        EXPECT_EQ(plan.formulaLife, c.formulaLife);
    }
}

} // namespace
} // namespace qel::import
