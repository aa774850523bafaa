// Backup, restore, checking and recognition of the database file.
#include "server/data/DatabaseFile.h"

#include "common/RegularFile.h"
#include "common/TempBeside.h"
#include "server/data/Database.h"

#include <sqlite3.h>

#include <array>
#include <filesystem>
#include <optional>
#include <system_error>

namespace qel {
namespace {

namespace fs = std::filesystem;

// Pages per backup step; small enough that a copy reports its progress several times.
constexpr int kPagesPerStep = 16;
// A source that another connection is writing is retried for about five seconds.
constexpr int kBusyRetries = 100;
constexpr int kBusyWaitMs = 50;

// The tables without which the program cannot work; a database of this system holds them all.
constexpr std::array kSystemTables = {
    "tblAssets",    "tblAssetDescription", "tblBookMethods", "tblCompany",   "tblDefaults",
    "tblDepr",      "tblPeriodDepr",       "tblAccounts",    "tblLocations", "tblPasswords",
    "tblDeprClass", "tblDeprMethods",
};

ServerError fileError(const std::string& description) {
    return ServerError(kErrDatabase, "DatabaseFile", description, ErrorKind::Io);
}

// Closes the handle on every way out.
struct Handle {
    sqlite3* db = nullptr;
    Handle() = default;
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (db)
            sqlite3_close_v2(db);
    }
};

std::string messageOf(sqlite3* db, int rc) {
    return db ? sqlite3_errmsg(db) : sqlite3_errstr(rc);
}

// Opens the source of a copy for reading, under SQLite's locks, so that a writer that comes
// meanwhile cannot tear the copy. It is opened for writing when the file allows it, although
// nothing is written: a read-only connection to a database in write-ahead-log mode leaves its
// "-wal" and "-shm" files behind when it closes. A path that names no regular file is refused
// before SQLite opens it (a named pipe would make the first read wait for ever).
void openSource(const std::string& path, Handle& h) {
    if (const auto cause = notARegularFile(path))
        throw fileError("Cannot open '" + path + "': " + *cause + ".");
    int rc = sqlite3_open_v2(path.c_str(), &h.db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc != SQLITE_OK) {
        sqlite3_close_v2(h.db);
        h.db = nullptr;
        rc = sqlite3_open_v2(path.c_str(), &h.db, SQLITE_OPEN_READONLY, nullptr);
    }
    if (rc != SQLITE_OK)
        throw fileError("Cannot open '" + path + "': " + messageOf(h.db, rc));
}

bool sameFile(const std::string& a, const std::string& b) {
    std::error_code ec;
    return fs::equivalent(a, b, ec) && !ec;
}

// A database file whose journal or write-ahead log lies beside it is open in another
// connection (or was left by one that crashed); a file put in its place would be read through
// that foreign journal.
void refuseWhenInUse(const std::string& path) {
    for (const char* suffix : {"-wal", "-journal"}) {
        std::error_code ec;
        if (fs::exists(path + suffix, ec))
            throw fileError("The database '" + path + "' is in use: '" + path + suffix + "' exists.");
    }
}

// The permission bits of a file; nothing when they cannot be read (a missing file, an
// in-memory database).
std::optional<fs::perms> permissionsOf(const std::string& path) {
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    if (ec || !fs::exists(status))
        return std::nullopt;
    return status.permissions() & fs::perms::mask;
}

// Writes the database `source` into a new file beside targetPath, with the permission bits
// `mode` (readable by its owner only when they are not known), and renames it into place. The
// temporary copies of earlier runs that were killed part-way are removed first.
void copyInto(sqlite3* source, const std::string& sourcePath, const std::string& targetPath,
              std::optional<fs::perms> mode, const CopyProgress& progress) {
    if (sameFile(sourcePath, targetPath))
        throw fileError("The copy '" + targetPath + "' would be the database itself.");
    if (const auto cause = notARegularFile(targetPath))
        throw fileError("The copy cannot take the place of '" + targetPath + "': " + *cause + ".");
    refuseWhenInUse(targetPath);
    std::optional<TempBeside> copy;
    try {
        copy.emplace(targetPath, mode.value_or(fs::perms::owner_read | fs::perms::owner_write));
    } catch (const std::system_error& e) {
        throw fileError("Cannot create a file beside '" + targetPath + "': " + e.code().message());
    }
    const std::string temp = copy->path().string();
    try {
        {
            Handle dest;
            int rc = sqlite3_open_v2(temp.c_str(), &dest.db, SQLITE_OPEN_READWRITE, nullptr);
            if (rc != SQLITE_OK)
                throw fileError("Cannot write '" + temp + "': " + messageOf(dest.db, rc));
            sqlite3_exec(dest.db, "PRAGMA synchronous=FULL", nullptr, nullptr, nullptr);
            sqlite3_backup* backup = sqlite3_backup_init(dest.db, "main", source, "main");
            if (!backup)
                throw fileError("Cannot copy to '" + temp + "': " + sqlite3_errmsg(dest.db));
            int busy = 0;
            try {
                for (;;) {
                    rc = sqlite3_backup_step(backup, kPagesPerStep);
                    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED) {
                        if (++busy > kBusyRetries)
                            break;
                        sqlite3_sleep(kBusyWaitMs);
                        continue;
                    }
                    if (rc != SQLITE_OK && rc != SQLITE_DONE)
                        break;
                    if (progress) {
                        const int total = sqlite3_backup_pagecount(backup);
                        progress(total - sqlite3_backup_remaining(backup), total);
                    }
                    if (rc == SQLITE_DONE)
                        break;
                }
            } catch (...) {
                sqlite3_backup_finish(backup);
                throw;
            }
            const int finished = sqlite3_backup_finish(backup);
            if (rc != SQLITE_DONE)
                throw fileError("The copy of '" + sourcePath + "' to '" + targetPath +
                                "' failed: " + sqlite3_errstr(rc));
            if (finished != SQLITE_OK)
                throw fileError("The copy of '" + sourcePath + "' to '" + targetPath +
                                "' failed: " + sqlite3_errmsg(dest.db));
            rc = sqlite3_close(dest.db);
            if (rc != SQLITE_OK)
                throw fileError("Cannot complete '" + temp + "': " + sqlite3_errmsg(dest.db));
            dest.db = nullptr;
        }
        refuseWhenInUse(targetPath);
        fs::rename(temp, targetPath);
        copy->renamed();
    } catch (const fs::filesystem_error& e) {
        throw fileError("Cannot put the copy in place of '" + targetPath + "': " + e.code().message());
    }
}

} // namespace

void backupDatabase(Connection& source, const std::string& targetPath, const CopyProgress& progress) {
    copyInto(source.handle(), source.path(), targetPath, permissionsOf(source.path()), progress);
}

bool backupConnectedDatabase(const std::string& targetPath, const CopyProgress& progress) {
    // Held here, so that the copy keeps its source whatever else happens to the thread's
    // connection meanwhile.
    const std::shared_ptr<Connection> conn = gConn();
    if (!conn)
        return false;
    backupDatabase(*conn, targetPath, progress);
    return true;
}

void copyDatabaseFile(const std::string& sourcePath, const std::string& targetPath,
                      const CopyProgress& progress) {
    Handle source;
    openSource(sourcePath, source);
    copyInto(source.db, sourcePath, targetPath, permissionsOf(sourcePath), progress);
}

void refuseDamagedDatabase(const std::string& path) {
    const auto damaged = [&](const std::string& problem) {
        return fileError("The database '" + path + "' is damaged and cannot be used: " + problem);
    };
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return;
    std::shared_ptr<Connection> conn;
    try {
        conn = Connection::openToRead(path);
    } catch (const ServerError&) {
        return;
    }
    sqlite3* const db = conn->handle();
    sqlite3_busy_timeout(db, kBusyRetries * kBusyWaitMs);
    // The first few problems are enough to tell: a damaged page is reported many times over.
    sqlite3_stmt* stmt = nullptr;
    int rc = sqlite3_prepare_v2(db, "PRAGMA integrity_check(10)", -1, &stmt, nullptr);
    std::string first;
    if (rc == SQLITE_OK) {
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt, 0));
            if (first.empty() && text)
                first = text;
        }
        sqlite3_finalize(stmt);
    }
    if (rc == SQLITE_NOTADB)
        return;
    if (rc == SQLITE_BUSY || rc == SQLITE_LOCKED)
        throw fileError("The database '" + path + "' cannot be checked: " + messageOf(db, rc));
    if (rc != SQLITE_OK && rc != SQLITE_DONE)
        throw damaged(messageOf(db, rc));
    if (first != "ok")
        throw damaged(first.empty() ? "SQLite's integrity check reports no result" : first);
}

bool isSystemDatabase(const std::string& path) {
    std::shared_ptr<Connection> conn;
    try {
        conn = Connection::openToRead(path);
    } catch (const ServerError&) {
        return false;
    }
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(
            conn->handle(),
            "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", -1, &stmt,
            nullptr) != SQLITE_OK)
        return false;
    bool all = true;
    for (const char* table : kSystemTables) {
        sqlite3_bind_text(stmt, 1, table, -1, SQLITE_STATIC);
        if (sqlite3_step(stmt) != SQLITE_ROW || sqlite3_column_int(stmt, 0) == 0) {
            all = false;
            break;
        }
        sqlite3_reset(stmt);
    }
    sqlite3_finalize(stmt);
    return all;
}

void restoreDatabase(const std::string& sourcePath, const std::string& livePath,
                     const CopyProgress& progress) {
    if (!isSystemDatabase(sourcePath))
        throw ServerError(kErrInvalidArgument, "DatabaseFile",
                          "The file '" + sourcePath + "' is not a database of this program.",
                          ErrorKind::InvalidArgument);
    refuseDamagedDatabase(sourcePath);
    Handle source;
    openSource(sourcePath, source);
    // The live file keeps its own permissions; a new one takes those of the copy.
    const std::optional<fs::perms> mode = permissionsOf(livePath);
    copyInto(source.db, sourcePath, livePath, mode ? mode : permissionsOf(sourcePath), progress);
}

} // namespace qel
