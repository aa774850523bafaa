// CalcDepr against the shipped database, apart from the runs: the vehicle caps and business use
// (and a vehicle run that uses them), the continuations, the one-value query and the financial
// book's straight-line schedule in txtMisc.
#include "server/engine/CalcDepr.h"

#include "server/engine/DeprStore.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

class CalcDeprLookup : public ::testing::Test {
protected:
    void SetUp() override {
        threadAutoCaps() = {};
        fresh_.exec(
            "INSERT INTO tblAssets (Asset_num, Company_Id, Asset_name, vehicle_num) VALUES (7, 1, 'Van', 1)");
        // Caps of a year no published table uses, so the shipped rows do not matter.
        fresh_.exec(
            "INSERT INTO tblMaxAuto ([Year], Type, [Yr 1 + 30%], [Yr 1 + 50%], [Max Year 1], [Max Year 2], "
            "[Max Year 3], [Max Year 4]) VALUES (2090, 'Gas', 0, 11060, 3060, 4900, 2950, 1775)");
    }

    void addUse(int year, double fraction) const {
        fresh_.exec(
            "INSERT INTO tblAutoUse (Company_Id, [year], [Vehicle #], bpercent, asset_id) VALUES (1, " +
            std::to_string(year) + ", 1, " + std::to_string(fraction) + ", 7)");
    }

    std::vector<std::pair<std::int64_t, double>> rows(int book = 1) const {
        const Recordset rs = fresh_.conn().query(
            "SELECT [year], depr FROM tblDepr WHERE asset_num = 7 AND BookId = ? ORDER BY [year]", {book});
        std::vector<std::pair<std::int64_t, double>> out;
        for (const auto& r : rs.rows())
            out.emplace_back(r[0].toInt64(), r[1].toDouble());
        return out;
    }

    test::FreshDatabase fresh_;
    CalcDepr engine_;
};

TEST_F(CalcDeprLookup, AutoMaxRatesLoadTheCapsAndAnswerTheFirstYearLimit) {
    struct Case {
        const char* name;
        const char* code;
        std::int16_t year;
        std::int16_t bonus;
        std::int32_t result;
    } cases[] = {
        {"no bonus", "G", 2090, 0, 3060},
        {"50 % bonus", "G", 2090, 5, 11060},
        {"30 % bonus without its cap", "G", 2090, 3, -3},
        {"a year without a row", "G", 2091, 0, 0},
        {"no vehicle", "N", 2090, 0, 0},
        {"a shipped year", "G", 2010, 0, 3060},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(engine_.GetAutoMaxRates(c.code, c.year, c.bonus), c.result);
    }
    // The -3 answer loaded the caps all the same, and the year without a row kept them.
    threadAutoCaps() = {};
    engine_.GetAutoMaxRates("G", 2090, 3);
    engine_.GetAutoMaxRates("G", 2091, 0);
    EXPECT_DOUBLE_EQ(threadAutoCaps().amount[1], 3060);
    EXPECT_DOUBLE_EQ(threadAutoCaps().amount[4], 1775);
    EXPECT_DOUBLE_EQ(threadAutoCaps().amount[6], 11060);
    EXPECT_EQ(threadAutoCaps().bonusCode, 3);
}

TEST_F(CalcDeprLookup, EmptyCapFailsAndIsPassedOn) {
    fresh_.exec("UPDATE tblMaxAuto SET [Max Year 3] = NULL WHERE [Year] = 2090");
    try {
        engine_.GetAutoMaxRates("G", 2090, 0);
        FAIL() << "an empty cap must fail";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.helpContext(), "GetAutoMaxRates");
    }
}

TEST_F(CalcDeprLookup, BusinessPercentIsTheYearsUseOrNothing) {
    addUse(2011, 0.6);
    EXPECT_DOUBLE_EQ(engine_.GetBusinessPercent(2011, 1, 7), 0.6);
    EXPECT_DOUBLE_EQ(engine_.GetBusinessPercent(2012, 1, 7), 0);
    EXPECT_DOUBLE_EQ(engine_.GetBusinessPercent(2011, 2, 7), 0);
}

TEST_F(CalcDeprLookup, VehicleRunUsesTheLoadedCapsAndTheYearsUse) {
    // The vehicle is placed in service in the year of the caps loaded: a run only takes caps
    // loaded for its own in-service year (see VehicleRunWithoutItsCapsIsRefused).
    ASSERT_EQ(engine_.GetAutoMaxRates("G", 2090, 0), 3060);
    addUse(2091, 0.6);
    ASSERT_TRUE(engine_.DoMacrsDepr(50000, 5, 0, 1, 7, 1, Date(2090, 3, 1), Date::noDate(), "G", 0, 0, 1,
                                    "MACRS", 1));
    const auto stored = rows();
    ASSERT_EQ(stored.size(), 26u);
    EXPECT_DOUBLE_EQ(stored[0].second, 3060);
    EXPECT_DOUBLE_EQ(stored[1].second, 0.6 * 4900);
    EXPECT_DOUBLE_EQ(stored[2].second, 2950);
    EXPECT_DOUBLE_EQ(stored[10].second, 1775);
    EXPECT_DOUBLE_EQ(stored.back().second, 40);
    EXPECT_EQ(stored.back().first, 2115);
}

TEST_F(CalcDeprLookup, ContinuationsAddRowsWithoutDeletingAny) {
    // The balance of 4000 is basis at full use: 2017 at half use deducts 887.50 but uses up the
    // full 1775 of it, so 450 is left for 2018 (the balance once counted only the 887.50, which
    // took 1337 in 2018 and deducted more than the business basis). Vehicle rows keep their
    // cents, in the accumulated amount as well.
    addUse(2017, 0.5);
    engine_.FinishAutoDepr_P(0, 16235, 1775, 2016, 1, 7, 0, 1, 0, 4000, 3);
    EXPECT_EQ(rows(3),
              (std::vector<std::pair<std::int64_t, double>>{{2016, 1775}, {2017, 887.5}, {2018, 450}}));
    EXPECT_DOUBLE_EQ(fresh_.value("SELECT max(accum_depr) FROM tblDepr WHERE BookId = 3").toDouble(),
                     16235 + 1775 + 887.5 + 450);

    // Sold in 2017: nothing after the sale year.
    engine_.FinishAutoDepr_P(0, 0, 1775, 2016, 1, 7, 0, 1, 2017, 40000, 4);
    EXPECT_EQ(rows(4).size(), 2u);

    // The older continuation names no book; its rows belong to the Federal book.
    engine_.FinishAutoDepr(5000, 1000, 1775, 2016, 1, 7);
    EXPECT_EQ(rows(1),
              (std::vector<std::pair<std::int64_t, double>>{{2016, 1775}, {2017, 1775}, {2018, 450}}));

    // A yearly amount of 0 adds nothing and ends.
    engine_.FinishAutoDepr_P(0, 0, 0, 2030, 1, 7, 0, 1, 0, 40000, 5);
    EXPECT_TRUE(rows(5).empty());
}

TEST_F(CalcDeprLookup, ReturnDoublePassesItsErrorsOnUnchanged) {
    EXPECT_DOUBLE_EQ(engine_.ReturnDouble("SELECT Cost FROM tblAssets WHERE Asset_num = 99"), 0);
    EXPECT_DOUBLE_EQ(engine_.ReturnDouble("SELECT 2.5"), 2.5);
    try {
        engine_.ReturnDouble("SELECT NULL");
        FAIL() << "Null is no number";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), 94);
    }
    try {
        engine_.ReturnDouble("SELECT nothing FROM nowhere");
        FAIL() << "a bad statement must fail";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kErrSqlCommand);
        EXPECT_EQ(e.kind(), ErrorKind::Sql);
    }
}

TEST_F(CalcDeprLookup, StraightLineScheduleFillsTheWorkTable) {
    auto workTable = [&] {
        const Recordset rs = fresh_.conn().query("SELECT txtfield1, numField1, numField2 FROM txtMisc");
        std::vector<std::tuple<std::string, double, double>> out;
        for (const auto& r : rs.rows())
            out.emplace_back(r[0].toString(), r[1].toDouble(), r[2].toDouble());
        return out;
    };
    std::int16_t year = 2010;
    ASSERT_TRUE(engine_.CreateSLSchdeule(1200, 5, year, 4, 0, 0));
    EXPECT_EQ(year, 2016);
    const std::vector<std::tuple<std::string, double, double>> expected = {
        {"2010", 180, 180}, {"2011", 240, 420},  {"2012", 240, 660},
        {"2013", 240, 900}, {"2014", 240, 1140}, {"2015", 60, 1200}};
    EXPECT_EQ(workTable(), expected);

    // Sold in 2012, month 6: the sale year keeps half its amount and is the last.
    year = 2010;
    ASSERT_TRUE(engine_.CreateSLSchdeule(1200, 5, year, 4, 2012, 6));
    EXPECT_EQ(workTable().size(), 3u);
    EXPECT_EQ(std::get<1>(workTable().back()), 120);
    EXPECT_EQ(year, 2012);

    // A life below 1 is refused with its own error, and the last schedule stays.
    year = 2010;
    try {
        engine_.CreateSLSchdeule(1200, 0, year, 4, 0, 0);
        FAIL() << "a life of 0 must be refused";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kErrInvalidArgument);
    }
    EXPECT_EQ(workTable().size(), 3u);
    EXPECT_EQ(year, 2010);

    // A cost of 1 or less empties the table.
    ASSERT_TRUE(engine_.CreateSLSchdeule(1, 5, year, 4, 0, 0));
    EXPECT_TRUE(workTable().empty());
}

} // namespace
} // namespace qel
