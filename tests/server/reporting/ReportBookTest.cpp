// The alternative-book report queries: titles, the book's own figures beside the tax grouping,
// assets without book rows, and books the company does not keep.
#include "tests/server/reporting/ReportFixture.h"

#include <algorithm>
#include <functional>

namespace qel::reporttest {
namespace {

constexpr int kYear = 2010;

class ReportBookTest : public ReportTest {
protected:
    void SetUp() override {
        company_ = addCompany("Fixture Co");

        // Tax MACRS 7; the AMT book uses ADS over 10 years.
        lathe_ = addAsset(
            {.name = "Lathe", .company = company_, .cost = 10000, .placed = "2009-03-01", .life = 7});
        addBook(company_, lathe_,
                {.book = kAmt,
                 .method = kAds,
                 .life = 10,
                 .cost = 9000,
                 .business = 0.9,
                 .allowance = 500,
                 .salvage = 100,
                 .caption = "S/L",
                 .costBasis = 7500});
        addDepr(company_, kAmt, lathe_, kYear, 800, 1500);

        // Same tax method and tax life, a shorter book life, a book convention without a row.
        press_ =
            addAsset({.name = "Press", .company = company_, .cost = 4000, .placed = "2010-04-01", .life = 7});
        addBook(company_, press_, {.book = kAmt, .life = 5, .cost = 4000, .convention = kNoSuchConvention});
        addDepr(company_, kAmt, press_, kYear, 400, 400);

        // A book row whose book depreciation was never written.
        drill_ =
            addAsset({.name = "Drill", .company = company_, .cost = 2000, .placed = "2010-05-01", .life = 5});
        addBook(company_, drill_, {.book = kAmt, .life = 5, .cost = 2000});

        // Section 179 with a tax business fraction of one half and a book fraction of 1.
        saw_ = addAsset({.name = "Saw",
                         .company = company_,
                         .cost = 3000,
                         .section179 = 800,
                         .business = 0.5,
                         .type179 = true,
                         .placed = "2010-03-01",
                         .life = 5});
        addBook(company_, saw_, {.book = kAmt, .life = 5, .cost = 3000, .business = 1, .section179 = 800});

        crane_ = addAsset({.name = "Crane",
                           .company = company_,
                           .method = kAds,
                           .cost = 50000,
                           .placed = "2010-01-01",
                           .life = 50,
                           .convention = kMidMonth});
        addBook(company_, crane_,
                {.book = kAmt,
                 .method = kAds,
                 .life = 50,
                 .cost = 50000,
                 .convention = kMidMonth,
                 .caption = "S/L",
                 .costBasis = 50000});
        addDepr(company_, kAmt, crane_, kYear, 1000, 1000);

        forklift_ = addAsset({.name = "Forklift",
                              .company = company_,
                              .cost = 6000,
                              .placed = "2008-02-01",
                              .sold = "2010-08-01",
                              .soldDate = "2010-08-10",
                              .soldAmt = 1500,
                              .life = 5});
        addBook(company_, forklift_, {.book = kAmt, .life = 5, .cost = 6000, .costBasis = 5000});
        addDepr(company_, kAmt, forklift_, kYear, 700, 4200);
    }

    std::int32_t company_ = 0;
    std::int32_t lathe_ = 0, press_ = 0, drill_ = 0, saw_ = 0, crane_ = 0, forklift_ = 0;
};

using BookQuery = std::function<Recordset(DeprSupport&, std::int32_t, std::int16_t, std::int16_t)>;

struct BookCase {
    const char* name;
    BookQuery query;
    std::vector<std::string> titles;
};

std::vector<BookCase> bookCases() {
    const std::vector<std::string> wrkSheet = {"Method",     "Description", "Asset #",     "In Service",
                                               "Asset Cost", "Percent",     "Cost Basis",  "Conv",
                                               "Life",       "Accum Depr",  "Depreciation"};
    return {
        {"GetBooksAssetWrkSheet", &DeprSupport::GetBooksAssetWrkSheet, wrkSheet},
        {"GetNewBooksAssetWrkSheet", &DeprSupport::GetNewBooksAssetWrkSheet, wrkSheet},
        {"GetBooks179WrkSheet",
         &DeprSupport::GetBooks179WrkSheet,
         {"Description", "Asset #", "Basis      ", "179 Deduction"}},
        {"GetBooksNewAssets",
         &DeprSupport::GetBooksNewAssets,
         {"Description", "Asset #", "In Service", "Method", "Life  ", "Percent", "Cost           ",
          "Section179", "Allowance", "Salvage"}},
        {"GetBooksDisposedAssets",
         &DeprSupport::GetBooksDisposedAssets,
         {"Description", "Asset #", "In Service", "Sold Date", "Cost Basis", "accum_depr", "Sold Amt",
          "Gain/Loss"}},
        {"GetBooks50YearAssets",
         &DeprSupport::GetBooks50YearAssets,
         {"Description", "Asset #", "Method", "In Service", "Life  ", "Actual Method", "Convention",
          "Cost Basis   ", "Depreciation"}},
    };
}

TEST_F(ReportBookTest, TitlesAndTheirOrder) {
    for (const auto& c : bookCases()) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fieldNames(c.query(support_, company_, kYear, kAmt)), c.titles);
    }
}

TEST_F(ReportBookTest, ABookTheCompanyDoesNotKeepIsEmpty) {
    for (const auto& c : bookCases()) {
        SCOPED_TRACE(c.name);
        const Recordset rs = c.query(support_, company_, kYear, kState);
        EXPECT_EQ(rs.RecordCount(), 0u);
        EXPECT_EQ(fieldNames(rs), c.titles);
    }
}

TEST_F(ReportBookTest, WorksheetGroupsByTaxMethodAndOrdersByTaxLifeWithTheBooksFigures) {
    const Recordset rs = support_.GetBooksAssetWrkSheet(company_, kYear, kAmt);
    // Drill and Saw have no book depreciation row; Lathe and Press share tax method and tax life and keep
    // their in-service order whatever their book lives.
    EXPECT_EQ(column(rs, "Description"), (std::vector<std::string>{"Crane", "Forklift", "Lathe", "Press"}));
    EXPECT_EQ(column(rs, "Method"), (std::vector<std::string>{"ADS", "MACRS", "MACRS", "MACRS"}));
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Life").toDouble(), 10);
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Asset Cost").toDouble(), 9000);
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Percent").toDouble(), 90);
    // 9000 x 0.9 less the allowance 500 and the salvage 100.
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Cost Basis").toDouble(), 7500);
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Accum Depr").toDouble(), 1500);
    EXPECT_EQ(valueOf(rs, "Description", "Lathe", "Conv").toString(), "HY");
    EXPECT_TRUE(valueOf(rs, "Description", "Press", "Conv").isNull());
    EXPECT_EQ(rs.field(rs.indexOf("Cost Basis")).type, FieldType::Double);

    const Recordset fresh = support_.GetNewBooksAssetWrkSheet(company_, kYear, kAmt);
    EXPECT_EQ(column(fresh, "Description"), (std::vector<std::string>{"Crane", "Press"}));
}

TEST_F(ReportBookTest, SectionOneSeventyNineWorksheetUsesTheTaxFractionAndNeedsABook) {
    const Recordset rs = support_.GetBooks179WrkSheet(company_, kYear, kAmt);
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs["Description"].toString(), "Saw");
    EXPECT_EQ(rs["Basis      "].toDouble(), 1500);
    EXPECT_EQ(rs["179 Deduction"].toDouble(), 800);
    EXPECT_EQ(support_.GetBooks179WrkSheet(company_, kYear).RecordCount(), 0u);
}

TEST_F(ReportBookTest, NewAssetsNeedNoBookDepreciation) {
    const Recordset rs = support_.GetBooksNewAssets(company_, kYear, kAmt);
    auto names = column(rs, "Description");
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Crane", "Drill", "Press", "Saw"}));
    EXPECT_EQ(column(rs, "Method").front(), "ADS");
    EXPECT_EQ(valueOf(rs, "Description", "Saw", "Section179").toDouble(), 800);
}

TEST_F(ReportBookTest, DisposedAssetsTakeTheStoredBasisAndTheBooksAccumulation) {
    const Recordset rs = support_.GetBooksDisposedAssets(company_, kYear, kAmt);
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs["Description"].toString(), "Forklift");
    EXPECT_EQ(rs["Cost Basis"].toDouble(), 5000);
    EXPECT_EQ(rs["accum_depr"].toDouble(), 4200);
    // 1500 - (5000 - 4200).
    EXPECT_EQ(rs["Gain/Loss"].toDouble(), 700);
    EXPECT_EQ(rs.field(7).type, FieldType::Double);
}

TEST_F(ReportBookTest, DisposedAssetsBelowFullBusinessUseGainOnTheBusinessShareOfTheSale) {
    const std::int32_t van = addAsset({.name = "Van",
                                       .company = company_,
                                       .cost = 10000,
                                       .placed = "2008-02-01",
                                       .sold = "2010-09-01",
                                       .soldAmt = 4000,
                                       .life = 5});
    addBook(company_, van, {.book = kAmt, .life = 5, .cost = 10000, .business = 0.7, .costBasis = 7000});
    addDepr(company_, kAmt, van, kYear, 900, 5000);
    const Recordset rs = support_.GetBooksDisposedAssets(company_, kYear, kAmt);
    // 0.7 x 4000 - (7000 - 5000): the business share of the price against the business basis.
    EXPECT_EQ(valueOf(rs, "Description", "Van", "Gain/Loss").toDouble(), 800);
    EXPECT_EQ(valueOf(rs, "Description", "Forklift", "Gain/Loss").toDouble(), 700);
}

TEST_F(ReportBookTest, FiftyYearAssetsOfTheBook) {
    const Recordset rs = support_.GetBooks50YearAssets(company_, kYear, kAmt);
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs["Description"].toString(), "Crane");
    EXPECT_EQ(rs["Actual Method"].toString(), "S/L");
    EXPECT_EQ(rs["Convention"].toString(), "MM");
    EXPECT_EQ(rs["Cost Basis   "].toDouble(), 50000);
}

} // namespace
} // namespace qel::reporttest
