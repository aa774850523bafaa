// The import of sheets whose cells are formulas, as bookkeepers keep them: the same assets from
// .xlsx and .xls store the same rows, and a cell that holds an error or a result that cannot be
// read refuses its row, naming the row and the column.
#include "tests/server/support/ImportFixture.h"

namespace qel::test {
namespace {

constexpr std::size_t kAssets = 20;

// Twenty assets of company 1; row i + 2 of the sheet holds asset i.
std::vector<std::vector<Variant>> twentyAssets() {
    std::vector<std::vector<Variant>> rows;
    for (std::size_t i = 0; i < kAssets; ++i) {
        auto row = importRow();
        const double cost = 1000 + 137.25 * static_cast<double>(i);
        row[B] = "Asset " + std::to_string(i + 1);
        row[C] = cost;
        row[D] = i % 4 == 0 ? Variant(cost / 4) : Variant();
        row[E] = i % 3 == 0 ? 9 : 1;
        row[F] = Date(2010 + static_cast<int>(i % 5), 1 + static_cast<int>(i % 12), 1 + static_cast<int>(i));
        row[G] = i % 5 == 0;
        row[H] = i % 5 == 0 ? Variant(cost / 2) : Variant();
        row[I] = 1 + static_cast<int>(i % 4);
        row[J] = i % 7 == 0 ? 27.5 : 7.0;
        row[K] = i % 6 == 0 ? Variant("yes") : Variant();
        row[M] = cost; // a formula in the workbooks below
        row[N] = i % 2 == 0 ? 1.0 : 0.6;
        row[P] = i % 8 == 0 ? Variant(Date(2015, 6, 30)) : Variant();
        row[Q] = i % 8 == 0 ? Variant(cost / 3) : Variant();
        row[R] = i % 9 == 0 ? Variant(12.5) : Variant();
        row[S] = "Note " + std::to_string(i);
        rows.push_back(std::move(row));
    }
    return rows;
}

// Book cost (column M) as the formula "=C<row>" with the cost as its stored result.
std::vector<SheetFormula> bookCostFormulas(const std::vector<std::vector<Variant>>& rows) {
    std::vector<SheetFormula> formulas;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        SheetFormula f;
        f.row = i + 1;
        f.column = M;
        f.formula = "=C" + std::to_string(i + 2);
        f.tokens = std::string("\x24", 1) + static_cast<char>(i + 1) + std::string("\x00\x02\xC0", 3);
        f.result = rows[i][C];
        formulas.push_back(std::move(f));
    }
    return formulas;
}

class ImportFormulaTest : public ImportTest {
protected:
    // Every field of every stored asset but its number, in the order of the import.
    std::vector<std::vector<Variant>> storedAssets() const {
        Recordset rs = fresh_.conn().query("SELECT * FROM tblAssets ORDER BY Asset_num");
        std::vector<std::vector<Variant>> rows;
        for (const RecordsetRow row : rs.rows())
            rows.emplace_back(std::next(row.begin()), row.end());
        return rows;
    }

    std::string writeXlsWith(const std::vector<std::vector<Variant>>& rows,
                             std::vector<SheetFormula> formulas) {
        XlsOptions options;
        options.formulas = std::move(formulas);
        const auto path = fresh_.folder() / "formulas.xls";
        writeXls(path, importSheet(rows), options);
        return path.string();
    }
};

TEST_F(ImportFormulaTest, TheSameAssetsFromXlsxAndXlsStoreTheSameRows) {
    const auto rows = twentyAssets();
    XlsxOptions xlsx;
    xlsx.formulas = bookCostFormulas(rows);
    const auto xlsxPath = fresh_.folder() / "formulas.xlsx";
    writeXlsx(xlsxPath, importSheet(rows), xlsx);

    ASSERT_TRUE(DeprSupport().ImportAssetsFromExcel(1, xlsxPath.string()));
    const auto fromXlsx = storedAssets();
    fresh_.exec("DELETE FROM tblAssets");
    ASSERT_TRUE(DeprSupport().ImportAssetsFromExcel(1, writeXlsWith(rows, bookCostFormulas(rows))));
    const auto fromXls = storedAssets();

    ASSERT_EQ(fromXlsx.size(), kAssets);
    EXPECT_EQ(fromXls, fromXlsx);
    // The book cost is the formula's result, never 0.
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblAssets WHERE book_cost = Cost").toInt64(),
              static_cast<std::int64_t>(kAssets));
}

struct FlawCase {
    const char* name;
    std::size_t column;
    Variant result;
    std::string error;
    std::string tokens;
    const char* message;
};

class ImportFlaws : public ImportFormulaTest, public ::testing::WithParamInterface<FlawCase> {};

TEST_P(ImportFlaws, RefuseTheRowNamingItAndStoreNothing) {
    const FlawCase& c = GetParam();
    SheetFormula f;
    f.row = 2; // sheet row 3
    f.column = c.column;
    f.result = c.result;
    f.error = c.error;
    if (!c.tokens.empty())
        f.tokens = c.tokens;

    const ServerError e = importError(writeXlsWith({importRow(), importRow(), importRow()}, {f}));

    EXPECT_EQ(e.description(), c.message);
    EXPECT_EQ(assetCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    All, ImportFlaws,
    ::testing::Values(FlawCase{"ErrorInTheCost", C, Variant(), "#DIV/0!", "",
                               "Row 3, column C (Cost): the cell holds the error #DIV/0!."},
                      FlawCase{"ErrorInTheNotes", S, Variant(), "#N/A", "",
                               "Row 3, column S (notes): the cell holds the error #N/A."},
                      FlawCase{"TextNotSavedInTheName", B, 0.0, "", kJoinedTextsTokens,
                               "Row 3, column B (Asset_Name): the cell's value cannot be read: its formula's "
                               "text result was not "
                               "saved with the workbook."},
                      // Column A that holds an error does not end the data: it is refused like any other.
                      FlawCase{"ErrorInTheCompany", A, Variant(), "#REF!", "",
                               "Row 3, column A (Company_Id): the cell holds the error #REF!."}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qel::test
