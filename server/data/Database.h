// The data server's shared connection and the routines through which its statements reach
// the database.
//
// Each thread has one shared connection, gConn, opened from the INI path by Main when the
// thread's first data server object is made (ServerObject); when that open fails, its cause is
// kept and every statement that then finds no connection reports it. Every class of the data
// server runs
// its statements through ExecuteQueryReturnRS, ExecuteQuery and ReturnDbData. A failure leaves
// these routines as ServerError number kPassedThrough with help file "Database" and the
// routine's name; the description keeps SQLite's message and the statement.
#pragma once

#include "common/Recordset.h"
#include "server/data/Connection.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

// The calling thread's shared connection; empty until Main or db.dbConn opens one. It closes when
// the thread ends; an object that ends later (a static, at exit) finds it empty and may still
// release it.
std::shared_ptr<Connection>& gConn();

// The shared connection, or ServerError (NotConnected, number kPassedThrough) when there is none.
Connection& requireConnection();

// The failure of a statement that finds no shared connection: kind NotConnected with the number,
// source and description given, the description followed by the cause of the thread's failed
// start-up connection while no connection has opened since.
ServerError notConnectedError(std::int32_t number, const std::string& source, std::string description);

// The value of a key in section "Data" of QELFA1.ini, without blanks at either end; empty when
// the key or the file is missing.
std::string GetPrivateString(const std::string& key);

// Opens gConn from the "DB_Path" key. A failure raises nothing: the thread then has no
// connection, and the statements that find none report this failure's cause.
void Main();

// Runs Main once in the calling thread. Every data server object calls this when it is made.
void startDataServerThread();

// "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=<path>;Persist Security Info=True;Jet OLEDB:Database
// Password=KWP58". The text is kept as callers know it; only the path after "Data Source=" is used (the file
// is not encrypted, so the password part means nothing).
std::string GetConnectionString(const std::string& path);
// The connection string of "Plendrik.mdb" in the data server library's own folder.
std::string GetDefaultConnectionString();
// The database path inside a connection string ("Data Source=" up to the next ';').
std::string dataSourceOf(const std::string& connectionString);

// Opens the file at `path` and makes it gConn (the previous connection is released). On
// failure gConn keeps its previous connection and the error is raised.
std::shared_ptr<Connection> GetDbConnection(const std::string& path);
// Opens the file at `path` as a new connection and runs `check` on it (a first query that proves
// the file is this system's database, such as reading tblDefaults); only when both succeed does
// the new connection become gConn, releasing the previous one. The check runs first on a
// connection that only reads (Connection::openToRead), so a file it refuses is not written. On any failure
// gConn keeps the connection it had and the error is raised with its cause (kPassedThrough; the check's own
// failure as it gave it). Runs the thread's start routine first, so that it cannot later replace
// the connection chosen here.
std::shared_ptr<Connection> switchConnection(const std::string& path,
                                             const std::function<void(Connection&)>& check);
// A worker thread's shared connection for as long as the scope lives: opens the file at `path`
// as the calling thread's gConn, after the thread's start routine (so that the INI path cannot
// replace it later), and closes it when the scope ends, also when the work in it throws. Throws
// as GetDbConnection; the thread then has no connection of the scope's to close.
class ThreadConnectionScope {
public:
    explicit ThreadConnectionScope(const std::string& path);
    ~ThreadConnectionScope();
    ThreadConnectionScope(const ThreadConnectionScope&) = delete;
    ThreadConnectionScope& operator=(const ThreadConnectionScope&) = delete;
};

// Opens the default database; gConn is untouched.
std::shared_ptr<Connection> GetADOConnection();

// One query on `conn` (gConn when null); its rows, disconnected. `params` are bound in order.
Recordset ExecuteQueryReturnRS(std::string_view sql, Connection* conn = nullptr,
                               const std::vector<Variant>& params = {});
// One statement without rows on `conn` (gConn when null); true on success.
bool ExecuteQuery(std::string_view sql, Connection* conn = nullptr, const std::vector<Variant>& params = {});
// The first field of the first row as a 32-bit number on gConn; 0 when there is no row or the
// field is Null; a fraction rounds half to even (2.5 -> 2, 3.5 -> 4).
std::int32_t ReturnDbData(std::string_view sql, const std::vector<Variant>& params = {});

// Base of every data server class: making one runs the thread's start routine first.
class ServerObject {
protected:
    ServerObject() { startDataServerThread(); }
};

} // namespace qel
