// The compound file reader: streams in regular sectors and in the mini stream, and the damage it
// refuses (chains that loop, sectors and sizes beyond the file, a file cut anywhere), also when
// the records' reader reads on.
#include "common/xlsreader/CompoundFile.h"

#include "common/xlsreader/BiffCells.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <string_view>
#include <vector>

namespace qel::xls {
namespace {

namespace fs = std::filesystem;

// The test writer's layout: the header, one allocation table sector, one directory sector, then
// the workbook stream from sector 2 on.
constexpr std::size_t kTable = 512;
constexpr std::size_t kDirectory = 1024;
constexpr std::size_t kStreamEntry = kDirectory + 128;

void put32(std::string& bytes, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        bytes[at + static_cast<std::size_t>(i)] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

std::string writtenWorkbook() {
    test::TempFolder folder;
    const fs::path path = folder.path() / "book.xls";
    test::writeXls(path, {{"a", 1}});
    return test::readBytes(path);
}

bool startsWithWorkbookBof(const std::string& stream) {
    return stream.size() > 4 && stream.compare(0, 2, "\x09\x08") == 0;
}

TEST(CompoundFile, ReadsAStreamOfRegularSectors) {
    const auto stream = compoundStream(writtenWorkbook(), {"Workbook", "Book"});
    ASSERT_TRUE(stream);
    EXPECT_TRUE(startsWithWorkbookBof(*stream));
    EXPECT_FALSE(compoundStream(writtenWorkbook(), {"Other"}));
}

TEST(CompoundFile, ReadsAStreamOfTheMiniStream) {
    // Calc saves a workbook of a few cells as a stream shorter than 4096 bytes.
    const auto stream =
        compoundStream(test::readBytes(fs::path(QEL_TEST_DATA) / "formulas-saved-by-calc.xls"), {"Workbook"});
    ASSERT_TRUE(stream);
    EXPECT_LT(stream->size(), 4096u);
    EXPECT_TRUE(startsWithWorkbookBof(*stream));
}

struct DamageCase {
    const char* name;
    std::function<void(std::string&)> damage;
    const char* why;
};

class CompoundDamage : public ::testing::TestWithParam<DamageCase> {};

TEST_P(CompoundDamage, IsMalformed) {
    const auto& c = GetParam();
    std::string bytes = writtenWorkbook();
    c.damage(bytes);
    try {
        compoundStream(bytes, {"Workbook"});
        FAIL() << "the damage went unnoticed";
    } catch (const Malformed& e) {
        EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, CompoundDamage,
    ::testing::Values(
        DamageCase{"NotACompoundFile", [](std::string& b) { b[0] = 'X'; }, "not a compound file"},
        DamageCase{"CutInItsHeader", [](std::string& b) { b.resize(300); }, "not a compound file"},
        DamageCase{"OddSectorSize", [](std::string& b) { b[30] = 10; }, "header is damaged"},
        DamageCase{"TableLargerThanTheFile", [](std::string& b) { put32(b, 44, 1000); }, "impossible size"},
        DamageCase{"TableSectorOutsideTheFile", [](std::string& b) { put32(b, 76, 5000); },
                   "outside the file"},
        DamageCase{"ChainThatLoops", [](std::string& b) { put32(b, kTable + 4 * 2, 2); }, "loops"},
        DamageCase{"StreamStartsOutsideTheFile", [](std::string& b) { put32(b, kStreamEntry + 116, 4000); },
                   "broken"},
        DamageCase{"StreamLargerThanTheFile",
                   [](std::string& b) { put32(b, kStreamEntry + 120, 100'000'000); }, "larger than the file"},
        DamageCase{"FileCutShort", [](std::string& b) { b.resize(5000); }, "outside the file"}),
    [](const auto& info) { return std::string(info.param.name); });

// A workbook cut anywhere is damaged, and the reader says so: every prefix of the file leaves a
// sector of the header, the tables or the stream outside it, even a cut in the padding after the
// stream's last record.
TEST(CompoundFile, EveryPrefixOfAWorkbookIsMalformed) {
    const std::string bytes = writtenWorkbook();
    std::vector<std::size_t> read;
    for (std::size_t length = 0; length < bytes.size(); ++length) {
        try {
            compoundStream(std::string_view(bytes).substr(0, length), {"Workbook"});
            read.push_back(length);
        } catch (const Malformed&) {
        }
    }
    EXPECT_EQ(read, std::vector<std::size_t>()) << "of " << bytes.size() << " bytes";
}

// A workbook with any one byte damaged is read or refused as malformed, by the compound file
// reader and then by the records' reader; nothing else escapes, and the sanitizers see no read
// out of bounds.
TEST(CompoundFile, AWorkbookDamagedAtAnyByteIsReadOrMalformed) {
    const std::string bytes = writtenWorkbook();
    std::size_t refused = 0;
    for (std::size_t at = 0; at < bytes.size(); ++at) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
        try {
            if (const auto stream = compoundStream(damaged, {"Workbook", "Book"}))
                (void)biffCells(*stream);
        } catch (const Malformed&) {
            ++refused;
        }
    }
    // The header's signature alone is eight bytes that no reader takes damaged.
    EXPECT_GE(refused, 8u);
}

} // namespace
} // namespace qel::xls
