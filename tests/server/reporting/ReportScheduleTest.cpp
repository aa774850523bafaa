// The schedule and listing queries: an asset's yearly schedule in one book, the book schedule of
// txtMisc, the chart of accounts, tag numbers and the asset listing with its location filter.
#include "tests/server/reporting/ReportFixture.h"

#include "server/engine/CalcDepr.h"
#include "server/reporting/ReportFrame.h"

#include <algorithm>

namespace qel::reporttest {
namespace {

const std::vector<std::string> kScheduleTitles = {"Year      ", "Depreciation", "Accum Depr    "};

class ReportScheduleTest : public ReportTest {
protected:
    void SetUp() override {
        company_ = addCompany("Fixture Co");
        const auto other = addCompany("Other Co");
        equipment_ = addAccount("Equipment", "1500", "1510", "6100");
        addAccount("Buildings", "1600", "1610", "6110");
        const auto computers = addClass("Computers");
        main_ = addLocation("Main");
        annex_ = addLocation("Annex");

        lathe_ =
            addAsset({.name = "Lathe", .company = company_, .account = equipment_, .classId = computers});
        describe(lathe_, "T-200", main_);
        press_ = addAsset({.name = "Press", .company = company_, .account = equipment_});
        describe(press_, "T-100", annex_);
        blank_ = addAsset({.name = "Blank Tag", .company = company_, .account = equipment_});
        describe(blank_, "", main_);
        // No description row.
        bare_ = addAsset({.name = "Bare", .company = company_, .account = equipment_});
        // Left out of the listing: convention, method or account without a row.
        addAsset({.name = "Odd Convention",
                  .company = company_,
                  .convention = kNoSuchConvention,
                  .account = equipment_});
        addAsset({.name = "Odd Method", .company = company_, .method = 77, .account = equipment_});
        addAsset({.name = "Odd Account", .company = company_, .account = 999});
        const auto foreign = addAsset({.name = "Foreign", .company = other, .account = equipment_});
        describe(foreign, "T-000", main_);
    }

    std::int32_t company_ = 0, equipment_ = 0, main_ = 0, annex_ = 0;
    std::int32_t lathe_ = 0, press_ = 0, blank_ = 0, bare_ = 0;
};

TEST_F(ReportScheduleTest, TaxScheduleIsTheAssetsRowsOfTheBookByYear) {
    for (int year : {2012, 2010, 2011})
        addDepr(company_, 1, lathe_, year, 100 * (year - 2009), 0);
    addDepr(company_, 3, lathe_, 2010, 55, 55);

    const Recordset rs = support_.GetDeprSchedule(lathe_, 1);
    EXPECT_EQ(fieldNames(rs), kScheduleTitles);
    EXPECT_EQ(column(rs, 0), (std::vector<std::string>{"2010", "2011", "2012"}));
    EXPECT_EQ(column(rs, 1), (std::vector<std::string>{"100", "200", "300"}));
    EXPECT_EQ(support_.GetDeprSchedule(lathe_, 3).RecordCount(), 1u);

    const Recordset none = support_.GetDeprSchedule(lathe_, 4);
    EXPECT_EQ(none.RecordCount(), 0u);
    EXPECT_EQ(fieldNames(none), kScheduleTitles);
}

TEST_F(ReportScheduleTest, BookScheduleIsTxtMiscInTheOrderWritten) {
    // As the straight-line schedule writer leaves it for cost 1200, life 5, in service in April.
    fresh_.exec("INSERT INTO txtMisc (txtfield1, numField1, numField2) VALUES ('2010', 180, 180), "
                "('2011', 240, 420), ('2012', 240, 660), ('2013', 240, 900), ('2014', 240, 1140), ('2015', "
                "60, 1200)");
    const Recordset rs = support_.GetBookDeprSchedule();
    EXPECT_EQ(fieldNames(rs), kScheduleTitles);
    EXPECT_EQ(column(rs, 0), (std::vector<std::string>{"2010", "2011", "2012", "2013", "2014", "2015"}));
    EXPECT_EQ(column(rs, 2), (std::vector<std::string>{"180", "420", "660", "900", "1140", "1200"}));
    EXPECT_EQ(rs.field(0).type, FieldType::Text);
    EXPECT_EQ(rs.field(1).type, FieldType::Double);
}

TEST_F(ReportScheduleTest, BookScheduleShowsWhatTheScheduleWriterLeft) {
    // Cost 1200 over 5 years from fiscal April 2010, never sold.
    std::int16_t year = 2010;
    ASSERT_TRUE(CalcDepr().CreateSLSchdeule(1200, 5, year, 4, 0, 0));
    const Recordset rs = support_.GetBookDeprSchedule();
    EXPECT_EQ(column(rs, 0), (std::vector<std::string>{"2010", "2011", "2012", "2013", "2014", "2015"}));
    EXPECT_EQ(column(rs, 1), (std::vector<std::string>{"180", "240", "240", "240", "240", "60"}));
    EXPECT_EQ(column(rs, 2), (std::vector<std::string>{"180", "420", "660", "900", "1140", "1200"}));
}

TEST_F(ReportScheduleTest, ChartOfAccountsIsTheSameForEveryCompanyAndYear) {
    const Recordset rs = support_.GetGLaccounts(company_, 1900);
    EXPECT_EQ(fieldNames(rs), (std::vector<std::string>{"Account Description", "G/L Id", "Capital Account",
                                                        "Accum Acct", "Depr Account", "Gain Loss Acct"}));
    EXPECT_EQ(column(rs, 0), (std::vector<std::string>{"Buildings", "Equipment"}));
    EXPECT_EQ(column(rs, 4), (std::vector<std::string>{"6110", "6100"}));
    const Recordset again = support_.GetGLaccounts(12345, 2010);
    EXPECT_EQ(again.rows(), rs.rows());
}

TEST_F(ReportScheduleTest, TagNumbersOfTheCompanysDescribedAssets) {
    const Recordset rs = support_.GetTagNumToAssetID(company_);
    EXPECT_EQ(fieldNames(rs), (std::vector<std::string>{"Tag Number", "Asset ID   ", "Description"}));
    EXPECT_EQ(column(rs, 0), (std::vector<std::string>{"", "T-100", "T-200"}));
    EXPECT_EQ(column(rs, 2), (std::vector<std::string>{"Blank Tag", "Press", "Lathe"}));
    EXPECT_EQ(rs.rows()[1][1].toInt64(), press_);
}

TEST_F(ReportScheduleTest, AssetListingKeepsEveryFieldName) {
    const Recordset rs = support_.GetAssetLedger(company_, report::kAllLocations);
    EXPECT_EQ(fieldNames(rs), kAssetListingFields);
}

TEST_F(ReportScheduleTest, AssetListingOfAllLocationsOrOfOne) {
    const auto sorted = [](std::vector<std::string> v) {
        std::sort(v.begin(), v.end());
        return v;
    };
    const Recordset all = support_.GetAssetLedger(company_, report::kAllLocations);
    EXPECT_EQ(sorted(column(all, "Asset_name")),
              (std::vector<std::string>{"Bare", "Blank Tag", "Lathe", "Press"}));
    EXPECT_TRUE(valueOf(all, "Asset_name", "Bare", "Short Location").isNull());
    EXPECT_TRUE(valueOf(all, "Asset_name", "Bare", "Tag Number").isNull());
    EXPECT_EQ(valueOf(all, "Asset_name", "Lathe", "Short Location").toString(), "Main");
    EXPECT_EQ(valueOf(all, "Asset_name", "Lathe", "Description").toString(), "Computers");
    EXPECT_TRUE(valueOf(all, "Asset_name", "Press", "Description").isNull());
    EXPECT_EQ(valueOf(all, "Asset_name", "Press", "Account Descr").toString(), "Equipment");
    EXPECT_EQ(valueOf(all, "Asset_name", "Press", "Abbreviation").toString(), "HY");

    EXPECT_EQ(sorted(column(support_.GetAssetLedger(company_, main_), "Asset_name")),
              (std::vector<std::string>{"Blank Tag", "Lathe"}));
    EXPECT_EQ(column(support_.GetAssetLedger(company_, annex_), "Asset_name"),
              (std::vector<std::string>{"Press"}));
    EXPECT_EQ(support_.GetAssetLedger(company_, 4242).RecordCount(), 0u);
}

} // namespace
} // namespace qel::reporttest
