// The table model over a recordset.
#include "app/shell/RecordsetModel.h"

#include <cmath>
#include <stdexcept>

namespace qel {

RecordsetModel::RecordsetModel(Recordset rows, QObject* parent)
    : QAbstractTableModel(parent), rows_(std::move(rows)) {}

void RecordsetModel::setRecordset(Recordset rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

Variant RecordsetModel::value(int row, int column) const {
    return rows_.rows().at(static_cast<std::size_t>(row)).at(static_cast<std::size_t>(column));
}

void RecordsetModel::setFormatter(int column, Formatter formatter) {
    if (formatter)
        formatters_[column] = std::move(formatter);
    else
        formatters_.erase(column);
    if (rowCount() > 0)
        emit dataChanged(index(0, column), index(rowCount() - 1, column), {Qt::DisplayRole});
}

QString RecordsetModel::defaultText(const Variant& value) {
    if (value.isDate()) {
        const Date d = std::get<Date>(value.storage());
        return QStringLiteral("%1/%2/%3")
            .arg(d.month(), 2, 10, QLatin1Char('0'))
            .arg(d.day(), 2, 10, QLatin1Char('0'))
            .arg(d.year(), 4, 10, QLatin1Char('0'));
    }
    return QString::fromStdString(value.toString());
}

QString RecordsetModel::text(int row, int column) const {
    const Variant v = value(row, column);
    const auto it = formatters_.find(column);
    return it != formatters_.end() ? it->second(v) : defaultText(v);
}

std::int32_t RecordsetModel::sortTypeCode(int column) const {
    switch (field(column).type) {
    case FieldType::Integer:
    case FieldType::Double:
    case FieldType::Currency:
        return static_cast<std::int32_t>(field(column).type);
    case FieldType::Date:
        return 7;
    case FieldType::Boolean:
    case FieldType::Text:
    case FieldType::Memo:
        return 200;
    }
    return 200;
}

int RecordsetModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.RecordCount());
}

int RecordsetModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(rows_.fieldCount());
}

QVariant RecordsetModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return text(index.row(), index.column());
}

QVariant RecordsetModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    switch (role) {
    case Qt::DisplayRole:
        return QString::fromStdString(field(section).name);
    case TypeCodeRole:
        return static_cast<int>(field(section).type);
    case DefinedSizeRole:
        return field(section).definedSize;
    default:
        return {};
    }
}

bool RecordsetModel::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    rows_.removeRows(static_cast<std::size_t>(row), static_cast<std::size_t>(count));
    endRemoveRows();
    return true;
}

void RecordsetModel::appendRecord(std::vector<Variant> values) {
    values.resize(rows_.fieldCount());
    const int row = rowCount();
    beginInsertRows({}, row, row);
    rows_.addRow(std::move(values));
    endInsertRows();
}

void RecordsetModel::setRecord(int row, std::vector<Variant> values) {
    rows_.setRow(static_cast<std::size_t>(row), values);
    emit dataChanged(index(row, 0), index(row, columnCount() - 1), {Qt::DisplayRole});
}

void RecordsetModel::readSortKeys(int column, std::int32_t typeCode, SortKeys& keys) const {
    const SortKind kind = sortKindOf(typeCode);
    const bool shownByDefault = !formatters_.contains(column);
    const auto c = static_cast<std::size_t>(column);
    if (c >= rows_.fieldCount())
        throw std::out_of_range("no such column");
    for (std::size_t r = 0; r < rows_.RecordCount(); ++r) {
        // A text shown as it is: its key read from the recordset's own bytes.
        if (shownByDefault && kind == SortKind::Text && rows_.kind(r, c) == ValueKind::Text) {
            keys.addText(rows_.text(r, c));
            continue;
        }
        const Variant v = rows_.value(r, c);
        // The default text of a Null, a number or a date reads back as the same key (a number to
        // the 15 significant digits its text shows).
        if (shownByDefault && kind != SortKind::Text && kind != SortKind::None) {
            if (v.isNull()) {
                keys.addEmpty();
                continue;
            }
            if (kind == SortKind::Number && v.isInteger()) {
                keys.addNumber(static_cast<double>(std::get<std::int64_t>(v.storage())));
                continue;
            }
            if (kind == SortKind::Number && v.isDouble() && std::isfinite(std::get<double>(v.storage()))) {
                keys.addNumber(std::get<double>(v.storage()));
                continue;
            }
            if (kind == SortKind::Date && v.isDate()) {
                const Date d = std::get<Date>(v.storage());
                // A year below 100 shown in four digits reads as no date.
                if (d.year() < 100)
                    keys.addEmpty();
                else
                    keys.addNumber(static_cast<double>(d.serial()));
                continue;
            }
        }
        const QString shown = shownByDefault ? defaultText(v) : formatters_.at(column)(v);
        if (kind == SortKind::Text)
            keys.addText(QStringView(shown));
        else
            keys.add(GetSortValue(shown, typeCode));
    }
}

} // namespace qel
