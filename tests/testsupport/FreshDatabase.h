// FreshDatabase: a test's own copy of the shipped database (or of another built database, such
// as the sample one) in a temporary folder.
//
// It points QEL_INI, QEL_DOCUMENTS and QEL_SETTINGS_DIR at the folder (the INI file names the
// copy), and makes the copy the thread's shared connection. On destruction it disconnects and
// removes the folder.
#pragma once

#include "server/data/Connection.h"

#include <filesystem>
#include <memory>
#include <string>

namespace qel::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }

private:
    std::filesystem::path path_;
};

// Overwrites the cell pointers of the first page of `table` in the database file at `path`
// (closed): its tables are all there, so it passes for a database of this system, but SQLite's
// integrity check finds the damage.
void damageTablePage(const std::string& path, const std::string& table);

// Makes at `path` a database of another program: one table "notes" holding one row, in the
// journal mode given ("DELETE", "WAL").
void makeForeignDatabase(const std::filesystem::path& path, const char* journalMode);

class FreshDatabase {
public:
    // connect: make the copy the shared connection at once.
    explicit FreshDatabase(bool connect = true);
    // A copy of the database file at `source` instead of the shipped one.
    explicit FreshDatabase(const std::filesystem::path& source, bool connect = true);
    ~FreshDatabase();

    // The database file of this test.
    std::string path() const { return dbPath_.string(); }
    const std::filesystem::path& folder() const { return folder_.path(); }
    // The shared connection (throws when not connected).
    Connection& conn() const;

    // Runs one statement on the shared connection; for arranging test data.
    void exec(const std::string& sql) const;
    // The first value of a query's first row; for assertions.
    Variant value(const std::string& sql) const;

private:
    TempFolder folder_;
    std::filesystem::path dbPath_;
};

} // namespace qel::test
