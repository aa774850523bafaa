// The items' states: every menu item's visibility and enabled state under a table of program
// states (company, password switch and logon, registered subsystems, child windows), their
// following the state as it changes, and the dispatch of a registered command.
#include "tests/app/shell/MenuStateTest.h"

#include "app/shell/ActionState.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/Commands.h"
#include "app/shell/MdiMain.h"
#include "common/ServerError.h"
#include "tests/app/shell/FakeSubsystems.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace qel::test {
namespace {

enum class Visible { Always, PasswordOff, PasswordOn };

// What each item needs, as its user meets it: a letter for each subsystem whose services it
// reaches (A asset entry, B books and monthly depreciation, T table maintenance, R reports,
// X data exchange, L printing and the rich-text window, P program services, V vehicles), C a chosen
// company, W an open child window.
struct Rule {
    const char* item;
    const char* needs;
    Visible visible = Visible::Always;
};

const Rule kRules[] = {
    {"mnuBackupDb", "P"},
    {"mnuRestoreDb", "P"},
    {"mnuDisplayDBpath", ""},
    {"mnuDbPath", "P"},
    {"mnuImportAssets", "RXC"},
    {"mnuImportLog", "RXL"},
    {"mnuExit", ""},
    {"mnuSelectCompany", ""},
    {"mnuDefaultYear", "R"},
    {"mnuPassWord", "", Visible::PasswordOff},
    {"mnudisablePwd", "", Visible::PasswordOn},
    {"mnuUsers", "T", Visible::PasswordOn},
    {"mnuAccounts", "T"},
    {"mnuClassMaint", "T"},
    {"mnuLocation", "T"},
    {"mnuCompanyMaint", "T"},
    {"mnuAssetMaint", "AC"},
    {"mnu179", "T"},
    {"mnuAutoQstForEmployees", "RVC"},
    {"mnuAutoUse", "RVC"},
    {"MnuAutoMax", "T"},
    {"mnuMisc4562Data", "TC"},
    {"mnu179WrkSheet", "RC"},
    {"mnuADS50Yr", "RC"},
    {"mnuAutoUseRpt", "RC"},
    {"mnuCurrentWrkSheet", "RC"},
    {"mnuAssetWorkSheet", "RC"},
    {"mnuDisposedAssets", "RC"},
    {"mnuForm4562_2", "RC"},
    {"mnuNewAssets", "RC"},
    {"mnuNewAssetWorksheet", "RC"},
    {"mnuAMTDifferences", "RC"},
    {"mnuExportTaxWorkSheet", "XC"},
    {"mnuDoMthDepr", "BC"},
    {"mnuBookDeprRange", "BC"},
    {"mnuDisplayPeriod", "BC"},
    {"mnuDeleteDepr", "BC"},
    {"mnuAssetListing", "RLC"},
    {"mnuBookAssetLedger", "RC"},
    {"mnuChartOfAccounts", "RC"},
    {"mnuDeprJvDetail", "RC"},
    {"mnuJournalEntry", "RC"},
    {"mnuBookDisposedAssets", "RC"},
    {"mnuPropertyTax", "RC"},
    {"MnuExportJvDetail", "XC"},
    {"mnuExportJVSummary", "XC"},
    {"mnuExportPropertyTaxData", "XC"},
    {"mnuExportAssetListing", "XC"},
    {"mnuExportBookAssetLedger", "XC"},
    {"mnuReportsTax", "RC"},
    {"mnuTagToAssetId", "RC"},
    {"MnuCascade", "W"},
    {"mnuCloseWindows", "RW"},
    {"mnuTileHorizontal", "RW"},
    {"mnuTileVertical", "W"},
    {"mnuAbout", "P"},
    {"mnuHelpContents", "P"},
    {"mnuGettingStarted", "P"},
    {"mnuHelpSearch", "P"},
    {"mnuSupport", "P"},
    {"mnuReportAbug", "P"},
};

// Registers the services of the subsystems named by their letters.
void registerSubsystems(FakeSubsystems& fake, const QString& letters) {
    if (letters.contains('A'))
        registerServices(static_cast<AssetEntryServices&>(fake));
    if (letters.contains('B'))
        registerServices(static_cast<MonthlyDeprServices&>(fake));
    if (letters.contains('T'))
        registerServices(static_cast<MaintenanceServices&>(fake));
    if (letters.contains('R'))
        registerServices(static_cast<ReportServices&>(fake));
    if (letters.contains('X'))
        registerServices(static_cast<DataExchangeServices&>(fake));
    if (letters.contains('L'))
        registerServices(static_cast<PrintingServices&>(fake));
    if (letters.contains('P'))
        registerServices(static_cast<ProgramServices&>(fake));
    if (letters.contains('V'))
        registerServices(static_cast<VehicleServices&>(fake));
}

// Every item of the menus (separators and menus left out), the menu-bar item without a submenu
// included, by name.
QStringList itemNames(const MdiMain& w) {
    QStringList names;
    for (QAction* top : w.menuBar()->actions()) {
        if (!top->menu()) {
            names << top->objectName();
            continue;
        }
        for (QAction* item : top->menu()->actions())
            if (!item->isSeparator())
                names << item->objectName();
    }
    return names;
}

} // namespace

void MenuStateTest::theRuleDecidesFromItsInputsAlone() {
    const unsigned ofCompany = kNeedsReports | kNeedsCompany;
    const ActionInputs nothing;
    const ActionInputs companyAndReports{.companyChosen = true, .subsystems = kNeedsReports};
    const ActionInputs passwordOn{.passwordOn = true};
    const ActionInputs usersLogon{.passwordOn = true, .limitedLogon = true};
    const struct {
        const char* name;
        unsigned needs;
        Shown shown;
        bool hasHandler;
        ActionInputs inputs;
        bool visible;
        bool enabled;
    } cases[] = {
        {"needs met", ofCompany, Shown::Always, true, companyAndReports, true, true},
        {"no handler", ofCompany, Shown::Always, false, companyAndReports, true, false},
        {"subsystem missing", ofCompany, Shown::Always, true, {.companyChosen = true}, true, false},
        {"no company", ofCompany, Shown::Always, true, {.subsystems = kNeedsReports}, true, false},
        {"no child window", kNeedsChildWindow, Shown::Always, true, nothing, true, false},
        {"a child window", kNeedsChildWindow, Shown::Always, true, {.childWindowOpen = true}, true, true},
        {"password off shows Enable", kNeedsNothing, Shown::PasswordOff, true, nothing, true, true},
        {"password on hides Enable", kNeedsNothing, Shown::PasswordOff, true, passwordOn, false, true},
        {"password off hides Disable", kNeedsNothing, Shown::PasswordOn, true, nothing, false, true},
        {"password on shows Disable", kNeedsNothing, Shown::PasswordOn, true, passwordOn, true, true},
        {"a user's logon hides Disable", kNeedsNothing, Shown::PasswordOn, true, usersLogon, false, true},
    };
    for (const auto& c : cases) {
        const ActionState state = actionState(c.needs, c.shown, c.hasHandler, c.inputs);
        QVERIFY2(state.visible == c.visible, c.name);
        QVERIFY2(state.enabled == c.enabled, c.name);
    }
}

void MenuStateTest::everyItemFollowsTheProgramState_data() {
    QTest::addColumn<QString>("registered");
    QTest::addColumn<bool>("company");
    QTest::addColumn<QString>("enablePwd");
    QTest::addColumn<bool>("limitedLogon");
    QTest::addColumn<bool>("childWindow");
    const QString all = "ABTRXLPV";
    QTest::newRow("nothing registered, no company") << "" << false << "N" << false << false;
    QTest::newRow("nothing registered, a company") << "" << true << "N" << false << false;
    QTest::newRow("everything registered, no company") << all << false << "N" << false << false;
    QTest::newRow("everything registered, a company") << all << true << "N" << false << false;
    for (const char* one : {"A", "B", "T", "R", "X", "L", "P", "V"})
        QTest::addRow("only %s registered, a company", one) << QString(one) << true << "N" << false << false;
    QTest::newRow("reports and exchange, a company") << "RX" << true << "N" << false << false;
    QTest::newRow("reports and printing, a company") << "RL" << true << "N" << false << false;
    QTest::newRow("reports and vehicles, a company") << "RV" << true << "N" << false << false;
    QTest::newRow("no password switch yet") << all << true << "" << false << false;
    QTest::newRow("password on") << all << true << "Y" << false << false;
    QTest::newRow("password on in lower case is off") << all << true << "y" << false << false;
    QTest::newRow("password on, a user's logon") << all << true << "Y" << true << false;
    QTest::newRow("a child window open") << all << true << "N" << false << true;
    QTest::newRow("a child window open, nothing registered") << "" << false << "N" << false << true;
}

void MenuStateTest::everyItemFollowsTheProgramState() {
    QFETCH(QString, registered);
    QFETCH(bool, company);
    QFETCH(QString, enablePwd);
    QFETCH(bool, limitedLogon);
    QFETCH(bool, childWindow);
    ShellFixture f;
    FakeSubsystems fake;
    registerSubsystems(fake, registered);
    MdiMain w;
    setCurrentCompany(company ? 1 : 0, company ? "Sample Company" : "");
    setEnablePwd(enablePwd);
    setLimitedLogon(limitedLogon);
    if (childWindow)
        w.childWindows().add(new QWidget);

    QStringList ruled;
    const bool passwordOn = enablePwd == "Y";
    for (const Rule& rule : kRules) {
        ruled << rule.item;
        bool visible = true;
        if (rule.visible == Visible::PasswordOff)
            visible = !passwordOn;
        else if (rule.visible == Visible::PasswordOn)
            visible = passwordOn && !limitedLogon;
        bool needsMet = true;
        for (const QChar need : QString(rule.needs)) {
            if (need == 'C')
                needsMet &= company;
            else if (need == 'W')
                needsMet &= childWindow;
            else
                needsMet &= registered.contains(need);
        }
        const QAction* action = w.menuItem(rule.item);
        QVERIFY2(action, rule.item);
        QCOMPARE(QString("%1 shown %2").arg(rule.item).arg(action->isVisible()),
                 QString("%1 shown %2").arg(rule.item).arg(visible));
        // A hidden item is disabled too.
        QCOMPARE(QString("%1 enabled %2").arg(rule.item).arg(action->isEnabled()),
                 QString("%1 enabled %2").arg(rule.item).arg(visible && needsMet));
    }
    // The rules name every item of the menus.
    QCOMPARE(ruled, itemNames(w));
}

void MenuStateTest::theItemsFollowTheStateAsItChanges() {
    ShellFixture f;
    FakeSubsystems fake;
    MdiMain w;
    QVERIFY(!w.menuItem("mnuAssetMaint")->isEnabled());
    registerSubsystems(fake, "A");
    QVERIFY(!w.menuItem("mnuAssetMaint")->isEnabled());
    SetCompanyId(3);
    QVERIFY(w.menuItem("mnuAssetMaint")->isEnabled());
    SetCompanyId(0);
    QVERIFY(!w.menuItem("mnuAssetMaint")->isEnabled());

    setEnablePwd("Y");
    QVERIFY(!w.menuItem("mnuPassWord")->isVisible());
    QVERIFY(w.menuItem("mnudisablePwd")->isVisible());
    setLimitedLogon(true);
    QVERIFY(!w.menuItem("mnudisablePwd")->isVisible());

    QVERIFY(!w.menuItem("MnuCascade")->isEnabled());
    w.childWindows().add(new QWidget);
    QVERIFY(w.menuItem("MnuCascade")->isEnabled());
    QVERIFY(!w.childWindows().closeAll());
    QVERIFY(!w.menuItem("MnuCascade")->isEnabled());
}

void MenuStateTest::aCommandRegisteredByASubsystemRunsFromItsItemOnly() {
    ShellFixture f;
    FakeSubsystems fake;
    // The asset entry's services are there, but no handler of its item yet.
    subsystems().assetEntry = &fake;
    SetCompanyId(1);
    MdiMain w;
    QVERIFY(!w.menuItem("mnuAssetMaint")->isEnabled());

    QString triggered;
    QStringList ranFrom;
    commands().add("mnuAssetMaint", [&] { ranFrom << triggered; });
    QVERIFY(w.menuItem("mnuAssetMaint")->isEnabled());
    for (const QString& item : itemNames(w)) {
        if (item == "mnuExit")
            continue;
        triggered = item;
        w.menuItem(item)->trigger();
    }
    QCOMPARE(ranFrom, QStringList{"mnuAssetMaint"});
    // The registered handler replaced nothing else: Set Company still closed the asset form.
    QCOMPARE(fake.log, QStringList{"unloadAsset"});

    commands().remove("mnuAssetMaint");
    QVERIFY(!w.menuItem("mnuAssetMaint")->isEnabled());
}

void MenuStateTest::aFailingCommandShowsItsCause() {
    ShellFixture f;
    FakeSubsystems fake;
    subsystems().assetEntry = &fake;
    SetCompanyId(1);
    MdiMain w;
    commands().add("mnuAssetMaint",
                   [] { throw ServerError(kPassedThrough, "test", "the form cannot load", ErrorKind::Sql); });
    w.menuItem("mnuAssetMaint")->trigger();
    QCOMPARE(f.ui.messages(),
             QStringList{"Error in mnuAssetMaint. the form cannot load Error Number: -2147352571"});
}

QEL_QTEST_REGISTER(MenuStateTest);

} // namespace qel::test
