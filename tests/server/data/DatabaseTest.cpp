// The shared connection, the statement routines and the db class.
#include "server/data/Database.h"
#include "server/data/Db.h"

#include "common/IniFile.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

class DatabaseTest : public ::testing::Test {
protected:
    void SetUp() override {
        fresh_.exec("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT(20) COLLATE NOCASE, v REAL)");
    }
    test::FreshDatabase fresh_;
};

TEST_F(DatabaseTest, RecordsetKeepsPaddedNamesAndOutlivesTheConnection) {
    fresh_.exec("INSERT INTO t VALUES (1, 'Main St', 2.5)");
    Recordset rs = ExecuteQueryReturnRS("SELECT name AS [Address         ], v FROM t");
    db().Disconnect();
    ASSERT_EQ(rs.fieldCount(), 2u);
    EXPECT_EQ(rs.field(0).name, "Address         ");
    EXPECT_EQ(rs.field(0).type, FieldType::Text);
    EXPECT_EQ(rs.field(0).definedSize, 20);
    EXPECT_EQ(rs.field(1).type, FieldType::Double);
    EXPECT_EQ(rs["Address         "].toString(), "Main St");
}

TEST_F(DatabaseTest, ReturnDbDataRoundsHalfToEvenAndTreatsNoRowAsZero) {
    struct Case {
        const char* sql;
        std::int32_t expected;
    } cases[] = {
        {"SELECT v FROM t WHERE id = 99", 0},
        {"SELECT SUM(v) FROM t WHERE id = 99", 0},
        {"SELECT 2.5", 2},
        {"SELECT 3.5", 4},
        {"SELECT 7", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(ReturnDbData(c.sql), c.expected);
    }
    try {
        ReturnDbData("SELECT 'abc'");
        FAIL() << "a text is no number";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
    }
}

TEST_F(DatabaseTest, FailedDbConnKeepsThePreviousConnection) {
    fresh_.exec("INSERT INTO t VALUES (1, 'a', 1)");
    try {
        db().dbConn((fresh_.folder() / "missing.mdb").string());
        FAIL() << "a missing file must not open";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.helpContext(), "GetDbConnection");
    }
    EXPECT_EQ(ReturnDbData("SELECT COUNT(*) FROM t"), 1);
}

TEST_F(DatabaseTest, NotADatabaseFileDoesNotOpen) {
    const auto junk = fresh_.folder() / "junk.mdb";
    {
        std::FILE* f = std::fopen(junk.c_str(), "w");
        std::fputs("this is not a database file, just some text long enough to matter", f);
        std::fclose(f);
    }
    EXPECT_THROW(db().dbConn(junk.string()), ServerError);
    EXPECT_EQ(ReturnDbData("SELECT COUNT(*) FROM t"), 0);
}

TEST_F(DatabaseTest, AfterDisconnectEveryStatementFails) {
    db d;
    EXPECT_EQ(d.Disconnect(), 1);
    EXPECT_EQ(d.Disconnect(), 1);
    for (auto run : {+[] { ExecuteQueryReturnRS("SELECT 1"); }, +[] { ExecuteQuery("DELETE FROM t"); },
                     +[] { ReturnDbData("SELECT 1"); }, +[] { db().ExecuteSql("DELETE FROM t"); }}) {
        try {
            run();
            FAIL() << "expected not connected";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kPassedThrough);
            EXPECT_EQ(e.kind(), ErrorKind::NotConnected);
        }
    }
    try {
        d.ReturnValue("SELECT 1");
        FAIL();
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::NotConnected);
        EXPECT_NE(e.number(), kPassedThrough) << "ReturnValue passes the underlying error on";
    }
    EXPECT_NE(d.CmdExe("SELECT 1"), 0);
    d.dbConn(fresh_.path());
    EXPECT_EQ(ReturnDbData("SELECT 1"), 1);
}

TEST_F(DatabaseTest, ConstraintViolationKeepsItsKindAndCause) {
    fresh_.exec("INSERT INTO t VALUES (1, 'a', 1)");
    try {
        db().ExecuteSql("INSERT INTO t VALUES (1, 'b', 2)");
        FAIL();
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.kind(), ErrorKind::Constraint);
        EXPECT_NE(e.description().find("UNIQUE constraint failed"), std::string::npos) << e.description();
        EXPECT_NE(e.description().find("INSERT INTO t"), std::string::npos);
        EXPECT_EQ(e.helpFile(), "db");
        EXPECT_EQ(e.helpContext(), "ExecuteSql");
    }
    EXPECT_EQ(db().CmdExe("INSERT INTO t VALUES (1, 'b', 2)"), kErrConstraint);
}

TEST_F(DatabaseTest, TwoStatementsAreRefusedAndNeitherRuns) {
    fresh_.exec("INSERT INTO t VALUES (1, 'a', 1)");
    for (const char* sql : {"DELETE FROM t; DELETE FROM t", "DELETE FROM t; DROP TABLE t"}) {
        SCOPED_TRACE(sql);
        try {
            db().ExecuteSql(sql);
            FAIL();
        } catch (const ServerError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
        }
        EXPECT_THROW(db().ReturnValue(std::string(sql)), ServerError);
    }
    EXPECT_EQ(ReturnDbData("SELECT COUNT(*) FROM t"), 1);
    EXPECT_TRUE(db().ExecuteSql("UPDATE t SET v = 2 WHERE id = 1;  -- one statement\n"));
    EXPECT_TRUE(db().ExecuteSql("UPDATE t SET v = 3 WHERE id = 99")) << "no matching row is no failure";
}

TEST_F(DatabaseTest, ReturnValueKeepsTheColumnsType) {
    fresh_.exec("CREATE TABLE d (day DATE, yes BOOLEAN)");
    fresh_.exec("INSERT INTO d VALUES ('2024-06-01', 1)");
    fresh_.exec("INSERT INTO t VALUES (1, 'Ann', NULL)");
    db d;
    EXPECT_EQ(d.ReturnValue("SELECT day FROM d"), Variant(Date(2024, 6, 1)));
    EXPECT_EQ(d.ReturnValue("SELECT yes FROM d"), Variant(true));
    EXPECT_EQ(d.ReturnValue("SELECT name FROM t"), Variant("Ann"));
    EXPECT_EQ(d.ReturnValue("SELECT v FROM t"), Variant(0));
    EXPECT_EQ(d.ReturnValue("SELECT name FROM t WHERE id = 5"), Variant(0));
}

TEST(DatabaseStartTest, MissingIniGivesNoConnectionSilently) {
    test::TempFolder folder;
    setenv("QEL_INI", (folder.path() / "QELFA1.ini").c_str(), 1);
    gConn().reset();
    EXPECT_EQ(GetPrivateString("DB_Path"), "");
    EXPECT_NO_THROW(Main());
    EXPECT_EQ(gConn(), nullptr);
    writeIniValue("Data", "Other", "x");
    EXPECT_NO_THROW(Main());
    EXPECT_EQ(gConn(), nullptr);
}

TEST(DatabaseStartTest, MainOpensTheIniPath) {
    test::FreshDatabase fresh(false);
    EXPECT_EQ(gConn(), nullptr);
    Main();
    ASSERT_NE(gConn(), nullptr);
    EXPECT_EQ(gConn()->path(), fresh.path());
    EXPECT_EQ(dataSourceOf(gConn()->connectionString()), fresh.path());
}

TEST(DatabaseStartTest, ConnectionStringsKeepTheirText) {
    EXPECT_EQ(GetConnectionString("/d/VOSSMERE.MDB"),
              "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/d/VOSSMERE.MDB;Persist Security Info=True;Jet "
              "OLEDB:Database Password=KWP58");
    const std::string def = dataSourceOf(GetDefaultConnectionString());
    EXPECT_EQ(std::filesystem::path(def).filename(), "Plendrik.mdb");
    EXPECT_NO_THROW(db().dbConnection()) << "the default database ships beside the library";
}

} // namespace
} // namespace qel
