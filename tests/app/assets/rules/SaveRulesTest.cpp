// The decisions of a save: which run the engine makes of a method, the vehicle limit check, and
// the alternative books' values, checks and row.
#include "app/assets/rules/BookSave.h"
#include "app/assets/rules/DeprRunPlan.h"
#include "app/assets/rules/VehicleLimits.h"
#include "common/ServerError.h"

#include <gtest/gtest.h>

namespace qel::assets {
namespace {

TEST(DeprRunPlan, MethodsAsTheEngineRunsThem) {
    struct Case {
        const char* name;
        const char* method;
        double fraction;
        double life;
        RunKind kind;
        const char* runs;
        double runLife;
    } cases[] = {
        {"ListedAt051", "Listed", 0.51, 5, RunKind::Macrs, "MACRS", 5},
        {"ListedAt05099", "Listed", 0.5099, 5, RunKind::Formula, "ADS", 5},
        {"ListedLife39StaysMacrs", "Listed", 0.8, 39, RunKind::Macrs, "MACRS", 39},
        {"Macrs275", "MACRS", 1, 27.5, RunKind::Formula, "Macrs27", 28},
        {"Macrs315", "MACRS", 1, 31.5, RunKind::Formula, "Macrs31", 32},
        {"Macrs39", "MACRS", 1, 39, RunKind::Formula, "Macrs39", 39},
        {"Macrs40", "MACRS", 1, 40, RunKind::Formula, "ADS", 40},
        {"Macrs50", "MACRS", 1, 50, RunKind::Formula, "ADS", 50},
        {"Macrs20", "MACRS", 1, 20, RunKind::Macrs, "MACRS", 20},
        {"Macrs150", "MACRS 150", 1, 15, RunKind::Macrs, "MACRS 150", 15},
        {"StraightLine", "S/L", 1, 10, RunKind::Formula, "S/L", 10},
        {"Amortize", "Amortize", 1, 15, RunKind::Formula, "Amortize", 15},
        {"NonDepr", "Non-Depr", 1, 0, RunKind::Clear, "Non-Depr", 0},
        {"NoMethod", "", 1, 5, RunKind::Clear, "", 5},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const DeprRunPlan plan = PlanDeprRun(c.method, c.fraction, c.life);
        EXPECT_EQ(plan.kind, c.kind);
        EXPECT_EQ(plan.method, c.runs);
        EXPECT_EQ(plan.life, c.runLife);
    }
}

TEST(DeprRunPlan, BooksWithoutBasis) {
    EXPECT_EQ(PlanBookRun("MACRS", 1, 5, 175, 0).kind, RunKind::Macrs);
    EXPECT_EQ(PlanBookRun("MACRS", 1, 5, 0, 0).kind, RunKind::Clear);
    EXPECT_EQ(PlanBookRun("Listed", 0.8, 5, 0, 100).kind, RunKind::ZeroListed);
    EXPECT_EQ(PlanBookRun("Listed", 0.8, 5, -3, 0).kind, RunKind::Clear);
    EXPECT_EQ(PlanBookRun("Non-Depr", 1, 0, 500, 0).kind, RunKind::Clear);
    EXPECT_EQ(runConvention(0), 4);
    EXPECT_EQ(runConvention(3), 3);
    EXPECT_THROW(whole32(3e9, "cost"), ServerError);
    EXPECT_EQ(whole16(2.5, "life"), 2);
}

TEST(VehicleLimits, BonusCodeOfTheTickedBoxes) {
    EXPECT_EQ(BonusCode(true, true, false), 3);
    EXPECT_EQ(BonusCode(false, false, true), 5);
    EXPECT_EQ(BonusCode(false, true, false), 5);
    EXPECT_EQ(BonusCode(false, false, false), 0);
}

TEST(VehicleLimits, FirstYearLimit) {
    struct Case {
        const char* name;
        std::int32_t limit;
        const char* percent;
        const char* section179;
        const char* allowance;
        VehicleLimitOutcome::Kind kind;
        const char* message; // the start of the message
        const char* lowered; // the lowered allowance
    } cases[] = {
        {"AllowanceLowered", 300, "100", "0", "500", VehicleLimitOutcome::Lowered,
         "The Special Depr Allowance was adjusted to be equal to the (auto rate x Business %) of 300 "
         "Allowances",
         "300"},
        {"Section179AboveTheCap", 300, "100", "301", "0", VehicleLimitOutcome::Stop,
         "179 amount needs to be less the (auto rate x Business %) of 300", ""},
        {"CapWithBusinessUse", 310, "58", "0", "500", VehicleLimitOutcome::Lowered,
         "The Special Depr Allowance was adjusted to be equal to the (auto rate x Business %) of 179.8 ",
         "179.8"},
        {"LoweredAllowancePassesTheNextSave", 310, "58", "0", "179.8", VehicleLimitOutcome::Go, "", ""},
        {"LoweredBesideSection179", 310, "58", "100", "500", VehicleLimitOutcome::Lowered, "", "79.8"},
        {"ThenPasses", 310, "58", "100", "79.8", VehicleLimitOutcome::Go, "", ""},
        {"ExactlyAtTheCap", 300, "100", "100", "200", VehicleLimitOutcome::Go, "", ""},
        {"NoLimits", 0, "100", "0", "0", VehicleLimitOutcome::Stop,
         "Use menu Maintenance\\Auto Max Limits to enter the maximun vehicle deprication amount for this "
         "year.",
         ""},
        {"ZeroThirtyPercentLimit", -3, "100", "0", "0", VehicleLimitOutcome::AskBonus,
         "30% Bonus depreciation was taken for this vehicle, but the max bonus limit is zero.", ""},
        {"ZeroFiftyPercentLimit", -5, "100", "0", "0", VehicleLimitOutcome::AskBonus,
         "50% Bonus depreciation was taken for this vehicle, but the max bonus rate is zero.", ""},
        {"OtherNegative", -7, "100", "9999", "0", VehicleLimitOutcome::Go, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a;
        a.businessPercent = c.percent;
        a.section179 = c.section179;
        a.allowance = c.allowance;
        const VehicleLimitOutcome o = CheckVehicleLimit(c.limit, a);
        EXPECT_EQ(o.kind, c.kind);
        EXPECT_EQ(o.message.substr(0, std::string(c.message).size()), c.message);
        EXPECT_EQ(o.allowance, c.lowered);
    }
}

// The example of the stored book row: cost 800, 50 %, section 179 100, salvage 50, 30 % bonus.
BookColumn amtColumn() {
    BookColumn c;
    c.cost = "800";
    c.businessPercent = "50";
    c.section179 = "100";
    c.salvage = "50";
    c.life = "5";
    c.bonusId = kBonus30;
    c.conventionId = 1;
    c.methodId = 1;
    return c;
}

TEST(BookSave, ValuesOfABookColumn) {
    const BookValues b = BookValuesOf(kAmtBook, amtColumn(), "MACRS", "");
    EXPECT_EQ(b.allowance, 75); // (400 - 150) x 0.3
    EXPECT_EQ(b.costBasis, 175);
    EXPECT_EQ(b.methodCaption, "200 DB");
    EXPECT_EQ(
        InsertBookSql(1, 57, b),
        "Insert into tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost, BusinessPercent, "
        "Section179, Allowance, ConventionId, Salvage, Actual_Method, CostBasis, BonusCboId )  values(1, "
        "57, 3, 1, 5, 800, 0.5, 100, 75, 1, 50, '200 DB ', 175,3)");
    EXPECT_EQ(DeleteBookSql(1, 57, 3),
              "Delete from tblBookMethods where ClientId = 1 and AssetId = 57 and BookId = 3");

    struct Case {
        const char* name;
        void (*change)(BookColumn&);
        double fraction;
        std::int32_t allowance;
        std::int32_t basis;
    } cases[] = {
        {"Percent80", [](BookColumn& c) { c.businessPercent = "80"; }, 0.8, 147, 343},
        {"PointEight", [](BookColumn& c) { c.businessPercent = ".8"; }, 0.8, 147, 343},
        {"FivePointFive", [](BookColumn& c) { c.businessPercent = "5.5"; }, 5.5, 1275, 2975},
        {"EmptyPercentIsAll", [](BookColumn& c) { c.businessPercent = ""; }, 1, 195, 455},
        {"HundredPercentBonus", [](BookColumn& c) { c.bonusId = kBonus100; }, 0.5, 250, 0},
        {"NoBonus", [](BookColumn& c) { c.bonusId = kNoBonus; }, 0.5, 0, 250},
        {"AllowanceNeverBelowZero", [](BookColumn& c) { c.section179 = "900"; }, 0.5, 0, -550},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BookColumn column = amtColumn();
        c.change(column);
        const BookValues v = BookValuesOf(kStateBook, column, "MACRS", "");
        EXPECT_DOUBLE_EQ(v.businessFraction, c.fraction);
        EXPECT_EQ(v.allowance, c.allowance);
        EXPECT_EQ(v.costBasis, c.basis);
    }
}

TEST(BookSave, AmtTakesTheLoweredFederalAllowance) {
    BookColumn c = amtColumn();
    c.allowance = "60";
    // Its label shows the Federal caption: that amount is taken.
    EXPECT_EQ(BookValuesOf(kAmtBook, c, "MACRS", "60").allowance, 60);
    // Another caption: its own.
    EXPECT_EQ(BookValuesOf(kAmtBook, c, "MACRS", "75.5").allowance, 75);
    // The State and Other books always compute their own.
    EXPECT_EQ(BookValuesOf(kStateBook, c, "MACRS", "60").allowance, 75);
    EXPECT_EQ(BookValuesOf(kOtherBook, c, "MACRS", "60").allowance, 75);
    // Without a bonus choice no allowance whatever the label shows.
    c.bonusId = kNoBonus;
    EXPECT_EQ(BookValuesOf(kAmtBook, c, "MACRS", "60").allowance, 0);
    c.cost = "99999999999";
    EXPECT_THROW(BookValuesOf(kAmtBook, c, "MACRS", ""), ServerError);
}

TEST(BookSave, ChecksOfOneBook) {
    struct Case {
        const char* name;
        const char* method;
        const char* life;
        const char* percent;
        std::int32_t convention;
        const char* cost;
        const char* messages;
    } cases[] = {
        {"Passes", "MACRS", "5", "100", 1, "800", ""},
        {"Empty", "", "", "", 0, "", "AMT Cost Missing! AMT Method Missing! AMT Life Missing! "},
        {"PercentAbove100", "MACRS", "5", "150", 1, "800", "AMT Invalid Business %! "},
        {"Percent55", "MACRS", "5", "5.5", 1, "800", "AMT Invalid Business %! "},
        {"Macrs39MidMonth", "MACRS", "39", "100", 3, "800", ""},
        {"Macrs39HalfYear", "MACRS", "39", "100", 1, "800", "AMT convention needs to be 'mid month' "},
        {"Macrs150Life25", "MACRS 150", "25", "100", 3, "800",
         "AMT Life must be 3,5,7,10,15,20AMT convention needs to be 'Mid Qtr' or 'Half Year' "},
        {"Macrs27", "MACRS", "27", "100", 1, "800", "AMT Life must be 3,5,7,10,15,20,27.5,31.5,39,50! "},
        {"LifeAbove75", "S/L", "80", "100", 1, "800", "AMT Life Can't be greater than 75! "},
        {"AdsNone", "ADS", "5", "100", 4, "800", "AMT convention can not be 'None' "},
        {"NonDeprWithLife", "Non-Depr", "5", "100", 0, "800", "AMT Life must be zero. "},
        {"NonDeprWithoutLife", "Non-Depr", "0", "100", 0, "800", ""},
        {"NegativeBasis", "MACRS", "5", "100", 1, "100", "AMT Basis needs to be greater then zero."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        BookColumn column;
        column.life = c.life;
        column.businessPercent = c.percent;
        column.conventionId = c.convention;
        column.cost = c.cost;
        if (std::string(c.name) == "NegativeBasis")
            column.salvage = "150";
        EXPECT_EQ(ValidateBook("AMT", BookValuesOf(kAmtBook, column, c.method, "")), c.messages);
    }
}

TEST(BookSave, MessagesOfEveryBookInOrder) {
    BookColumn empty;
    empty.life = "5";
    BookColumn good = amtColumn();
    EXPECT_EQ(ValidateBookMethods({BookValuesOf(kAmtBook, empty, "S/L", ""),
                                   BookValuesOf(kStateBook, good, "MACRS", ""),
                                   BookValuesOf(kOtherBook, empty, "S/L", "")}),
              "AMT Cost Missing! Other Cost Missing! ");
    EXPECT_EQ(ValidateBookMethods({}), "");
}

} // namespace
} // namespace qel::assets
