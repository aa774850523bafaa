// The report window as its menu items open it.
#include "tests/app/reports/ReportWindowTest.h"

#include "app/reports/WindowArrangement.h"
#include "app/shell/PrintingServices.h"
#include "app/shell/ReportList.h"
#include "app/shell/WindowPosition.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QMdiArea>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTest>

#include <algorithm>

namespace qel::test {
namespace {

// A company with `count` tagged assets: "Tag Nbr to Asset Id" lists one row each.
void addTaggedAssets(ReportsFixture& f, int count) {
    for (int i = 0; i < count; ++i) {
        const std::int32_t asset = addAsset({.name = "Asset " + std::to_string(i),
                                             .company = f.company,
                                             .method = kMacrs,
                                             .cost = 100.0,
                                             .placed = "2010-01-01",
                                             .life = 5.0});
        addDescription(asset, "T-" + std::to_string(100 + i), "", 0, "");
    }
}

// Runs what the lists have put off until control returns to the event loop: the scroll bars
// they show or hide for the size they were given.
void settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The rows of the list that are not shown whole: cut by the list's bottom edge or by its
// horizontal scroll bar.
QStringList rowsNotWhole(const QTableView& view) {
    QStringList cut;
    const int firstColumn = view.horizontalHeader()->logicalIndexAt(0);
    for (int row = 0; row < view.model()->rowCount(); ++row) {
        const QRect cell = view.visualRect(view.model()->index(row, firstColumn));
        if (cell.top() < 0 || cell.bottom() >= view.viewport()->height())
            cut << QString::number(row);
    }
    return cut;
}

QHeaderView& headerOf(reports::FrmDocument& doc) {
    return *doc.lvListView->horizontalHeader();
}

void clickColumnTitle(reports::FrmDocument& doc, int column) {
    QHeaderView& header = headerOf(doc);
    QTest::mouseClick(header.viewport(), Qt::LeftButton, {},
                      QPoint(header.sectionViewportPosition(column) + 5, header.height() / 2));
}

class RecordingPrinter : public PrintingServices {
public:
    void PrintListView(const ShownList& list, const QString& title) override {
        printed << QStringLiteral("%1 (%2 rows)").arg(title).arg(list.rowCount());
    }
    void PrintAssetDetail(const AssetDetailPage&) override {}
    void ShowAssetLedger(std::int32_t) override {}
    void showRichText(const QString&, const QString&) override {}
    QStringList printed;
};

} // namespace

void ReportWindowTest::theWindowIsSizedByItsRows_data() {
    QTest::addColumn<int>("rows");
    QTest::newRow("1 row") << 1;
    QTest::newRow("9 rows") << 9;
    QTest::newRow("30 rows") << 30;
    QTest::newRow("31 rows") << 31;
}

// Below 10 rows the height is 200 twips a row plus 1600 (1 row: 1800, 9 rows: 3400); from 10
// rows on 210 a row plus 1600, at most the main window's height less 1300. The width is the
// list's plus 400, from 31 rows on plus 600. Where the list's rows need more height to show whole,
// the window takes just that much more.
void ReportWindowTest::theWindowIsSizedByItsRows() {
    QFETCH(int, rows);
    ReportsFixture f(false);
    addTaggedAssets(f, rows);
    f.choose("mnuTagToAssetId");
    QCOMPARE(f.reportWindows().size(), 1);
    reports::FrmDocument* doc = f.reportWindows().front();
    QCOMPARE(doc->lvListView->model()->rowCount(), rows);

    const TwipsRect main = windowTwips(f.window);
    const TwipsRect at = windowTwips(*frameOf(doc));
    const double height = rows < 10 ? rows * 200 + 1600 : std::min(rows * 210 + 1600.0, main.height - 1300);
    if (rows < 10) {
        // Grown, but no more than the rows need: the last one ends at the list's bottom edge.
        QVERIFY2(at.height >= height, qPrintable(QString::number(at.height)));
        const QTableView& view = *doc->lvListView;
        settle();
        QCOMPARE(rowsNotWhole(view), QStringList());
        const int lastBottom = view.visualRect(view.model()->index(rows - 1, 0)).bottom();
        QVERIFY2(at.height == height || lastBottom >= view.viewport()->height() - 2,
                 qPrintable(
                     QStringLiteral("%1 px below the last row").arg(view.viewport()->height() - lastBottom)));
    } else {
        QCOMPARE(at.height, height);
    }
    QCOMPARE(at.width, static_cast<double>(doc->list().width() + (rows > 30 ? 600 : 400)));
}

void ReportWindowTest::aShortReportShowsEveryRowWhole_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("answer");
    QTest::newRow("one row, wider than the window: Auto Use") << "mnuAutoUseRpt"
                                                              << "2010";
    QTest::newRow("a row and its totals, wider than the window: Disposed Assets") << "mnuDisposedAssets"
                                                                                  << "2010";
    QTest::newRow("a narrow list: Chart of Accounts") << "mnuChartOfAccounts" << QString();
    QTest::newRow("subtotals and a total: Journal Summary") << "mnuJournalEntry"
                                                            << "201006";
}

// The window's size in twips was made for rows lower than the list's, a lower title row and no
// horizontal scroll bar: a short report still shows each of its rows whole.
void ReportWindowTest::aShortReportShowsEveryRowWhole() {
    QFETCH(QString, item);
    QFETCH(QString, answer);
    ReportsFixture f;
    f.choose(item.toUtf8().constData(), answer);
    QCOMPARE(f.reportWindows().size(), 1);
    const QTableView& view = *f.reportWindows().front()->lvListView;
    QVERIFY(view.model()->rowCount() < 10);
    settle();
    QCOMPARE(rowsNotWhole(view), QStringList());
    QVERIFY(!view.verticalScrollBar()->isVisible());
}

// A schedule's window is as narrow as its three columns; its title names the asset, and the
// window widens for the frame to show it whole.
void ReportWindowTest::aScheduleShowsItsWholeTitle() {
    ReportsFixture f;
    const QString description = QStringLiteral("Oak desk and return for the sales office");
    subsystems().reports->showSchedule(Schedule::Tax, 1, description, kFederal);
    QCOMPARE(f.reportWindows().size(), 1);
    reports::FrmDocument& doc = *f.reportWindows().front();
    QVERIFY2(doc.windowTitle().contains(description), qPrintable(doc.windowTitle()));
    const QStringList cut = cutOffTexts(doc);
    QVERIFY2(!cut.contains(QStringLiteral("title:") + doc.windowTitle()), qPrintable(cut.join(", ")));
}

void ReportWindowTest::aReportWithoutRowsOpensNoWindowAndSaysSo() {
    ReportsFixture f(false);
    f.choose("mnuAssetWorkSheet", QStringLiteral("2010"));
    QVERIFY(f.reportWindows().isEmpty());
    QVERIFY(f.window.childWindows().list().isEmpty());
    QCOMPARE(f.window.statusLabel()->text(), QStringLiteral(" No data found. "));
    QCOMPARE(statusColour(f.window), QColor(0, 128, 0));
    QCOMPARE(f.ui.messages(), QStringList());
}

void ReportWindowTest::aFailedQueryShowsOneErrorAndOpensNoWindow() {
    ReportsFixture f;
    f.fresh.exec("DROP TABLE tblAssetDescription");
    f.choose("mnuTagToAssetId");
    QVERIFY(f.window.childWindows().list().isEmpty());
    const QStringList shown = f.ui.messages();
    QCOMPARE(shown.size(), 1);
    QVERIFY2(shown[0].startsWith(QStringLiteral("Error in CreateReport. ")), qPrintable(shown[0]));
    QVERIFY2(shown[0].contains(QStringLiteral("tblAssetDescription")), qPrintable(shown[0]));
    QVERIFY(shown[0].endsWith(QStringLiteral(" Error Number: -2147352571")));
    QCOMPARE(f.window.statusLabel()->text(), QString());
}

void ReportWindowTest::theOnlyReportWindowGoesToTheTopLeftCorner() {
    ReportsFixture f;
    f.choose("mnuTagToAssetId");
    QMdiSubWindow* first = frameOf(f.reportWindows().at(0));
    QCOMPARE(first->pos(), QPoint(0, 0));
    QCOMPARE(reports::CheckForReports(), std::int16_t{1});

    f.choose("mnuChartOfAccounts");
    QCOMPARE(reports::CheckForReports(), std::int16_t{2});
    QMdiSubWindow* second = frameOf(f.reportWindows().at(1));
    second->move(120, 90);
    first->showMinimized();
    QCOMPARE(reports::CheckForReports(), std::int16_t{1});
    second->showMinimized();

    // With every other report window minimized, the new one is again the only one in sight.
    f.choose("mnuTagToAssetId");
    QCOMPARE(f.reportWindows().size(), 3);
    QCOMPARE(frameOf(f.reportWindows().at(2))->pos(), QPoint(0, 0));
}

void ReportWindowTest::aReportOpenedOverAMaximizedWindowTakesItsOwnSize() {
    ReportsFixture f;
    // The size of its own: that of the same report opened beside no other window (two rows:
    // 2 * 200 + 1600 twips, and what its rows need beyond that to show whole).
    f.choose("mnuChartOfAccounts");
    const TwipsRect own = windowTwips(*frameOf(f.reportWindows().at(0)));
    QVERIFY(own.height >= 2.0 * 200 + 1600);
    f.window.childWindows().closeAll();
    QVERIFY(f.reportWindows().isEmpty());

    f.choose("mnuTagToAssetId");
    frameOf(f.reportWindows().at(0))->showMaximized();
    f.choose("mnuChartOfAccounts");
    QMdiSubWindow* second = frameOf(f.reportWindows().at(1));
    QVERIFY(!second->isMaximized());
    QCOMPARE(windowTwips(*second).height, own.height);
    QCOMPARE(windowTwips(*second).width, own.width);
}

void ReportWindowTest::theFixedWidthReportsKeepTheirWidthWithinTheMainWindow() {
    ReportsFixture f;
    const double mainWidth = windowTwips(f.window).width;
    QVERIFY(mainWidth > 8300 + 300 && mainWidth < 10700);
    f.choose("mnuJournalEntry", QStringLiteral("201006"));
    QCOMPARE(windowTwips(*frameOf(f.reportWindows().at(0))).width, 8300.0);
    // Property tax is 10700 twips wide: wider than the main window, it takes its width less 300.
    f.choose("mnuPropertyTax", QStringLiteral("201006"));
    QCOMPARE(windowTwips(*frameOf(f.reportWindows().at(1))).width, mainWidth - 300);
}

void ReportWindowTest::gridlinesToggleAndEscapeCloses() {
    ReportsFixture f;
    f.choose("mnuTagToAssetId");
    reports::FrmDocument* doc = f.reportWindows().front();
    QVERIFY(!doc->lvListView->showGrid());
    doc->cmdGridLines->click();
    QVERIFY(doc->lvListView->showGrid());
    doc->cmdGridLines->click();
    QVERIFY(!doc->lvListView->showGrid());

    QApplication::setActiveWindow(&f.window);
    doc->lvListView->setFocus();
    QTest::keyClick(doc->lvListView, Qt::Key_Escape);
    QEL_TRY_VERIFY(f.window.childWindows().list().isEmpty());

    f.choose("mnuTagToAssetId");
    f.reportWindows().front()->cmdCancel->click();
    QEL_TRY_VERIFY(f.window.childWindows().list().isEmpty());
}

void ReportWindowTest::printIsOffWithoutPrintingAndPrintsTheListWithIt() {
    ReportsFixture f;
    f.choose("mnuTagToAssetId");
    QVERIFY(!f.reportWindows().front()->cmdPrint->isEnabled());

    RecordingPrinter printer;
    registerServices(printer);
    f.choose("mnuTagToAssetId");
    reports::FrmDocument* doc = f.reportWindows().at(1);
    QVERIFY(doc->cmdPrint->isEnabled());
    doc->cmdPrint->click();
    QCOMPARE(printer.printed, QStringList{"Tag Nbr To Asset ID (3 rows)"});
}

void ReportWindowTest::aColumnClickSortsWithinTheGroups_data() {
    QTest::addColumn<int>("column");
    QTest::newRow("cost, an amount") << 4;
    QTest::newRow("description, a text") << 1;
}

// Sorting by the cost (600 before 1,000) or by the description puts Chair before Desk within the
// MACRS group, which still shows its method on its first row; the subtotal rows keep their
// places. Each click flips the title's arrow and the rows' order with it.
void ReportWindowTest::aColumnClickSortsWithinTheGroups() {
    QFETCH(int, column);
    ReportsFixture f;
    f.choose("mnuAssetWorkSheet", QStringLiteral("2010"));
    reports::FrmDocument* doc = f.reportWindows().front();
    const QStringList before = shownColumn(*doc->lvListView, 1);
    QCOMPARE(before.mid(8, 2), (QStringList{"Desk", "Chair"}));

    clickColumnTitle(*doc, column);
    QStringList after = shownColumn(*doc->lvListView, 1);
    QCOMPARE(after.mid(8, 2), (QStringList{"Chair", "Desk"}));
    QCOMPARE(shownColumn(*doc->lvListView, 0).mid(8, 2), (QStringList{"MACRS", " "}));
    QCOMPARE(after.at(11), before.at(11));
    QCOMPARE(after.last(), before.last());
    QCOMPARE(headerOf(*doc).sortIndicatorSection(), column);
    QCOMPARE(headerOf(*doc).sortIndicatorOrder(), Qt::AscendingOrder);

    clickColumnTitle(*doc, column);
    QCOMPARE(shownColumn(*doc->lvListView, 1).mid(8, 2), (QStringList{"Desk", "Chair"}));
    QCOMPARE(headerOf(*doc).sortIndicatorOrder(), Qt::DescendingOrder);
}

void ReportWindowTest::theListShowsBoldTotalsAndHiddenColumns() {
    ReportsFixture f;
    f.choose("mnuAssetWorkSheet", QStringLiteral("2010"));
    const QAbstractItemModel& m = *f.reportWindows().front()->lvListView->model();
    QCOMPARE(m.index(2, 1).data().toString(), QStringLiteral("                             Subtotal"));
    QVERIFY(m.index(2, 1).data(Qt::FontRole).value<QFont>().bold());
    QVERIFY(!m.index(0, 1).data(Qt::FontRole).isValid());
    QCOMPARE(m.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Asset #  "));
    QCOMPARE(m.index(0, 4).data(Qt::TextAlignmentRole).toInt() & Qt::AlignRight, int(Qt::AlignRight));

    f.choose("mnuAutoUseRpt", QStringLiteral("2010"));
    reports::FrmDocument* autoUse = f.reportWindows().at(1);
    const QTableView& view = *autoUse->lvListView;
    QCOMPARE(view.model()->headerData(1, Qt::Horizontal).toString(), QStringLiteral("Vehicle Order"));
    QCOMPARE(view.model()->headerData(6, Qt::Horizontal).toString(), QStringLiteral("Personal Use"));
    QVERIFY(view.isColumnHidden(2));
    QVERIFY(view.isColumnHidden(9));
    QVERIFY(view.isColumnHidden(10));
    QVERIFY(!view.isColumnHidden(1));
    QCOMPARE(shownColumn(view, 1), QStringList{"1"});
    QCOMPARE(shownColumn(view, 3), QStringList{"12,000"});
}

void ReportWindowTest::aCellWiderThanItsColumnWidensIt_data() {
    QTest::addColumn<QString>("tag");
    QTest::newRow("the widest letter") << QString(25, QLatin1Char('W'));
    QTest::newRow("letters drawn closer in pairs") << QStringLiteral("AVAWAYTeToYaWaLTAVAWAYTeT");
    QTest::newRow("letters beyond ASCII") << QStringLiteral("ÅÉÎØÜŒÆÑÇÐÞŴŶÀÈÌÒÙÂÊÔÛÄËÏ");
}

// Each cell shows whole, however narrow the width its column is given, and the window grows by
// what the columns gained: the list still shows every column.
void ReportWindowTest::aCellWiderThanItsColumnWidensIt() {
    QFETCH(QString, tag);
    ReportsFixture f(false);
    addTaggedAssets(f, 2);
    f.fresh.exec("UPDATE tblAssetDescription SET [Tag Number] = " + sqlText(tag.toStdString()) +
                 " WHERE [Tag Number] = 'T-100'");
    f.choose("mnuTagToAssetId");
    reports::FrmDocument* doc = f.reportWindows().front();
    QVERIFY(shownColumn(*doc->lvListView, 0).contains(tag));
    QCOMPARE(cutOffCells(*doc->lvListView), QStringList());
    settle();
    QVERIFY(headerOf(*doc).length() <= doc->lvListView->viewport()->width());
}

QEL_QTEST_REGISTER(ReportWindowTest);

} // namespace qel::test
