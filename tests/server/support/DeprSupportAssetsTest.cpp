// DeprSupport: adding and reading asset records, alternative-book settings, the logon check and
// NoQuote.
#include "server/support/DeprSupport.h"

#include "SupportFixture.h"

namespace qel {
namespace {

// A value list in the insert's column order, as the asset save writes it: 24 values, the last the
// bonus box, and the four book values after them unless the asset is excluded from the books.
std::string valueList(std::int32_t company, const std::string& name, bool withBookColumns = true) {
    std::string v = std::to_string(company) + ", '" + name +
                    "', 5000, 0, 0, '2010-03-01', 1, 7, 1, 0, 1, '1900-01-01', 0, 'notes', 0, 2, 0, 0, "
                    "'200 DB', 0, '2010-03-01', '2017-03-01', '1900-01-01', 5";
    if (withBookColumns)
        v += ", 1, 7, 4800, 3";
    return v;
}

class DeprSupportAssetsTest : public test::SupportTest {};

TEST_F(DeprSupportAssetsTest, AddAssetReturnsTheNumberOfTheRowItInserted) {
    // Companies share one counter: each call must return its own row, whichever company holds
    // the highest number.
    const std::int32_t other = test::addCompany("Other");
    DeprSupport ds;
    const std::int32_t first = ds.AddAsset(valueList(1, "Press"));
    const std::int32_t second = ds.AddAsset(valueList(other, "Lathe"));
    const std::int32_t third = ds.AddAsset(valueList(1, "Drill"));
    EXPECT_LT(first, second);
    EXPECT_LT(second, third);
    struct Case {
        std::int32_t assetNum;
        std::int32_t company;
        const char* name;
    } cases[] = {{first, 1, "Press"}, {second, other, "Lathe"}, {third, 1, "Drill"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string where = " FROM tblAssets WHERE Asset_num = " + std::to_string(c.assetNum);
        EXPECT_EQ(fresh_.value("SELECT Company_Id" + where).toInt32(), c.company);
        EXPECT_EQ(fresh_.value("SELECT Asset_name" + where).toString(), c.name);
    }
}

TEST_F(DeprSupportAssetsTest, AddAssetFillsTheBookColumnsUnlessExcluded) {
    DeprSupport ds;
    const std::int32_t kept = ds.AddAsset(valueList(1, "Kept"));
    const std::int32_t excluded = ds.AddAsset(valueList(1, "Excluded", false), true);
    const auto book = [&](std::int32_t num, const char* col) {
        return fresh_.value(std::string("SELECT ") + col +
                            " FROM tblAssets WHERE Asset_num = " + std::to_string(num));
    };
    EXPECT_EQ(book(kept, "book_cost").toDouble(), 4800);
    EXPECT_EQ(book(kept, "Id_acct").toInt32(), 3);
    EXPECT_TRUE(book(kept, "Do_Depr_adj").toBool());
    EXPECT_EQ(book(excluded, "book_cost").toDouble(), 0);
    EXPECT_EQ(book(excluded, "Id_acct").toInt32(), 0);
    EXPECT_FALSE(book(excluded, "Do_Depr_adj").toBool());
    EXPECT_EQ(book(excluded, "fiscal_end_date").toString(), "2017-03-01");
    EXPECT_EQ(book(kept, "Bonus_Choice").toInt32(), 5);
    EXPECT_EQ(book(excluded, "Bonus_Choice").toInt32(), 5);
}

TEST_F(DeprSupportAssetsTest, AddAssetRefusesABadValueListAndStoresNothing) {
    DeprSupport ds;
    const struct Case {
        const char* name;
        std::string values;
        bool exclude;
    } cases[] = {
        {"book values missing", valueList(1, "Short", false), false},
        {"book values too many", valueList(1, "Long"), true},
        {"two rows in one list", valueList(1, "One") + "), (" + valueList(1, "Two"), false},
        {"a second statement", valueList(1, "X") + "); DELETE FROM tblCompany; --", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::expectPassedOn([&] { ds.AddAsset(c.values, c.exclude); }, "DeprSupport", "AddAsset");
        EXPECT_EQ(count("FROM tblAssets"), 0);
        EXPECT_EQ(count("FROM tblCompany"), 1);
    }
}

TEST_F(DeprSupportAssetsTest, RecordsetsCarryTheirFieldNamesInOrder) {
    const std::int32_t asset = addAsset({});
    DeprSupport ds;
    const test::FieldNamesCase cases[] = {
        {"GetAsset", ds.GetAsset(asset, 1), {"Asset_num",      "Asset_name",      "Cost",
                                             "Allowance 30 %", "In_Service_date", "bussiness_percent",
                                             "179_deduction",  "convention",      "life_id",
                                             "depr_class_id",  "method",          "sold_date",
                                             "sold_amt",       "gain_loss",       "other_deductions",
                                             "notes",          "Type_179",        "life",
                                             "vehicle_num",    "amortize_code",   "actual_method",
                                             "bonus_choice",   "do_Depr_adj",     "book_life",
                                             "book_cost",      "id_acct",         "tag number",
                                             "serial number",  "location_id",     "long description"}},
        {"GetBooksAsset",
         ds.GetBooksAsset(asset, 1, Variant(3)),
         {"DeprMethodId", "Life", "Cost", "BusinessPercent", "Section179", "Allowance", "ConventionId",
          "Salvage", "actual_Method", "costBasis", "BonusCboId"}},
        {"GetBooksSettings", ds.GetBooksSettings(1), {"Amt Book", "State Book", "Other Book"}},
    };
    test::expectFieldNames(cases);
}

TEST_F(DeprSupportAssetsTest, GetAssetReturnsOnlyTheCompanysAssetWithItsDescription) {
    const std::int32_t other = test::addCompany("Other");
    const std::int32_t plain = addAsset({.name = "Plain"});
    const std::int32_t described = addAsset({.name = "Described"});
    const std::int32_t foreign = addAsset({.name = "Foreign", .company = other});
    const std::int32_t noMethod = addAsset({.name = "No method", .method = 99});
    test::addDescription(described, "T-1", "S-9", 4, "Blue press");

    DeprSupport ds;
    const Recordset withDescription = ds.GetAsset(described, 1);
    ASSERT_EQ(withDescription.RecordCount(), 1u);
    EXPECT_EQ(withDescription["method"].toString(), "MACRS");
    EXPECT_EQ(withDescription["tag number"].toString(), "T-1");
    EXPECT_EQ(withDescription["serial number"].toString(), "S-9");
    EXPECT_EQ(withDescription["location_id"].toInt32(), 4);
    EXPECT_EQ(withDescription["long description"].toString(), "Blue press");

    const Recordset withoutDescription = ds.GetAsset(plain, 1);
    ASSERT_EQ(withoutDescription.RecordCount(), 1u);
    EXPECT_EQ(withoutDescription["Asset_name"].toString(), "Plain");
    for (const char* field : {"tag number", "serial number", "location_id", "long description"}) {
        SCOPED_TRACE(field);
        EXPECT_TRUE(withoutDescription[field].isNull());
    }

    EXPECT_EQ(ds.GetAsset(foreign, 1).RecordCount(), 0u);
    EXPECT_EQ(ds.GetAsset(foreign, other).RecordCount(), 1u);
    EXPECT_EQ(ds.GetAsset(noMethod, 1).RecordCount(), 0u);
}

TEST_F(DeprSupportAssetsTest, BooksAssetAndSettingsFindOnlyTheirOwnRows) {
    const std::int32_t asset = addAsset({});
    fresh_.exec(
        "INSERT INTO tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost, Actual_Method) "
        "VALUES (1, " +
        std::to_string(asset) + ", 3, 2, 9, 1200, 'S/L')");
    fresh_.exec("UPDATE tblCompany SET [AMT Book] = 1 WHERE id = 1");
    DeprSupport ds;

    const Recordset amt = ds.GetBooksAsset(asset, 1, Variant(3));
    ASSERT_EQ(amt.RecordCount(), 1u);
    EXPECT_EQ(amt["Life"].toDouble(), 9);
    EXPECT_EQ(amt["actual_Method"].toString(), "S/L");
    EXPECT_EQ(ds.GetBooksAsset(asset, 1, Variant("3")).RecordCount(), 1u); // the book as the form's text
    EXPECT_EQ(ds.GetBooksAsset(asset, 1, Variant(4)).RecordCount(), 0u);
    EXPECT_EQ(ds.GetBooksAsset(asset, 2, Variant(3)).RecordCount(), 0u);

    const Recordset settings = ds.GetBooksSettings(1);
    ASSERT_EQ(settings.RecordCount(), 1u);
    EXPECT_TRUE(settings["Amt Book"].toBool());
    EXPECT_FALSE(settings["State Book"].toBool());
    EXPECT_EQ(ds.GetBooksSettings(999).RecordCount(), 0u);
}

TEST_F(DeprSupportAssetsTest, UserLevelOnlyForTheRightPair) {
    fresh_.exec(
        "INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('clerk', 'Pa''ss', 'User')");
    fresh_.exec("INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('ghost', 'x', NULL)");
    DeprSupport ds;
    const struct Case {
        const char* name;
        std::string user;
        std::string password;
        std::string level;
    } cases[] = {
        {"right pair", "Admin", "Admin", "Admin"},
        {"other capitals", "ADMIN", "admin", "Admin"},
        {"apostrophe in the password", "clerk", "Pa'ss", "User"},
        {"wrong password", "Admin", "nimda", ""},
        {"unknown user", "nobody", "Admin", ""},
        {"empty pair", "", "", ""},
        {"injection in the password", "Admin", "' or ''='", ""},
        {"injection in both", "' or ''='", "' or ''='", ""},
        {"level is Null", "ghost", "x", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(ds.GetUserLevel(c.user, c.password), c.level);
    }
}

TEST_F(DeprSupportAssetsTest, NoQuoteReplacesEveryApostrophe) {
    DeprSupport ds;
    const struct Case {
        const char* in;
        const char* out;
    } cases[] = {
        {"", ""},     {"plain", "plain"},   {"O'Brien", "O`Brien"},
        {"''", "``"}, {"`kept`", "`kept`"}, {"'a'b'", "`a`b`"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(ds.NoQuote(c.in), c.out);
    }
}

TEST_F(DeprSupportAssetsTest, FailuresArePassedOnWithTheMemberName) {
    DeprSupport ds;
    gConn().reset();
    test::expectPassedOn([&] { ds.GetUserLevel("Admin", "Admin"); }, "DeprSupport", "GetUserLevel");
    test::expectPassedOn([&] { ds.GetAsset(1, 1); }, "DeprSupport", "GetAsset");
    test::expectPassedOn([&] { ds.AddAsset(valueList(1, "A")); }, "DeprSupport", "AddAsset");
}

} // namespace
} // namespace qel
