// The About box (title, version, links, system information), "Getting Started" (its tips and
// its start-up switch), the bug report and the support mail.
#include "tests/app/shell/ProgramWindowsTest.h"

#include "app/shell/FrmAbout.h"
#include "app/shell/FrmBugReport.h"
#include "app/shell/FrmCompany.h"
#include "app/shell/FrmGettingStarted.h"
#include "app/shell/FrmSplash.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramCommands.h"
#include "app/shell/Startup.h"
#include "app/shell/WindowPosition.h"
#include "server/data/Connection.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/EnvironmentValue.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QCoreApplication>
#include <QFile>
#include <QFontMetrics>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyle>

#include <memory>

namespace qel::test {
namespace {

void click(QWidget* label) {
    QTest::mouseClick(label, Qt::LeftButton);
}

int storedStartUpHelp(const ShellFixture& f) {
    // As a number: the column reads as Yes/No.
    return f.fresh.value("SELECT StartUp_Help + 0 FROM tblDefaults").toInt32();
}

} // namespace

void ProgramWindowsTest::theAboutBoxShowsTitleVersionAndLinks() {
    ShellFixture f;
    FrmAbout about;
    about.show();
    QCOMPARE(about.objectName(), QStringLiteral("frmAbout"));
    QCOMPARE(about.lblTitle->text(), QStringLiteral("Qel Corvane"));
    QVERIFY2(QRegularExpression("^Version \\d+\\.\\d+\\.\\d+$").match(about.lblVersion->text()).hasMatch(),
             qPrintable(about.lblVersion->text()));
    QCOMPARE(about.lblDescription->text(), QStringLiteral("Website:"));
    QCOMPARE(about.lblQuestion->text(), QStringLiteral("Questions:"));
    QCOMPARE(about.cmdSysInfo->text(), QStringLiteral("&System Info..."));
    QCOMPARE(about.cmdOK->text(), QStringLiteral("&Cancel"));
    QVERIFY(!about.lblDisclaimer->text().isEmpty());

    click(about.lblWebLink);
    click(about.lblEmail);
    QCOMPARE(f.ui.textsOf(UiCall::Document),
             (QStringList{"http://www.qelcorvane.example", "mailto:support@qelcorvane.example"}));
    QCOMPARE(f.ui.messages(), QStringList());
    // The frame sits in the middle of the box.
    QCOMPARE(about.fraAbout->geometry().center(), about.rect().center());
}

void ProgramWindowsTest::theAboutBoxOpensBesideTheMainWindow() {
    ShellFixture f;
    MdiMain w;
    setWindowLeft(w, 2000);
    setWindowTop(w, 1200);
    FrmAbout about(&w);
    const TwipsRect at = windowTwips(about);
    QCOMPARE(at.left, 3500.0);
    QCOMPARE(at.top, 2700.0);
}

void ProgramWindowsTest::enterStartsSystemInformationAndEscCloses() {
    ShellFixture f;
    EnvironmentValue path("PATH", (f.fresh.folder() / "empty").c_str());
    FrmAbout about;
    about.show();
    QVERIFY(QTest::qWaitForWindowActive(&about, kEventWaitMs));
    QTest::keyClick(&about, Qt::Key_Return);
    QCOMPARE(f.ui.messages(), QStringList{"System Information Is Unavailable At This Time"});
    QVERIFY(about.isVisible());
    QTest::keyClick(&about, Qt::Key_Escape);
    QVERIFY(!about.isVisible());
    QCOMPARE(about.result(), int(QDialog::Rejected));
}

void ProgramWindowsTest::systemInformationRunsTheFirstToolFound_data() {
    QTest::addColumn<QStringList>("tools");
    QTest::addColumn<QString>("started");
    QTest::newRow("none") << QStringList{} << "";
    QTest::newRow("KDE Info Center") << QStringList{"kinfocenter", "hardinfo"} << "kinfocenter";
    QTest::newRow("HardInfo") << QStringList{"hardinfo"} << "hardinfo";
}

void ProgramWindowsTest::systemInformationRunsTheFirstToolFound() {
    QFETCH(QStringList, tools);
    QFETCH(QString, started);
    ShellFixture f;
    const QString bin = QString::fromStdString((f.fresh.folder() / "bin").string());
    const QString mark = QString::fromStdString((f.fresh.folder() / "started").string());
    QDir().mkpath(bin);
    for (const QString& tool : tools) {
        QFile script(bin + "/" + tool);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write(("#!/bin/sh\necho " + tool + " > '" + mark + "'\n").toUtf8());
        script.close();
        script.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    const std::string searched = bin.toStdString() + ":/bin:/usr/bin";
    EnvironmentValue path("PATH", searched.c_str());
    FrmAbout about;
    about.cmdSysInfo->click();
    if (started.isEmpty()) {
        QCOMPARE(f.ui.messages(), QStringList{"System Information Is Unavailable At This Time"});
        return;
    }
    QCOMPARE(f.ui.messages(), QStringList());
    const auto startedTool = [&mark] {
        QFile out(mark);
        return out.open(QIODevice::ReadOnly) ? QString::fromUtf8(out.readAll().trimmed()) : QString();
    };
    QEL_TRY_COMPARE(startedTool(), started);
}

void ProgramWindowsTest::gettingStartedShowsTheTipsInOrder() {
    ShellFixture f;
    FrmGettingStarted tips;
    tips.show();
    QCOMPARE(tips.windowTitle(), QStringLiteral("Getting Started"));
    const QStringList names{"Label13", "Label1", "Label9", "Label10", "Label11", "Label12", "Label7",
                            "Label15", "Label3", "Label5", "Label2",  "Label14", "Label4",  "Label6"};
    for (int i = 0; i < names.size(); ++i) {
        QCOMPARE(tips.tips[i]->objectName(), names[i]);
        QVERIFY2(tips.tips[i]->text().startsWith(QString::number(i + 1)), qPrintable(tips.tips[i]->text()));
        if (i > 0)
            QVERIFY(tips.tips[i]->y() > tips.tips[i - 1]->y());
    }
    QCOMPARE(tips.tips[0]->text(),
             QStringLiteral("1 - A sample company is included to aide in learning to use Qel "
                            "Corvan. All reports and operations are at the company level so "
                            "there is no need to delete this data."));
    QCOMPARE(tips.tips[12]->text().right(1), QStringLiteral(" "));
    QCOMPARE(tips.tips[13]->text(),
             QStringLiteral("14 -Extensive on-line help is available by clicking F1."));
    QCOMPARE(tips.chkShow->text(), QStringLiteral("Show on start up."));
}

void ProgramWindowsTest::gettingStartedStoresAChangedSwitchOnClose_data() {
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("clicks");
    QTest::addColumn<int>("after"); // the switch after closing; 7: not written
    // Ticked by its load, which counts as a change: the switch is written again.
    QTest::newRow("on, untouched") << 1 << 0 << 1;
    QTest::newRow("on, unticked") << 1 << 1 << 0;
    QTest::newRow("off, untouched") << 0 << 0 << 7;
    QTest::newRow("off, ticked") << 0 << 1 << 1;
    QTest::newRow("off, ticked and unticked") << 0 << 2 << 0;
}

void ProgramWindowsTest::gettingStartedStoresAChangedSwitchOnClose() {
    QFETCH(int, stored);
    QFETCH(int, clicks);
    QFETCH(int, after);
    ShellFixture f;
    f.fresh.exec("UPDATE tblDefaults SET StartUp_Help = " + std::to_string(stored));
    FrmGettingStarted tips;
    tips.show();
    QCOMPARE(tips.chkShow->isChecked(), stored == 1);
    for (int i = 0; i < clicks; ++i)
        tips.chkShow->click();
    // A value written behind the window's back shows whether closing writes.
    f.fresh.exec("UPDATE tblDefaults SET StartUp_Help = 7");
    tips.close();
    QCOMPARE(storedStartUpHelp(f), after);
    QCOMPARE(f.ui.messages(), QStringList());
}

void ProgramWindowsTest::gettingStartedIsOneWindowAndClosesWithTheMainWindow() {
    ShellFixture f;
    ProgramCommands commands;
    registerServices(commands);
    MdiMain w;
    commands.showGettingStarted();
    FrmGettingStarted* first = commands.gettingStarted();
    QVERIFY(first && first->isVisible());
    commands.showGettingStarted();
    QVERIFY(commands.gettingStarted() == first);
    first->chkShow->click();
    QCOMPARE(storedStartUpHelp(f), 1);

    // Closing the main window closes the tips first, while the database is still connected.
    w.close();
    QVERIFY(!commands.gettingStarted());
    QCOMPARE(f.ui.messages(), QStringList());
    auto file = Connection::open(f.fresh.path());
    QCOMPARE(file->query("SELECT StartUp_Help + 0 FROM tblDefaults")[0].toInt32(), 0);
}

void ProgramWindowsTest::theBugReportMailsAndCloses() {
    ShellFixture f;
    FrmBugReport report;
    report.show();
    QCOMPARE(report.windowTitle(), QStringLiteral("Report a Bug"));
    QVERIFY(report.lblMsg->text().startsWith(
        "Report a bug, or error, make a suggestion, recommendation, or enhancement and "));
    QCOMPARE(report.Label2->text(), QStringLiteral("Report it Now!"));
    click(report.Label2);
    QCOMPARE(f.ui.textsOf(UiCall::Document), QStringList{"mailto:bugs@qelcorvane.example"});
    QVERIFY(!report.isVisible());
}

void ProgramWindowsTest::theHelpMenuReachesTheWindows() {
    ShellFixture f;
    ProgramCommands commands;
    registerServices(commands);
    MdiMain w;
    f.ui.onModal("frmBugReport", [](QDialog& d) { static_cast<FrmBugReport&>(d).Label2_Click(); });
    for (const char* item : {"mnuAbout", "mnuReportAbug", "mnuSupport", "mnuGettingStarted"}) {
        QVERIFY2(w.menuItem(item)->isEnabled(), item);
        w.menuItem(item)->trigger();
    }
    QCOMPARE(f.ui.textsOf(UiCall::Modal), (QStringList{"frmAbout", "frmBugReport"}));
    QCOMPARE(f.ui.textsOf(UiCall::Document),
             (QStringList{"mailto:bugs@qelcorvane.example", "mailto:support@qelcorvane.example"}));
    QVERIFY(commands.gettingStarted() && commands.gettingStarted()->isVisible());
}

void ProgramWindowsTest::withoutAMailProgramTheAddressIsShown_data() {
    QTest::addColumn<QString>("item");
    QTest::addColumn<QString>("address");
    QTest::newRow("E-Mail Support") << "mnuSupport"
                                    << "support@qelcorvane.example";
    QTest::newRow("Report it Now!") << "mnuReportAbug"
                                    << "bugs@qelcorvane.example";
}

void ProgramWindowsTest::withoutAMailProgramTheAddressIsShown() {
    QFETCH(QString, item);
    QFETCH(QString, address);
    ShellFixture f;
    ProgramCommands commands;
    registerServices(commands);
    MdiMain w;
    f.ui.refuseDocuments();
    f.ui.onModal("frmBugReport", [](QDialog& d) { static_cast<FrmBugReport&>(d).Label2_Click(); });
    w.menuItem(item)->trigger();
    QCOMPARE(f.ui.textsOf(UiCall::Document), QStringList{"mailto:" + address});
    QCOMPARE(f.ui.messages(),
             QStringList{"No mail program could be opened. Please write to " + address + "."});
}

void ProgramWindowsTest::startUpOpensGettingStartedWhenTheDefaultsAsk_data() {
    QTest::addColumn<int>("startUpHelp");
    QTest::newRow("switch on") << 1;
    QTest::newRow("switch off") << 0;
}

void ProgramWindowsTest::startUpOpensGettingStartedWhenTheDefaultsAsk() {
    QFETCH(int, startUpHelp);
    ShellFixture f;
    f.fresh.exec("UPDATE tblDefaults SET StartUp_Help = " + std::to_string(startUpHelp));
    ProgramCommands commands;
    registerServices(commands);
    bool tipsOpenWhilePicking = false;
    f.ui.onModal("frmCompany", [&](QDialog& d) {
        tipsOpenWhilePicking = commands.gettingStarted() && commands.gettingStarted()->isVisible();
        d.reject();
    });
    MdiMain w;
    harlune::Main(w);
    QCOMPARE(tipsOpenWhilePicking, startUpHelp == 1);
    QCOMPARE(commands.gettingStarted() != nullptr, startUpHelp == 1);
    // The help file the program names, beside the program.
    QCOMPARE(commands.AppHelp().CHMFile(), QCoreApplication::applicationDirPath() + "/Vossmere.chm");
}

void ProgramWindowsTest::everyTextFitsItsControl_data() {
    QTest::addColumn<QString>("window");
    for (const char* window : {"frmAbout", "frmBugReport", "frmGettingStarted", "frmSplash", "frmCompany"})
        QTest::newRow(window) << QString(window);
}

void ProgramWindowsTest::everyTextFitsItsControl() {
    QFETCH(QString, window);
    ShellFixture f;
    MdiMain w;
    std::unique_ptr<QDialog> dialog;
    if (window == "frmAbout")
        dialog = std::make_unique<FrmAbout>(&w);
    else if (window == "frmBugReport")
        dialog = std::make_unique<FrmBugReport>(&w);
    else if (window == "frmGettingStarted")
        dialog = std::make_unique<FrmGettingStarted>(&w);
    else if (window == "frmSplash")
        dialog = std::make_unique<FrmSplash>(&w);
    else
        dialog = std::make_unique<FrmCompany>(&w);
    dialog->show();
    const QStringList cutOff = cutOffTexts(*dialog);
    QVERIFY2(cutOff.isEmpty(), qPrintable(cutOff.join(", ")));
}

QEL_QTEST_REGISTER(ProgramWindowsTest);

} // namespace qel::test
