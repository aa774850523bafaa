// Prepared statements and transaction guards.
#include "server/data/Connection.h"

#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

class ConnectionTest : public ::testing::Test {
protected:
    void SetUp() override {
        fresh_.exec("CREATE TABLE t (id INTEGER PRIMARY KEY, name TEXT COLLATE NOCASE)");
    }
    std::int64_t count() const { return fresh_.value("SELECT COUNT(*) FROM t").toInt64(); }
    test::FreshDatabase fresh_;
};

TEST_F(ConnectionTest, TransactionCommitsOrRollsBack) {
    {
        Transaction tx(fresh_.conn());
        fresh_.exec("INSERT INTO t VALUES (1, 'a')");
        tx.commit();
    }
    {
        Transaction tx(fresh_.conn());
        fresh_.exec("INSERT INTO t VALUES (2, 'b')");
    }
    EXPECT_EQ(count(), 1);
}

TEST_F(ConnectionTest, NestedGuardRollsBackOnlyItsOwnWork) {
    Transaction outer(fresh_.conn());
    fresh_.exec("INSERT INTO t VALUES (1, 'a')");
    {
        Transaction inner(fresh_.conn());
        fresh_.exec("INSERT INTO t VALUES (2, 'b')");
    }
    {
        Transaction inner(fresh_.conn());
        fresh_.exec("INSERT INTO t VALUES (3, 'c')");
        inner.commit();
    }
    outer.commit();
    EXPECT_EQ(count(), 2);
    EXPECT_EQ(fresh_.value("SELECT SUM(id) FROM t").toInt64(), 4);
}

TEST_F(ConnectionTest, FailureInsideAGuardLeavesNothing) {
    fresh_.exec("INSERT INTO t VALUES (1, 'a')");
    EXPECT_THROW(
        {
            Transaction tx(fresh_.conn());
            fresh_.exec("INSERT INTO t VALUES (2, 'b')");
            fresh_.exec("INSERT INTO t VALUES (1, 'duplicate')");
            tx.commit();
        },
        ServerError);
    EXPECT_EQ(count(), 1);
}

TEST_F(ConnectionTest, CachedStatementIsReboundPerRow) {
    Transaction tx(fresh_.conn());
    for (int i = 1; i <= 3; ++i)
        fresh_.conn().cached("INSERT INTO t VALUES (?, ?)").bind(1, i).bind(2, "row").run();
    tx.commit();
    EXPECT_EQ(count(), 3);
}

TEST_F(ConnectionTest, BoundTextIsNeverSql) {
    fresh_.exec("INSERT INTO t VALUES (1, 'Admin')");
    const Recordset rs = fresh_.conn().query("SELECT id FROM t WHERE name = ?", {Variant("' or ''='")});
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_FALSE(fresh_.conn().query("SELECT id FROM t WHERE name = ?", {Variant("ADMIN")}).IsEOF())
        << "text compares ignoring case";
}

// A NUL never reaches a statement: a bound text drops it, and statement text that holds one is
// refused before SQLite reads it.
TEST_F(ConnectionTest, ANulNeverReachesAStatement) {
    fresh_.conn().execute("INSERT INTO t VALUES (1, ?)", {Variant(std::string("Desk\0top", 8))});
    EXPECT_EQ(fresh_.value("SELECT name FROM t WHERE id = 1").toString(), "Desktop");
    EXPECT_EQ(fresh_.value("SELECT length(CAST(name AS BLOB)) FROM t WHERE id = 1").toInt64(), 7);
    try {
        fresh_.conn().execute(std::string("INSERT INTO t VALUES (2, 'Desk\0top')", 36));
        FAIL() << "a statement holding a NUL ran";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
        EXPECT_EQ(e.description(), "The statement holds a NUL character, which no statement may hold");
    }
    EXPECT_EQ(count(), 1);
}

// A failed statement is told by its cause in words; its text, which quotes the user's values,
// stays out of the description the user is shown.
TEST_F(ConnectionTest, AFailureTellsItsCauseWithoutTheStatement) {
    fresh_.exec("INSERT INTO t VALUES (1, 'a')");
    const struct {
        const char* name;
        std::string sql;
        ErrorKind kind;
        const char* description;
    } cases[] = {
        {"duplicate key", "INSERT INTO t VALUES (1, 'Private Value')", ErrorKind::Constraint,
         "UNIQUE constraint failed: t.id"},
        {"unknown table", "SELECT 'Private Value' FROM missing", ErrorKind::Sql, "no such table: missing"},
        {"two statements", "SELECT 1; SELECT 'Private Value'", ErrorKind::InvalidArgument,
         "Only one statement may run at a time"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            fresh_.conn().execute(c.sql);
            ADD_FAILURE() << "the statement ran";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.kind(), c.kind);
            EXPECT_EQ(e.description(), c.description);
        }
    }
}

} // namespace
} // namespace qel
