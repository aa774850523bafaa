// List sorting shared by the report windows and the maintenance window: a list is sorted by one
// column as text, numbers or dates, and a second sort of the same column flips the order.
//
// The program keeps one sort state (column, type code, order) for all its lists, so a sort in
// one list decides whether the next sort of that column in another list flips. A list shows its
// rows through a ListSortProxy, whose order is a strict weak ordering: empty and unreadable
// cells come first, numbers compare as numbers, dates as dates, texts ignoring case on the whole
// text. Equal rows keep their order. A sort reads each row's key once (SortKeys) and sorts row
// numbers by them, so a list of 100,000 rows sorts in a few times the time of sorting as many
// plain numbers.
#pragma once

#include "common/Date.h"

#include <QAbstractProxyModel>
#include <QString>
#include <QStringView>

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class QAbstractItemView;

namespace qel {

// How the cells of a column are read, by the column's ADO type code: 2, 3, 4, 5, 6, 14, 16 to
// 21 and 131 numbers; 7 and 133 to 135 dates; 129 and 200 texts; any other code reads every
// cell as empty (no order).
enum class SortKind { Number, Date, Text, None };
SortKind sortKindOf(std::int32_t typeCode);

// One cell's sort value.
struct SortValue {
    enum class Kind { Empty, Number, Date, Text } kind = Kind::Empty;
    double number = 0;
    Date date;
    QString text;
};

// The sort value of a cell's text under a type code. A blank cell, and a cell that does not read
// as its kind (a word in a number column), is Empty. Numbers may carry blanks at either end, a
// sign, thousands separators, a decimal point, a leading "$" and parentheses for a negative
// amount ("($1,234.50)"). Dates read as month/day/year (a two-digit year is 1930 to 2029) or
// as "YYYY-MM-DD".
SortValue GetSortValue(const QString& cellText, std::int32_t typeCode);

// The ordering of sort values: Empty first, then numbers by value, dates by day, texts ignoring
// case.
bool sortLess(const SortValue& a, const SortValue& b);

// The program's one sort state; order 0 until the first sort, then 1 ascending, 2 descending.
struct ListSortState {
    std::int32_t column = 0;
    std::int32_t typeCode = 0;
    std::int16_t order = 0;
};
ListSortState& listSortState();

// Takes a sort into the state and returns the order to sort in (1 or 2). A column other than
// the remembered one starts from descending, so that order 0 (toggle) sorts it ascending; order
// 0 on the remembered column flips its order. Order 1 or 2 is taken as given. As the state
// starts on column 0, the program's very first toggled sort of column 0 is descending.
std::int16_t rememberSort(ListSortState& state, std::int32_t column, std::int32_t typeCode,
                          std::int16_t order);

// One column's sort keys, one per row, read once for a sort so that the sort compares plain
// values: a number per row for number and date columns (a date as its day number), the
// case-folded text for text columns (all of a column's texts in one buffer). Empty and
// unreadable cells come first: as the lowest number, as the empty text. The order is the order
// of sortLess on the cells' sort values.
//
// A list keeps one SortKeys for all its sorts: starting over keeps the memory of the last keys,
// so a sort of 100,000 rows does not wait on fresh pages from the system each time.
class SortKeys {
public:
    SortKeys() = default;
    SortKeys(SortKind kind, std::size_t rows) { start(kind, rows); }

    // Drops the keys for those of a column of the kind with about that many rows.
    void start(SortKind kind, std::size_t rows);

    SortKind kind() const { return kind_; }
    std::size_t size() const { return kind_ == SortKind::Text ? texts_.size() : numbers_.size(); }

    // Appends the next row's key: a sort value of the keys' kind, or Empty.
    void add(const SortValue& value);
    // A number column's number, or a date column's day number.
    void addNumber(double value);
    // A text column's cell as shown, as UTF-16 or as UTF-8; a blank one is empty.
    void addText(QStringView text);
    void addText(std::string_view utf8);
    void addEmpty();

    // Sorts the row numbers in [first, last), each an index into the keys, by their keys; rows
    // whose keys are equal keep the order they had, in either direction. Keys of kind None
    // leave the rows as they are.
    void sort(std::vector<int>::iterator first, std::vector<int>::iterator last, bool descending) const;
    void sort(std::vector<std::size_t>::iterator first, std::vector<std::size_t>::iterator last,
              bool descending) const;

private:
    // Where a text key lies in the buffer.
    struct TextSpan {
        std::uint32_t offset = 0;
        std::uint32_t length = 0;
    };
    // Eight UTF-16 units of a text key, after the prefix all the keys share, packed in order.
    using TextHead = std::array<std::uint64_t, 2>;
    // What a sort orders: a row's key as words that order as unsigned numbers, most significant
    // first (a number's ordered bits, or a text's head), and the row.
    template <std::size_t Words> struct Entry {
        std::array<std::uint64_t, Words> key;
        std::uint32_t row;
    };

    template <class RowIt> void sortRows(RowIt first, RowIt last, bool descending) const;
    // Orders the rows by the key keyOf(row) gives each, through the entries and their scratch.
    template <class RowIt, class SortEntry, class KeyOf>
    void orderRows(RowIt first, RowIt last, bool descending, std::vector<SortEntry>& entries,
                   std::vector<SortEntry>& scratch, KeyOf keyOf) const;
    void appendFolded(QStringView text);
    std::u16string_view text(std::size_t row) const;
    void makeHeads() const;

    SortKind kind_ = SortKind::None;
    std::vector<double> numbers_;
    std::vector<TextSpan> texts_;
    std::u16string folded_; // every text key, one after the other
    // Made by the first sort of text keys, one per key; when no head holds a unit of 256 or
    // more, each is packed into its first word, a byte a unit.
    mutable std::vector<TextHead> heads_;
    mutable bool narrowHeads_ = false;
    // The entries of the last sort and the room the sort moves them through, kept for their
    // memory: of one word (numbers, dates, packed heads) or two (heads of wider letters).
    mutable std::vector<Entry<1>> entries_;
    mutable std::vector<Entry<1>> scratch_;
    mutable std::vector<Entry<2>> wideEntries_;
    mutable std::vector<Entry<2>> wideScratch_;
};

// A model that reads a column's sort keys itself (RecordsetModel), from its values rather than
// through their shown texts, in the same order as the keys of the shown texts.
class SortValueSource {
public:
    virtual ~SortValueSource() = default;
    // Reads the sort keys of the column's rows, in row order, under the type code, into `keys`
    // (started over by the model).
    virtual void readSortKeys(int column, std::int32_t typeCode, SortKeys& keys) const = 0;
};

// The sorting layer between a list's model and its view, over a table model. A sort reads the
// column's keys once (from the source model when it is a SortValueSource, otherwise from each
// cell's display text) and reorders the rows as shown: rows with equal keys keep the order they
// were shown in. While a column is sorted, rows the source adds or changes go to their place.
// Removing rows through the proxy removes them from the source model.
class ListSortProxy : public QAbstractProxyModel {
public:
    using QAbstractProxyModel::QAbstractProxyModel;

    void setSourceModel(QAbstractItemModel* model) override;

    // The type code the rows are sorted by; rows added later go to their place by it.
    std::int32_t sortTypeCode() const { return typeCode_; }
    void setSortTypeCode(std::int32_t typeCode) { typeCode_ = typeCode; }

    // Sorts by the column (below 0: back to the source's order) under the sort type code.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
    int sortColumn() const { return sortColumn_; }
    Qt::SortOrder sortOrder() const { return sortOrder_; }

    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QModelIndex mapToSource(const QModelIndex& proxyIndex) const override;
    QModelIndex mapFromSource(const QModelIndex& sourceIndex) const override;
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;

private:
    // Reorders sourceRows_ by the sort column, without signals.
    void reorder();
    // reorder() as a layout change, the persistent indexes following their rows.
    void resort();
    // The rows in the source's order, sorted again when a column is sorted.
    void rebuild();
    void rebuildProxyRows();

    void sourceRowsInserted(const QModelIndex& parent, int first, int last);
    void sourceRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last);
    void sourceRowsRemoved(const QModelIndex& parent, int first, int last);
    void sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                           const QList<int>& roles);

    std::int32_t typeCode_ = 0;
    int sortColumn_ = -1;
    Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
    const SortValueSource* values_ = nullptr;
    std::vector<int> sourceRows_; // the source row shown at each row
    std::vector<int> proxyRows_;  // the row each source row is shown at
    SortKeys keys_;
    std::vector<QMetaObject::Connection> connections_;
};

// Sorts the list by a column (0 = the first) read under a type code, in order 1 ascending, 2
// descending, or 0 to toggle (rememberSort).
void SortListView(ListSortProxy& list, std::int32_t column, std::int32_t typeCode, std::int16_t order);

// What RemoveSortedItem needs of the maintenance window.
class MaintListHost {
public:
    virtual ~MaintListHost() = default;
    // The list of the maintained table; its model is a ListSortProxy over a model that can
    // remove rows.
    virtual QAbstractItemView& lvMain() = 0;
    virtual void ClearEditMode() = 0;
    virtual void NewRecord() = 0;
    virtual void ItializeDataField() = 0;
    virtual void UpdateMaintStatusBar(const QString& message, const QString& colour) = 0;
};

// Removes the selected row of the maintenance list after a delete. After a sort in this run the
// list stays in the remembered order and the edit fields are cleared for a new record; before
// any sort the row now selected is loaded into the edit fields. Both end with "Record Deleted"
// on the window's status line. Failures show "Error in RemoveSortedItem ".
void RemoveSortedItem(MaintListHost& window);

} // namespace qel
