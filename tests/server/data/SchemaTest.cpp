// The shipped database: every table, column, key and declared type; the MACRS rate tables; the
// reference rows, limits, the first user and the sample company.
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace qel {
namespace {

constexpr FieldType I = FieldType::Integer;
constexpr FieldType D = FieldType::Double;
constexpr FieldType T = FieldType::Text;
constexpr FieldType M = FieldType::Memo;
constexpr FieldType Dt = FieldType::Date;
constexpr FieldType B = FieldType::Boolean;

struct Column {
    const char* name;
    FieldType type;
    int pk = 0; // position in the table's key, 0 when not part of it
};

struct Table {
    const char* name;
    std::vector<Column> columns; // in the table's column order
};

const std::vector<Table>& expectedTables() {
    static const std::vector<Table> tables = {
        {"tblAssets",
         {{"Asset_num", I, 1},
          {"Company_Id", I},
          {"Asset_name", T},
          {"Cost", D},
          {"Allowance 30 %", D},
          {"179_deduction", D},
          {"In_Service_date", Dt},
          {"depr_method", I},
          {"life", D},
          {"convention", I},
          {"other_deductions", D},
          {"bussiness_percent", D},
          {"sold_date", Dt},
          {"sold_amt", D},
          {"notes", T},
          {"depr_class_id", I},
          {"life_id", I},
          {"amortize_code", D},
          {"vehicle_num", I},
          {"actual_method", T},
          {"Type_179", B},
          {"fiscal_start_date", Dt},
          {"fiscal_end_date", Dt},
          {"fiscal_sold_date", Dt},
          {"Do_Depr_adj", B},
          {"book_life", D},
          {"book_cost", D},
          {"Id_acct", I},
          {"gain_loss", D},
          {"DoImportDepr", B},
          {"depr_adj", I},
          {"Bonus_Choice", I}}},
        {"tblDepr",
         {{"client_num", I, 1},
          {"BookId", I, 2},
          {"asset_num", I, 3},
          {"year", I, 4},
          {"depr", D},
          {"accum_depr", D}}},
        {"tblPeriodDepr",
         {{"client_num", I, 1},
          {"asset_num", I, 2},
          {"period", T, 3},
          {"depr", D},
          {"accum_depr", D},
          {"id_acct", I}}},
        {"tblBookMethods",
         {{"ClientId", I, 1},
          {"AssetId", I, 2},
          {"BookId", I, 3},
          {"DeprMethodId", I},
          {"Life", D},
          {"Cost", D},
          {"BusinessPercent", D},
          {"Section179", D},
          {"Allowance", D},
          {"ConventionId", I},
          {"Salvage", D},
          {"Actual_Method", T},
          {"CostBasis", D},
          {"BonusCboId", I}}},
        {"tblAssetDescription",
         {{"Asset ID", I, 1},
          {"Tag Number", T},
          {"Serial Number", T},
          {"Location_id", I},
          {"Long Description", M},
          {"Manufacturer", T}}},
        {"qryAssetDescriptions",
         {{"Asset ID", I},
          {"Tag Number", T},
          {"Serial Number", T},
          {"Manufacturer", T},
          {"Long Description", M},
          {"Short Location", T},
          {"Location_Id", I}}},
        {"tblCompany",
         {{"id", I, 1},
          {"Company Name", T},
          {"Owner", T},
          {"Address", T},
          {"Address 2", T},
          {"City", T},
          {"State", T},
          {"Zip Code", T},
          {"Tax Id", T},
          {"Year End Month", I},
          {"AMT Book", B},
          {"State Book", B},
          {"Other Book", B},
          {"firstperiod", Dt},
          {"dtPeriod", Dt}}},
        {"tblDefaults", {{"DefaultYear", I}, {"StartUp_Help", B}, {"ShowCompany", B}}},
        {"tblDeprMethods", {{"ID", I, 1}, {"Method", T}}},
        {"tblConvention", {{"id", I, 1}, {"Description", T}, {"Abbreviation", T}}},
        {"tblLives", {{"Type", T}, {"Life", D}, {"Method", T}}},
        {"tblBooks", {{"BookId", I, 1}, {"BookDescription", T}}},
        {"tblBonusDepr", {{"BonusDescription", T}, {"BonusPercent", I}}},
        {"tblMax179", {{"ID", I, 1}, {"Year", I}, {"Maximum Amount", D}, {"Threshold Cost", D}}},
        {"tblMaxAuto",
         {{"ID", I, 1},
          {"Year", I},
          {"Type", T},
          {"Yr 1 + 30%", D},
          {"Yr 1 + 50%", D},
          {"Max Year 1", D},
          {"Max Year 2", D},
          {"Max Year 3", D},
          {"Max Year 4", D}}},
        {"tblMisc4562Data",
         {{"ID", I, 1},
          {"Company_Id", I},
          {"Year", I},
          {"179 Carryover", D},
          {"179 Income Limit", D},
          {"Listed Claim", T},
          {"Listed Evidence", T},
          {"Group Assets", T},
          {"168 Property", D},
          {"Other Depr", D},
          {"263A Cost", D},
          {"Exclude 179", T}}},
        {"tblAccounts",
         {{"Id_acct", I, 1},
          {"Account Descr", T},
          {"Capital Account", T},
          {"Accum Acct", T},
          {"Depr Account", T},
          {"Gain Loss Acct", T}}},
        {"tblPasswords", {{"PwdID", I, 1}, {"UserId", T}, {"Password", T}, {"UserLevel", T}}},
        {"tblLocations", {{"Location_ID", I, 1}, {"Short Location", T}, {"Long Location", T}}},
        {"tblDeprClass",
         {{"ID", I, 1},
          {"Method_ID", I},
          {"Description", T},
          {"Life", T},
          {"If Auto - Type", T},
          {"Amortize #", T},
          {"ID_acct", I}}},
        {"tblAutoUse",
         {{"Company_Id", I, 1},
          {"year", I, 2},
          {"Vehicle #", I, 3},
          {"Business Miles", I},
          {"Commuting Miles", I},
          {"Personal Miles", I},
          {"Available Personal Use off Hours", B},
          {"Driver 5 percent Owner", B},
          {"Another Car Available", B},
          {"bpercent", D},
          {"asset_id", I}}},
        {"tblAutoQuestions",
         {{"Company_Id", I, 1},
          {"year", I, 2},
          {"No Personal Use", B},
          {"Commuting Allowed", B},
          {"All Personal Use", B},
          {"More 5 Cars & keep Track", B},
          {"Meet Requirements", B}}},
        {"tblAutoUseReport",
         {{"Description", T},
          {"Vehicle #", I},
          {"Company_Id", I},
          {"Business Miles", I},
          {"Commuting Miles", I},
          {"Personal Miles", I},
          {"Available Personal", B},
          {"5 % Owner", B},
          {"Another Car", B},
          {"Business_Percent", D},
          {"Display_Data", B}}},
        {"tblBookLedger",
         {{"Account", T},
          {"Capital Account", T},
          {"Description", T},
          {"Asset #", I},
          {"In Service", Dt},
          {"Life", D},
          {"Cost", D},
          {"Accum Depr", D},
          {"NBV", D}}},
        {"txtMisc", {{"txtfield1", T}, {"numField1", D}, {"numField2", D}}},
    };
    return tables;
}

const char* const kConventions[] = {"Half", "Mid1Qtr", "Mid2Qtr", "Mid3Qtr", "Mid4Qtr", "MidMth", "None"};
const int kLives[] = {3, 5, 7, 10, 15, 20};

std::string macrsTable(const std::string& convention, bool with150) {
    return "tblMacrs" + convention + (with150 ? "150" : "");
}

// The positive rates of one column in the order the engine reads them.
std::vector<double> rates(test::FreshDatabase& fresh, const std::string& table, const std::string& column) {
    const Recordset rs =
        fresh.conn().query("Select " + column + " From " + table + " Where " + column + " > 0 Order By year");
    std::vector<double> out;
    for (const auto& row : rs.rows())
        out.push_back(row[0].toDouble());
    return out;
}

class SchemaTest : public ::testing::Test {
protected:
    test::FreshDatabase fresh_;
};

TEST_F(SchemaTest, EveryTableHasItsColumnsTypesAndKey) {
    for (const Table& table : expectedTables()) {
        SCOPED_TRACE(table.name);
        const Recordset info = fresh_.conn().query(std::string("PRAGMA table_info([") + table.name + "])");
        ASSERT_EQ(info.RecordCount(), table.columns.size());
        const Recordset shape =
            fresh_.conn().query(std::string("Select * From [") + table.name + "] Where 0");
        ASSERT_EQ(shape.fieldCount(), table.columns.size());
        for (std::size_t i = 0; i < table.columns.size(); ++i) {
            const Column& c = table.columns[i];
            SCOPED_TRACE(c.name);
            EXPECT_EQ(info.rows()[i][info.indexOf("name")].toString(), c.name) << "names keep their spelling";
            EXPECT_EQ(info.rows()[i][info.indexOf("pk")].toInt64(), c.pk);
            EXPECT_EQ(shape.field(i).type, c.type);
        }
    }
}

TEST_F(SchemaTest, EveryRateTableHasTheEnginesColumnsAndOrderColumn) {
    for (bool with150 : {false, true}) {
        for (const char* convention : kConventions) {
            const std::string table = macrsTable(convention, with150);
            SCOPED_TRACE(table);
            const Recordset info = fresh_.conn().query("PRAGMA table_info(" + table + ")");
            ASSERT_EQ(info.RecordCount(), 7u);
            EXPECT_EQ(info.rows()[0][info.indexOf("name")].toString(), "year");
            EXPECT_EQ(info.rows()[0][info.indexOf("pk")].toInt64(), 1);
            for (int i = 0; i < 6; ++i)
                EXPECT_EQ(info.rows()[static_cast<std::size_t>(i + 1)][info.indexOf("name")].toString(),
                          convention + std::to_string(kLives[i]));
        }
    }
}

TEST_F(SchemaTest, EveryRateColumnRecoversTheWholeBasisInRecoveryYearOrder) {
    for (bool with150 : {false, true}) {
        for (const std::string convention : kConventions) {
            for (int life : kLives) {
                const std::string table = macrsTable(convention, with150);
                const std::string column = convention + std::to_string(life);
                SCOPED_TRACE(table + "." + column);
                const auto r = rates(fresh_, table, column);
                double sum = 0;
                for (double rate : r)
                    sum += rate;
                EXPECT_NEAR(sum, 1.0, 0.0001);
                // No convention takes a full first year; the others need one year more than the life.
                EXPECT_EQ(r.size(), static_cast<std::size_t>(convention == "None" ? life : life + 1));
                const Recordset years = fresh_.conn().query("Select year From " + table + " Where " + column +
                                                            " > 0 Order By year");
                for (std::size_t n = 0; n < years.RecordCount(); ++n)
                    EXPECT_EQ(years.rows()[n][0].toInt64(), static_cast<std::int64_t>(n + 1));
            }
        }
    }
}

TEST_F(SchemaTest, RatesEqualThePublishedTablesAndTheDerivedOnesFollowTheirMethod) {
    struct Case {
        const char* table;
        const char* column;
        std::vector<double> expected;
    } cases[] = {
        // Published (Pub. 946, Appendix A).
        {"tblMacrsHalf", "Half5", {0.2, 0.32, 0.192, 0.1152, 0.1152, 0.0576}},
        {"tblMacrsHalf", "Half7", {0.1429, 0.2449, 0.1749, 0.1249, 0.0893, 0.0892, 0.0893, 0.0446}},
        {"tblMacrsMid3Qtr", "Mid3Qtr5", {0.15, 0.34, 0.204, 0.1224, 0.113, 0.0706}},
        {"tblMacrsMid4Qtr", "Mid4Qtr3", {0.0833, 0.6111, 0.2037, 0.1019}},
        {"tblMacrsMid2Qtr", "Mid2Qtr7", {0.1785, 0.2347, 0.1676, 0.1197, 0.0887, 0.0887, 0.0887, 0.0334}},
        {"tblMacrsHalf150", "Half5", {0.15, 0.255, 0.1785, 0.1666, 0.1666, 0.0833}},
        {"tblMacrsMid1Qtr150",
         "Mid1Qtr15",
         {0.0875, 0.0913, 0.0821, 0.0739, 0.0665, 0.0599, 0.059, 0.0591, 0.059, 0.0591, 0.059, 0.0591, 0.059,
          0.0591, 0.059, 0.0074}},
        // Derived: no convention takes a full first year; 150 % mid-quarter takes 7/8 of a year first.
        {"tblMacrsNone", "None5", {0.4, 0.24, 0.144, 0.108, 0.108}},
        {"tblMacrsNone150", "None3", {0.5, 0.25, 0.25}},
        {"tblMacrsMid1Qtr150", "Mid1Qtr3", {0.4375, 0.2813, 0.25, 0.0312}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.table) + "." + c.column);
        const auto got = rates(fresh_, c.table, c.column);
        ASSERT_EQ(got.size(), c.expected.size());
        for (std::size_t n = 0; n < got.size(); ++n)
            EXPECT_DOUBLE_EQ(got[n], c.expected[n]) << "year " << n + 1;
    }
}

TEST_F(SchemaTest, MidMonthTablesOfPersonalPropertyEqualTheHalfYearTables) {
    // Without the month placed in service, the mid-month first-year fraction averaged over the
    // twelve months is one half.
    for (bool with150 : {false, true}) {
        for (int life : kLives) {
            const std::string n = std::to_string(life);
            SCOPED_TRACE(n);
            EXPECT_EQ(rates(fresh_, macrsTable("MidMth", with150), "MidMth" + n),
                      rates(fresh_, macrsTable("Half", with150), "Half" + n));
        }
    }
}

TEST_F(SchemaTest, ReferenceListsSortIntoThePositionsTheFormsUse) {
    const Recordset conventions =
        fresh_.conn().query("Select Description, id from tblConvention  order by Description ");
    std::vector<std::string> names;
    std::vector<std::int64_t> ids;
    for (const auto& row : conventions.rows()) {
        names.push_back(row[0].toString());
        ids.push_back(row[1].toInt64());
    }
    EXPECT_EQ(names, (std::vector<std::string>{"Half Year", "Mid Month", "Mid Qtr", "None"}));
    EXPECT_EQ(ids, (std::vector<std::int64_t>{1, 3, 2, 4}));

    const Recordset bonus = fresh_.conn().query(
        "SELECT BonusDescription, BonusPercent from tblBonusDepr order by BonusDescription");
    ASSERT_EQ(bonus.RecordCount(), 3u) << "the appended 100 percent entry takes position 3";
    EXPECT_EQ(bonus.rows()[0][1].toInt64(), 3);
    EXPECT_EQ(bonus.rows()[1][1].toInt64(), 5);

    const Recordset books =
        fresh_.conn().query("SELECT BookDescription, BookId from tblBooks where BookDescription "
                            "<> 'Book' and BookDescription <> 'Federal' order by BookDescription");
    ASSERT_EQ(books.RecordCount(), 3u);
    EXPECT_EQ(books.rows()[0][1].toInt64(), 3);
    EXPECT_EQ(books.rows()[1][1].toInt64(), 5);
    EXPECT_EQ(books.rows()[2][1].toInt64(), 4);

    for (const auto& [method, id] : std::vector<std::pair<const char*, int>>{{"MACRS", 1},
                                                                             {"ADS", 2},
                                                                             {"Amortize", 3},
                                                                             {"Listed", 9},
                                                                             {"MACRS 150", 11},
                                                                             {"macrs 150", 11}}) {
        SCOPED_TRACE(method);
        EXPECT_EQ(fresh_.value(std::string("Select ID from tblDeprMethods where Method = '") + method + "'")
                      .toInt64(),
                  id);
    }
    EXPECT_EQ(fresh_.value("Select count(*) from tblDeprMethods where ID in (4, 10)").toInt64(), 2);
}

TEST_F(SchemaTest, LivesComeInStoredOrderWithTheirCaptions) {
    const Recordset macrs = fresh_.conn().query("select life from tbllives  where type = 'MACRS'");
    std::vector<double> lives;
    for (const auto& row : macrs.rows())
        lives.push_back(row[0].toDouble());
    EXPECT_EQ(lives, (std::vector<double>{3, 5, 7, 10, 15, 20, 27.5, 31.5, 39, 50}));

    // The caption of every MACRS and Listed life is the one the asset form shows for it.
    const Recordset rows =
        fresh_.conn().query("select Type, Life, Method from tblLives where Type in ('MACRS', 'Listed')");
    for (const auto& row : rows.rows()) {
        const double life = row[1].toDouble();
        SCOPED_TRACE(row[0].toString() + " " + row[1].toString());
        EXPECT_EQ(row[2].toString(), life <= 10 ? "200 DB" : life <= 20 ? "150 DB" : "S/L");
    }
    for (const char* method : {"MACRS", "ADS"}) {
        SCOPED_TRACE(method);
        EXPECT_EQ(fresh_
                      .value(std::string("select count(*) from tblLives where Life = 50 and Type = '") +
                             method + "'")
                      .toInt64(),
                  1)
            << "the 50-year report pairs these assets with their life row";
    }
}

TEST_F(SchemaTest, LimitsAnswerTheEnginesAndFormsQueries) {
    const Recordset caps =
        fresh_.conn().query("Select [Yr 1 + 30%],[Yr 1 + 50%], [Max Year 1], [Max Year 2],"
                            "[Max Year 3],[Max Year 4] from tblmaxAuto where year = 2024 and "
                            "type = 'gas'");
    ASSERT_EQ(caps.RecordCount(), 1u);
    const std::vector<double> expected = {20400, 20400, 12400, 19800, 11900, 7160};
    for (std::size_t i = 0; i < expected.size(); ++i)
        EXPECT_DOUBLE_EQ(caps.rows()[0][i].toDouble(), expected[i]);

    for (const char* type : {"Gas", "Truck/Van", "Electric"}) {
        SCOPED_TRACE(type);
        EXPECT_EQ(fresh_
                      .value(std::string("SELECT count(*) FROM tblMaxAuto WHERE [year] = 2025 and Type = '") +
                             type + "'")
                      .toInt64(),
                  1);
    }
    // 1999 ships since its caps are at hand: cars and, before the separate table of 2003, trucks
    // and vans (it once had no row).
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblMaxAuto WHERE [year] = 1999").toInt64(), 2);
    EXPECT_EQ(
        fresh_.value("select count(*) from tblMaxAuto where Type not in ('Gas', 'Electric', 'Truck/Van')")
            .toInt64(),
        0);

    const Recordset limit179 =
        fresh_.conn().query(" Select [Maximum Amount], [Threshold Cost] from tblMax179  where year = 2018");
    ASSERT_EQ(limit179.RecordCount(), 1u);
    EXPECT_DOUBLE_EQ(limit179.rows()[0][0].toDouble(), 1000000);
    EXPECT_DOUBLE_EQ(limit179.rows()[0][1].toDouble(), 2500000);
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblMax179 WHERE [year] between 1997 and 2025").toInt64(),
              29);

    // One row per year (and type): a second one is a duplicate key.
    EXPECT_THROW(
        fresh_.exec("INSERT INTO tblMax179 ([Year], [Maximum Amount], [Threshold Cost]) Values( 2018, 1, 1)"),
        ServerError);
    EXPECT_THROW(fresh_.exec("INSERT INTO tblMaxAuto ([Year], Type) Values( 2024, 'GAS')"), ServerError);
}

TEST_F(SchemaTest, TheShippedUserLogsOnIgnoringCaseAndNoUserIsHidden) {
    EXPECT_EQ(
        fresh_.value("Select userLevel from tblPasswords where UserId = 'ADMIN' and [Password] = 'admin'")
            .toString(),
        "Admin");
    EXPECT_EQ(fresh_.value("Select count(*) from tblPasswords").toInt64(), 1);
    EXPECT_EQ(fresh_.value("Select count(*) from tblPasswords where UserId = 'SideGate'").toInt64(), 0);
    EXPECT_THROW(
        fresh_.exec("INSERT INTO tblPasswords (UserId, [Password], UserLevel) Values( 'admin', 'x', 'User')"),
        ServerError)
        << "user ids are unique whatever their capitals";
}

TEST_F(SchemaTest, SampleCompanyAndDefaultsAreReady) {
    EXPECT_EQ(fresh_.value("select [Company Name] from tblcompany where Id = 1").toString(),
              "Sample Company");
    EXPECT_EQ(fresh_.value("Select count(*) from tblAssets").toInt64(), 0);
    EXPECT_EQ(fresh_.value("Select count(*) from tblDefaults").toInt64(), 1);
    EXPECT_GT(fresh_.value("Select DefaultYear from tblDefaults").toInt64(), 1900);
    for (const char* table :
         {"tblDepr", "tblPeriodDepr", "tblBookMethods", "tblAssetDescription", "tblMisc4562Data",
          "tblAutoUse", "tblAutoQuestions", "tblAutoUseReport", "tblBookLedger", "txtMisc"}) {
        SCOPED_TRACE(table);
        EXPECT_EQ(fresh_.value(std::string("Select count(*) from ") + table).toInt64(), 0);
    }
}

TEST_F(SchemaTest, InsertsThatLeaveColumnsOutGetTheDefaultsTheWritersRelyOn) {
    fresh_.exec("INSERT INTO tblCompany ([Company Name], Owner) Values( 'Second', 'Owner')");
    const std::int64_t company = fresh_.value("Select MAX(id) from tblCompany").toInt64();
    EXPECT_EQ(company, 2);
    EXPECT_EQ(fresh_.value("select firstperiod from tblcompany where Id = 2"), Variant(Date(1900, 1, 1)));
    EXPECT_EQ(fresh_.value("select dtPeriod from tblcompany where Id = 2"), Variant(Date(1900, 1, 1)));
    EXPECT_EQ(fresh_.value("Select [AMT Book] from tblCompany where Id = 2"), Variant(false));

    // Assets of different companies take numbers from one counter.
    fresh_.exec(
        "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, depr_method, In_Service_date) Values(1, "
        "'Truck', 1000, 1, '2010-07-01')");
    fresh_.exec(
        "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, depr_method, In_Service_date) Values(2, "
        "'Desk', 500, 1, '2010-07-01')");
    EXPECT_EQ(fresh_.value("Select MAX(asset_num) from tblassets ").toInt64(), 2);
    const Recordset asset =
        fresh_.conn().query("Select depr_adj, DoImportDepr, sold_date, fiscal_sold_date, "
                            "book_life, vehicle_num, gain_loss from tblAssets where Asset_num = 1");
    EXPECT_EQ(asset["depr_adj"], Variant(0));
    EXPECT_EQ(asset["DoImportDepr"], Variant(false));
    EXPECT_EQ(asset["sold_date"], Variant(Date(1900, 1, 1)));
    EXPECT_EQ(asset["fiscal_sold_date"], Variant(Date(1900, 1, 1)));
    EXPECT_EQ(asset["book_life"].toDouble(), 0.0);
    EXPECT_EQ(asset["vehicle_num"], Variant(0));
    EXPECT_EQ(asset["gain_loss"].toDouble(), 0.0);

    // A carryover-only Form 4562 row still has numbers.
    fresh_.exec("INSERT INTO tblMisc4562Data (Company_Id, [Year], [179 Carryover])  Values(1, 2010, 500) ");
    EXPECT_EQ(fresh_.value("Select [Other Depr] from tblMisc4562Data").toDouble(), 0.0);
    EXPECT_THROW(
        fresh_.exec("INSERT INTO tblMisc4562Data (Company_Id, [Year], [179 Carryover])  Values(1, 2010, 9) "),
        ServerError);
}

TEST_F(SchemaTest, KeysOfSeveralColumnsAllowOneRowEach) {
    struct Case {
        const char* name;
        const char* insert;
    } cases[] = {
        {"tblDepr", "Insert into tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) "
                    "Values(1,1,7,2010,5,5)"},
        {"tblPeriodDepr",
         "INSERT INTO tblPerioddepr ( client_num, asset_num, period, depr, accum_depr, id_acct) "
         "Values(1, 7, 201001, 1, 1, 0)"},
        {"tblBookMethods", "Insert into tblBookMethods (ClientId, AssetId, BookId) values(1, 7, 3)"},
        {"tblAssetDescription", " Insert into tblAssetDescription ([Asset Id]) values (7)"},
        {"tblAutoUse",
         "INSERT INTO tblAutoUse (Company_Id, [year], [Vehicle #], [Business Miles]) Values(1, 2010, 1, "
         "'1200') "},
        {"tblAutoQuestions",
         "INSERT INTO tblAutoQuestions (Company_Id, [year], [No Personal Use] ) Values(1, 2010, 1) "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        fresh_.exec(c.insert);
        EXPECT_THROW(fresh_.exec(c.insert), ServerError);
        EXPECT_EQ(fresh_.value(std::string("Select count(*) from ") + c.name).toInt64(), 1);
    }
    // A period given as a bare number is stored as the period text the statements compare with.
    EXPECT_EQ(fresh_.value("Select count(*) from tblPeriodDepr where period = '201001'").toInt64(), 1);
    EXPECT_EQ(fresh_.value("Select [Business Miles] from tblAutoUse"), Variant(1200));
}

TEST_F(SchemaTest, SavedQueryKeepsDescriptionsWithoutALocation) {
    fresh_.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) Values( 'WH', 'Warehouse')");
    fresh_.exec(
        " Insert into tblAssetDescription ([Asset Id], [Tag Number], Location_id) values (1, 'T-1', 1)");
    fresh_.exec(" Insert into tblAssetDescription ([Asset Id], [Tag Number]) values (2, 'T-2')");
    const Recordset rs = fresh_.conn().query(
        "Select [Asset ID], [Short Location], Location_Id from qryAssetDescriptions order by [Asset ID]");
    ASSERT_EQ(rs.RecordCount(), 2u);
    EXPECT_EQ(rs.rows()[0][1].toString(), "WH");
    EXPECT_TRUE(rs.rows()[1][1].isNull());
    EXPECT_EQ(rs.rows()[1][2], Variant(0));
}

} // namespace
} // namespace qel
