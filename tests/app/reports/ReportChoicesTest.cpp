// The report choice windows through the main window's menus.
#include "tests/app/reports/ReportChoicesTest.h"

#include "app/reports/FrmLocation.h"
#include "app/reports/FrmTaxReports.h"
#include "app/shell/PrintingServices.h"
#include "app/shell/WindowPosition.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

namespace qel::test {
namespace {

// Printing that records which listings it was asked for.
class ListingPrinter : public PrintingServices {
public:
    void PrintListView(const ShownList&, const QString&) override {}
    void PrintAssetDetail(const AssetDetailPage&) override {}
    void ShowAssetLedger(std::int32_t locationId) override { listed << locationId; }
    void showRichText(const QString&, const QString&) override {}
    QList<std::int32_t> listed;
};

// The tax report window open now, or nullptr.
reports::FrmTaxReports* taxReports(const ReportsFixture& f) {
    QMdiSubWindow* frame = f.window.childWindows().find(QStringLiteral("frmTaxReports"));
    return frame ? dynamic_cast<reports::FrmTaxReports*>(frame->widget()) : nullptr;
}

// Opens the tax report window through its menu item.
reports::FrmTaxReports& openTaxReports(ReportsFixture& f) {
    f.choose("mnuReportsTax");
    reports::FrmTaxReports* window = taxReports(f);
    if (!window)
        throw std::runtime_error("Tax Reports opened no window");
    return *window;
}

// The tax books of two assets: the Desk in the AMT book, the Chair in the State book.
void addBookRows(const ReportsFixture& f) {
    for (const auto& [asset, book, section179] :
         {std::tuple{"Desk", kAmt, 100}, std::tuple{"Chair", kState, 600}})
        f.fresh.exec(
            "INSERT INTO tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost, "
            "BusinessPercent, "
            "Section179, Allowance, ConventionId, Salvage, Actual_Method, CostBasis) SELECT Company_Id, "
            "Asset_num, " +
            std::to_string(book) + ", depr_method, life, Cost, 1, " + std::to_string(section179) +
            ", 0, convention, 0, actual_method, Cost FROM tblAssets WHERE Asset_name = '" + asset + "'");
}

// Picks the entry of the combo box with that text.
void pick(QComboBox& cbo, const QString& text) {
    const int index = cbo.findText(text);
    QVERIFY2(index >= 0, qPrintable(text));
    cbo.setCurrentIndex(index);
}

} // namespace

void ReportChoicesTest::theTaxReportWindowOpensOnceWithTheAlternativeBooks() {
    ReportsFixture f;
    reports::FrmTaxReports& window = openTaxReports(f);
    QCOMPARE(window.windowTitle(), QStringLiteral("Select a Tax Report"));
    QStringList captions;
    for (const QRadioButton* option : window.optReports) {
        captions << option->text();
        QVERIFY(!option->isChecked());
    }
    QCOMPARE(captions, (QStringList{"Depreciation WorkSheet", "179 WorkSheet", "New Assets WorkSheet",
                                    "Disposed Assets", "New Assets", "50 Year Assets"}));
    QCOMPARE(comboEntries(*window.cboBook), (QStringList{"AMT", "Other", "State"}));
    QCOMPARE(window.cboBook->currentIndex(), -1);
    QCOMPARE(window.txtYear->text(), QStringLiteral("2010"));
    QCOMPARE(window.lblBook->buddy(), window.cboBook);
    QCOMPARE(cutOffTexts(window), QStringList());

    // Asked again, the same window comes forward with what it holds.
    window.txtYear->setText(QStringLiteral("2011"));
    f.choose("mnuReportsTax");
    QCOMPARE(f.window.childWindows().list().size(), 1);
    QCOMPARE(taxReports(f), &window);
    QCOMPARE(window.txtYear->text(), QStringLiteral("2011"));
}

void ReportChoicesTest::missingChoicesAreToldOnTheStatusLine_data() {
    QTest::addColumn<int>("option");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("book");
    QTest::addColumn<QString>("status");
    QTest::newRow("nothing chosen, no year")
        << -1 << ""
        << ""
        << " Please select a report.  Year is required  Book is required ";
    QTest::newRow("no report") << -1 << "2010"
                               << "AMT"
                               << " Please select a report. ";
    QTest::newRow("no year") << 1 << ""
                             << "AMT"
                             << " Year is required ";
    QTest::newRow("no book") << 1 << "2010"
                             << ""
                             << " Book is required ";
}

void ReportChoicesTest::missingChoicesAreToldOnTheStatusLine() {
    QFETCH(int, option);
    QFETCH(QString, year);
    QFETCH(QString, book);
    QFETCH(QString, status);
    ReportsFixture f;
    reports::FrmTaxReports& window = openTaxReports(f);
    if (option >= 0)
        window.optReports[static_cast<std::size_t>(option)]->setChecked(true);
    window.txtYear->setText(year);
    if (!book.isEmpty())
        pick(*window.cboBook, book);
    QTest::mouseClick(window.cndOk, Qt::LeftButton);
    QCOMPARE(f.window.statusLabel()->text(), status);
    // Written without a colour: the status line's green.
    QCOMPARE(statusColour(f.window), QColor(0, 128, 0));
    QVERIFY(f.reportWindows().isEmpty());
    QCOMPARE(f.ui.calls().size(), 0u);
}

void ReportChoicesTest::okRunsTheBooksReportOfTheChosenBookAndStaysOpen() {
    ReportsFixture f;
    addBookRows(f);
    reports::FrmTaxReports& window = openTaxReports(f);
    f.window.DisplayMsg(QStringLiteral("an earlier message"));
    window.optReports[1]->setChecked(true);
    pick(*window.cboBook, QStringLiteral("AMT"));
    QTest::mouseClick(window.cndOk, Qt::LeftButton);
    QCOMPARE(f.ui.callsOf(UiCall::Input).size(), 0u);
    QCOMPARE(f.window.statusLabel()->text(), QString());
    QCOMPARE(f.reportWindows().size(), 1);
    const reports::FrmDocument* amt = f.reportWindows().at(0);
    QCOMPARE(amt->windowTitle(), QStringLiteral("2010 - 179 WorkSheet for Harbour Supply, Book - AMT"));
    QCOMPARE(shownColumn(*amt->lvListView, 0).first(), QStringLiteral("Desk"));

    // The window is still there for the next choice: the same report of the State book.
    QVERIFY(taxReports(f));
    pick(*window.cboBook, QStringLiteral("State"));
    QTest::mouseClick(window.cndOk, Qt::LeftButton);
    QCOMPARE(f.reportWindows().size(), 2);
    const reports::FrmDocument* state = f.reportWindows().at(1);
    QCOMPARE(state->windowTitle(), QStringLiteral("2010 - 179 WorkSheet for Harbour Supply, Book - State"));
    QCOMPARE(shownColumn(*state->lvListView, 0).first(), QStringLiteral("Chair"));
    QCOMPARE(f.ui.messages(), QStringList());
}

void ReportChoicesTest::theTypedYearIsCheckedByTheReportPrompts() {
    ReportsFixture f;
    reports::FrmTaxReports& window = openTaxReports(f);
    window.optReports[0]->setChecked(true);
    pick(*window.cboBook, QStringLiteral("AMT"));
    window.txtYear->setText(QStringLiteral("1850"));
    QTest::mouseClick(window.cndOk, Qt::LeftButton);
    QCOMPARE(f.ui.callsOf(UiCall::Input).size(), 0u);
    QCOMPARE(f.window.statusLabel()->text(), QStringLiteral("Year must be between 1900 and 9999!"));
    QCOMPARE(statusColour(f.window), QColor(255, 0, 0));
    QVERIFY(f.reportWindows().isEmpty());
}

void ReportChoicesTest::theLocationChoiceOffersEveryLocationAndAll() {
    ReportsFixture f;
    f.fresh.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES "
                 "('Warehouse ', 'The warehouse'), ('Office', 'The office')");
    QStringList shown;
    QString chosen;
    bool placed = false;
    ListingPrinter printer;
    registerServices(printer);
    f.ui.onModal(QStringLiteral("frmLocation"), [&](QDialog& d) {
        auto& choice = dynamic_cast<reports::FrmLocation&>(d);
        shown = comboEntries(*choice.cboLocation);
        chosen = choice.cboLocation->currentText();
        QCOMPARE(choice.windowTitle(), QStringLiteral("Chose a location"));
        QCOMPARE(choice.Label1->text(),
                 QStringLiteral("All returns every assets, or chose a location to limit the report."));
        QVERIFY(choice.cmdOK->isDefault());
        QCOMPARE(cutOffTexts(choice), QStringList());
        // Centred across the main window, an eighth of the free height down.
        const TwipsRect over = windowTwips(f.window);
        const TwipsRect own = windowTwips(choice);
        QCOMPARE(own.left, over.left + (over.width - own.width) / 2);
        QCOMPARE(own.top, over.top + (over.height - own.height) / 8);
        placed = true;
    });
    f.choose("mnuAssetListing");
    QVERIFY(placed);
    QCOMPARE(shown, (QStringList{"Office", "Warehouse", "All"}));
    QCOMPARE(chosen, QStringLiteral("All"));
}

void ReportChoicesTest::okShowsTheListingOfTheChosenLocation_data() {
    QTest::addColumn<QString>("location");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QList<std::int32_t>>("listed");
    QTest::newRow("all at once") << "All"
                                 << "cmdOK" << QList<std::int32_t>{-13};
    QTest::newRow("one location") << "Office"
                                  << "cmdOK" << QList<std::int32_t>{2};
    QTest::newRow("cancelled") << "Office"
                               << "cmdCancel" << QList<std::int32_t>{};
}

void ReportChoicesTest::okShowsTheListingOfTheChosenLocation() {
    QFETCH(QString, location);
    QFETCH(QString, button);
    QFETCH(QList<std::int32_t>, listed);
    ReportsFixture f;
    f.fresh.exec("INSERT INTO tblLocations ([Short Location]) VALUES ('Warehouse'), ('Office')");
    ListingPrinter printer;
    registerServices(printer);
    f.ui.onModal(QStringLiteral("frmLocation"), [&](QDialog& d) {
        auto& choice = dynamic_cast<reports::FrmLocation&>(d);
        pick(*choice.cboLocation, location);
        QTest::mouseClick(choice.findChild<QPushButton*>(button), Qt::LeftButton);
        QVERIFY(!choice.isVisible());
    });
    f.choose("mnuAssetListing");
    QCOMPARE(printer.listed, listed);
    QCOMPARE(f.ui.messages(), QStringList());
}

void ReportChoicesTest::withoutPrintingTheListingIsNotAvailable() {
    // The listing is shown by the printing subsystem: without it the item is disabled.
    ReportsFixture f;
    QVERIFY(!f.window.menuItem(QStringLiteral("mnuAssetListing"))->isEnabled());
}

QEL_QTEST_REGISTER(ReportChoicesTest);

} // namespace qel::test
