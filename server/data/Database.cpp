// Shared connection and statement routines.
#include "server/data/Database.h"

#include "common/IniFile.h"
#include "common/ModuleFolder.h"

#include <filesystem>
#include <new>

namespace qel {
namespace {

// What each thread keeps of the data server.
struct ThreadState {
    std::shared_ptr<Connection> conn;
    bool started = false;
    // Why Main found no connection; empty when it opened one or a connection has opened since.
    std::string startFailure;
};

// The calling thread's state. Its connection closes when the thread ends, but the state itself
// is never destroyed: an object that ends after the thread's own objects (a static, which ends
// at exit after the main thread's thread-local objects) and lets go of the shared connection
// then finds an empty one, not a destroyed one. A connection opened that late is never closed.
ThreadState& threadState() {
    // Raw storage is trivially destructible, so it stays valid until the thread is gone.
    alignas(ThreadState) thread_local unsigned char storage[sizeof(ThreadState)];
    thread_local ThreadState* state = nullptr;
    if (!state) {
        state = new (storage) ThreadState;
        // Made after the state, so ended before anything made earlier in the thread.
        thread_local struct Closer {
            ~Closer() {
                state->conn.reset();
                std::string().swap(state->startFailure);
            }
        } closer;
    }
    return *state;
}

const char* const kProvider = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=";
const char* const kSecurity = ";Persist Security Info=True;Jet OLEDB:Database Password=KWP58";

ServerError raisedFrom(const ServerError& e, std::string context) {
    return ServerError(kPassedThrough, e.source(), e.description(), e.kind(), "Database", std::move(context));
}

// The folder of the shared library (or program) this code is linked into.
std::string ownFolder() {
    return moduleFolder(reinterpret_cast<const void*>(&ownFolder));
}

enum class Opening { ToUse, ToRead };

// Columns added to the schema after databases of this system were first made. A database made
// before them gains each one, empty, when it is opened to use, so that every statement finds it;
// a file without the table (not yet recognised as this system's) is left alone.
struct LaterColumn {
    const char* table;
    const char* column;
    const char* type;
};
constexpr LaterColumn kLaterColumns[] = {
    {"tblAssets", "Bonus_Choice", "INTEGER"},
};

void addLaterColumns(Connection& conn) {
    for (const LaterColumn& c : kLaterColumns) {
        const std::string table = c.table;
        Recordset rs = conn.query(
            "SELECT (SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = '" + table +
            "'), (SELECT count(*) FROM pragma_table_info('" + table + "') WHERE name = '" + c.column + "')");
        if (rs[0].toInt64() > 0 && rs[1].toInt64() == 0)
            conn.execute("ALTER TABLE " + table + " ADD COLUMN " + c.column + " " + c.type);
    }
}

// Opens the database file at `path` to use it, or only to read it (Connection::openToRead); a
// failure is raised as the routine `context` passes it on.
std::shared_ptr<Connection> openFile(const std::string& path, const char* context,
                                     Opening opening = Opening::ToUse) {
    try {
        if (path.empty())
            throw ServerError(kErrOpenDatabase, "Database", "No database path is set.", ErrorKind::Io);
        if (opening == Opening::ToRead)
            return Connection::openToRead(path);
        auto conn = Connection::open(path, GetConnectionString(path));
        addLaterColumns(*conn);
        return conn;
    } catch (const ServerError& e) {
        throw raisedFrom(e, context);
    }
}

// Makes the connection the thread's shared one; a failed start no longer explains anything.
void share(std::shared_ptr<Connection> conn) {
    ThreadState& state = threadState();
    state.conn = std::move(conn);
    state.startFailure.clear();
}

} // namespace

std::shared_ptr<Connection>& gConn() {
    return threadState().conn;
}

Connection& requireConnection() {
    const std::shared_ptr<Connection>& conn = threadState().conn;
    if (!conn)
        throw notConnectedError(kPassedThrough, "Database", "The database is not connected.");
    return *conn;
}

ServerError notConnectedError(std::int32_t number, const std::string& source, std::string description) {
    const std::string& startFailure = threadState().startFailure;
    if (!startFailure.empty())
        description += " The connection at start failed: " + startFailure;
    return ServerError(number, source, std::move(description), ErrorKind::NotConnected);
}

std::string GetPrivateString(const std::string& key) {
    return readIniValue("Data", key);
}

void Main() {
    try {
        GetDbConnection(GetPrivateString("DB_Path"));
    } catch (const ServerError& e) {
        // The library shows nothing; the statements that find no connection say why.
        threadState().startFailure = e.description();
    } catch (const std::exception& e) {
        threadState().startFailure = e.what();
    }
}

void startDataServerThread() {
    ThreadState& state = threadState();
    if (state.started)
        return;
    state.started = true;
    Main();
}

std::string GetConnectionString(const std::string& path) {
    return kProvider + path + kSecurity;
}

std::string GetDefaultConnectionString() {
    return GetConnectionString((std::filesystem::path(ownFolder()) / "Plendrik.mdb").string());
}

std::string dataSourceOf(const std::string& connectionString) {
    const std::string key = "Data Source=";
    const auto start = connectionString.find(key);
    if (start == std::string::npos)
        return {};
    const auto from = start + key.size();
    const auto end = connectionString.find(';', from);
    return connectionString.substr(from, end == std::string::npos ? std::string::npos : end - from);
}

std::shared_ptr<Connection> GetDbConnection(const std::string& path) {
    auto conn = openFile(path, "GetDbConnection");
    share(conn);
    return conn;
}

std::shared_ptr<Connection> switchConnection(const std::string& path,
                                             const std::function<void(Connection&)>& check) {
    startDataServerThread();
    // The check runs first on a connection that only reads, so a file it refuses is left byte
    // for byte as it was: the program's own connection writes its journal mode into the file.
    check(*openFile(path, "switchConnection", Opening::ToRead));
    auto conn = openFile(path, "switchConnection");
    check(*conn);
    share(conn);
    return conn;
}

ThreadConnectionScope::ThreadConnectionScope(const std::string& path) {
    startDataServerThread();
    GetDbConnection(path);
}

ThreadConnectionScope::~ThreadConnectionScope() {
    threadState().conn.reset();
}

std::shared_ptr<Connection> GetADOConnection() {
    try {
        const std::string cs = GetDefaultConnectionString();
        return Connection::open(dataSourceOf(cs), cs);
    } catch (const ServerError& e) {
        throw raisedFrom(e, "GetADOConnection");
    }
}

Recordset ExecuteQueryReturnRS(std::string_view sql, Connection* conn, const std::vector<Variant>& params) {
    try {
        Connection& c = conn ? *conn : requireConnection();
        return c.query(sql, params);
    } catch (const ServerError& e) {
        throw raisedFrom(e, "ExecuteQueryReturnRS(" + std::string(sql) + ")");
    }
}

bool ExecuteQuery(std::string_view sql, Connection* conn, const std::vector<Variant>& params) {
    try {
        Connection& c = conn ? *conn : requireConnection();
        c.execute(sql, params);
        return true;
    } catch (const ServerError& e) {
        throw raisedFrom(e, "ExecuteQuery(" + std::string(sql) + ")");
    }
}

std::int32_t ReturnDbData(std::string_view sql, const std::vector<Variant>& params) {
    const Recordset rs = ExecuteQueryReturnRS(sql, nullptr, params);
    try {
        if (rs.IsBOF() && rs.IsEOF())
            return 0;
        const Variant& v = rs[0];
        return v.isNull() ? 0 : v.toInt32();
    } catch (const ServerError& e) {
        throw raisedFrom(e, "ReturnDbData");
    }
}

} // namespace qel
