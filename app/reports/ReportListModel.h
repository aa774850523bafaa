// The table model through which a report window shows its ReportList: one view row per list
// row, the columns' titles and alignment, bold cells in a bold font; sorting by a column keeps
// the report's subtotal and total rows in place (ListOrder).
//
// Cells are read as the list holds them; the model converts only the cells a view asks for, so
// a list of 100,000 rows opens and scrolls at once. A sort reads each row's cell of the column
// once, by the rules of the program's list sorting (ListSort.h): a date column by its
// "mm/yyyy" dates, a number column or a right-aligned column by its amounts, any other column
// (a description, a method, an account) as text ignoring case; empty and unreadable cells
// first.
#pragma once

#include "app/reports/rules/ListOrder.h"
#include "app/shell/ListSort.h"
#include "app/shell/ReportList.h"

#include <QAbstractTableModel>
#include <QFont>

namespace qel::reports {

class ReportListModel : public QAbstractTableModel {
public:
    // The model keeps the list; `font` is the view's font, made bold for bold cells.
    ReportListModel(ReportList list, const QFont& font, QObject* parent = nullptr);

    const ReportList& list() const { return list_; }
    // The list as the view shows it, read through the model's order without a copy: its rows
    // in the order shown, each cell as shown (a group's name on the group's first row shown).
    // Valid until the model sorts again or goes.
    ShownList shown() const { return ShownList(list_, order_); }

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // A column below 0 restores the report's own order.
    void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;

private:
    ReportList list_;
    ListOrder order_;
    SortKeys keys_; // kept from sort to sort for its memory
    QFont bold_;
};

} // namespace qel::reports
