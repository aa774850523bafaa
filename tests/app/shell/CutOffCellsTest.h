// The window tests' check of list cells: a cell's text against the room its list gives it.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class CutOffCellsTest : public QObject {
    Q_OBJECT
private slots:
    void aCellIsCutWhereTheListWouldElideIt_data();
    void aCellIsCutWhereTheListWouldElideIt();
    void onlyTheRowsInViewAreRead();
    void aPickerIsCutAtItsOwnEdge();
    void aWindowsCheckReadsItsLists();
};

} // namespace qel::test
