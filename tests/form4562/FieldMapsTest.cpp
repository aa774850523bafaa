// The Form 4562 field tables and amount patterns: which text each field number of each
// template layout receives. The field numbers below are the layouts' published contract, written
// out here rather than taken from the template generator.
#include "form4562/FieldMaps.h"
#include "form4562/FormText.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace qel::form4562 {
namespace {

// Every field from 3 to `last` as the fill loop sends it.
std::map<int, std::string> fill(int year, const FormValues& v, int last) {
    FieldFill fill(year, v);
    std::map<int, std::string> texts;
    for (int i = 3; i <= last; ++i)
        texts[i] = fill.next(i);
    return texts;
}

TEST(AmountPatternTest, WholeDollarsGroupedHalvesAwayFromZero) {
    const struct {
        const char* name;
        std::string text;
        std::string blank; // "#,###"
        std::string zero;  // "#,##0"
    } cases[] = {
        {"plain", "1234567", "1,234,567", "1,234,567"},
        {"half up", "1234.5", "1,235", "1,235"},
        {"below half", "1234.49", "1,234", "1,234"},
        {"negative half", "-2.5", "-3", "-3"},
        {"commas read as digit groups", "12,000", "12,000", "12,000"},
        {"blanks around", "  2500 ", "2,500", "2,500"},
        {"zero", "0", "", "0"},
        {"rounds to zero", "0.4", "", "0"},
        {"empty", "", "", ""},
        {"a word", "Missing", "Missing", "Missing"},
        {"50-year mark", "1,234 *", "1,234 *", "1,234 *"},
        {"description", "  Total 179 Assets", "  Total 179 Assets", "  Total 179 Assets"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(amountOrBlank(c.text), c.blank);
        EXPECT_EQ(amountOrZero(c.text), c.zero);
    }
    EXPECT_EQ(amountOrBlank(0), "");
    EXPECT_EQ(amountOrZero(0), "0");
    EXPECT_EQ(amountOrZero(-1500), "-1,500");
}

TEST(WholeDollarsTest, HalfToEvenAndOverflow) {
    EXPECT_EQ(wholeDollars(10.5), 10);
    EXPECT_EQ(wholeDollars(11.5), 12);
    EXPECT_EQ(wholeDollars(-2.5), -2);
    try {
        wholeDollars(3e9);
        ADD_FAILURE() << "no overflow";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
}

TEST(LayoutTest, YearsShareTheLayoutsFrom2012On) {
    EXPECT_EQ(layoutOf(2009), 2009);
    EXPECT_EQ(layoutOf(2011), 2011);
    EXPECT_EQ(layoutOf(2012), 2012);
    EXPECT_EQ(layoutOf(2030), 2012);
    EXPECT_EQ(highestMappedField(2009), 203);
    EXPECT_EQ(highestMappedField(2010), 265);
    EXPECT_EQ(highestMappedField(2011), 265);
    EXPECT_EQ(highestMappedField(2013), 290);
}

// A record whose every item is distinct, so that a field's text names the item it came from.
FormValues distinctValues() {
    FormValues v;
    v.ownerName = "Owner";
    v.business = "Business";
    v.identifier = "12-3456789";
    v.line1 = "Missing";
    v.line2 = "900";
    v.line3 = "800";
    v.line4 = 100;
    v.line5 = 400;
    v.line6[0] = {"  Press", "600", "300"};
    v.line6[1] = {"  Lathe", "300", "150"};
    v.line8 = 450;
    v.line9 = 400;
    v.line10 = "10";
    v.line11 = "300";
    v.line12 = 300;
    v.line13 = 110;
    v.line14 = 1400;
    v.line15 = "1500";
    v.line16 = 1600;
    v.line17 = 1700;
    v.line18 = "/Yes";
    for (int r = 0; r < 7; ++r)
        v.line19[r] = {std::to_string(1000 * (r + 1)), std::to_string(r + 3), "HY", "200 DB",
                       std::to_string(10 + r)};
    v.line19h = {"27000", "", "", "", "270"};
    v.line19i = {"39000", "", "", "", "390"};
    v.line20a = {"6000", "6", "HY", "", "60"};
    v.line20b = {"12000", "", "MQ", "", "120"};
    v.line20c = {"40000", "", "", "", "400"};
    v.line22 = "9999";
    v.line23 = "2300";
    v.line24a = "Yes";
    v.line24b = "No";
    v.line25 = 2500;
    v.line26[0] = {"Car", "03-2012", "75", "20000", "15000", "5", "200DB ", "HY", "3000", "1000"};
    v.line27[0] = {"Van", "04-2012", "40", "10000", "4000", "5", "", "HY", "800", ""};
    v.line28 = 6300;
    v.line29 = 1000;
    v.vehicles[0] = {"8000", "1000", "500", "9500", "Yes", "No", "Yes"};
    v.vehicles[1] = {"6000", "200", "100", "6300", "No", "Yes", "No"};
    v.lines37to41 = {"Yes", "No", "Yes", "No", "Yes"};
    v.line42[0] = {"Patent", "05-2012", "7000", "197", "180", "700"};
    v.line43 = 4300;
    v.line44 = 5000;
    return v;
}

TEST(FieldTableTest, EachLayoutPutsItsItemsAtItsFieldNumbers) {
    const FormValues v = distinctValues();
    const struct {
        const char* item;
        int field[4]; // 2009, 2010, 2011, 2012 layouts; 0: the layout has none
        const char* text;
    } cases[] = {
        {"name", {3, 3, 3, 3}, "Owner"},
        {"business", {4, 4, 4, 4}, "Business"},
        {"identifying number", {5, 127, 5, 5}, "12-3456789"},
        {"line 1", {0, 5, 6, 6}, "Missing"},
        {"line 2", {6, 6, 7, 7}, "900"},
        {"line 3", {0, 7, 8, 8}, "800"},
        {"line 4", {7, 8, 9, 9}, "100"},
        {"line 5", {8, 9, 10, 10}, "400"},
        {"line 6 row 1 (a)", {9, 12, 13, 13}, "  Press"},
        {"line 6 row 2 (c)", {14, 18, 19, 19}, "150"},
        {"line 7", {15, 19, 20, 20}, "1,000"},
        {"line 8", {16, 20, 21, 21}, "450"},
        {"line 9", {17, 21, 22, 22}, "400"},
        {"line 11", {19, 23, 24, 24}, "300"},
        {"line 12", {20, 24, 25, 25}, "300"},
        {"line 13", {21, 25, 26, 26}, "110"},
        {"line 17", {25, 29, 30, 30}, "1,700"},
        {"line 19c (c)", {37, 45, 46, 46}, "3,000"},
        {"line 19c (g)", {41, 49, 50, 50}, "12"},
        {"line 19f (f)", {55, 66, 67, 67}, nullptr},
        {"line 19h (g)", {62, 81, 82, 82}, "270"},
        {"line 19i (c)", {67, 92, 93, 93}, "39,000"},
        {"line 20a (d)", {74, 107, 108, 108}, "6"},
        {"line 20b (e)", {78, 114, 115, 115}, "MQ"},
        {"line 20c (g)", {82, 123, 124, 124}, "400"},
        {"line 21", {83, 124, 125, 125}, "6,300"},
        {"line 22", {84, 125, 126, 126}, "9,999"},
        {"line 25", {87, 129, 129, 133}, "2,500"},
        {"line 26 row 1 (g)", {94, 138, 138, 142}, "200DB  HY"},
        {"line 26 row 1 (i)", {96, 140, 140, 144}, "1,000"},
        {"line 27 row 1 (g)", {121, 169, 169, 173}, "HY"},
        {"line 29", {140, 190, 190, 194}, "1,000"},
        {"line 30 vehicle (b)", {142, 194, 194, 198}, "6,000"},
        {"line 33 vehicle (a)", {159, 214, 214, 218}, "9,500"},
        {"line 35 vehicle (b)", {202, 230, 230, 241}, "Yes"},
        {"line 39", {203, 263, 262, 268}, "Yes"},
        {"line 42 row 1 (f)", {170, 249, 249, 281}, "700"},
        {"line 44", {178, 258, 258, 290}, "5,000"},
    };
    const int years[] = {2009, 2010, 2011, 2012};
    for (int k = 0; k < 4; ++k) {
        const auto texts = fill(years[k], v, 300);
        for (const auto& c : cases) {
            if (c.field[k] == 0)
                continue;
            SCOPED_TRACE(std::string(c.item) + " in the " + std::to_string(years[k]) + " layout");
            const std::string expected = c.text ? c.text : (k == 0 ? "200 DB" : "S/L");
            EXPECT_EQ(texts.at(c.field[k]), expected);
        }
    }
}

TEST(FieldTableTest, FixedTextsKeepsBlanksAndTheGroupElection) {
    const FormValues v = distinctValues();
    const auto t2009 = fill(2009, v, 210);
    EXPECT_EQ(t2009.at(26), "/Yes") << "2009 shows line 18 with its slash";
    for (int empty : {60, 63, 66, 69})
        EXPECT_EQ(t2009.at(empty), "");
    for (int blank : {64, 65, 70, 71, 72, 80, 86, 204, 210})
        EXPECT_EQ(t2009.at(blank), " ") << blank;

    const auto t2010 = fill(2010, v, 270);
    EXPECT_EQ(t2010.at(30), "Yes");
    EXPECT_EQ(t2010.at(10), "400") << "keeps line 5";
    EXPECT_EQ(t2010.at(11), "400");
    EXPECT_EQ(t2010.at(15), "300") << "keeps line 6 row 1 (c)";
    EXPECT_EQ(t2010.at(75), " ") << "keeps the blank before it";
    EXPECT_EQ(t2010.at(77), "12,000") << "line 20b (c) again";
    EXPECT_EQ(t2010.at(120), "40yrs");
    EXPECT_EQ(t2010.at(121), " ");
    EXPECT_EQ(t2010.at(122), "S/L");
    EXPECT_EQ(t2010.at(259), "Yes");
    EXPECT_EQ(t2010.at(260), "No");

    const auto t2011 = fill(2011, v, 270);
    EXPECT_EQ(t2011.at(11), "400");
    EXPECT_EQ(t2011.at(12), "400");
    EXPECT_EQ(t2011.at(16), "300");
    EXPECT_EQ(t2011.at(78), t2011.at(113));
    EXPECT_EQ(t2011.at(121), " ");
    EXPECT_EQ(t2011.at(122), "40yrs");
    EXPECT_EQ(t2011.at(259), "No") << "line 24b before the employer's answers";
    EXPECT_EQ(t2011.at(265), "Yes") << "line 24a after them";

    const auto t2012 = fill(2012, v, 300);
    for (const auto& [field, text] : std::map<int, std::string>{
             {79, "27.5"}, {80, "MM"}, {81, "S/L"}, {94, "39"}, {95, "MM"}, {114, "12yrs"}, {73, "S/L"}})
        EXPECT_EQ(t2012.at(field), text) << field;
    EXPECT_EQ(t2012.at(129), "Yes");
    EXPECT_EQ(t2012.at(130), "Yes") << "each yes/no answer fills two fields";
    EXPECT_EQ(t2012.at(264), "Yes");
    EXPECT_EQ(t2012.at(265), "Yes");
    EXPECT_EQ(t2012.at(228), "No") << "line 34 vehicle (b), first field";
    EXPECT_EQ(t2012.at(229), "No");
    for (int blank : {32, 33, 128, 134, 238, 274, 282, 291, 300})
        EXPECT_EQ(t2012.at(blank), " ") << blank;
}

// Every field that a layout fills (keep fields included) receives something else than the
// blank of an unused field when every item has a value; the counts are the layouts' own.
TEST(FieldTableTest, EachLayoutFillsItsNumberOfFields) {
    FormValues v = distinctValues();
    for (auto& row : v.line26)
        row = v.line26[0];
    for (auto& row : v.line27)
        row = v.line27[0];
    for (auto& column : v.vehicles)
        column = v.vehicles[0];
    v.line42[1] = v.line42[0];
    v.line19h.period = "x";
    const struct {
        int year;
        int filled;
        int highest;
        int keptBlanks; // keep fields right after an unused one
    } cases[] = {{2009, 194, 203, 0}, {2010, 211, 265, 2}, {2011, 211, 265, 2}, {2012, 236, 290, 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.year);
        int filled = 0;
        for (const auto& [field, text] : fill(c.year, v, c.highest + 5))
            if (text != " ")
                ++filled;
        EXPECT_EQ(filled + c.keptBlanks, c.filled);
    }
}

} // namespace
} // namespace qel::form4562
