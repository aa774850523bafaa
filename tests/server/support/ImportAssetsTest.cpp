// DeprSupport.ImportAssetsFromExcel: rows 2 on until column A is empty, columns A to S as
// stored, the leading-number rule and its refusals, the cuts of long texts, and an import that
// stores all of its rows or none.
#include "tests/server/support/ImportFixture.h"

namespace qel::test {
namespace {

// One stored asset's fields, in the order of the sheet's columns.
std::vector<std::string> storedRow(const FreshDatabase& fresh, std::int64_t asset) {
    const Recordset rs = fresh.conn().query(
        "SELECT Company_Id, Asset_name, Cost, [Allowance 30 %], depr_method, In_Service_date, Type_179,"
        " [179_deduction], convention, life, vehicle_num, book_life, book_cost, bussiness_percent, Id_acct,"
        " sold_date, sold_amt, other_deductions, notes, depr_class_id, DoImportDepr FROM tblAssets"
        " WHERE Asset_num = " +
        std::to_string(asset));
    std::vector<std::string> values;
    for (std::size_t i = 0; i < rs.fieldCount(); ++i)
        values.push_back(rs[i].toString());
    return values;
}

class ImportFormats : public ImportTest, public ::testing::WithParamInterface<const char*> {};

TEST_P(ImportFormats, StoresEveryColumnAndMarksTheRow) {
    auto full = importRow();
    full[B] = "Forklift 'Big Red'";
    full[C] = 25000.5;
    full[D] = 7500;
    full[E] = 9;
    full[F] = Date(2011, 3, 15);
    full[G] = true;
    full[H] = 2500;
    full[I] = 2;
    full[J] = 5;
    full[K] = "Yes";
    full[L] = 10;
    full[M] = 24000;
    full[N] = 0.75;
    full[O] = 3;
    full[P] = Date(2014, 6, 30);
    full[Q] = 9000;
    full[R] = 120;
    full[S] = "Serial 'X' 7";
    const auto path = writeSheet({full, importRow()}, GetParam());

    EXPECT_TRUE(DeprSupport().ImportAssetsFromExcel(1, path));

    ASSERT_EQ(assetCount(), 2);
    const auto first = fresh_.value("SELECT min(Asset_num) FROM tblAssets").toInt64();
    EXPECT_EQ(storedRow(fresh_, first), (std::vector<std::string>{"1",
                                                                  "Forklift `Big Red`",
                                                                  "25000.5",
                                                                  "7500",
                                                                  "9",
                                                                  "2011-03-15",
                                                                  "True",
                                                                  "2500",
                                                                  "2",
                                                                  "5",
                                                                  "-1",
                                                                  "10",
                                                                  "24000",
                                                                  "0.75",
                                                                  "3",
                                                                  "2014-06-30",
                                                                  "9000",
                                                                  "120",
                                                                  "Serial `X` 7",
                                                                  "0",
                                                                  "True"}));
    // Columns left empty keep the table's defaults where the import sets nothing.
    EXPECT_EQ(storedRow(fresh_, first + 1),
              (std::vector<std::string>{"1", "Desk",       "1000", "0", "1",          "2010-07-01", "False",
                                        "0", "1",          "7",    "0", "5",          "1000",       "1",
                                        "0", "1900-01-01", "0",    "0", "Bought new", "0",          "True"}));
}

INSTANTIATE_TEST_SUITE_P(All, ImportFormats, ::testing::Values("import.xlsx", "import.xls"),
                         [](const auto& info) { return std::string(info.param).substr(7); });

TEST_F(ImportTest, AnEmptyA2ImportsNothing) {
    auto row = importRow();
    row[A] = Variant();
    EXPECT_TRUE(DeprSupport().ImportAssetsFromExcel(1, writeSheet({row, importRow()})));
    EXPECT_EQ(assetCount(), 0);
    EXPECT_TRUE(DeprSupport().ImportAssetsFromExcel(1, writeSheet({}, "headings-only.xlsx")));
    EXPECT_EQ(assetCount(), 0);
}

TEST_F(ImportTest, AGapInColumnAEndsTheImport) {
    auto noCompany = importRow();
    noCompany[A] = Variant();
    // Rows 2 to 5, an empty row 6, row 7: four assets. Then a row whose column A alone is
    // empty ends the rows the same way.
    EXPECT_TRUE(DeprSupport().ImportAssetsFromExcel(
        1, writeSheet({importRow(), importRow(), importRow(), importRow(), {}, importRow()})));
    EXPECT_EQ(assetCount(), 4);
    EXPECT_TRUE(
        DeprSupport().ImportAssetsFromExcel(1, writeSheet({importRow(), noCompany, importRow()}, "b.xlsx")));
    EXPECT_EQ(assetCount(), 5);
}

struct CellCase {
    const char* name;
    ImportColumn column;
    Variant cell;
    const char* field;  // the column of tblAssets
    std::string stored; // as text
};

void PrintTo(const CellCase& c, std::ostream* os) {
    *os << c.name;
}

class ImportCells : public ImportTest, public ::testing::WithParamInterface<CellCase> {};

TEST_P(ImportCells, StoresTheCellAsTheImportReadsIt) {
    const auto& c = GetParam();
    auto row = importRow();
    row[c.column] = c.cell;
    ASSERT_TRUE(DeprSupport().ImportAssetsFromExcel(1, writeSheet({row})));
    EXPECT_EQ(fresh_.value(std::string("SELECT ") + c.field + " FROM tblAssets").toString(), c.stored);
}

const std::string k50 = "12345678901234567890123456789012345678901234567890";
const std::string k80 = k50 + "123456789012345678901234567890";

INSTANTIATE_TEST_SUITE_P(
    All, ImportCells,
    ::testing::Values(CellCase{"EmptyCostIsZero", C, Variant(), "Cost", "0"},
                      CellCase{"CostTypedAsPlainText", C, " 1250 ", "Cost", "1250"},
                      CellCase{"CostWithNoiseOfBinaryFractions", C, 0.1 + 0.2, "Cost", "0.3"},
                      CellCase{"BlankCostIsZero", C, " ", "Cost", "0"},
                      CellCase{"EmptyBonusIsZero", D, Variant(), "[Allowance 30 %]", "0"},
                      CellCase{"Empty179IsZero", H, Variant(), "[179_deduction]", "0"},
                      CellCase{"LifeOfRealProperty", J, 27.5, "life", "27.5"},
                      CellCase{"EmptyBusinessUseIsFull", N, Variant(), "bussiness_percent", "1"},
                      CellCase{"ZeroBusinessUseIsFull", N, 0, "bussiness_percent", "1"},
                      CellCase{"ZeroTextBusinessUseIsFull", N, "0", "bussiness_percent", "1"},
                      CellCase{"PartBusinessUse", N, 0.51, "bussiness_percent", "0.51"},
                      CellCase{"EmptyAccountIsZero", O, Variant(), "Id_acct", "0"},
                      CellCase{"VehicleInCapitals", K, "YES", "vehicle_num", "-1"},
                      CellCase{"VehicleNo", K, "no", "vehicle_num", "0"},
                      CellCase{"VehicleTrueIsNoVehicle", K, true, "vehicle_num", "0"},
                      CellCase{"SoldDateBlank", P, " ", "sold_date", "1900-01-01"},
                      CellCase{"SoldDateTypedAsText", P, "7/15/2011", "sold_date", "2011-07-15"},
                      CellCase{"OtherDeductions", R, 300, "other_deductions", "300"},
                      CellCase{"InServiceTypedAsText", F, "2012-01-01", "In_Service_date", "2012-01-01"},
                      CellCase{"Type179TypedAsText", G, "TRUE", "Type_179", "True"},
                      CellCase{"Type179AsNumber", G, 0, "Type_179", "False"},
                      CellCase{"MethodTypedAsText", E, "11", "depr_method", "11"},
                      CellCase{"NameCutTo44", B, k50, "Asset_name", k50.substr(0, 44)},
                      CellCase{"NameCutBeforeQuotesReplaced", B, k50.substr(0, 43) + "''", "Asset_name",
                               k50.substr(0, 43) + "`"},
                      CellCase{"NameOfUnicodeCharacters", B, "Büromöbel " + std::string(40, 'e') + "ü",
                               "Asset_name", "Büromöbel " + std::string(34, 'e')},
                      CellCase{"NameFromANumber", B, 1250.5, "Asset_name", "1250.5"},
                      CellCase{"EmptyName", B, Variant(), "Asset_name", ""},
                      CellCase{"NotesCutTo75", S, k80, "notes", k80.substr(0, 75)},
                      CellCase{"NotesQuoted", S, "it's", "notes", "it`s"}),
    [](const auto& info) { return std::string(info.param.name); });

struct RefusedCase {
    const char* name;
    ImportColumn column;
    Variant cell;
    const char* message; // part of the error's description
};

void PrintTo(const RefusedCase& c, std::ostream* os) {
    *os << c.name;
}

class ImportRefusals : public ImportTest, public ::testing::WithParamInterface<RefusedCase> {};

TEST_P(ImportRefusals, RefuseTheRowAndStoreNothing) {
    const auto& c = GetParam();
    auto bad = importRow();
    bad[c.column] = c.cell;
    const auto path = writeSheet({importRow(), bad, importRow()});
    const ServerError e = importError(path);
    EXPECT_NE(e.description().find(c.message), std::string::npos) << e.description();
    EXPECT_EQ(assetCount(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    All, ImportRefusals,
    ::testing::Values(
        RefusedCase{"CostWithGrouping", C, "1,250",
                    "Row 3, column C (Cost): the text '1,250' is not a number."},
        RefusedCase{"CostWithPercent", D, "12.5%", "Row 3, column D (Allowance 30 %): the text '12.5%'"},
        RefusedCase{"BusinessUseAsWord", N, "abc", "Row 3, column N (bussiness_percent): the text 'abc'"},
        RefusedCase{"LifeAsYesNo", J, true, "Row 3, column J (life): the value True is not a number."},
        RefusedCase{"OtherCompany", A, 7,
                    "Row 3: the company in column A (7) is not the company being imported into (1)."},
        RefusedCase{"CompanyAsText", A, "one", "Row 3: the company in column A (one)"},
        RefusedCase{"EmptyMethod", E, Variant(), "Row 3, column E (depr_method): the cell is empty."},
        RefusedCase{"FractionalMethod", E, 1.5,
                    "Row 3, column E (depr_method): the value 1.5 is not a whole number."},
        RefusedCase{"EmptyConvention", I, Variant(), "Row 3, column I (convention): the cell is empty."},
        RefusedCase{"EmptyInService", F, Variant(), "Row 3, column F (In_service_date): the cell is empty."},
        RefusedCase{"InServiceNotADate", F, "soon",
                    "Row 3, column F (In_service_date): the text 'soon' is not a date."},
        RefusedCase{"InServiceImpossibleDate", F, "2/30/2011", "column F"},
        RefusedCase{"Type179Maybe", G, "maybe",
                    "Row 3, column G (Type_179): the text 'maybe' is not TRUE or FALSE."},
        RefusedCase{"SoldDateNotADate", P, "someday", "Row 3, column P (sold_Date)"},
        RefusedCase{"SoldDateZero", P, 0, "Row 3, column P (sold_Date): the value 0 is not a date."},
        RefusedCase{"AccountOutOfRange", O, 1e12, "Row 3, column O (Id_acct)"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportTest, ARowTheDatabaseRefusesUndoesTheWholeImport) {
    // The database refuses the third asset: the two before it are not kept either.
    fresh_.exec("CREATE TRIGGER refuseBoom BEFORE INSERT ON tblAssets WHEN NEW.Asset_name = 'Boom'"
                " BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
    auto boom = importRow();
    boom[B] = "Boom";
    const ServerError e = importError(writeSheet({importRow(), importRow(), boom, importRow()}));
    EXPECT_NE(e.description().find("Row 4: "), std::string::npos) << e.description();
    EXPECT_NE(e.description().find("refused by the test"), std::string::npos) << e.description();
    EXPECT_EQ(assetCount(), 0);
}

TEST_F(ImportTest, AWorkbookThatCannotBeReadIsAClearError) {
    const auto truncated = fresh_.folder() / "truncated.xlsx";
    writeXlsx(truncated, importSheet({importRow(), importRow()}));
    const std::string bytes = readBytes(truncated);
    writeBytes(truncated, bytes.substr(0, bytes.size() - 100));
    const auto text = fresh_.folder() / "assets.csv";
    writeBytes(text, "1,Desk,1000\n");

    for (const auto& [path, cause] :
         {std::pair{truncated, "not a valid .xlsx package"}, std::pair{text, "not an Excel workbook"},
          std::pair{fresh_.folder() / "missing.xlsx", "No such file"}}) {
        SCOPED_TRACE(path.filename().string());
        const ServerError e = importError(path.string());
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(e.description().find(cause), std::string::npos) << e.description();
        EXPECT_NE(e.description().find(path.string()), std::string::npos) << e.description();
    }
    EXPECT_EQ(assetCount(), 0);
}

TEST_F(ImportTest, RowsAddToTheMarkedRowsOfEarlierImports) {
    ASSERT_TRUE(DeprSupport().ImportAssetsFromExcel(1, writeSheet({importRow()})));
    ASSERT_TRUE(
        DeprSupport().ImportAssetsFromExcel(1, writeSheet({importRow(), importRow()}, "second.xlsx")));
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblAssets WHERE DoImportDepr = 1").toInt64(), 3);
}

} // namespace
} // namespace qel::test
