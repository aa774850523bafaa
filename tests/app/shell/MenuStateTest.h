// Which menu items are shown and enabled in which program state, and the commands registry.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class MenuStateTest : public QObject {
    Q_OBJECT
private slots:
    void theRuleDecidesFromItsInputsAlone();
    void everyItemFollowsTheProgramState_data();
    void everyItemFollowsTheProgramState();
    void theItemsFollowTheStateAsItChanges();
    void aCommandRegisteredByASubsystemRunsFromItsItemOnly();
    void aFailingCommandShowsItsCause();
};

} // namespace qel::test
