// Backup, restore and recognition of the database file.
#include "server/data/DatabaseFile.h"

#include <sqlite3.h>

#include <array>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <random>
#include <unistd.h>

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

// Opens an existing database file for reading. It is opened for writing when the file allows
// it, although nothing is written: a read-only connection to a database in write-ahead-log mode
// leaves its "-wal" and "-shm" files behind when it closes.
int openForReading(const std::string& path, Handle& h) {
    int rc = sqlite3_open_v2(path.c_str(), &h.db, SQLITE_OPEN_READWRITE, nullptr);
    if (rc == SQLITE_OK)
        return rc;
    sqlite3_close_v2(h.db);
    h.db = nullptr;
    return sqlite3_open_v2(path.c_str(), &h.db, SQLITE_OPEN_READONLY, nullptr);
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

// Creates an empty file with a new name beside target, with the target's permissions when the
// target exists, and returns its name.
std::string createBeside(const std::string& target) {
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[16];
        std::snprintf(suffix, sizeof suffix, ".part-%08x", random());
        const std::string name = target + suffix;
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) {
            ::close(fd);
            std::error_code ec;
            const fs::file_status status = fs::status(target, ec);
            if (!ec && fs::exists(status))
                fs::permissions(name, status.permissions(), ec);
            return name;
        }
        if (errno != EEXIST)
            throw fileError("Cannot create a file beside '" + target + "': " + std::strerror(errno));
    }
    throw fileError("Cannot create a file beside '" + target + "': every name tried exists.");
}

// Removes a temporary copy with whatever SQLite may have left beside it.
void removeCopy(const std::string& name) {
    std::error_code ec;
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        fs::remove(name + suffix, ec);
}

// Writes the database `source` into a new file beside targetPath and renames it into place.
void copyInto(sqlite3* source, const std::string& sourcePath, const std::string& targetPath,
              const CopyProgress& progress) {
    if (sameFile(sourcePath, targetPath))
        throw fileError("The copy '" + targetPath + "' would be the database itself.");
    refuseWhenInUse(targetPath);
    const std::string temp = createBeside(targetPath);
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
    } catch (const fs::filesystem_error& e) {
        removeCopy(temp);
        throw fileError("Cannot put the copy in place of '" + targetPath + "': " + e.code().message());
    } catch (...) {
        removeCopy(temp);
        throw;
    }
}

} // namespace

void backupDatabase(Connection& source, const std::string& targetPath, const CopyProgress& progress) {
    copyInto(source.handle(), source.path(), targetPath, progress);
}

void copyDatabaseFile(const std::string& sourcePath, const std::string& targetPath,
                      const CopyProgress& progress) {
    Handle source;
    const int rc = openForReading(sourcePath, source);
    if (rc != SQLITE_OK)
        throw fileError("Cannot open '" + sourcePath + "': " + messageOf(source.db, rc));
    copyInto(source.db, sourcePath, targetPath, progress);
}

bool isSystemDatabase(const std::string& path) {
    Handle h;
    if (openForReading(path, h) != SQLITE_OK)
        return false;
    sqlite3_stmt* stmt = nullptr;
    if (sqlite3_prepare_v2(
            h.db, "SELECT count(*) FROM sqlite_master WHERE type = 'table' AND name = ?1 COLLATE NOCASE", -1,
            &stmt, nullptr) != SQLITE_OK)
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
    copyDatabaseFile(sourcePath, livePath, progress);
}

} // namespace qel
