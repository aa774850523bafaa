// ReportList: the rows of one report window as plain data, without any toolkit. The report
// fillers write it, the report window shows it through a table model, and printing and other
// windows read it without knowing the reports library.
//
// A list has columns (title, width in twips, alignment, the field's type code) and rows of
// cells; cell 0 of a row is its first column (the "item text"), cell k its column k + 1. Each
// row has a kind (a record's row, or a blank, subtotal or total row that a filler adds) and may
// head a group: the leading cells of a group's first row name the group (a method, an account,
// an asset class), the group's other rows hold a blank there.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qel {

enum class CellAlign { Left, Right };

struct ReportColumn {
    std::string title;      // the field name as the query gives it, trailing blanks kept
    std::int32_t width = 0; // twips; 0 hides the column
    CellAlign align = CellAlign::Left;
    std::int32_t typeCode = 202; // the field's type code (3 integer, 5 double, 7 date, 202 text...)
};

struct ReportCell {
    std::string text;
    bool bold = false;
};

// What a row is: a record's row, or one of the rows a filler adds around the records.
enum class RowKind { Data, Blank, Subtotal, Total };

struct ReportRow {
    RowKind kind = RowKind::Data;
    // On the first row of a group: how many leading cells name the group (0 on other rows).
    std::uint8_t groupCells = 0;
    std::vector<ReportCell> cells; // one per column
};

class ReportList {
public:
    const std::vector<ReportColumn>& columns() const { return columns_; }
    std::vector<ReportColumn>& columns() { return columns_; }
    std::size_t columnCount() const { return columns_.size(); }
    void addColumn(ReportColumn column) { columns_.push_back(std::move(column)); }

    const std::vector<ReportRow>& rows() const { return rows_; }
    std::size_t rowCount() const { return rows_.size(); }
    const ReportRow& row(std::size_t index) const { return rows_.at(index); }

    // Appends a row of the kind with one empty cell per column; the reference stays valid
    // until the next append.
    ReportRow& appendRow(RowKind kind = RowKind::Data) {
        rows_.push_back(ReportRow{kind, 0, std::vector<ReportCell>(columns_.size())});
        return rows_.back();
    }
    // Appends a row of the kind whose every cell holds `text`.
    ReportRow& appendFilledRow(RowKind kind, const std::string& text) {
        ReportRow& r = appendRow(kind);
        for (ReportCell& c : r.cells)
            c.text = text;
        return r;
    }
    void reserveRows(std::size_t count) { rows_.reserve(count); }

    // The text of a cell; empty for a position the list does not have.
    const std::string& text(std::size_t rowIndex, std::size_t column) const {
        static const std::string none;
        if (rowIndex >= rows_.size() || column >= rows_[rowIndex].cells.size())
            return none;
        return rows_[rowIndex].cells[column].text;
    }

    // The sum of the column widths, in twips (hidden columns count 0).
    std::int64_t width() const {
        std::int64_t sum = 0;
        for (const ReportColumn& c : columns_)
            sum += c.width;
        return sum;
    }

private:
    std::vector<ReportColumn> columns_;
    std::vector<ReportRow> rows_;
};

} // namespace qel
