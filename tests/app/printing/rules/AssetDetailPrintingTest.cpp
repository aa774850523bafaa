// The "Asset Detail" page on the recording surface: its lines with and without notes and a
// disposal, the grid positions and weights, the amounts and conventions, a failing printer, and
// long values kept within a portrait page.
#include "app/printing/rules/AssetDetailPrinting.h"
#include "app/printing/rules/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace qel::printing {
namespace {

const Date kToday(2012, 3, 7);
const std::string kRule(112, '_');
// The rule under the title, at 12 points, ends at the page's right edge: 81 of its underscores fit
// from X 150 on the 11,840 twips of a portrait Letter page.
const std::string kTitleRule(81, '_');
const std::string kClass = "Office Furniture" + std::string(34, ' ') + "7-N\\0";

AssetDetailPage desk() {
    AssetDetailPage a;
    a.description = "Office desk";
    a.assetId = "17";
    a.method = "MACRS";
    a.life = "7";
    a.cost = "999.5";
    a.methodCaption = "200 DB";
    a.businessPercent = "100";
    a.otherDeductions = "0";
    a.allowance = "0";
    a.costBasis = "-12345";
    a.convention = 1;
    a.inService = "03/2010";
    a.classText = kClass;
    a.tagNbr = "T-1";
    a.serialNbr = "S-9";
    a.location = "Main";
    a.sold = kNoDisposalMonth;
    return a;
}

// The heading block and the body lines 1 to 6, each body line followed by an empty line.
std::vector<std::string> headingAndFirstLines() {
    return {"ACME Corp03/07/2012",
            "",
            kRule,
            "",
            "Asset Detail",
            kTitleRule,
            "",
            "Description:Office deskAsset ID:17",
            "",
            "Tax Method:MACRSLife: 7Amortize Code:",
            "",
            "Cost:1,000Actual method:200 DBBusiness %:100",
            "",
            "179 Deduction:Salvage/Other:30/50% Deduction:",
            "",
            "Cost Basis:-12,345Convention:HYIn Service Date:03/2010",
            "",
            "Class:Office Furniture                   Vehicle #",
            ""};
}

std::vector<std::string> operator+(std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

struct PageCase {
    const char* name;
    AssetDetailPage asset;
    std::vector<std::string> lines;
};

std::vector<PageCase> pageCases() {
    AssetDetailPage notes = desk();
    notes.notes = "Keep dry";
    AssetDetailPage sold = desk();
    sold.sold = "06/2012";
    sold.dispositionAmt = "500";
    sold.gainLoss = "-1200";
    const std::vector<std::string> tail = {"Tag Nbr:T-1", "", "Serial Nbr:S-9", "", "Location:Main", ""};
    return {
        {"no notes, no disposal", desk(), headingAndFirstLines() + tail},
        {"notes", notes,
         headingAndFirstLines() + std::vector<std::string>{"Notes:Keep dry", ""} + tail +
             std::vector<std::string>{"Long Descr:"}},
        {"disposal", sold,
         headingAndFirstLines() + tail +
             std::vector<std::string>{"   Disposition Data:", "Date:06/2012Amount:500Gain/Loss:-1,200", ""}},
    };
}

TEST(AssetDetailPrinting, LinesOfThePage) {
    for (const PageCase& c : pageCases()) {
        SCOPED_TRACE(c.name);
        RecordingSurface surface;
        std::vector<std::string> messages;
        printAssetDetail(surface, c.asset, "ACME Corp", kToday,
                         [&](const std::string& m) { messages.push_back(m); });
        EXPECT_EQ(surface.pageLines(1), c.lines);
        EXPECT_EQ(surface.pages(), 1);
        EXPECT_EQ(surface.jobsEnded(), 1);
        EXPECT_TRUE(messages.empty());
    }
}

TEST(AssetDetailPrinting, PlacesAndWeights) {
    RecordingSurface surface;
    surface.setFontSize(11);
    printAssetDetail(surface, desk(), "ACME Corp", kToday, [](const std::string&) {});
    auto find = [&](const std::string& text) {
        const std::optional<PrintedText> t = surface.find(1, text);
        EXPECT_TRUE(t.has_value()) << "not printed: " << text;
        return t.value_or(PrintedText{});
    };
    // The first line keeps the size the printer held and starts at Y 700.
    EXPECT_EQ(find("ACME Corp").x, 600);
    EXPECT_EQ(find("ACME Corp").y, 700);
    EXPECT_EQ(find("ACME Corp").points, 11);
    EXPECT_EQ(find("ACME Corp").face, "Courier new");
    EXPECT_EQ(find("03/07/2012").x, 10000);
    EXPECT_EQ(find("Asset Detail").x, 5230);
    EXPECT_EQ(find("Asset Detail").points, 12);
    EXPECT_TRUE(find("Asset Detail").bold);
    // At the 11 points the printer held, 88 underscores of the first rule fit the page.
    EXPECT_EQ(find(std::string(88, '_')).x, 150);
    struct Place {
        const char* text;
        int x;
        bool bold;
    };
    for (const Place p :
         {Place{"Tax Method:", 400, true}, Place{"MACRS", 2000, false}, Place{"Life: ", 4300, true},
          Place{"7", 6100, false}, Place{"Amortize Code:", 7800, true}, Place{"Asset ID:", 7800, true},
          Place{"17", 10000, false}}) {
        SCOPED_TRACE(p.text);
        EXPECT_EQ(find(p.text).x, p.x);
        EXPECT_EQ(find(p.text).bold, p.bold);
        EXPECT_EQ(find(p.text).points, 9);
    }
    // The page leaves the printer at size 9, regular.
    surface.print("next", true);
    EXPECT_EQ(surface.texts().back().points, 9);
    EXPECT_FALSE(surface.texts().back().bold);
}

TEST(AssetDetailPrinting, Conventions) {
    struct Case {
        std::int16_t id;
        const char* shown;
    };
    for (const Case c : {Case{1, "HY"}, Case{2, "MQ"}, Case{3, "MM"}, Case{4, " "}, Case{0, ""}}) {
        SCOPED_TRACE(c.id);
        EXPECT_EQ(conventionAbbreviation(c.id), c.shown);
    }
}

TEST(AssetDetailPrinting, AFailingPrinterShowsItsErrorThenStops) {
    RecordingSurface surface;
    surface.failFromPrint(1);
    std::vector<std::string> messages;
    printAssetDetail(surface, desk(), "ACME Corp", kToday,
                     [&](const std::string& m) { messages.push_back(m); });
    EXPECT_EQ(messages, (std::vector<std::string>{"Error in PrintAssetDetail Printer error 482",
                                                  "Can not complete operation. Exiting operation."}));
}

TEST(AssetDetailPrinting, ThePageIsPortraitWhateverTheJobBeforeLeft) {
    RecordingSurface surface;
    surface.setOrientation(Orientation::Landscape);
    surface.print("a landscape list", true);
    surface.endDoc();
    printAssetDetail(surface, desk(), "ACME Corp", kToday, [](const std::string&) {});
    EXPECT_EQ(surface.pageOrientations(), std::vector<Orientation>{Orientation::Portrait});
}

// Values longer than their room: a value is cut where the next label starts, the last value of
// a line wraps below it, and notes too long for the page end where the page leaves no room for
// the lines still to come; the disposal block is printed all the same.
TEST(AssetDetailPrinting, LongValuesStayWithinThePage) {
    struct Case {
        const char* name;
        std::size_t notesLength;
        bool sold;
    };
    for (const Case& c : {Case{"long notes", 300, false}, Case{"notes longer than the page", 20000, true}}) {
        SCOPED_TRACE(c.name);
        AssetDetailPage a = desk();
        a.description = "Conference table " + std::string(100, 'd');
        a.assetId = std::string(30, '9');
        a.method = std::string(60, 'm');
        a.notes = "";
        for (std::size_t i = 0; a.notes.size() < c.notesLength; ++i)
            a.notes += "note" + std::to_string(i) + " ";
        a.location = std::string(150, 'L');
        if (c.sold) {
            a.sold = "06/2012";
            a.gainLoss = "-123456789012";
        }
        RecordingSurface surface;
        surface.setFontSize(12);
        std::vector<std::string> messages;
        printAssetDetail(surface, a, std::string(120, 'A'), kToday,
                         [&](const std::string& m) { messages.push_back(m); });
        EXPECT_TRUE(messages.empty());
        EXPECT_EQ(surface.pages(), 1);
        EXPECT_EQ(surface.textsBeyondPage(), std::vector<std::string>{});
        const std::vector<std::string> lines = surface.pageLines(1);
        // The description stops where "Asset ID:" starts (5,800 twips, 53 characters at 9
        // points); the location wraps onto a second line.
        EXPECT_NE(
            std::find(lines.begin(), lines.end(),
                      "Description:" + a.description.substr(0, 53) + "Asset ID:" + a.assetId.substr(0, 17)),
            lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), "Location:" + a.location.substr(0, 91)), lines.end());
        EXPECT_NE(std::find(lines.begin(), lines.end(), a.location.substr(91)), lines.end());
        EXPECT_EQ(lines.back(), c.sold ? "" : "Long Descr:");
        if (c.sold) {
            EXPECT_EQ(lines[lines.size() - 2], "Date:06/2012Amount:Gain/Loss:-123,456,789,012");
        }
    }
}

} // namespace
} // namespace qel::printing
