// A stored asset read back for the form: the fields of its GetAsset row with their Nulls, the
// bonus box of a stored asset, and Exclude.
#include "app/assets/rules/StoredAsset.h"

#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

namespace qel::assets {
namespace {

TEST(StoredAsset, FieldsOfTheRow) {
    test::FreshDatabase db;
    const std::int32_t company = test::addCompany("Stored");
    const std::int32_t sold = test::addAsset({.name = "Truck",
                                              .company = company,
                                              .method = test::kMacrs,
                                              .cost = 25000.5,
                                              .allowance = 7500,
                                              .section179 = 0,
                                              .other = 120,
                                              .business = 0.75,
                                              .type179 = true,
                                              .placed = "2024-07-01",
                                              .soldDate = "2026-02-01",
                                              .soldAmt = 9000,
                                              .gainLoss = -1250,
                                              .life = 5,
                                              .convention = test::kHalfYear,
                                              .vehicle = 3,
                                              .caption = "200 DB",
                                              .notes = "n",
                                              .account = 4,
                                              .bookLife = 5,
                                              .bookCost = 25000,
                                              .catchUp = true});
    db.exec("UPDATE tblAssets SET life_id = 1 WHERE Asset_num = " + std::to_string(sold));
    test::addDescription(sold, "T9", "S9", 2, "");
    const StoredAsset s = StoredAssetOf(DeprSupport().GetAsset(sold, company));
    EXPECT_EQ(s.assetNum, sold);
    EXPECT_EQ(s.description, "Truck");
    EXPECT_EQ(s.cost, "25000.5");
    EXPECT_TRUE(s.type179);
    EXPECT_EQ(s.section179, "");
    EXPECT_EQ(s.method, "MACRS");
    EXPECT_EQ(s.businessPercent, "75");
    EXPECT_EQ(s.lifeId, 1);
    EXPECT_EQ(s.life, "5");
    EXPECT_EQ(s.otherDeductions, "120");
    EXPECT_EQ(s.allowance, 7500);
    EXPECT_EQ(s.allowanceText, "7500");
    EXPECT_EQ(s.inService, "07/2024");
    EXPECT_EQ(s.conventionId, test::kHalfYear);
    EXPECT_EQ(s.vehicleNum, "3");
    EXPECT_TRUE(s.adjustDepr);
    EXPECT_EQ(s.accountId, 4);
    EXPECT_TRUE(s.sold);
    EXPECT_EQ(s.soldMonth, "02/2026");
    EXPECT_EQ(s.soldAmt, "9000");
    EXPECT_EQ(s.gainLoss, "-1250");
    EXPECT_EQ(s.tagNbr, "T9");
    EXPECT_EQ(s.locationId, 2);
    EXPECT_EQ(s.bonusChoice, std::nullopt); // no form saved it
    db.exec("UPDATE tblAssets SET Bonus_Choice = 10 WHERE Asset_num = " + std::to_string(sold));
    EXPECT_EQ(StoredAssetOf(DeprSupport().GetAsset(sold, company)).bonusChoice, 10);

    // Without a description row, a sale or the optional amounts: empty texts and no choices.
    const std::int32_t plain = test::addAsset(
        {.name = "Desk", .company = company, .method = test::kMacrs, .placed = "2024-03-01", .vehicle = 0});
    const StoredAsset p = StoredAssetOf(DeprSupport().GetAsset(plain, company));
    EXPECT_FALSE(p.sold);
    EXPECT_EQ(p.soldMonth, "");
    EXPECT_EQ(p.vehicleNum, "");
    EXPECT_EQ(p.tagNbr, "");
    EXPECT_EQ(p.serialNbr, "");
    EXPECT_EQ(p.locationId, 0);
    EXPECT_EQ(p.accountId, 0);
    EXPECT_FALSE(p.type179);
}

TEST(StoredAsset, BonusBoxOfTheStoredAsset) {
    const std::optional<std::int32_t> unsaved;
    struct Case {
        const char* name;
        const char* cost;
        const char* section179;
        const char* allowance;
        std::optional<std::int32_t> saved;
        BonusBox box;
    } cases[] = {
        // Saved without a box (imported): the box whose allowance is exactly the stored one.
        {"Thirty", "10000", "", "2250", unsaved, BonusBox::Bonus30}, // base 10000 x 75 % = 7500
        {"Fifty", "10000", "", "3750", unsaved, BonusBox::Bonus50},
        {"Hundred", "10000", "", "7500", unsaved, BonusBox::Bonus100},
        {"Forty", "10000", "", "3000", unsaved, BonusBox::None},
        {"NearlyFiftyIsNoBox", "10000", "", "3760", unsaved, BonusBox::None}, // 0.5013 once read as 50 %
        {"NoAllowance", "10000", "", "0", unsaved, BonusBox::None},
        {"ZeroBase", "10000", "7500", "100", unsaved, BonusBox::None},
        // The box saved with the asset, whatever the allowance: a car's 100 % allowance of 22,500
        // (30,000 at 75 %) lowered to its first-year limit of 15,150 stays the 100 % box.
        {"CappedHundred", "30000", "", "15150", 10, BonusBox::Bonus100},
        {"CappedFifty", "30000", "", "15150", 5, BonusBox::Bonus50},
        {"SavedThirty", "10000", "", "2250", 3, BonusBox::Bonus30},
        {"SavedNone", "10000", "", "3750", 0, BonusBox::None},
        {"SavedZeroAllowance", "10000", "7500", "0", 10, BonusBox::Bonus100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a;
        a.cost = c.cost;
        a.businessPercent = "75";
        a.section179 = c.section179;
        EXPECT_EQ(StoredBonusBox(a, c.allowance, c.saved), c.box);
    }
}

TEST(StoredAsset, WhichAssetsTakeABonus) {
    struct Case {
        const char* name;
        const char* method;
        const char* percent;
        const char* life;
        bool eligible;
    } cases[] = {
        {"Macrs", "MACRS", "100", "7", true},        {"Macrs150", "MACRS 150", "100", "20", true},
        {"Macrs275", "MACRS", "100", "27.5", false}, {"ListedAbove50", "Listed", "51", "5", true},
        {"ListedAt50", "Listed", "50", "5", false},  {"StraightLine", "S/L", "100", "5", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a;
        a.method = c.method;
        a.businessPercent = c.percent;
        a.life = c.life;
        EXPECT_EQ(BonusEligible(a), c.eligible);
    }
}

TEST(StoredAsset, ExcludedAndLifeList) {
    EXPECT_TRUE(ExcludedFromBook("0", "0", false));
    EXPECT_FALSE(ExcludedFromBook("0", "1000", false));
    EXPECT_FALSE(ExcludedFromBook("0", "0", true));
    EXPECT_TRUE(loadsLifeList("MACRS", 0));
    EXPECT_FALSE(loadsLifeList("S/L", 3));
    EXPECT_FALSE(loadsLifeList("Non-Depr", 0));
    EXPECT_FALSE(loadsLifeList("Amortize", 0));
    EXPECT_TRUE(loadsLifeList("Amortize", 2));
}

} // namespace
} // namespace qel::assets
