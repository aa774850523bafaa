// The books panel's columns: blank, loaded from a stored book row, copied from the Federal column.
#include "app/assets/rules/BookRules.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

namespace qel::assets {
namespace {

TEST(BookColumns, LoadedFromTheStoredRow) {
    test::FreshDatabase fresh;
    fresh.exec(
        "INSERT INTO tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost, BusinessPercent,"
        " Section179, Allowance, ConventionId, Salvage, Actual_Method, CostBasis, BonusCboId)"
        " VALUES (1, 57, 3, 1, 5, 800, 0.5, 100, 75, 1, 50, '200 DB ', 175, 3)");
    fresh.exec(
        "INSERT INTO tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost, BusinessPercent,"
        " ConventionId, BonusCboId) VALUES (1, 57, 4, 99, 27.5, 1000, 1, 0, NULL)");
    DeprSupport support;
    const BookColumn amt{.section179 = "100",
                         .businessPercent = "50",
                         .cost = "800",
                         .life = "5",
                         .salvage = "50",
                         .bonusId = kBonus30,
                         .conventionId = 1,
                         .methodId = 1,
                         .allowance = "75",
                         .methodCaption = "200 DB ",
                         .costBasis = "175"};
    EXPECT_EQ(BookColumnOf(support.GetBooksAsset(57, 1, Variant(3))), amt);

    // An id no list carries is still handed on (the list then shows no choice); 0 and Null are
    // no choice.
    const BookColumn state = BookColumnOf(support.GetBooksAsset(57, 1, Variant(4)));
    EXPECT_EQ(state.businessPercent, "100");
    EXPECT_EQ(state.life, "27.5");
    EXPECT_EQ(state.methodId, 99);
    EXPECT_EQ(state.conventionId, 0);
    EXPECT_EQ(state.bonusId, kNoBonus);
    EXPECT_EQ(state.section179, "");

    EXPECT_EQ(BookColumnOf(support.GetBooksAsset(57, 1, Variant(5))), blankBookColumn());
    EXPECT_EQ(blankBookColumn().businessPercent, "100");
}

TEST(BookColumns, CopiedFromTheFederalColumn) {
    AssetSnapshot federal;
    federal.section179 = "100";
    federal.businessPercent = "80";
    federal.cost = "1000";
    federal.life = "27.5";
    federal.otherDeductions = "50";
    federal.conventionId = 3;
    federal.methodId = 1;
    federal.allowance = "0";
    federal.methodCaption = "S/L";
    federal.costBasis = "650";
    federal.bonus50 = true;
    const BookColumn c = CopiedBookColumn(federal);
    EXPECT_EQ(c.section179, "100");
    EXPECT_EQ(c.businessPercent, "80");
    EXPECT_EQ(c.cost, "1000");
    EXPECT_EQ(c.life, "27.5");
    EXPECT_EQ(c.salvage, "50");
    EXPECT_EQ(c.conventionId, 3);
    EXPECT_EQ(c.methodId, 1);
    EXPECT_EQ(c.allowance, "0");
    EXPECT_EQ(c.methodCaption, "S/L");
    EXPECT_EQ(c.costBasis, "650");
    EXPECT_EQ(c.bonusId, kBonus50);
    federal.bonus100 = true;
    EXPECT_EQ(CopiedBookColumn(federal).bonusId, kBonus100);
}

} // namespace
} // namespace qel::assets
