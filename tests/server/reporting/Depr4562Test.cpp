// The Depr4562 class: the Form 4562 amounts — listed property, amortization, section 179, the
// allowances, the whole-dollar sums and the MACRS/ADS summary.
#include "server/reporting/Depr4562.h"

#include "tests/server/reporting/AutoDepr4562Fixture.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace qel {
namespace {

using test::AssetRow;
using test::fieldNames;

constexpr std::int16_t kYear = 2010;

std::vector<std::string> texts(Recordset rs, const char* name) {
    std::vector<std::string> values;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        values.push_back(rs[name].toString());
    return values;
}

class Depr4562Test : public test::AssetFixture {
protected:
    Depr4562 form_;
};

// ---- Listed property ------------------------------------------------------------------------

class ListedTest : public Depr4562Test {
protected:
    // Three listed assets above half business use; C and A share a fraction, so the vehicle
    // number orders them, and C (an earlier placement) comes first.
    void SetUp() override {
        addAssetWithDepr({.name = "A",
                          .method = test::kListed,
                          .cost = 1000,
                          .section179 = 100,
                          .business = 0.9,
                          .placed = "2010-04-01",
                          .vehicle = 2},
                         kYear, 200);
        addAssetWithDepr({.name = "B",
                          .method = test::kListed,
                          .cost = 2000,
                          .section179 = 50,
                          .business = 0.8,
                          .placed = "2008-06-01",
                          .vehicle = 3},
                         kYear, 300);
        addAssetWithDepr({.name = "C",
                          .method = test::kListed,
                          .cost = 3000,
                          .business = 0.9,
                          .placed = "2009-01-01",
                          .vehicle = 1},
                         kYear, 400);
        addAssetWithDepr({.name = "Half use",
                          .method = test::kListed,
                          .cost = 400,
                          .business = 0.5,
                          .placed = "2010-02-01",
                          .vehicle = 4},
                         kYear, 40);
        addAssetWithDepr({.name = "Machine", .method = test::kMacrs, .cost = 9000, .business = 1}, kYear,
                         900);
    }
};

TEST_F(ListedTest, ThreeCountedAssetsGiveDetailRowsInBusinessUseOrder) {
    Recordset rs = form_.GetListedDepr(1, kYear, ">");

    EXPECT_EQ(fieldNames(rs),
              (std::vector<std::string>{"Asset_name", "In_Service_date", "Bpercent", "Cost", "Basis", "life",
                                        "depr", "179_deduction", "Method", "abbreviation", "Company_Id",
                                        "year", "vehicle_num", "bussiness_percent"}));
    EXPECT_EQ(texts(rs, "Asset_name"), (std::vector<std::string>{"C", "A", "B"}));
    rs.MoveNext(); // A, placed in service this year
    EXPECT_EQ(rs["In_Service_date"], Variant(Date(2010, 4, 1)));
    EXPECT_EQ(rs["Bpercent"].toString(), "90");
    EXPECT_EQ(rs["Basis"].toString(), "900");
    EXPECT_EQ(rs["depr"].toString(), "200");
    EXPECT_EQ(rs["179_deduction"].toString(), "100");
    EXPECT_EQ(rs["Method"].toString(), "200DB ");
    EXPECT_EQ(rs["abbreviation"].toString(), "HY");
    rs.MoveNext(); // B, placed earlier: its section 179 belongs to an earlier year
    EXPECT_EQ(rs["179_deduction"].toString(), "0");

    EXPECT_EQ(texts(form_.GetListedDepr(1, kYear, "<="), "Asset_name"), std::vector<std::string>{"Half use"});
    EXPECT_TRUE(form_.GetListedDepr(2, kYear, ">").IsEOF());
}

TEST_F(ListedTest, AFourthAssetTurnsTheDetailIntoTwoTotalRowsOnlyWhenItIsCounted) {
    struct Case {
        const char* name;
        double allowance;
        double other;
        std::size_t rows;
        bool totals;
    } cases[] = {
        {"counted", 0, 0, 2, true},
        {"basis used up by allowance and other deductions", 300, 200, 4, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::int64_t fourth = addAssetWithDepr({.name = "E",
                                                      .method = test::kListed,
                                                      .cost = 500,
                                                      .allowance = c.allowance,
                                                      .section179 = 20,
                                                      .other = c.other,
                                                      .business = 0.7,
                                                      .placed = "2010-07-01",
                                                      .vehicle = 5},
                                                     kYear, 50);
        Recordset rs = form_.GetListedDepr(1, kYear, ">");
        EXPECT_EQ(rs.RecordCount(), c.rows);
        if (c.totals) {
            EXPECT_EQ(fieldNames(rs),
                      (std::vector<std::string>{"Asset_name", "Cost", "Basis", "Depr", "179_deduction"}));
            EXPECT_EQ(texts(rs, "Asset_name"), (std::vector<std::string>{"Total Listed", "Total Listed"}));
            EXPECT_EQ(texts(rs, "Cost"), (std::vector<std::string>{"1500", "5000"}));
            EXPECT_EQ(texts(rs, "Basis"), (std::vector<std::string>{"1250", "4300"}));
            EXPECT_EQ(texts(rs, "Depr"), (std::vector<std::string>{"250", "700"}));
            EXPECT_EQ(texts(rs, "179_deduction"), (std::vector<std::string>{"120", "0"}));
        }
        fresh_.exec("DELETE FROM tblAssets WHERE Asset_num = " + std::to_string(fourth));
    }
}

TEST_F(ListedTest, TotalRowsAreBothThereWhenOneGroupIsEmpty) {
    for (int i = 0; i < 4; ++i)
        addAssetWithDepr({.name = "Low " + std::to_string(i),
                          .method = test::kListed,
                          .cost = 100,
                          .business = 0.3,
                          .placed = "2010-01-01",
                          .vehicle = 10 + i},
                         kYear, 10);

    const Recordset rs = form_.GetListedDepr(1, kYear, "<=");

    EXPECT_EQ(texts(rs, "Cost"), (std::vector<std::string>{"800", ""}));
    EXPECT_EQ(texts(rs, "179_deduction"), (std::vector<std::string>{"0", ""}));
}

TEST_F(ListedTest, AComparisonOtherThanTheTwoOfTheFormIsRefused) {
    for (const char* use : {"=", ">=", "<", "", " >", "> 0 OR 1=1 --"}) {
        SCOPED_TRACE(use);
        try {
            form_.GetListedDepr(1, kYear, use);
            ADD_FAILURE() << "accepted";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kPassedThrough);
            EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
            EXPECT_EQ(e.helpFile(), "Depr4562");
            EXPECT_EQ(e.helpContext(), "GetListedDepr");
        }
    }
}

// ---- Amortization ---------------------------------------------------------------------------

TEST_F(Depr4562Test, AmortizationOfTheYearTurnsIntoATotalRowFromThreeCountedAssets) {
    addAssetWithDepr({.name = "Patent",
                      .method = test::kAmortize,
                      .cost = 1500,
                      .business = 1,
                      .placed = "2010-01-01",
                      .life = 15,
                      .amortizeCode = 197},
                     kYear, 100);
    addAssetWithDepr({.name = "Startup",
                      .method = test::kAmortize,
                      .cost = 600,
                      .business = 0.5,
                      .placed = "2010-07-01",
                      .life = 15,
                      .amortizeCode = 195},
                     kYear, 20);
    addAssetWithDepr(
        {.name = "Old license", .method = test::kAmortize, .cost = 900, .placed = "2007-01-01", .life = 15},
        kYear, 60);

    Recordset detail = form_.GetAmortized(1, kYear);
    EXPECT_EQ(fieldNames(detail), (std::vector<std::string>{"Asset_name", "In_Service_date", "Basis",
                                                            "amortize_code", "periods", "depr"}));
    EXPECT_EQ(texts(detail, "Asset_name"), (std::vector<std::string>{"Patent", "Startup"}));
    EXPECT_EQ(texts(detail, "Basis"), (std::vector<std::string>{"1500", "300"}));
    EXPECT_EQ(texts(detail, "periods"), (std::vector<std::string>{"180", "180"}));
    EXPECT_EQ(texts(detail, "amortize_code"), (std::vector<std::string>{"197", "195"}));

    struct Case {
        const char* name;
        double allowance;
        std::string sold;
        std::size_t rows;
    } cases[] = {
        {"sold in the year, counted", 0, "2010-11-01", 1},
        {"basis used up, not counted", 400, "1900-01-01", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::int64_t third = addAssetWithDepr({.name = "Goodwill",
                                                     .method = test::kAmortize,
                                                     .cost = 400,
                                                     .allowance = c.allowance,
                                                     .placed = "2010-05-01",
                                                     .sold = c.sold,
                                                     .life = 15},
                                                    kYear, 10);
        Recordset rs = form_.GetAmortized(1, kYear);
        EXPECT_EQ(rs.RecordCount(), c.rows);
        if (c.rows == 1) {
            EXPECT_EQ(fieldNames(rs), (std::vector<std::string>{"Asset_name", "Basis", "Depr"}));
            EXPECT_EQ(rs["Asset_name"].toString(), "Total Amortized");
            EXPECT_EQ(rs["Basis"].toString(), "2200");
            EXPECT_EQ(rs["Depr"].toString(), "130");
        }
        fresh_.exec("DELETE FROM tblAssets WHERE Asset_num = " + std::to_string(third));
    }

    EXPECT_EQ(form_.GetPriorYearAmortization(1, kYear), 60);
}

// ---- Section 179 ----------------------------------------------------------------------------

TEST_F(Depr4562Test, Section179PropertyTurnsIntoATotalRowFromThreeAssets) {
    const AssetRow elected{
        .method = test::kMacrs, .cost = 5000, .section179 = 1000, .type179 = true, .placed = "2010-02-01"};
    AssetRow first = elected, second = elected;
    first.name = "Press";
    second.name = "Lathe";
    second.cost = 3000;
    second.section179 = 500;
    second.sold = "2011-03-01"; // sold after the year: still counts
    addAsset(first);
    addAsset(second);

    AssetRow listed = elected, notElected = elected, soldInYear = elected, earlier = elected,
             nothing = elected;
    listed.method = test::kListed;
    notElected.type179 = false;
    soldInYear.sold = "2010-09-01";
    earlier.placed = "2009-12-01";
    nothing.section179 = 0;
    for (const AssetRow& a : {listed, notElected, soldInYear, earlier, nothing})
        addAsset(a);

    Recordset detail = form_.Get179MacrsDeduction(1, kYear);
    EXPECT_EQ(fieldNames(detail), (std::vector<std::string>{"Asset_name", "Cost", "179_deduction"}));
    EXPECT_EQ(texts(detail, "Asset_name"), (std::vector<std::string>{"Press", "Lathe"}));
    EXPECT_EQ(texts(detail, "Cost"), (std::vector<std::string>{"5000", "3000"}));

    AssetRow third = elected;
    third.name = "Drill";
    third.method = test::kMacrs150;
    third.section179 = 250;
    addAsset(third);

    const Recordset total = form_.Get179MacrsDeduction(1, kYear);
    EXPECT_EQ(fieldNames(total), (std::vector<std::string>{"Asset_name", "179_deduction"}));
    ASSERT_EQ(total.RecordCount(), 1u);
    EXPECT_EQ(total["Asset_name"].toString(), "Total 179 Assets");
    EXPECT_EQ(total["179_deduction"].toString(), "1750");
}

// ---- Allowances and whole-dollar sums --------------------------------------------------------

TEST_F(Depr4562Test, AllowancesOfTheYearsNewAssetsByMethod) {
    addAsset({.method = test::kMacrs, .allowance = 100, .other = 10});
    addAsset({.method = test::kMacrs150, .allowance = 200, .other = 20});
    addAsset({.method = test::kListed, .allowance = 50, .other = 5});
    addAsset({.method = test::kAds, .allowance = 7});
    addAsset({.method = test::kMacrs, .allowance = 1000, .sold = "2010-12-01"});
    addAsset({.method = test::kMacrs, .allowance = 3000, .placed = "2009-01-01"});
    addAsset({.method = test::kMacrs, .allowance = 4000, .sold = "2011-01-01"});

    const struct {
        const char* type;
        std::int32_t expected;
    } cases[] = {
        {"MACRS", 4330},    {"Listed", 55}, {"macrs", 4110}, // one method name in other letters: MACRS alone
        {"Macrs 150", 220}, {"ADS", 7},     {"Amortize", 0}, {"x' OR '1'='1", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.type);
        EXPECT_EQ(form_.GetAllowances(1, kYear, c.type), c.expected);
    }
    EXPECT_EQ(form_.GetAllowances(1, 2012, "MACRS"), 0);
}

TEST_F(Depr4562Test, SumsAreWholeDollarsWithHalvesToEven) {
    const struct {
        const char* name;
        std::vector<double> depr;
        std::int32_t expected;
    } cases[] = {
        {"10.5", {10.5}, 10}, {"11.5", {11.5}, 12},
        {"-2.5", {-2.5}, -2}, {"5.5 summed with binary noise", {0.1, 4.1, 1.3}, 6},
        {"none", {}, 0},
    };
    int company = 10;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ++company;
        for (double d : c.depr) {
            const std::int64_t asset = addAssetWithDepr(
                {.company = company, .method = test::kStraightLine, .placed = "2008-01-01"}, kYear, d);
            addDepr(asset, kYear, 1000, test::kAmt, company);
        }
        EXPECT_EQ(form_.GetOtherDepr(kYear, company), c.expected);
    }
}

TEST_F(Depr4562Test, PriorYearsDepreciationOfMacrsAndAdsFromTheTaxBook) {
    addAssetWithDepr({.method = test::kMacrs, .placed = "2008-01-01"}, kYear, 100);
    addAssetWithDepr({.method = test::kMacrs150, .placed = "2009-12-01"}, kYear, 200);
    const std::int64_t ads = addAssetWithDepr({.method = test::kAds, .placed = "2009-01-01"}, kYear, 40);
    addDepr(ads, kYear, 5000, test::kAmt);
    addAssetWithDepr({.method = test::kMacrs, .placed = "2010-01-01"}, kYear, 1000);
    addAssetWithDepr({.method = test::kStraightLine, .placed = "2008-01-01"}, kYear, 7);
    addAssetWithDepr({.method = test::kAmortize, .placed = "2008-01-01"}, 2009, 9);

    EXPECT_EQ(form_.GetMacrsPriorYears(1, kYear), 340);
    EXPECT_EQ(form_.GetOtherDepr(kYear, 1), 7);
    EXPECT_EQ(form_.GetPriorYearAmortization(1, kYear), 0);
    EXPECT_EQ(form_.GetMacrsPriorYears(2, kYear), 0);
}

// ---- Summary by recovery period -------------------------------------------------------------

TEST_F(Depr4562Test, SummaryGroupsTheYearsNewAssetsByLifeConventionAndCaption) {
    addAssetWithDepr({.method = test::kMacrs, .cost = 1000, .allowance = 100, .life = 5}, kYear, 180);
    addAssetWithDepr({.method = test::kMacrs, .cost = 2000, .section179 = 100, .business = 0.5, .life = 5},
                     kYear, 90);
    addAssetWithDepr({.method = test::kMacrs150, .cost = 500, .life = 15, .caption = "150 DB"}, kYear, 25);
    addAssetWithDepr({.method = test::kMacrs, .cost = 700, .life = 7, .convention = 2}, kYear, 70);
    addAssetWithDepr({.method = test::kAds, .cost = 1200, .life = 12, .caption = "S/L"}, kYear, 50);
    addAssetWithDepr({.method = test::kMacrs, .cost = 9000, .placed = "2009-01-01", .life = 5}, kYear, 900);

    const Recordset macrs = form_.GetDeprSummary(1, kYear, Variant("MACRS"));
    EXPECT_EQ(fieldNames(macrs), (std::vector<std::string>{"Basis", "life", "Depr", "Convention", "method"}));
    EXPECT_EQ(texts(macrs, "life"), (std::vector<std::string>{"5", "7", "15"}));
    EXPECT_EQ(texts(macrs, "Basis"), (std::vector<std::string>{"1800", "700", "500"}));
    EXPECT_EQ(texts(macrs, "Depr"), (std::vector<std::string>{"270", "70", "25"}));
    EXPECT_EQ(texts(macrs, "Convention"), (std::vector<std::string>{"HY", "MQ", "HY"}));
    EXPECT_EQ(texts(macrs, "method"), (std::vector<std::string>{"200 DB", "200 DB", "150 DB"}));

    const Recordset adsRows = form_.GetDeprSummary(1, kYear, Variant("ADS"));
    EXPECT_EQ(texts(adsRows, "life"), std::vector<std::string>{"12"});
    EXPECT_EQ(texts(adsRows, "Basis"), std::vector<std::string>{"1200"});
}

// ---- Company heading ------------------------------------------------------------------------

TEST_F(Depr4562Test, CompanyDataOfAKnownAndAnUnknownCompany) {
    const Recordset known = form_.GetCompanyData(1);
    ASSERT_EQ(known.RecordCount(), 1u);
    EXPECT_EQ(known["Company Name"].toString(), "Sample Company");
    EXPECT_EQ(known["owner"].toString(), "Sample Owner");
    EXPECT_EQ(known["tax id"].toString(), "00-0000000");

    EXPECT_TRUE(form_.GetCompanyData(99).IsEOF());
}

} // namespace
} // namespace qel
