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

struct XlsxSheetData {
    std::string name;
    SheetData rows;
};

struct XlsxOptions {
    // Strings written inline in the sheet (libxlsxwriter's constant-memory mode) instead of
    // in the shared string table.
    bool inlineStrings = false;
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
};

// A BIFF8 workbook with one worksheet "Sheet1" (plus any extra empty ones). Texts go to the
// shared string table and must fit one record (a few kilobytes in all).
void writeXls(const std::filesystem::path& path, const SheetData& rows, const XlsOptions& options = {});

// A zip package of the given parts (name, content), for hand-made .xlsx packages.
void writeZip(const std::filesystem::path& path,
              const std::vector<std::pair<std::string, std::string>>& parts);

// The bytes of a file; for truncating and damaging fixtures.
std::string readBytes(const std::filesystem::path& path);
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

} // namespace qel::test
