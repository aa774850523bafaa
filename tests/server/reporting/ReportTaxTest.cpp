// The Federal tax-book report queries: titles, rows, order and computed columns over a small
// company with assets across methods, lives, sales and the AMT book.
#include "tests/server/reporting/ReportFixture.h"

#include <algorithm>
#include <functional>

namespace qel::reporttest {
namespace {

constexpr int kYear = 2010;

class ReportTaxTest : public ReportTest {
protected:
    void SetUp() override {
        company_ = addCompany("Fixture Co");
        const auto other = addCompany("Other Co");

        lathe_ = addAsset({.name = "Lathe",
                           .company = company_,
                           .cost = 10000,
                           .allowance = 1000,
                           .business = 0.8,
                           .placed = "2009-03-01",
                           .life = 7});
        addDepr(company_, 1, lathe_, 2009, 1800, 1800);
        addDepr(company_, 1, lathe_, kYear, 1200, 3000);
        addDepr(company_, 3, lathe_, kYear, 900, 2000);

        // Placed in service and sold in the same year; its convention matches no row; no AMT row.
        desk_ = addAsset({.name = "Desk",
                          .company = company_,
                          .section179 = 200,
                          .type179 = true,
                          .placed = "2010-06-01",
                          .sold = "2010-11-01",
                          .soldDate = "2010-11-15",
                          .soldAmt = 500,
                          .gainLoss = -100,
                          .life = 7,
                          .convention = kNoSuchConvention});
        addDepr(company_, 1, desk_, kYear, 100, 100);

        warehouse_ = addAsset({.name = "Warehouse",
                               .company = company_,
                               .method = kAds,
                               .cost = 500000,
                               .placed = "2010-01-01",
                               .life = 50,
                               .convention = kMidMonth,
                               .caption = "S/L"});
        addDepr(company_, 1, warehouse_, kYear, 9583, 9583);

        boiler_ = addAsset({.name = "Boiler",
                            .company = company_,
                            .method = kMacrs150,
                            .cost = 20000,
                            .placed = "2010-02-01",
                            .life = 50,
                            .caption = "150 DB"});
        addDepr(company_, 1, boiler_, kYear, 400, 400);

        printer_ = addAsset({.name = "Printer",
                             .company = company_,
                             .section179 = 500,
                             .type179 = true,
                             .placed = "2010-02-01",
                             .sold = "2011-03-01",
                             .life = 5});
        addDepr(company_, 1, printer_, kYear, 100, 100);

        mill_ = addAsset({.name = "Computer Numerical Control Milling Machine",
                          .company = company_,
                          .cost = 12000,
                          .placed = "2010-05-01",
                          .life = 5});
        addDepr(company_, 1, mill_, kYear, 2400, 2400);

        software_ = addAsset({.name = "Software",
                              .company = company_,
                              .method = kAmortize,
                              .cost = 3000,
                              .section179 = 1500,
                              .type179 = true,
                              .placed = "2010-07-01",
                              .life = 3});
        addAsset({.name = "Land",
                  .company = company_,
                  .method = kNonDepr,
                  .cost = 50000,
                  .placed = "2010-04-01",
                  .life = 0});

        truck_ = addAsset({.name = "Old Truck",
                           .company = company_,
                           .method = kListed,
                           .cost = 20000,
                           .placed = "2008-04-01",
                           .sold = "2010-05-01",
                           .soldDate = "2010-05-20",
                           .soldAmt = 3000,
                           .gainLoss = 500,
                           .life = 5});
        addDepr(company_, 1, truck_, kYear, 300, 17500);

        // Another company's asset of the same year, in both books: never listed for this one.
        const auto foreign = addAsset(
            {.name = "Foreign", .company = other, .method = kAds, .placed = "2010-01-01", .life = 50});
        addDepr(other, 1, foreign, kYear, 10, 10);
        addDepr(other, 3, foreign, kYear, 5, 5);
    }

    std::int32_t company_ = 0;
    std::int32_t lathe_ = 0, desk_ = 0, warehouse_ = 0, boiler_ = 0, printer_ = 0, mill_ = 0, software_ = 0,
                 truck_ = 0;
};

using Query = std::function<Recordset(DeprSupport&, std::int32_t, std::int16_t)>;

TEST_F(ReportTaxTest, TitlesAndTheirOrder) {
    const std::vector<std::string> wrkSheet = {"Method",      "Description", "Asset #  ",   "In Service",
                                               "Asset Cost ", "Percent",     "Cost Basis",  "Conv",
                                               "Life",        "Accum Depr",  "Depreciation"};
    const struct {
        const char* name;
        Query query;
        std::vector<std::string> titles;
    } cases[] = {
        {"GetAssetWrkSheet", &DeprSupport::GetAssetWrkSheet, wrkSheet},
        {"GetNewAssetWrkSheet", &DeprSupport::GetNewAssetWrkSheet, wrkSheet},
        {"GetCurrentWrkSheet",
         &DeprSupport::GetCurrentWrkSheet,
         {"Method", "Description", "Asset #  ", "In Service", "Asset Cost ", "Percent", "Cost Basis", "Conv",
          "Life", "Bonus", "179", "Depreciation", "Net Book Value"}},
        {"Get179WrkSheet",
         &DeprSupport::Get179WrkSheet,
         {"Description", "Asset #", "Basis      ", "179 Deduction"}},
        {"GetNewAssets",
         &DeprSupport::GetNewAssets,
         {"Description", "Asset #   ", "In Service  ", "Method", "Life", "Percent", "Asset Cost ",
          "Allowances", "179 Ded ", "Other Ded"}},
        {"GetDisposedAssets",
         &DeprSupport::GetDisposedAssets,
         {"Description", "Asset #", "In Service", "Sold Date", "Cost Basis  ", "Accum Depr   ",
          "Sold Amount ", "Gain/Loss   "}},
        {"GetDetailDepr",
         &DeprSupport::GetDetailDepr,
         {"Description", "Asset #", "Method", "In Service", "Life  ", "Actual Method", "Convention",
          "Cost Basis    ", "Depreciation"}},
        {"GetAMTdifferences",
         &DeprSupport::GetAMTdifferences,
         {"Asset Description", "Asset #", "Life  ", "In Service", "Percent", "Method ", "Cost         ",
          "Federal Depr", "AMT Depr    ", "Difference"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fieldNames(c.query(support_, company_, kYear)), c.titles);
        // An empty result keeps its titles.
        EXPECT_EQ(fieldNames(c.query(support_, company_, 1990)), c.titles);
    }
}

TEST_F(ReportTaxTest, WorksheetListsTheYearsRowsByMethodLifeAndInServiceDate) {
    const Recordset rs = support_.GetAssetWrkSheet(company_, kYear);
    EXPECT_EQ(
        column(rs, "Description"),
        (std::vector<std::string>{"Warehouse", "Old Truck", "Printer",
                                  "Computer Numerical Control Milling Machine", "Lathe", "Desk", "Boiler"}));
    EXPECT_EQ(column(rs, "Method"),
              (std::vector<std::string>{"ADS", "Listed", "MACRS", "MACRS", "MACRS", "MACRS", "MACRS 150"}));
    // 10000 x 0.8 less the 1000 allowance.
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Cost Basis").toDouble(), 7000);
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Percent").toDouble(), 80);
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Accum Depr").toDouble(), 3000);
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Depreciation").toDouble(), 1200);
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Conv").toString(), "HY");
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "In Service").toDate(), Date(2009, 3, 1));
    // A convention without a row leaves "Conv" empty and keeps the asset.
    EXPECT_TRUE(valueOf(rs, "Description", "Desk", "Conv").isNull());

    const struct {
        const char* field;
        FieldType type;
    } shapes[] = {{"Asset #  ", FieldType::Integer},  {"In Service", FieldType::Date},
                  {"Asset Cost ", FieldType::Double}, {"Percent", FieldType::Double},
                  {"Cost Basis", FieldType::Double},  {"Conv", FieldType::Text},
                  {"Life", FieldType::Double},        {"Depreciation", FieldType::Double}};
    for (const auto& s : shapes) {
        SCOPED_TRACE(s.field);
        EXPECT_EQ(rs.field(rs.indexOf(s.field)).type, s.type);
    }
}

TEST_F(ReportTaxTest, NewAndCurrentWorksheetsKeepTheYearsNewAssetsEvenWhenSold) {
    const auto names = [](const Recordset& rs) {
        auto v = column(rs, "Description");
        std::sort(v.begin(), v.end());
        return v;
    };
    const Recordset fresh = support_.GetNewAssetWrkSheet(company_, kYear);
    EXPECT_EQ(names(fresh), (std::vector<std::string>{"Boiler", "Computer Numerical Control Milling Machine",
                                                      "Desk", "Printer", "Warehouse"}));
    EXPECT_EQ(column(fresh, "Method"),
              (std::vector<std::string>{"ADS", "MACRS", "MACRS", "MACRS", "MACRS 150"}));
    EXPECT_EQ(column(fresh, "Life"), (std::vector<std::string>{"50", "5", "5", "7", "50"}));

    const Recordset current = support_.GetCurrentWrkSheet(company_, kYear);
    EXPECT_EQ(current.RecordCount(), 5u);
    EXPECT_EQ(valueOf(current, "Asset #  ", std::to_string(mill_), "Description").toString(),
              "Computer Numerical Control Mil");
    EXPECT_EQ(current.field(1).type, FieldType::Text);
    EXPECT_EQ(current.field(1).definedSize, 30);
    // Basis 1000 - 500 of section 179, less the year's 100.
    EXPECT_EQ(valueOf(current, "Asset #  ", std::to_string(printer_), "Net Book Value").toDouble(), 400);
    EXPECT_EQ(valueOf(current, "Asset #  ", std::to_string(printer_), "179").toDouble(), 500);
    EXPECT_EQ(current.field(current.indexOf("Net Book Value")).type, FieldType::Double);
}

TEST_F(ReportTaxTest, SectionOneSeventyNineWorksheetLeavesOutAssetsSoldInTheYear) {
    const Recordset rs = support_.Get179WrkSheet(company_, kYear);
    // Desk is sold in the year; Printer, sold the next year, stays.
    EXPECT_EQ(column(rs, "Description"), (std::vector<std::string>{"Printer", "Software"}));
    EXPECT_EQ(valueOf(rs, "Description", "Software", "Basis      ").toDouble(), 3000);
    EXPECT_EQ(valueOf(rs, "Description", "Software", "179 Deduction").toDouble(), 1500);
    EXPECT_EQ(rs.field(2).type, FieldType::Double);
    EXPECT_EQ(support_.Get179WrkSheet(company_, 2011).RecordCount(), 0u);
}

TEST_F(ReportTaxTest, NewAssetsLeaveOutSalesOfTheYearAndNonDepreciableAssets) {
    const Recordset rs = support_.GetNewAssets(company_, kYear);
    EXPECT_EQ(column(rs, "Method"),
              (std::vector<std::string>{"ADS", "Amortize", "MACRS", "MACRS", "MACRS 150"}));
    auto names = column(rs, "Description");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Boiler", "Computer Numerical Control Milling Machine",
                                               "Printer", "Software", "Warehouse"}));
}

TEST_F(ReportTaxTest, DisposedAssetsOfTheYearInSaleOrder) {
    const Recordset rs = support_.GetDisposedAssets(company_, kYear);
    EXPECT_EQ(column(rs, "Description"), (std::vector<std::string>{"Old Truck", "Desk"}));
    EXPECT_EQ(valueOf(rs, "Description", "Old Truck", "Accum Depr   ").toDouble(), 17500);
    EXPECT_EQ(valueOf(rs, "Description", "Old Truck", "Gain/Loss   ").toDouble(), 500);
    EXPECT_EQ(valueOf(rs, "Description", "Desk", "Cost Basis  ").toDouble(), 800);
    EXPECT_EQ(valueOf(rs, "Description", "Desk", "Sold Date").toDate(), Date(2010, 11, 15));
    EXPECT_EQ(support_.GetDisposedAssets(company_, 2011).RecordCount(), 0u);
}

TEST_F(ReportTaxTest, FiftyYearReportTakesAdsAndMacrsButNotMacrs150) {
    const Recordset rs = support_.GetDetailDepr(company_, kYear);
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs["Description"].toString(), "Warehouse");
    EXPECT_EQ(rs["Actual Method"].toString(), "S/L");
    EXPECT_EQ(rs["Convention"].toString(), "MM");
    EXPECT_EQ(rs["Cost Basis    "].toDouble(), 500000);
    EXPECT_EQ(rs["Depreciation"].toDouble(), 9583);
}

TEST_F(ReportTaxTest, AmtDifferencesNeedBothBooks) {
    const Recordset rs = support_.GetAMTdifferences(company_, kYear);
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs["Asset Description"].toString(), "Lathe");
    EXPECT_EQ(rs["Method "].toString(), "200 DB");
    EXPECT_EQ(rs["Federal Depr"].toDouble(), 1200);
    EXPECT_EQ(rs["AMT Depr    "].toDouble(), 900);
    EXPECT_EQ(rs["Difference"].toDouble(), 300);
    EXPECT_EQ(rs.field(rs.indexOf("Difference")).type, FieldType::Double);
}

TEST_F(ReportTaxTest, AYearWithoutRowsIsEmpty) {
    for (const Query& q :
         std::vector<Query>{&DeprSupport::GetAssetWrkSheet, &DeprSupport::GetNewAssetWrkSheet,
                            &DeprSupport::GetCurrentWrkSheet, &DeprSupport::GetAMTdifferences})
        EXPECT_EQ(q(support_, company_, 2005).RecordCount(), 0u);
}

TEST_F(ReportTaxTest, WithoutAConnectionTheQueryRaisesWithItsName) {
    gConn().reset();
    expectPassedOn([&] { support_.GetAssetWrkSheet(company_, kYear); }, "GetAssetWrkSheet");
    expectPassedOn([&] { support_.GetAMTdifferences(company_, kYear); }, "GetAMTdifferences");
}

} // namespace
} // namespace qel::reporttest
