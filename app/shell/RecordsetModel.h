// RecordsetModel: the table model every list, picker and report window shows its rows through,
// over a Recordset (common/Recordset.h): one column per field, headed by the field's name as the
// statement gave it (trailing blanks kept), one row per record.
//
// A cell shows Null as empty, a date as mm/dd/yyyy, a number in plain decimal and any other value
// as its text; a window that shows amounts its own way sets a formatter for those columns. Each
// field's type code and defined size stay available (field(), and the header roles), so windows
// size their columns and choose how a column sorts. Put a ListSortProxy between the model and the
// view: it sorts by the keys the model reads once per sort, in the order the rules of
// GetSortValue (ListSort.h) give the shown texts; numbers and dates shown by default are read
// from their values without making their texts, so a sort stays fast at 100,000 rows.
#pragma once

#include "app/shell/ListSort.h"
#include "common/Recordset.h"

#include <QAbstractTableModel>

#include <functional>
#include <map>
#include <vector>

namespace qel {

class RecordsetModel : public QAbstractTableModel, public SortValueSource {
public:
    // Header roles of a column: its field's type code (FieldType) and defined size.
    enum Role { TypeCodeRole = Qt::UserRole + 1, DefinedSizeRole };

    // A cell's text from its value.
    using Formatter = std::function<QString(const Variant&)>;

    explicit RecordsetModel(Recordset rows = {}, QObject* parent = nullptr);

    // Shows other rows (the formatters stay).
    void setRecordset(Recordset rows);
    const Recordset& recordset() const { return rows_; }
    const Field& field(int column) const { return rows_.field(static_cast<std::size_t>(column)); }
    // The value of a cell.
    Variant value(int row, int column) const;

    // Shows the column's cells through the formatter; an empty one gives the default text back.
    void setFormatter(int column, Formatter formatter);
    // A cell's text as shown.
    QString text(int row, int column) const;
    // The default text of a value: Null empty, a date mm/dd/yyyy, anything else Variant::toString.
    static QString defaultText(const Variant& value);

    // The type code a column sorts by (ListSort.h): 7 for dates, the field's own code for numbers,
    // 200 (text) for texts, memos and Yes/No values.
    std::int32_t sortTypeCode(int column) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    // Removes records (the maintenance list after a delete).
    bool removeRows(int row, int count, const QModelIndex& parent = {}) override;
    // Appends a record, its values in field order (the maintenance list after an insert).
    void appendRecord(std::vector<Variant> values);
    // Replaces a record's values, in field order (the maintenance list after an update).
    void setRecord(int row, std::vector<Variant> values);

    void readSortKeys(int column, std::int32_t typeCode, SortKeys& keys) const override;

private:
    Recordset rows_;
    std::map<int, Formatter> formatters_;
};

} // namespace qel
