// The typed-date check and the text routines.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class DateCheckTest : public QObject {
    Q_OBJECT
private slots:
    void typedDates_data();
    void typedDates();
    void noQuoteReplacesEveryApostrophe_data();
    void noQuoteReplacesEveryApostrophe();
    void selectAllTextSelectsTheFocusedBox();
};

} // namespace qel::test
