// The check of list cells the window tests run: a cell whose column is narrower than the width the
// list itself asks for its text (its size hint) is cut, one as wide is not, in a table with and
// without its grid, in a bold cell, beside a check box and with blanks at the end; hidden columns
// and rows out of view are not read; a picker's list is cut at its own edge; and the window
// check reports the cells of the lists it holds.
#include "tests/app/shell/CutOffCellsTest.h"

#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/QtTestMain.h"

#include <QListView>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>
#include <QVBoxLayout>

namespace qel::test {
namespace {

enum class Cell { Plain, Bold, Checked, TrailingBlanks };

// A table of two columns, "Name" (the cell under test) and "Other", over a model of `rows` rows.
struct Table {
    explicit Table(int rows, const QString& text = QStringLiteral("Truck/Van"), Cell kind = Cell::Plain) {
        model.setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Other")});
        for (int r = 0; r < rows; ++r) {
            auto* cell =
                new QStandardItem(kind == Cell::TrailingBlanks ? text + QStringLiteral("      ") : text);
            if (kind == Cell::Bold) {
                QFont bold = view.font();
                bold.setBold(true);
                cell->setFont(bold);
            }
            if (kind == Cell::Checked)
                cell->setCheckState(Qt::Checked);
            model.appendRow({cell, new QStandardItem(QStringLiteral("x"))});
        }
        view.setObjectName(QStringLiteral("lvList"));
        view.setModel(&model);
        view.resize(400, 300);
    }
    // The width the list asks for column 0 to show its text whole.
    int neededWidth() const { return static_cast<const QAbstractItemView&>(view).sizeHintForColumn(0); }
    QStandardItemModel model;
    QTableView view;
};

} // namespace

void CutOffCellsTest::aCellIsCutWhereTheListWouldElideIt_data() {
    QTest::addColumn<Cell>("kind");
    QTest::addColumn<bool>("grid");
    QTest::addColumn<int>("widthFromNeeded");
    QTest::addColumn<bool>("cut");
    QTest::newRow("as wide as asked") << Cell::Plain << true << 0 << false;
    QTest::newRow("a pixel narrower") << Cell::Plain << true << -1 << true;
    QTest::newRow("without grid, as wide") << Cell::Plain << false << 0 << false;
    QTest::newRow("without grid, a pixel narrower") << Cell::Plain << false << -1 << true;
    QTest::newRow("bold, as wide") << Cell::Bold << true << 0 << false;
    QTest::newRow("bold, a pixel narrower") << Cell::Bold << true << -1 << true;
    QTest::newRow("check box, as wide") << Cell::Checked << true << 0 << false;
    QTest::newRow("check box, a pixel narrower") << Cell::Checked << true << -1 << true;
    QTest::newRow("blanks at the end, as wide as without") << Cell::TrailingBlanks << true << 0 << false;
}

void CutOffCellsTest::aCellIsCutWhereTheListWouldElideIt() {
    QFETCH(Cell, kind);
    QFETCH(bool, grid);
    QFETCH(int, widthFromNeeded);
    QFETCH(bool, cut);
    Table t(1, QStringLiteral("Truck/Van"), kind);
    t.view.setShowGrid(grid);
    // The list asks room for blanks at the end too, but draws the text whole without it.
    Table trimmed(1, QStringLiteral("Truck/Van"), kind == Cell::TrailingBlanks ? Cell::Plain : kind);
    trimmed.view.setShowGrid(grid);
    t.view.setColumnWidth(0, trimmed.neededWidth() + widthFromNeeded);
    t.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.view));
    const QStringList expected = cut ? QStringList{QStringLiteral("lvList[Name]:Truck/Van")} : QStringList();
    QCOMPARE(cutOffCells(t.view), expected);
}

void CutOffCellsTest::onlyTheRowsInViewAreRead() {
    Table t(100000);
    t.view.setColumnWidth(0, 10);
    t.view.show();
    QVERIFY(QTest::qWaitForWindowExposed(&t.view));
    // Each row in view once, whatever the length of the list.
    const qsizetype inView = cutOffCells(t.view).size();
    QVERIFY(inView > 0);
    QVERIFY(inView < 50);
    // A hidden column is not read, nor a row out of view until it is scrolled to.
    t.view.setColumnWidth(0, t.neededWidth());
    t.view.setColumnWidth(1, 1);
    t.view.setColumnHidden(1, true);
    t.model.item(99999, 0)->setText(QStringLiteral("A name far too long for its column"));
    QCOMPARE(cutOffCells(t.view), QStringList());
    t.view.scrollToBottom();
    QCOMPARE(cutOffCells(t.view),
             QStringList{QStringLiteral("lvList[Name]:A name far too long for its column")});
}

void CutOffCellsTest::aPickerIsCutAtItsOwnEdge() {
    QStringListModel names({QStringLiteral("Sample Company"),
                            QStringLiteral("A company whose name is longer than its picker is wide")});
    QListView picker;
    picker.setObjectName(QStringLiteral("lstPick"));
    picker.setModel(&names);
    picker.resize(QFontMetrics(picker.font()).horizontalAdvance(QStringLiteral("Sample Company")) * 2, 200);
    picker.show();
    QVERIFY(QTest::qWaitForWindowExposed(&picker));
    QCOMPARE(cutOffCells(picker),
             QStringList{QStringLiteral("lstPick:A company whose name is longer than its picker is wide")});
}

void CutOffCellsTest::aWindowsCheckReadsItsLists() {
    QWidget window;
    auto* layout = new QVBoxLayout(&window);
    // Columns as wide as a shorter text asks: the title fits, the longer cells do not.
    const int width = Table(1).neededWidth();
    Table shown(3, QStringLiteral("Truck/Van and more"));
    Table hidden(3, QStringLiteral("Truck/Van and more"));
    for (Table* t : {&shown, &hidden}) {
        layout->addWidget(&t->view);
        t->view.setColumnWidth(0, width);
    }
    hidden.view.hide();
    window.resize(800, 600);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(cutOffTexts(window), QStringList(3, QStringLiteral("lvList[Name]:Truck/Van and more")));
}

QEL_QTEST_REGISTER(CutOffCellsTest);

} // namespace qel::test
