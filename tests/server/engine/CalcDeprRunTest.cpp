// CalcDepr's runs against the shipped database: the rows they write, the rate tables they read,
// the gain or loss of a sale, and that a refused or failing run leaves the earlier rows as they were.
#include "server/engine/CalcDepr.h"

#include "server/engine/DeprStore.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace qel {
namespace {

constexpr std::int32_t kCompany = 1;
constexpr std::int32_t kAsset = 7;

struct StoredRow {
    std::int64_t year;
    double depr;
    double accum;
    friend bool operator==(const StoredRow&, const StoredRow&) = default;
};

class CalcDeprRun : public ::testing::Test {
protected:
    void SetUp() override {
        threadAutoCaps() = {};
        fresh_.exec("INSERT INTO tblAssets (Asset_num, Company_Id, Asset_name) VALUES (7, 1, 'Press')");
    }

    std::vector<StoredRow> rows(std::int16_t book = 1) const {
        const Recordset rs = fresh_.conn().query(
            "SELECT [year], depr, accum_depr FROM tblDepr WHERE asset_num = ? AND BookId = ? ORDER BY [year]",
            {kAsset, static_cast<int>(book)});
        std::vector<StoredRow> out;
        for (const auto& r : rs.rows())
            out.push_back({r[0].toInt64(), r[1].toDouble(), r[2].toDouble()});
        return out;
    }
    double gainLoss() const {
        return fresh_.value("SELECT gain_loss FROM tblAssets WHERE Asset_num = 7").toDouble();
    }

    // A five-year half-year MACRS run of `basis` in service from March 2010 in the book.
    bool macrs5(double basis, Date sold = Date::noDate(), std::int64_t sale = 0, std::int16_t book = 1,
                const std::string& method = "MACRS", std::int16_t convention = 1,
                Date inService = Date(2010, 3, 1)) {
        return engine_.DoMacrsDepr(basis, 5, 0, kCompany, kAsset, convention, inService, sold, "N", 0, sale,
                                   1, method, book);
    }

    test::FreshDatabase fresh_;
    CalcDepr engine_;
};

TEST_F(CalcDeprRun, FiveYearHalfYearAssetGetsSixRowsOfThePublishedRates) {
    ASSERT_TRUE(macrs5(10000));
    const std::vector<StoredRow> expected = {{2010, 2000, 2000}, {2011, 3200, 5200}, {2012, 1920, 7120},
                                             {2013, 1152, 8272}, {2014, 1152, 9424}, {2015, 576, 10000}};
    const auto stored = rows();
    ASSERT_EQ(stored.size(), expected.size());
    for (std::size_t i = 0; i < stored.size(); ++i) {
        SCOPED_TRACE(stored[i].year);
        EXPECT_EQ(stored[i].year, expected[i].year);
        EXPECT_NEAR(stored[i].depr, expected[i].depr, 1e-9);
        EXPECT_DOUBLE_EQ(stored[i].accum, expected[i].accum);
    }
}

TEST_F(CalcDeprRun, SaleInTheThirdYearHalvesItAndSetsTheGain) {
    ASSERT_TRUE(macrs5(10000, Date(2012, 5, 1), 4000));
    const auto stored = rows();
    ASSERT_EQ(stored.size(), 3u);
    EXPECT_NEAR(stored[2].depr, 960, 1e-9);
    EXPECT_DOUBLE_EQ(stored[2].accum, 6160);
    EXPECT_DOUBLE_EQ(gainLoss(), 4000 + 6160 - 10000);
}

TEST_F(CalcDeprRun, ConventionAndMethodChooseTheRateTable) {
    struct Case {
        const char* name;
        std::int16_t convention;
        int month;
        const char* method;
        double firstRate;
    } cases[] = {
        {"half year", 1, 3, "MACRS", 0.2},
        {"mid-quarter from fiscal month 8 reads the third-quarter table", 2, 8, "MACRS", 0.15},
        {"mid-quarter from fiscal month 3 reads the first-quarter table", 2, 3, "MACRS", 0.35},
        {"MACRS 150 reads the 150 % table", 1, 3, "MACRS 150", 0.15},
        {"another capitalisation reads the plain table", 1, 3, "Macrs 150", 0.2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(macrs5(10000, Date::noDate(), 0, 1, c.method, c.convention, Date(2010, c.month, 1)));
        const auto stored = rows();
        ASSERT_FALSE(stored.empty());
        EXPECT_NEAR(stored.front().depr, c.firstRate * 10000, 1e-9);
        EXPECT_DOUBLE_EQ(stored.back().accum, 10000);
    }
}

TEST_F(CalcDeprRun, RunReplacesTheBooksRowsOnly) {
    ASSERT_TRUE(macrs5(10000));
    ASSERT_TRUE(macrs5(20000, Date::noDate(), 0, 3));
    ASSERT_TRUE(macrs5(5000, Date(2012, 5, 1), 100));
    EXPECT_EQ(rows().size(), 3u);
    EXPECT_DOUBLE_EQ(rows().front().depr, 1000);
    EXPECT_EQ(rows(3).size(), 6u);
    EXPECT_DOUBLE_EQ(rows(3).back().accum, 20000);
}

TEST_F(CalcDeprRun, GainOrLossComesFromTheFederalBookOnly) {
    // Sold in the in-service year: the book keeps no rows and the gain is the sale less the basis,
    // whatever another book holds.
    ASSERT_TRUE(macrs5(20000, Date::noDate(), 0, 3));
    ASSERT_TRUE(macrs5(10000));
    ASSERT_TRUE(macrs5(10000, Date(2010, 9, 1), 9000));
    EXPECT_TRUE(rows().empty());
    EXPECT_DOUBLE_EQ(gainLoss(), 9000 - 10000);

    // An alternative book's run of a sold asset leaves the Federal book's gain alone.
    ASSERT_TRUE(macrs5(10000, Date(2012, 5, 1), 4000));
    ASSERT_TRUE(macrs5(30000, Date(2012, 5, 1), 4000, 3));
    EXPECT_DOUBLE_EQ(gainLoss(), 160);
    EXPECT_TRUE(engine_.DoGainLoss(kAsset, 10000, 5000));
    EXPECT_DOUBLE_EQ(gainLoss(), 1160);
}

TEST_F(CalcDeprRun, SaleAfterTheScheduleStillSetsTheGain) {
    ASSERT_TRUE(macrs5(10000, Date(2019, 6, 1), 700));
    EXPECT_EQ(rows().size(), 6u);
    EXPECT_DOUBLE_EQ(gainLoss(), 700);
}

TEST_F(CalcDeprRun, FormulaRunsWriteTheirRows) {
    ASSERT_TRUE(
        engine_.DoDepr(1200, 5, 4, kCompany, kAsset, Date(2010, 4, 1), Date::noDate(), "S/L", 0, "N", 1, 1));
    std::vector<double> amounts;
    for (const auto& r : rows())
        amounts.push_back(r.depr);
    EXPECT_EQ(amounts, (std::vector<double>{180, 240, 240, 240, 240, 60}));
    EXPECT_DOUBLE_EQ(rows().back().accum, 1200);

    ASSERT_TRUE(engine_.DoDepr(100000, 39, 3, kCompany, kAsset, Date(2010, 7, 1), Date::noDate(), "Macrs39",
                               0, "N", 1, 5));
    const auto building = rows(5);
    ASSERT_EQ(building.size(), 40u);
    EXPECT_NEAR(building.front().depr, 1177, 1e-6);
    EXPECT_NEAR(building[20].depr, 2564, 1e-6);
    EXPECT_NEAR(building.back().depr, 1391, 1e-6);
    EXPECT_EQ(building.back().year, 2049);
    EXPECT_DOUBLE_EQ(building.back().accum, 100000);
}

TEST_F(CalcDeprRun, RefusedInputLeavesTheEarlierRowsUntouched) {
    ASSERT_TRUE(macrs5(10000));
    ASSERT_TRUE(macrs5(10000, Date::noDate(), 0, 4));
    const auto before = rows();
    const auto beforeState = rows(4);
    const Date march(2010, 3, 1);
    const Date none = Date::noDate();
    struct Case {
        const char* name;
        const char* operation;
        std::function<void()> call;
    } cases[] = {
        {"life below 1", "DoMacrsDepr",
         [&] { engine_.DoMacrsDepr(10000, 0, 0, 1, 7, 1, march, none, "N", 0, 0, 1, "MACRS", 1); }},
        {"no rates for the life", "DoMacrsDepr",
         [&] { engine_.DoMacrsDepr(10000, 27.5, 0, 1, 7, 1, march, none, "N", 0, 0, 1, "MACRS", 1); }},
        {"no 150 % rates for the life", "DoMacrsDepr",
         [&] { engine_.DoMacrsDepr(10000, 25, 0, 1, 7, 1, march, none, "N", 0, 0, 1, "MACRS 150", 1); }},
        {"unknown convention", "DoMacrsDepr",
         [&] { engine_.DoMacrsDepr(10000, 5, 0, 1, 7, 7, march, none, "N", 0, 0, 1, "MACRS", 1); }},
        {"vehicle without business use", "DoMacrsDepr",
         [&] { engine_.DoMacrsDepr(10000, 5, 0, 1, 7, 1, march, none, "G", 0, 0, 0, "MACRS", 1); }},
        {"sold before in service", "DoMacrsDepr",
         [&] {
             engine_.DoMacrsDepr(10000, 5, 0, 1, 7, 1, march, Date(2009, 1, 1), "N", 0, 0, 1, "MACRS", 1);
         }},
        {"unknown book", "DoMacrsDepr",
         [&] { engine_.DoMacrsDepr(10000, 5, 0, 1, 7, 1, march, none, "N", 0, 0, 1, "MACRS", 2); }},
        {"method the formula run does not compute", "DoDepr",
         [&] { engine_.DoDepr(10000, 5, 1, 1, 7, march, none, "MACRS", 0, "N", 1, 1); }},
        {"ADS without a convention", "DoDepr",
         [&] { engine_.DoDepr(10000, 5, 4, 1, 7, march, none, "ADS", 0, "N", 1, 4); }},
        {"vehicle with a basis of 0", "DoDepr",
         [&] { engine_.DoDepr(0, 5, 1, 1, 7, march, none, "S/L", 0, "T", 1, 1); }},
        {"formula life 0", "DoDepr",
         [&] { engine_.DoDepr(10000, 0, 1, 1, 7, march, none, "S/L", 0, "N", 1, 1); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            c.call();
            ADD_FAILURE() << "accepted";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kPassedThrough);
            EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
            EXPECT_EQ(e.helpFile(), "CalcDepr");
            EXPECT_EQ(e.helpContext(), c.operation);
            // The reason is told in the engine's words, never as the statement it spared.
            EXPECT_EQ(e.description().find("no such column"), std::string::npos) << e.description();
            EXPECT_EQ(e.description().find("Select"), std::string::npos) << e.description();
        }
        EXPECT_EQ(rows(), before);
        EXPECT_EQ(rows(4), beforeState);
    }
}

TEST_F(CalcDeprRun, FailurePartWayLeavesThePreviousRowsAndGain) {
    ASSERT_TRUE(macrs5(10000, Date(2012, 5, 1), 4000));
    const auto before = rows();
    fresh_.exec("CREATE TRIGGER refuse2011 BEFORE INSERT ON tblDepr WHEN NEW.[year] = 2011 "
                "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");
    try {
        macrs5(50000, Date(2013, 5, 1), 1);
        FAIL() << "the insert of 2011 must fail";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_NE(e.description().find("the disk is full"), std::string::npos);
    }
    EXPECT_EQ(rows(), before);
    EXPECT_DOUBLE_EQ(gainLoss(), 160);
}

TEST_F(CalcDeprRun, RunInsideACallersTransactionRollsBackWithIt) {
    ASSERT_TRUE(macrs5(10000));
    const auto before = rows();
    {
        Transaction outer(fresh_.conn());
        ASSERT_TRUE(macrs5(30000));
        EXPECT_DOUBLE_EQ(rows().back().accum, 30000);
    }
    EXPECT_EQ(rows(), before);
}

TEST_F(CalcDeprRun, BatchRunsShareTheCallersTransaction) {
    EXPECT_THROW(DeprBatch(fresh_.conn()), ServerError);

    ASSERT_TRUE(macrs5(10000));
    const auto before = rows();
    {
        Transaction tx(fresh_.conn());
        DeprBatch batch(fresh_.conn());
        // A refused run writes nothing, so the batch goes on.
        EXPECT_THROW(macrs5(10000, Date(2009, 1, 1)), ServerError);
        EXPECT_FALSE(batch.broken());
        EXPECT_EQ(rows(), before);
        ASSERT_TRUE(macrs5(30000));
        EXPECT_DOUBLE_EQ(rows().back().accum, 30000);

        // A failure part-way through the writes can not be undone by the run: the batch is broken.
        fresh_.exec("CREATE TRIGGER refuse2012 BEFORE INSERT ON tblDepr WHEN NEW.[year] = 2012 "
                    "BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");
        EXPECT_THROW(macrs5(50000), ServerError);
        EXPECT_TRUE(batch.broken());
    }
    // The caller's rollback takes every run of the batch back.
    EXPECT_EQ(rows(), before);
}

// Replacing a book's rows updates the years the new schedule keeps in place; the result is
// always exactly the new rows, whatever was stored before.
TEST_F(CalcDeprRun, ReplacingRowsLeavesExactlyTheNewOnes) {
    using depr::Row;
    struct Case {
        const char* name;
        std::vector<std::tuple<int, int, double>> before; // company, year, depr
        std::vector<Row> rows;
    } cases[] = {
        {"nothing stored", {}, {{2010, 100, 100}, {2011, 200, 300}}},
        {"the same years", {{1, 2010, 1}, {1, 2011, 2}}, {{2010, 100, 100}, {2011, 200, 300}}},
        {"fewer years", {{1, 2009, 1}, {1, 2010, 1}, {1, 2011, 2}, {1, 2012, 3}}, {{2010, 100, 100}}},
        {"more years", {{1, 2011, 2}}, {{2010, 100, 100}, {2011, 200, 300}, {2012, 50, 350}}},
        {"rows of another company", {{2, 2010, 1}, {2, 2011, 2}}, {{2010, 100, 100}, {2011, 200, 300}}},
        {"a year left out", {{1, 2010, 1}, {1, 2011, 2}, {1, 2012, 3}}, {{2010, 100, 100}, {2012, 50, 150}}},
        {"no rows", {{1, 2010, 1}}, {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fresh_.exec("DELETE FROM tblDepr");
        for (const auto& [company, year, amount] : c.before)
            fresh_.exec(
                "INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) VALUES (" +
                std::to_string(company) + ", 4, 7, " + std::to_string(year) + ", " + std::to_string(amount) +
                ", 0)");
        fresh_.exec("INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) "
                    "VALUES (1, 1, 7, 2010, 5, 5), (1, 4, 8, 2010, 5, 5)");
        DeprStore(fresh_.conn()).replaceRows(kCompany, 4, kAsset, c.rows);

        std::vector<StoredRow> expected;
        for (const Row& r : c.rows)
            expected.push_back({r.year, r.depr, r.accum});
        EXPECT_EQ(rows(4), expected);
        EXPECT_EQ(
            fresh_
                .value("SELECT count(*) FROM tblDepr WHERE BookId = 4 AND asset_num = 7 AND client_num <> 1")
                .toInt64(),
            0);
        EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblDepr WHERE BookId <> 4 OR asset_num <> 7").toInt64(),
                  2);
    }
}

TEST_F(CalcDeprRun, ZeroListedLeavesOneRowOfNothing) {
    ASSERT_TRUE(macrs5(10000));
    ASSERT_TRUE(engine_.DoZeroListed(kCompany, kAsset, Date(2011, 2, 1), 1));
    ASSERT_TRUE(engine_.DoZeroListed(kCompany, kAsset, Date(2011, 2, 1), 1));
    EXPECT_EQ(rows(), (std::vector<StoredRow>{{2011, 0, 0}}));
    EXPECT_THROW(engine_.DoZeroListed(kCompany, kAsset, Date(2011, 2, 1), 0), ServerError);
    EXPECT_EQ(rows().size(), 1u);
}

} // namespace
} // namespace qel
