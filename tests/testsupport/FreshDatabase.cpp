// Test database copies and temporary folders.
#include "tests/testsupport/FreshDatabase.h"

#include "common/IniFile.h"
#include "server/data/Database.h"

#include <cstdlib>
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

FreshDatabase::FreshDatabase(bool connect) : dbPath_(folder_.path() / "VOSSMERE.MDB") {
    std::filesystem::copy_file(QEL_SHIPPED_DATABASE, dbPath_);
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
