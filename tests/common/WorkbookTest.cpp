// The workbook reader on well-formed files: cell values of every kind from .xlsx (shared and
// inline strings) and .xls, row gaps, the active sheet, and the parts of a package that other
// writers produce (formula results, errors, the 1904 date system, rows without references).
#include "common/Workbook.h"
#include "common/ServerError.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>

namespace qel {
namespace {

using test::SheetData;

// Every row the reader gives: (row number, cells of columns A to G).
std::vector<std::pair<int, std::vector<Variant>>> readAll(const std::string& path) {
    Workbook book(path);
    std::vector<std::pair<int, std::vector<Variant>>> rows;
    while (book.nextRow()) {
        std::vector<Variant> cells;
        for (int c = 1; c <= 7; ++c)
            cells.push_back(book.cell(c));
        rows.emplace_back(book.row(), cells);
    }
    return rows;
}

const SheetData kSample{
    {"Company", "Name"},
    {7, "Desk's top", 1250.5, true, Date(2010, 7, 1), "Ünïcode €"},
    {},
    {8, Variant(), "1,250", false},
};

test::XlsxOptions inlineStrings() {
    test::XlsxOptions o;
    o.inlineStrings = true;
    return o;
}

struct FormatCase {
    const char* name;
    std::function<void(const std::filesystem::path&, const SheetData&)> write;
    const char* file;
};

class WorkbookFormats : public ::testing::TestWithParam<FormatCase> {};

TEST_P(WorkbookFormats, ReadsEveryKindOfCellAndSkipsEmptyRows) {
    const auto& c = GetParam();
    test::TempFolder folder;
    const auto path = folder.path() / c.file;
    c.write(path, kSample);

    const auto rows = readAll(path.string());
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].first, 1);
    EXPECT_EQ(rows[0].second[0], Variant("Company"));
    EXPECT_TRUE(rows[0].second[2].isNull());

    EXPECT_EQ(rows[1].first, 2);
    const auto& r2 = rows[1].second;
    EXPECT_EQ(r2[0], Variant(7.0));
    EXPECT_EQ(r2[1], Variant("Desk's top"));
    EXPECT_EQ(r2[2], Variant(1250.5));
    EXPECT_EQ(r2[3], Variant(true));
    EXPECT_EQ(r2[4], Variant(static_cast<double>(Date(2010, 7, 1).serial())));
    EXPECT_EQ(r2[5], Variant("Ünïcode €"));
    EXPECT_TRUE(r2[6].isNull());

    EXPECT_EQ(rows[2].first, 4); // row 3 holds nothing
    const auto& r4 = rows[2].second;
    EXPECT_EQ(r4[0], Variant(8.0));
    EXPECT_TRUE(r4[1].isNull());
    EXPECT_EQ(r4[2], Variant("1,250")); // a number typed as text stays text
    EXPECT_EQ(r4[3], Variant(false));
}

INSTANTIATE_TEST_SUITE_P(
    All, WorkbookFormats,
    ::testing::Values(FormatCase{"XlsxSharedStrings",
                                 [](const auto& p, const auto& r) { test::writeXlsx(p, r); }, "a.xlsx"},
                      FormatCase{"XlsxInlineStrings",
                                 [](const auto& p, const auto& r) { test::writeXlsx(p, r, inlineStrings()); },
                                 "b.xlsx"},
                      // The .xls library gives TRUE and FALSE as the numbers 1 and 0; the reader takes them
                      // from the workbook's records as the Yes/No values they are, as in an .xlsx workbook.
                      FormatCase{"Xls", [](const auto& p, const auto& r) { test::writeXls(p, r); }, "c.xls"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Workbook, ReadsTheActiveSheetOfAnXlsxWorkbook) {
    test::TempFolder folder;
    const auto path = folder.path() / "two.xlsx";
    test::writeXlsx(path, {{"First", {{"first sheet"}}}, {"Second", {{"second sheet"}}}}, 1);
    Workbook book(path.string());
    EXPECT_EQ(book.sheetName(), "Second");
    ASSERT_TRUE(book.nextRow());
    EXPECT_EQ(book.cell(1), Variant("second sheet"));
    EXPECT_FALSE(book.nextRow());
    EXPECT_FALSE(book.nextRow());
}

TEST(Workbook, ReadsTheFirstSheetOfAnXlsWorkbook) {
    test::TempFolder folder;
    const auto path = folder.path() / "two.xls";
    test::XlsOptions options;
    options.extraSheets = {"Other"};
    test::writeXls(path, {{"first sheet"}}, options);
    Workbook book(path.string());
    EXPECT_EQ(book.sheetName(), "Sheet1");
    ASSERT_TRUE(book.nextRow());
    EXPECT_EQ(book.cell(1), Variant("first sheet"));
}

TEST(Workbook, AnEmptySheetHasNoRow) {
    test::TempFolder folder;
    test::writeXlsx(folder.path() / "e.xlsx", SheetData{});
    test::writeXls(folder.path() / "e.xls", SheetData{});
    for (const char* name : {"e.xlsx", "e.xls"}) {
        SCOPED_TRACE(name);
        Workbook book((folder.path() / name).string());
        EXPECT_FALSE(book.nextRow());
        EXPECT_EQ(book.row(), 0);
        EXPECT_TRUE(book.cell(1).isNull());
    }
}

TEST(Workbook, ConvertsSerialNumbersToDates) {
    test::TempFolder folder;
    test::writeXlsx(folder.path() / "d.xlsx", SheetData{{1}});
    Workbook book((folder.path() / "d.xlsx").string());
    EXPECT_EQ(book.dateFromSerial(40360.75), Date(2010, 7, 1));
    EXPECT_EQ(book.dateFromSerial(1), Date(1900, 1, 1));
    EXPECT_EQ(book.dateFromSerial(61), Date(1900, 3, 1));
    EXPECT_FALSE(book.dateFromSerial(0).has_value());
    EXPECT_FALSE(book.dateFromSerial(-5).has_value());
    EXPECT_FALSE(book.dateFromSerial(1e300).has_value());
    EXPECT_FALSE(book.dateFromSerial(std::nan("")).has_value());
}

TEST(Workbook, ColumnNames) {
    EXPECT_EQ(columnName(1), "A");
    EXPECT_EQ(columnName(19), "S");
    EXPECT_EQ(columnName(26), "Z");
    EXPECT_EQ(columnName(27), "AA");
    EXPECT_EQ(columnName(16384), "XFD");
}

// The flaws of every row, in order.
std::vector<CellFlaw> flawsOf(const std::string& path) {
    Workbook book(path);
    std::vector<CellFlaw> flaws;
    while (book.nextRow())
        for (int c = 1; c <= 7; ++c)
            if (const CellFlaw* f = book.flaw(c))
                flaws.push_back(*f);
    return flaws;
}

// A hand-made package in the shape other spreadsheet programs write.
std::vector<std::pair<std::string, std::string>> package(const std::string& sheetData,
                                                         const std::string& workbookExtra = "",
                                                         const std::string& sharedStrings = "") {
    const std::string ns =
        R"( xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main")"
        R"( xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships")";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    std::vector<std::pair<std::string, std::string>> parts{
        {"_rels/.rels",
         R"(<?xml version="1.0"?><Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type=")" +
             rel + R"(officeDocument" Target="/xl/workbook.xml"/></Relationships>)"},
        {"xl/workbook.xml",
         "<workbook" + ns + ">" + workbookExtra +
             R"(<sheets><sheet name="Data" sheetId="1" r:id="rId1"/></sheets></workbook>)"},
        {"xl/_rels/workbook.xml.rels",
         R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships">)"
         R"(<Relationship Id="rId1" Type=")" +
             rel + R"(worksheet" Target="worksheets/sheet1.xml"/>)" + R"(<Relationship Id="rId2" Type=")" +
             rel + R"(sharedStrings" Target="sharedStrings.xml"/></Relationships>)"},
        {"xl/worksheets/sheet1.xml",
         "<x:worksheet xmlns:x=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\">"
         "<x:sheetData>" +
             sheetData + "</x:sheetData></x:worksheet>"},
        {"xl/sharedStrings.xml", "<sst" + ns + ">" + sharedStrings + "</sst>"},
    };
    return parts;
}

TEST(Workbook, ReadsPackagesOfOtherWriters) {
    test::TempFolder folder;
    const auto path = folder.path() / "other.xlsx";
    // Prefixed elements, rows and cells without references, formula results, an error value,
    // rich text with a phonetic guide, an escaped character and an ISO date cell.
    test::writeZip(
        path, package("<x:row><x:c><x:v>5</x:v></x:c><x:c t=\"s\"><x:v>0</x:v></x:c></x:row>"
                      "<x:row r=\"3\"><x:c r=\"B3\" t=\"str\"><x:f>A1&amp;\"x\"</x:f><x:v>5x</x:v></x:c>"
                      "<x:c t=\"e\"><x:v>#N/A</x:v></x:c><x:c t=\"d\"><x:v>2010-07-01T00:00:00</x:v></x:c>"
                      "<x:c t=\"inlineStr\"><x:is><x:t>in</x:t><x:rPh><x:t>no</x:t></x:rPh></x:is></x:c>"
                      "<x:c r=\"G3\" s=\"1\"/></x:row>",
                      "",
                      "<si><r><t>Ri</t></r><r><t xml:space=\"preserve\">ch_x000D_</t></r>"
                      "<rPh><t>phonetic</t></rPh></si>"));
    const auto rows = readAll(path.string());
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].first, 1);
    EXPECT_EQ(rows[0].second[0], Variant(5.0));
    EXPECT_EQ(rows[0].second[1], Variant("Rich\r"));
    EXPECT_EQ(rows[1].first, 3);
    EXPECT_TRUE(rows[1].second[0].isNull());
    EXPECT_EQ(rows[1].second[1], Variant("5x"));
    // An error is no text: the cell holds no value, and says what it holds instead.
    EXPECT_TRUE(rows[1].second[2].isNull());
    EXPECT_EQ(flawsOf(path.string()), (std::vector<CellFlaw>{{3, CellFlaw::Kind::Error, "#N/A"}}));
    EXPECT_EQ(rows[1].second[3], Variant(static_cast<double>(Date(2010, 7, 1).serial())));
    EXPECT_EQ(rows[1].second[4], Variant("in"));
    EXPECT_TRUE(rows[1].second[6].isNull()); // a formatted cell without a value
}

TEST(Workbook, KnowsThe1904DateSystem) {
    test::TempFolder folder;
    const auto path = folder.path() / "mac.xlsx";
    test::writeZip(path, package("<x:row r=\"1\"><x:c r=\"A1\"><x:v>38898</x:v></x:c></x:row>",
                                 "<workbookPr date1904=\"1\"/>"));
    Workbook book(path.string());
    EXPECT_TRUE(book.uses1904Dates());
    ASSERT_TRUE(book.nextRow());
    EXPECT_EQ(book.dateFromSerial(book.cell(1).toDouble()), Date(2010, 7, 1));
}

TEST(Workbook, ParsesTheSheetOnlyAsFarAsItIsRead) {
    test::TempFolder folder;
    const auto path = folder.path() / "lazy.xlsx";
    // Row 3 is malformed: a reader that parsed the whole sheet at once would fail on open.
    test::writeZip(path, package("<x:row r=\"1\"><x:c r=\"A1\"><x:v>1</x:v></x:c></x:row>"
                                 "<x:row r=\"2\"><x:c r=\"A2\"><x:v>2</x:v></x:c></x:row>"
                                 "<x:row r=\"3\"><x:c r=\"A3\"><x:v>not a number</x:v></x:c></x:row>"));
    Workbook book(path.string());
    ASSERT_TRUE(book.nextRow());
    ASSERT_TRUE(book.nextRow());
    EXPECT_EQ(book.cell(1), Variant(2.0));
    try {
        book.nextRow();
        FAIL() << "row 3 should be refused";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(e.description().find("cell A3 holds 'not a number', which is not a number"),
                  std::string::npos)
            << e.description();
    }
}

} // namespace
} // namespace qel
