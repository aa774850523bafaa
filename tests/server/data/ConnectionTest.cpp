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

} // namespace
} // namespace qel
