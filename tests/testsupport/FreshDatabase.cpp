// Test database copies and temporary folders.
#include "tests/testsupport/FreshDatabase.h"

#include "common/IniFile.h"
#include "server/data/Database.h"

#include <sqlite3.h>

#include <cstdlib>
#include <fstream>
#include <stdexcept>

namespace qel::test {

TempFolder::TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "qel-test-XXXXXX").string();
    if (!mkdtemp(pattern.data()))
        throw std::runtime_error("cannot create a temporary folder");
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
}

void damageTablePage(const std::string& path, const std::string& table) {
    std::int64_t root = 0, pageSize = 0;
    {
        const auto conn = Connection::open(path);
        root =
            conn->query("SELECT rootpage FROM sqlite_master WHERE name = ?", {Variant(table)})[0].toInt64();
        pageSize = conn->query("PRAGMA page_size")[0].toInt64();
    }
    std::fstream file(path, std::ios::binary | std::ios::in | std::ios::out);
    // Past the page's eight-byte header.
    file.seekp((root - 1) * pageSize + 8);
    const std::string garbage(64, '\xFF');
    file.write(garbage.data(), static_cast<std::streamsize>(garbage.size()));
    if (!file)
        throw std::runtime_error("cannot damage " + path);
}

void makeForeignDatabase(const std::filesystem::path& path, const char* journalMode) {
    sqlite3* raw = nullptr;
    sqlite3_open(path.c_str(), &raw);
    sqlite3_exec(raw, (std::string("PRAGMA journal_mode=") + journalMode).c_str(), nullptr, nullptr, nullptr);
    sqlite3_exec(raw, "CREATE TABLE notes (t TEXT); INSERT INTO notes VALUES ('kept')", nullptr, nullptr,
                 nullptr);
    sqlite3_close(raw);
}

FreshDatabase::FreshDatabase(bool connect) : FreshDatabase(QEL_SHIPPED_DATABASE, connect) {}

FreshDatabase::FreshDatabase(const std::filesystem::path& source, bool connect)
    : dbPath_(folder_.path() / "VOSSMERE.MDB") {
    std::filesystem::copy_file(source, dbPath_);
    const auto ini = folder_.path() / "QELFA1.ini";
    const auto docs = folder_.path() / "Documents";
    const auto settings = folder_.path() / "settings";
    setenv("QEL_INI", ini.c_str(), 1);
    setenv("QEL_DOCUMENTS", docs.c_str(), 1);
    setenv("QEL_SETTINGS_DIR", settings.c_str(), 1);
    writeIniValue("Data", "DB_Path", dbPath_.string());
    gConn().reset();
    if (connect)
        GetDbConnection(dbPath_.string());
}

FreshDatabase::~FreshDatabase() {
    gConn().reset();
}

Connection& FreshDatabase::conn() const {
    return requireConnection();
}

void FreshDatabase::exec(const std::string& sql) const {
    conn().execute(sql);
}

Variant FreshDatabase::value(const std::string& sql) const {
    const Recordset rs = conn().query(sql);
    return rs.IsEOF() ? Variant() : rs[0];
}

} // namespace qel::test
