// The walk over a workbook stream's records for formula results and Yes/No and error cells, on
// record sequences built here: texts continued or missing, records between a formula and its
// text, embedded charts, encrypted workbooks, and damaged records.
#include "common/xlsreader/BiffCells.h"

#include "common/xlsreader/CompoundFile.h"

#include <gtest/gtest.h>

#include <cstring>

namespace qel::xls {
namespace {

using Kind = CellFlaw::Kind;

std::string le(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string rec(std::uint16_t type, const std::string& body) {
    return le(type, 2) + le(static_cast<std::uint32_t>(body.size()), 2) + body;
}

std::string bof(std::uint16_t kind, std::uint16_t version = 0x0600) {
    return rec(0x0809, le(version, 2) + le(kind, 2) + std::string(12, '\0'));
}

const std::string kEof = rec(0x000A, "");

// A FORMULA record of row and column (from 0) whose result bytes are `result`.
// A one-character sheet name: length, flags, the character.
const std::string kSheetName("\x01\x00S", 3);
// The tokens of =1.
const std::string kOne("\x1E\x01\x00", 3);

std::string formula(int row, int col, const std::string& result, const std::string& tokens = kOne) {
    return rec(0x0006, le(static_cast<std::uint32_t>(row), 2) + le(static_cast<std::uint32_t>(col), 2) +
                           le(15, 2) + result + le(0, 2) + le(0, 4) +
                           le(static_cast<std::uint32_t>(tokens.size()), 2) + tokens);
}

std::string numberResult(double d) {
    std::string out(8, '\0');
    std::memcpy(out.data(), &d, sizeof d);
    return out;
}

// The result bytes of a text (the text follows in a STRING record), Yes/No or error result.
std::string specialResult(std::uint8_t kind, std::uint8_t value = 0) {
    std::string out(8, '\0');
    out[0] = static_cast<char>(kind);
    out[2] = static_cast<char>(value);
    out[6] = out[7] = static_cast<char>(0xFF);
    return out;
}

std::string stringRecord(std::uint16_t length, bool wide, const std::string& characters) {
    return rec(0x0207, le(length, 2) + std::string(1, wide ? '\x01' : '\x00') + characters);
}

std::string boolErr(int row, int col, std::uint8_t value, bool error) {
    return rec(0x0205, le(static_cast<std::uint32_t>(row), 2) + le(static_cast<std::uint32_t>(col), 2) +
                           le(15, 2) + std::string(1, static_cast<char>(value)) +
                           std::string(1, error ? '\x01' : '\x00'));
}

// A workbook stream: globals with one sheet entry of type `sheetType`, then the sheet's records.
std::string workbook(const std::string& sheetRecords, std::uint8_t sheetType = 0,
                     std::uint16_t version = 0x0600, const std::string& globalsExtra = "") {
    const std::string beforeSheet = bof(0x0005, version) + globalsExtra;
    const std::size_t sheetEntrySize = 4 + 8 + 1; // header, offset and flags, one-character name
    const std::size_t sheetOffset = beforeSheet.size() + sheetEntrySize + kEof.size();
    const std::string entry =
        rec(0x0085, le(static_cast<std::uint32_t>(sheetOffset), 4) + std::string(1, '\0') +
                        std::string(1, static_cast<char>(sheetType)) + kSheetName);
    return beforeSheet + entry.substr(0, sheetEntrySize) + kEof + bof(0x0010, version) + sheetRecords + kEof;
}

TEST(BiffCells, ReadsResultsAndYesNoAndErrorCells) {
    const auto cells = biffCells(workbook(
        formula(2, 1, numberResult(12.5)) + formula(0, 0, specialResult(0)) + rec(0x04BC, "shared formula") +
        stringRecord(3, false, "abc") + formula(1, 3, specialResult(1, 1)) +
        formula(1, 4, specialResult(2, 0x2A)) + formula(1, 5, specialResult(3)) + boolErr(3, 0, 0, false) +
        boolErr(3, 1, 0x07, true) + boolErr(3, 2, 0x63, true)));
    ASSERT_EQ(cells.size(), 8u);
    EXPECT_EQ(cells[0].row, 1);
    EXPECT_EQ(cells[0].column, 1);
    EXPECT_EQ(cells[0].value, Variant("abc"));
    EXPECT_EQ(cells[1].value, Variant(true));
    EXPECT_EQ(cells[2].flaw, (CellFlaw{5, Kind::Error, "#N/A"}));
    EXPECT_EQ(cells[3].value, Variant(""));
    EXPECT_EQ(cells[4].value, Variant(12.5));
    EXPECT_EQ(cells[5].value, Variant(false));
    EXPECT_EQ(cells[6].flaw, (CellFlaw{2, Kind::Error, "#DIV/0!"}));
    EXPECT_EQ(cells[7].flaw, (CellFlaw{3, Kind::Error, "#ERROR(99)"}));
}

TEST(BiffCells, ATextGoesOnInContinueRecordsThatChangeItsWidth) {
    // "ab" in one byte a character, then "é€" in two.
    const auto cells = biffCells(workbook(formula(0, 0, specialResult(0)) + stringRecord(4, false, "ab") +
                                          rec(0x003C, "\x01" + le(0xE9, 2) + le(0x20AC, 2))));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].value, Variant("abé€"));
}

struct UnreadableCase {
    const char* name;
    std::string records;
    std::uint16_t version;
    const char* why;
};

class UnreadableTexts : public ::testing::TestWithParam<UnreadableCase> {};

TEST_P(UnreadableTexts, AreFlawsOfTheirCell) {
    const auto& c = GetParam();
    const auto cells = biffCells(workbook(c.records, 0, c.version));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_TRUE(cells[0].value.isNull());
    ASSERT_TRUE(cells[0].flaw);
    EXPECT_EQ(cells[0].flaw->kind, Kind::Unreadable);
    EXPECT_NE(cells[0].flaw->text.find(c.why), std::string::npos) << cells[0].flaw->text;
}

INSTANTIATE_TEST_SUITE_P(
    All, UnreadableTexts,
    ::testing::Values(
        UnreadableCase{"StringMissing", formula(0, 0, specialResult(0)) + rec(0x00FD, std::string(10, '\0')),
                       0x0600, "text result is missing"},
        UnreadableCase{"StringCutShort", formula(0, 0, specialResult(0)) + stringRecord(10, false, "abc"),
                       0x0600, "cut short"},
        UnreadableCase{"StringWithRichText",
                       formula(0, 0, specialResult(0)) + rec(0x0207, le(1, 2) + "\x08" + le(0, 2) + "a"),
                       0x0600, "in a form that cannot be read"},
        UnreadableCase{"Excel95Text", formula(0, 0, specialResult(0)) + rec(0x0207, le(1, 2) + "a"), 0x0500,
                       "Excel 95"},
        UnreadableCase{"UnknownResultKind", formula(0, 0, specialResult(9)), 0x0600, "unknown kind"},
        UnreadableCase{"NotANumber", formula(0, 0, std::string("\x01\x00\x00\x00\x00\x00\xF0\x7F", 8)),
                       0x0600, "not a number"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BiffCells, IgnoresChartsInTheSheetAndDuplicates) {
    const auto cells = biffCells(workbook(bof(0x0020) + formula(5, 5, numberResult(1)) + kEof +
                                          formula(0, 0, numberResult(2)) + formula(0, 0, numberResult(3))));
    ASSERT_EQ(cells.size(), 1u);
    EXPECT_EQ(cells[0].value, Variant(2.0));
}

TEST(BiffCells, FindsNothingInAnEncryptedWorkbookOrWhenTheFirstSheetIsNoWorksheet) {
    EXPECT_TRUE(
        biffCells(workbook(formula(0, 0, numberResult(1)), 0, 0x0600, rec(0x002F, le(0, 6)))).empty());
    EXPECT_TRUE(biffCells(workbook(formula(0, 0, numberResult(1)), 2)).empty());
}

struct DamagedCase {
    const char* name;
    std::string stream;
    const char* why;
};

class DamagedRecords : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedRecords, AreMalformed) {
    const auto& c = GetParam();
    try {
        biffCells(c.stream);
        FAIL() << "the damage went unnoticed";
    } catch (const Malformed& e) {
        EXPECT_NE(std::string(e.what()).find(c.why), std::string::npos) << e.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    All, DamagedRecords,
    ::testing::Values(
        DamagedCase{"Empty", "", "does not begin with a workbook"},
        DamagedCase{"OtherVersion", bof(0x0005, 0x0400) + kEof, "version that cannot be read"},
        DamagedCase{"RecordPastTheEnd", bof(0x0005) + le(0x0006, 2) + le(100, 2), "runs past the end"},
        DamagedCase{"HeaderCutShort", bof(0x0005) + "\x85", "record header is cut short"},
        DamagedCase{"SheetBeyondTheStream",
                    bof(0x0005) + rec(0x0085, le(99999, 4) + std::string(2, '\0') + kSheetName) + kEof,
                    "lies beyond the workbook stream"},
        DamagedCase{"SheetNotWhereItIsSaid",
                    bof(0x0005) + rec(0x0085, le(0, 4) + std::string(2, '\0') + kSheetName) + kEof,
                    "does not begin where the workbook says"},
        DamagedCase{"FormulaCutShort", workbook(rec(0x0006, std::string(10, '\0'))),
                    "formula record is cut short"},
        DamagedCase{"CellBeyondTheLastColumn", workbook(formula(0, 256, numberResult(1))),
                    "beyond the last column"},
        DamagedCase{"BoolErrCutShort", workbook(rec(0x0205, std::string(4, '\0'))),
                    "Yes/No record is cut short"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qel::xls
