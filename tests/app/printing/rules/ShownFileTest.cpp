// The text the rich-text window shows of a file: whole up to the bound, its end from the first
// whole line beyond it, and files that cannot be read.
#include "app/printing/rules/ShownFile.h"

#include "common/ServerError.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace qel::printing {
namespace {

std::string leftOut(const char* first, const char* all) {
    return std::string("[The start of this file is left out: its first ") + first + " bytes of " + all +
           ". Its end follows.]\n";
}

TEST(ShownFile, AFileLongerThanTheBoundShowsItsEndFromAWholeLine) {
    const std::string lines = "line one\nline two\nline three\n"; // 9 + 9 + 11 bytes
    const struct {
        const char* name;
        std::string content;
        std::uint64_t mostBytes;
        std::string shown;
        std::uint64_t leftOutBytes;
    } cases[] = {
        {"within the bound", lines, 100, lines, 0},
        {"as long as the bound", lines, 29, lines, 0},
        {"an empty file", "", 10, "", 0},
        {"cut within a line", lines, 15, leftOut("18", "29") + "line three\n", 18},
        {"cut where a line starts", lines, 11, leftOut("18", "29") + "line three\n", 18},
        {"cut just after a line starts", lines, 10, leftOut("29", "29"), 29},
        {"no line break, cut within a character", "\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", 5,
         leftOut("6", "10") + "\xC3\xA9\xC3\xA9", 6},
        {"no line break, cut between characters", "\xC3\xA9\xC3\xA9\xC3\xA9", 4,
         leftOut("2", "6") + "\xC3\xA9\xC3\xA9", 2},
    };
    test::TempFolder folder;
    const auto path = (folder.path() / "log.txt").string();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        test::writeBytes(path, c.content);
        const ShownFile shown = readShownFile(path, c.mostBytes);
        EXPECT_EQ(shown.text, c.shown);
        EXPECT_EQ(shown.leftOutBytes, c.leftOutBytes);
    }
}

TEST(ShownFile, TheBoundIsEightMegabytes) {
    test::TempFolder folder;
    const auto path = (folder.path() / "log.txt").string();
    const std::string line = "Cost is required for row 12345\n"; // 31 bytes
    std::string content;
    while (content.size() <= kMostShownFileBytes)
        content += line;
    ASSERT_EQ(content.size(), 8'388'631u);
    test::writeBytes(path, content);
    const ShownFile shown = readShownFile(path);
    // The last 8 MB start at byte 23, within the first line: the lines after it are shown.
    EXPECT_EQ(shown.leftOutBytes, 31u);
    EXPECT_EQ(shown.text, leftOut("31", "8,388,631") + content.substr(31));
}

TEST(ShownFile, AFileThatCannotBeReadIsAnErrorThatNamesIt) {
    test::TempFolder folder;
    const struct {
        const char* name;
        std::filesystem::path path;
        const char* cause;
    } cases[] = {
        {"missing", folder.path() / "gone.txt", "cannot be read: No such file or directory"},
        {"a folder", folder.path(), "cannot be read: it is a folder, not a file."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            readShownFile(c.path.string());
            ADD_FAILURE() << "the file was read";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::Io);
            EXPECT_EQ(e.description(), "The file '" + c.path.string() + "' " + c.cause);
        }
    }
}

} // namespace
} // namespace qel::printing
