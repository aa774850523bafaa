// Formula cells: each gives its stored result (a number, a text, a Yes/No) or says what it holds
// instead (an error, a result that was not saved), in .xls workbooks of the test writer and of
// LibreOffice Calc, and in .xlsx packages.
#include "common/Workbook.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qel {
namespace {

namespace fs = std::filesystem;
using Kind = CellFlaw::Kind;

// What a cell holds: its value, or its flaw.
struct Cell {
    Variant value;
    std::optional<CellFlaw> flaw;
};

// The cells of `column` in rows 1 to `rows`.
std::vector<Cell> column(const fs::path& path, int col, int rows) {
    Workbook book(path.string());
    std::vector<Cell> cells(static_cast<std::size_t>(rows));
    while (book.nextRow() && book.row() <= rows) {
        Cell& c = cells[static_cast<std::size_t>(book.row() - 1)];
        c.value = book.cell(col);
        if (const CellFlaw* f = book.flaw(col))
            c.flaw = *f;
    }
    return cells;
}

test::SheetFormula formula(std::size_t row, Variant result, std::string tokens = {}) {
    test::SheetFormula f;
    f.row = row;
    f.column = 1;
    f.result = std::move(result);
    if (!tokens.empty())
        f.tokens = std::move(tokens);
    return f;
}

// The tokens of =1<2: a formula that yields a Yes/No.
const std::string kComparison("\x1E\x01\x00\x1E\x02\x00\x09", 7);

TEST(WorkbookFormulas, AnXlsFormulaCellGivesItsStoredResult) {
    test::TempFolder folder;
    const fs::path path = folder.path() / "formulas.xls";
    const std::string longText(10000, 'e'); // more than one record holds: continued
    test::XlsOptions options;
    options.formulas = {formula(0, 24691.34), formula(1, "Press line 2"), formula(2, true),
                        formula(3, Variant()), formula(4, longText), formula(5, ""),
                        // A text or a Yes/No result saved as the number 0, as LibreOffice does.
                        formula(6, 0.0, test::kJoinedTextsTokens), formula(7, 0.0, kComparison)};
    options.formulas[3].error = "#DIV/0!";
    test::writeXls(path, {{"in A", Variant()}}, options);

    const auto c = column(path, 2, 8);
    EXPECT_EQ(c[0].value, Variant(24691.34));
    EXPECT_EQ(c[1].value, Variant("Press line 2"));
    EXPECT_EQ(c[2].value, Variant(true));
    EXPECT_TRUE(c[3].value.isNull());
    EXPECT_EQ(c[3].flaw, (CellFlaw{2, Kind::Error, "#DIV/0!"}));
    EXPECT_EQ(c[4].value, Variant(longText));
    EXPECT_EQ(c[5].value, Variant(""));
    EXPECT_EQ(c[6].flaw,
              (CellFlaw{2, Kind::Unreadable, "its formula's text result was not saved with the workbook"}));
    EXPECT_EQ(c[7].flaw,
              (CellFlaw{2, Kind::Unreadable, "its formula's Yes/No result was not saved with the workbook"}));
    for (std::size_t i : {0u, 1u, 2u, 4u, 5u})
        EXPECT_FALSE(c[i].flaw) << "row " << i + 1;
}

TEST(WorkbookFormulas, AnXlsSavedByCalcGivesEachStoredResult) {
    const auto c = column(fs::path(QEL_TEST_DATA) / "formulas-saved-by-calc.xls", 3, 5);
    EXPECT_EQ(c[0].value, Variant("formula"));
    EXPECT_EQ(c[1].value, Variant(24691.34));
    // Calc saved the number 0 in place of the text "Press line 2" and no text: the cell says so
    // rather than give the 0.
    EXPECT_TRUE(c[2].value.isNull());
    EXPECT_EQ(c[2].flaw,
              (CellFlaw{3, Kind::Unreadable, "its formula's text result was not saved with the workbook"}));
    EXPECT_EQ(c[3].value, Variant(true));
    EXPECT_EQ(c[4].flaw, (CellFlaw{3, Kind::Error, "#DIV/0!"}));
}

TEST(WorkbookFormulas, AnXlsxFormulaCellGivesItsStoredResult) {
    test::TempFolder folder;
    const fs::path path = folder.path() / "formulas.xlsx";
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    test::writeZip(
        path,
        {{"xl/workbook.xml",
          R"(<workbook xmlns:r="x"><sheets><sheet name="S" r:id="rId1"/></sheets></workbook>)"},
         {"xl/_rels/workbook.xml.rels", "<Relationships><Relationship Id=\"rId1\" Type=\"" + rel +
                                            "worksheet\" Target=\"worksheets/sheet1.xml\"/></Relationships>"},
         {"xl/worksheets/sheet1.xml",
          "<worksheet><sheetData>"
          "<row r=\"1\"><c r=\"B1\"><f>A1*2</f><v>24691.34</v></c></row>"
          "<row r=\"2\"><c r=\"B2\" t=\"str\"><f>A2&amp;\"x\"</f><v>Press line 2</v></c></row>"
          "<row r=\"3\"><c r=\"B3\" t=\"b\"><f>A3&gt;2</f><v>1</v></c></row>"
          "<row r=\"4\"><c r=\"B4\" t=\"e\"><f>1/A4</f><v>#DIV/0!</v></c></row>"
          "<row r=\"5\"><c r=\"B5\"><f>A5*2</f></c></row>"
          "</sheetData></worksheet>"}});

    const auto c = column(path, 2, 5);
    EXPECT_EQ(c[0].value, Variant(24691.34));
    EXPECT_EQ(c[1].value, Variant("Press line 2"));
    EXPECT_EQ(c[2].value, Variant(true));
    EXPECT_EQ(c[3].flaw, (CellFlaw{2, Kind::Error, "#DIV/0!"}));
    // Saved by a writer that does not calculate: no result to give.
    EXPECT_EQ(c[4].flaw, (CellFlaw{2, Kind::Unreadable, "its formula has no stored result"}));
}

} // namespace
} // namespace qel
