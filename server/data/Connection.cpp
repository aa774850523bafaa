// SQLite connection, prepared statements and transaction guards.
#include "server/data/Connection.h"

#include "common/RegularFile.h"

#include <sqlite3.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace qel {
namespace {

std::string upper(std::string_view s) {
    std::string out(s);
    std::transform(out.begin(), out.end(), out.begin(), [](unsigned char c) { return std::toupper(c); });
    return out;
}

// The field shape of a declared column type: see the schema's type vocabulary.
Field fieldFromDeclType(std::string name, const char* declType) {
    Field f{std::move(name), FieldType::Text, 255};
    if (!declType)
        return f;
    const std::string t = upper(declType);
    auto has = [&](const char* word) { return t.find(word) != std::string::npos; };
    if (has("BOOL")) {
        f.type = FieldType::Boolean;
        f.definedSize = 2;
    } else if (has("DATE")) {
        f.type = FieldType::Date;
        f.definedSize = 8;
    } else if (has("MEMO")) {
        f.type = FieldType::Memo;
        f.definedSize = 536870910;
    } else if (has("CURRENCY")) {
        f.type = FieldType::Currency;
        f.definedSize = 8;
    } else if (has("INT")) {
        f.type = FieldType::Integer;
        f.definedSize = 4;
    } else if (has("REAL") || has("FLOA") || has("DOUB")) {
        f.type = FieldType::Double;
        f.definedSize = 8;
    } else {
        f.type = FieldType::Text;
        const auto open = t.find('(');
        f.definedSize = open == std::string::npos ? 255 : std::max(1, std::atoi(t.c_str() + open + 1));
    }
    return f;
}

// A computed column's shape, from the first value it holds.
void inferComputedField(Field& f, const Recordset& rs, std::size_t column) {
    for (std::size_t row = 0; row < rs.RecordCount(); ++row) {
        const ValueKind kind = rs.kind(row, column);
        if (kind == ValueKind::Null)
            continue;
        if (kind == ValueKind::Integer) {
            f.type = FieldType::Integer;
            f.definedSize = 4;
        } else if (kind == ValueKind::Double) {
            f.type = FieldType::Double;
            f.definedSize = 8;
        }
        return;
    }
}

ServerError openError(const std::string& path, const std::string& cause) {
    return ServerError(kErrOpenDatabase, "Database", "Could not open the database '" + path + "': " + cause,
                       ErrorKind::Io);
}

// Refuses, before SQLite opens it, a path that names no regular file (a named pipe would make
// the first read wait for ever) or an empty file (which SQLite would take for a new database
// and write its header into).
void refuseUnusableFile(const std::string& path) {
    if (const auto cause = notARegularFile(path))
        throw openError(path, *cause + ".");
    std::error_code ec;
    if (std::filesystem::is_regular_file(path, ec) && std::filesystem::file_size(path, ec) == 0 && !ec)
        throw openError(path, "the file is empty; it holds no database.");
}

// True when a journal or write-ahead log lies beside the file: another connection has it open,
// or one that crashed left its work there.
bool inUse(const std::string& path) {
    std::error_code ec;
    return std::filesystem::exists(path + "-wal", ec) || std::filesystem::exists(path + "-journal", ec);
}

// The URI that opens the file as one that cannot change. Every byte but the unreserved ones and
// the folder separator is written as %XX, so no name can add a parameter of its own.
std::string immutableUri(const std::string& path) {
    static const char hex[] = "0123456789ABCDEF";
    std::string uri = "file:";
    for (const char c : std::filesystem::absolute(path).string()) {
        const auto b = static_cast<unsigned char>(c);
        if (std::isalnum(b) || c == '/' || c == '-' || c == '.' || c == '_' || c == '~') {
            uri += c;
        } else {
            uri += '%';
            uri += hex[b >> 4];
            uri += hex[b & 0x0F];
        }
    }
    return uri + "?immutable=1";
}

bool onlyBlanksAndComments(const char* p) {
    while (*p) {
        if (std::isspace(static_cast<unsigned char>(*p)) || *p == ';') {
            ++p;
        } else if (p[0] == '-' && p[1] == '-') {
            while (*p && *p != '\n')
                ++p;
        } else if (p[0] == '/' && p[1] == '*') {
            const char* end = std::strstr(p + 2, "*/");
            if (!end)
                return true;
            p = end + 2;
        } else {
            return false;
        }
    }
    return true;
}

// Sets up a handle as every connection wants it (extended result codes, five seconds' wait for
// a lock); when the open that gave it failed (`rc`), closes it and throws the open error.
void setUpOpened(const std::string& path, sqlite3* db, int rc) {
    if (rc != SQLITE_OK) {
        std::string message = db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
        sqlite3_close_v2(db);
        throw openError(path, message);
    }
    sqlite3_extended_result_codes(db, 1);
    sqlite3_busy_timeout(db, 5000);
}

} // namespace

// ---- Statement -------------------------------------------------------------------------

Statement::Statement(Connection& conn, sqlite3_stmt* stmt, std::string sql)
    : conn_(conn), stmt_(stmt), sql_(std::move(sql)) {}

Statement::Statement(Statement&& other) noexcept
    : conn_(other.conn_), stmt_(other.stmt_), sql_(std::move(other.sql_)) {
    other.stmt_ = nullptr;
}

Statement::~Statement() {
    sqlite3_finalize(stmt_);
}

void Statement::fail(int rc) const {
    throw conn_.error(rc);
}

Statement& Statement::bind(int index, const Variant& value) {
    int rc = SQLITE_OK;
    const auto& s = value.storage();
    if (value.isNull())
        rc = sqlite3_bind_null(stmt_, index);
    else if (value.isInteger())
        rc = sqlite3_bind_int64(stmt_, index, std::get<std::int64_t>(s));
    else if (value.isDouble())
        rc = sqlite3_bind_double(stmt_, index, std::get<double>(s));
    else if (value.isBool())
        rc = sqlite3_bind_int(stmt_, index, std::get<bool>(s) ? 1 : 0);
    else {
        // A NUL is dropped, as the literal helpers drop it: a text bound with one would be
        // stored whole but read back cut at it.
        std::string text = value.toString();
        std::erase(text, '\0');
        rc = sqlite3_bind_text(stmt_, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
    }
    if (rc != SQLITE_OK)
        fail(rc);
    return *this;
}

Statement& Statement::bindAll(const std::vector<Variant>& values) {
    for (std::size_t i = 0; i < values.size(); ++i)
        bind(static_cast<int>(i + 1), values[i]);
    return *this;
}

bool Statement::step() {
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW)
        return true;
    if (rc == SQLITE_DONE)
        return false;
    sqlite3_reset(stmt_);
    fail(rc);
}

void Statement::run() {
    while (step()) {
    }
}

void Statement::reset() {
    sqlite3_reset(stmt_);
    sqlite3_clear_bindings(stmt_);
}

int Statement::columnCount() const {
    return sqlite3_column_count(stmt_);
}

Variant Statement::column(int index) const {
    return readColumn(index, storedAs(fieldFromDeclType({}, sqlite3_column_decltype(stmt_, index)).type));
}

Statement::Stored Statement::storedAs(FieldType type) {
    if (type == FieldType::Boolean)
        return Stored::YesNo;
    if (type == FieldType::Date)
        return Stored::IsoDate;
    return Stored::Plain;
}

std::string_view Statement::columnText(int index) const {
    const auto* p = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, index));
    return std::string_view(p ? p : "", static_cast<std::size_t>(sqlite3_column_bytes(stmt_, index)));
}

Variant Statement::readColumn(int index, Stored stored) const {
    const int type = sqlite3_column_type(stmt_, index);
    if (type == SQLITE_NULL)
        return {};
    if (stored == Stored::YesNo)
        return Variant(sqlite3_column_int64(stmt_, index) != 0);
    switch (type) {
    case SQLITE_INTEGER:
        return Variant(static_cast<std::int64_t>(sqlite3_column_int64(stmt_, index)));
    case SQLITE_FLOAT:
        return Variant(sqlite3_column_double(stmt_, index));
    default: {
        const std::string_view text = columnText(index);
        if (stored == Stored::IsoDate)
            if (auto d = Date::fromIso(text))
                return Variant(*d);
        return Variant(std::string(text));
    }
    }
}

void Statement::readColumnInto(Recordset& rs, std::size_t row, int index, Stored stored) const {
    const int type = sqlite3_column_type(stmt_, index);
    const auto column = static_cast<std::size_t>(index);
    if (type == SQLITE_NULL)
        return;
    if (stored == Stored::Plain && type == SQLITE_TEXT) {
        // The text as it lies in the statement's buffer, without a string of its own.
        rs.setText(row, column, columnText(index));
        return;
    }
    rs.set(row, column, readColumn(index, stored));
}

Recordset Statement::fetchAll() {
    const int n = columnCount();
    std::vector<Field> fields;
    fields.reserve(static_cast<std::size_t>(n));
    std::vector<bool> computed;
    std::vector<Stored> stored;
    for (int i = 0; i < n; ++i) {
        const char* decl = sqlite3_column_decltype(stmt_, i);
        fields.push_back(fieldFromDeclType(sqlite3_column_name(stmt_, i), decl));
        computed.push_back(decl == nullptr);
        stored.push_back(storedAs(fields.back().type));
    }
    Recordset rs(std::move(fields));
    while (step()) {
        const std::size_t row = rs.appendRow();
        for (int i = 0; i < n; ++i)
            readColumnInto(rs, row, i, stored[static_cast<std::size_t>(i)]);
    }
    for (int i = 0; i < n; ++i) {
        if (computed[static_cast<std::size_t>(i)]) {
            Field f = rs.field(static_cast<std::size_t>(i));
            inferComputedField(f, rs, static_cast<std::size_t>(i));
            rs.setFieldType(static_cast<std::size_t>(i), f.type, f.definedSize);
        }
    }
    rs.MoveFirst();
    return rs;
}

// ---- Connection ------------------------------------------------------------------------

Connection::Connection(sqlite3* db, std::string path, std::string connectionString)
    : db_(db), path_(std::move(path)), connectionString_(std::move(connectionString)) {}

Connection::~Connection() {
    cache_.clear();
    sqlite3_close_v2(db_);
}

std::shared_ptr<Connection> Connection::open(const std::string& path, const std::string& connectionString) {
    refuseUnusableFile(path);
    sqlite3* db = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
    setUpOpened(path, db, rc);
    std::shared_ptr<Connection> conn(new Connection(db, path, connectionString));
    try {
        // Reading the schema proves the file is a database before anything writes to it (the
        // journal mode below is written into the file's header).
        conn->query("SELECT count(*) FROM sqlite_master");
        conn->execute("PRAGMA journal_mode=WAL");
        conn->execute("PRAGMA synchronous=FULL");
        conn->execute("PRAGMA foreign_keys=ON");
        // 64 MB of page cache: postings and report rebuilds touch every index page of a
        // company's rows, and the default 2 MB makes their time grow faster than the rows.
        conn->execute("PRAGMA cache_size=-65536");
    } catch (const ServerError& e) {
        throw openError(path, e.description());
    }
    return conn;
}

std::shared_ptr<Connection> Connection::openToRead(const std::string& path) {
    refuseUnusableFile(path);
    sqlite3* db = nullptr;
    int rc = SQLITE_OK;
    if (inUse(path)) {
        // Read through the other connection's journal, as it expects; opened for writing when
        // the file allows it, because a connection that only reads a database in write-ahead-log
        // mode leaves its "-wal" and "-shm" files behind when it closes.
        rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX, nullptr);
        if (rc != SQLITE_OK) {
            sqlite3_close_v2(db);
            db = nullptr;
            rc = sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr);
        }
    } else {
        // Nobody else has it open: read as an unchanging file, which takes no lock and creates
        // no "-wal" or "-shm" file beside it.
        rc = sqlite3_open_v2(immutableUri(path).c_str(), &db,
                             SQLITE_OPEN_READONLY | SQLITE_OPEN_URI | SQLITE_OPEN_NOMUTEX, nullptr);
    }
    setUpOpened(path, db, rc);
    return std::shared_ptr<Connection>(new Connection(db, path, {}));
}

ServerError Connection::error(int rc) const {
    const int primary = rc & 0xff;
    // SQLite's message is the cause; the statement's text stays out of it, because the
    // description is what the user is shown, and a statement quotes the user's values.
    const std::string description = sqlite3_errmsg(db_);
    if (primary == SQLITE_CONSTRAINT)
        return ServerError(kErrConstraint, "Database", description, ErrorKind::Constraint);
    if (primary == SQLITE_IOERR || primary == SQLITE_FULL || primary == SQLITE_CANTOPEN ||
        primary == SQLITE_READONLY || primary == SQLITE_CORRUPT || primary == SQLITE_NOTADB)
        return ServerError(kErrOpenDatabase, "Database", description, ErrorKind::Io);
    return ServerError(kErrSqlCommand, "Database", description, ErrorKind::Sql);
}

Statement Connection::prepare(std::string_view sql) {
    if (sql.find('\0') != std::string_view::npos)
        throw ServerError(kErrSqlCommand, "Database",
                          "The statement holds a NUL character, which no statement may hold",
                          ErrorKind::InvalidArgument);
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(db_, sql.data(), static_cast<int>(sql.size()), &stmt, &tail);
    if (rc != SQLITE_OK)
        throw error(rc);
    Statement statement(*this, stmt, std::string(sql));
    if (!stmt)
        throw ServerError(kErrSqlCommand, "Database", "The statement text is empty",
                          ErrorKind::InvalidArgument);
    const std::string rest(tail, static_cast<std::size_t>(sql.data() + sql.size() - tail));
    if (!onlyBlanksAndComments(rest.c_str()))
        throw ServerError(kErrSqlCommand, "Database", "Only one statement may run at a time",
                          ErrorKind::InvalidArgument);
    return statement;
}

Statement& Connection::cached(const std::string& sql) {
    auto it = cache_.find(sql);
    if (it == cache_.end())
        it = cache_.emplace(sql, std::make_unique<Statement>(prepare(sql))).first;
    it->second->reset();
    return *it->second;
}

void Connection::execute(std::string_view sql, const std::vector<Variant>& params) {
    Statement s = prepare(sql);
    s.bindAll(params);
    s.run();
}

Recordset Connection::query(std::string_view sql, const std::vector<Variant>& params) {
    Statement s = prepare(sql);
    s.bindAll(params);
    return s.fetchAll();
}

std::int64_t Connection::lastInsertRowid() const {
    return sqlite3_last_insert_rowid(db_);
}

int Connection::changes() const {
    return sqlite3_changes(db_);
}

// ---- Transaction -----------------------------------------------------------------------

Transaction::Transaction(Connection& conn) : conn_(conn), level_(conn.transactionDepth_ + 1) {
    if (level_ == 1)
        conn_.execute("BEGIN IMMEDIATE");
    else
        conn_.execute("SAVEPOINT qel_sp" + std::to_string(level_));
    conn_.transactionDepth_ = level_;
}

void Transaction::commit() {
    if (done_)
        return;
    if (level_ == 1)
        conn_.execute("COMMIT");
    else
        conn_.execute("RELEASE qel_sp" + std::to_string(level_));
    done_ = true;
    conn_.transactionDepth_ = level_ - 1;
}

Transaction::~Transaction() {
    if (done_)
        return;
    // Rolling back cannot be allowed to throw from a destructor; a failure here leaves the
    // transaction to SQLite, which rolls it back when the connection closes.
    char* err = nullptr;
    if (level_ == 1) {
        sqlite3_exec(conn_.handle(), "ROLLBACK", nullptr, nullptr, &err);
    } else {
        const std::string sp = "qel_sp" + std::to_string(level_);
        sqlite3_exec(conn_.handle(), ("ROLLBACK TO " + sp + "; RELEASE " + sp).c_str(), nullptr, nullptr,
                     &err);
    }
    sqlite3_free(err);
    conn_.transactionDepth_ = level_ - 1;
}

} // namespace qel
