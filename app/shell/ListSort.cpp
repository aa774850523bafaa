// List sorting: the sort values, their ordering and the program's sort state.
#include "app/shell/ListSort.h"

#include "app/shell/DateCheck.h"
#include "app/shell/ErrorBox.h"

#include <QAbstractItemView>

#include <algorithm>
#include <array>
#include <bit>
#include <cmath>
#include <iterator>
#include <limits>
#include <numeric>
#include <optional>
#include <stdexcept>
#include <tuple>
#include <utility>

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

void SortKeys::start(SortKind kind, std::size_t rows) {
    kind_ = kind;
    numbers_.clear();
    texts_.clear();
    folded_.clear();
    heads_.clear();
    if (kind_ == SortKind::Text) {
        texts_.reserve(rows);
        // Room for texts of a dozen letters, as most listed names are.
        folded_.reserve(rows * 12);
    } else {
        numbers_.reserve(rows);
    }
}

void SortKeys::add(const SortValue& value) {
    switch (value.kind) {
    case SortValue::Kind::Number:
        addNumber(value.number);
        break;
    case SortValue::Kind::Date:
        addNumber(static_cast<double>(value.date.serial()));
        break;
    case SortValue::Kind::Text:
        addText(QStringView(value.text));
        break;
    case SortValue::Kind::Empty:
        addEmpty();
        break;
    }
}

void SortKeys::addNumber(double value) {
    // The lowest number is the empty cell's: a number that overflowed to minus infinity sorts
    // as the lowest finite one, still after the empty cells but for that tie.
    numbers_.push_back(std::isnan(value) ? std::numeric_limits<double>::lowest()
                                         : std::max(value, std::numeric_limits<double>::lowest()));
}

void SortKeys::appendFolded(QStringView text) {
    // Folding once gives, by a plain comparison of UTF-16 units, the order of the comparison
    // ignoring case.
    const auto offset = static_cast<std::uint32_t>(folded_.size());
    const QString folded = text.toString().toCaseFolded();
    folded_.append(reinterpret_cast<const char16_t*>(folded.utf16()),
                   static_cast<std::size_t>(folded.size()));
    texts_.push_back({offset, static_cast<std::uint32_t>(folded.size())});
}

void SortKeys::addText(QStringView text) {
    if (text.trimmed().isEmpty())
        addEmpty();
    else
        appendFolded(text);
}

void SortKeys::addText(std::string_view utf8) {
    // Plain ASCII, the common case, folds as it is copied; any other text through QString.
    const std::size_t offset = folded_.size();
    folded_.resize(offset + utf8.size());
    char16_t* out = folded_.data() + offset;
    bool blank = true;
    for (const char c : utf8) {
        const auto u = static_cast<unsigned char>(c);
        if (u >= 0x80) {
            folded_.resize(offset);
            return addText(QStringView(QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))));
        }
        blank = blank && (u == ' ' || (u >= '\t' && u <= '\r'));
        *out++ = static_cast<char16_t>(u >= 'A' && u <= 'Z' ? u - 'A' + 'a' : u);
    }
    if (blank) {
        folded_.resize(offset);
        return addEmpty();
    }
    texts_.push_back({static_cast<std::uint32_t>(offset), static_cast<std::uint32_t>(utf8.size())});
}

void SortKeys::addEmpty() {
    if (kind_ == SortKind::Text)
        texts_.push_back({});
    else
        numbers_.push_back(-std::numeric_limits<double>::infinity());
}

namespace {

// The bits of a number as an unsigned number that orders as the numbers do: -0 as 0, and NaN,
// which no key should be, as minus infinity (an empty key).
std::uint64_t orderedBits(double d) {
    if (std::isnan(d))
        d = -std::numeric_limits<double>::infinity();
    if (d == 0)
        d = 0.0;
    const auto bits = std::bit_cast<std::uint64_t>(d);
    return (bits >> 63) != 0 ? ~bits : bits | (std::uint64_t{1} << 63);
}

// Sorts the entries by their key words, most significant first, a byte at a time from the
// least significant (a radix sort): stable, so entries with equal keys keep the order they came
// in, and its time grows as the rows do. A byte every entry shares takes no pass.
template <class Entry> void radixSort(std::vector<Entry>& entries, std::vector<Entry>& scratch) {
    constexpr std::size_t kWords = std::tuple_size_v<decltype(Entry::key)>;
    scratch.resize(entries.size());
    for (std::size_t w = kWords; w-- > 0;) {
        std::array<std::array<std::size_t, 256>, 8> counts{};
        for (const Entry& e : entries)
            for (unsigned b = 0; b < 8; ++b)
                ++counts[b][(e.key[w] >> (8 * b)) & 0xFF];
        for (unsigned b = 0; b < 8; ++b) {
            std::array<std::size_t, 256>& starts = counts[b];
            if (std::find(starts.begin(), starts.end(), entries.size()) != starts.end())
                continue;
            std::size_t sum = 0;
            for (std::size_t& c : starts)
                sum += std::exchange(c, sum);
            for (const Entry& e : entries)
                scratch[starts[(e.key[w] >> (8 * b)) & 0xFF]++] = e;
            entries.swap(scratch);
        }
    }
}

} // namespace

// The rows are sorted as entries holding their keys, copied out in their current order, so that
// the sort reads neighbouring memory rather than a key elsewhere, and rows with equal keys keep
// their order. A text's entry holds its head, eight of its units after the prefix all the
// column's texts share; only texts that agree there are compared whole. Descending, the keys'
// bits are turned over.
template <class RowIt> void SortKeys::sortRows(RowIt first, RowIt last, bool descending) const {
    const std::uint64_t turn = descending ? ~std::uint64_t{0} : 0;
    if (kind_ == SortKind::Number || kind_ == SortKind::Date) {
        orderRows(first, last, descending, entries_, scratch_, [this, turn](std::size_t row) {
            return std::array<std::uint64_t, 1>{orderedBits(numbers_[row]) ^ turn};
        });
        return;
    }
    if (kind_ != SortKind::Text)
        return;
    if (heads_.size() != texts_.size())
        makeHeads();
    if (narrowHeads_)
        orderRows(first, last, descending, entries_, scratch_, [this, turn](std::size_t row) {
            return std::array<std::uint64_t, 1>{heads_[row][0] ^ turn};
        });
    else
        orderRows(first, last, descending, wideEntries_, wideScratch_, [this, turn](std::size_t row) {
            return std::array<std::uint64_t, 2>{heads_[row][0] ^ turn, heads_[row][1] ^ turn};
        });
}

template <class RowIt, class SortEntry, class KeyOf>
void SortKeys::orderRows(RowIt first, RowIt last, bool descending, std::vector<SortEntry>& entries,
                         std::vector<SortEntry>& scratch, KeyOf keyOf) const {
    using Row = typename std::iterator_traits<RowIt>::value_type;
    entries.clear();
    entries.reserve(static_cast<std::size_t>(last - first));
    for (RowIt r = first; r != last; ++r)
        entries.push_back({keyOf(static_cast<std::size_t>(*r)), static_cast<std::uint32_t>(*r)});
    radixSort(entries, scratch);
    if (kind_ == SortKind::Text) {
        // Texts whose heads agree are ordered by their whole keys.
        const auto whole = [this, descending](const SortEntry& a, const SortEntry& b) {
            const int c = text(a.row).compare(text(b.row));
            return descending ? c > 0 : c < 0;
        };
        for (auto run = entries.begin(); run != entries.end();) {
            const auto end = std::find_if(run + 1, entries.end(),
                                          [&run](const SortEntry& e) { return e.key != run->key; });
            if (end - run > 1)
                std::stable_sort(run, end, whole);
            run = end;
        }
    }
    for (const SortEntry& e : entries)
        *first++ = static_cast<Row>(e.row);
}

std::u16string_view SortKeys::text(std::size_t row) const {
    const TextSpan span = texts_[row];
    return std::u16string_view(folded_.data() + span.offset, span.length);
}

void SortKeys::makeHeads() const {
    // The prefix every non-empty text shares. An empty text's head is all 0, as low as any.
    std::optional<std::u16string_view> shared;
    for (std::size_t row = 0; row < texts_.size(); ++row) {
        const std::u16string_view t = text(row);
        if (t.empty())
            continue;
        if (!shared) {
            shared = t;
            continue;
        }
        std::size_t n = 0;
        while (n < shared->size() && n < t.size() && (*shared)[n] == t[n])
            ++n;
        shared = shared->substr(0, n);
    }
    const std::size_t skip = shared ? shared->size() : 0;
    heads_.resize(texts_.size());
    // Heads of units below 256 only (plain letters, folded) are packed a byte a unit, so that
    // the sort moves entries of half the size.
    narrowHeads_ = true;
    for (std::size_t row = 0; row < texts_.size(); ++row) {
        const std::u16string_view t = text(row);
        TextHead& head = heads_[row];
        head = {};
        for (std::size_t i = 0; i < 8; ++i) {
            const char16_t unit = skip + i < t.size() ? t[skip + i] : 0;
            narrowHeads_ = narrowHeads_ && unit < 0x100;
            head[i / 4] = (head[i / 4] << 16) | unit;
        }
    }
    if (narrowHeads_)
        for (TextHead& head : heads_) {
            std::uint64_t packed = 0;
            for (unsigned i = 0; i < 8; ++i)
                packed = (packed << 8) | ((head[i / 4] >> (16 * (3 - i % 4))) & 0xFF);
            head = {packed, 0};
        }
}

void SortKeys::sort(std::vector<int>::iterator first, std::vector<int>::iterator last,
                    bool descending) const {
    sortRows(first, last, descending);
}

void SortKeys::sort(std::vector<std::size_t>::iterator first, std::vector<std::size_t>::iterator last,
                    bool descending) const {
    sortRows(first, last, descending);
}

void ListSortProxy::setSourceModel(QAbstractItemModel* model) {
    beginResetModel();
    for (const QMetaObject::Connection& c : connections_)
        disconnect(c);
    connections_.clear();
    values_ = dynamic_cast<const SortValueSource*>(model);
    QAbstractProxyModel::setSourceModel(model);
    if (model) {
        // A change the proxy cannot follow row by row starts the list again.
        const auto begin = [this] { beginResetModel(); };
        const auto end = [this] {
            rebuild();
            endResetModel();
        };
        connections_ = {
            connect(model, &QAbstractItemModel::modelAboutToBeReset, this, begin),
            connect(model, &QAbstractItemModel::modelReset, this, end),
            connect(model, &QAbstractItemModel::layoutAboutToBeChanged, this, begin),
            connect(model, &QAbstractItemModel::layoutChanged, this, end),
            connect(model, &QAbstractItemModel::rowsAboutToBeMoved, this, begin),
            connect(model, &QAbstractItemModel::rowsMoved, this, end),
            connect(model, &QAbstractItemModel::columnsAboutToBeInserted, this, begin),
            connect(model, &QAbstractItemModel::columnsInserted, this, end),
            connect(model, &QAbstractItemModel::columnsAboutToBeRemoved, this, begin),
            connect(model, &QAbstractItemModel::columnsRemoved, this, end),
            connect(model, &QAbstractItemModel::columnsAboutToBeMoved, this, begin),
            connect(model, &QAbstractItemModel::columnsMoved, this, end),
            connect(model, &QAbstractItemModel::rowsInserted, this, &ListSortProxy::sourceRowsInserted),
            connect(model, &QAbstractItemModel::rowsAboutToBeRemoved, this,
                    &ListSortProxy::sourceRowsAboutToBeRemoved),
            connect(model, &QAbstractItemModel::rowsRemoved, this, &ListSortProxy::sourceRowsRemoved),
            connect(model, &QAbstractItemModel::dataChanged, this, &ListSortProxy::sourceDataChanged),
            connect(model, &QAbstractItemModel::headerDataChanged, this,
                    &QAbstractItemModel::headerDataChanged),
        };
    }
    rebuild();
    endResetModel();
}

void ListSortProxy::rebuild() {
    const int rows = sourceModel() ? sourceModel()->rowCount() : 0;
    sourceRows_.resize(static_cast<std::size_t>(rows));
    std::iota(sourceRows_.begin(), sourceRows_.end(), 0);
    reorder();
    rebuildProxyRows();
}

void ListSortProxy::rebuildProxyRows() {
    proxyRows_.assign(sourceRows_.size(), -1);
    for (std::size_t p = 0; p < sourceRows_.size(); ++p)
        proxyRows_[static_cast<std::size_t>(sourceRows_[p])] = static_cast<int>(p);
}

void ListSortProxy::reorder() {
    QAbstractItemModel* source = sourceModel();
    if (!source || sortColumn_ >= source->columnCount()) {
        return;
    }
    if (sortColumn_ < 0) {
        std::sort(sourceRows_.begin(), sourceRows_.end());
        return;
    }
    const int rows = source->rowCount();
    keys_.start(sortKindOf(typeCode_), static_cast<std::size_t>(rows));
    if (values_) {
        values_->readSortKeys(sortColumn_, typeCode_, keys_);
    } else {
        for (int r = 0; r < rows; ++r)
            keys_.add(
                GetSortValue(source->index(r, sortColumn_).data(Qt::DisplayRole).toString(), typeCode_));
    }
    if (keys_.size() != sourceRows_.size())
        throw std::logic_error("the list's model gave sort keys for another number of rows");
    keys_.sort(sourceRows_.begin(), sourceRows_.end(), sortOrder_ == Qt::DescendingOrder);
}

void ListSortProxy::resort() {
    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    // Each kept index follows its source row.
    const QModelIndexList kept = persistentIndexList();
    std::vector<int> keptSource;
    keptSource.reserve(static_cast<std::size_t>(kept.size()));
    for (const QModelIndex& i : kept)
        keptSource.push_back(sourceRows_[static_cast<std::size_t>(i.row())]);
    reorder();
    rebuildProxyRows();
    if (!kept.isEmpty()) {
        QModelIndexList moved;
        moved.reserve(kept.size());
        for (qsizetype k = 0; k < kept.size(); ++k)
            moved.append(index(proxyRows_[static_cast<std::size_t>(keptSource[static_cast<std::size_t>(k)])],
                               kept[k].column()));
        changePersistentIndexList(kept, moved);
    }
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

void ListSortProxy::sort(int column, Qt::SortOrder order) {
    sortColumn_ = column;
    sortOrder_ = order;
    resort();
}

QModelIndex ListSortProxy::index(int row, int column, const QModelIndex& parent) const {
    if (parent.isValid() || row < 0 || column < 0 || row >= rowCount() || column >= columnCount())
        return {};
    return createIndex(row, column);
}

QModelIndex ListSortProxy::parent(const QModelIndex&) const {
    return {};
}

int ListSortProxy::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(sourceRows_.size());
}

int ListSortProxy::columnCount(const QModelIndex& parent) const {
    return parent.isValid() || !sourceModel() ? 0 : sourceModel()->columnCount();
}

QModelIndex ListSortProxy::mapToSource(const QModelIndex& proxyIndex) const {
    if (!proxyIndex.isValid() || !sourceModel() || proxyIndex.row() >= rowCount())
        return {};
    return sourceModel()->index(sourceRows_[static_cast<std::size_t>(proxyIndex.row())], proxyIndex.column());
}

QModelIndex ListSortProxy::mapFromSource(const QModelIndex& sourceIndex) const {
    if (!sourceIndex.isValid() || sourceIndex.parent().isValid() ||
        static_cast<std::size_t>(sourceIndex.row()) >= proxyRows_.size())
        return {};
    return index(proxyRows_[static_cast<std::size_t>(sourceIndex.row())], sourceIndex.column());
}

bool ListSortProxy::removeRows(int row, int count, const QModelIndex& parent) {
    if (parent.isValid() || !sourceModel() || row < 0 || count < 1 || row + count > rowCount())
        return false;
    std::vector<int> rows(sourceRows_.begin() + row, sourceRows_.begin() + row + count);
    // From the last source row back, so that the rows still to remove keep their numbers.
    std::sort(rows.rbegin(), rows.rend());
    bool removed = true;
    for (const int r : rows)
        removed = sourceModel()->removeRows(r, 1) && removed;
    return removed;
}

void ListSortProxy::sourceRowsInserted(const QModelIndex& parent, int first, int last) {
    if (parent.isValid())
        return;
    const int added = last - first + 1;
    for (int& r : sourceRows_)
        if (r >= first)
            r += added;
    // The new rows come at the end and then, in a sorted list, go to their place.
    const int at = rowCount();
    beginInsertRows({}, at, at + added - 1);
    for (int r = first; r <= last; ++r)
        sourceRows_.push_back(r);
    rebuildProxyRows();
    endInsertRows();
    if (sortColumn_ >= 0)
        resort();
}

void ListSortProxy::sourceRowsAboutToBeRemoved(const QModelIndex& parent, int first, int last) {
    if (parent.isValid())
        return;
    // The rows shown for the source's rows, removed a run of neighbours at a time from the end,
    // while the source still has them.
    std::vector<int> shown;
    for (int r = first; r <= last; ++r)
        shown.push_back(proxyRows_[static_cast<std::size_t>(r)]);
    std::sort(shown.begin(), shown.end());
    while (!shown.empty()) {
        const int end = shown.back();
        int begin = end;
        shown.pop_back();
        while (!shown.empty() && shown.back() == begin - 1) {
            begin = shown.back();
            shown.pop_back();
        }
        beginRemoveRows({}, begin, end);
        sourceRows_.erase(sourceRows_.begin() + begin, sourceRows_.begin() + end + 1);
        endRemoveRows();
    }
}

void ListSortProxy::sourceRowsRemoved(const QModelIndex& parent, int first, int last) {
    if (parent.isValid())
        return;
    const int removed = last - first + 1;
    for (int& r : sourceRows_)
        if (r > last)
            r -= removed;
    rebuildProxyRows();
}

void ListSortProxy::sourceDataChanged(const QModelIndex& topLeft, const QModelIndex& bottomRight,
                                      const QList<int>& roles) {
    if (!topLeft.isValid() || topLeft.parent().isValid())
        return;
    int top = rowCount();
    int bottom = -1;
    for (int r = topLeft.row(); r <= bottomRight.row(); ++r) {
        const int shown = proxyRows_[static_cast<std::size_t>(r)];
        top = std::min(top, shown);
        bottom = std::max(bottom, shown);
    }
    if (bottom < 0)
        return;
    emit dataChanged(index(top, topLeft.column()), index(bottom, bottomRight.column()), roles);
    if (sortColumn_ >= topLeft.column() && sortColumn_ <= bottomRight.column())
        resort();
}

void SortListView(ListSortProxy& list, std::int32_t column, std::int32_t typeCode, std::int16_t order) {
    const std::int16_t applied = rememberSort(listSortState(), column, typeCode, order);
    list.setSortTypeCode(typeCode);
    list.sort(column, applied == 2 ? Qt::DescendingOrder : Qt::AscendingOrder);
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
