// Backup, restore and recognition of the database file.
#include "server/data/DatabaseFile.h"

#include "common/TempBeside.h"
#include "server/data/Database.h"
#include "tests/testsupport/Files.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/GuardedCall.h"

#include <gtest/gtest.h>

#include <sqlite3.h>

#include <algorithm>
#include <fstream>
#include <functional>
#include <iterator>
#include <sys/stat.h>

namespace qel {
namespace {

namespace fs = std::filesystem;

using test::bytesOf;
using test::makeForeignDatabase;
using test::namesIn;

void writeText(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

std::int64_t companyCount(const std::string& path) {
    auto conn = Connection::open(path);
    return conn->query("SELECT count(*) FROM tblCompany")[0].toInt64();
}

class DatabaseFileTest : public ::testing::Test {
protected:
    fs::path file(const std::string& name) const { return fresh_.folder() / name; }
    std::string live() const { return fresh_.path(); }
    void addCompany(const std::string& name) const {
        fresh_.conn().execute("INSERT INTO tblCompany ([Company Name]) VALUES (?)", {Variant(name)});
    }

    test::FreshDatabase fresh_;
};

TEST_F(DatabaseFileTest, BackupWhileConnectedHoldsTheSameRowsAndTheConnectionGoesOn) {
    addCompany("Before Backup");
    fs::create_directory(file("saved"));
    const std::string target = file("saved/VOSSMERE.MDB").string();

    backupDatabase(fresh_.conn(), target);
    addCompany("After Backup");

    EXPECT_TRUE(isSystemDatabase(target));
    auto copy = Connection::open(target);
    EXPECT_EQ(copy->query("PRAGMA integrity_check")[0].toString(), "ok");
    EXPECT_EQ(copy->query("SELECT count(*) FROM tblCompany")[0].toInt64(),
              fresh_.value("SELECT count(*) FROM tblCompany").toInt64() - 1);
    EXPECT_EQ(
        copy->query("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Before Backup'")[0].toInt64(),
        1);
    EXPECT_EQ(copy->query("SELECT count(*) FROM tblAssets")[0].toInt64(),
              fresh_.value("SELECT count(*) FROM tblAssets").toInt64());
    copy.reset();
    EXPECT_EQ(namesIn(file("saved")), std::vector<std::string>{"VOSSMERE.MDB"});
}

// The backup command copies the thread's connected database; without a connection it writes
// nothing and says so, so the caller copies the file instead.
TEST_F(DatabaseFileTest, BackupOfTheConnectedDatabaseNeedsAConnection) {
    addCompany("Connected Co");
    ASSERT_TRUE(backupConnectedDatabase(file("copy.mdb").string()));
    EXPECT_EQ(companyCount(file("copy.mdb").string()), companyCount(live()));
    gConn().reset();
    EXPECT_FALSE(backupConnectedDatabase(file("other.mdb").string()));
    EXPECT_FALSE(fs::exists(file("other.mdb")));
}

TEST_F(DatabaseFileTest, BackupReplacesAnExistingFile) {
    const fs::path target = file("old.mdb");
    writeText(target, "an older file");
    backupDatabase(fresh_.conn(), target.string());
    EXPECT_TRUE(isSystemDatabase(target.string()));
}

TEST_F(DatabaseFileTest, BackupOntoTheDatabaseItselfIsRefused) {
    addCompany("Kept");
    EXPECT_THROW(backupDatabase(fresh_.conn(), live()), ServerError);
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Kept'").toInt64(), 1);
}

TEST_F(DatabaseFileTest, BackupFailingPartWayLeavesTheTargetAsItWas) {
    const fs::path target = file("old.mdb");
    writeText(target, "an older file");
    const auto before = namesIn(fresh_.folder());
    try {
        backupDatabase(fresh_.conn(), target.string(),
                       [](int, int) { throw std::runtime_error("disk full"); });
        FAIL() << "the copy was abandoned";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "disk full");
    }
    EXPECT_EQ(bytesOf(target), "an older file");
    EXPECT_EQ(namesIn(fresh_.folder()), before);
}

TEST_F(DatabaseFileTest, BackupIntoAMissingFolderFails) {
    try {
        backupDatabase(fresh_.conn(), file("no such folder/VOSSMERE.MDB").string());
        FAIL() << "the folder is missing";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(e.description().find("no such folder"), std::string::npos) << e.description();
    }
}

TEST_F(DatabaseFileTest, RecognisesOnlyDatabasesOfThisSystem) {
    writeText(file("text.mdb"), "not a database at all, just some text that is long enough");
    sqlite3* raw = nullptr;
    sqlite3_open(file("other.mdb").c_str(), &raw);
    sqlite3_exec(raw, "CREATE TABLE tblAssets (id INTEGER); CREATE TABLE notes (t TEXT)", nullptr, nullptr,
                 nullptr);
    sqlite3_close(raw);
    backupDatabase(fresh_.conn(), file("copy.mdb").string());

    const struct {
        const char* name;
        std::string path;
        bool expected;
    } cases[] = {
        {"missing file", file("missing.mdb").string(), false},
        {"text file", file("text.mdb").string(), false},
        {"database of another kind", file("other.mdb").string(), false},
        {"folder", fresh_.folder().string(), false},
        {"the live database", live(), true},
        {"a backup", file("copy.mdb").string(), true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(isSystemDatabase(c.path), c.expected);
    }
}

TEST_F(DatabaseFileTest, RestoreBringsBackTheCopysData) {
    const std::string copy = file("copy.mdb").string();
    backupDatabase(fresh_.conn(), copy);
    addCompany("Added After The Copy");
    const auto companiesInCopy = companyCount(copy);
    gConn().reset();

    restoreDatabase(copy, live());

    EXPECT_EQ(companyCount(live()), companiesInCopy);
    GetDbConnection(live());
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Added After The Copy'")
                  .toInt64(),
              0);
    addCompany("Still Writable");
    gConn().reset();
    EXPECT_EQ(namesIn(fresh_.folder()), (std::vector<std::string>{"QELFA1.ini", "VOSSMERE.MDB", "copy.mdb"}));
}

TEST_F(DatabaseFileTest, RestoreTakesWhatTheSourcesLogHolds) {
    // A source still open elsewhere keeps recent rows in its write-ahead log; a plain file copy
    // would lose them.
    const std::string source = file("source.mdb").string();
    backupDatabase(fresh_.conn(), source);
    gConn().reset();
    auto writer = Connection::open(source);
    writer->execute("PRAGMA wal_autocheckpoint=0");
    writer->execute("INSERT INTO tblCompany ([Company Name]) VALUES ('Only In The Log')");
    ASSERT_TRUE(fs::exists(source + "-wal"));

    restoreDatabase(source, live());
    writer.reset();

    auto restored = Connection::open(live());
    EXPECT_EQ(restored->query("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Only In The Log'")[0]
                  .toInt64(),
              1);
}

TEST_F(DatabaseFileTest, RestoreRefusesAFileOfAnotherKindAndLeavesTheDatabase) {
    writeText(file("VOSSMERE2.MDB"), "some text");
    gConn().reset();
    const std::string before = bytesOf(live());
    try {
        restoreDatabase(file("VOSSMERE2.MDB").string(), live());
        FAIL() << "the source is no database of this system";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
    }
    EXPECT_EQ(bytesOf(live()), before);
}

TEST_F(DatabaseFileTest, RestoreFailingPartWayLeavesTheDatabaseUntouched) {
    const std::string copy = file("copy.mdb").string();
    backupDatabase(fresh_.conn(), copy);
    addCompany("Live Only");
    gConn().reset();
    const std::string before = bytesOf(live());
    const auto filesBefore = namesIn(fresh_.folder());

    int calls = 0;
    EXPECT_THROW(restoreDatabase(copy, live(),
                                 [&](int copied, int total) {
                                     EXPECT_LE(copied, total);
                                     if (++calls == 2)
                                         throw ServerError(28, "test", "disk full", ErrorKind::Io);
                                 }),
                 ServerError);

    EXPECT_EQ(calls, 2);
    EXPECT_EQ(bytesOf(live()), before);
    EXPECT_EQ(namesIn(fresh_.folder()), filesBefore);
}

TEST_F(DatabaseFileTest, RestoreIsRefusedWhileTheDatabaseIsOpen) {
    const std::string copy = file("copy.mdb").string();
    backupDatabase(fresh_.conn(), copy);
    addCompany("Live Only");
    try {
        restoreDatabase(copy, live());
        FAIL() << "the database is still open";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(e.description().find("in use"), std::string::npos) << e.description();
    }
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblCompany WHERE [Company Name] = 'Live Only'").toInt64(),
              1);
}

// A copy of the database that passes for a database of this system but is damaged.
std::string damagedCopy(Connection& conn, const fs::path& target) {
    backupDatabase(conn, target.string());
    test::damageTablePage(target.string(), "tblDeprMethods");
    return target.string();
}

TEST_F(DatabaseFileTest, IntegrityCheckPassesASoundDatabaseAndRefusesADamagedOne) {
    EXPECT_NO_THROW(refuseDamagedDatabase(live()));
    // What is no database at all is left to the caller.
    writeText(file("text.mdb"), "some text");
    EXPECT_NO_THROW(refuseDamagedDatabase(file("text.mdb").string()));
    EXPECT_NO_THROW(refuseDamagedDatabase(file("missing.mdb").string()));
    const std::string damaged = damagedCopy(fresh_.conn(), file("damaged.mdb"));
    ASSERT_TRUE(isSystemDatabase(damaged));
    try {
        refuseDamagedDatabase(damaged);
        FAIL() << "the damaged copy passed";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io);
        EXPECT_NE(e.description().find("The database '" + damaged + "' is damaged and cannot be used: "),
                  std::string::npos)
            << e.description();
    }
}

TEST_F(DatabaseFileTest, RestoreRefusesADamagedCopyAndTheLiveRowsStay) {
    const std::string damaged = damagedCopy(fresh_.conn(), file("damaged.mdb"));
    addCompany("Live Only");
    const std::int64_t companies = companyCount(live());
    gConn().reset();
    const std::string before = bytesOf(live());

    try {
        restoreDatabase(damaged, live());
        FAIL() << "the damaged copy was restored";
    } catch (const ServerError& e) {
        EXPECT_NE(e.description().find("is damaged"), std::string::npos) << e.description();
    }

    EXPECT_EQ(bytesOf(live()), before);
    EXPECT_EQ(companyCount(live()), companies);
    auto conn = Connection::open(live());
    EXPECT_EQ(conn->query("PRAGMA integrity_check")[0].toString(), "ok");
}

TEST_F(DatabaseFileTest, ARestoreRemovesTheCopyAnInterruptedRestoreLeftBehind) {
    const std::string copy = file("copy.mdb").string();
    backupDatabase(fresh_.conn(), copy);
    gConn().reset();
    // What a restore killed part-way leaves: its copy and the copy's journal, both unlocked.
    const std::string stale = live() + ".part-0badc0de";
    fs::copy_file(copy, stale);
    writeText(stale + "-journal", "journal");
    // A copy of a run still at work is locked and stays.
    TempBeside running{fs::path(live())};
    ASSERT_TRUE(fs::exists(running.path()));

    restoreDatabase(copy, live());

    EXPECT_FALSE(fs::exists(stale));
    EXPECT_FALSE(fs::exists(stale + "-journal"));
    EXPECT_TRUE(fs::exists(running.path()));
}

TEST_F(DatabaseFileTest, ACopyKeepsThePermissionsOfTheDatabase) {
    for (const fs::perms mode : {fs::perms::owner_read | fs::perms::owner_write,
                                 fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read}) {
        SCOPED_TRACE(static_cast<int>(mode));
        fs::permissions(live(), mode);
        const fs::path target = file("backup-" + std::to_string(static_cast<int>(mode)) + ".mdb");
        // A new file and a file that was readable by everyone both end with the database's mode.
        backupDatabase(fresh_.conn(), target.string());
        EXPECT_EQ(fs::status(target).permissions(), mode);
        fs::permissions(target, fs::perms::all);
        backupDatabase(fresh_.conn(), target.string());
        EXPECT_EQ(fs::status(target).permissions(), mode);
    }
}

TEST_F(DatabaseFileTest, ARestoredDatabaseKeepsThePermissionsOfTheLiveFile) {
    const std::string copy = file("copy.mdb").string();
    backupDatabase(fresh_.conn(), copy);
    fs::permissions(copy, fs::perms::all);
    fs::permissions(live(), fs::perms::owner_read | fs::perms::owner_write);
    gConn().reset();

    restoreDatabase(copy, live());

    EXPECT_EQ(fs::status(live()).permissions(), fs::perms::owner_read | fs::perms::owner_write);
}

// Every operation on a file the user chooses refuses a named pipe at once, without opening it
// (opening it would wait for a writer, reading it for data that never come). Each call runs
// guarded, so a test fails rather than hangs; its code says how it ended.
TEST_F(DatabaseFileTest, ANamedPipeIsRefusedAtOnce) {
    fs::create_directory(file("chosen"));
    const std::string pipe = file("chosen/VOSSMERE.MDB").string();
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::string backup = file("backup.mdb").string();
    backupDatabase(fresh_.conn(), backup);
    // 0: refused with the cause; 1: refused with another cause; 2: taken.
    const auto refusedNamingThePipe = [](const auto& call) {
        try {
            call();
            return 2;
        } catch (const ServerError& e) {
            return e.description().find("it is a named pipe, not a file") != std::string::npos ? 0 : 1;
        }
    };
    const struct {
        const char* name;
        std::function<int()> call;
    } cases[] = {
        {"the program's connection", [&] { return refusedNamingThePipe([&] { Connection::open(pipe); }); }},
        {"a connection that only reads",
         [&] { return refusedNamingThePipe([&] { Connection::openToRead(pipe); }); }},
        {"the database check",
         [&] { return refusedNamingThePipe([&] { switchConnection(pipe, [](Connection&) {}); }); }},
        {"recognition", [&] { return isSystemDatabase(pipe) ? 2 : 0; }},
        // What is no database is left to the callers of the integrity check.
        {"the integrity check",
         [&] {
             refuseDamagedDatabase(pipe);
             return 0;
         }},
        {"a restore from it",
         [&] {
             try {
                 restoreDatabase(pipe, live());
                 return 2;
             } catch (const ServerError& e) {
                 return e.kind() == ErrorKind::InvalidArgument ? 0 : 1;
             }
         }},
        {"a copy of it", [&] { return refusedNamingThePipe([&] { copyDatabaseFile(pipe, backup + "2"); }); }},
        {"a backup onto it",
         [&] { return refusedNamingThePipe([&] { backupDatabase(fresh_.conn(), pipe); }); }},
        {"a copy onto it", [&] { return refusedNamingThePipe([&] { copyDatabaseFile(backup, pipe); }); }},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto result = test::runGuarded(c.call);
        EXPECT_TRUE(result.returned) << result.describe();
        EXPECT_EQ(result.code, 0);
        EXPECT_TRUE(fs::is_fifo(pipe));
    }
}

// What the checks refuse, they leave byte for byte as it was, with nothing made beside it; a
// database of this system they take is left as it was too.
TEST_F(DatabaseFileTest, TheChecksLeaveTheFileTheyReadAsItWas) {
    const struct {
        const char* name;
        std::function<void(const fs::path&)> make;
        bool ofThisSystem;
    } files[] = {
        {"an empty file", [](const fs::path& p) { writeText(p, ""); }, false},
        {"a text file", [](const fs::path& p) { writeText(p, "some text that only has the right name"); },
         false},
        {"a database of another kind", [&](const fs::path& p) { makeForeignDatabase(p, "DELETE"); }, false},
        {"a database of another kind in WAL mode", [&](const fs::path& p) { makeForeignDatabase(p, "WAL"); },
         false},
        {"a backup of this system's database",
         [&](const fs::path& p) { backupDatabase(fresh_.conn(), p.string()); }, true},
    };
    const fs::path folder = file("chosen");
    for (const auto& f : files) {
        SCOPED_TRACE(f.name);
        fs::remove_all(folder);
        fs::create_directory(folder);
        const fs::path path = folder / "VOSSMERE.MDB";
        f.make(path);
        const std::string before = bytesOf(path);

        EXPECT_EQ(isSystemDatabase(path.string()), f.ofThisSystem);
        EXPECT_NO_THROW(refuseDamagedDatabase(path.string()));
        // Refused before the live database, still open here, is looked at.
        if (!f.ofThisSystem) {
            EXPECT_THROW(restoreDatabase(path.string(), live()), ServerError);
        }

        EXPECT_EQ(bytesOf(path), before);
        EXPECT_EQ(namesIn(folder), std::vector<std::string>{"VOSSMERE.MDB"});
    }
}

} // namespace
} // namespace qel
