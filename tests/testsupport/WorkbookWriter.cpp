// Test .xlsx workbooks through libxlsxwriter, and file byte helpers.
#include "tests/testsupport/WorkbookWriter.h"

#include <xlsxwriter.h>
#include <zip.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

namespace qel::test {
namespace {

void check(lxw_error rc, const char* what) {
    if (rc != LXW_NO_ERROR)
        throw std::runtime_error(std::string("libxlsxwriter: ") + what + ": " + lxw_strerror(rc));
}

void writeCell(lxw_worksheet* sheet, lxw_row_t row, lxw_col_t col, const Variant& value,
               lxw_format* dateFormat) {
    if (value.isNull())
        return;
    if (value.isText()) {
        check(worksheet_write_string(sheet, row, col, value.toString().c_str(), nullptr), "write_string");
    } else if (value.isBool()) {
        check(worksheet_write_boolean(sheet, row, col, value.toBool(), nullptr), "write_boolean");
    } else if (value.isDate()) {
        const Date d = value.toDate();
        lxw_datetime dt{d.year(), d.month(), d.day(), 0, 0, 0};
        check(worksheet_write_datetime(sheet, row, col, &dt, dateFormat), "write_datetime");
    } else {
        check(worksheet_write_number(sheet, row, col, value.toDouble(), nullptr), "write_number");
    }
}

} // namespace

void writeXlsx(const std::filesystem::path& path, const SheetData& rows, const XlsxOptions& options) {
    writeXlsx(path, std::vector<XlsxSheetData>{{"Sheet1", rows}}, 0, options);
}

void writeXlsx(const std::filesystem::path& path, const std::vector<XlsxSheetData>& sheets, int active,
               const XlsxOptions& options) {
    lxw_workbook_options opts{};
    opts.constant_memory = options.inlineStrings ? LXW_TRUE : LXW_FALSE;
    lxw_workbook* book = workbook_new_opt(path.c_str(), &opts);
    if (!book)
        throw std::runtime_error("libxlsxwriter: cannot create " + path.string());
    lxw_format* dateFormat = workbook_add_format(book);
    format_set_num_format(dateFormat, "mm/dd/yyyy");
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        lxw_worksheet* sheet = workbook_add_worksheet(book, sheets[s].name.c_str());
        const auto& rows = sheets[s].rows;
        const bool isActive = static_cast<int>(s) == active;
        const auto isFormula = [&](std::size_t r, std::size_t c) {
            return isActive &&
                   std::any_of(options.formulas.begin(), options.formulas.end(),
                               [&](const SheetFormula& f) { return f.row == r && f.column == c; });
        };
        for (std::size_t r = 0; r < rows.size(); ++r)
            for (std::size_t c = 0; c < rows[r].size(); ++c)
                if (!isFormula(r, c))
                    writeCell(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c), rows[r][c],
                              dateFormat);
        for (const SheetFormula& f : isActive ? options.formulas : std::vector<SheetFormula>{}) {
            const auto row = static_cast<lxw_row_t>(f.row);
            const auto col = static_cast<lxw_col_t>(f.column);
            if (!f.error.empty() || f.result.isBool())
                throw std::runtime_error("the .xlsx test writer stores only number and text results");
            if (f.result.isText())
                check(worksheet_write_formula_str(sheet, row, col, f.formula.c_str(), nullptr,
                                                  f.result.toString().c_str()),
                      "write_formula_str");
            else
                check(worksheet_write_formula_num(sheet, row, col, f.formula.c_str(), nullptr,
                                                  f.result.toDouble()),
                      "write_formula_num");
        }
        if (isActive)
            worksheet_activate(sheet);
    }
    check(workbook_close(book), "close");
}

void writeZip(const std::filesystem::path& path,
              const std::vector<std::pair<std::string, std::string>>& parts) {
    int code = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip)
        throw std::runtime_error("libzip: cannot create " + path.string());
    for (const auto& [name, content] : parts) {
        zip_source_t* source = zip_source_buffer(zip, content.data(), content.size(), 0);
        if (!source || zip_file_add(zip, name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            throw std::runtime_error("libzip: cannot add " + name);
        }
    }
    if (zip_close(zip) < 0) {
        zip_discard(zip);
        throw std::runtime_error("libzip: cannot write " + path.string());
    }
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot read " + path.string());
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace qel::test
