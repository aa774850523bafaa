// The main window's child windows: opened by key, listed, closed.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ChildWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void openingAKeyedWindowTwiceGivesOneWindow();
    void aClosedWindowsKeyOpensANewOne();
    void closeAllStopsAtAWindowThatRefuses();
    void theMainWindowStaysOpenWhileAChildRefuses();
    void aFixedSizeWindowHasNoMaximizeBox();
};

} // namespace qel::test
