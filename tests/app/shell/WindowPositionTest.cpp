// A window position stored under another screen size or scaling: the frame is shrunk to the
// available area and moved onto it, as little as needed.
#include "tests/app/shell/WindowPositionTest.h"

#include "app/shell/MdiMain.h"
#include "app/shell/WindowPosition.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/QtTestMain.h"

#include <QGuiApplication>
#include <QScreen>

#include <cmath>

namespace qel::test {

void WindowPositionTest::aFrameIsFittedToTheAvailableArea_data() {
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<QRect>("available");
    QTest::addColumn<QRect>("fitted");
    const QRect screen(0, 0, 1280, 984); // 1280 by 1024 with a panel of 40 pixels
    QTest::newRow("inside stays") << QRect(13, 67, 700, 500) << screen << QRect(13, 67, 700, 500);
    QTest::newRow("past the right edge moves left")
        << QRect(900, 100, 600, 400) << screen << QRect(680, 100, 600, 400);
    QTest::newRow("past the bottom moves up")
        << QRect(100, 800, 600, 400) << screen << QRect(100, 584, 600, 400);
    QTest::newRow("above and left of the area moves in")
        << QRect(-50, -20, 600, 400) << screen << QRect(0, 0, 600, 400);
    // Stored at a scale factor of 1.5 and restored at 1.
    QTest::newRow("larger than the area shrinks to it")
        << QRect(377, 340, 1350, 974) << screen << QRect(0, 10, 1280, 974);
    QTest::newRow("larger both ways") << QRect(377, 340, 2000, 1500) << screen << screen;
    QTest::newRow("a second screen to the right")
        << QRect(100, 100, 600, 400) << QRect(1280, 0, 1920, 1040) << QRect(1280, 100, 600, 400);
}

void WindowPositionTest::aFrameIsFittedToTheAvailableArea() {
    QFETCH(QRect, frame);
    QFETCH(QRect, available);
    QFETCH(QRect, fitted);
    QCOMPARE(fitRect(frame, available), fitted);
}

void WindowPositionTest::aWindowIsFittedWithItsDecoration() {
    QWidget window;
    window.move(700, 500);
    window.resize(300, 200);
    fitWindowToScreen(window, QRect(0, 0, 800, 600));
    QCOMPARE(window.frameGeometry().bottomRight(), QPoint(799, 599));
    QCOMPARE(window.size(), QSize(300, 200));
    fitWindowToScreen(window, QRect(0, 0, 200, 100));
    QCOMPARE(window.frameGeometry(), QRect(0, 0, 200, 100));
}

void WindowPositionTest::aPositionStoredUnderAnotherScreenOpensOnThisOne() {
    ShellFixture f;
    ShellFixture::store("MainLeft", "5655", "mdiMain");
    ShellFixture::store("MainTop", "5100", "mdiMain");
    ShellFixture::store("MainWidth", "20250", "mdiMain");
    ShellFixture::store("MainHeight", "14610", "mdiMain");
    MdiMain w;
    const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
    QVERIFY2(available.contains(w.frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                   .arg(w.frameGeometry().x())
                                                                   .arg(w.frameGeometry().y())
                                                                   .arg(w.width())
                                                                   .arg(w.height())));
    QCOMPARE(w.size(), available.size());
    // Closing stores the position it opened at.
    w.close();
    QCOMPARE(ShellFixture::stored("MainLeft", "mdiMain"),
             QString::number(std::round(pixelsToTwipsX(w, available.left()))));
}

QEL_QTEST_REGISTER(WindowPositionTest);

} // namespace qel::test
