// Paths that name something other than a regular file: told apart without opening them, and
// refused by the workbook reader at once, a named pipe among them (opening one for reading waits
// for a writer that never comes; the calls run guarded, so a test fails rather than hangs).
#include "common/RegularFile.h"
#include "common/ServerError.h"
#include "common/Workbook.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/GuardedCall.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <sys/stat.h>
#include <vector>

namespace qel {
namespace {

namespace fs = std::filesystem;

struct PathCase {
    const char* name;
    // Makes what the path names (nothing for a path with nothing there); returns the path.
    std::function<fs::path(const fs::path& folder)> make;
    const char* cause; // nullptr: taken as a file (or left to the caller's own open)
};

const PathCase kPaths[] = {
    {"RegularFile",
     [](const fs::path& d) {
         test::writeXls(d / "book.xls", {{"Company"}});
         return d / "book.xls";
     },
     nullptr},
    {"LinkToARegularFile",
     [](const fs::path& d) {
         test::writeXls(d / "book.xls", {{"Company"}});
         fs::create_symlink(d / "book.xls", d / "link.xls");
         return d / "link.xls";
     },
     nullptr},
    {"Missing", [](const fs::path& d) { return d / "missing.xls"; }, nullptr},
    {"NamedPipe",
     [](const fs::path& d) {
         ::mkfifo((d / "pipe.xls").c_str(), 0600);
         return d / "pipe.xls";
     },
     "it is a named pipe, not a file"},
    {"LinkToANamedPipe",
     [](const fs::path& d) {
         ::mkfifo((d / "pipe").c_str(), 0600);
         fs::create_symlink(d / "pipe", d / "link.xlsx");
         return d / "link.xlsx";
     },
     "it is a named pipe, not a file"},
    {"Folder",
     [](const fs::path& d) {
         fs::create_directory(d / "folder.xlsx");
         return d / "folder.xlsx";
     },
     "it is a folder, not a file"},
    {"Device", [](const fs::path&) { return fs::path("/dev/zero"); }, "it is a device, not a file"},
};

class NonRegularPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(NonRegularPaths, AreToldApartWithoutOpeningThem) {
    const PathCase& c = GetParam();
    test::TempFolder folder;
    const fs::path path = c.make(folder.path());
    const auto result = test::runGuarded([&] {
        const auto cause = notARegularFile(path.string());
        if (!c.cause)
            return cause ? 1 : 0;
        return cause == std::string(c.cause) ? 0 : 1;
    });
    EXPECT_TRUE(result.returned && result.code == 0) << result.describe();
}

INSTANTIATE_TEST_SUITE_P(Paths, NonRegularPaths, ::testing::ValuesIn(kPaths),
                         [](const auto& info) { return std::string(info.param.name); });

// The rows above that name no regular file.
std::vector<PathCase> refusedPaths() {
    std::vector<PathCase> refused;
    for (const PathCase& c : kPaths)
        if (c.cause)
            refused.push_back(c);
    return refused;
}

class WorkbookOnNonRegularPaths : public ::testing::TestWithParam<PathCase> {};

TEST_P(WorkbookOnNonRegularPaths, AreRefusedAtOnce) {
    const PathCase& c = GetParam();
    test::TempFolder folder;
    const fs::path path = c.make(folder.path());
    // 0: refused with the path and the cause; 1: refused otherwise; 2: taken for a workbook.
    const auto result = test::runGuarded([&] {
        try {
            Workbook book(path.string());
            return 2;
        } catch (const ServerError& e) {
            const std::string expected =
                "The workbook '" + path.string() + "' cannot be read: " + c.cause + ".";
            return e.description() == expected && e.kind() == ErrorKind::Io ? 0 : 1;
        }
    });
    EXPECT_TRUE(result.returned) << result.describe();
    EXPECT_EQ(result.code, 0);
}

INSTANTIATE_TEST_SUITE_P(Paths, WorkbookOnNonRegularPaths, ::testing::ValuesIn(refusedPaths()),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qel
