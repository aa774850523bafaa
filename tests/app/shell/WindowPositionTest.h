// Restored window positions fitted to the screen.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class WindowPositionTest : public QObject {
    Q_OBJECT
private slots:
    void aFrameIsFittedToTheAvailableArea_data();
    void aFrameIsFittedToTheAvailableArea();
    void aWindowIsFittedWithItsDecoration();
    void aPositionStoredUnderAnotherScreenOpensOnThisOne();
};

} // namespace qel::test
