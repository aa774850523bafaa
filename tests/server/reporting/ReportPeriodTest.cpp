// The financial-book report queries of a fiscal period: the journal entry in summary and detail,
// the book disposals and the property tax listing.
#include "tests/server/reporting/ReportFixture.h"

#include <algorithm>

namespace qel::reporttest {
namespace {

const std::string kPeriod = "201006"; // fiscal June 2010: period date 2010-06-01

class ReportPeriodTest : public ReportTest {
protected:
    void SetUp() override {
        company_ = addCompany("Fixture Co");
        const auto other = addCompany("Other Co");
        // Equipment and Buildings share their depreciation account.
        const auto equipment = addAccount("Equipment", "1500", "1510", "6100");
        const auto buildings = addAccount("Buildings", "1600", "1610", "6100");
        const auto vehicles = addAccount("Vehicles", "1700", "1710", "6200");
        const auto computers = addClass("Computers");
        const auto furniture = addClass("Furniture");

        lathe_ = addAsset({.name = "Lathe",
                           .company = company_,
                           .cost = 10000,
                           .placed = "2009-01-01",
                           .account = equipment,
                           .classId = computers});
        addPeriod(company_, lathe_, "201005", 100, 1500, equipment);
        addPeriod(company_, lathe_, kPeriod, 100, 1600, equipment);
        shed_ = addAsset({.name = "Shed",
                          .company = company_,
                          .cost = 3000,
                          .placed = "2009-06-01",
                          .account = buildings});
        addPeriod(company_, shed_, kPeriod, 50, 600, buildings);
        truck_ = addAsset({.name = "Truck",
                           .company = company_,
                           .cost = 24000,
                           .placed = "2010-02-01",
                           .account = vehicles,
                           .classId = computers});
        addPeriod(company_, truck_, kPeriod, 200, 2400, vehicles);
        // Its period row names an account that does not exist.
        const auto ghost = addAsset(
            {.name = "Ghost", .company = company_, .cost = 100, .placed = "2010-01-01", .account = 999});
        addPeriod(company_, ghost, kPeriod, 7, 7, 999);

        // Sales, each with a book cost for the disposals.
        const auto van = addAsset({.name = "Van",
                                   .company = company_,
                                   .placed = "2008-01-01",
                                   .sold = "2010-04-01",
                                   .soldAmt = 5000,
                                   .bookLife = 5,
                                   .bookCost = 8000});
        addPeriod(company_, van, "201003", 100, 3000, vehicles);
        addPeriod(company_, van, "201004", 100, 3100, vehicles);
        // Sold in the very period, with a row posted after it.
        const auto trailer = addAsset({.name = "Trailer",
                                       .company = company_,
                                       .placed = "2008-01-01",
                                       .sold = kPeriodDate,
                                       .soldAmt = 1000,
                                       .bookLife = 5,
                                       .bookCost = 4000});
        addPeriod(company_, trailer, "201005", 50, 2000, vehicles);
        addPeriod(company_, trailer, "201007", 50, 2100, vehicles);
        // Sold without any posted row.
        addAsset({.name = "Cart", .company = company_, .placed = "2008-01-01", .sold = "2010-03-01"});
        // Sold after the period.
        const auto later = addAsset({.name = "Later",
                                     .company = company_,
                                     .placed = "2009-05-01",
                                     .sold = "2010-07-01",
                                     .classId = furniture,
                                     .bookLife = 5,
                                     .bookCost = 900});
        addPeriod(company_, later, kPeriod, 10, 300, vehicles);
        // Placed in service after the period.
        addAsset({.name = "Future", .company = company_, .placed = "2010-09-01"});

        const auto foreign =
            addAsset({.name = "Foreign", .company = other, .placed = "2009-01-01", .account = equipment});
        addPeriod(other, foreign, kPeriod, 1000, 1000, equipment);
    }

    static constexpr const char* kPeriodDate = "2010-06-01";
    std::int32_t company_ = 0;
    std::int32_t lathe_ = 0, shed_ = 0, truck_ = 0;
};

TEST_F(ReportPeriodTest, JournalSummaryGivesDebitLinesThenCreditLinesPerAccountPair) {
    const Recordset rs = support_.DeprJvSummary(company_, kPeriod);
    EXPECT_EQ(fieldNames(rs), (std::vector<std::string>{"Account", "Debit", "Credit"}));
    // Two account pairs share 6100, so it has two debit lines; the account 999 matches no row.
    EXPECT_EQ(column(rs, "Account"),
              (std::vector<std::string>{"6100", "6100", "6200", "1510", "1610", "1710"}));
    EXPECT_EQ(column(rs, "Debit"), (std::vector<std::string>{"100", "50", "210", "", "", ""}));
    EXPECT_EQ(column(rs, "Credit"), (std::vector<std::string>{"", "", "", "100", "50", "210"}));
    // The amount columns join sums with empty texts: the windows show them as text.
    EXPECT_EQ(rs.field(1).type, FieldType::Text);
    EXPECT_EQ(rs.field(2).type, FieldType::Text);
}

TEST_F(ReportPeriodTest, JournalDetailGivesOneLinePerRowAndSideSortedByAccount) {
    const Recordset rs = support_.DeprJvDetail(company_, kPeriod);
    EXPECT_EQ(fieldNames(rs),
              (std::vector<std::string>{"Account", "Debit", "Credit", "Asset Id", "Description"}));
    EXPECT_EQ(column(rs, "Account"),
              (std::vector<std::string>{"1510", "1610", "1710", "1710", "6100", "6100", "6200", "6200"}));
    EXPECT_EQ(column(rs, "Description"), (std::vector<std::string>{"Lathe", "Shed", "Truck", "Later", "Lathe",
                                                                   "Shed", "Truck", "Later"}));
    EXPECT_EQ(column(rs, "Debit"), (std::vector<std::string>{" ", " ", " ", " ", "100", "50", "200", "10"}));
    EXPECT_EQ(column(rs, "Credit"), (std::vector<std::string>{"100", "50", "200", "10", " ", " ", " ", " "}));
    EXPECT_EQ(rs.field(1).type, FieldType::Text);
    EXPECT_EQ(rs.field(3).type, FieldType::Integer);
}

TEST_F(ReportPeriodTest, APeriodWithoutPostingsGivesEmptyJournals) {
    EXPECT_EQ(support_.DeprJvSummary(company_, "201012").RecordCount(), 0u);
    EXPECT_EQ(support_.DeprJvDetail(company_, "201012").RecordCount(), 0u);
}

TEST_F(ReportPeriodTest, BookDisposalsShowTheLatestRowOfEachAssetSoldUpToThePeriod) {
    const Recordset rs = support_.GetFinanicalDisposedAssets(company_, kPeriod);
    EXPECT_EQ(fieldNames(rs),
              (std::vector<std::string>{"Description", "Asset #", "In Service", "Sold Date", "Book Cost    ",
                                        "Accumlated Depr", "Sold Amount    ", "Gain/Loss    "}));
    auto names = column(rs, "Description");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Trailer", "Van"}));
    EXPECT_EQ(valueOf(rs, "Description", "Van", "Accumlated Depr").toDouble(), 3100);
    EXPECT_EQ(valueOf(rs, "Description", "Van", "Gain/Loss    ").toDouble(), 100);
    // Its latest row lies after the report period.
    EXPECT_EQ(valueOf(rs, "Description", "Trailer", "Accumlated Depr").toDouble(), 2100);
    EXPECT_EQ(valueOf(rs, "Description", "Trailer", "Gain/Loss    ").toDouble(), -900);
    EXPECT_EQ(rs.field(7).type, FieldType::Double);
}

TEST_F(ReportPeriodTest, PropertyTaxListsWhatIsHeldAfterThePeriodByClassAndInServiceDate) {
    const Recordset rs = support_.GetPropertTaxData(company_, kPeriod);
    EXPECT_EQ(fieldNames(rs),
              (std::vector<std::string>{"Asset Class", "In Service  ", "Asset ID  ",
                                        "Description                          ", "Asset Cost"}));
    // Trailer, sold in the period itself, is no longer held; Later, sold after it, is.
    EXPECT_EQ(column(rs, 3), (std::vector<std::string>{"Shed", "Ghost", "Lathe", "Truck", "Later"}));
    EXPECT_EQ(column(rs, 0), (std::vector<std::string>{"", "", "Computers", "Computers", "Furniture"}));
    EXPECT_TRUE(rs[0].isNull());
    EXPECT_EQ(column(rs, 4).at(3), "24000");
}

TEST_F(ReportPeriodTest, PropertyTaxOfAYearIsTheListingAtItsLastFiscalPeriod) {
    const Recordset rs = support_.GetPropertTax(company_, 2010);
    EXPECT_EQ(fieldNames(rs),
              (std::vector<std::string>{"Category", "In Service  ", "Asset ID  ",
                                        "Description                          ", "Asset Cost"}));
    EXPECT_EQ(column(rs, 3), (std::vector<std::string>{"Shed", "Ghost", "Future", "Lathe", "Truck"}));
    EXPECT_EQ(column(rs, 3), column(support_.GetPropertTaxData(company_, "201012"), 3));
}

TEST_F(ReportPeriodTest, APeriodThatIsNoYearAndMonthIsRefused) {
    for (const char* period : {"2010-6", "201013", "201000", "20106", "2010061", "abcdef", "'; drop"}) {
        SCOPED_TRACE(period);
        expectPassedOn([&] { support_.DeprJvSummary(company_, period); }, "DeprJvSummary");
        expectPassedOn([&] { support_.DeprJvDetail(company_, period); }, "DeprJvDetail");
        expectPassedOn([&] { support_.GetFinanicalDisposedAssets(company_, period); },
                       "GetFinanicalDisposedAssets");
        expectPassedOn([&] { support_.GetPropertTaxData(company_, period); }, "GetPropertTaxData");
    }
    try {
        support_.GetPropertTaxData(company_, "201013");
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
        EXPECT_NE(e.description().find("201013"), std::string::npos);
    }
}

} // namespace
} // namespace qel::reporttest
