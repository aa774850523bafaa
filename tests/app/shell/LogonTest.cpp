// The logon rule and the logon window: a user name is required, a wrong pair is refused as often
// as it is tried, names and passwords match in any capitals, and only the level "Admin" keeps the
// user-maintenance and "Disable Password" items.
#include "tests/app/shell/LogonTest.h"

#include "app/shell/FrmSplash.h"
#include "app/shell/Logon.h"
#include "app/shell/MdiMain.h"
#include "server/data/Database.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qel::test {

void LogonTest::theRuleJudgesATry_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("level");
    QTest::addColumn<int>("outcome");
    QTest::addColumn<int>("lookups");
    QTest::newRow("empty user is not looked up") << ""
                                                 << "Admin" << int(LogonOutcome::EmptyUser) << 0;
    QTest::newRow("blank user is looked up as typed") << " "
                                                      << "" << int(LogonOutcome::Invalid) << 1;
    QTest::newRow("no match") << "ann"
                              << "" << int(LogonOutcome::Invalid) << 1;
    QTest::newRow("Admin") << "ann"
                           << "Admin" << int(LogonOutcome::Admin) << 1;
    QTest::newRow("admin in other capitals is no administrator")
        << "ann"
        << "admin" << int(LogonOutcome::NonAdmin) << 1;
    QTest::newRow("User") << "ann"
                          << "User" << int(LogonOutcome::NonAdmin) << 1;
}

void LogonTest::theRuleJudgesATry() {
    QFETCH(QString, user);
    QFETCH(QString, level);
    QFETCH(int, outcome);
    QFETCH(int, lookups);
    int calls = 0;
    const LogonCheck check([&](const QString&, const QString&) {
        ++calls;
        return level;
    });
    QCOMPARE(int(check.check(user, "pw")), outcome);
    QCOMPARE(calls, lookups);
}

void LogonTest::theWindowChecksThePairWithTheDataServer_data() {
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("password");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<bool>("adminItems");
    QTest::newRow("empty user") << ""
                                << "Admin"
                                << "Please enter the User Name." << false << true;
    QTest::newRow("wrong password") << "Admin"
                                    << "nope"
                                    << "Invalid Entry, please, try again!" << false << true;
    QTest::newRow("unknown user") << "nobody"
                                  << "Admin"
                                  << "Invalid Entry, please, try again!" << false << true;
    QTest::newRow("quote in the name finds nobody") << "' or ''='"
                                                    << "' or ''='"
                                                    << "Invalid Entry, please, try again!" << false << true;
    QTest::newRow("Admin") << "Admin"
                           << "Admin"
                           << "" << true << true;
    QTest::newRow("Admin in other capitals") << "ADMIN"
                                             << "admin"
                                             << "" << true << true;
    QTest::newRow("User level") << "clerk"
                                << "pw"
                                << "" << true << false;
    QTest::newRow("level admin in lower case") << "boss"
                                               << "pw"
                                               << "" << true << false;
    QTest::newRow("empty password stored empty") << "temp"
                                                 << ""
                                                 << "" << true << false;
}

void LogonTest::theWindowChecksThePairWithTheDataServer() {
    QFETCH(QString, user);
    QFETCH(QString, password);
    QFETCH(QString, message);
    QFETCH(bool, accepted);
    QFETCH(bool, adminItems);
    ShellFixture f;
    f.fresh.exec("INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('clerk', 'pw', 'User')");
    f.fresh.exec("INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('boss', 'pw', 'admin')");
    f.fresh.exec("INSERT INTO tblPasswords (UserId, [Password], UserLevel) VALUES ('temp', '', 'User')");
    MdiMain w;
    // The logon opens only while the password switch is on, which shows these two items.
    setEnablePwd("Y");
    FrmSplash splash(&w);
    splash.show();
    splash.txtLogin[0]->setText(user);
    splash.txtLogin[1]->setText(password);
    splash.cmdLogon[0]->click();

    QCOMPARE(f.ui.messages(), message.isEmpty() ? QStringList() : QStringList{message});
    QCOMPARE(splash.isVisible(), !accepted);
    QCOMPARE(splash.result(), accepted ? int(QDialog::Accepted) : int(QDialog::Rejected));
    QCOMPARE(w.menuItem("mnuUsers")->isVisible(), adminItems);
    QCOMPARE(w.menuItem("mnudisablePwd")->isVisible(), adminItems);
    if (!accepted && message.startsWith("Invalid"))
        QCOMPARE(f.ui.callsOf(UiCall::Message)[0].title, QStringLiteral("Login"));
}

void LogonTest::aWrongPairIsRefusedAsOftenAsItIsTried() {
    ShellFixture f;
    MdiMain w;
    FrmSplash splash(&w);
    splash.show();
    splash.txtLogin[0]->setText("Admin");
    for (int i = 0; i < 6; ++i) {
        splash.txtLogin[1]->setText("wrong" + QString::number(i));
        splash.cmdLogon[0]->click();
    }
    QCOMPARE(f.ui.messages().size(), 6);
    QVERIFY(splash.isVisible());
    // The password is selected for the next try.
    QCOMPARE(splash.txtLogin[1]->selectedText(), QStringLiteral("wrong5"));
    splash.txtLogin[1]->setText("Admin");
    splash.cmdLogon[0]->click();
    QCOMPARE(splash.result(), int(QDialog::Accepted));
}

void LogonTest::theWindowShowsTitleVersionAndTheUserName() {
    ShellFixture f;
    FrmSplash splash;
    QCOMPARE(splash.lblApplicationName->text(), QStringLiteral("Qel Corvane"));
    QVERIFY(splash.lblVersion->text().startsWith("Version 3."));
    QCOMPARE(splash.lblVersion->text().count('.'), 2);
    QCOMPARE(splash.txtLogin[0]->text(), loggedOnUserName());
    QCOMPARE(splash.txtLogin[1]->echoMode(), QLineEdit::Password);
    QVERIFY(splash.cmdLogon[0]->isDefault());
}

void LogonTest::anUnreachableDatabaseShowsTheCauseThenRefuses() {
    ShellFixture f;
    gConn().reset();
    FrmSplash splash;
    splash.show();
    splash.txtLogin[0]->setText("Admin");
    splash.txtLogin[1]->setText("Admin");
    splash.cmdLogon[0]->click();
    const QStringList messages = f.ui.messages();
    QCOMPARE(messages.size(), 2);
    QVERIFY2(messages[0].startsWith("Error in GetUserLevel. "), qPrintable(messages[0]));
    QVERIFY(messages[0].contains(" Error Number: "));
    QCOMPARE(messages[1], QStringLiteral("Invalid Entry, please, try again!"));
    QVERIFY(splash.isVisible());
}

QEL_QTEST_REGISTER(LogonTest);

} // namespace qel::test
