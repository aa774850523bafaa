// The one-sheet export workbook: libxlsxwriter in constant-memory mode (rows go to disk as they
// are written, so a sheet of 100,000 assets needs no more memory than one row), assembled in a
// temporary file beside the target and renamed into place.
#include "server/reporting/ExportWorkbook.h"

#include "common/ServerError.h"

#include <xlsxwriter.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <system_error>
#include <unistd.h>

namespace qel::report {
namespace {

namespace fs = std::filesystem;

// Forces the finished file to disk before it is renamed, so the name never points at a workbook
// whose bytes were lost.
bool syncFile(const fs::path& file) {
    const int fd = ::open(file.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool synced = ::fsync(fd) == 0;
    const int error = errno;
    ::close(fd);
    errno = error;
    return synced;
}

// Renames without replacing a file that appeared at the target meanwhile; a file system that
// cannot refuse a replace gets a plain rename (the target was free when the export began).
bool renameNew(const fs::path& from, const fs::path& to) {
    if (::renameat2(AT_FDCWD, from.c_str(), AT_FDCWD, to.c_str(), RENAME_NOREPLACE) == 0)
        return true;
    if (errno != EINVAL && errno != ENOSYS)
        return false;
    return std::rename(from.c_str(), to.c_str()) == 0;
}

} // namespace

void ExportWorkbook::FreeWorkbook::operator()(lxw_workbook* workbook) const {
    lxw_workbook_free(workbook);
}

ExportWorkbook::ExportWorkbook(const std::string& path, const std::string& sheetName) : path_(path) {
    if (path.empty())
        throw ServerError(kErrDatabase, "ExportWorkbook", "No path was given for the workbook.",
                          ErrorKind::Io);
    std::error_code ec;
    if (fs::symlink_status(path_, ec).type() != fs::file_type::not_found && !ec)
        fail("a file already stands at that path, and an export writes a new workbook.");
    try {
        temp_.emplace(path_);
    } catch (const std::system_error& e) {
        fail(e.code().message() + ".");
    }

    // The worksheet's rows are spooled beside the target too: the system's temporary folder may
    // be small or held in memory.
    spoolFolder_ = path_.parent_path().empty() ? "." : path_.parent_path().string();
    lxw_workbook_options options{};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = spoolFolder_.data();
    workbook_.reset(workbook_new_opt(temp_->path().c_str(), &options));
    if (!workbook_)
        fail("the workbook could not be started.");
    sheet_ = workbook_add_worksheet(workbook_.get(), sheetName.c_str());
    if (!sheet_)
        fail("the sheet '" + sheetName + "' could not be added.");
    dateFormat_ = workbook_add_format(workbook_.get());
    if (!dateFormat_)
        fail("the date format could not be added.");
    format_set_num_format(dateFormat_, kExportDateFormat);
}

void ExportWorkbook::fail(const std::string& cause) const {
    throw ServerError(kErrDatabase, "ExportWorkbook",
                      "The workbook '" + path_.string() + "' cannot be written: " + cause, ErrorKind::Io);
}

void ExportWorkbook::check(int error) const {
    switch (error) {
    case LXW_NO_ERROR:
        return;
    case LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE:
        fail("the data set has more rows than a sheet can hold (1,048,576).");
    case LXW_ERROR_MAX_STRING_LENGTH_EXCEEDED:
        fail("a text is longer than a cell can hold (32,767 characters).");
    default:
        fail(std::string(lxw_strerror(static_cast<lxw_error>(error))) + ".");
    }
}

void ExportWorkbook::addCell(int column, const Variant& value) {
    const auto col = static_cast<lxw_col_t>(column);
    if (value.isNull())
        return;
    if (value.isInteger() || value.isDouble()) {
        check(worksheet_write_number(sheet_, row_, col, value.toDouble(), nullptr));
    } else if (value.isBool()) {
        check(worksheet_write_boolean(sheet_, row_, col, value.toBool() ? 1 : 0, nullptr));
    } else if (value.isDate()) {
        const Date d = value.toDate();
        // A workbook holds no date before 1900 or after 9999; such a date keeps its text.
        if (d.year() < 1900 || d.year() > 9999) {
            check(worksheet_write_string(sheet_, row_, col, d.toIso().c_str(), nullptr));
            return;
        }
        lxw_datetime when{d.year(), d.month(), d.day(), 0, 0, 0.0};
        check(worksheet_write_datetime(sheet_, row_, col, &when, dateFormat_));
    } else {
        check(worksheet_write_string(sheet_, row_, col, value.toString().c_str(), nullptr));
    }
}

void ExportWorkbook::addTitles(const std::vector<std::string>& titles) {
    std::vector<Variant> cells(titles.begin(), titles.end());
    addRow(cells);
}

void ExportWorkbook::addRow(std::span<const Variant> cells) {
    if (row_ >= LXW_ROW_MAX)
        check(LXW_ERROR_WORKSHEET_INDEX_OUT_OF_RANGE);
    for (std::size_t i = 0; i < cells.size(); ++i)
        addCell(static_cast<int>(i), cells[i]);
    ++row_;
}

void ExportWorkbook::commit() {
    // Closing writes the file and frees the workbook, whatever the outcome.
    check(workbook_close(workbook_.release()));
    if (!syncFile(temp_->path()))
        fail(std::string(std::strerror(errno)) + ".");
    if (!renameNew(temp_->path(), path_))
        fail(std::string(std::strerror(errno)) + ".");
    temp_->renamed();
}

std::vector<std::string> titlesOf(const Recordset& rs) {
    std::vector<std::string> titles;
    titles.reserve(rs.fieldCount());
    for (const Field& f : rs.fields())
        titles.push_back(f.name);
    return titles;
}

void addRecordset(ExportWorkbook& book, const Recordset& rs) {
    addRecordset(book, rs, titlesOf(rs));
}

void addRecordset(ExportWorkbook& book, const Recordset& rs, const std::vector<std::string>& titles) {
    book.addTitles(titles);
    std::vector<Variant> cells;
    for (const RecordsetRow row : rs.rows()) {
        cells.assign(row.begin(), row.end());
        book.addRow(cells);
    }
}

} // namespace qel::report
