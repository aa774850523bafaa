// The help: the contents, index and topic pages in the help window, the warnings of a help that
// cannot be shown, the pages shipped for the menu's help ids, and the F1 key.
#include "tests/app/shell/HelpTest.h"

#include "app/shell/HelpWindow.h"
#include "app/shell/HtmlHelp.h"
#include "app/shell/MdiMain.h"
#include "app/shell/MenuTable.h"
#include "app/shell/ProgramCommands.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/EventWait.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace qel::test {
namespace {

// The help as the source tree holds it: app/help beside app/Vossmere.chm. (Found from the test
// data folder's absolute path: a compiler cache may name this file by a relative path.)
QString sourceHelpFile() {
    return QDir::cleanPath(QStringLiteral(QEL_TEST_DATA) + QStringLiteral("/../../app/Vossmere.chm"));
}

QString sourceHelpFolder() {
    return HTMLHelp::helpFolderOf(sourceHelpFile());
}

} // namespace

void HelpTest::theHelpWindowOpensTheContentsPage() {
    ScriptedUiServices ui;
    HTMLHelp help;
    help.setCHMFile(sourceHelpFile());
    QVERIFY(!help.helpWindow());

    help.HHDisplayContents(nullptr);

    QCOMPARE(ui.messages(), QStringList());
    HelpWindow* window = help.helpWindow();
    QVERIFY(window);
    QVERIFY(window->isVisible());
    QCOMPARE(window->currentPage(), QStringLiteral("contents.html"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Qel Corvane Help"));
    QVERIFY(window->txtHelp->toPlainText().contains("Backing up the database"));
}

void HelpTest::indexTopicsAndLinksShowInTheSameWindow() {
    ScriptedUiServices ui;
    HTMLHelp help;
    help.setCHMFile(sourceHelpFile());
    help.HHDisplayContents(nullptr);
    HelpWindow* window = help.helpWindow();

    help.HHDisplayIndex(nullptr);
    QCOMPARE(help.helpWindow(), window);
    QCOMPARE(window->currentPage(), QStringLiteral("index.html"));
    help.setHHTopicID(13);
    help.HHDisplayTopicID(nullptr);
    QCOMPARE(window->currentPage(), QStringLiteral("topic13.html"));
    QCOMPARE(window->windowTitle(), QStringLiteral("Backup Database"));
    help.setHHTopicURL("topic31.html");
    help.HHDisplayTopicURL(nullptr);
    QCOMPARE(window->currentPage(), QStringLiteral("topic31.html"));

    // A link to another page stays in the window; Back returns.
    emit window->txtHelp->anchorClicked(QUrl("topic7.html"));
    QCOMPARE(window->currentPage(), QStringLiteral("topic7.html"));
    window->cmdBack->click();
    QCOMPARE(window->currentPage(), QStringLiteral("topic31.html"));
    window->cmdContents->click();
    QCOMPARE(window->currentPage(), QStringLiteral("contents.html"));
    // A web address goes to the user's browser.
    emit window->txtHelp->anchorClicked(QUrl("http://www.qelcorvane.example/"));
    QCOMPARE(window->currentPage(), QStringLiteral("contents.html"));
    QCOMPARE(ui.callsOf(UiCall::Document).size(), std::size_t(1));
    QCOMPARE(ui.callsOf(UiCall::Document)[0].text, QStringLiteral("http://www.qelcorvane.example/"));
    QCOMPARE(ui.messages(), QStringList());
}

void HelpTest::theHelpMenuShowsContentsAndIndex() {
    ShellFixture f;
    ProgramCommands commands;
    registerServices(commands);
    commands.CHMFile(sourceHelpFile());
    MdiMain w;
    w.menuItem("mnuHelpContents")->trigger();
    QVERIFY(commands.AppHelp().helpWindow());
    QCOMPARE(commands.AppHelp().helpWindow()->currentPage(), QStringLiteral("contents.html"));
    w.menuItem("mnuHelpSearch")->trigger();
    QCOMPARE(commands.AppHelp().helpWindow()->currentPage(), QStringLiteral("index.html"));
    // Closing the main window closes the help.
    w.close();
    QVERIFY(!commands.AppHelp().helpWindow());
    QCOMPARE(f.ui.messages(), QStringList());
}

void HelpTest::aHelpThatCannotBeShownIsReported_data() {
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("topic");
    QTest::addColumn<QString>("message");
    const QString missing = QDir::tempPath() + "/qel-no-help/Vossmere.chm";
    QTest::newRow("not a help file name")
        << "/opt/qel/Vossmere.hlp" << 0 << "/opt/qel/Vossmere.hlp is not a valid HTML Help file.";
    QTest::newRow("no pages beside the file")
        << missing << 0
        << "The file " + QDir::tempPath() +
               "/qel-no-help/help/contents.html does not exist.\n"
               "Please make sure the correct path and file name have been specified.";
    QTest::newRow("a help id without a page")
        << sourceHelpFile() << 99
        << "The file " + sourceHelpFolder() +
               "/topic99.html does not exist.\n"
               "Please make sure the correct path and file name have been specified.";
}

void HelpTest::aHelpThatCannotBeShownIsReported() {
    QFETCH(QString, file);
    QFETCH(int, topic);
    QFETCH(QString, message);
    ScriptedUiServices ui;
    HTMLHelp help;
    help.setCHMFile(file);
    if (topic) {
        help.setHHTopicID(topic);
        help.HHDisplayTopicID(nullptr);
    } else {
        help.HHDisplayContents(nullptr);
    }
    const auto boxes = ui.callsOf(UiCall::Message);
    QCOMPARE(boxes.size(), std::size_t(1));
    QCOMPARE(boxes[0].text, message);
    QCOMPARE(boxes[0].title, QStringLiteral("HTML Help Class"));
    QCOMPARE(boxes[0].icon, MsgIcon::Exclamation);
    QVERIFY(!help.helpWindow());
}

void HelpTest::aBareNameIsCompletedWithTheProgramFolder() {
    ScriptedUiServices ui;
    HTMLHelp help;
    help.setCHMFile("Vossmere.CHM");
    help.HHDisplayContents(nullptr);
    const QString folder = QCoreApplication::applicationDirPath();
    QCOMPARE(help.CHMFile(), folder + "/Vossmere.CHM");
    // The test program's folder holds no help pages.
    QCOMPARE(ui.messages().size(), 1);
    QVERIFY(ui.messages()[0].startsWith("The file " + folder + "/help/contents.html does not exist."));

    QString name = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
    QVERIFY(help.EnsureFileExists(name));
    QCOMPARE(name, QCoreApplication::applicationFilePath());
    QCOMPARE(ui.messages().size(), 1);
}

void HelpTest::theWindowBelongsToTheCallerOnlyWhenShownOnTop() {
    ScriptedUiServices ui;
    QWidget caller;
    HTMLHelp help;
    help.setCHMFile(sourceHelpFile());
    help.HHDisplayContents(&caller);
    QVERIFY(help.helpWindow()->parentWidget() == nullptr);
    help.setHHShowOnTop(true);
    help.HHDisplayIndex(&caller);
    QVERIFY(help.helpWindow()->parentWidget() == &caller);
    QVERIFY(help.helpWindow()->isWindow());
}

void HelpTest::closingClosesTheWindow() {
    ScriptedUiServices ui;
    HTMLHelp help;
    help.HHClose();
    help.setCHMFile(sourceHelpFile());
    help.HHDisplayContents(nullptr);
    QPointer<HelpWindow> window = help.helpWindow();
    help.HHClose();
    QVERIFY(!window);
    QVERIFY(!help.helpWindow());
    // The next display opens a new window.
    help.HHDisplayContents(nullptr);
    QVERIFY(help.helpWindow());
}

void HelpTest::everyHelpIdOfTheMenuHasAPageAndEveryLinkAPage() {
    const QDir folder(sourceHelpFolder());
    QSet<int> ids;
    for (const MenuDef& menu : menuTable())
        for (const MenuItemDef& item : menu.items)
            if (item.helpId > 0)
                ids.insert(item.helpId);
    QVERIFY(!ids.isEmpty());
    for (int id : ids)
        QVERIFY2(folder.exists(HTMLHelp::topicPage(id)), qPrintable(HTMLHelp::topicPage(id)));
    for (const char* page : {"contents.html", "index.html"})
        QVERIFY2(folder.exists(page), page);

    const QRegularExpression link(QStringLiteral("href=\"([^\"#]*)"));
    for (const QString& page : folder.entryList({"*.html"})) {
        QFile file(folder.filePath(page));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QString html = QString::fromUtf8(file.readAll());
        QVERIFY2(html.contains("<title>"), qPrintable(page));
        for (auto it = link.globalMatch(html); it.hasNext();) {
            const QString target = it.next().captured(1);
            QVERIFY2(folder.exists(target), qPrintable(page + " -> " + target));
        }
    }
}

void HelpTest::f1ShowsTheTopicOfTheMenuItemOrControl() {
    ScriptedUiServices ui;
    HTMLHelp help;
    help.setCHMFile(sourceHelpFile());
    HelpKey key(help);

    QWidget form;
    form.setProperty("HelpContextID", 31);
    auto* layout = new QVBoxLayout(&form);
    auto* field = new QLineEdit;
    layout->addWidget(field);
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form, kEventWaitMs));
    field->setFocus();
    QTest::keyClick(field, Qt::Key_F1);
    QVERIFY(help.helpWindow());
    QCOMPARE(help.helpWindow()->currentPage(), QStringLiteral("topic31.html"));

    // A control without a help id anywhere above it: the contents.
    form.setProperty("HelpContextID", QVariant());
    QTest::keyClick(field, Qt::Key_F1);
    QCOMPARE(help.helpWindow()->currentPage(), QStringLiteral("contents.html"));

    // The highlighted item of an open menu, which closes.
    QMenu menu;
    QAction* item = menu.addAction("Backup Database");
    item->setProperty("HelpContextID", 13);
    menu.popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(&menu, kEventWaitMs));
    menu.setActiveAction(item);
    QTest::keyClick(&menu, Qt::Key_F1);
    QCOMPARE(help.helpWindow()->currentPage(), QStringLiteral("topic13.html"));
    QVERIFY(!menu.isVisible());
    QCOMPARE(ui.messages(), QStringList());
}

QEL_QTEST_REGISTER(HelpTest);

} // namespace qel::test
