// The logon rule and the logon window.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class LogonTest : public QObject {
    Q_OBJECT
private slots:
    void theRuleJudgesATry_data();
    void theRuleJudgesATry();
    void theWindowChecksThePairWithTheDataServer_data();
    void theWindowChecksThePairWithTheDataServer();
    void aWrongPairIsRefusedAsOftenAsItIsTried();
    void theWindowShowsTitleVersionAndTheUserName();
    void anUnreachableDatabaseShowsTheCauseThenRefuses();
};

} // namespace qel::test
