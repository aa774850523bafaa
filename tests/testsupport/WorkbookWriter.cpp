// Test .xlsx workbooks through libxlsxwriter, and file byte helpers.
#include "tests/testsupport/WorkbookWriter.h"

#include <xlsxwriter.h>
#include <zip.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <memory>
#include <stdexcept>
#include <string_view>

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

// Hands libzip the bytes of a repeated part as it asks for them.
class RepeatedPartReader {
public:
    explicit RepeatedPartReader(const RepeatedPart& part) : part_(part) { zip_error_init(&error_); }
    ~RepeatedPartReader() { zip_error_fini(&error_); }
    RepeatedPartReader(const RepeatedPartReader&) = delete;
    RepeatedPartReader& operator=(const RepeatedPartReader&) = delete;

    static zip_int64_t callback(void* state, void* data, zip_uint64_t length, zip_source_cmd_t command) {
        auto& reader = *static_cast<RepeatedPartReader*>(state);
        switch (command) {
        case ZIP_SOURCE_OPEN:
            reader.at_ = 0;
            return 0;
        case ZIP_SOURCE_READ:
            return static_cast<zip_int64_t>(reader.read(static_cast<char*>(data), length));
        case ZIP_SOURCE_CLOSE:
        case ZIP_SOURCE_FREE:
            return 0;
        case ZIP_SOURCE_STAT: {
            auto* stat = static_cast<zip_stat_t*>(data);
            zip_stat_init(stat);
            stat->size = reader.part_.size();
            stat->valid |= ZIP_STAT_SIZE;
            return sizeof(zip_stat_t);
        }
        case ZIP_SOURCE_ERROR:
            return zip_error_to_data(&reader.error_, data, length);
        case ZIP_SOURCE_SUPPORTS:
            return zip_source_make_command_bitmap(ZIP_SOURCE_OPEN, ZIP_SOURCE_READ, ZIP_SOURCE_CLOSE,
                                                  ZIP_SOURCE_STAT, ZIP_SOURCE_ERROR, ZIP_SOURCE_FREE, -1);
        default:
            zip_error_set(&reader.error_, ZIP_ER_OPNOTSUPP, 0);
            return -1;
        }
    }

private:
    // Copies up to `length` bytes from the current position; how many.
    std::uint64_t read(char* out, std::uint64_t length) {
        const std::uint64_t headEnd = part_.head.size();
        const std::uint64_t piecesEnd = headEnd + part_.piece.size() * std::uint64_t{part_.copies};
        std::uint64_t done = 0;
        while (done < length && at_ < part_.size()) {
            std::string_view from;
            if (at_ < headEnd)
                from = std::string_view(part_.head).substr(at_);
            else if (at_ < piecesEnd)
                from = std::string_view(part_.piece).substr((at_ - headEnd) % part_.piece.size());
            else
                from = std::string_view(part_.tail).substr(at_ - piecesEnd);
            const std::uint64_t n = std::min<std::uint64_t>(from.size(), length - done);
            std::copy_n(from.data(), n, out + done);
            done += n;
            at_ += n;
        }
        return done;
    }

    const RepeatedPart& part_;
    zip_error_t error_;
    std::uint64_t at_ = 0;
};

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
    std::vector<RepeatedPart> whole;
    for (const auto& [name, content] : parts)
        whole.push_back({.name = name, .head = content});
    writeRepeatedZip(path, whole);
}

void writeRepeatedZip(const std::filesystem::path& path, const std::vector<RepeatedPart>& parts) {
    // libzip reads each part when the package is closed; the readers live until then.
    std::vector<std::unique_ptr<RepeatedPartReader>> readers;
    int code = 0;
    zip_t* zip = zip_open(path.c_str(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    if (!zip)
        throw std::runtime_error("libzip: cannot create " + path.string());
    for (const RepeatedPart& part : parts) {
        readers.push_back(std::make_unique<RepeatedPartReader>(part));
        zip_source_t* source = zip_source_function(zip, &RepeatedPartReader::callback, readers.back().get());
        if (!source || zip_file_add(zip, part.name.c_str(), source, ZIP_FL_OVERWRITE) < 0) {
            zip_source_free(source);
            zip_discard(zip);
            throw std::runtime_error("libzip: cannot add " + part.name);
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
