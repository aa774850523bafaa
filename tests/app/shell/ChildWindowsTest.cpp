// Child windows: a keyed window opens once and comes to the front when asked again; closing all
// stops at a window that refuses (one with unsaved edits), which keeps the program open.
#include "tests/app/shell/ChildWindowsTest.h"

#include "app/shell/ChildWindows.h"
#include "app/shell/MdiMain.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QSignalSpy>

namespace qel::test {
namespace {

// A window with unsaved edits: it refuses to close while `dirty` is set.
class EditWindow : public QWidget {
public:
    explicit EditWindow(QString title, bool dirty = false) : dirty(dirty) { setWindowTitle(title); }
    bool dirty;

protected:
    void closeEvent(QCloseEvent* event) override { dirty ? event->ignore() : event->accept(); }
};

QStringList titles(const ChildWindows& windows) {
    QStringList out;
    for (const QMdiSubWindow* w : windows.list())
        out << w->windowTitle();
    return out;
}

} // namespace

void ChildWindowsTest::openingAKeyedWindowTwiceGivesOneWindow() {
    ShellFixture f;
    MdiMain w;
    w.show();
    ChildWindows& children = w.childWindows();
    int made = 0;
    const auto makeAssetForm = [&made] {
        ++made;
        return new EditWindow("Asset Maintenance");
    };
    QMdiSubWindow* first = children.open("frmAsset", makeAssetForm);
    children.add(new EditWindow("New Assets"));
    QCOMPARE(w.mdiArea()->activeSubWindow()->windowTitle(), QStringLiteral("New Assets"));

    QMdiSubWindow* second = children.open("frmAsset", makeAssetForm);
    QCOMPARE(second, first);
    QCOMPARE(made, 1);
    QCOMPARE(titles(children), (QStringList{"Asset Maintenance", "New Assets"}));
    QCOMPARE(w.mdiArea()->activeSubWindow(), first);
    QCOMPARE(children.find("frmAsset"), first);
    QCOMPARE(children.find("frmMaint"), nullptr);
}

void ChildWindowsTest::aClosedWindowsKeyOpensANewOne() {
    ShellFixture f;
    MdiMain w;
    ChildWindows& children = w.childWindows();
    QPointer<QMdiSubWindow> first = children.open("frmMaint", [] { return new EditWindow("Locations"); });
    QVERIFY(first->close());
    QCOMPARE(children.find("frmMaint"), nullptr);
    QVERIFY(!children.anyOpen());
    QMdiSubWindow* again = children.open("frmMaint", [] { return new EditWindow("Locations"); });
    QVERIFY(again);
    QCOMPARE(children.list().size(), 1);
}

void ChildWindowsTest::closeAllStopsAtAWindowThatRefuses() {
    ShellFixture f;
    MdiMain w;
    w.show();
    ChildWindows& children = w.childWindows();
    children.add(new EditWindow("one"));
    auto* edited = new EditWindow("edited", true);
    QMdiSubWindow* refusing = children.add(edited);
    children.add(new EditWindow("three"));

    QCOMPARE(children.closeAll(), refusing);
    // The windows after the refusing one stay open too; it comes to the front.
    QCOMPARE(titles(children), (QStringList{"edited", "three"}));
    QCOMPARE(w.mdiArea()->activeSubWindow(), refusing);

    edited->dirty = false;
    QCOMPARE(children.closeAll(), nullptr);
    QVERIFY(!children.anyOpen());
}

void ChildWindowsTest::theMainWindowStaysOpenWhileAChildRefuses() {
    ShellFixture f;
    MdiMain w;
    w.show();
    auto* edited = new EditWindow("edited", true);
    w.childWindows().add(edited);
    QSignalSpy unloaded(&w, &MdiMain::unloaded);

    w.menuItem("mnuExit")->trigger();
    QVERIFY(w.isVisible());
    QCOMPARE(unloaded.count(), 0);

    edited->dirty = false;
    w.menuItem("mnuExit")->trigger();
    QVERIFY(!w.isVisible());
    QCOMPARE(unloaded.count(), 1);
}

void ChildWindowsTest::aFixedSizeWindowHasNoMaximizeBox() {
    ShellFixture f;
    MdiMain w;
    w.show();
    auto* fixed = new EditWindow("Asset Maintenance");
    fixed->setFixedSize(300, 200);
    QMdiSubWindow* fixedWindow = w.childWindows().open("frmAsset", [fixed] { return fixed; });
    QVERIFY(!(fixedWindow->windowFlags() & Qt::WindowMaximizeButtonHint));
    QVERIFY(fixedWindow->windowFlags() & Qt::WindowMinimizeButtonHint);
    QCOMPARE(fixed->size(), QSize(300, 200));
    QMdiSubWindow* sizable = w.childWindows().add(new EditWindow("New Assets"));
    QVERIFY(sizable->windowFlags() & Qt::WindowMaximizeButtonHint);
}

QEL_QTEST_REGISTER(ChildWindowsTest);

} // namespace qel::test
