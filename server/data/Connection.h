// Connection, Statement and Transaction: the SQLite layer under every statement of the data
// server.
//
// A Connection opens one database file with the pragmas every open needs (WAL journal, full
// sync, foreign keys, a busy timeout) and turns SQLite failures into ServerError with SQLite's
// message. A Statement is one prepared statement, re-bound for each
// row of a loop. A Transaction guards a write of several statements; nested guards open
// savepoints.
#pragma once

#include "common/Recordset.h"
#include "common/ServerError.h"
#include "common/Variant.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

struct sqlite3;
struct sqlite3_stmt;

namespace qel {

// Underlying numbers of database failures, before a server class passes them on.
inline constexpr std::int32_t kErrNotConnected = 3704;        // operation on a closed connection
inline constexpr std::int32_t kErrConstraint = -2147217873;   // integrity violation
inline constexpr std::int32_t kErrSqlCommand = -2147217900;   // error in the command
inline constexpr std::int32_t kErrOpenDatabase = -2147467259; // unspecified (open failed)

class Connection;

class Statement {
public:
    Statement(Connection& conn, sqlite3_stmt* stmt, std::string sql);
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&&) = delete;
    Statement(const Statement&) = delete;
    ~Statement();

    // Binds parameter `index` (1-based). Null, numbers, text (without NUL characters), dates
    // (ISO text) and Yes/No (1/0).
    Statement& bind(int index, const Variant& value);
    // Binds every value in order from parameter 1.
    Statement& bindAll(const std::vector<Variant>& values);

    // Steps once; true when a row is ready. Throws ServerError on failure.
    bool step();
    // Runs a statement that returns no rows to its end.
    void run();
    // Clears bindings and rewinds, ready for the next row.
    void reset();

    int columnCount() const;
    Variant column(int index) const;

    // Runs the statement and collects every row with the field shapes of its columns.
    Recordset fetchAll();

    const std::string& sql() const { return sql_; }

private:
    // How the values of a field type are stored: Yes/No as 0/1, dates as ISO text.
    enum class Stored { Plain, YesNo, IsoDate };
    static Stored storedAs(FieldType type);
    Variant readColumn(int index, Stored stored) const;
    // The current row's value of a column as text, valid until the statement steps on.
    std::string_view columnText(int index) const;
    // Writes the current row's value of a column into a recordset's row.
    void readColumnInto(Recordset& rs, std::size_t row, int index, Stored stored) const;

    [[noreturn]] void fail(int rc) const;

    Connection& conn_;
    sqlite3_stmt* stmt_;
    std::string sql_;
};

class Connection {
public:
    // Opens an existing database file. Throws ServerError (NotConnected kind is not used here:
    // a failed open is kind Io) with the path and SQLite's message. A path that names no regular
    // file (a named pipe, a folder, a device) or an empty file is refused before SQLite opens
    // it, and a file that is no database before anything is written to it.
    static std::shared_ptr<Connection> open(const std::string& path,
                                            const std::string& connectionString = {});
    // Opens an existing database file to read it and leave it as it was: no pragma is run, no
    // journal mode switched, and, when no other connection has it open, no lock taken and no
    // "-wal" or "-shm" file made beside it. For checking a file chosen by the user before the
    // program connects to it. Refuses what open() refuses, with the same error.
    static std::shared_ptr<Connection> openToRead(const std::string& path);
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    const std::string& path() const { return path_; }
    const std::string& connectionString() const { return connectionString_; }
    sqlite3* handle() const { return db_; }

    // Prepares exactly one statement; text holding a second statement, or none, or a NUL
    // character, is refused (kind InvalidArgument) and nothing runs.
    Statement prepare(std::string_view sql);

    // A statement prepared once per connection and kept for re-use by loops; it comes reset.
    Statement& cached(const std::string& sql);

    // One statement without rows, optionally with bound values.
    void execute(std::string_view sql, const std::vector<Variant>& params = {});
    // One query; its rows as a recordset.
    Recordset query(std::string_view sql, const std::vector<Variant>& params = {});

    std::int64_t lastInsertRowid() const;
    int changes() const;

    // The error for a failed SQLite call on this connection: SQLite's message as the cause, and
    // the kind from its result code. The statement's text is not put into it: a description is
    // shown to the user.
    ServerError error(int rc) const;

private:
    friend class Transaction;
    Connection(sqlite3* db, std::string path, std::string connectionString);

    sqlite3* db_;
    std::string path_;
    std::string connectionString_;
    std::unordered_map<std::string, std::unique_ptr<Statement>> cache_;
    int transactionDepth_ = 0;
};

// Scope guard for a write of several statements: `Transaction tx(conn); ...; tx.commit();`.
// The outermost guard begins a transaction, an inner one a savepoint; a guard destroyed
// without commit rolls its work back.
class Transaction {
public:
    explicit Transaction(Connection& conn);
    ~Transaction();
    Transaction(const Transaction&) = delete;
    Transaction& operator=(const Transaction&) = delete;

    void commit();

private:
    Connection& conn_;
    int level_;
    bool done_ = false;
};

} // namespace qel
