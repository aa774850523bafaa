// The asset form's derived values: months, life, amortization code, year, business fraction,
// bonus allowance and cost basis.
#include "app/assets/rules/AssetAmounts.h"

#include <gtest/gtest.h>

namespace qel::assets {
namespace {

TEST(AssetAmounts, AllowanceAndBasis) {
    struct Case {
        const char* name;
        const char* cost;
        const char* percent;
        const char* section179;
        const char* other;
        double rate;
        const char* allowance;
        const char* basis;
        bool negative;
    } cases[] = {
        {"FiftyPercent", "10000", "75", "1000", "500", 0.5, "3000", "3000", false},
        {"ThirtyPercent", "10000", "75", "1000", "500", 0.3, "1800", "4200", false},
        {"AllOfIt", "10000", "75", "1000", "500", 1.0, "6000", "0", false},
        {"Section179BeyondTheCost", "10000", "75", "9000", "500", 0.5, "0", "-2000", true},
        {"Cents", "1001", "100", "", "", 0.5, "500.5", "500", false}, // 1001 - 500.5 = 500.5, half to even
        {"EmptyPercentIsAll", "1000", "", "", "", 0.3, "300", "700", false},
        {"TextBeforeTheNumber", "abc", "100", "", "", 0.5, "0", "0", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a;
        a.cost = c.cost;
        a.businessPercent = c.percent;
        a.section179 = c.section179;
        a.otherDeductions = c.other;
        a.allowance = allowanceCaption(CalculateBonusAllowance(a, c.rate));
        EXPECT_EQ(a.allowance, c.allowance);
        const CostBasis basis = CalculateCostBasis(a);
        EXPECT_EQ(basis.caption, c.basis);
        EXPECT_EQ(basis.negative, c.negative);
    }
}

TEST(AssetAmounts, BusinessFraction) {
    const std::pair<const char*, double> cases[] = {
        {"", 1},      {".5", 0.5},     {"0.5", 0.5}, {"50", 0.5},
        {"5.5", 5.5}, {"75.5", 0.755}, {"100", 1},   {"abc", 0},
    };
    for (const auto& [text, fraction] : cases) {
        SCOPED_TRACE(text);
        EXPECT_DOUBLE_EQ(GetBuisnessPecent(text), fraction);
    }
}

TEST(AssetAmounts, LifeFromTheLifeTextOrTheClass) {
    const std::string blanks(50, ' ');
    struct Case {
        const char* name;
        std::string life;
        std::string classText;
        std::optional<double> years;
    } cases[] = {
        {"Typed", "27.5", "", 27.5},
        {"FromTheClass", "", "Office furniture" + blanks + "7-N\\0", 7.0},
        {"ClassWithBlanksAtTheEnd", "", "Truck  " + blanks + "5-T\\0", 5.0},
        {"TypedWinsOverTheClass", "5", "Desk" + blanks + "7-N\\0", 5.0},
        {"Neither", "", "", 0.0},
        {"TypedNoNumber", "abc", "", std::nullopt},
        {"ClassWithoutDash", "", "Oddity" + blanks + "7N\\0", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(DetermineLife(c.life, c.classText), c.years);
    }
}

TEST(AssetAmounts, AmortizationCodeFromTheClass) {
    const std::string blanks(50, ' ');
    EXPECT_EQ(DetermineAmortizeCode("Goodwill" + blanks + "15-N\\197"), 197.0);
    EXPECT_EQ(DetermineAmortizeCode("Desk" + blanks + "5-N\\0"), 0.0);
    EXPECT_EQ(DetermineAmortizeCode("Desk" + blanks + "5-N\\"), std::nullopt);
    EXPECT_EQ(DetermineAmortizeCode("Desk" + blanks + "5-N"), std::nullopt);
}

TEST(AssetAmounts, MonthsAndYears) {
    EXPECT_EQ(monthOf("07/2003"), Date(2003, 7, 1));
    EXPECT_EQ(monthOf("13/2003"), std::nullopt);
    EXPECT_EQ(monthOf("00/2003"), std::nullopt);
    EXPECT_EQ(monthOf(kEmptyMonth), std::nullopt);
    EXPECT_EQ(monthOf("1_/2003"), std::nullopt);
    EXPECT_EQ(DetermineSoldDate(kEmptyMonth), Date::noDate());
    EXPECT_EQ(DetermineSoldDate("13/2005"), Date::noDate());
    EXPECT_EQ(DetermineSoldDate("02/2006"), Date(2006, 2, 1));
    EXPECT_EQ(DetermineYear("2004", "07/2003"), std::optional<std::int16_t>(2004));
    EXPECT_EQ(DetermineYear("", "07/2003"), std::optional<std::int16_t>(2003));
    EXPECT_EQ(DetermineYear("", kEmptyMonth), std::nullopt);
    EXPECT_EQ(DetermineYear("20x4", "07/2003"), std::nullopt);
    EXPECT_EQ(DetermineYear("99999", "07/2003"), std::nullopt);
    EXPECT_EQ(proposedInService(Date(2025, 3, 9), 2004), "03/2004");
    EXPECT_EQ(proposedInService(Date(2025, 12, 31), 2025), "12/2025");
    EXPECT_EQ(percentText(0.5), "50");
    EXPECT_EQ(percentText(1), "100");
    EXPECT_EQ(percentText(0.58), "58");
}

} // namespace
} // namespace qel::assets
