// ReportList: the rows of one report window as plain data, without any toolkit. The report
// fillers write it, the report window shows it through a table model, and printing and other
// windows read it without knowing the reports library.
//
// A list has columns (title, width in twips, alignment, the field's type code) and rows of
// cells; cell 0 of a row is its first column (the "item text"), cell k its column k + 1. Each
// row has a kind (a record's row, or a blank, subtotal or total row that a filler adds) and may
// head a group: the leading cells of a group's first row name the group (a method, an account,
// an asset class), the group's other rows hold a blank there.
//
// A report window holds its list for as long as it is open, at 100,000 rows and more, so the
// list is held compactly: the cells' texts one after another in blocks of 64 KB, each cell eight
// bytes (where its text starts, its length and its bold mark), and each row two bytes (its kind
// and the cells naming its group). A block, once written, never moves, so the list grows without
// copying its texts and a cell read stays valid while the list lives. A window that sorts the
// list reads it through an order of its own (ShownList) instead of copying it.
#pragma once

#include "common/TextBlocks.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

enum class CellAlign { Left, Right };

struct ReportColumn {
    std::string title;      // the field name as the query gives it, trailing blanks kept
    std::int32_t width = 0; // twips; 0 hides the column
    CellAlign align = CellAlign::Left;
    std::int32_t typeCode = 202; // the field's type code (3 integer, 5 double, 7 date, 202 text...)
};

// A cell as read: its text, a view valid while the list lives, and its weight.
struct ReportCell {
    std::string_view text;
    bool bold = false;
};

// What a row is: a record's row, or one of the rows a filler adds around the records.
enum class RowKind : std::uint8_t { Data, Blank, Subtotal, Total };

class ReportList;

// A row of a list, to write its cells and read them back: the list and the row's position, so
// it stays valid while the filler appends further rows.
class ReportRow {
public:
    ReportRow(ReportList& list, std::size_t index) : list_(&list), index_(index) {}

    std::size_t index() const { return index_; }
    RowKind kind() const;
    // On the first row of a group: how many leading cells name the group (0 on other rows).
    std::uint8_t groupCells() const;
    void setGroupCells(std::uint8_t count);
    // One cell per column.
    std::size_t cellCount() const;
    std::string_view text(std::size_t column) const;
    // Writes a cell; a column beyond the list's is left alone.
    void set(std::size_t column, std::string_view text, bool bold = false);

private:
    ReportList* list_;
    std::size_t index_;
};

class ReportList {
public:
    const std::vector<ReportColumn>& columns() const { return columns_; }
    // A column to change its width, title or alignment; the columns' number stays.
    ReportColumn& column(std::size_t index) { return columns_.at(index); }
    std::size_t columnCount() const { return columns_.size(); }
    // Adds a column; a list takes its columns before its first row (throws std::logic_error
    // after).
    void addColumn(ReportColumn column);

    std::size_t rowCount() const { return rows_.size(); }
    RowKind kind(std::size_t row) const { return rows_.at(row).kind; }
    std::uint8_t groupCells(std::size_t row) const { return rows_.at(row).groupCells; }
    // A cell; empty and regular for a position the list does not have.
    ReportCell cell(std::size_t row, std::size_t column) const;
    std::string_view text(std::size_t row, std::size_t column) const { return cell(row, column).text; }

    // Appends a row of the kind with one empty cell per column.
    ReportRow appendRow(RowKind kind = RowKind::Data);
    // Appends a row of the kind whose every cell holds `text` (held once for the row).
    ReportRow appendFilledRow(RowKind kind, std::string_view text);
    // A row appended before, to write.
    ReportRow row(std::size_t index) { return ReportRow(*this, checkedRow(index)); }
    // Writes a cell; a column beyond the list's is left alone. Throws std::length_error when
    // the list's texts would pass 4 GB.
    void setCell(std::size_t row, std::size_t column, std::string_view text, bool bold = false);
    void setGroupCells(std::size_t row, std::uint8_t count) { rows_.at(row).groupCells = count; }
    // Makes room for `count` rows in all, so that a filler that knows its rows fills the list
    // without moving its cells.
    void reserveRows(std::size_t count);

    // The sum of the column widths, in twips (hidden columns count 0).
    std::int64_t width() const;
    // The bytes the rows take in memory (cells, row marks and texts, room made included).
    std::size_t heldBytes() const;

private:
    // A cell's text starts at `offset` of the list's texts; the top bit of lengthAndBold is the
    // bold mark.
    struct Cell {
        std::uint32_t offset = 0;
        std::uint32_t lengthAndBold = 0;
    };
    struct RowMark {
        RowKind kind = RowKind::Data;
        std::uint8_t groupCells = 0;
    };
    static constexpr std::uint32_t kBold = 0x8000'0000u;
    static_assert(TextBlocks::kLongestText < kBold);

    std::size_t checkedRow(std::size_t index) const;

    std::vector<ReportColumn> columns_;
    std::vector<RowMark> rows_;
    std::vector<Cell> cells_; // row by row, columnCount() each
    TextBlocks texts_;
};

// The order in which a window shows a list's rows, and the cell it shows at each place: where
// a sort has moved a group's records, the cells naming the group show on its first row shown.
class ShownOrder {
public:
    virtual ~ShownOrder() = default;
    virtual std::size_t rowCount() const = 0;
    virtual ReportCell shownCell(std::size_t shownRow, std::size_t column) const = 0;

protected:
    ShownOrder() = default;
    ShownOrder(const ShownOrder&) = default;
    ShownOrder& operator=(const ShownOrder&) = default;
};

// A list read as a window shows it, without a copy: in the list's own order, or in a window's
// order. It refers to both; it is passed to be read at once, not kept.
class ShownList {
public:
    // The list in its own order; implicit, so a plain list is given wherever a shown one is read.
    ShownList(const ReportList& list) : list_(&list) {}
    ShownList(const ReportList& list, const ShownOrder& order) : list_(&list), order_(&order) {}

    const ReportList& list() const { return *list_; }
    const std::vector<ReportColumn>& columns() const { return list_->columns(); }
    std::size_t columnCount() const { return list_->columnCount(); }
    std::size_t rowCount() const { return order_ ? order_->rowCount() : list_->rowCount(); }
    ReportCell cell(std::size_t shownRow, std::size_t column) const {
        return order_ ? order_->shownCell(shownRow, column) : list_->cell(shownRow, column);
    }

private:
    const ReportList* list_;
    const ShownOrder* order_ = nullptr;
};

// The list's rows are written and read by libraries without the toolkit (the fillers, the
// printouts), so they are defined here.
inline RowKind ReportRow::kind() const {
    return list_->kind(index_);
}

inline std::uint8_t ReportRow::groupCells() const {
    return list_->groupCells(index_);
}

inline void ReportRow::setGroupCells(std::uint8_t count) {
    list_->setGroupCells(index_, count);
}

inline std::size_t ReportRow::cellCount() const {
    return list_->columnCount();
}

inline std::string_view ReportRow::text(std::size_t column) const {
    return list_->text(index_, column);
}

inline void ReportRow::set(std::size_t column, std::string_view text, bool bold) {
    list_->setCell(index_, column, text, bold);
}

inline void ReportList::addColumn(ReportColumn column) {
    if (!rows_.empty())
        throw std::logic_error("a report list takes its columns before its rows");
    columns_.push_back(std::move(column));
}

inline ReportCell ReportList::cell(std::size_t row, std::size_t column) const {
    if (row >= rows_.size() || column >= columns_.size())
        return {};
    const Cell& c = cells_[row * columns_.size() + column];
    return {texts_.view(c.offset, c.lengthAndBold & ~kBold), (c.lengthAndBold & kBold) != 0};
}

inline std::size_t ReportList::checkedRow(std::size_t index) const {
    if (index >= rows_.size())
        throw std::out_of_range("no such report row");
    return index;
}

inline ReportRow ReportList::appendRow(RowKind kind) {
    rows_.push_back(RowMark{kind, 0});
    cells_.resize(cells_.size() + columns_.size());
    return ReportRow(*this, rows_.size() - 1);
}

inline ReportRow ReportList::appendFilledRow(RowKind kind, std::string_view text) {
    ReportRow row = appendRow(kind);
    const Cell filled{texts_.store(text), static_cast<std::uint32_t>(text.size())};
    std::fill(cells_.end() - static_cast<std::ptrdiff_t>(columns_.size()), cells_.end(), filled);
    return row;
}

inline void ReportList::setCell(std::size_t row, std::size_t column, std::string_view text, bool bold) {
    checkedRow(row);
    if (column >= columns_.size())
        return;
    const std::uint32_t offset = texts_.store(text);
    cells_[row * columns_.size() + column] =
        Cell{offset, static_cast<std::uint32_t>(text.size()) | (bold ? kBold : 0u)};
}

inline void ReportList::reserveRows(std::size_t count) {
    rows_.reserve(count);
    cells_.reserve(count * columns_.size());
}

inline std::int64_t ReportList::width() const {
    std::int64_t sum = 0;
    for (const ReportColumn& c : columns_)
        sum += c.width;
    return sum;
}

inline std::size_t ReportList::heldBytes() const {
    return rows_.capacity() * sizeof(RowMark) + cells_.capacity() * sizeof(Cell) + texts_.heldBytes();
}

} // namespace qel
