// The main window's menu tree (every item's name, caption and help id), which items need which
// subsystem, what each item passes to its subsystem, the password commands, the deletion of the
// last period, and the status line with its colour numbers and clearing.
#include "tests/app/shell/MenuTest.h"

#include "app/shell/ChildWindows.h"
#include "app/shell/MdiMain.h"
#include "common/IniFile.h"
#include "server/data/Database.h"
#include "tests/app/shell/FakeSubsystems.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QSignalSpy>

#include <algorithm>

namespace qel::test {
namespace {

struct ExpectedItem {
    const char* name;
    const char* caption;
    int helpId;
    bool visible;
};

struct ExpectedMenu {
    const char* name;
    const char* caption;
    std::vector<ExpectedItem> items;
};

// The menu tree as the program's users know it.
const std::vector<ExpectedMenu> kExpectedMenus = {
    {"mnuFile",
     "&File",
     {{"mnuBackupDb", "Backup Database", 13, true},
      {"mnuRestoreDb", "Restore Database", 31, true},
      {"mnuDisplayDBpath", "Display Database Path", 0, true},
      {"mnuDbPath", "Set Databse Path", 0, true},
      {"mnuImportline", "-", 0, true},
      {"mnuImportAssets", "Import Assets", 38, true},
      {"mnuImportLog", "Import Log ", 38, true},
      {"mnuFileLine", "-", 0, true},
      {"mnuExit", "&Exit", 0, true}}},
    {"mnuDefaults",
     "&Defaults",
     {{"mnuSelectCompany", "Set Company", 15, true},
      {"mnuDefaultYear", "Set Default Year", 18, true},
      {"mnuPassWord", "Enable Password", 0, true},
      {"mnudisablePwd", "Disable Password", 0, false},
      // A new window has no password switch yet, which counts as off: no user maintenance.
      {"mnuUsers", "User Maint", 25, false},
      {"mnuDefaultBar", "-", 0, true},
      {"mnuAccounts", "G\\L Accounts", 23, true},
      {"mnuClassMaint", "Asset Classes", 7, true},
      {"mnuLocation", "Locations", 29, true},
      {"mnuCompanyMaint", "Company Maint.", 25, true}}},
    {"mnuMaintenance",
     "&Maintenance",
     {{"mnuAssetMaint", "Assets", 25, true},
      {"mnu4562Maint", "-", 0, true},
      {"mnu179", "179 Limits", 25, true},
      {"mnuAutoQstForEmployees", "Auto Qst for Employer", 25, true},
      {"mnuAutoUse", "Auto Use", 25, true},
      {"MnuAutoMax", "Auto Maximum Limits", 25, true},
      {"mnuMisc4562Data", "Miscellanous 4562 Data", 25, true}}},
    {"mnuReports",
     "Federal &Reports",
     {{"mnu179WrkSheet", "179 Work Sheet", 30, true},
      {"mnuADS50Yr", "50 Year Assets", 30, true},
      {"mnuAutoUseRpt", "Auto Use", 30, true},
      {"mnuCurrentWrkSheet", "Current Year Worksheet", 0, true},
      {"mnuAssetWorkSheet", "Depreciation WorkSheet", 30, true},
      {"mnuDisposedAssets", "Disposed Assets", 30, true},
      {"mnuForm4562_2", "Form 4562 ", 30, true},
      {"mnuNewAssets", "New Assets", 30, true},
      {"mnuNewAssetWorksheet", "New Assets Worksheet", 30, true},
      {"mnuAMTDifferences", "AMT Differences", 0, true},
      {"mnuTaxExportLine", "-", 0, true},
      {"mnuExportTaxWorkSheet", "Export Tax WorkSheet", 0, true}}},
    {"mnuBook",
     "&Book",
     {{"mnuDoMthDepr", "Do Monthly Depreciation", 0, true},
      {"mnuBookDeprRange", "Do Book Depreciation for a Range", 0, true},
      {"mnuDisplayPeriod", "Display Next Period", 0, true},
      {"mnuDeleteDepr", "Delete Last Period Depreciation", 0, true},
      {"mnuline", "-", 0, true},
      {"mnuAssetListing", "Asset Listing", 30, true},
      {"mnuBookAssetLedger", "Book Asset Ledger", 30, true},
      {"mnuChartOfAccounts", "Chart of Accounts", 0, true},
      {"mnuDeprJvDetail", "Depr Jounal Entry - Detail", 30, true},
      {"mnuJournalEntry", "Depr Jounal Entry - Summary", 30, true},
      {"mnuBookDisposedAssets", "Disposed Assets", 0, true},
      {"mnuPropertyTax", "Property Tax Data", 30, true},
      {"mnuline2", "-", 0, true},
      {"MnuExportJvDetail", "Export JV Detail", 0, true},
      {"mnuExportJVSummary", "Export JV Summary", 0, true},
      {"mnuExportPropertyTaxData", "Export Property Tax Data", 0, true},
      {"mnuExportAssetListing", "Export Asset Listing", 0, true},
      {"mnuExportBookAssetLedger", "Export Book Asset Ledger", 0, true}}},
    {"mnuReportsTax", "Tax Reports", {}},
    {"mnuTools", "T&ools", {{"mnuTagToAssetId", "Tag Nbr to Asset Id", 34, true}}},
    {"mnuWindows",
     "&Windows",
     {{"MnuCascade", "&Cascade", 0, true},
      {"mnuCloseWindows", "Close &All Windows", 0, true},
      {"mnuTileHorizontal", "Tile &Horizontal", 0, true},
      {"mnuTileVertical", "Tile &Vertical", 0, true}}},
    {"mnuHelp",
     "&Help",
     {{"mnuAbout", "About", 0, true},
      {"mnuHelpContents", "Contents", 0, true},
      {"mnuGettingStarted", "Getting Started", 0, true},
      {"mnuHelpSearch", "Search", 0, true},
      {"mnublank", "-", 0, true},
      {"mnuSupport", "E-Mail Support", 0, true},
      {"mnuReportAbug", "Report a Bug", 0, true}}},
};

QString describe(const QString& name, const QString& caption, int helpId, bool visible) {
    return QStringLiteral("%1|%2|%3|%4").arg(name, caption).arg(helpId).arg(visible ? "shown" : "hidden");
}

} // namespace

void MenuTest::theMenuTreeIsComplete() {
    ShellFixture f;
    MdiMain w;
    QStringList actual;
    for (QAction* top : w.menuBar()->actions()) {
        actual << describe(top->objectName(), top->text(), -1, true);
        if (QMenu* menu = top->menu()) {
            QCOMPARE(menu->objectName(), top->objectName());
            for (QAction* item : menu->actions()) {
                // A separator with a text is drawn as a heading with that text, not as a line.
                if (item->isSeparator())
                    QVERIFY2(item->text().isEmpty(), qPrintable(item->objectName()));
                actual << describe(item->objectName(), item->isSeparator() ? "-" : item->text(),
                                   item->property("HelpContextID").toInt(), item->isVisible());
            }
        }
    }
    QStringList expected;
    for (const ExpectedMenu& m : kExpectedMenus) {
        expected << describe(m.name, m.caption, -1, true);
        for (const ExpectedItem& i : m.items)
            expected << describe(i.name, i.caption, i.helpId, i.visible);
    }
    QCOMPARE(actual, expected);
    QVERIFY(w.menuItem("mnuReportsTax")->menu() == nullptr);
}

void MenuTest::itemsOfMissingSubsystemsAreDisabled_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<bool>("enabledAlone");
    QTest::newRow("Display Database Path") << "mnuDisplayDBpath" << true;
    QTest::newRow("Exit") << "mnuExit" << true;
    QTest::newRow("Set Company") << "mnuSelectCompany" << true;
    QTest::newRow("Enable Password") << "mnuPassWord" << true;
    QTest::newRow("Cascade") << "MnuCascade" << true;
    QTest::newRow("Tile Vertical") << "mnuTileVertical" << true;
    QTest::newRow("Backup Database") << "mnuBackupDb" << false;
    QTest::newRow("Import Assets") << "mnuImportAssets" << false;
    QTest::newRow("User Maint") << "mnuUsers" << false;
    QTest::newRow("Assets") << "mnuAssetMaint" << false;
    QTest::newRow("Tax Reports") << "mnuReportsTax" << false;
    QTest::newRow("Do Monthly Depreciation") << "mnuDoMthDepr" << false;
    QTest::newRow("Export JV Detail") << "MnuExportJvDetail" << false;
    QTest::newRow("About") << "mnuAbout" << false;
}

void MenuTest::itemsOfMissingSubsystemsAreDisabled() {
    QFETCH(QString, item);
    QFETCH(bool, enabledAlone);
    ShellFixture f;
    // A company is chosen, a child window open and the item shown (a hidden item is disabled
    // too), so that only the subsystems decide.
    SetCompanyId(1);
    setEnablePwd(item == "mnuUsers" ? "Y" : "N");
    {
        MdiMain w;
        w.childWindows().add(new QWidget);
        QCOMPARE(w.menuItem(item)->isEnabled(), enabledAlone);
    }
    FakeSubsystems fake;
    fake.registerAll();
    MdiMain w;
    w.childWindows().add(new QWidget);
    QVERIFY(w.menuItem(item)->isEnabled());
}

void MenuTest::eachItemReachesItsSubsystem_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QStringList>("calls");
    const auto row = [](const char* item, QStringList calls) {
        QTest::newRow(item) << QString(item) << calls;
    };
    row("mnuBackupDb", {"BackupDatabase"});
    row("mnuRestoreDb", {"RestoreDatabase"});
    row("mnuDbPath", {"SetDatabasePath"});
    row("mnuImportAssets", {"RetrieveFilesCopied", "DoImports"});
    row("mnuImportLog", {"RetrieveFilesCopied", "GetLogPath"});
    row("mnuSelectCompany", {"unloadAsset"});
    row("mnuDefaultYear", {"GetReport(Default Year,,0)"});
    row("mnuUsers", {"DisplayInterface(Users)", "showMaint"});
    row("mnuAccounts", {"DisplayInterface(Accounts)", "showMaint"});
    row("mnuClassMaint", {"DisplayInterface(AssetClasses)", "showMaint"});
    row("mnuLocation", {"DisplayInterface(Locations)", "showMaint"});
    row("mnuCompanyMaint", {"DisplayInterface(Companies)", "showMaint"});
    row("mnuAssetMaint", {"showAsset"});
    row("mnu179", {"DisplayInterface(179Rates)", "showMaint"});
    row("mnuAutoQstForEmployees", {"GetReport(Auto Question Form,,0)"});
    row("mnuAutoUse", {"GetReport(Auto Use Form,,0)"});
    row("MnuAutoMax", {"DisplayInterface(AutoRates)", "showMaint"});
    row("mnuMisc4562Data", {"DisplayInterface(Misc4562Data)", "showMaint"});
    row("mnu179WrkSheet", {"GetReport(179 WorkSheet,,0)"});
    row("mnuADS50Yr", {"GetReport(50 Year Assets,,0)"});
    row("mnuAutoUseRpt", {"GetReport(Auto Use,,0)"});
    row("mnuCurrentWrkSheet", {"GetReport(Current Year WorkSheet,,0)"});
    row("mnuAssetWorkSheet", {"GetReport(Depreciation WorkSheet,,0)"});
    row("mnuDisposedAssets", {"GetReport(Disposed Assets,,0)"});
    row("mnuForm4562_2", {"GetReport(Form 4562,,0)"});
    row("mnuNewAssets", {"GetReport(New Assets,,0)"});
    row("mnuNewAssetWorksheet", {"GetReport(New Assets WorkSheet,,0)"});
    row("mnuAMTDifferences", {"GetReport(AMT Differences,,0)"});
    row("mnuExportTaxWorkSheet", {"GetExport(Tax Worksheet,-)"});
    row("mnuDoMthDepr", {"DoMonthlyDepr"});
    row("mnuBookDeprRange", {"showBookDeprRange"});
    row("mnuDisplayPeriod", {"DisplayNextPeriod"});
    row("mnuAssetListing", {"showLocation"});
    row("mnuBookAssetLedger", {"GetReport(Book Asset Ledger,,0)"});
    row("mnuChartOfAccounts", {"GetReport(Chart of Accounts,,0)"});
    row("mnuDeprJvDetail", {"GetReport(Depr Journal Detail,,0)"});
    row("mnuJournalEntry", {"GetReport(Depr Journal Summary,,0)"});
    row("mnuBookDisposedAssets", {"GetReport(Book Disposed Assets,,0)"});
    row("mnuPropertyTax", {"GetReport(Property Tax,,0)"});
    row("MnuExportJvDetail", {"GetExport(Depr Journal Detail,True)"});
    row("mnuExportJVSummary", {"GetExport(Depr Journal Summary,True)"});
    row("mnuExportPropertyTaxData", {"GetExport(Propery Tax Data,True)"});
    row("mnuExportAssetListing", {"GetExport(Asset Listing,True)"});
    row("mnuExportBookAssetLedger", {"GetExport(Book Asset Ledger,True)"});
    row("mnuReportsTax", {"showTaxReports"});
    row("mnuTagToAssetId", {"GetReport(Tag Nbr To Asset ID,,0)"});
    row("mnuCloseWindows", {"CloseAllReports"});
    row("mnuTileHorizontal", {"TileHorizontal"});
    row("mnuAbout", {"showAbout"});
    row("mnuHelpContents", {"HHDisplayContents"});
    row("mnuGettingStarted", {"showGettingStarted"});
    row("mnuHelpSearch", {"HHDisplayIndex"});
    row("mnuSupport", {"EmailSupport"});
    row("mnuReportAbug", {"showBugReport"});
}

void MenuTest::eachItemReachesItsSubsystem() {
    QFETCH(QString, item);
    QFETCH(QStringList, calls);
    ShellFixture f;
    FakeSubsystems fake;
    fake.registerAll();
    // A company is chosen, the password switch on (User Maint is shown) and a child window open
    // (the window arrangement items are enabled).
    SetCompanyId(1);
    setEnablePwd("Y");
    MdiMain w;
    w.childWindows().add(new QWidget);
    QVERIFY(w.menuItem(item)->isEnabled());
    w.menuItem(item)->trigger();
    QCOMPARE(fake.log, calls);
}

void MenuTest::theFolderCheckFillsAMissingFolderAndGoesOn() {
    ShellFixture f;
    FakeSubsystems fake;
    fake.registerAll();
    fake.filesCopied = false;
    fake.logPath = "/tmp/ImportLog.txt";
    SetCompanyId(1);
    MdiMain w;
    w.menuItem("mnuImportLog")->trigger();
    QCOMPARE(fake.log, (QStringList{"RetrieveFilesCopied", "MovePdfFiles", "GetLogPath",
                                    "showRichText(/tmp/ImportLog.txt,Import log)"}));
}

void MenuTest::setCompanyClosesTheAssetFormThenOpensThePicker() {
    ShellFixture f;
    FakeSubsystems fake;
    fake.registerAll();
    MdiMain w;
    w.menuItem("mnuSelectCompany")->trigger();
    QCOMPARE(fake.log, QStringList{"unloadAsset"});
    QCOMPARE(f.ui.callsOf(UiCall::Modal).size(), std::size_t(1));
    QCOMPARE(f.ui.callsOf(UiCall::Modal)[0].text, QStringLiteral("frmCompany"));
}

void MenuTest::setCompanyStopsWhenTheAssetFormStaysOpen() {
    ShellFixture f;
    FakeSubsystems fake;
    fake.registerAll();
    fake.assetUnloads = false;
    MdiMain w;
    w.menuItem("mnuSelectCompany")->trigger();
    QCOMPARE(fake.log, QStringList{"unloadAsset"});
    QVERIFY(f.ui.callsOf(UiCall::Modal).empty());
}

void MenuTest::displayDatabasePathShowsTheIniPath() {
    ShellFixture f;
    MdiMain w;
    w.menuItem("mnuDisplayDBpath")->trigger();
    QCOMPARE(w.statusLabel()->text(), QString::fromStdString(f.fresh.path()));
    QCOMPARE(statusColour(w), QColor(0, 128, 0));
}

void MenuTest::thePasswordCommandsNeedAnExactYes_data() {
    QTest::addColumn<QString>("answer");
    QTest::addColumn<bool>("changes");
    QTest::newRow("Yes") << "Yes" << true;
    QTest::newRow("yes in lower case") << "yes" << false;
    QTest::newRow("Cancel") << "" << false;
    QTest::newRow("No") << "No" << false;
}

void MenuTest::thePasswordCommandsNeedAnExactYes() {
    QFETCH(QString, answer);
    QFETCH(bool, changes);
    ShellFixture f;
    FakeSubsystems fake;
    fake.registerAll();
    MdiMain w;
    setEnablePwd("N");

    f.ui.answerInput(answer);
    w.menuItem("mnuPassWord")->trigger();
    const UiCall ask = f.ui.callsOf(UiCall::Input).at(0);
    QCOMPARE(ask.text, QStringLiteral("Enable Password Protection"));
    QCOMPARE(ask.title, QStringLiteral("Password"));
    QCOMPARE(ask.proposed, QStringLiteral("Yes"));
    QCOMPARE(programState().EnablePwd(), changes ? QStringLiteral("Y") : QStringLiteral("N"));
    QCOMPARE(w.menuItem("mnuPassWord")->isVisible(), !changes);
    QCOMPARE(w.menuItem("mnudisablePwd")->isVisible(), changes);
    QCOMPARE(w.menuItem("mnuUsers")->isVisible(), changes);
    QCOMPARE(fake.log, changes ? (QStringList{"DisplayInterface(Users)", "showMaint"}) : QStringList());
    QCOMPARE(w.statusLabel()->text(), changes ? QStringLiteral("Password Protection Enabled.") : QString());
    if (!changes)
        return;

    f.ui.answerInput(answer);
    w.menuItem("mnudisablePwd")->trigger();
    QCOMPARE(f.ui.callsOf(UiCall::Input).at(1).text, QStringLiteral("Disable Password Protection"));
    QCOMPARE(programState().EnablePwd(), QStringLiteral("N"));
    QVERIFY(w.menuItem("mnuPassWord")->isVisible());
    QVERIFY(!w.menuItem("mnudisablePwd")->isVisible());
    QVERIFY(!w.menuItem("mnuUsers")->isVisible());
    QCOMPARE(w.statusLabel()->text(), QStringLiteral("Password Protection Disabled."));
}

// The item runs the books subsystem's own command, which asks "Delete Depreciation for the last
// period?" and says what happened; that command, its question and its messages are the books
// subsystem's and are tested there (tests/app/books). The shell used to ask the question itself.
void MenuTest::deletingTheLastPeriodIsTheBooksCommand() {
    ShellFixture f;
    FakeSubsystems fake;
    fake.registerAll();
    SetCompanyId(1);
    MdiMain w;
    w.menuItem("mnuDeleteDepr")->trigger();
    QCOMPARE(fake.log, QStringList{"deleteLastPeriod"});
    QVERIFY(f.ui.calls().empty());
}

void MenuTest::theStatusLineTakesColourNumbers_data() {
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("colour");
    QTest::addColumn<QColor>("shown");
    QTest::addColumn<int>("boxes");
    QTest::newRow("empty colour is green") << "Asset Added"
                                           << "" << QColor(0, 128, 0) << 0;
    QTest::newRow("255 is red") << "failed"
                                << "255" << QColor(255, 0, 0) << 0;
    QTest::newRow("0 is black") << ""
                                << "0" << QColor(0, 0, 0) << 0;
    QTest::newRow("blue in the third byte") << "x"
                                            << "16711680" << QColor(0, 0, 255) << 0;
    QTest::newRow("no number keeps the colour") << "shown anyway"
                                                << "red" << QColor(0, 0, 0) << 1;
}

void MenuTest::theStatusLineTakesColourNumbers() {
    QFETCH(QString, message);
    QFETCH(QString, colour);
    QFETCH(QColor, shown);
    QFETCH(int, boxes);
    ShellFixture f;
    MdiMain w;
    DisplayMsg("before", "0");
    DisplayMsg(message, colour);
    QCOMPARE(w.statusLabel()->text(), message);
    QCOMPARE(statusColour(w), shown);
    QCOMPARE(f.ui.messages().size(), boxes);
    if (boxes)
        QVERIFY(f.ui.messages()[0].startsWith("Error in DisplayMsg. "));
}

void MenuTest::openingSomeMenusClearsTheStatusLine_data() {
    QTest::addColumn<QString>("menu");
    QTest::addColumn<bool>("clears");
    QTest::newRow("File") << "mnuFile" << true;
    QTest::newRow("Defaults") << "mnuDefaults" << false;
    QTest::newRow("Maintenance") << "mnuMaintenance" << true;
    QTest::newRow("Federal Reports") << "mnuReports" << true;
    QTest::newRow("Book") << "mnuBook" << false;
    QTest::newRow("Tools") << "mnuTools" << false;
    QTest::newRow("Windows") << "mnuWindows" << true;
    QTest::newRow("Help") << "mnuHelp" << true;
}

void MenuTest::openingSomeMenusClearsTheStatusLine() {
    QFETCH(QString, menu);
    QFETCH(bool, clears);
    ShellFixture f;
    MdiMain w;
    DisplayMsg("An Error Occurred", "255");
    emit w.findChild<QMenu*>(menu)->aboutToShow();
    QCOMPARE(w.statusLabel()->text(), clears ? QString() : QStringLiteral("An Error Occurred"));
    QCOMPARE(statusColour(w), clears ? QColor(0, 128, 0) : QColor(255, 0, 0));
}

void MenuTest::exitRunsTheShutDown() {
    ShellFixture f;
    MdiMain w;
    w.show();
    QSignalSpy unloaded(&w, &MdiMain::unloaded);
    w.menuItem("mnuExit")->trigger();
    QCOMPARE(unloaded.count(), 1);
    QVERIFY(!w.isVisible());
    QVERIFY(!gConn());
}

void MenuTest::tileVerticalPutsTheWindowsSideBySide() {
    ShellFixture f;
    MdiMain w;
    w.show();
    for (const char* title : {"one", "two"}) {
        QMdiSubWindow* sub = w.mdiArea()->addSubWindow(new QWidget);
        sub->setWindowTitle(title);
        sub->show();
    }
    w.menuItem("mnuTileVertical")->trigger();
    const QRect area = w.mdiArea()->viewport()->rect();
    const QList<QMdiSubWindow*> windows = w.mdiArea()->subWindowList();
    QCOMPARE(windows[0]->geometry(), QRect(0, 0, area.width() / 2, area.height()));
    QCOMPARE(windows[1]->geometry(), QRect(area.width() / 2, 0, area.width() / 2, area.height()));
}

// The forms are placed without layouts: a cascade that sized the windows by their contents
// would leave only their title bars.
void MenuTest::cascadeStepsTheWindowsAndKeepsTheirSizes() {
    ShellFixture f;
    MdiMain w;
    w.resize(900, 700);
    w.show();
    const QSize sizes[] = {{300, 200}, {420, 260}, {250, 180}, {2000, 150}};
    QList<QMdiSubWindow*> windows;
    for (const QSize& size : sizes) {
        QMdiSubWindow* sub = w.mdiArea()->addSubWindow(new QWidget);
        sub->show();
        sub->setGeometry(QRect(QPoint(150, 120), size));
        windows.append(sub);
    }
    w.mdiArea()->setActiveSubWindow(windows[0]);

    w.menuItem("MnuCascade")->trigger();
    // The active window comes last, in front.
    const QList<QMdiSubWindow*> order = {windows[1], windows[2], windows[3], windows[0]};
    const int step = order[1]->y() - order[0]->y();
    QVERIFY(step > 0);
    const int areaWidth = w.mdiArea()->viewport()->width();
    for (int i = 0; i < order.size(); ++i) {
        QCOMPARE(order[i]->pos(), QPoint(i * step, i * step));
        const QSize size = sizes[windows.indexOf(order[i])];
        // The one wider than the area ends at its right edge.
        QCOMPARE(order[i]->size(), QSize(std::min(size.width(), areaWidth - i * step), size.height()));
    }
    QCOMPARE(w.mdiArea()->activeSubWindow(), windows[0]);
}

void MenuTest::theWindowsMenuListsTheOpenWindows() {
    ShellFixture f;
    MdiMain w;
    QMenu* menu = w.findChild<QMenu*>("mnuWindows");
    QCOMPARE(menu->actions().size(), 4);
    QMdiSubWindow* sub = w.mdiArea()->addSubWindow(new QWidget);
    sub->setWindowTitle("2025 - New Assets for Sample Company");
    emit menu->aboutToShow();
    emit menu->aboutToShow();
    QCOMPARE(menu->actions().size(), 6);
    QCOMPARE(menu->actions().last()->text(), QStringLiteral("&1 2025 - New Assets for Sample Company"));
}

QEL_QTEST_REGISTER(MenuTest);

} // namespace qel::test
