// Reading back a written export workbook: its sheet through the project's workbook reader, and
// the number format of one cell straight from the workbook's parts (the reader gives a date as
// its serial number and says nothing of formats).
#pragma once

#include "common/Workbook.h"

#include <gtest/gtest.h>
#include <zip.h>

#include <filesystem>
#include <regex>
#include <string>
#include <vector>

namespace qel::exporttest {

// The sheet of a workbook: its name and its rows from row 1, each trimmed of trailing empty
// cells. Rows must follow one another without a gap.
struct Sheet {
    std::string name;
    std::vector<std::vector<Variant>> rows;
    bool uses1904Dates = false;
};

inline Sheet readSheet(const std::filesystem::path& path) {
    constexpr int kMaxColumns = 40;
    Workbook book(path.string());
    Sheet sheet{book.sheetName(), {}, book.uses1904Dates()};
    while (book.nextRow()) {
        EXPECT_EQ(book.row(), static_cast<int>(sheet.rows.size()) + 1) << "a gap before row " << book.row();
        std::vector<Variant> cells;
        for (int c = 1; c <= kMaxColumns; ++c)
            cells.push_back(book.cell(c));
        while (!cells.empty() && cells.back().isNull())
            cells.pop_back();
        sheet.rows.push_back(std::move(cells));
    }
    return sheet;
}

// A row's cells as one line that shows each cell's type: texts in quotes, numbers bare, empty
// cells as "-", Yes/No as TRUE/FALSE.
inline std::string show(const std::vector<Variant>& cells) {
    std::string line;
    for (const Variant& v : cells) {
        if (!line.empty())
            line += " | ";
        if (v.isNull())
            line += "-";
        else if (v.isText())
            line += "'" + v.toString() + "'";
        else if (v.isBool())
            line += v.toBool() ? "TRUE" : "FALSE";
        else
            line += v.toString();
    }
    return line;
}

// Every row after the title row, shown.
inline std::vector<std::string> dataRows(const Sheet& sheet) {
    std::vector<std::string> lines;
    for (std::size_t i = 1; i < sheet.rows.size(); ++i)
        lines.push_back(show(sheet.rows[i]));
    return lines;
}

// The title row as texts.
inline std::vector<std::string> titles(const Sheet& sheet) {
    std::vector<std::string> out;
    if (!sheet.rows.empty())
        for (const Variant& v : sheet.rows.front())
            out.push_back(v.toString());
    return out;
}

inline std::string zipPart(const std::filesystem::path& path, const char* name) {
    int error = 0;
    zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
    if (!archive) {
        ADD_FAILURE() << "cannot open " << path;
        return {};
    }
    std::string bytes;
    zip_stat_t stat;
    if (zip_stat(archive, name, 0, &stat) == 0) {
        if (zip_file_t* file = zip_fopen(archive, name, 0)) {
            bytes.resize(stat.size);
            const zip_int64_t got = zip_fread(file, bytes.data(), stat.size);
            bytes.resize(got < 0 ? 0 : static_cast<std::size_t>(got));
            zip_fclose(file);
        }
    } else {
        ADD_FAILURE() << "no part " << name << " in " << path;
    }
    zip_close(archive);
    return bytes;
}

// The number format of a cell of the workbook's first sheet ("B2"): "General" for a cell without
// a style, the format code of a custom format, "#<id>" for a built-in one, "" when the cell is
// not there.
inline std::string numberFormatOf(const std::filesystem::path& path, const std::string& cell) {
    const std::string sheet = zipPart(path, "xl/worksheets/sheet1.xml");
    std::smatch m;
    if (!std::regex_search(sheet, m, std::regex("<c r=\"" + cell + "\"( s=\"([0-9]+)\")?")))
        return "";
    if (!m[2].matched)
        return "General";
    const int style = std::stoi(m[2]);
    const std::string styles = zipPart(path, "xl/styles.xml");
    const std::string xfs = styles.substr(styles.find("<cellXfs"));
    const std::regex xfRe("<xf numFmtId=\"([0-9]+)\"");
    auto it = std::sregex_iterator(xfs.begin(), xfs.end(), xfRe);
    for (int i = 0; i < style && it != std::sregex_iterator(); ++i)
        ++it;
    if (it == std::sregex_iterator())
        return "?";
    const std::string id = (*it)[1];
    if (id == "0")
        return "General";
    std::smatch code;
    if (std::regex_search(styles, code,
                          std::regex("<numFmt numFmtId=\"" + id + "\" formatCode=\"([^\"]*)\"")))
        return code[1];
    return "#" + id;
}

} // namespace qel::exporttest
