// The window arrangement items of the Windows menu.
#include "tests/app/reports/WindowArrangementTest.h"

#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"
#include "tests/app/reports/ReportsFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QAction>
#include <QCloseEvent>
#include <QTest>

namespace qel::test {
namespace {

// A child window holding edits: closing it asks "Save Changes?" as the program's edit windows do,
// and Cancel keeps it open.
class EditedWindow : public QWidget {
public:
    bool saved = false;

protected:
    void closeEvent(QCloseEvent* event) override {
        switch (ui().messageBox(QStringLiteral("Save Changes?"), MsgButtons::YesNoCancel)) {
        case MsgResult::Cancel:
            event->ignore();
            return;
        case MsgResult::Yes:
            saved = true;
            break;
        default:
            break;
        }
        event->accept();
    }
};

// Lets the windows closed so far be deleted.
void settle() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

void WindowArrangementTest::theItemsNeedAWindowToWorkOn() {
    ReportsFixture f;
    QVERIFY(!f.window.menuItem(QStringLiteral("mnuTileHorizontal"))->isEnabled());
    QVERIFY(!f.window.menuItem(QStringLiteral("mnuCloseWindows"))->isEnabled());
    f.choose("mnuReportsTax");
    QVERIFY(f.window.menuItem(QStringLiteral("mnuTileHorizontal"))->isEnabled());
    QVERIFY(f.window.menuItem(QStringLiteral("mnuCloseWindows"))->isEnabled());
}

void WindowArrangementTest::threeWindowsTileOneBelowTheOther() {
    ReportsFixture f;
    f.window.resize(1000, 800);
    for (const char* item : {"mnuTagToAssetId", "mnuChartOfAccounts", "mnuTagToAssetId"})
        f.choose(item);
    const QList<reports::FrmDocument*> docs = f.reportWindows();
    QCOMPARE(docs.size(), 3);
    const double heights[] = {1000, 2500, 6000};
    for (int i = 0; i < 3; ++i) {
        QMdiSubWindow& frame = *frameOf(docs[i]);
        setWindowLeft(frame, 300.0 * (i + 1));
        setWindowTop(frame, 450.0 * (i + 1));
        setWindowHeight(frame, heights[i]);
    }
    // A minimized and a maximized window first return to their normal state.
    frameOf(docs[0])->showMinimized();
    frameOf(docs[2])->showMaximized();

    f.choose("mnuTileHorizontal");
    const double width = windowTwips(f.window).width - 430;
    const double tops[] = {0, 1375, 3875};
    const double tiled[] = {1375, 2500, 4000};
    for (int i = 0; i < 3; ++i) {
        const QMdiSubWindow& frame = *frameOf(docs[i]);
        const TwipsRect at = windowTwips(frame);
        QVERIFY(!frame.isMinimized() && !frame.isMaximized());
        QCOMPARE(at.left, 0.0);
        QCOMPARE(at.top, tops[i]);
        QCOMPARE(at.width, width);
        QCOMPARE(at.height, tiled[i]);
    }
}

void WindowArrangementTest::closeAllAsksAWindowWithEditsAndClosesEveryOther() {
    ReportsFixture f;
    f.choose("mnuTagToAssetId");
    auto* edited = new EditedWindow;
    f.window.childWindows().add(edited);
    f.choose("mnuChartOfAccounts");
    f.choose("mnuReportsTax");
    QCOMPARE(f.window.childWindows().list().size(), 4);

    // Kept: the window with edits stays, every other one closes, those after it too.
    f.ui.answerMessage(MsgResult::Cancel);
    f.choose("mnuCloseWindows");
    settle();
    QCOMPARE(f.ui.messages(), QStringList{"Save Changes?"});
    QCOMPARE(f.window.childWindows().list().size(), 1);
    QCOMPARE(f.window.childWindows().list().at(0)->widget(), edited);
    QVERIFY(!edited->saved);

    // Saved: now it closes too, and only the main window is left.
    f.ui.clear();
    f.ui.answerMessage(MsgResult::Yes);
    QPointer<EditedWindow> watched(edited);
    f.choose("mnuCloseWindows");
    QCOMPARE(f.ui.messages(), QStringList{"Save Changes?"});
    QVERIFY(watched && watched->saved);
    settle();
    QVERIFY(f.window.childWindows().list().isEmpty());
    QVERIFY(!f.window.menuItem(QStringLiteral("mnuCloseWindows"))->isEnabled());
}

QEL_QTEST_REGISTER(WindowArrangementTest);

} // namespace qel::test
