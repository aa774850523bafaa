// Every window the menus open, walked as a keyboard and screen-reader user meets them.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class MenuWalkTest : public QObject {
    Q_OBJECT
private slots:
    void everyWindowReadsWholeAndClosesWithEsc_data();
    void everyWindowReadsWholeAndClosesWithEsc();
};

} // namespace qel::test
