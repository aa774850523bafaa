// The monthly book depreciation commands on a database copy.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class BookCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void theKnownNextPeriodIsProposed_data();
    void theKnownNextPeriodIsProposed();
    void aTypedPeriodIsCheckedBeforeItPosts_data();
    void aTypedPeriodIsCheckedBeforeItPosts();
    void aFailedPostingShowsItsCauseAndNoSuccess();
    void theNextPeriodShowsOnTheStatusLine();
    void deletingSaysWhatHappened_data();
    void deletingSaysWhatHappened();
    void anUnknownCompanyIsReportedWithItsCause();
};

} // namespace qel::test
