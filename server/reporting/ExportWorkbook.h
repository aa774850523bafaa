// ExportWorkbook: a new .xlsx workbook with one sheet, written row by row and put at its path
// only once it is complete.
//
// The workbook is assembled in a temporary file beside the target and renamed into place by
// commit(); a workbook dropped without commit() leaves nothing behind, so a failed export never
// leaves a partial file at the path the user chose, and the next export to the same path removes
// the temporary file of an export that was killed part-way. Cells keep their type: numbers are numbers,
// dates are date serials with a date format, texts are texts, Yes/No values are booleans and a
// Null leaves the cell empty.
#pragma once

#include "common/Recordset.h"
#include "common/TempBeside.h"
#include "common/Variant.h"

#include <filesystem>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

struct lxw_workbook;
struct lxw_worksheet;
struct lxw_format;

namespace qel::report {

// The number format of every date cell of an export.
inline constexpr const char* kExportDateFormat = "mm/dd/yyyy";

class ExportWorkbook {
public:
    // Starts the workbook for `path` with one sheet named `sheetName`. Throws ServerError (kind
    // Io) when the path is empty, when a file or folder already stands at it (an export writes
    // a new workbook and never replaces one), or when the temporary file cannot be made in its
    // folder (a missing or unwritable folder).
    ExportWorkbook(const std::string& path, const std::string& sheetName);
    // Discards the workbook unless commit() ran: the temporary file is removed.
    ~ExportWorkbook() = default;
    ExportWorkbook(const ExportWorkbook&) = delete;
    ExportWorkbook& operator=(const ExportWorkbook&) = delete;

    // Appends one row of texts (the title row).
    void addTitles(const std::vector<std::string>& titles);
    // Appends one row, the values in column order from column A. Throws ServerError (kind Io)
    // when the sheet cannot take it (more rows than a sheet holds, a text longer than a cell
    // holds).
    void addRow(std::span<const Variant> cells);

    // Writes the workbook and renames it to its path. Throws ServerError (kind Io) when it cannot
    // be written or moved; the temporary file is then removed and nothing stands at the path.
    void commit();

private:
    // Frees a workbook that was never written.
    struct FreeWorkbook {
        void operator()(lxw_workbook* workbook) const;
    };

    [[noreturn]] void fail(const std::string& cause) const;
    void check(int error) const;
    void addCell(int column, const Variant& value);

    std::filesystem::path path_;
    std::string spoolFolder_;
    // Declared before the workbook so that a failing constructor frees the workbook first and
    // then removes its file.
    std::optional<TempBeside> temp_;
    std::unique_ptr<lxw_workbook, FreeWorkbook> workbook_;
    lxw_worksheet* sheet_ = nullptr;
    lxw_format* dateFormat_ = nullptr;
    unsigned row_ = 0;
};

// The field names of a recordset, trailing blanks kept: the title row of its sheet.
std::vector<std::string> titlesOf(const Recordset& rs);

// Appends the recordset's title row and every row in the recordset's order.
void addRecordset(ExportWorkbook& book, const Recordset& rs);
// The same under titles of the caller's.
void addRecordset(ExportWorkbook& book, const Recordset& rs, const std::vector<std::string>& titles);

} // namespace qel::report
