// The whole program on the report fixture's company and on the sample company: every enabled
// item of the main window's menus is chosen in turn, its prompt answered with a year or a period,
// and every window it opens (a child window, a modal window, a window of its own) is checked as a
// user who reads it through a screen reader and works it by keyboard would: each push button is
// read by its caption, no text is cut off, and Esc closes the window.
#include "tests/app/program/MenuWalkTest.h"

#include "app/assets/Assets.h"
#include "app/books/Books.h"
#include "app/exchange/Exchange.h"
#include "app/maintenance/Maintenance.h"
#include "app/printing/Printing.h"
#include "app/reports/rules/ReportCatalogue.h"
#include "app/shell/MenuTable.h"
#include "app/shell/ProgramCommands.h"
#include "app/shell/ProgramServices.h"
#include "app/vehicles/Vehicles.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/CutOffTexts.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSet>

namespace qel::test {
namespace {

// Items that end the program or wait on the world outside it.
const QSet<QString> kNotWalked = {"mnuExit"};

// A caption as a screen reader reads it: without the access-key mark, "&&" as "&".
QString readAloud(QString caption) {
    caption.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
    return caption.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

// What is wrong with one window, each fault as one line naming the item and the window.
QStringList faultsOf(const QString& item, QWidget& window) {
    QStringList faults;
    const QString where = item + QStringLiteral(" / ") + window.objectName() + QStringLiteral(": ");
    for (QPushButton* button : window.findChildren<QPushButton*>()) {
        if (!button->isVisibleTo(&window) || button->text().isEmpty())
            continue;
        const QString read = QAccessible::queryAccessibleInterface(button)->text(QAccessible::Name);
        if (read != readAloud(button->text()))
            faults << where + button->objectName() + QStringLiteral(" is read as \"") + read +
                          QStringLiteral("\", shown as \"") + button->text() + QLatin1Char('"');
    }
    for (const QString& cut : cutOffTexts(window))
        faults << where + QStringLiteral("cut off: ") + cut;
    return faults;
}

// Presses Esc where the focus is in the window, as the user does.
void pressEsc(QWidget& window) {
    QWidget* focus = QApplication::focusWidget();
    QTest::keyClick(focus && window.isAncestorOf(focus) ? focus : &window, Qt::Key_Escape);
}

// The program's fixture: the report company (or the sample one), every subsystem registered as
// main() does.
struct ProgramFixture : ReportsFixture {
    template <typename... Args>
    explicit ProgramFixture(Args&&... args) : ReportsFixture(std::forward<Args>(args)...) {
        registerProgramCommands(parts);
        registerAssets(parts);
        registerBooks(parts);
        registerMaintenance(parts);
        registerVehicles(parts);
        registerPrinting(parts);
        registerExchange(parts);
    }
};

} // namespace

void MenuWalkTest::everyWindowReadsWholeAndClosesWithEsc_data() {
    QTest::addColumn<bool>("sample");
    QTest::addColumn<QString>("year");
    QTest::addColumn<QString>("period");
    QTest::newRow("report company") << false << "2010"
                                    << "201006";
    // The data a new user first sees, with its longer names and amounts.
    QTest::newRow("sample company") << true << "2025"
                                    << "202511";
}

void MenuWalkTest::everyWindowReadsWholeAndClosesWithEsc() {
    QFETCH(bool, sample);
    QFETCH(QString, year);
    QFETCH(QString, period);
    const auto made = sample ? std::make_unique<ProgramFixture>(std::filesystem::path(QEL_SAMPLE_DATABASE), 1,
                                                                QStringLiteral("Sample Company"),
                                                                std::int16_t{2025}, QDate(2025, 12, 15))
                             : std::make_unique<ProgramFixture>();
    ProgramFixture& f = *made;
    QVERIFY(QTest::qWaitForWindowActive(&f.window));
    // The help the source tree holds, and an import log to view.
    subsystems().program->CHMFile(
        QDir::cleanPath(QStringLiteral(QEL_TEST_DATA) + QStringLiteral("/../../app/Vossmere.chm")));
    const QString importLog = QString::fromStdString((f.fresh.folder() / "ImportLog.txt").string());
    {
        QFile log(importLog);
        QVERIFY(log.open(QIODevice::WriteOnly));
        log.write("Asset 1 imported.\n");
    }
    QStringList faults;
    QStringList seen;
    QString item;

    // A modal window is checked while it is open, then sent away with Esc.
    f.ui.onAnyModal([&](QDialog& dialog) {
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        seen << dialog.objectName();
        faults << faultsOf(item, dialog);
        pressEsc(dialog);
        if (dialog.isVisible())
            faults << item + QStringLiteral(" / ") + dialog.objectName() +
                          QStringLiteral(": Esc left it open");
    });

    for (const MenuDef& menu : menuTable()) {
        // A menu-bar item without a menu is chosen as it stands.
        std::vector<MenuItemDef> items = menu.items;
        if (items.empty())
            items.push_back(
                {menu.name, menu.caption, 0, MenuAction::Command, nullptr, menu.needs, Shown::Always});
        for (const MenuItemDef& def : items) {
            item = QString::fromUtf8(def.name);
            QAction* action = f.window.menuItem(item);
            if (def.action == MenuAction::Separator || kNotWalked.contains(item) || !action ||
                !action->isEnabled() || !action->isVisible())
                continue;
            // Year prompts take the fixture's year, period prompts its posted period.
            const reports::ReportDef* report =
                def.action == MenuAction::Report ? reports::findReport(def.argument) : nullptr;
            const bool asksPeriod = (report && report->prompt == reports::ReportPrompt::Period) ||
                                    def.action == MenuAction::ExportPeriod;
            for (int i = 0; i < 3; ++i)
                f.ui.answerInput(asksPeriod ? period : year);
            if (item == QLatin1String("mnuImportLog"))
                f.ui.answerFile(importLog);
            const QList<QMdiSubWindow*> before = f.window.childWindows().list();
            const QWidgetList topBefore = QApplication::topLevelWidgets();
            action->trigger();

            for (QMdiSubWindow* frame : f.window.childWindows().list()) {
                if (before.contains(frame) || !frame->widget())
                    continue;
                QWidget& contents = *frame->widget();
                seen << contents.objectName();
                f.window.mdiArea()->setActiveSubWindow(frame);
                faults << faultsOf(item, contents);
                const QPointer<QMdiSubWindow> open(frame);
                pressEsc(contents);
                if (!QTest::qWaitFor([&] { return open.isNull() || !open->isVisible(); }))
                    faults << item + QStringLiteral(" / ") + contents.objectName() +
                                  QStringLiteral(": Esc left it open");
            }
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (topBefore.contains(w) || !w->isVisible() || qobject_cast<QMessageBox*>(w) ||
                    w->windowType() == Qt::Popup || w->windowType() == Qt::ToolTip)
                    continue;
                seen << w->objectName();
                faults << faultsOf(item, *w);
                const QPointer<QWidget> open(w);
                // The user presses Esc in the window in front of them.
                w->activateWindow();
                if (!QTest::qWaitForWindowActive(w))
                    faults << item + QStringLiteral(" / ") + w->objectName() +
                                  QStringLiteral(": never active");
                pressEsc(*w);
                if (!QTest::qWaitFor([&] { return open.isNull() || !open->isVisible(); })) {
                    faults << item + QStringLiteral(" / ") + w->objectName() +
                                  QStringLiteral(": Esc left it open");
                    w->close();
                }
            }
            f.window.activateWindow();
            // Leftover answers are not carried to the next item.
            while (!f.ui.inputBox(QString(), QString(), QString(), std::nullopt).isEmpty()) {
            }
            while (!f.ui.openFileName({}).isEmpty()) {
            }
            f.ui.clear();
        }
    }
    // The walk reached the windows of every subsystem.
    for (const char* window : {"frmAsset", "frmMaint", "frmDocument", "frmTaxReports", "frmRichText",
                               "frmBookDeprRange", "frmAutoUse", "frmAutoQst", "frmAbout", "HelpWindow"})
        QVERIFY2(seen.contains(QString::fromLatin1(window)), qPrintable(seen.join(", ")));
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join("\n")));
}

QEL_QTEST_REGISTER(MenuWalkTest);

} // namespace qel::test
