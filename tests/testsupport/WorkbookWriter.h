// Test workbooks written from rows of values: .xlsx through libxlsxwriter, and .xls through a
// small writer of BIFF8 records in a compound file (no .xls writer is at hand).
//
// Rows start at row 1 (index 0); a Null value leaves its cell empty; whole numbers and doubles
// become numbers, texts strings, dates numbers with a date format, Yes/No values booleans.
#pragma once

#include "common/Variant.h"

#include <cstdint>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

namespace qel::test {

using SheetData = std::vector<std::vector<Variant>>;

// A formula cell as a spreadsheet program saves it: the formula and its stored result. It takes
// the place of the value at its row and column in the sheet's rows.
struct SheetFormula {
    std::size_t row = 0;    // from 0
    std::size_t column = 0; // from 0
    std::string formula;    // as typed, such as "=C2" (.xlsx)
    // Its parsed tokens as an .xls workbook holds them; by default a reference to A1, which
    // tells nothing of the kind of its result.
    std::string tokens = std::string("\x24\x00\x00\x00\xC0", 5);
    Variant result;    // a number or a text (.xlsx); also a Yes/No (.xls)
    std::string error; // instead of `result`: an error such as "#DIV/0!" (.xls)
    // False for a text result saved as the number 0 without its text, as some writers do (.xls).
    bool textSaved = true;
};

struct XlsxSheetData {
    std::string name;
    SheetData rows;
};

// The tokens of ="a"&"b" in an .xls workbook: a formula that yields a text.
inline const std::string kJoinedTextsTokens("\x17\x01\x00"
                                            "a"
                                            "\x17\x01\x00"
                                            "b"
                                            "\x08",
                                            9);

struct XlsxOptions {
    // Strings written inline in the sheet (libxlsxwriter's constant-memory mode) instead of
    // in the shared string table.
    bool inlineStrings = false;
    std::vector<SheetFormula> formulas; // of the active sheet
};

// One sheet named "Sheet1".
void writeXlsx(const std::filesystem::path& path, const SheetData& rows, const XlsxOptions& options = {});
// Several sheets; `active` (from 0) is the sheet that is active when the workbook opens.
void writeXlsx(const std::filesystem::path& path, const std::vector<XlsxSheetData>& sheets, int active,
               const XlsxOptions& options = {});

struct XlsOptions {
    // Writes the record that marks a workbook protected by a password.
    bool passwordProtected = false;
    // The name of the compound file's one stream ("Workbook" for a workbook).
    std::string streamName = "Workbook";
    // Extra worksheets after the one written from the rows, each empty.
    std::vector<std::string> extraSheets;
    // The size the worksheet's DIMENSIONS record declares, when not 0; the size of the rows
    // written otherwise.
    std::uint32_t declaredRows = 0;
    std::uint16_t declaredColumns = 0;
    std::vector<SheetFormula> formulas;
    // The rows are written this many times, one copy below another: a large sheet from a few
    // rows held in memory (a text repeated in many cells takes one shared string).
    std::size_t copies = 1;
};

// A BIFF8 workbook with one worksheet "Sheet1" (plus any extra empty ones). Texts go to the
// shared string table and must fit one record (a few kilobytes in all); a formula's text result
// goes to the STRING record after it, continued in CONTINUE records when it is long.
void writeXls(const std::filesystem::path& path, const SheetData& rows, const XlsOptions& options = {});

// A zip package of the given parts (name, content), for hand-made .xlsx packages.
void writeZip(const std::filesystem::path& path,
              const std::vector<std::pair<std::string, std::string>>& parts);

// A part of a hand-made package made of `head`, `piece` repeated `copies` times, and `tail`: a
// part that unpacks to hundreds of megabytes is compressed as it is made, from the few bytes
// held here.
struct RepeatedPart {
    std::string name;
    std::string head;
    std::string piece{};
    std::size_t copies = 0;
    std::string tail{};

    std::uint64_t size() const { return head.size() + piece.size() * std::uint64_t{copies} + tail.size(); }
};
void writeRepeatedZip(const std::filesystem::path& path, const std::vector<RepeatedPart>& parts);

// The bytes of a file; for truncating and damaging fixtures.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace qel::test
