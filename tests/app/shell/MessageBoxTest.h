// The program's message box as the user meets it: Enter presses its default button.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class MessageBoxTest : public QObject {
    Q_OBJECT
private slots:
    void enterPressesTheDefaultButton_data();
    void enterPressesTheDefaultButton();
    void aDefaultThatIsNoButtonIsRefused_data();
    void aDefaultThatIsNoButtonIsRefused();
    void aBoxStandsOverTheProgramWhenNoWindowIsActive_data();
    void aBoxStandsOverTheProgramWhenNoWindowIsActive();
};

} // namespace qel::test
