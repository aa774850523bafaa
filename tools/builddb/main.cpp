// builddb OUTPUT SQLFILE...: creates the database file OUTPUT from the SQL files, applied in the
// order given inside one transaction. The file is written beside OUTPUT and renamed into place
// only when every statement succeeded.
#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace {

int fail(const std::string& message) {
    std::fprintf(stderr, "builddb: %s\n", message.c_str());
    return 1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 2)
        return fail("usage: builddb OUTPUT SQLFILE...");
    const std::filesystem::path output = argv[1];
    const std::filesystem::path temp = output.string() + ".building";
    std::error_code ec;
    std::filesystem::remove(temp, ec);

    sqlite3* db = nullptr;
    if (sqlite3_open(temp.c_str(), &db) != SQLITE_OK)
        return fail("cannot create " + temp.string());

    auto exec = [&](const std::string& sql, const std::string& where) {
        char* err = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &err) != SQLITE_OK) {
            std::string message = where + ": " + (err ? err : "unknown error");
            sqlite3_free(err);
            throw std::runtime_error(message);
        }
    };

    try {
        exec("PRAGMA foreign_keys=ON", "setup");
        exec("BEGIN", "setup");
        for (int i = 2; i < argc; ++i) {
            std::ifstream in(argv[i]);
            if (!in)
                throw std::runtime_error(std::string("cannot read ") + argv[i]);
            std::stringstream text;
            text << in.rdbuf();
            exec(text.str(), argv[i]);
        }
        exec("COMMIT", "commit");
        exec("PRAGMA journal_mode=WAL", "journal");
        exec("VACUUM", "vacuum");
    } catch (const std::exception& e) {
        sqlite3_close(db);
        std::filesystem::remove(temp, ec);
        return fail(e.what());
    }
    // Fold the write-ahead log into the file so that the one file is the whole database.
    sqlite3_wal_checkpoint_v2(db, nullptr, SQLITE_CHECKPOINT_TRUNCATE, nullptr, nullptr);
    sqlite3_close(db);
    std::filesystem::remove(temp.string() + "-wal", ec);
    std::filesystem::remove(temp.string() + "-shm", ec);
    std::filesystem::rename(temp, output, ec);
    if (ec)
        return fail("cannot rename " + temp.string() + " to " + output.string() + ": " + ec.message());
    return 0;
}
