// List sorting shared by the report windows and the maintenance window: a list is sorted by one
// column as text, numbers or dates, and a second sort of the same column flips the order.
//
// The program keeps one sort state (column, type code, order) for all its lists, so a sort in
// one list decides whether the next sort of that column in another list flips. A list shows its
// rows through a ListSortProxy, whose comparison is a strict weak ordering: empty and unreadable
// cells come first, numbers compare as numbers, dates as dates, texts ignoring case on the whole
// text. Equal rows keep their order.
#pragma once

#include "common/Date.h"

#include <QSortFilterProxyModel>
#include <QString>

#include <cstdint>
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

// A model that gives the sort values of a whole column at once, each computed once from the
// cell's shown text with GetSortValue (RecordsetModel), so that a sort compares values instead
// of reading and converting two cells' texts at every comparison.
class SortValueSource {
public:
    virtual ~SortValueSource() = default;
    // The sort values of the column's rows, in row order, under the type code.
    virtual const std::vector<SortValue>& sortValues(int column, std::int32_t typeCode) const = 0;
};

// The sorting layer between a list's model and its view. Cells are read as their display text,
// or as the source model's sort values when it gives them (SortValueSource); the order is the
// same either way.
class ListSortProxy : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setSourceModel(QAbstractItemModel* model) override;

    // The type code the rows are sorted by; rows added later go to their place by it.
    std::int32_t sortTypeCode() const { return typeCode_; }
    void setSortTypeCode(std::int32_t typeCode) { typeCode_ = typeCode; }

protected:
    bool lessThan(const QModelIndex& left, const QModelIndex& right) const override;

private:
    std::int32_t typeCode_ = 0;
    const SortValueSource* values_ = nullptr;
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
