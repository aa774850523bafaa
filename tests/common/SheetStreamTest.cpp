// The sheet stream between the .xls reader program and the program: what the writer writes
// decodes to the same rows, and the decoder refuses every stream that breaks its rules.
#include "common/SheetStream.h"

#include "common/WorkbookSource.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>

namespace qel {
namespace {

std::string le(std::uint64_t value, int bytes) {
    std::string out;
    for (int i = 0; i < bytes; ++i)
        out += static_cast<char>((value >> (8 * i)) & 0xFF);
    return out;
}

std::string rec(char tag, const std::string& body) {
    return tag + le(body.size(), 4) + body;
}

const std::string kHeader = rec('H', std::string(1, '\0') + "Sheet1");
const std::string kEnd = rec('Z', "");

std::string cell(int column, char kind, const std::string& value) {
    return le(static_cast<std::uint64_t>(column), 2) + kind + value;
}

std::string number(double d) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &d, sizeof bits);
    return le(bits, 8);
}

std::string row(int number, const std::string& cells) {
    return rec('R', le(static_cast<std::uint64_t>(number), 4) + cells);
}

std::string text(const std::string& t) {
    return le(t.size(), 4) + t;
}

TEST(SheetStream, WhatTheWriterWritesDecodesToTheSameRows) {
    SheetRow first;
    first.number = 1;
    first.cells = {Variant("Company"), Variant(), Variant("Ünïcode €")};
    SheetRow third;
    third.number = 3;
    third.cells = {Variant(7.0), Variant(true), Variant(false), Variant(-0.25)};
    std::string bytes;
    SheetStreamWriter w(bytes);
    w.header("Assets", true);
    w.row(first);
    w.row(third);
    w.end();

    const DecodedSheet sheet = decodeSheetStream(bytes);
    EXPECT_EQ(sheet.sheetName, "Assets");
    EXPECT_TRUE(sheet.date1904);
    EXPECT_EQ(sheet.failure, "");
    ASSERT_EQ(sheet.rows.size(), 2u);
    EXPECT_EQ(sheet.rows[0].number, 1);
    EXPECT_EQ(sheet.rows[0].cells, first.cells);
    EXPECT_EQ(sheet.rows[1].number, 3);
    EXPECT_EQ(sheet.rows[1].cells, third.cells);
}

TEST(SheetStream, FlawsKeepTheirPlaceAmongTheValues) {
    SheetRow row;
    row.number = 2;
    row.cells = {Variant(1.0), Variant(), Variant("c"), Variant()};
    row.flaws = {{2, CellFlaw::Kind::Error, "#DIV/0!"},
                 {4, CellFlaw::Kind::Unreadable, "its formula's text result was not saved with the workbook"},
                 {9, CellFlaw::Kind::Error, "#N/A"}};
    std::string bytes;
    SheetStreamWriter w(bytes);
    w.header("S", false);
    w.row(row);
    w.end();

    const DecodedSheet sheet = decodeSheetStream(bytes);
    ASSERT_EQ(sheet.rows.size(), 1u);
    EXPECT_EQ(sheet.rows[0].cells, (std::vector<Variant>{Variant(1.0), Variant(), Variant("c")}));
    EXPECT_EQ(sheet.rows[0].flaws, row.flaws);
}

TEST(SheetStream, AFailureCarriesTheReadersCause) {
    std::string bytes;
    SheetStreamWriter(bytes).failure("it is protected by a password (encrypted).");
    EXPECT_EQ(decodeSheetStream(bytes).failure, "it is protected by a password (encrypted).");
}

// A stream fed a piece at a time decodes as the whole stream does, whatever the cuts.
TEST(SheetStream, PiecesOfAnySizeDecodeAsTheWhole) {
    SheetRow row;
    row.number = 4;
    row.cells = {Variant("a text of some length"), Variant(2.5), Variant(true)};
    std::string bytes;
    SheetStreamWriter w(bytes);
    w.header("Pieces", false);
    for (int n = 1; n <= 5; ++n) {
        row.number = n;
        w.row(row);
    }
    w.end();
    for (const std::size_t piece :
         {std::size_t{1}, std::size_t{2}, std::size_t{5}, std::size_t{7}, std::size_t{64}, bytes.size()}) {
        SCOPED_TRACE(piece);
        SheetStreamDecoder decoder;
        for (std::size_t at = 0; at < bytes.size(); at += piece)
            decoder.feed(std::string_view(bytes).substr(at, piece));
        const DecodedSheet sheet = decoder.finish();
        EXPECT_EQ(sheet.sheetName, "Pieces");
        ASSERT_EQ(sheet.rows.size(), 5u);
        EXPECT_EQ(sheet.rows[4].number, 5);
        EXPECT_EQ(sheet.rows[4].cells, row.cells);
    }
}

// The limits of a sheet stop the decoding at the first row past them, as the rows come: the
// stream is fed a row at a time and never held whole, and the row that passes the limit is the
// one refused, however many follow.
TEST(SheetStream, ASheetPastItsLimitsIsRefusedAtTheRowThatPassesThem) {
    const std::string longText(8000, 'x');
    const struct {
        const char* name;
        std::string cells; // of every row
        int refusedRow;    // the row whose cells pass the limit
        const char* cause;
    } cases[] = {
        {"text", cell(1, 'T', text(longText)), static_cast<int>(kMaxSheetTextBytes / longText.size()) + 1,
         "its cells hold more than 32 MB of text, more than the program reads from a sheet"},
        {"flaws' text", cell(1, 'U', le(1000, 2) + std::string(1000, 'u')),
         static_cast<int>(kMaxSheetTextBytes / 1000) + 1, "its cells hold more than 32 MB of text"},
        {"cells",
         [] {
             std::string all;
             for (int c = 1; c <= kMaxXlsColumn; ++c)
                 all += cell(c, 'B', "\x01");
             return all;
         }(),
         static_cast<int>(kMaxSheetCells / kMaxXlsColumn) + 1,
         "it holds more than 2,097,152 cells, more than the program reads from a sheet"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_LE(c.refusedRow, kMaxXlsRow);
        SheetStreamDecoder decoder;
        decoder.feed(kHeader);
        int n = 1;
        try {
            for (; n <= kMaxXlsRow; ++n)
                decoder.feed(row(n, c.cells));
            FAIL() << "every row was taken";
        } catch (const SheetTooLarge& e) {
            EXPECT_NE(std::string(e.what()).find(c.cause), std::string::npos) << e.what();
        }
        EXPECT_EQ(n, c.refusedRow);
    }
}

struct BadStream {
    const char* name;
    std::string bytes;
    const char* cause; // part of the error
};

class SheetStreamRefusals : public ::testing::TestWithParam<BadStream> {};

TEST_P(SheetStreamRefusals, AreErrors) {
    const BadStream& c = GetParam();
    try {
        decodeSheetStream(c.bytes);
        FAIL() << "the stream was taken";
    } catch (const SheetStreamError& e) {
        EXPECT_NE(std::string(e.what()).find(c.cause), std::string::npos) << e.what();
    }
}

const std::string kTooLong(kMaxCellText + 1, 'x');

INSTANTIATE_TEST_SUITE_P(
    All, SheetStreamRefusals,
    ::testing::Values(
        BadStream{"Empty", "", "ends before its end record"},
        BadStream{"NoEnd", kHeader, "ends before its end record"},
        BadStream{"CutInARecordHeader", kHeader + "R\x05", "a record length runs past"},
        BadStream{"RecordPastTheEnd", kHeader + "R" + le(1000, 4) + "x", "a record runs past"},
        BadStream{"UnknownRecord", kHeader + rec('Q', "") + kEnd, "unknown record"},
        BadStream{"RowBeforeTheSheet", row(1, cell(1, 'N', number(1))) + kHeader + kEnd,
                  "a row comes before the sheet"},
        BadStream{"TwoSheets", kHeader + kHeader + kEnd, "named twice"},
        BadStream{"RowsOutOfOrder",
                  kHeader + row(2, cell(1, 'N', number(1))) + row(2, cell(1, 'N', number(1))) + kEnd,
                  "row 2 is out of order"},
        BadStream{"RowZero", kHeader + row(0, cell(1, 'N', number(1))) + kEnd,
                  "row 0 is out of order or out of range"},
        BadStream{"RowBeyondTheSheet", kHeader + row(kMaxXlsRow + 1, cell(1, 'N', number(1))) + kEnd,
                  "out of range"},
        BadStream{"ColumnBeyondTheSheet", kHeader + row(1, cell(kMaxXlsColumn + 1, 'N', number(1))) + kEnd,
                  "column 257 of row 1"},
        BadStream{"ColumnsOutOfOrder",
                  kHeader + row(1, cell(3, 'N', number(1)) + cell(2, 'N', number(1))) + kEnd,
                  "column 2 of row 1 is out of order"},
        BadStream{"RowWithoutCells", kHeader + row(1, "") + kEnd, "holds no cell"},
        BadStream{"NotANumber", kHeader + row(1, cell(1, 'N', number(std::nan("")))) + kEnd, "not finite"},
        BadStream{"NumberCutShort", kHeader + row(1, cell(1, 'N', "abc")) + kEnd, "a number runs past"},
        BadStream{"TextPastItsRow", kHeader + row(1, cell(1, 'T', le(100, 4) + "abc")) + kEnd,
                  "a text runs past"},
        BadStream{"TextNotUtf8", kHeader + row(1, cell(1, 'T', text("\xC3\x28"))) + kEnd, "not valid UTF-8"},
        BadStream{"TextLongerThanACell", kHeader + row(1, cell(1, 'T', text(kTooLong))) + kEnd, "too long"},
        BadStream{"YesNoOfTwo", kHeader + row(1, cell(1, 'B', "\x02")) + kEnd, "neither 0 nor 1"},
        BadStream{"FlawSaysNothing", kHeader + row(1, cell(1, 'E', le(0, 1))) + kEnd, "says nothing"},
        BadStream{"ErrorTextTooLong", kHeader + row(1, cell(1, 'E', le(40, 1) + std::string(40, '#'))) + kEnd,
                  "too long"},
        BadStream{"UnknownKind", kHeader + row(1, cell(1, 'X', "")) + kEnd, "unknown kind"},
        BadStream{"DataAfterTheEnd", kHeader + kEnd + kEnd, "more follows the end"},
        BadStream{"DataAfterAFailure", rec('F', "no") + kEnd, "more follows a failure"},
        BadStream{"EmptyFailure", rec('F', ""), "says nothing"},
        BadStream{"DateSystemOfTwo", rec('H', "\x02S") + kEnd, "neither 0 nor 1"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace qel
