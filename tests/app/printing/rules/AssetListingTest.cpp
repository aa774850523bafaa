// The asset listing document: a fixture asset's block line by line as the data server's asset
// ledger gives it, the page headers after every second asset, and the formats of its fields.
#include "app/printing/rules/AssetListing.h"

#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel::printing {
namespace {

const Date kToday(2012, 3, 7);
const std::string kRule(95, '_');

// The text padded with blanks to `width` characters (or cut to it).
std::string pad(const std::string& text, std::size_t width) {
    return text.size() >= width ? text.substr(0, width) : text + std::string(width - text.size(), ' ');
}

std::vector<std::string> texts(const RichDocument& doc) {
    std::vector<std::string> out;
    for (const Paragraph& p : doc)
        out.push_back(p.text());
    return out;
}

class AssetListingTest : public ::testing::Test {
protected:
    void SetUp() override {
        company_ = test::addCompany("ACME Corp");
        account_ = test::addAccount("Furniture & fixtures", "1500", "1510", "6100");
        location_ = test::addLocation("Main");
        class_ = test::addClass("Office Furniture");
    }

    // A MACRS 7-year half-year desk in service 3/2010, 75 % business use, with a description row.
    std::int32_t addDesk(const std::string& name, test::AssetRow row = {}) {
        const std::int32_t asset = test::addAsset(row, {.name = name,
                                                        .company = company_,
                                                        .method = test::kMacrs,
                                                        .cost = 1234.5,
                                                        .section179 = 500,
                                                        .other = 100,
                                                        .business = 0.75,
                                                        .placed = "2010-03-01",
                                                        .life = 7,
                                                        .convention = test::kHalfYear,
                                                        .caption = "200 DB",
                                                        .notes = "Keep dry",
                                                        .account = account_,
                                                        .classId = class_,
                                                        .bookLife = 7,
                                                        .bookCost = 1234.5});
        test::addDescription(asset, "T-1", "S-9", location_, "Oak, two drawers");
        return asset;
    }

    RichDocument listing() {
        Recordset rs = DeprSupport().GetAssetLedger(company_, -13);
        return buildAssetListing(rs, "ACME Corp", kToday);
    }

    test::FreshDatabase fresh_;
    std::int32_t company_ = 0;
    std::int32_t account_ = 0;
    std::int32_t location_ = 0;
    std::int32_t class_ = 0;
};

TEST_F(AssetListingTest, OneAssetLineByLine) {
    const std::int32_t desk = addDesk("Office desk");
    const std::vector<std::string> expected = {
        "",
        pad("ACME Corp", 39) + "   " + pad("03/07/2012", 43) + "Page 1",
        kRule,
        "",
        std::string(33, ' ') + "Asset Listing",
        kRule,
        "",
        pad("Description:", 16) + pad("Office desk", 52) + pad("Asset Id:", 20) + std::to_string(desk),
        "",
        pad("Tax Method:", 16) + pad("MACRS", 20) + pad("Tax Life:", 17) + pad("7", 15) +
            pad("Amortize Code:", 20) + "0",
        "",
        // 1234.5 x 0.75 less 500 and 100 is 325.875: a basis of 326.
        pad("Tax Cost:", 16) + pad("1,235", 20) + pad("Actual Method:", 17) + pad("200 DB", 15) +
            pad("Business %:", 20) + "75",
        "",
        pad("179 Deduction:", 16) + pad("500", 20) + pad("Salvage/Other:", 17) + pad("100", 15) +
            pad("30/50% Deduction:", 20),
        "",
        pad("Tax Basis:", 16) + pad("326", 20) + pad("Convention:", 17) + pad("HY", 15) +
            pad("In Service Date:", 20) + "03/2010",
        "",
        pad("Location:", 16) + pad("Main", 20) + pad("Book Life:", 17) + pad("7", 15) +
            pad("Book Cost:", 20) + "1,235",
        "",
        pad("Class:", 16) + pad("Office Furniture", 52) + pad("Vehicle #:", 20) + "0",
        "",
        pad("Account:", 16) + "Furniture & fixtures",
        "",
        pad("Tag Nbr:", 16) + "T-1",
        "",
        pad("Serial Nbr:", 16) + "S-9",
        "",
        pad("Notes:", 16) + "Keep dry",
        "",
        pad("Long Descr:", 16) + "Oak, two drawers",
        "",
        "Disposition:",
        pad("     Date:", 16) + pad("", 20) + pad("Amount:", 17) + pad("", 15) + pad("Gain/Loss:", 20),
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
        "",
    };
    EXPECT_EQ(texts(listing()), expected);
}

TEST_F(AssetListingTest, WeightsSizesAndIndents) {
    addDesk("Office desk");
    const RichDocument doc = listing();
    EXPECT_EQ(doc[1].indent, 400);
    EXPECT_TRUE(doc[1].runs[0].bold);
    EXPECT_EQ(doc[1].runs[0].points, 8);
    EXPECT_EQ(doc[4].runs[0].points, 10);
    EXPECT_EQ(doc[4].indent, 360);
    // A body line: label bold, value regular, alternately.
    const Paragraph& method = doc[9];
    EXPECT_EQ(method.indent, 360);
    ASSERT_EQ(method.runs.size(), 6u);
    for (std::size_t i = 0; i < method.runs.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(method.runs[i].bold, i % 2 == 0);
        EXPECT_EQ(method.runs[i].points, 8);
    }
}

TEST_F(AssetListingTest, PageHeadersFollowEverySecondAsset) {
    struct Case {
        int assets;
        std::vector<std::string> pages;
    };
    const Case cases[] = {
        {1, {"Page 1"}},
        {2, {"Page 1"}},
        {3, {"Page 1", "Page 2"}},
        {4, {"Page 1", "Page 2"}},
        {5, {"Page 1", "Page 2", "Page 3"}},
    };
    int added = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.assets);
        while (added < c.assets)
            addDesk("Desk " + std::to_string(++added));
        std::vector<std::string> pages;
        std::vector<std::string> descriptions;
        for (const std::string& line : texts(listing())) {
            if (line.starts_with("ACME Corp"))
                pages.push_back(line.substr(85));
            if (line.starts_with("Description:"))
                descriptions.push_back(line);
        }
        EXPECT_EQ(pages, c.pages);
        EXPECT_EQ(descriptions.size(), static_cast<std::size_t>(c.assets));
    }
}

TEST_F(AssetListingTest, SaleZerosNullsAndLongTexts) {
    addDesk(std::string(60, 'D'), {.cost = 0,
                                   .section179 = 0,
                                   .other = 0,
                                   .business = 1,
                                   .soldDate = "2012-06-15",
                                   .soldAmt = -1234,
                                   .gainLoss = 1234.5});
    const std::vector<std::string> lines = texts(listing());
    EXPECT_EQ(lines[7].substr(16, 52), std::string(52, 'D'));
    EXPECT_EQ(lines[11], pad("Tax Cost:", 16) + pad("", 20) + pad("Actual Method:", 17) + pad("200 DB", 15) +
                             pad("Business %:", 20) + "100");
    EXPECT_EQ(lines[32], pad("     Date:", 16) + pad("06/2012", 20) + pad("Amount:", 17) + pad("-1,234", 15) +
                             pad("Gain/Loss:", 20) + "1,235");
}

TEST_F(AssetListingTest, LongCompanyNameIsCut) {
    addDesk("Office desk");
    Recordset rs = DeprSupport().GetAssetLedger(company_, -13);
    const RichDocument doc = buildAssetListing(rs, std::string(45, 'C'), kToday);
    EXPECT_EQ(doc[1].text(), std::string(39, 'C') + "   " + pad("03/07/2012", 43) + "Page 1");
}

TEST_F(AssetListingTest, NoRowsNoDocument) {
    Recordset rs = DeprSupport().GetAssetLedger(company_, -13);
    EXPECT_TRUE(buildAssetListing(rs, "ACME Corp", kToday).empty());
}

} // namespace
} // namespace qel::printing
