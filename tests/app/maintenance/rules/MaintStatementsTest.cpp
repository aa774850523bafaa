// The maintenance writers: statement texts, the value of each field type, the two tables written
// apart, and their effect on a database copy.
#include "app/maintenance/rules/MaintStatements.h"

#include "server/data/Db.h"
#include "server/support/CompanyPersist.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

const MaintTable& table(const char* key) {
    const MaintTable* t = findMaintTable(key);
    if (!t)
        throw std::runtime_error(std::string("no table ") + key);
    return *t;
}

MaintRecord record(const MaintTable& t, const std::vector<Field>& fields, std::vector<std::string> texts,
                   std::int32_t company = 0) {
    MaintRecord r{t, fields, {}, company};
    for (std::string& s : texts)
        r.values.push_back({std::move(s), std::nullopt});
    return r;
}

void run(const SqlStatement& s) {
    db().ExecuteSql(s.sql, s.params);
}

class MaintStatementsTest : public ::testing::Test {
protected:
    test::FreshDatabase fresh_;
};

TEST_F(MaintStatementsTest, LocationsInsertUpdateAndDelete) {
    const MaintTable& locations = table("Locations");
    const std::vector<Field> fields = DeprSupport().GetLocationMaint().fields();

    const SqlStatement insert = CreateInsertSQL(record(locations, fields, {"WH", "Warehouse"}));
    EXPECT_EQ(insert.sql, "INSERT INTO tblLocations ([Short Location], [Long Location]) Values( ?, ?)");
    EXPECT_EQ(insert.params, (std::vector<Variant>{"WH", "Warehouse"}));
    run(insert);
    const std::string key = fresh_.value(RetrieveKeySql(locations, fields)).toString();
    EXPECT_EQ(RetrieveKeySql(locations, fields), "Select MAX(Location_ID) from tblLocations");
    EXPECT_EQ(fresh_.value("SELECT [Long Location] FROM tblLocations WHERE Location_ID = " + key),
              Variant("Warehouse"));

    const SqlStatement update = CreateUpdateSQL(record(locations, fields, {"WH", "Main warehouse"}), key);
    EXPECT_EQ(update.sql,
              "Update tblLocations Set [Short Location] = ? , [Long Location] = ? WHERE Location_ID = " +
                  key);
    run(update);
    EXPECT_EQ(fresh_.value("SELECT [Long Location] FROM tblLocations WHERE Location_ID = " + key),
              Variant("Main warehouse"));

    const SqlStatement remove = CreateDeleteSQL(locations, fields, key);
    EXPECT_EQ(remove.sql, "Delete from tblLocations WHERE Location_ID  = " + key);
    EXPECT_TRUE(remove.params.empty());
    run(remove);
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblLocations"), Variant(0));
    EXPECT_EQ(db().ReturnValue(RetrieveKeySql(locations, fields)), Variant(0))
        << "an empty table's highest key";
}

TEST_F(MaintStatementsTest, TypedTextIsStoredAsTypedAndEveryTableSurvives) {
    const std::int64_t tables = fresh_.value("SELECT count(*) FROM sqlite_master").toInt64();
    const MaintTable& locations = table("Locations");
    const std::vector<Field> fields = DeprSupport().GetLocationMaint().fields();
    for (const std::string typed : {"O'Brien's yard", "'; DROP TABLE tblLocations; --", "\"quoted\" ; --"}) {
        SCOPED_TRACE(typed);
        run(CreateInsertSQL(record(locations, fields, {typed, typed + " (long)"})));
        const std::string key = fresh_.value(RetrieveKeySql(locations, fields)).toString();
        EXPECT_EQ(fresh_.value("SELECT [Short Location] FROM tblLocations WHERE Location_ID = " + key),
                  Variant(typed));
        run(CreateUpdateSQL(record(locations, fields, {typed + "!", typed}), key));
        EXPECT_EQ(fresh_.value("SELECT [Short Location] FROM tblLocations WHERE Location_ID = " + key),
                  Variant(typed + "!"));
    }
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM sqlite_master").toInt64(), tables);
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblLocations"), Variant(3));
}

TEST_F(MaintStatementsTest, ValuesByFieldType) {
    const MaintTable& t = table("Locations");
    struct Case {
        const char* name;
        int typeCode;
        std::string text;
        std::string sql; // the value's text in the statement
        std::vector<Variant> params;
    } cases[] = {
        {"whole number", 3, "12", "12", {}},
        {"empty whole number is 0", 3, "", "0", {}},
        {"whole number rounds half to even", 2, "12.5", "12", {}},
        {"amount keeps its cents", 6, "1250.75", "1250.75", {}},
        {"empty amount is 0", 5, "", "0", {}},
        {"amount with blanks around", 5, " 7 ", "7", {}},
        {"date", 7, "07/01/2012", "'2012-07-01'", {}},
        {"empty date field is Null", 7, "  /  /    ", "Null", {}},
        {"yes", 11, "yes", "1", {}},
        {"true", 11, "TRUE", "1", {}},
        {"y is no", 11, "Y", "0", {}},
        {"1 is no", 11, "1", "0", {}},
        {"empty yes/no is no", 11, "", "0", {}},
        {"text is bound", 202, "Main St ", "?", {"Main St "}},
        {"memo is bound", 203, "long notes", "?", {"long notes"}},
        {"empty text is bound empty", 202, "", "?", {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::vector<Field> fields{{"Value  ", static_cast<FieldType>(c.typeCode), 8},
                                        {"ID", FieldType::Integer, 4}};
        const SqlStatement s = CreateInsertSQL(record(t, fields, {c.text}));
        EXPECT_EQ(s.sql, "INSERT INTO tblLocations ([Value]) Values( " + c.sql + ")");
        EXPECT_EQ(s.params, c.params);
    }
}

TEST_F(MaintStatementsTest, ANumberOrDateThatIsNoneIsRefusedNamingTheField) {
    const MaintTable& t = table("179Rates");
    struct Case {
        int typeCode;
        const char* text;
    } cases[] = {{3, "abc"},   {5, "12abc"},  {6, "1,000"},      {7, "13/01/2012"}, {7, "2012-01-01"},
                 {3, "1e400"}, {5, "-1e400"}, {3, "3000000000"}, {5, "2e15"},       {20, "99999999999"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        const std::vector<Field> fields{{"Maximum Amount", static_cast<FieldType>(c.typeCode), 8},
                                        {"ID", FieldType::Integer, 4}};
        try {
            CreateUpdateSQL(record(t, fields, {c.text}), "4");
            ADD_FAILURE() << "not refused";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
            EXPECT_NE(e.description().find("Maximum Amount"), std::string::npos) << e.description();
        }
    }
}

TEST_F(MaintStatementsTest, AYearFieldHoldsAYear) {
    const MaintTable& t = table("AutoRates");
    for (const char* year : {"3000000000", "1899", "10000"}) {
        SCOPED_TRACE(year);
        const std::vector<Field> fields{{"Year  ", FieldType::Integer, 4}, {"ID", FieldType::Integer, 4}};
        try {
            CreateInsertSQL(record(t, fields, {year}));
            ADD_FAILURE() << "not refused";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.description(),
                      "Year '" + std::string(year) + "' must be a number from 1900 to 9999. ");
        }
    }
}

TEST_F(MaintStatementsTest, AssetClassesStoreTheIdsOfMethodAndAccount) {
    fresh_.exec("INSERT INTO tblAccounts (Id_acct, [Account Descr]) VALUES (5, 'Furniture')");
    const MaintTable& classes = table("AssetClasses");
    const std::vector<Field> fields = DeprSupport().GetClassMaint().fields();
    MaintRecord r = record(classes, fields, {"MACRS", "Office chairs", "7", "N/A", "0", "Furniture"});
    r.values[0].itemData = 1;
    r.values[5].itemData = 5;

    const SqlStatement insert = CreateInsertSQL(r);
    EXPECT_EQ(insert.sql, "INSERT INTO tblDeprClass ( Method_Id , [Description], [Life], [If Auto - Type], "
                          "[Amortize #], Id_acct ) Values( 1, ?, ?, ?, ?, 5)");
    run(insert);
    const Recordset rs = DeprSupport().GetClassMaint();
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs["Method"], Variant("MACRS"));
    EXPECT_EQ(rs["Account Descr"], Variant("Furniture"));

    r.values[0].itemData = 9;
    const std::string key = rs["ID"].toString();
    const SqlStatement update = CreateUpdateSQL(r, key);
    EXPECT_EQ(update.sql, "Update tblDeprClass Set  Method_Id  = 9 , [Description] = ? , [Life] = ? , "
                          "[If Auto - Type] = ? , [Amortize #] = ?, Id_acct  = 5 WHERE ID = " +
                              key);
    run(update);
    EXPECT_EQ(DeprSupport().GetClassMaint()["Method"], Variant("Listed"));

    r.values[5].itemData.reset();
    EXPECT_THROW(CreateInsertSQL(r), ServerError) << "no account chosen";
}

TEST_F(MaintStatementsTest, AForm4562RowGetsTheCompanyOnInsertOnly) {
    const std::int32_t company = test::addCompany("Acme");
    const MaintTable& misc = table("Misc4562Data");
    const std::vector<Field> fields = DeprSupport().GetMisc4562DataForMaint(company, 0).fields();
    MaintRecord r = record(misc, fields, {"2012", "100", "", "Yes", "No", "", "0", "0", "0", "No"}, company);

    const SqlStatement insert = CreateInsertSQL(r);
    EXPECT_EQ(insert.sql,
              "INSERT INTO tblMisc4562Data ([Year], [179 Carryover], [179 Income Limit], [Listed Claim], "
              "[Listed Evidence], [Group Assets], [168 Property], [Other Depr], [263A Cost], "
              "[Exclude 179], company_id) Values( 2012, 100, 0, ?, ?, ?, 0, 0, 0, ?, " +
                  std::to_string(company) + ")");
    run(insert);
    EXPECT_EQ(DeprSupport().Get179CarryOver(company, 2012), 100);

    const std::string key = DeprSupport().GetMisc4562DataForMaint(company, 2012)["ID"].toString();
    const SqlStatement update = CreateUpdateSQL(r, key);
    EXPECT_EQ(update.sql.find("company_id"), std::string::npos);
}

TEST_F(MaintStatementsTest, CompanyBooksAndPaddedTitlesAreWrittenByTheirColumnNames) {
    const MaintTable& companies = table("Companies");
    const std::vector<Field> fields = CompanyPersist().GetCompanyMaintData().fields();
    const MaintRecord r = record(companies, fields,
                                 {"Acme", "Ann", "1 Main St", "", "Springfield", "IL", "62701", "12-3456789",
                                  "6", "Yes", "No", "Yes"});
    run(CreateInsertSQL(r));
    const Recordset rs =
        DeprSupport().GetBooksSettings(fresh_.value("SELECT max(id) FROM tblCompany").toInt32());
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs[0], Variant(true));
    EXPECT_EQ(rs[1], Variant(false));
    EXPECT_EQ(rs[2], Variant(true));
    EXPECT_EQ(fresh_.value("SELECT Address || '|' || State || '|' || [Zip Code] FROM tblCompany WHERE "
                           "[Company Name] = 'Acme'"),
              Variant("1 Main St|IL|62701"));
}

TEST_F(MaintStatementsTest, OnlyARefusedUniqueKeyIsADuplicate) {
    const MaintTable& limits = table("179Rates");
    const std::vector<Field> fields = DeprSupport().Get179forMaint().fields();
    try {
        run(CreateInsertSQL(record(limits, fields, {"2012", "1", "2"})));
        ADD_FAILURE() << "a second row of 2012 was stored";
    } catch (const ServerError& e) {
        EXPECT_TRUE(isDuplicateKey(e)) << e.description();
    }
    const ServerError notNull(kErrConstraint, "Database", "NOT NULL constraint failed: tblMaxAuto.Type",
                              ErrorKind::Constraint);
    const ServerError syntax(kErrSqlCommand, "Database", "near \"x\": syntax error", ErrorKind::Sql);
    EXPECT_FALSE(isDuplicateKey(notNull));
    EXPECT_FALSE(isDuplicateKey(syntax));
}

} // namespace
} // namespace qel
