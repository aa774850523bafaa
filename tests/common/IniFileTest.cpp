#include "common/IniFile.h"

#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace qel {
namespace {

class IniFileTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("QEL_INI", ini().c_str(), 1); }
    std::string ini() const { return (folder_.path() / "QELFA1.ini").string(); }
    std::string contents() const {
        std::ifstream in(ini());
        std::stringstream s;
        s << in.rdbuf();
        return s.str();
    }
    test::TempFolder folder_;
};

TEST_F(IniFileTest, MissingFileOrKeyGivesEmptyText) {
    EXPECT_EQ(readIniValue("Data", "DB_Path"), "");
    std::ofstream(ini()) << "[Other]\nDB_Path=/x\n";
    EXPECT_EQ(readIniValue("Data", "DB_Path"), "");
}

TEST_F(IniFileTest, ReadsTrimmedValueIgnoringCase) {
    std::ofstream(ini()) << "[data]\r\ndb_path =   /home/u/VOSSMERE.MDB  \r\n";
    EXPECT_EQ(readIniValue("Data", "DB_Path"), "/home/u/VOSSMERE.MDB");
}

TEST_F(IniFileTest, LongValueIsNotCut) {
    const std::string longPath = "/" + std::string(400, 'a') + "/VOSSMERE.MDB";
    writeIniValue("Data", "DB_Path", longPath);
    EXPECT_EQ(readIniValue("Data", "DB_Path"), longPath);
}

TEST_F(IniFileTest, WriteReplacesKeyAndKeepsOtherLines) {
    std::ofstream(ini()) << "; comment\n[Data]\nDB_Path=/old\nOther=1\n[More]\nx=2\n";
    writeIniValue("Data", "DB_Path", "/new");
    writeIniValue("Data", "Added", "3");
    writeIniValue("Fresh", "k", "v");
    EXPECT_EQ(contents(), "; comment\n[Data]\nDB_Path=/new\nOther=1\nAdded=3\n[More]\nx=2\n[Fresh]\nk=v\n");
}

TEST_F(IniFileTest, WriteCreatesFolderAndFile) {
    const auto nested = folder_.path() / "a" / "b" / "QELFA1.ini";
    setenv("QEL_INI", nested.c_str(), 1);
    writeIniValue("Data", "DB_Path", "/p");
    EXPECT_EQ(readIniValue("Data", "DB_Path"), "/p");
}

} // namespace
} // namespace qel
