// The shared connection, the statement routines and the db class.
#include "server/data/Database.h"
#include "server/data/Db.h"

#include "common/IniFile.h"
#include "tests/testsupport/Files.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <thread>

namespace qel {
namespace {

using test::bytesOf;
using test::makeForeignDatabase;
using test::namesIn;

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

TEST_F(DatabaseTest, SwitchConnectionKeepsTheConnectionUnlessTheOpenAndTheCheckSucceed) {
    fresh_.exec("INSERT INTO t VALUES (1, 'a', 1)");
    const auto other = fresh_.folder() / "other.mdb";
    std::filesystem::copy_file(QEL_SHIPPED_DATABASE, other);
    std::ofstream(fresh_.folder() / "text.mdb") << "this is not a database file, just some text long enough";
    const auto readsDefaults = [](Connection& c) { firstValue(c, "Select DefaultYear from tblDefaults"); };
    const auto refuses = [](Connection&) {
        throw ServerError(kErrDatabase, "check", "not this system's database", ErrorKind::InvalidArgument);
    };
    struct Case {
        const char* name;
        std::string path;
        std::function<void(Connection&)> check;
        const char* cause; // in the raised description; nullptr when the switch succeeds
    } cases[] = {
        {"missing file", (fresh_.folder() / "missing.mdb").string(), readsDefaults, "missing.mdb"},
        {"no path", "", readsDefaults, "No database path is set."},
        {"a text file", (fresh_.folder() / "text.mdb").string(), readsDefaults, "not a database"},
        {"the check refuses", other.string(), refuses, "not this system's database"},
        {"a database of this system", other.string(), readsDefaults, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const std::shared_ptr<Connection> before = gConn();
        try {
            const auto conn = switchConnection(c.path, c.check);
            EXPECT_EQ(c.cause, nullptr) << "the switch must fail";
            EXPECT_EQ(gConn(), conn);
            EXPECT_EQ(gConn()->path(), other.string());
        } catch (const ServerError& e) {
            ASSERT_NE(c.cause, nullptr) << e.description();
            EXPECT_NE(e.description().find(c.cause), std::string::npos) << e.description();
            EXPECT_EQ(gConn(), before);
            EXPECT_EQ(ReturnDbData("SELECT COUNT(*) FROM t"), 1) << "the previous connection is in use";
        }
    }
}

// A file the switch refuses stays byte for byte as it was, with nothing made beside it: the
// check reads it before the program's connection could write its journal mode into it.
TEST_F(DatabaseTest, ASwitchThatIsRefusedLeavesTheFileAsItWas) {
    const auto folder = fresh_.folder() / "chosen";
    const auto readsDefaults = [](Connection& c) { firstValue(c, "Select DefaultYear from tblDefaults"); };
    const auto refuses = [](Connection&) {
        throw ServerError(kErrDatabase, "check", "not this system's database", ErrorKind::InvalidArgument);
    };
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        std::function<void(Connection&)> check;
        const char* cause;
    } cases[] = {
        {"an empty file", [](const auto& p) { std::ofstream(p).flush(); }, readsDefaults,
         "the file is empty"},
        {"a database of another kind", [&](const auto& p) { makeForeignDatabase(p, "DELETE"); },
         readsDefaults, "no such table: tblDefaults"},
        {"a database of another kind in WAL mode", [&](const auto& p) { makeForeignDatabase(p, "WAL"); },
         readsDefaults, "no such table: tblDefaults"},
        {"a database of this system the check refuses",
         [](const auto& p) { std::filesystem::copy_file(QEL_SHIPPED_DATABASE, p); }, refuses,
         "not this system's database"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove_all(folder);
        std::filesystem::create_directory(folder);
        const auto path = folder / "VOSSMERE.MDB";
        c.make(path);
        const std::string before = bytesOf(path);
        try {
            switchConnection(path.string(), c.check);
            ADD_FAILURE() << "the switch must fail";
        } catch (const ServerError& e) {
            EXPECT_NE(e.description().find(c.cause), std::string::npos) << e.description();
        }
        EXPECT_EQ(bytesOf(path), before);
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"VOSSMERE.MDB"});
        EXPECT_EQ(gConn()->path(), fresh_.path());
    }
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
        // The cause in words; the statement, which quotes the user's values, is not shown.
        EXPECT_EQ(e.description().find("INSERT INTO t"), std::string::npos) << e.description();
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

TEST_F(DatabaseTest, ExecuteSqlBindsTypedTextAsItIs) {
    const std::string typed = "O'Hara'; DROP TABLE t; --";
    EXPECT_TRUE(db().ExecuteSql("INSERT INTO t VALUES (?, ?, 1)", {Variant(1), Variant(typed)}));
    EXPECT_EQ(fresh_.value("SELECT name FROM t WHERE id = 1"), Variant(typed));
    try {
        db().ExecuteSql("INSERT INTO t VALUES (?, 'b', 2)", {Variant(1)});
        FAIL();
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.kind(), ErrorKind::Constraint);
        EXPECT_EQ(e.helpContext(), "ExecuteSql");
    }
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

TEST(DatabaseUpgradeTest, ADatabaseMadeBeforeTheBonusChoiceGainsItWhenOpened) {
    test::TempFolder folder;
    const std::string path = (folder.path() / "old.mdb").string();
    sqlite3* file = nullptr;
    ASSERT_EQ(sqlite3_open(path.c_str(), &file), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(
                  file,
                  "CREATE TABLE tblAssets (Asset_ID INTEGER PRIMARY KEY); INSERT INTO tblAssets VALUES (1)",
                  nullptr, nullptr, nullptr),
              SQLITE_OK);
    sqlite3_close(file);
    for (int opening = 0; opening < 2; ++opening) { // the second opening finds it and adds nothing
        GetDbConnection(path);
        EXPECT_EQ(
            ReturnDbData("SELECT count(*) FROM pragma_table_info('tblAssets') WHERE name = 'Bonus_Choice'"),
            1);
        EXPECT_EQ(ReturnDbData("SELECT count(*) FROM tblAssets WHERE Bonus_Choice IS NULL"), 1);
        db().Disconnect();
    }
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

// A thread whose start-up connection failed reports that cause with every statement that finds no
// connection, until a connection opens.
TEST(DatabaseStartTest, TheStartUpFailureIsReportedByTheStatementsThatFindNoConnection) {
    test::FreshDatabase fresh(false);
    writeIniValue("Data", "DB_Path", (fresh.folder() / "moved" / "VOSSMERE.MDB").string());
    std::thread([&] {
        db d; // the thread's first data server object runs the start routine, which fails
        ASSERT_EQ(gConn(), nullptr);
        for (auto run : {+[] { ExecuteQueryReturnRS("SELECT 1"); }, +[] { db().ExecuteSql("DELETE FROM t"); },
                         +[] { db().ReturnValue("SELECT 1"); }}) {
            try {
                run();
                ADD_FAILURE() << "expected not connected";
            } catch (const ServerError& e) {
                EXPECT_EQ(e.kind(), ErrorKind::NotConnected);
                EXPECT_NE(e.description().find("The connection at start failed: "), std::string::npos)
                    << e.description();
                EXPECT_NE(e.description().find("moved/VOSSMERE.MDB"), std::string::npos) << e.description();
            }
        }
        d.dbConn(fresh.path());
        d.Disconnect();
        try {
            ExecuteQueryReturnRS("SELECT 1");
            ADD_FAILURE() << "expected not connected";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.description(), "The database is not connected.") << "a connection opened since";
        }
    }).join();
}

// A worker thread's scope opens the thread's own connection to the named file, whatever the INI
// file names, and closes it when the work ends, also when the work throws.
TEST(DatabaseStartTest, AThreadConnectionScopeClosesItsConnectionHoweverTheWorkEnds) {
    test::FreshDatabase fresh(false);
    writeIniValue("Data", "DB_Path", (fresh.folder() / "moved" / "VOSSMERE.MDB").string());
    std::thread([&] {
        for (const bool fails : {false, true}) {
            SCOPED_TRACE(fails ? "the work throws" : "the work ends");
            try {
                const ThreadConnectionScope scope(fresh.path());
                ASSERT_NE(gConn(), nullptr);
                EXPECT_EQ(gConn()->path(), fresh.path());
                EXPECT_EQ(ReturnDbData("SELECT 7"), 7);
                if (fails)
                    throw ServerError::invalidArgument("test", "work failed");
            } catch (const ServerError& e) {
                EXPECT_TRUE(fails) << e.description();
            }
            EXPECT_EQ(gConn(), nullptr);
        }
        EXPECT_THROW(ThreadConnectionScope((fresh.folder() / "none" / "VOSSMERE.MDB").string()), ServerError);
        EXPECT_EQ(gConn(), nullptr);
    }).join();
}

// A thread's shared connection closes when the thread ends. An object of the thread that ends
// after it (made before the thread's first use of the connection, as a static at exit ends after
// the main thread's own objects) and lets go of the connection then finds it empty.
TEST(DatabaseStartTest, TheConnectionClosesWithItsThreadAndLaterObjectsFindItEmpty) {
    test::FreshDatabase fresh(false);
    std::weak_ptr<Connection> opened;
    bool emptyAfterwards = false;
    std::thread([&] {
        thread_local struct EndsLast {
            bool* empty = nullptr;
            ~EndsLast() {
                gConn().reset();
                *empty = gConn() == nullptr;
            }
        } endsLast;
        endsLast.empty = &emptyAfterwards;
        opened = GetDbConnection(fresh.path());
        EXPECT_EQ(ReturnDbData("SELECT 7"), 7);
    }).join();
    EXPECT_TRUE(opened.expired()) << "the connection closed when its thread ended";
    EXPECT_TRUE(emptyAfterwards);
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
