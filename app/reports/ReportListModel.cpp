// The table model of a report window.
#include "app/reports/ReportListModel.h"

#include "app/shell/ListSort.h"

#include <vector>

namespace qel::reports {
namespace {

constexpr std::int32_t kDateType = 7;
constexpr std::int32_t kNumberType = 5;
// Whatever the field's own code (202 for text, 203 for a memo), a column that sorts as text
// sorts under the list sort's text code.
constexpr std::int32_t kTextType = 200;

// Reads the sort keys of a column, one per list row, each cell read once and trimmed: dates as
// shown ("mm/yyyy", the first of the month), amounts, or text.
void readSortKeys(const ReportList& list, std::size_t column, SortKeys& keys) {
    const ReportColumn& c = list.columns()[column];
    const bool number = sortKindOf(c.typeCode) == SortKind::Number || c.align == CellAlign::Right;
    const std::int32_t type = c.typeCode == kDateType ? kDateType : number ? kNumberType : kTextType;
    keys.start(sortKindOf(type), list.rowCount());
    for (std::size_t r = 0; r < list.rowCount(); ++r) {
        const std::string_view text = list.text(r, column);
        const QString cell = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).trimmed();
        if (type == kTextType) {
            keys.addText(QStringView(cell));
        } else if (type == kDateType) {
            const QStringList parts = cell.split(QLatin1Char('/'));
            keys.add(
                GetSortValue(parts.size() == 2 ? parts[0] + QStringLiteral("/01/") + parts[1] : cell, type));
        } else {
            keys.add(GetSortValue(cell, type));
        }
    }
}

} // namespace

ReportListModel::ReportListModel(ReportList list, const QFont& font, QObject* parent)
    : QAbstractTableModel(parent), list_(std::move(list)), order_(list_), bold_(font) {
    bold_.setBold(true);
}

int ReportListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.rowCount());
}

int ReportListModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(list_.columnCount());
}

QVariant ReportListModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const auto column = static_cast<std::size_t>(index.column());
    switch (role) {
    case Qt::DisplayRole: {
        const std::string_view text = order_.shownCell(static_cast<std::size_t>(index.row()), column).text;
        return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    }
    case Qt::FontRole:
        if (order_.shownCell(static_cast<std::size_t>(index.row()), column).bold)
            return bold_;
        return {};
    case Qt::TextAlignmentRole:
        return QVariant::fromValue(
            (list_.columns()[column].align == CellAlign::Right ? Qt::AlignRight : Qt::AlignLeft) |
            Qt::AlignVCenter);
    default:
        return {};
    }
}

QVariant ReportListModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return QAbstractTableModel::headerData(section, orientation, role);
    const ReportColumn& column = list_.columns()[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole)
        return QString::fromStdString(column.title);
    if (role == Qt::TextAlignmentRole)
        return QVariant::fromValue((column.align == CellAlign::Right ? Qt::AlignRight : Qt::AlignLeft) |
                                   Qt::AlignVCenter);
    return {};
}

void ReportListModel::sort(int column, Qt::SortOrder order) {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // The selection keeps its rows: remember the list row under each kept index.
    const QModelIndexList kept = persistentIndexList();
    std::vector<std::size_t> keptRows;
    keptRows.reserve(static_cast<std::size_t>(kept.size()));
    for (const QModelIndex& i : kept)
        keptRows.push_back(order_.sourceRow(static_cast<std::size_t>(i.row())));

    if (column < 0 || column >= columnCount()) {
        order_.reset();
    } else {
        readSortKeys(list_, static_cast<std::size_t>(column), keys_);
        const bool descending = order == Qt::DescendingOrder;
        order_.sortRuns(
            [&](ListOrder::RowIt first, ListOrder::RowIt last) { keys_.sort(first, last, descending); });
    }

    if (!kept.isEmpty()) {
        std::vector<int> viewRowOf(list_.rowCount());
        for (std::size_t v = 0; v < order_.rowCount(); ++v)
            viewRowOf[order_.sourceRow(v)] = static_cast<int>(v);
        QModelIndexList moved;
        moved.reserve(kept.size());
        for (qsizetype k = 0; k < kept.size(); ++k)
            moved.append(index(viewRowOf[keptRows[static_cast<std::size_t>(k)]], kept[k].column()));
        changePersistentIndexList(kept, moved);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

} // namespace qel::reports
