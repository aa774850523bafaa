#include "tests/app/printing/RichTextWindowTest.h"

#include "app/printing/FrmRichText.h"
#include "app/printing/Printing.h"
#include "app/printing/rules/ShownFile.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/WindowPosition.h"
#include "tests/app/shell/FakeSubsystems.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/PdfText.h"
#include "tests/testsupport/QtTestMain.h"
#include "tests/testsupport/TestData.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTextEdit>

#include <fstream>

namespace qel::test {
namespace {

// The main window with the real printing services; the reports' folder check and the import
// log's choice come from fakes.
struct PrintingFixture {
    PrintingFixture() {
        printing.today = [] { return Date(2012, 3, 7); };
        registerServices(static_cast<ReportServices&>(fake));
        registerServices(static_cast<DataExchangeServices&>(fake));
        registerServices(static_cast<PrintingServices&>(printing));
        company = addCompany("ACME Corp");
        setCurrentCompany(company, "ACME Corp");
        window = std::make_unique<MdiMain>();
        window->show();
    }

    std::string writeLog(const std::string& name, const std::string& text) const {
        const auto path = (shell.fresh.folder() / name).string();
        std::ofstream(path) << text;
        return path;
    }

    void chooseLog(const std::string& path) {
        fake.logPath = QString::fromStdString(path);
        window->menuItem("mnuImportLog")->trigger();
    }

    printing::FrmRichText* form() const {
        QMdiSubWindow* sub = window->childWindows().find(printing::FrmRichText::kKey);
        return sub ? qobject_cast<printing::FrmRichText*>(sub->widget()) : nullptr;
    }

    QString caption() const {
        return window->childWindows().find(printing::FrmRichText::kKey)->windowTitle();
    }

    // A desk of the company at the location, with its description row.
    std::int32_t addDesk(const std::string& name, std::int32_t location, std::int32_t account) const {
        const std::int32_t asset = addAsset({.name = name,
                                             .company = company,
                                             .method = kMacrs,
                                             .cost = 1000,
                                             .placed = "2010-03-01",
                                             .life = 7,
                                             .convention = kHalfYear,
                                             .account = account});
        addDescription(asset, "T-" + name, "S-" + name, location, "");
        return asset;
    }

    ShellFixture shell;
    FakeSubsystems fake;
    printing::Printing printing;
    std::int32_t company = 0;
    std::unique_ptr<MdiMain> window;
};

} // namespace

void RichTextWindowTest::theImportLogItemShowsTheChosenLog() {
    PrintingFixture f;
    const std::string log =
        f.writeLog("ImportLog-3-7-2012-14-5-9.txt",
                   "3/7/2012 2:05:09 PM\nCost is required for row 7\n{\\rtf1 \\b bold}\n");
    f.chooseLog(log);
    QVERIFY(f.form());
    QCOMPARE(f.caption(), QStringLiteral("Import log"));
    // Plain text: rich-text control words show as they stand.
    QCOMPARE(f.form()->rtbReport->toPlainText(),
             QStringLiteral("3/7/2012 2:05:09 PM\nCost is required for row 7\n{\\rtf1 \\b bold}\n"));
    QVERIFY(f.form()->rtbReport->isReadOnly());
    QCOMPARE(f.form()->rtbReport->font().family(), QStringLiteral("Courier New"));
}

void RichTextWindowTest::aSecondLogReplacesTheFirst() {
    PrintingFixture f;
    f.chooseLog(f.writeLog("first.txt", "first log\n"));
    f.chooseLog(f.writeLog("second.txt", "second log\n"));
    QCOMPARE(f.window->childWindows().list().size(), 1);
    QCOMPARE(f.form()->rtbReport->toPlainText(), QStringLiteral("second log\n"));
}

void RichTextWindowTest::aLogThatCannotBeReadIsReported() {
    PrintingFixture f;
    f.chooseLog((f.shell.fresh.folder() / "gone.txt").string());
    QCOMPARE(f.shell.ui.messages().size(), 1);
    QVERIFY(f.shell.ui.messages()[0].startsWith("Error in mnuImportLog. "));
    QVERIFY(f.shell.ui.messages()[0].contains("gone.txt"));
}

// A log of a sheet of many failed rows is shown by its end, under a line that says the start
// was left out.
void RichTextWindowTest::aLogLongerThanTheBoundShowsItsEnd() {
    PrintingFixture f;
    std::string log = "3/7/2012 2:05:09 PM\n";
    for (int row = 2; log.size() <= printing::kMostShownFileBytes; ++row)
        log += "Cost is required for row " + std::to_string(row) + "\n";
    f.chooseLog(f.writeLog("ImportLog-3-7-2012-14-5-9.txt", log));
    QVERIFY(f.shell.ui.messages().isEmpty());
    const QString shown = f.form()->rtbReport->toPlainText();
    const QString note = QStringLiteral("[The start of this file is left out: its first ");
    QVERIFY2(shown.startsWith(note), qPrintable(shown.left(200)));
    QVERIFY(!shown.contains(QStringLiteral("2:05:09 PM")));
    const QString lastLines = QString::fromStdString(log.substr(log.size() - 1000));
    QVERIFY(shown.endsWith(lastLines));
    QVERIFY(shown.size() <= qsizetype(printing::kMostShownFileBytes) + note.size() + 100);
}

void RichTextWindowTest::theListingShowsTheCompanysAssets() {
    PrintingFixture f;
    const auto account = addAccount("Furniture", "1500", "1510", "6100");
    const auto main = addLocation("Main");
    const auto yard = addLocation("Yard");
    f.addDesk("Desk A", main, account);
    f.addDesk("Desk B", yard, account);
    f.addDesk("Desk C", main, account);

    f.printing.ShowAssetLedger(main);
    QVERIFY(f.form());
    QCOMPARE(f.caption(), QStringLiteral("Asset Listing for ACME Corp"));
    const QString text = f.form()->rtbReport->toPlainText();
    QVERIFY(text.contains("Desk A"));
    QVERIFY(!text.contains("Desk B"));
    QVERIFY(text.contains("Desk C"));
    QCOMPARE(text.count("Asset Listing"), 1);
    // The first title is selected, which brings the top into view.
    QCOMPARE(f.form()->rtbReport->textCursor().selectedText(), QStringLiteral("Asset Listing"));

    f.printing.ShowAssetLedger(-13);
    const QString all = f.form()->rtbReport->toPlainText();
    QVERIFY(all.contains("Desk A") && all.contains("Desk B") && all.contains("Desk C"));
    // Three assets: headers for pages 1 and 2; the second listing replaced the first.
    QCOMPARE(all.count("Asset Listing"), 2);
    QVERIFY(all.contains("Page 2"));
    QCOMPARE(f.window->childWindows().list().size(), 1);
}

void RichTextWindowTest::aListingReplacesTheLogAndItsCaption() {
    PrintingFixture f;
    f.addDesk("Desk A", addLocation("Main"), addAccount("Furniture", "1500", "1510", "6100"));
    f.chooseLog(f.writeLog("log.txt", "a log line\n"));
    f.printing.ShowAssetLedger(-13);
    QCOMPARE(f.caption(), QStringLiteral("Asset Listing for ACME Corp"));
    QVERIFY(!f.form()->rtbReport->toPlainText().contains("a log line"));
}

void RichTextWindowTest::aLocationWithoutAssetsShowsNoDataFound() {
    PrintingFixture f;
    f.printing.ShowAssetLedger(-13);
    QVERIFY(!f.form());
    QCOMPARE(f.window->statusLabel()->text(), QStringLiteral(" No data found. "));
    QCOMPARE(statusColour(*f.window), QColor(0, 128, 0));
}

void RichTextWindowTest::printPrintsTheWholeTextInPages() {
    PrintingFixture f;
    const auto account = addAccount("Furniture", "1500", "1510", "6100");
    const auto main = addLocation("Main");
    for (int i = 1; i <= 5; ++i)
        f.addDesk("Desk " + std::to_string(i), main, account);
    f.printing.ShowAssetLedger(-13);
    const std::string pdf = (f.shell.fresh.folder() / "listing.pdf").string();
    f.shell.ui.answerPrint(QString::fromStdString(pdf));
    f.form()->cmdPrint->click();
    const std::string text = pdfText(pdf);
    QVERIFY(pdfPageCount(pdf) >= 3);
    for (const char* expected : {"ACME Corp", "03/07/2012", "Page 1", "Page 3", "Asset Listing", "Desk 1",
                                 "Desk 5", "Tax Method:", "MACRS", "Disposition:"})
        QVERIFY2(text.find(expected) != std::string::npos, expected);
}

void RichTextWindowTest::cancelInThePrintDialogPrintsNothing() {
    PrintingFixture f;
    f.chooseLog(f.writeLog("log.txt", "a log line\n"));
    f.form()->cmdPrint->click();
    QCOMPARE(f.shell.ui.callsOf(UiCall::Print).size(), std::size_t(1));
    QVERIFY(f.shell.ui.messages().isEmpty());
}

void RichTextWindowTest::cancelClosesTheWindow() {
    PrintingFixture f;
    f.chooseLog(f.writeLog("log.txt", "a log line\n"));
    f.form()->cmdExit->click();
    QEL_TRY_VERIFY(!f.form());
    // The main window stays.
    QVERIFY(f.window->isVisible());
    // A new log opens a new, empty window.
    f.chooseLog(f.writeLog("next.txt", "next\n"));
    QCOMPARE(f.form()->rtbReport->toPlainText(), QStringLiteral("next\n"));
}

void RichTextWindowTest::theWindowOpensAtItsDesignedSize() {
    PrintingFixture f;
    f.window->resize(twipsToPixelsX(*f.window, 20000), twipsToPixelsY(*f.window, 12000));
    f.chooseLog(f.writeLog("log.txt", "a log line\n"));
    QMdiSubWindow* window = f.window->childWindows().find(printing::FrmRichText::kKey);
    QVERIFY(qAbs(window->width() - twipsToPixelsX(*window, 11500)) <= 1);
    QVERIFY(qAbs(f.form()->height() - twipsToPixelsY(*window, 5280)) <= 1);
    QVERIFY(f.form()->rtbReport->height() > twipsToPixelsY(*window, 4000));
    f.window->childWindows().closeAll();

    // Never wider than the main window less 300 twips.
    f.window->resize(twipsToPixelsX(*f.window, 9000), twipsToPixelsY(*f.window, 9000));
    f.chooseLog(f.writeLog("log.txt", "a log line\n"));
    window = f.window->childWindows().find(printing::FrmRichText::kKey);
    QVERIFY(qAbs(window->width() - twipsToPixelsX(*window, 9000 - 300)) <= 2);
}

void RichTextWindowTest::theBoxAndButtonsFollowTheWindowsSize() {
    PrintingFixture f;
    f.chooseLog(f.writeLog("log.txt", "a log line\n"));
    printing::FrmRichText& form = *f.form();
    form.resize(twipsToPixelsX(form, 8000), twipsToPixelsY(form, 4000));
    const QRect box = form.rtbReport->geometry();
    QCOMPARE(box.left(), twipsToPixelsX(form, 100));
    QCOMPARE(box.top(), twipsToPixelsY(form, 100));
    QVERIFY(qAbs(box.width() - twipsToPixelsX(form, 8000 - 230)) <= 1);
    QVERIFY(qAbs(box.height() - twipsToPixelsY(form, 4000 - 750)) <= 1);
    // Both buttons stand under the box's right end, inside the window.
    QVERIFY(form.cmdExit->geometry().top() > box.bottom());
    QVERIFY(form.cmdExit->geometry().right() <= box.right() + 1);
    QVERIFY(form.cmdPrint->geometry().right() < form.cmdExit->geometry().left());
    QVERIFY(form.cmdExit->geometry().bottom() < form.height());
}

QEL_QTEST_REGISTER(RichTextWindowTest);

} // namespace qel::test
