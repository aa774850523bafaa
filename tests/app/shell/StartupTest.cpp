// Start-up and shut-down of the desktop program: first run, a database that does not open, the
// last company and password switch, the logon and picker at start-up, and what closing saves.
#include "tests/app/shell/StartupTest.h"

#include "app/shell/FrmCompany.h"
#include "app/shell/FrmSplash.h"
#include "app/shell/MdiMain.h"
#include "app/shell/Startup.h"
#include "app/shell/WindowPosition.h"
#include "common/IniFile.h"
#include "server/data/Database.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>

namespace qel::test {

namespace {

bool visible(const MdiMain& w, const char* item) {
    return w.menuItem(item)->isVisible();
}

// Adds the company "Zeta Works" (id 7); the picker at start-up then finds it from the typed
// letters and takes it with OK.
void pickZetaWorksAtStart(ShellFixture& f, const QString& typed) {
    f.fresh.exec("INSERT INTO tblCompany (id, [Company Name]) VALUES (7, 'Zeta Works')");
    f.ui.onModal("frmCompany", [typed](QDialog& d) {
        auto& picker = static_cast<FrmCompany&>(d);
        picker.txtClientList->setText(typed);
        picker.cmdOK->click();
    });
}

} // namespace

void StartupTest::firstRunOpensAtTheDefaultsWithTheSampleCompany() {
    ShellFixture f;
    MdiMain w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Qel Corvane"));
    QCOMPARE(harlune::Main(w), StartupResult::Running);

    const TwipsRect at = windowTwips(w);
    QCOMPARE(at.left, 200.0);
    QCOMPARE(at.top, 1000.0);
    QCOMPARE(at.width, 10500.0);
    QCOMPARE(at.height, 7500.0);
    QCOMPARE(w.pos(), QPoint(twipsToPixelsX(w, 200), twipsToPixelsY(w, 1000)));
    QCOMPARE(w.size(), QSize(twipsToPixelsX(w, 10500), twipsToPixelsY(w, 7500)));

    QVERIFY(w.isVisible());
    QCOMPARE(programState().CurrentCompanyId(), 1);
    QCOMPARE(programState().CurrentCompanyName(), QStringLiteral("Sample Company"));
    QCOMPARE(programState().EnablePwd(), QStringLiteral("N"));
    QCOMPARE(programState().WorkingYear(), std::int16_t(2025));
    QCOMPARE(w.windowTitle(), QStringLiteral("Qel Corvane for - Sample Company"));
    QVERIFY(visible(w, "mnuPassWord"));
    QVERIFY(!visible(w, "mnuUsers"));
    QVERIFY(!visible(w, "mnudisablePwd"));
    // The sample database asks for the picker at start-up; no logon without the switch.
    QCOMPARE(f.ui.textsOf(UiCall::Modal), QStringList{"frmCompany"});
    QCOMPARE(f.ui.messages(), QStringList());
}

void StartupTest::pickingACompanyNamesItInTheCaption() {
    ShellFixture f;
    pickZetaWorksAtStart(f, "zet");
    MdiMain w;
    harlune::Main(w);
    QCOMPARE(w.windowTitle(), QStringLiteral("Qel Corvane for - Zeta Works"));
    QCOMPARE(programState().CurrentCompanyId(), 7);
    QCOMPARE(programState().CurrentCompanyName(), QStringLiteral("Zeta Works"));
}

void StartupTest::aDatabaseThatDoesNotOpenIsReportedOnceAndTheWindowStaysOpen_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("missing file") << "missing/VOSSMERE.MDB";
    QTest::newRow("no path in the INI file") << "";
    QTest::newRow("a database without tblDefaults") << "no tblDefaults";
}

void StartupTest::aDatabaseThatDoesNotOpenIsReportedOnceAndTheWindowStaysOpen() {
    QFETCH(QString, path);
    ShellFixture f;
    if (path == "no tblDefaults") {
        f.fresh.exec("DROP TABLE tblDefaults");
        path = QString::fromStdString(f.fresh.path());
    } else if (!path.isEmpty()) {
        path = QString::fromStdString((f.fresh.folder() / path.toStdString()).string());
    }
    writeIniValue("Data", "DB_Path", path.toStdString());
    MdiMain w;
    QCOMPARE(harlune::Main(w), StartupResult::Running);

    const QStringList messages = f.ui.messages();
    QCOMPARE(messages.size(), 1);
    QVERIFY2(messages[0].startsWith("Couldn't connect to the database. Use menu File\\Set Database Path"),
             qPrintable(messages[0]));
    // The real cause follows the sentence.
    QVERIFY(messages[0].size() >
            QString("Couldn't connect to the database. Use menu File\\Set Database Path").size() + 2);
    QVERIFY(w.isVisible());
    QCOMPARE(w.windowTitle(), QStringLiteral("Qel Corvane"));
    QCOMPARE(programState().CurrentCompanyId(), 0);
    QCOMPARE(programState().WorkingYear(), std::int16_t(0));
    QVERIFY(programState().CurrentCompanyName().isEmpty());
    QCOMPARE(f.ui.textsOf(UiCall::Modal), QStringList());

    // Closing then writes the position but none of the company settings.
    w.close();
    QCOMPARE(ShellFixture::stored("MainLeft", "mdiMain"), QStringLiteral("200"));
    QCOMPARE(ShellFixture::stored("CompanyId"), QStringLiteral("(none)"));
    QCOMPARE(ShellFixture::stored("CompanyName"), QStringLiteral("(none)"));
    QCOMPARE(ShellFixture::stored("EnablePwd"), QStringLiteral("(none)"));
}

void StartupTest::closingSavesPositionCompanyAndSwitchAndDisconnects() {
    ShellFixture f;
    pickZetaWorksAtStart(f, "Zeta");
    {
        MdiMain w;
        harlune::Main(w);
        setWindowLeft(w, 3000);
        setWindowTop(w, 1500);
        setWindowWidth(w, 9000);
        setWindowHeight(w, 6000);
        f.ui.answerInput("Yes");
        w.enablePassword();
        QSignalSpy unloaded(&w, &MdiMain::unloaded);
        QVERIFY(w.close());
        QCOMPARE(unloaded.count(), 1);
        QVERIFY(!gConn());
    }
    QCOMPARE(ShellFixture::stored("MainLeft", "mdiMain"), QStringLiteral("3000"));
    QCOMPARE(ShellFixture::stored("MainTop", "mdiMain"), QStringLiteral("1500"));
    QCOMPARE(ShellFixture::stored("MainWidth", "mdiMain"), QStringLiteral("9000"));
    QCOMPARE(ShellFixture::stored("MainHeight", "mdiMain"), QStringLiteral("6000"));
    QCOMPARE(ShellFixture::stored("CompanyId"), QStringLiteral("7"));
    QCOMPARE(ShellFixture::stored("CompanyName"), QStringLiteral("Zeta Works"));
    QCOMPARE(ShellFixture::stored("EnablePwd"), QStringLiteral("Y"));

    // The next start opens where the last one closed, with that company.
    ShellFixture::reset();
    f.ui.onModal("frmCompany", [](QDialog& d) { d.reject(); });
    MdiMain again;
    harlune::Main(again);
    const TwipsRect at = windowTwips(again);
    QCOMPARE(at.left, 3000.0);
    QCOMPARE(at.width, 9000.0);
    QCOMPARE(programState().CurrentCompanyId(), 7);
    QCOMPARE(again.windowTitle(), QStringLiteral("Qel Corvane for - Zeta Works"));
}

void StartupTest::closingMaximizedOrMinimizedKeepsTheStoredPosition_data() {
    QTest::addColumn<int>("state");
    QTest::newRow("maximized") << int(Qt::WindowMaximized);
    QTest::newRow("minimized") << int(Qt::WindowMinimized);
}

void StartupTest::closingMaximizedOrMinimizedKeepsTheStoredPosition() {
    QFETCH(int, state);
    ShellFixture f;
    ShellFixture::store("MainLeft", "450", "mdiMain");
    MdiMain w;
    harlune::Main(w);
    w.setWindowState(Qt::WindowState(state));
    w.close();
    QCOMPARE(ShellFixture::stored("MainLeft", "mdiMain"), QStringLiteral("450"));
    QCOMPARE(ShellFixture::stored("MainTop", "mdiMain"), QStringLiteral("(none)"));
    // The company settings are saved all the same.
    QCOMPARE(ShellFixture::stored("CompanyId"), QStringLiteral("1"));
}

void StartupTest::aStoredValueThatIsNoNumberIsSkipped() {
    ShellFixture f;
    ShellFixture::store("MainLeft", "300", "mdiMain");
    ShellFixture::store("MainTop", "600", "mdiMain");
    ShellFixture::store("MainWidth", "wide", "mdiMain");
    ShellFixture::store("MainHeight", "6000", "mdiMain");
    MdiMain w;
    const TwipsRect at = windowTwips(w);
    QCOMPARE(at.left, 300.0);
    QCOMPARE(at.top, 600.0);
    QCOMPARE(at.height, 6000.0);
    QVERIFY(at.width != 10500.0);
}

void StartupTest::theWindowIsNeverSmallerThan5000By3000Twips() {
    ShellFixture f;
    ShellFixture::store("MainWidth", "2000", "mdiMain");
    ShellFixture::store("MainHeight", "1000", "mdiMain");
    MdiMain w;
    const TwipsRect at = windowTwips(w);
    QCOMPARE(at.width, 5000.0);
    QCOMPARE(at.height, 3000.0);
    w.resize(10, 10);
    QCOMPARE(w.size(), QSize(twipsToPixelsX(w, 5000), twipsToPixelsY(w, 3000)));
}

void StartupTest::thePasswordSwitchDecidesTheLogonAndTheMenus_data() {
    QTest::addColumn<QString>("enablePwd");
    QTest::addColumn<bool>("logon");
    QTest::newRow("Y asks for a logon") << "Y" << true;
    QTest::newRow("N") << "N" << false;
    QTest::newRow("lower-case y is not Y") << "y" << false;
    QTest::newRow("any other text") << "yes" << false;
}

void StartupTest::thePasswordSwitchDecidesTheLogonAndTheMenus() {
    QFETCH(QString, enablePwd);
    QFETCH(bool, logon);
    ShellFixture f;
    ShellFixture::store("EnablePwd", enablePwd);
    f.ui.onModal("frmSplash", [](QDialog& d) {
        auto& splash = static_cast<FrmSplash&>(d);
        splash.txtLogin[0]->setText("Admin");
        splash.txtLogin[1]->setText("Admin");
        splash.cmdLogon[0]->click();
    });
    MdiMain w;
    QCOMPARE(harlune::Main(w), StartupResult::Running);
    QCOMPARE(f.ui.textsOf(UiCall::Modal),
             logon ? (QStringList{"frmSplash", "frmCompany"}) : QStringList{"frmCompany"});
    QCOMPARE(visible(w, "mnuPassWord"), !logon);
    QCOMPARE(visible(w, "mnudisablePwd"), logon);
    QCOMPARE(visible(w, "mnuUsers"), logon);
    // The switch is written back as it was read.
    w.close();
    QCOMPARE(ShellFixture::stored("EnablePwd"), enablePwd);
}

void StartupTest::cancellingTheLogonEndsTheProgramWithoutSaving() {
    ShellFixture f;
    ShellFixture::store("EnablePwd", "Y");
    f.ui.onModal("frmSplash", [](QDialog& d) {
        auto& splash = static_cast<FrmSplash&>(d);
        splash.txtLogin[1]->setText("wrong");
        splash.cmdLogon[0]->click();
        splash.cmdLogon[1]->click();
    });
    MdiMain w;
    QCOMPARE(harlune::Main(w), StartupResult::EndProgram);
    QCOMPARE(f.ui.textsOf(UiCall::Modal), QStringList{"frmSplash"});
    QCOMPARE(ShellFixture::stored("CompanyId"), QStringLiteral("(none)"));
    QCOMPARE(ShellFixture::stored("MainLeft", "mdiMain"), QStringLiteral("(none)"));
}

void StartupTest::theDefaultsRowDecidesThePicker_data() {
    QTest::addColumn<QString>("update");
    QTest::addColumn<QStringList>("windows");
    QTest::newRow("ShowCompany on") << "UPDATE tblDefaults SET ShowCompany = 1" << QStringList{"frmCompany"};
    QTest::newRow("ShowCompany off") << "UPDATE tblDefaults SET ShowCompany = 0" << QStringList{};
    QTest::newRow("no row") << "DELETE FROM tblDefaults" << QStringList{};
}

void StartupTest::theDefaultsRowDecidesThePicker() {
    QFETCH(QString, update);
    QFETCH(QStringList, windows);
    ShellFixture f;
    f.fresh.exec(update.toStdString());
    MdiMain w;
    harlune::Main(w);
    QCOMPARE(f.ui.textsOf(UiCall::Modal), windows);
    QCOMPARE(f.ui.messages(), QStringList());
}

void StartupTest::theStartUpSwitchesAreStored_data() {
    QTest::addColumn<bool>("value");
    QTest::newRow("on") << true;
    QTest::newRow("off") << false;
}

void StartupTest::theStartUpSwitchesAreStored() {
    QFETCH(bool, value);
    ShellFixture f;
    SetStartUpHelp(value);
    SetShowCompany(!value);
    QCOMPARE(CheckForStartUpHelp(), value);
    QCOMPARE(CheckForShowCompany(), !value);
}

void StartupTest::aStoredCompanyIdThatIsNoNumberIsReported() {
    ShellFixture f;
    ShellFixture::store("CompanyId", "abc");
    SetCompanyId(3);
    MdiMain w;
    GetLastCompany();
    QCOMPARE(programState().CurrentCompanyId(), 3);
    QCOMPARE(f.ui.messages().size(), 1);
    QVERIFY(f.ui.messages()[0].startsWith("Error in GetLastCompany "));
    QVERIFY(f.ui.messages()[0].contains(" Error Number: 13"));
    QCOMPARE(programState().CurrentCompanyName(), QStringLiteral("Sample Company"));
}

void StartupTest::settingTheDefaultYear_data() {
    QTest::addColumn<QString>("year");
    QTest::addColumn<bool>("dropTable");
    QTest::addColumn<int>("workingYear");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("boxes");
    QTest::newRow("a year") << "2012" << false << 2012 << 2012 << 0;
    QTest::newRow("no number changes nothing") << "20x2" << false << 2025 << 2025 << 1;
    QTest::newRow("a failed update still sets the running year") << "2012" << true << 2012 << 0 << 1;
}

void StartupTest::settingTheDefaultYear() {
    QFETCH(QString, year);
    QFETCH(bool, dropTable);
    QFETCH(int, workingYear);
    QFETCH(int, stored);
    QFETCH(int, boxes);
    ShellFixture f;
    setWorkingYear(2025);
    if (dropTable)
        f.fresh.exec("DROP TABLE tblDefaults");
    SetDefaultYear(Variant(year.toStdString()));
    QCOMPARE(int(GetDefaultYear()), workingYear);
    if (!dropTable)
        QCOMPARE(f.fresh.value("SELECT DefaultYear FROM tblDefaults").toInt32(), stored);
    QCOMPARE(f.ui.messages().size(), boxes);
    if (boxes)
        QVERIFY(f.ui.messages()[0].startsWith("Error in SetDefaultYear "));
}

QEL_QTEST_REGISTER(StartupTest);

} // namespace qel::test
