// The table model over a recordset: headers with their blanks, type codes and sizes, the cells'
// texts (Null, dates, numbers, a formatter), sorting by numbers, dates and texts both ways
// through the list sort (the same order as the sort of the shown texts), and removed, appended
// and replaced rows.
#include "tests/app/shell/RecordsetModelTest.h"

#include "app/shell/ListSort.h"
#include "app/shell/RecordsetModel.h"
#include "tests/testsupport/QtTestMain.h"

#include <QStandardItemModel>

#include <cmath>

namespace qel::test {
namespace {

// A report's rows as the data server gives them: a padded title, Nulls, amounts and dates.
Recordset fixture() {
    Recordset rs({{"Asset ID", FieldType::Integer, 4},
                  {"Description         ", FieldType::Text, 50},
                  {"Cost", FieldType::Currency, 8},
                  {"In Service", FieldType::Date, 8}});
    rs.addRow({Variant(10), Variant("desk"), Variant(1234.5), Variant(Date(2021, 3, 15))});
    rs.addRow({Variant(9), Variant("Chair"), Variant(99.0), Variant(Date(2019, 12, 1))});
    rs.addRow({Variant(100), Variant(), Variant(), Variant()});
    rs.addRow({Variant(2), Variant("bench"), Variant(-5.25), Variant(Date(2021, 1, 2))});
    return rs;
}

// The list as shown: the model behind the program's sorting layer.
struct List {
    explicit List(Recordset rows) : model(std::move(rows)) { proxy.setSourceModel(&model); }
    QStringList column(int c) const {
        QStringList out;
        for (int r = 0; r < proxy.rowCount(); ++r)
            out << proxy.index(r, c).data().toString();
        return out;
    }
    void sort(int column, std::int16_t order) {
        SortListView(proxy, column, model.sortTypeCode(column), order);
    }
    RecordsetModel model;
    ListSortProxy proxy;
};

} // namespace

void RecordsetModelTest::init() {
    listSortState() = ListSortState();
}

void RecordsetModelTest::theColumnsAreTheFieldsAsTheStatementNamedThem() {
    const RecordsetModel model(fixture());
    QCOMPARE(model.columnCount(), 4);
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Description         "));
    QCOMPARE(model.headerData(2, Qt::Horizontal, RecordsetModel::TypeCodeRole).toInt(), 6);
    QCOMPARE(model.headerData(1, Qt::Horizontal, RecordsetModel::DefinedSizeRole).toInt(), 50);
    QCOMPARE(model.field(3).type, FieldType::Date);
    QCOMPARE(model.sortTypeCode(0), 3);
    QCOMPARE(model.sortTypeCode(1), 200);
    QCOMPARE(model.sortTypeCode(3), 7);
}

void RecordsetModelTest::cellsShowNullEmptyDatesAsMonthDayYearAndNumbersPlain() {
    const RecordsetModel model(fixture());
    const auto cell = [&model](int row, int column) { return model.index(row, column).data().toString(); };
    QCOMPARE(cell(0, 0), QStringLiteral("10"));
    QCOMPARE(cell(0, 2), QStringLiteral("1234.5"));
    QCOMPARE(cell(0, 3), QStringLiteral("03/15/2021"));
    QCOMPARE(cell(2, 1), QString());
    QCOMPARE(cell(2, 2), QString());
    QCOMPARE(cell(2, 3), QString());
    QCOMPARE(cell(3, 2), QStringLiteral("-5.25"));
    QCOMPARE(RecordsetModel::defaultText(Variant(Date::noDate())), QStringLiteral("01/01/1900"));
    QCOMPARE(RecordsetModel::defaultText(Variant(true)), QStringLiteral("True"));
}

void RecordsetModelTest::aFormatterShowsAColumnItsOwnWay() {
    List list(fixture());
    // Amounts with a dollar sign and thousands separators, a negative one in parentheses.
    list.model.setFormatter(2, [](const Variant& v) {
        if (v.isNull())
            return QString();
        const QString amount = QStringLiteral("$%L1").arg(std::abs(v.toDouble()), 0, 'f', 2);
        return v.toDouble() < 0 ? QStringLiteral("(%1)").arg(amount) : amount;
    });
    QCOMPARE(list.model.text(0, 2), QStringLiteral("$1,234.50"));
    QCOMPARE(list.model.text(3, 2), QStringLiteral("($5.25)"));
    // The amounts still sort as numbers.
    list.sort(2, 2);
    QCOMPARE(list.column(2), (QStringList{"$1,234.50", "$99.00", "($5.25)", ""}));
    list.model.setFormatter(2, nullptr);
    QCOMPARE(list.model.text(0, 2), QStringLiteral("1234.5"));
}

void RecordsetModelTest::eachColumnSortsByItsKindBothWays_data() {
    QTest::addColumn<int>("column");
    QTest::addColumn<QStringList>("ascending");
    QTest::newRow("numbers") << 0 << QStringList{"2", "9", "10", "100"};
    QTest::newRow("texts ignoring case, Null first") << 1 << QStringList{"", "bench", "Chair", "desk"};
    QTest::newRow("amounts") << 2 << QStringList{"", "-5.25", "99", "1234.5"};
    QTest::newRow("dates") << 3 << QStringList{"", "12/01/2019", "01/02/2021", "03/15/2021"};
}

void RecordsetModelTest::eachColumnSortsByItsKindBothWays() {
    QFETCH(int, column);
    QFETCH(QStringList, ascending);
    List list(fixture());
    list.sort(column, 1);
    QCOMPARE(list.column(column), ascending);
    list.sort(column, 2);
    QStringList descending = ascending;
    std::reverse(descending.begin(), descending.end());
    QCOMPARE(list.column(column), descending);
}

// The keys the model reads from its values give the order the sort of the shown texts gives:
// amounts, names (letters beyond ASCII, blanks), dates (Null, and a year below 100, which shows
// as no date), whole numbers below zero, and a column shown through a formatter.
void RecordsetModelTest::theSortKeepsTheOrderOfTheTextRules() {
    Recordset rs({{"Amount", FieldType::Double, 8},
                  {"Name", FieldType::Text, 20},
                  {"In Service", FieldType::Date, 8},
                  {"Count", FieldType::Integer, 4},
                  {"Cost", FieldType::Currency, 8}});
    const char* names[] = {"b", "A", "c", "B", "a", "", "\u00c9lan", "\u00e9lan", "  x", "Zed"};
    for (int i = 0; i < 60; ++i)
        rs.addRow({i % 11 == 0 ? Variant() : Variant((i * 37 % 23) / 4.0), Variant(names[i % 10]),
                   i % 13 == 0  ? Variant()
                   : i % 7 == 0 ? Variant(Date(50, 1 + i % 12, 1))
                                : Variant(Date(1990 + i % 30, 1 + i % 12, 1 + i % 28)),
                   Variant(static_cast<std::int64_t>(i * 7919 % 1000 - 500)), Variant(i * 1.25 - 30)});
    for (int column = 0; column < static_cast<int>(rs.fieldCount()); ++column) {
        List viaModel(rs);
        viaModel.model.setFormatter(
            4, [](const Variant& v) { return QStringLiteral("$%L1").arg(v.toDouble(), 0, 'f', 2); });
        QStandardItemModel texts;
        for (int r = 0; r < viaModel.model.rowCount(); ++r) {
            QList<QStandardItem*> cells;
            for (int c = 0; c < viaModel.model.columnCount(); ++c)
                cells << new QStandardItem(viaModel.model.text(r, c));
            texts.appendRow(cells);
        }
        ListSortProxy viaTexts;
        viaTexts.setSourceModel(&texts);
        for (const Qt::SortOrder order : {Qt::AscendingOrder, Qt::DescendingOrder}) {
            viaModel.proxy.setSortTypeCode(viaModel.model.sortTypeCode(column));
            viaTexts.setSortTypeCode(viaModel.model.sortTypeCode(column));
            viaModel.proxy.sort(column, order);
            viaTexts.sort(column, order);
            for (int r = 0; r < viaModel.proxy.rowCount(); ++r)
                QCOMPARE(viaModel.proxy.mapToSource(viaModel.proxy.index(r, 0)).row(),
                         viaTexts.mapToSource(viaTexts.index(r, 0)).row());
        }
    }
}

void RecordsetModelTest::removedRowsLeaveTheSortedList() {
    List list(fixture());
    list.sort(0, 1);
    QVERIFY(list.proxy.removeRow(1)); // "9"
    QCOMPARE(list.column(0), (QStringList{"2", "10", "100"}));
    QCOMPARE(list.model.rowCount(), 3);
    list.sort(0, 2);
    QCOMPARE(list.column(0), (QStringList{"100", "10", "2"}));
}

void RecordsetModelTest::appendedAndReplacedRowsTakeTheirPlaceInTheSortedList() {
    List list(fixture());
    list.sort(0, 1);
    list.model.appendRecord({Variant(5), Variant("lamp")});
    QCOMPARE(list.column(0), (QStringList{"2", "5", "9", "10", "100"}));
    QCOMPARE(list.model.text(4, 2), QString()); // missing values are Null
    list.model.setRecord(0, {Variant(1000), Variant("desk"), Variant(1.0), Variant()});
    QCOMPARE(list.column(0), (QStringList{"2", "5", "9", "100", "1000"}));
    QCOMPARE(list.column(2).last(), QStringLiteral("1"));
}

QEL_QTEST_REGISTER(RecordsetModelTest);

} // namespace qel::test
