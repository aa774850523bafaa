// Storing and deleting an asset on a fixture database: every kept book gets its row and its
// schedule, a book not given is untouched, a method that computes nothing leaves no stale rows, a
// database that refuses any statement of a save or a deletion leaves every table as it was, and a
// deletion empties the five tables for that asset only.
#include "app/assets/rules/AssetStore.h"

#include "common/ServerError.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>

namespace qel::assets {
namespace {

const char* const kTables[] = {"tblAssets", "tblAssetDescription", "tblDepr", "tblPeriodDepr",
                               "tblBookMethods"};

// Every row of the five tables of an asset, as text, in storage order.
std::map<std::string, std::vector<std::string>> contents(const test::FreshDatabase& db) {
    std::map<std::string, std::vector<std::string>> all;
    for (const char* table : kTables) {
        Recordset rs = db.conn().query(std::string("SELECT * FROM ") + table + " ORDER BY rowid");
        for (const RecordsetRow row : rs.rows()) {
            std::string line;
            for (const Variant& v : row)
                line += v.toString() + "|";
            all[table].push_back(line);
        }
    }
    return all;
}

std::int64_t count(const test::FreshDatabase& db, const std::string& where) {
    return db.value("SELECT count(*) FROM " + where).toInt64();
}

class AssetStoreTest : public ::testing::Test {
protected:
    void SetUp() override { company = test::addCompany("Books"); }

    // A 7-year MACRS desk of 1000 dollars placed in service in March 2024.
    AssetSave desk() const {
        AssetSnapshot a;
        a.description = "Desk";
        a.inService = "03/2024";
        a.sold = kEmptyMonth;
        a.cost = "1000";
        a.method = "MACRS";
        a.methodId = test::kMacrs;
        a.life = "7";
        a.businessPercent = "100";
        a.conventionId = test::kHalfYear;
        a.methodCaption = "200 DB";
        a.bookCost = "1000";
        a.bookLife = "5";
        a.tagNbr = "T1";
        AssetSave save;
        save.record = AssetRecordOf(a, company, 12);
        save.description = AssetDescriptionOf(a);
        return save;
    }

    static BookValues book(std::int16_t id, const char* method, const char* life, const char* cost) {
        BookColumn c;
        c.methodId = 1;
        c.life = life;
        c.cost = cost;
        c.businessPercent = "100";
        c.conventionId = test::kHalfYear;
        return BookValuesOf(id, c, method, "");
    }

    std::int32_t store(const AssetSave& save) const {
        SaveStep step{};
        return StoreAsset(save, step);
    }

    test::FreshDatabase db;
    std::int32_t company = 0;
};

TEST_F(AssetStoreTest, EveryBookGivenGetsItsRowAndSchedule) {
    AssetSave save = desk();
    save.books = {book(kAmtBook, "MACRS", "5", "900"), book(kStateBook, "S/L", "10", "800"),
                  book(kOtherBook, "Non-Depr", "0", "700")};
    const std::int32_t asset = store(save);
    const std::string a = std::to_string(asset);
    EXPECT_EQ(count(db, "tblAssets WHERE Asset_num = " + a +
                            " AND Asset_name = 'Desk' AND Company_Id = " + std::to_string(company)),
              1);
    EXPECT_EQ(count(db, "tblAssetDescription WHERE [Asset ID] = " + a + " AND [Tag Number] = 'T1'"), 1);
    EXPECT_EQ(count(db, "tblDepr WHERE asset_num = " + a + " AND BookId = 1"), 8);
    EXPECT_EQ(count(db, "tblDepr WHERE asset_num = " + a + " AND BookId = 3"), 6);
    EXPECT_EQ(count(db, "tblDepr WHERE asset_num = " + a + " AND BookId = 4"), 11);
    EXPECT_EQ(count(db, "tblDepr WHERE asset_num = " + a + " AND BookId = 5"), 0);
    EXPECT_EQ(count(db, "tblBookMethods WHERE AssetId = " + a), 3);
    EXPECT_EQ(
        db.value("SELECT max(accum_depr) FROM tblDepr WHERE asset_num = " + a + " AND BookId = 3").toDouble(),
        900);
    EXPECT_EQ(db.value("SELECT Actual_Method FROM tblBookMethods WHERE AssetId = " + a + " AND BookId = 4")
                  .toString(),
              "S/L ");
}

TEST_F(AssetStoreTest, ABookNotGivenIsUntouched) {
    AssetSave save = desk();
    save.books = {book(kAmtBook, "MACRS", "5", "900"), book(kOtherBook, "MACRS", "5", "700")};
    save.storedAsset = store(save);
    const std::string a = std::to_string(save.storedAsset);
    const Recordset otherBefore =
        db.conn().query("SELECT * FROM tblDepr WHERE asset_num = " + a + " AND BookId = 5");
    // The company no longer keeps the Other book; AMT changes.
    save.books = {book(kAmtBook, "MACRS", "7", "950")};
    store(save);
    const Recordset otherAfter =
        db.conn().query("SELECT * FROM tblDepr WHERE asset_num = " + a + " AND BookId = 5");
    EXPECT_EQ(otherAfter.rows(), otherBefore.rows());
    EXPECT_EQ(count(db, "tblBookMethods WHERE AssetId = " + a + " AND BookId = 5 AND Cost = 700"), 1);
    EXPECT_EQ(count(db, "tblBookMethods WHERE AssetId = " + a + " AND BookId = 3 AND Cost = 950"), 1);
    EXPECT_EQ(count(db, "tblDepr WHERE asset_num = " + a + " AND BookId = 3"), 8);
}

TEST_F(AssetStoreTest, AMethodThatComputesNothingLeavesNoStaleRows) {
    AssetSave save = desk();
    save.books = {book(kAmtBook, "MACRS", "5", "900"), book(kStateBook, "Listed", "5", "900")};
    save.storedAsset = store(save);
    const std::string a = std::to_string(save.storedAsset);
    ASSERT_GT(count(db, "tblDepr WHERE asset_num = " + a), 0);

    save.record.method = "Non-Depr";
    save.record.methodId = test::kNonDepr;
    BookValues zeroBasis = book(kAmtBook, "MACRS", "5", "900");
    zeroBasis.salvage = 900;
    zeroBasis.costBasis = 0;
    BookValues listed179 = book(kStateBook, "Listed", "5", "900");
    listed179.section179 = 900;
    listed179.costBasis = 0;
    save.books = {zeroBasis, listed179};
    store(save);
    EXPECT_EQ(count(db, "tblDepr WHERE asset_num = " + a + " AND BookId IN (1, 3)"), 0);
    // Listed property whose basis went to section 179 keeps its one row of 0.
    EXPECT_EQ(count(db, "tblDepr WHERE asset_num = " + a + " AND BookId = 4 AND depr = 0 AND [year] = 2024"),
              1);
    EXPECT_EQ(count(db, "tblDepr WHERE asset_num = " + a + " AND BookId = 4"), 1);
}

TEST_F(AssetStoreTest, ARefusedStatementLeavesNothingOfTheSave) {
    struct Case {
        const char* name;
        const char* trigger; // BEFORE ... ON the table, WHEN
        SaveStep step;
    } cases[] = {
        {"AssetRow", "INSERT ON tblAssets", SaveStep::Asset},
        {"AssetUpdate", "UPDATE ON tblAssets", SaveStep::Asset},
        {"FederalSchedule", "INSERT ON tblDepr WHEN NEW.BookId = 1", SaveStep::TaxDepreciation},
        {"StateRow", "INSERT ON tblBookMethods WHEN NEW.BookId = 4", SaveStep::Books},
        {"OtherSchedule", "INSERT ON tblDepr WHEN NEW.BookId = 5", SaveStep::Books},
        {"DescriptionRow", "UPDATE ON tblAssetDescription", SaveStep::Description},
    };
    for (const Case& c : cases) {
        for (const bool update : {false, true}) {
            SCOPED_TRACE(std::string(c.name) + (update ? " of a stored asset" : " of a new asset"));
            AssetSave save = desk();
            save.books = {book(kAmtBook, "MACRS", "5", "900"), book(kStateBook, "S/L", "10", "800"),
                          book(kOtherBook, "MACRS", "5", "700")};
            if (update) {
                save.storedAsset = store(save);
                save.record.cost = 2000;
                save.record.costBasis = 2000;
                save.books[0].costBasis = 950;
                save.description.tagNbr = "T2";
            }
            const auto before = contents(db);
            db.exec(std::string("CREATE TRIGGER refuse BEFORE ") + c.trigger +
                    " BEGIN SELECT RAISE(ABORT, 'refused by the fixture'); END");
            // A trigger the save never meets (an update of a new asset, an insert for a stored one).
            const std::string name = c.name;
            const bool met = !(name == "AssetUpdate" && !update) && !(name == "AssetRow" && update);
            SaveStep step{};
            try {
                StoreAsset(save, step);
                EXPECT_FALSE(met);
            } catch (const ServerError& e) {
                EXPECT_TRUE(met);
                EXPECT_NE(e.description().find("refused by the fixture"), std::string::npos);
                EXPECT_EQ(step, c.step);
                EXPECT_EQ(contents(db), before);
            }
            db.exec("DROP TRIGGER refuse");
        }
    }
}

TEST_F(AssetStoreTest, AnUpdateOfAnAssetNoLongerStoredIsRefused) {
    AssetSave save = desk();
    save.storedAsset = 999999;
    const auto before = contents(db);
    SaveStep step{};
    EXPECT_THROW(StoreAsset(save, step), ServerError);
    EXPECT_EQ(contents(db), before);
}

TEST_F(AssetStoreTest, DeletionEmptiesTheFiveTablesForThatAssetOnly) {
    const std::int32_t otherCompany = test::addCompany("Other");
    AssetSave save = desk();
    save.books = {book(kAmtBook, "MACRS", "5", "900")};
    const std::int32_t gone = store(save);
    const std::int32_t kept = store(save);
    save.record.companyId = otherCompany;
    const std::int32_t elsewhere = store(save);
    for (const std::int32_t asset : {gone, kept})
        test::addPeriod(company, asset, "202403", 10, 10, 0);
    test::addPeriod(otherCompany, elsewhere, "202403", 10, 10, 0);
    auto before = contents(db);

    StoreAssetDeletion(gone, company);
    const std::string g = std::to_string(gone);
    for (const std::string& where :
         {"tblAssets WHERE Asset_num = " + g, "tblAssetDescription WHERE [Asset ID] = " + g,
          "tblDepr WHERE asset_num = " + g, "tblPeriodDepr WHERE asset_num = " + g,
          "tblBookMethods WHERE AssetId = " + g})
        EXPECT_EQ(count(db, where), 0) << where;
    auto after = contents(db);
    for (const char* table : kTables) {
        SCOPED_TRACE(table);
        // Exactly the deleted asset's rows went.
        std::vector<std::string> remaining;
        for (const std::string& row : before[table])
            if (std::find(after[table].begin(), after[table].end(), row) != after[table].end())
                remaining.push_back(row);
        EXPECT_EQ(remaining, after[table]);
        EXPECT_GT(after[table].size(), 0u);
    }

    // Another company's asset: refused, nothing deleted, its description row included.
    before = contents(db);
    EXPECT_THROW(StoreAssetDeletion(elsewhere, company), ServerError);
    EXPECT_EQ(contents(db), before);

    // A refused statement part-way leaves the asset whole.
    db.exec("CREATE TRIGGER refuse BEFORE DELETE ON tblPeriodDepr BEGIN SELECT RAISE(ABORT, 'refused'); END");
    EXPECT_THROW(StoreAssetDeletion(kept, company), ServerError);
    EXPECT_EQ(contents(db), before);
}

} // namespace
} // namespace qel::assets
