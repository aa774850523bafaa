// The book asset ledger: the rebuild of tblBookLedger for a company and period, its values and
// order, one ledger at a time, and a failed rebuild that keeps the previous ledger.
#include "tests/server/reporting/ReportFixture.h"

#include "server/reporting/ReportLedger.h"

namespace qel::reporttest {
namespace {

const std::string kPeriod = "201006"; // period date 2010-06-01

class ReportLedgerTest : public ReportTest {
protected:
    void SetUp() override {
        company_ = addCompany("Fixture Co");
        const auto equipment = addAccount("Equipment", "1500", "1510", "6100");
        const auto buildings = addAccount("Buildings", "1600", "1610", "6100");
        const auto ledgerAsset = [&](const char* name, std::int32_t account, double life, double cost) {
            return addAsset({.name = name,
                             .company = company_,
                             .placed = "2009-01-01",
                             .account = account,
                             .bookLife = life,
                             .bookCost = cost});
        };
        const auto lathe = ledgerAsset("Lathe", equipment, 5, 10000);
        addPeriod(company_, lathe, kPeriod, 100, 1000, equipment);
        // Only a row of an earlier period.
        const auto press = ledgerAsset("Press", equipment, 7, 7000);
        addPeriod(company_, press, "201005", 83, 583, equipment);
        const auto fence = ledgerAsset("Fence", buildings, 10, 2000);
        addPeriod(company_, fence, kPeriod, 0, 0, buildings);
        const auto warehouse = ledgerAsset("Warehouse", buildings, 0, 500000);
        addPeriod(company_, warehouse, kPeriod, 100, 300, buildings);
        ledgerAsset("Land", buildings, 0, 50000);
        // Sold in the very period: still in its ledger.
        const auto forklift = addAsset({.name = "Forklift",
                                        .company = company_,
                                        .placed = "2009-01-01",
                                        .sold = "2010-06-01",
                                        .account = equipment,
                                        .bookLife = 5,
                                        .bookCost = 6000});
        addPeriod(company_, forklift, kPeriod, 100, 600, equipment);
        addAsset({.name = "Old Van",
                  .company = company_,
                  .placed = "2009-01-01",
                  .sold = "2010-05-01",
                  .account = equipment,
                  .bookLife = 5,
                  .bookCost = 100});
        addAsset({.name = "Future",
                  .company = company_,
                  .placed = "2010-07-01",
                  .account = equipment,
                  .bookLife = 5,
                  .bookCost = 100});
        addAsset({.name = "No Account",
                  .company = company_,
                  .placed = "2009-01-01",
                  .account = 999,
                  .bookLife = 5,
                  .bookCost = 100});
    }

    // A second company whose ledger holds one asset, "Hammer"; its id.
    std::int32_t addSecondCompany() {
        const auto second = addCompany("Second Co");
        const auto account = addAccount("Tools", "1800", "1810", "6300");
        addAsset({.name = "Hammer",
                  .company = second,
                  .placed = "2009-01-01",
                  .account = account,
                  .bookLife = 3,
                  .bookCost = 30});
        return second;
    }

    int ledgerRows() {
        return static_cast<int>(fresh_.value("SELECT count(*) FROM tblBookLedger").toInt64());
    }

    std::int32_t company_ = 0;
};

TEST_F(ReportLedgerTest, LedgerValuesForEachKindOfRow) {
    const Recordset rs = support_.GetBookAssetLedger(company_, kPeriod);
    EXPECT_EQ(fieldNames(rs),
              (std::vector<std::string>{"Account", "Capital Account", "Description", "Asset #", "In Service",
                                        "Life", "Cost", "Accum Depr", "NBV"}));
    // Account description, then asset name; sold before the period, placed after it, or without an
    // account: left out.
    EXPECT_EQ(column(rs, "Description"),
              (std::vector<std::string>{"Fence", "Land", "Warehouse", "Forklift", "Lathe", "Press"}));
    EXPECT_EQ(column(rs, "Account"), (std::vector<std::string>{"Buildings", "Buildings", "Buildings",
                                                               "Equipment", "Equipment", "Equipment"}));
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Capital Account").toString(), "1500");

    const struct {
        const char* asset;
        const char* kind;
        double accum;
        double nbv;
    } cases[] = {
        {"Lathe", "life above 0, row of the period", 1000, 9000},
        {"Press", "life above 0, no row of the period", 7000, 0},
        {"Fence", "life above 0, row of the period holding 0", 0, 2000},
        {"Warehouse", "life 0, row of the period", 300, 499700},
        {"Land", "life 0, no row of the period", 0, 50000},
        {"Forklift", "sold in the period", 600, 5400},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(valueOf(rs, "Description", c.asset, "Accum Depr").toDouble(), c.accum);
        EXPECT_EQ(valueOf(rs, "Description", c.asset, "NBV").toDouble(), c.nbv);
    }
    EXPECT_EQ(ledgerRows(), 6);
}

TEST_F(ReportLedgerTest, APeriodWithoutPostingsCountsDepreciableAssetsFullyDepreciated) {
    const Recordset rs = support_.GetBookAssetLedger(company_, "201009");
    for (const auto& row : rs.rows()) {
        const double life = row[5].toDouble(), cost = row[6].toDouble();
        SCOPED_TRACE(row[2].toString());
        EXPECT_EQ(row[7].toDouble(), life > 0 ? cost : 0);
        EXPECT_EQ(row[8].toDouble(), life > 0 ? 0 : cost);
    }
    // Placed in service in fiscal July: in September's ledger.
    EXPECT_EQ(valueOf(rs, "Description", "Future", "Cost").toDouble(), 100);
}

TEST_F(ReportLedgerTest, ASecondCompanysRebuildReplacesTheFirstsLedger) {
    const auto second = addSecondCompany();
    EXPECT_EQ(support_.GetBookAssetLedger(company_, kPeriod).RecordCount(), 6u);

    const Recordset rs = support_.GetBookAssetLedger(second, kPeriod);
    EXPECT_EQ(column(rs, "Description"), (std::vector<std::string>{"Hammer"}));
    EXPECT_EQ(ledgerRows(), 1);
}

TEST_F(ReportLedgerTest, AFailedRebuildKeepsThePreviousLedger) {
    support_.GetBookAssetLedger(company_, kPeriod);
    const auto second = addSecondCompany();
    fresh_.exec("CREATE TRIGGER failLedger BEFORE INSERT ON tblBookLedger BEGIN SELECT RAISE(ABORT, 'disk "
                "full'); END");
    try {
        support_.GetBookAssetLedger(second, kPeriod);
        ADD_FAILURE() << "the rebuild must fail";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.helpContext(), "GetBookAssetLedger");
        EXPECT_NE(e.description().find("disk full"), std::string::npos);
    }
    EXPECT_EQ(ledgerRows(), 6);
    EXPECT_EQ(fresh_.value("SELECT min(Description) FROM tblBookLedger").toString(), "Fence");
    // The connection is usable again afterwards.
    fresh_.exec("DROP TRIGGER failLedger");
    EXPECT_EQ(support_.GetBookAssetLedger(second, kPeriod).RecordCount(), 1u);
}

TEST_F(ReportLedgerTest, ABadPeriodLeavesTheLedgerAlone) {
    support_.GetBookAssetLedger(company_, kPeriod);
    expectPassedOn([&] { support_.GetBookAssetLedger(company_, "2010"); }, "GetBookAssetLedger");
    EXPECT_EQ(ledgerRows(), 6);
}

TEST_F(ReportLedgerTest, RebuildInsideACallersTransactionIsASavepoint) {
    Connection& conn = fresh_.conn();
    {
        Transaction outer(conn);
        report::rebuildBookLedger(conn, company_, kPeriod);
        EXPECT_EQ(ledgerRows(), 6);
        // The caller rolls back: nothing of the rebuild stays.
    }
    EXPECT_EQ(ledgerRows(), 0);
}

} // namespace
} // namespace qel::reporttest
