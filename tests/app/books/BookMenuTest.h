// The Book menu through the real main window, and the range window.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class BookMenuTest : public QObject {
    Q_OBJECT
private slots:
    void theBookItemsNeedACompany();
    void theBookItemsRunTheirCommands();
    void aRangePostsEveryPeriodInOrder_data();
    void aRangePostsEveryPeriodInOrder();
    void aRefusedRangeKeepsTheWindowOpen_data();
    void aRefusedRangeKeepsTheWindowOpen();
    void cancelOnTheQuestionPostsNothing();
    void aFailedPeriodStopsTheRangeAndSaysWhatWasPosted();
};

} // namespace qel::test
