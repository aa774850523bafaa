// The asset form's field rules as decisions: the key filter, the amount echo, the method, class,
// life and business percent rules, the bonus boxes, the year filter and the vehicle type.
#include "app/assets/rules/FieldRules.h"

#include "app/assets/rules/NumberPatterns.h"

#include <gtest/gtest.h>

namespace qel::assets {
namespace {

const std::string kBlanks(50, ' ');

TEST(FieldRules, NumericKeyFilter) {
    for (const char32_t key : {U'0', U'5', U'9', U'.', U'\b', U'\r', char32_t(31)}) {
        SCOPED_TRACE(static_cast<int>(key));
        EXPECT_TRUE(NumericKeyPasses(key));
    }
    for (const char32_t key : {U'a', U'-', U'+', U',', U' ', U'$', U'e', char32_t(0x0660)}) {
        SCOPED_TRACE(static_cast<int>(key));
        EXPECT_FALSE(NumericKeyPasses(key));
    }
    EXPECT_TRUE(NumericTextPasses(U"1.2.5"));
    EXPECT_TRUE(NumericTextPasses(U""));
    EXPECT_FALSE(NumericTextPasses(U"1,250"));
    EXPECT_FALSE(NumericTextPasses(U"-5"));
}

TEST(FieldRules, AmountEcho) {
    const std::pair<const char*, const char*> cases[] = {
        {"1000", "1,000"}, {"1234567", "1,234,567"}, {"12.5", "13"}, {"0", ""},
        {"", ""},          {"1.2.3", "1.2.3"},       {".", "."},     {"999999999", "999,999,999"},
    };
    for (const auto& [text, echo] : cases) {
        SCOPED_TRACE(text);
        EXPECT_EQ(AmountEcho(text), echo);
    }
}

TEST(FieldRules, NumberPatterns) {
    EXPECT_EQ(dollars(230000), "$230,000");
    EXPECT_EQ(dollars(-100000), "-$100,000");
    EXPECT_EQ(dollars(0), "$0");
    EXPECT_EQ(dollars(-0.4), "$0");
    EXPECT_EQ(dollars(2.5), "$3"); // a half away from zero
    EXPECT_EQ(groupedOrBlank(-1234.5), "-1,235");
    EXPECT_EQ(percentOneDecimal(0.4523809523), "45.2 %");
    EXPECT_EQ(percentOneDecimal(0.40001), "40.0 %");
    EXPECT_EQ(percentOneDecimal(0), "0.0 %");
    EXPECT_EQ(percentOneDecimal(1), "100.0 %");
}

TEST(FieldRules, MethodCaption) {
    EXPECT_EQ(MethodCaption("MACRS", "7"), "200 DB");
    EXPECT_EQ(MethodCaption("MACRS", "27.5"), "S/L");
    EXPECT_EQ(MethodCaption("MACRS", ""), "");
    EXPECT_EQ(MethodCaption("MACRS", "99999999"), "S/L"); // beyond 16 bits: still above 20 years
    EXPECT_EQ(MethodCaption("ADS", "5"), "S/L");
}

TEST(FieldRules, MethodLeft) {
    struct Case {
        const char* method;
        bool chosen;
        bool classes;
        bool lifeLocked;
        Deductions deductions;
        bool amortize;
        int convention;
        bool zeroLives;
    } cases[] = {
        {"MACRS", true, true, false, Deductions::On, false, kHalfYearEntry, false},
        {"MACRS 150", true, true, false, Deductions::On, false, kHalfYearEntry, false},
        {"Listed", true, true, true, Deductions::On, false, kHalfYearEntry, false},
        {"ADS", true, true, false, Deductions::OffKeepBonusTicks, false, kHalfYearEntry, false},
        {"S/L", true, true, false, Deductions::OffKeepBonusTicks, false, -1, false},
        {"Amortize", true, true, false, Deductions::OffKeepBonusTicks, true, -1, false},
        {"Non-Depr", true, true, false, Deductions::OffKeepBonusTicks, false, -1, true},
        {"", false, false, false, Deductions::Keep, false, -1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.method);
        const MethodRule r = MethodLeft(c.method, c.chosen);
        EXPECT_EQ(r.classesAndLives, c.classes);
        EXPECT_EQ(r.recomputeBasis, c.classes);
        EXPECT_EQ(r.lifeLocked, c.lifeLocked);
        EXPECT_EQ(r.deductions, c.deductions);
        EXPECT_EQ(r.amortizeCode, c.amortize);
        EXPECT_EQ(r.convention, c.convention);
        EXPECT_EQ(r.zeroLives, c.zeroLives);
    }
}

TEST(FieldRules, ClassLeft) {
    struct Case {
        const char* name;
        const char* method;
        std::string life;
        std::string classText;
        bool midMonth;
        Deductions deductions;
        bool vehicle;
        std::string amortizeCode;
        std::optional<std::string> classLife;
    } cases[] = {
        {"MacrsBuilding", "MACRS", "", "Rental building" + kBlanks + "27.5-N\\0", true, Deductions::Off,
         false, "", "27.5"},
        {"MacrsTwentyYears", "MACRS", "", "Farm building" + kBlanks + "20-N\\0", false, Deductions::On, false,
         "", "20"},
        {"AdsForty", "ADS", "", "Building" + kBlanks + "40-N\\0", true, Deductions::Off, false, "", "40"},
        {"Macrs150KeepsHalfYear", "MACRS 150", "", "Land improvement" + kBlanks + "15-N\\0", false,
         Deductions::On, false, "", "15"},
        {"ListedCar", "Listed", "", "Car" + kBlanks + "5-Gas\\0", false, Deductions::On, true, "", "5"},
        {"TypedLifeDecides", "MACRS", "39", "Truck" + kBlanks + "5-T\\0", true, Deductions::Off, true, "",
         "5"},
        {"Amortize", "Amortize", "", "Goodwill" + kBlanks + "15-N\\197", false, Deductions::Off, false, "197",
         "15"},
        {"AmortizeWithoutCode", "Amortize", "", "Goodwill" + kBlanks + "15-N\\", false, Deductions::Off,
         false, "0", "15"},
        {"NoLifeInTheClass", "S/L", "", "Odd" + kBlanks + "-N\\0", false, Deductions::Off, false, "",
         std::nullopt},
        {"NoDash", "MACRS", "", "Odd" + kBlanks + "7N\\0", false, Deductions::On, true, "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a;
        a.method = c.method;
        a.life = c.life;
        a.classText = c.classText;
        a.classChosen = true;
        const std::optional<ClassRule> r = ClassLeft(a);
        ASSERT_TRUE(r);
        EXPECT_EQ(r->midMonth, c.midMonth);
        EXPECT_EQ(r->deductions, c.deductions);
        EXPECT_EQ(r->vehicle, c.vehicle);
        EXPECT_EQ(r->amortizeCode, c.amortizeCode);
        EXPECT_EQ(r->classLife, c.classLife);
    }
    EXPECT_FALSE(ClassLeft(AssetSnapshot{}));
}

TEST(FieldRules, LifeLeft) {
    const std::string desk = "Desk" + kBlanks + "7-N\\0";
    const std::string building = "Rental building" + kBlanks + "27.5-N\\0";
    const std::string noLife = "Odd" + kBlanks + "-N\\0";
    struct Case {
        const char* name;
        const char* method;
        const char* life;
        std::string classText; // "": no class chosen
        bool clearClass;
        int convention;
        Deductions deductions;
    } cases[] = {
        {"TypedTwenty", "MACRS", "20", desk, true, kHalfYearEntry, Deductions::On},
        {"TypedTwentyFive", "MACRS", "25", desk, true, kHalfYearEntry,
         Deductions::Off}, // typed lives need < 21
        {"TypedTwentySevenAndAHalf", "MACRS", "27.5", desk, true, kMidMonthEntry, Deductions::Off},
        {"TypedTwentySeven", "MACRS", "27", desk, true, kHalfYearEntry, Deductions::Off},
        {"AdsForty", "ADS", "40", desk, true, kMidMonthEntry, Deductions::Off},
        {"Macrs150", "MACRS 150", "15", desk, true, -1, Deductions::On},
        {"Listed", "Listed", "5", desk, true, -1, Deductions::Off},
        {"StraightLineKeepsTheClass", "S/L", "5", desk, false, -1, Deductions::Off},
        // The life the class gave, left as it came or typed again, keeps the class.
        {"ClassLifeLeftAsItCame", "MACRS", "7", desk, false, kHalfYearEntry, Deductions::On},
        {"ClassLifeTypedAgain", "MACRS", "7.0", desk, false, kHalfYearEntry, Deductions::On},
        {"BuildingLife", "MACRS", "27.5", building, false, kMidMonthEntry, Deductions::Off},
        {"BuildingLifeRounded", "MACRS", "28", building, true, kMidMonthEntry, Deductions::Off},
        {"AdsClassLife", "ADS", "7", desk, false, kHalfYearEntry, Deductions::Off},
        {"ListedClassLife", "Listed", "7", desk, false, -1, Deductions::Off},
        // A class without a life gave no life.
        {"ClassWithoutLifeLeftEmpty", "MACRS", "", noLife, false, kHalfYearEntry, Deductions::On},
        {"ClassWithoutLifeTyped", "MACRS", "5", noLife, true, kHalfYearEntry, Deductions::On},
        {"NoClassNothingToClear", "MACRS", "5", "", false, kHalfYearEntry, Deductions::On},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a;
        a.method = c.method;
        a.life = c.life;
        a.classText = c.classText;
        a.classChosen = !c.classText.empty();
        EXPECT_EQ(LifeReplacesClass(a), c.clearClass);
        const LifeRule r = LifeLeft(a);
        EXPECT_EQ(r.clearClass, c.clearClass);
        EXPECT_EQ(r.convention, c.convention);
        EXPECT_EQ(r.deductions, c.deductions);
    }
}

TEST(FieldRules, BusinessPercentLeft) {
    const std::string fallback = "If Business Percent is 50% or less. ADS will be used instead of MACRS.";
    struct Case {
        const char* method;
        const char* life;
        const char* percent;
        Deductions deductions;
        std::string caption;
        std::string message;
    } cases[] = {
        {"MACRS", "7", "50", Deductions::Off, "S/L", fallback},
        {"MACRS", "7", "51", Deductions::On, "200 DB", ""},
        {"MACRS", "15", "100", Deductions::On, "150 DB", ""},
        // Real property keeps its straight line and never becomes section 179 property.
        {"MACRS", "27.5", "100", Deductions::Off, "S/L", ""},
        {"MACRS", "31.5", "100", Deductions::Off, "S/L", ""},
        {"MACRS", "39", "100", Deductions::Off, "S/L", ""},
        {"MACRS", "50", "80", Deductions::Off, "S/L", ""},
        // No life yet: the life rule decides when it comes.
        {"MACRS", "", "100", Deductions::On, "", ""},
        {"Listed", "5", ".5", Deductions::Off, "S/L", fallback},
        {"Listed", "5", "", Deductions::On, "200 DB", ""}, // empty is all business use
        {"MACRS 150", "20", "10", Deductions::Keep, "", ""},
        {"ADS", "39", "10", Deductions::Keep, "", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.life + " " + c.percent);
        AssetSnapshot a;
        a.method = c.method;
        a.life = c.life;
        a.businessPercent = c.percent;
        const BusinessPercentRule r = BusinessPercentLeft(a);
        EXPECT_EQ(r.deductions, c.deductions);
        EXPECT_EQ(r.methodCaption, c.caption);
        EXPECT_EQ(r.message, c.message);
    }
}

TEST(FieldRules, SavedMethodCaptionAndSection179Property) {
    struct Case {
        const char* method;
        const char* life;
        const char* classText;
        const char* percent;
        std::string caption;
        bool section179;
    } cases[] = {
        {"MACRS", "39", "", "100", "S/L", false},
        {"MACRS", "27.5", "", "100", "S/L", false},
        {"MACRS", "31.5", "", "100", "S/L", false},
        {"MACRS", "5", "", "100", "200 DB", true},
        {"MACRS", "20", "", "100", "150 DB", true},
        {"MACRS", "5", "", "50", "S/L", false},
        {"Listed", "5", "", "75", "200 DB", true},
        {"Listed", "5", "", "40", "S/L", false},
        {"MACRS 150", "20", "", "100", "150 DB", true},
        // A life left to the class.
        {"MACRS", "", "Building                                                  39-N\0", "100", "S/L",
         false},
        {"ADS", "40", "", "100", "S/L", false},
        {"Amortize", "15", "", "100", "Amortize", false},
        {"Non-Depr", "0", "", "100", "None", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + c.life + " " + c.percent);
        AssetSnapshot a;
        a.method = c.method;
        a.life = c.life;
        a.classText = c.classText;
        a.classChosen = !a.classText.empty();
        a.businessPercent = c.percent;
        EXPECT_EQ(SavedMethodCaption(a), c.caption);
        EXPECT_EQ(IsDecliningBalance(SavedMethodCaption(a)), c.section179);
    }
}

TEST(FieldRules, RecomputeAllowanceAndBasis) {
    AssetSnapshot a;
    a.cost = "10000";
    a.businessPercent = "75";
    a.section179 = "1000";
    a.otherDeductions = "500";
    a.allowance = "123";
    Recomputed r = RecomputeAllowanceAndBasis(a);
    EXPECT_FALSE(r.allowance); // no box ticked: the allowance label keeps its caption
    EXPECT_EQ(r.basis.caption, "5877");

    a.bonus50 = true;
    r = RecomputeAllowanceAndBasis(a);
    EXPECT_EQ(r.allowance, "3000");
    EXPECT_EQ(r.basis.caption, "3000");

    a.bonus100 = true; // the last ticked box in the order 30, 50, 100 stands
    r = RecomputeAllowanceAndBasis(a);
    EXPECT_EQ(r.allowance, "6000");
    EXPECT_EQ(r.basis.caption, "0");
}

TEST(FieldRules, BonusBoxesExcludeEachOther) {
    using B = BonusBox;
    EXPECT_EQ(BonusBoxesUnticked(B::Bonus30), (std::array{B::Bonus100, B::Bonus50}));
    EXPECT_EQ(BonusBoxesUnticked(B::Bonus50), (std::array{B::Bonus100, B::Bonus30}));
    EXPECT_EQ(BonusBoxesUnticked(B::Bonus100), (std::array{B::Bonus30, B::Bonus50}));
    EXPECT_EQ(BonusRate(B::Bonus30), 0.3);
    EXPECT_EQ(BonusRate(B::Bonus50), 0.5);
    EXPECT_EQ(BonusRate(B::Bonus100), 1.0);
}

TEST(FieldRules, YearFilterLeft) {
    struct Case {
        const char* text;
        bool invalid;
        std::int16_t year;
    } cases[] = {{"", false, 0}, {"2004", false, 2004}, {"200", true, 0}, {"2", true, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const YearFilter r = YearFilterLeft(c.text);
        EXPECT_EQ(r.invalid, c.invalid);
        EXPECT_EQ(r.year, c.year);
    }
}

} // namespace
} // namespace qel::assets
