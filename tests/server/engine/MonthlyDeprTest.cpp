// Tests of MonthlyDepr: posting, finding and deleting the financial book's fiscal periods.
//
// The company under test closes its fiscal year in June, so fiscal month 01 of fiscal year 2012
// is the calendar month July 2011; the assets carry fiscal dates, as the asset form stores them.
// A second company with a calendar year shows that one company's postings leave the other alone.
#include "server/engine/MonthlyDepr.h"

#include "common/SqlLiteral.h"
#include "server/support/AssetCodes.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace qel {
namespace {

constexpr std::int32_t kHarbour = 2; // fiscal year ends in June
constexpr std::int32_t kOther = 3;   // fiscal year ends in December

// An asset's financial-book columns as a test arranges them.
struct BookAsset {
    Date start;                   // fiscal_start_date
    double life = 5;              // book_life, years
    double bookCost = 6000;       // 100 a month over five years
    bool catchUp = false;         // Do_Depr_adj
    Date sold = Date::noDate();   // fiscal_sold_date
    std::optional<Date> end = {}; // fiscal_end_date; by default start plus the whole book life
    double taxCost = 0;           // Cost
    std::int32_t company = kHarbour;
};

struct Amounts {
    double depr;
    double accum;
};

std::string number(double value) {
    char text[32];
    std::snprintf(text, sizeof text, "%.17g", value);
    return text;
}

class MonthlyDeprTest : public ::testing::Test {
protected:
    MonthlyDeprTest() {
        test::addCompany(kHarbour, "Harbour Ltd", 6);
        test::addCompany(kOther, "Other Co", 12);
    }

    std::int64_t add(const BookAsset& a) {
        const Date end = a.end ? *a.end : a.start.addMonths(12 * static_cast<int>(a.life));
        return test::addAsset({.name = "Asset",
                               .company = a.company,
                               .cost = a.taxCost,
                               .fiscalStart = a.start.toIso(),
                               .fiscalEnd = end.toIso(),
                               .sold = a.sold.toIso(),
                               .account = 7,
                               .bookLife = a.life,
                               .bookCost = a.bookCost,
                               .catchUp = a.catchUp});
    }

    // Posts every period from the company's next one through `last`.
    void postThrough(const std::string& last, std::int32_t company = kHarbour) {
        for (std::string p = monthly.GetNextFiscalPeriod(company); p <= last;
             p = monthly.GetNextFiscalPeriod(company)) {
            ASSERT_FALSE(p.empty());
            monthly.DoMonthlyDepr(p, company);
        }
    }

    std::optional<Amounts> row(std::int64_t asset, const std::string& period) const {
        const Recordset rs = fresh.conn().query(
            "SELECT depr, accum_depr FROM tblPeriodDepr WHERE asset_num = " + sqlNumber(asset) +
            " AND period = " + sqlText(period));
        if (rs.IsEOF())
            return std::nullopt;
        return Amounts{rs[0].toDouble(), rs[1].toDouble()};
    }

    std::int64_t rowCount(std::int64_t asset) const {
        return fresh.value("SELECT count(*) FROM tblPeriodDepr WHERE asset_num = " + sqlNumber(asset))
            .toInt64();
    }

    // The number of the company's rows in periods after `period`.
    std::int64_t rowsAfter(const std::string& period, std::int32_t company) const {
        return fresh
            .value("SELECT count(*) FROM tblPeriodDepr WHERE client_num = " + sqlNumber(company) +
                   " AND period > " + sqlText(period))
            .toInt64();
    }

    Date mark(const char* column, std::int32_t company = kHarbour) const {
        return fresh
            .value(std::string("SELECT ") + column + " FROM tblCompany WHERE id = " + sqlNumber(company))
            .toDate();
    }

    // Everything a posting or deletion writes, as text lines: the period rows (amounts to the
    // last bit), the companies' posting marks and the assets' processing marks.
    std::vector<std::string> snapshot() const {
        std::vector<std::string> lines;
        const Recordset rows =
            fresh.conn().query("SELECT client_num, asset_num, period, depr, accum_depr, id_acct "
                               "FROM tblPeriodDepr ORDER BY client_num, asset_num, period");
        for (const auto& r : rows.rows())
            lines.push_back(r[0].toString() + " " + r[1].toString() + " " + r[2].toString() + " " +
                            number(r[3].toDouble()) + " " + number(r[4].toDouble()) + " " + r[5].toString());
        const Recordset companies =
            fresh.conn().query("SELECT id, firstperiod, dtPeriod FROM tblCompany ORDER BY id");
        for (const auto& r : companies.rows())
            lines.push_back("company " + r[0].toString() + " " + r[1].toString() + " " + r[2].toString());
        const Recordset assets =
            fresh.conn().query("SELECT Asset_num, depr_adj FROM tblAssets ORDER BY Asset_num");
        for (const auto& r : assets.rows())
            lines.push_back("asset " + r[0].toString() + " " + r[1].toString());
        return lines;
    }

    test::FreshDatabase fresh;
    MonthlyDepr monthly;
};

// Runs body, which must fail as a MonthlyDepr operation fails, with the given kind of cause.
template <typename Body> void expectRefused(Body&& body, const char* operation, ErrorKind kind) {
    try {
        body();
        ADD_FAILURE() << operation << " did not fail";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.helpFile(), "MonthlyDepr");
        EXPECT_EQ(e.helpContext(), operation);
        EXPECT_EQ(e.kind(), kind) << e.description();
        EXPECT_FALSE(e.description().empty());
    }
}

TEST_F(MonthlyDeprTest, MonthRowsFollowServiceSaleAndBookLife) {
    const auto first = add({.start = Date(2012, 1, 1)});
    const auto placed = add({.start = Date(2012, 3, 1)});
    const auto sold = add({.start = Date(2012, 1, 1), .sold = Date(2012, 4, 1)});
    const auto noLife = add({.start = Date(2012, 1, 1), .life = 0, .catchUp = true, .end = Date::noDate()});
    const auto other = add({.start = Date(2012, 1, 1), .company = kOther});

    EXPECT_EQ(monthly.GetNextFiscalPeriod(kHarbour), "201201");
    postThrough("201204");

    const struct {
        const char* name;
        std::int64_t asset;
        const char* period;
        std::optional<Amounts> expected;
    } cases[] = {
        {"first month", first, "201201", Amounts{100, 100}},
        {"chained", first, "201204", Amounts{100, 400}},
        {"before service", placed, "201202", std::nullopt},
        {"placed in service in the period: one month", placed, "201203", Amounts{100, 100}},
        {"month before the sale", sold, "201203", Amounts{100, 300}},
        {"sale in the period: no row", sold, "201204", std::nullopt},
        {"book life 0", noLife, "201201", std::nullopt},
        {"other company untouched", other, "201201", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = row(c.asset, c.period);
        ASSERT_EQ(r.has_value(), c.expected.has_value());
        if (r) {
            EXPECT_DOUBLE_EQ(r->depr, c.expected->depr);
            EXPECT_DOUBLE_EQ(r->accum, c.expected->accum);
        }
    }
    EXPECT_EQ(rowCount(noLife), 0);
    EXPECT_EQ(mark("firstperiod"), Date(2012, 1, 1));
    EXPECT_EQ(mark("dtPeriod"), Date(2012, 4, 1));
    EXPECT_EQ(monthly.GetFirstFiscalDate(kHarbour), "2012-01-01");
    EXPECT_EQ(monthly.GetNextFiscalPeriod(kHarbour), "201205");
    EXPECT_EQ(mark("dtPeriod", kOther), Date::noDate());
    EXPECT_EQ(fresh
                  .value("SELECT count(*) FROM tblAssets WHERE depr_adj <> -1 AND Company_Id = " +
                         sqlNumber(kHarbour))
                  .toInt64(),
              0);
    EXPECT_EQ(fresh.value("SELECT depr_adj FROM tblAssets WHERE Asset_num = " + sqlNumber(other)).toInt64(),
              0);
}

TEST_F(MonthlyDeprTest, LastMonthBringsTheAccumulationToBookCostAcrossTheYearEnd) {
    // 1000 over twelve months does not add up exactly in floating point; the end month does.
    const auto oneYear = add({.start = Date(2012, 1, 1), .life = 1, .bookCost = 1000});
    const auto fiveYears = add({.start = Date(2012, 3, 1)});
    postThrough("201302");

    EXPECT_EQ(rowCount(oneYear), 13); // the start month to the end month, both included
    EXPECT_NEAR(row(oneYear, "201212")->accum, 1000, 1e-9);
    const Amounts last = *row(oneYear, "201301");
    EXPECT_EQ(last.accum, 1000.0);
    EXPECT_NEAR(last.depr, 0, 1e-9);
    EXPECT_NEAR(
        fresh.value("SELECT sum(depr) FROM tblPeriodDepr WHERE asset_num = " + sqlNumber(oneYear)).toDouble(),
        1000, 1e-9);
    EXPECT_FALSE(row(oneYear, "201302"));

    // Month 01 of fiscal 2013 chains from month 12 of fiscal 2012.
    EXPECT_DOUBLE_EQ(row(fiveYears, "201212")->accum, 1000);
    EXPECT_DOUBLE_EQ(row(fiveYears, "201301")->accum, 1100);
    EXPECT_EQ(monthly.GetNextFiscalPeriod(kHarbour), "201303");
}

// A book life with a fraction of a year ends where its monthly amounts reach the book cost: the
// accumulated amount never passes it, and no month takes depreciation back.
TEST_F(MonthlyDeprTest, AFractionalBookLifeEndsAtItsBookCost) {
    const Date start(2012, 1, 1);
    const auto asset = add({.start = start, .life = 7.5, .bookCost = 9000, .end = BookLifeEnd(start, 7.5)});
    postThrough("202002");

    EXPECT_EQ(rowCount(asset), 91); // 90 months of 100, and the end month closing at the cost
    const Recordset rows = fresh.conn().query(
        "SELECT depr, accum_depr FROM tblPeriodDepr WHERE asset_num = " + sqlNumber(asset) +
        " ORDER BY period");
    for (const auto& r : rows.rows()) {
        EXPECT_GE(r[0].toDouble(), -1e-9);
        EXPECT_LE(r[1].toDouble(), 9000 + 1e-9);
    }
    EXPECT_EQ(row(asset, "201907")->accum, 9000.0);
}

TEST_F(MonthlyDeprTest, AssetsEnteredLateAreCaughtUpOnce) {
    add({.start = Date(2012, 1, 1)});
    postThrough("201206");
    const auto sameYear = add({.start = Date(2012, 3, 1), .bookCost = 12000, .catchUp = true});
    const auto priorYear = add({.start = Date(2011, 11, 1), .catchUp = true});
    const auto ended =
        add({.start = Date(2008, 1, 1), .life = 2, .bookCost = 5000, .catchUp = true, .taxCost = 7000});
    const auto unmarked = add({.start = Date(2012, 2, 1)});
    const auto soldEarlier = add({.start = Date(2012, 2, 1), .catchUp = true, .sold = Date(2012, 5, 1)});
    postThrough("201207");

    const struct {
        const char* name;
        std::int64_t asset;
        Amounts expected;
    } cases[] = {
        // fiscal months 3 to 7, all charged to the period
        {"same fiscal year", sameYear, {1000, 1000}},
        // 2011-11 to 2012-07 in the accumulation, one month charged
        {"earlier fiscal year", priorYear, {100, 900}},
        // the book cost, not the tax cost
        {"book life over", ended, {0, 5000}},
        {"not marked for catch-up", unmarked, {100, 100}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto r = row(c.asset, "201207");
        ASSERT_TRUE(r);
        EXPECT_DOUBLE_EQ(r->depr, c.expected.depr);
        EXPECT_DOUBLE_EQ(r->accum, c.expected.accum);
    }
    EXPECT_EQ(rowCount(soldEarlier), 0);

    postThrough("201208");
    EXPECT_DOUBLE_EQ(row(sameYear, "201208")->depr, 200);
    EXPECT_DOUBLE_EQ(row(sameYear, "201208")->accum, 1200);
    EXPECT_DOUBLE_EQ(row(priorYear, "201208")->accum, 1000);
    EXPECT_EQ(rowCount(ended), 1);

    // Started in fiscal month 11 of 2012 and first posted in month 02 of 2013.
    postThrough("201301");
    const auto acrossYearEnd = add({.start = Date(2012, 11, 1), .catchUp = true});
    postThrough("201302");
    EXPECT_DOUBLE_EQ(row(acrossYearEnd, "201302")->depr, 100);
    EXPECT_DOUBLE_EQ(row(acrossYearEnd, "201302")->accum, 400);
}

TEST_F(MonthlyDeprTest, PostDeleteAndRepostGivesTheSameRows) {
    add({.start = Date(2012, 1, 1), .life = 1, .bookCost = 1000});
    add({.start = Date(2012, 1, 1), .company = kOther});
    postThrough("201201");
    // Seen by 201202 without a row (sold before it), so never caught up, although its book life is
    // over by 201206.
    add({.start = Date(2010, 4, 1), .life = 2, .catchUp = true, .sold = Date(2011, 6, 1)});
    postThrough("201205");
    // Caught up in 201206, the first period after they were entered.
    add({.start = Date(2012, 2, 1), .catchUp = true});
    add({.start = Date(2011, 10, 1), .catchUp = true});
    add({.start = Date(2009, 1, 1), .life = 2, .catchUp = true});
    postThrough("201301");
    postThrough("201301", kOther);
    const auto posted = snapshot();

    // Back to the last period before the catch-up, and forward again.
    for (int i = 0; i < 8; ++i)
        ASSERT_TRUE(monthly.DeletePeriodDepr(kHarbour));
    EXPECT_EQ(mark("dtPeriod"), Date(2012, 5, 1));
    EXPECT_EQ(monthly.GetNextFiscalPeriod(kHarbour), "201206");
    EXPECT_EQ(rowsAfter("201205", kHarbour), 0);
    EXPECT_EQ(rowsAfter("201205", kOther), 8);
    postThrough("201301");
    EXPECT_EQ(snapshot(), posted);
}

TEST_F(MonthlyDeprTest, DeletingEveryPeriodLeavesNothingPosted) {
    const auto asset = add({.start = Date(2012, 1, 1), .catchUp = true});
    EXPECT_FALSE(monthly.DeletePeriodDepr(kHarbour));
    const auto nothingPosted = snapshot();

    postThrough("201202");
    EXPECT_TRUE(monthly.DeletePeriodDepr(kHarbour));
    EXPECT_EQ(mark("dtPeriod"), Date(2012, 1, 1));
    EXPECT_EQ(mark("firstperiod"), Date(2012, 1, 1));
    EXPECT_EQ(rowCount(asset), 1);
    EXPECT_TRUE(monthly.DeletePeriodDepr(kHarbour));
    EXPECT_EQ(snapshot(), nothingPosted);
    EXPECT_EQ(monthly.GetFirstFiscalDate(kHarbour), "1900-01-01");
    EXPECT_EQ(monthly.GetNextFiscalPeriod(kHarbour), "201201");
    EXPECT_FALSE(monthly.DeletePeriodDepr(kHarbour));
    EXPECT_EQ(snapshot(), nothingPosted);
}

TEST_F(MonthlyDeprTest, OnlyTheNextPeriodCanBePosted) {
    add({.start = Date(2012, 1, 1)});
    const struct {
        const char* name;
        const char* period;
        ErrorKind kind;
    } before[] = {
        {"first period must be the earliest start", "201202", ErrorKind::InvalidArgument},
        {"before the earliest start", "201112", ErrorKind::InvalidArgument},
        {"month 13", "201213", ErrorKind::Conversion},
        {"year 1900", "190012", ErrorKind::Conversion},
        {"five characters", "20121", ErrorKind::Conversion},
        {"blanks around", " 201201 ", ErrorKind::Conversion},
    };
    const auto nothingPosted = snapshot();
    for (const auto& c : before) {
        SCOPED_TRACE(c.name);
        expectRefused([&] { monthly.DoMonthlyDepr(c.period, kHarbour); }, "DoMonthlyDepr", c.kind);
        EXPECT_EQ(snapshot(), nothingPosted);
    }

    postThrough("201203");
    const auto posted = snapshot();
    for (const char* period : {"201203", "201201", "201205", "201301"}) {
        SCOPED_TRACE(period);
        expectRefused([&] { monthly.DoMonthlyDepr(period, kHarbour); }, "DoMonthlyDepr",
                      ErrorKind::InvalidArgument);
        EXPECT_EQ(snapshot(), posted);
    }
    expectRefused([&] { monthly.DoMonthlyDepr("201204", 99); }, "DoMonthlyDepr", ErrorKind::InvalidArgument);
    EXPECT_EQ(snapshot(), posted);
}

TEST_F(MonthlyDeprTest, AFailingStatementUndoesTheWholeOperation) {
    add({.start = Date(2012, 1, 1), .catchUp = true});
    postThrough("201201");
    add({.start = Date(2011, 6, 1), .catchUp = true});
    const auto before = snapshot();
    // The company's marks are written last in both operations.
    fresh.exec("CREATE TRIGGER failMarks BEFORE UPDATE OF dtPeriod ON tblCompany "
               "BEGIN SELECT RAISE(ABORT, 'disk full'); END");

    const struct {
        const char* operation;
        std::function<void()> run;
    } cases[] = {
        {"DoMonthlyDepr", [&] { monthly.DoMonthlyDepr("201202", kHarbour); }},
        {"DeletePeriodDepr", [&] { monthly.DeletePeriodDepr(kHarbour); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.operation);
        expectRefused(c.run, c.operation, ErrorKind::Constraint);
        EXPECT_EQ(snapshot(), before);
    }
}

TEST_F(MonthlyDeprTest, NextPeriodComesFromTheLastPostingOrTheEarliestAsset) {
    EXPECT_EQ(monthly.GetNextFiscalPeriod(kHarbour), "");
    EXPECT_EQ(monthly.GetFirstFiscalDate(kHarbour), "1900-01-01");
    EXPECT_EQ(monthly.GetFirstFiscalDate(99), "");
    expectRefused([&] { monthly.GetNextFiscalPeriod(99); }, "GetNextFiscalPeriod",
                  ErrorKind::InvalidArgument);
    expectRefused([&] { monthly.DeletePeriodDepr(99); }, "DeletePeriodDepr", ErrorKind::InvalidArgument);

    // Sold assets and assets without a book life count as well.
    add({.start = Date(2012, 5, 1)});
    add({.start = Date(2011, 9, 1), .sold = Date(2011, 10, 1)});
    add({.start = Date(2011, 8, 1), .life = 0});
    EXPECT_EQ(monthly.GetNextFiscalPeriod(kHarbour), "201108");

    fresh.exec("UPDATE tblCompany SET firstperiod = " + sqlDate(Date(2012, 1, 1)) +
               ", dtPeriod = " + sqlDate(Date(2012, 12, 1)) + " WHERE id = " + sqlNumber(kHarbour));
    EXPECT_EQ(monthly.GetNextFiscalPeriod(kHarbour), "201301");
}

TEST_F(MonthlyDeprTest, ACompanyWithoutAssetsStartsAtAnyPeriod) {
    monthly.DoMonthlyDepr("201203", kOther);
    EXPECT_EQ(monthly.GetFirstFiscalDate(kOther), "2012-03-01");
    EXPECT_EQ(monthly.GetNextFiscalPeriod(kOther), "201204");
    const auto asset = add({.start = Date(2012, 1, 1), .catchUp = true, .company = kOther});
    monthly.DoMonthlyDepr("201204", kOther);
    EXPECT_DOUBLE_EQ(row(asset, "201204")->accum, 400);
}

} // namespace
} // namespace qel
