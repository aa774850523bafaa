// Tile Horizontal and Close All Windows, chosen from the Windows menu over open windows.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class WindowArrangementTest : public QObject {
    Q_OBJECT
private slots:
    void theItemsNeedAWindowToWorkOn();
    void threeWindowsTileOneBelowTheOther();
    void closeAllAsksAWindowWithEditsAndClosesEveryOther();
};

} // namespace qel::test
