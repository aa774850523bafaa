// List sorting: the sort values, their ordering and the program's sort state.
#include "app/shell/ListSort.h"

#include "app/shell/DateCheck.h"
#include "app/shell/ErrorBox.h"

#include <QAbstractItemView>

#include <stdexcept>

namespace qel {
namespace {

// Reads a number as the list shows it; nothing when the text is no number.
std::optional<double> readNumber(QString s) {
    s = s.trimmed();
    bool negative = false;
    if (s.startsWith(QLatin1Char('(')) && s.endsWith(QLatin1Char(')'))) {
        negative = true;
        s = s.mid(1, s.size() - 2).trimmed();
    }
    if (s.startsWith(QLatin1Char('-')) || s.startsWith(QLatin1Char('+'))) {
        negative = negative != s.startsWith(QLatin1Char('-'));
        s = s.mid(1).trimmed();
    }
    if (s.startsWith(QLatin1Char('$')))
        s = s.mid(1);
    s.remove(QLatin1Char(','));
    // Digits with at most one point; at least one digit.
    bool digit = false;
    bool point = false;
    for (const QChar c : s) {
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digit = true;
        else if (c == QLatin1Char('.') && !point)
            point = true;
        else
            return std::nullopt;
    }
    if (!digit)
        return std::nullopt;
    const double value = s.toDouble();
    return negative ? -value : value;
}

std::optional<Date> readDate(const QString& s) {
    if (std::optional<Date> typed = parseTypedDate(s))
        return typed;
    return Date::fromIso(s.toStdString());
}

} // namespace

SortKind sortKindOf(std::int32_t typeCode) {
    switch (typeCode) {
    case 2:
    case 3:
    case 4:
    case 5:
    case 6:
    case 14:
    case 16:
    case 17:
    case 18:
    case 19:
    case 20:
    case 21:
    case 131:
        return SortKind::Number;
    case 7:
    case 133:
    case 134:
    case 135:
        return SortKind::Date;
    case 129:
    case 200:
        return SortKind::Text;
    default:
        return SortKind::None;
    }
}

SortValue GetSortValue(const QString& cellText, std::int32_t typeCode) {
    SortValue v;
    if (cellText.trimmed().isEmpty())
        return v;
    switch (sortKindOf(typeCode)) {
    case SortKind::Number:
        if (const std::optional<double> n = readNumber(cellText)) {
            v.kind = SortValue::Kind::Number;
            v.number = *n;
        }
        break;
    case SortKind::Date:
        if (const std::optional<Date> d = readDate(cellText.trimmed())) {
            v.kind = SortValue::Kind::Date;
            v.date = *d;
        }
        break;
    case SortKind::Text:
        v.kind = SortValue::Kind::Text;
        v.text = cellText;
        break;
    case SortKind::None:
        break;
    }
    return v;
}

bool sortLess(const SortValue& a, const SortValue& b) {
    if (a.kind != b.kind)
        return a.kind < b.kind;
    switch (a.kind) {
    case SortValue::Kind::Empty:
        return false;
    case SortValue::Kind::Number:
        return a.number < b.number;
    case SortValue::Kind::Date:
        return a.date < b.date;
    case SortValue::Kind::Text:
        return QString::compare(a.text, b.text, Qt::CaseInsensitive) < 0;
    }
    return false;
}

ListSortState& listSortState() {
    static ListSortState state;
    return state;
}

std::int16_t rememberSort(ListSortState& state, std::int32_t column, std::int32_t typeCode,
                          std::int16_t order) {
    if (column != state.column)
        state.order = 2;
    state.column = column;
    if (order != 0)
        state.order = order;
    else
        state.order = state.order == 2 ? 1 : 2;
    state.typeCode = typeCode;
    return state.order;
}

void ListSortProxy::setSourceModel(QAbstractItemModel* model) {
    values_ = dynamic_cast<const SortValueSource*>(model);
    QSortFilterProxyModel::setSourceModel(model);
}

bool ListSortProxy::lessThan(const QModelIndex& left, const QModelIndex& right) const {
    if (values_) {
        const std::vector<SortValue>& column = values_->sortValues(left.column(), typeCode_);
        return sortLess(column[static_cast<std::size_t>(left.row())],
                        column[static_cast<std::size_t>(right.row())]);
    }
    return sortLess(GetSortValue(left.data(Qt::DisplayRole).toString(), typeCode_),
                    GetSortValue(right.data(Qt::DisplayRole).toString(), typeCode_));
}

void SortListView(ListSortProxy& list, std::int32_t column, std::int32_t typeCode, std::int16_t order) {
    const std::int16_t applied = rememberSort(listSortState(), column, typeCode, order);
    const Qt::SortOrder qtOrder = applied == 2 ? Qt::DescendingOrder : Qt::AscendingOrder;
    list.setSortTypeCode(typeCode);
    // The proxy skips a sort by the column and order it already has; the type code may differ.
    if (list.sortColumn() == column && list.sortOrder() == qtOrder)
        list.invalidate();
    else
        list.sort(column, qtOrder);
}

void RemoveSortedItem(MaintListHost& window) {
    runWithErrorBox(QStringLiteral("Error in RemoveSortedItem "), [&] {
        QAbstractItemView& view = window.lvMain();
        auto* list = dynamic_cast<ListSortProxy*>(view.model());
        if (!list)
            throw std::logic_error("the maintenance list is not shown through a ListSortProxy");
        const QModelIndex selected = view.currentIndex();
        if (!selected.isValid())
            throw std::runtime_error("no row of the list is selected");
        const ListSortState state = listSortState();
        if (!list->removeRow(selected.row()))
            throw std::runtime_error("the row cannot be removed from the list");
        if (state.order != 0) {
            SortListView(*list, state.column, state.typeCode, state.order);
            window.ClearEditMode();
            window.NewRecord();
        } else {
            window.ItializeDataField();
        }
    });
    window.UpdateMaintStatusBar(QStringLiteral("Record Deleted"), QString());
}

} // namespace qel
