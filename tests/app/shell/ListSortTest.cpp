// List sorting: number, date and text columns, the toggle of the order, the one state all lists
// share, the comparison as a strict weak ordering, the sort keys in the order of the comparison,
// equal rows keeping the order shown, the selection and the model's changes followed through the
// sorting layer, and the removal of the maintenance list's selected row.
#include "tests/app/shell/ListSortTest.h"

#include "app/shell/ListSort.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAbstractItemModelTester>
#include <QItemSelectionModel>
#include <QStandardItemModel>
#include <QTableView>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <random>

namespace qel::test {
namespace {

// A list of two columns: a name and a cell of the kind under test.
struct List {
    explicit List(const QStringList& cells) {
        for (qsizetype i = 0; i < cells.size(); ++i)
            model.appendRow(
                {new QStandardItem(QStringLiteral("row %1").arg(i)), new QStandardItem(cells[i])});
        proxy.setSourceModel(&model);
        view.setModel(&proxy);
    }
    QStringList column(int c) const {
        QStringList out;
        for (int r = 0; r < proxy.rowCount(); ++r)
            out << proxy.index(r, c).data().toString();
        return out;
    }
    QStandardItemModel model;
    ListSortProxy proxy;
    QTableView view;
};

constexpr std::int32_t kNumber = 20;
constexpr std::int32_t kDate = 7;
constexpr std::int32_t kText = 200;

} // namespace

void ListSortTest::init() {
    listSortState() = ListSortState();
}

void ListSortTest::numbersSortAsNumbersAndASecondSortTogglesTheOrder() {
    List list({"9", "10", "", "100"});
    SortListView(list.proxy, 1, kNumber, 0);
    QCOMPARE(list.column(1), (QStringList{"", "9", "10", "100"}));
    SortListView(list.proxy, 1, kNumber, 0);
    QCOMPARE(list.column(1), (QStringList{"100", "10", "9", ""}));
    QCOMPARE(listSortState().order, std::int16_t(2));
}

void ListSortTest::theOrderFlipsOnEachSortOfTheSameColumn() {
    List list({"b", "C", "a"});
    const QStringList ascending{"a", "b", "C"};
    const QStringList descending{"C", "b", "a"};
    for (const QStringList& expected : {ascending, descending, ascending}) {
        SortListView(list.proxy, 1, kText, 0);
        QCOMPARE(list.column(1), expected);
    }
    // Another column starts ascending again.
    SortListView(list.proxy, 0, kText, 0);
    QCOMPARE(list.column(0), (QStringList{"row 0", "row 1", "row 2"}));
    QCOMPARE(listSortState().order, std::int16_t(1));
}

void ListSortTest::theFirstToggledSortOfColumn0IsDescending() {
    // The state starts on column 0 with no order, so the program's first toggle of column 0
    // flips to descending.
    List list({"x", "y", "z"});
    SortListView(list.proxy, 0, kText, 0);
    QCOMPARE(list.column(0), (QStringList{"row 2", "row 1", "row 0"}));
}

void ListSortTest::anOrderOf1Or2IsTakenWithoutToggling() {
    List list({"3", "1", "2"});
    for (int i = 0; i < 2; ++i) {
        SortListView(list.proxy, 1, kNumber, 1);
        QCOMPARE(list.column(1), (QStringList{"1", "2", "3"}));
    }
    SortListView(list.proxy, 1, kDate, 2);
    SortListView(list.proxy, 1, kNumber, 2);
    QCOMPARE(list.column(1), (QStringList{"3", "2", "1"}));
    QCOMPARE(listSortState().column, 1);
    QCOMPARE(listSortState().typeCode, kNumber);
    QCOMPARE(listSortState().order, std::int16_t(2));
}

void ListSortTest::allListsShareOneSortState() {
    List first({"1", "3", "2"});
    List second({"6", "4", "5"});
    SortListView(first.proxy, 1, kNumber, 0);
    QCOMPARE(first.column(1), (QStringList{"1", "2", "3"}));
    SortListView(second.proxy, 1, kNumber, 0);
    QCOMPARE(second.column(1), (QStringList{"6", "5", "4"}));
}

void ListSortTest::sortValuesAreOrdered_data() {
    QTest::addColumn<int>("typeCode");
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("expected"); // -1: a before b, 0: equal, 1: b before a
    QTest::newRow("9 before 10") << kNumber << "9"
                                 << "10" << -1;
    QTest::newRow("fractions count") << 5 << "2"
                                     << "2.5" << -1;
    QTest::newRow("equal numbers written differently") << 6 << "1,234.50"
                                                       << "1234.5" << 0;
    QTest::newRow("thousands separators") << 131 << "999"
                                          << "1,000" << -1;
    QTest::newRow("negative in parentheses") << 6 << "($5.00)"
                                             << "$1.00" << -1;
    QTest::newRow("beyond 32 bits") << 3 << "2147483648"
                                    << "3000000000" << -1;
    QTest::newRow("zero is a number") << 3 << "0"
                                      << "-1" << 1;
    QTest::newRow("blank first") << 3 << ""
                                 << "-1000" << -1;
    QTest::newRow("a word in a number column first") << 3 << "n/a"
                                                     << "-1000" << -1;
    QTest::newRow("two unreadable cells are equal") << 3 << "n/a"
                                                    << "" << 0;
    QTest::newRow("dates by day") << kDate << "12/31/2011"
                                  << "1/1/2012" << -1;
    QTest::newRow("ISO dates") << 133 << "2012-01-05"
                               << "12/31/2011" << 1;
    QTest::newRow("a text that is no date first") << kDate << "soon"
                                                  << "1/1/1901" << -1;
    QTest::newRow("texts ignore case") << kText << "apple"
                                       << "Banana" << -1;
    QTest::newRow("texts equal but for case") << 129 << "ABC"
                                              << "abc" << 0;
    QTest::newRow("the whole text counts") << kText << QString(31, 'x') + "a" << QString(31, 'x') + "b" << -1;
    QTest::newRow("other type codes have no order") << 72 << "b"
                                                    << "a" << 0;
}

void ListSortTest::sortValuesAreOrdered() {
    QFETCH(int, typeCode);
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, expected);
    const SortValue va = GetSortValue(a, typeCode);
    const SortValue vb = GetSortValue(b, typeCode);
    QCOMPARE(sortLess(va, vb), expected < 0);
    QCOMPARE(sortLess(vb, va), expected > 0);
    QVERIFY(!sortLess(va, va));
}

void ListSortTest::rowsAddedLaterGoToTheirPlace() {
    List list({"12/31/2011", "1/1/2012"});
    SortListView(list.proxy, 1, kDate, 1);
    list.model.appendRow({new QStandardItem("late"), new QStandardItem("6/30/2011")});
    QCOMPARE(list.column(1), (QStringList{"6/30/2011", "12/31/2011", "1/1/2012"}));
}

void ListSortTest::rowsWithEqualKeysKeepTheOrderShown_data() {
    QTest::addColumn<Qt::SortOrder>("order");
    QTest::addColumn<QStringList>("expected");
    // Sorted by name first, so that rows of one amount show by name.
    QTest::newRow("ascending") << Qt::AscendingOrder << QStringList{"a", "c", "b", "d", "e"};
    QTest::newRow("descending") << Qt::DescendingOrder << QStringList{"b", "d", "e", "a", "c"};
}

void ListSortTest::rowsWithEqualKeysKeepTheOrderShown() {
    QFETCH(Qt::SortOrder, order);
    QFETCH(QStringList, expected);
    QStandardItemModel model;
    const QList<QPair<QString, QString>> rows = {{"e", "2"}, {"c", "1"}, {"d", "2"}, {"a", "1"}, {"b", "2"}};
    for (const auto& [name, amount] : rows)
        model.appendRow({new QStandardItem(name), new QStandardItem(amount)});
    ListSortProxy proxy;
    proxy.setSourceModel(&model);
    proxy.setSortTypeCode(kText);
    proxy.sort(0, Qt::AscendingOrder);
    proxy.setSortTypeCode(kNumber);
    proxy.sort(1, order);
    QStringList shown;
    for (int r = 0; r < proxy.rowCount(); ++r)
        shown << proxy.index(r, 0).data().toString();
    QCOMPARE(shown, expected);
}

void ListSortTest::sortKeysOrderTextsAsTheTextRules_data() {
    QTest::addColumn<QStringList>("texts");
    QTest::newRow("case and blanks") << QStringList{"b", "A", " ", "", "a", "B", "  a", "C"};
    QTest::newRow("a shared prefix, then digits") << QStringList{
        "Asset 12", "asset 120", "ASSET 1", "Asset 9", "asset 1200000000", "asset", "Asset 12"};
    QTest::newRow("a difference past eight letters after the shared prefix") << QStringList{
        "Office chair, black", "office chair, BLACK leather", "Office chair, blue", "Office chair"};
    QTest::newRow("letters beyond ASCII")
        << QStringList{"Ärger", "ärger", "Zebra", "Äpfel", "apfel", "Éclair", "eclair", "\u00A0", "Øre"};
    QTest::newRow("letters beyond Latin-1")
        << QStringList{"Ωmega", "alpha", "ωmega", "Яблоко", "яблоко 2", "Zebra", "Äpfel", "Ωmega"};
    QTest::newRow("no shared prefix, one text") << QStringList{"only"};
}

// Sorting rows by their keys gives the order the comparison of the cells' sort values gives,
// both ways, with equal texts in their first order.
void ListSortTest::sortKeysOrderTextsAsTheTextRules() {
    QFETCH(QStringList, texts);
    for (const bool utf8 : {false, true}) {
        SortKeys keys(SortKind::Text, static_cast<std::size_t>(texts.size()));
        std::vector<SortValue> values;
        for (const QString& t : texts) {
            if (utf8)
                keys.addText(std::string_view(t.toStdString()));
            else
                keys.addText(QStringView(t));
            values.push_back(GetSortValue(t, kText));
        }
        for (const bool descending : {false, true}) {
            std::vector<int> rows(static_cast<std::size_t>(texts.size()));
            std::iota(rows.begin(), rows.end(), 0);
            std::vector<int> expected = rows;
            std::stable_sort(expected.begin(), expected.end(), [&](int a, int b) {
                return descending ? sortLess(values[std::size_t(b)], values[std::size_t(a)])
                                  : sortLess(values[std::size_t(a)], values[std::size_t(b)]);
            });
            keys.sort(rows.begin(), rows.end(), descending);
            QCOMPARE(rows, expected);
        }
    }
}

// Number and date keys (an empty one lowest) sort as < orders them, both ways, equal keys in
// their first order: signs, -0 and 0, the extremes, and enough rows with repeats that every
// byte of the keys differs somewhere.
void ListSortTest::sortKeysOrderNumbersAsTheyCompare() {
    std::vector<std::optional<double>> values{3,   -1,  0.0,    -0.0,         std::nullopt, 1e300, -1e-300,
                                              2.5, 2.5, -1e300, std::nullopt, 4.9e-324,     42};
    std::mt19937 random(7);
    std::uniform_real_distribution<double> amounts(-50'000, 50'000);
    for (int i = 0; i < 2000; ++i)
        values.push_back(i % 3 == 0 ? std::optional<double>(std::round(amounts(random))) : amounts(random));
    SortKeys keys(SortKind::Number, values.size());
    for (const std::optional<double>& v : values) {
        if (v)
            keys.addNumber(*v);
        else
            keys.addEmpty();
    }
    const auto less = [&values](int a, int b) {
        const std::optional<double>& x = values[std::size_t(a)];
        const std::optional<double>& y = values[std::size_t(b)];
        return y && (!x || *x < *y);
    };
    for (const bool descending : {false, true}) {
        std::vector<int> rows(values.size());
        std::iota(rows.begin(), rows.end(), 0);
        std::shuffle(rows.begin(), rows.end(), random);
        std::vector<int> expected = rows;
        std::stable_sort(expected.begin(), expected.end(),
                         [&](int a, int b) { return descending ? less(b, a) : less(a, b); });
        keys.sort(rows.begin(), rows.end(), descending);
        QCOMPARE(rows, expected);
    }
}

void ListSortTest::theSelectionFollowsItsRowThroughASort() {
    List list({"30", "10", "20"});
    list.view.selectionModel()->setCurrentIndex(list.proxy.index(0, 1), QItemSelectionModel::ClearAndSelect |
                                                                            QItemSelectionModel::Rows);
    SortListView(list.proxy, 1, kNumber, 1);
    QCOMPARE(list.view.currentIndex().row(), 2);
    QCOMPARE(list.view.currentIndex().data().toString(), QStringLiteral("30"));
    QCOMPARE(list.view.selectionModel()->selectedRows(1).value(0).data().toString(), QStringLiteral("30"));
}

// Rows added, changed, removed and moved in the model, and the model reset, all reach the sorted
// list as the model/view contract has it (the tester fails the test at the first breach), and
// the list stays sorted.
void ListSortTest::theListFollowsEveryChangeOfItsModel() {
    List list({"30", "10", "20", "50", "40"});
    QAbstractItemModelTester tester(&list.proxy, QAbstractItemModelTester::FailureReportingMode::QtTest);
    SortListView(list.proxy, 1, kNumber, 1);
    QCOMPARE(list.column(1), (QStringList{"10", "20", "30", "40", "50"}));

    list.model.insertRow(1, {new QStandardItem("new"), new QStandardItem("25")});
    list.model.appendRow({new QStandardItem("last"), new QStandardItem("5")});
    QCOMPARE(list.column(1), (QStringList{"5", "10", "20", "25", "30", "40", "50"}));

    list.model.item(0, 1)->setText("45"); // was 30
    QCOMPARE(list.column(1), (QStringList{"5", "10", "20", "25", "40", "45", "50"}));

    list.model.removeRows(2, 3); // 10, 20 and 50
    QCOMPARE(list.column(1), (QStringList{"5", "25", "40", "45"}));
    QVERIFY(list.proxy.removeRows(1, 2)); // 25 and 40, through the list
    QCOMPARE(list.column(1), (QStringList{"5", "45"}));
    QCOMPARE(list.model.rowCount(), 2);

    list.model.moveRow({}, 1, {}, 0);
    QCOMPARE(list.column(1), (QStringList{"5", "45"}));
    list.model.sort(1, Qt::DescendingOrder); // the model's own layout change
    QCOMPARE(list.column(1), (QStringList{"5", "45"}));

    list.model.clear();
    QCOMPARE(list.proxy.rowCount(), 0);
    list.model.appendRow({new QStandardItem("a"), new QStandardItem("2")});
    list.model.appendRow({new QStandardItem("b"), new QStandardItem("1")});
    QCOMPARE(list.column(1), (QStringList{"1", "2"}));

    list.proxy.sort(-1);
    QCOMPARE(list.column(1), (QStringList{"2", "1"}));
}

namespace {

class FakeMaint : public MaintListHost {
public:
    explicit FakeMaint(List& list) : list_(list) {}
    QAbstractItemView& lvMain() override { return list_.view; }
    void ClearEditMode() override { calls << "ClearEditMode"; }
    void NewRecord() override { calls << "NewRecord"; }
    void ItializeDataField() override { calls << "ItializeDataField"; }
    void UpdateMaintStatusBar(const QString& message, const QString& colour) override {
        calls << "UpdateMaintStatusBar " + message + "|" + colour;
    }
    QStringList calls;

private:
    List& list_;
};

} // namespace

void ListSortTest::removingTheSelectedRowKeepsTheSort() {
    ScriptedUiServices ui;
    List list({"30", "10", "20", "40"});
    SortListView(list.proxy, 1, kNumber, 0);
    SortListView(list.proxy, 1, kNumber, 0);
    list.view.setCurrentIndex(list.proxy.index(1, 1)); // "30"
    FakeMaint maint(list);

    RemoveSortedItem(maint);

    QCOMPARE(list.column(1), (QStringList{"40", "20", "10"}));
    QCOMPARE(maint.calls,
             (QStringList{"ClearEditMode", "NewRecord", "UpdateMaintStatusBar Record Deleted|"}));
    QCOMPARE(listSortState().order, std::int16_t(2));
    QCOMPARE(ui.messages(), QStringList());
}

void ListSortTest::removingBeforeAnySortLoadsTheNextRow() {
    ScriptedUiServices ui;
    List list({"30", "10", "20"});
    list.view.setCurrentIndex(list.proxy.index(0, 1));
    FakeMaint maint(list);

    RemoveSortedItem(maint);

    QCOMPARE(list.column(1), (QStringList{"10", "20"}));
    QCOMPARE(maint.calls, (QStringList{"ItializeDataField", "UpdateMaintStatusBar Record Deleted|"}));
    QCOMPARE(ui.messages(), QStringList());
}

QEL_QTEST_REGISTER(ListSortTest);

} // namespace qel::test
