// The first-year vehicle limit: the deductions against the cap, and the limits an imported
// vehicle takes from the shipped tables.
#include "server/support/VehicleLimit.h"

#include "SupportFixture.h"

namespace qel {
namespace {

TEST(VehicleLimit, DeductionsAgainstTheCap) {
    struct Case {
        const char* name;
        double cap, section179, allowance;
        FirstYearExcess excess;
    } cases[] = {
        {"WellBelow", 3160, 1000, 500, FirstYearExcess::None},
        {"ExactlyAtTheCap", 3160, 1000, 2160, FirstYearExcess::None},
        {"AllowanceACentOver", 3160, 1000, 2160.01, FirstYearExcess::Allowance},
        {"ExpenseAloneOver", 3160, 3161, 0, FirstYearExcess::Section179},
        {"ExpenseOverWithAllowance", 3160, 3161, 100, FirstYearExcess::Section179},
        // 310 x 0.58 is 179.79999999999998; an allowance lowered to it is written 179.8.
        {"AllowanceLoweredToABinaryCap", 310 * 0.58, 0, 179.8, FirstYearExcess::None},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(firstYearExcess(c.cap, c.section179, c.allowance), c.excess);
    }
}

TEST(VehicleLimit, BonusCodeOfAnImportedAllowance) {
    struct Case {
        const char* name;
        double allowance, base;
        bool has30, has50;
        std::int16_t code;
    } cases[] = {
        {"NoAllowance", 0, 20000, true, true, 0},
        {"ThirtyPercentWhereBothRatesHaveLimits", 6000, 20000, true, true, 3},
        {"FiftyPercentWhereBothRatesHaveLimits", 10000, 20000, true, true, 5},
        {"FullAllowance", 20000, 20000, true, true, 5},
        {"ThirtyPercentWithoutItsLimit", 6000, 20000, false, true, 5},
        {"FiftyPercentWhereOnlyThirtyHasALimit", 10000, 20000, true, false, 3},
        {"LoweredToALimit", 11160, 40000, false, true, 5},
        {"NoBasis", 500, 0, true, true, 5},
        {"NeitherRateHasALimit", 6000, 20000, false, false, 5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(import::bonusCodeOf(c.allowance, c.base, c.has30, c.has50), c.code);
    }
}

class ImportedVehicleLimitTest : public test::SupportTest {};

TEST_F(ImportedVehicleLimitTest, LimitsOfThePassengerCarTables) {
    struct Case {
        const char* name;
        std::int16_t year;
        double allowance, base;
        std::int16_t code;
        std::int32_t firstYear;
        const char* missing;
    } cases[] = {
        {"NoAllowance", 2012, 0, 24000, 0, 3160, ""},
        {"FiftyPercent", 2012, 10000, 20000, 5, 11160, ""},
        {"ThirtyPercentIn2003", 2003, 6000, 20000, 3, 7660, ""},
        {"FiftyPercentIn2003", 2003, 10000, 20000, 5, 10710, ""},
        {"ThirtyPercentIn2015HasOnlyTheFiftyPercentLimit", 2015, 6000, 20000, 5, 11160, ""},
        {"FiftyPercentIn2002HasOnlyTheThirtyPercentLimit", 2002, 10000, 20000, 3, 7660, ""},
        {"AllowanceIn2005WithoutABonus", 2005, 10000, 20000, 5, -5,
         "no first-year vehicle limit with the 50 % allowance of 2005"},
        {"YearWithoutLimits", 1996, 0, 20000, 0, 0, "no vehicle limits of 1996"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const import::VehicleLimit limit = import::importedVehicleLimit(c.year, c.allowance, c.base);
        EXPECT_EQ(limit.year, c.year);
        EXPECT_EQ(limit.bonusCode, c.code);
        EXPECT_EQ(limit.firstYear, c.firstYear);
        EXPECT_EQ(import::missingLimit(limit), c.missing);
    }
}

} // namespace
} // namespace qel
