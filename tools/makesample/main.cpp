// makesample SHIPPED OUTPUT: makes the sample database OUTPUT, a copy of the shipped database
// SHIPPED in which the sample company holds accounts, locations, asset classes and assets with
// their computed schedules, its car's use and its posted monthly book periods (SampleCompany.h),
// all entered through the program's own rules and data server (SampleEntry.h). The copy is made
// beside OUTPUT and renamed into place only when everything was stored; any refusal fails the
// build with its message and leaves no OUTPUT behind.
#include "common/IniFile.h"
#include "common/ServerError.h"
#include "server/data/Database.h"
#include "tools/makesample/SampleEntry.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

namespace fs = std::filesystem;

int fail(const std::string& message) {
    std::fprintf(stderr, "makesample: %s\n", message.c_str());
    return 1;
}

void removeBuildingFiles(const fs::path& temp, const fs::path& ini) {
    std::error_code ec;
    for (const char* suffix : {"", "-wal", "-shm"})
        fs::remove(temp.string() + suffix, ec);
    fs::remove(ini, ec);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3)
        return fail("usage: makesample SHIPPED OUTPUT");
    const fs::path shipped = argv[1];
    const fs::path output = argv[2];
    const fs::path temp = output.string() + ".building";
    // The data server opens the database the INI file names; this one names the copy, so the
    // user's own INI file and database are never read.
    const fs::path ini = output.string() + ".building.ini";
    try {
        fs::create_directories(output.parent_path());
        removeBuildingFiles(temp, ini);
        fs::copy_file(shipped, temp);
        setenv("QEL_INI", ini.c_str(), 1);
        qel::writeIniValue("Data", "DB_Path", temp.string());
        qel::startDataServerThread();
        qel::Connection& conn = qel::requireConnection();

        qel::sample::enterSampleCompany();

        const std::string integrity = conn.query("PRAGMA integrity_check")[0].toString();
        if (integrity != "ok")
            throw std::runtime_error("the integrity check of " + temp.string() + " says: " + integrity);
        // Fold the write-ahead log into the file so that the one file is the whole database.
        conn.execute("PRAGMA wal_checkpoint(TRUNCATE)");
        qel::gConn().reset();
        fs::remove(ini);
        fs::rename(temp, output);
    } catch (const qel::ServerError& e) {
        qel::gConn().reset();
        removeBuildingFiles(temp, ini);
        return fail(e.description());
    } catch (const std::exception& e) {
        qel::gConn().reset();
        removeBuildingFiles(temp, ini);
        return fail(e.what());
    }
    return 0;
}
