// A report list's compact rows: every cell reads back as written, across the list's text
// blocks and as the list grows.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ReportListTest : public QObject {
    Q_OBJECT
private slots:
    void everyCellReadsBackAsWritten_data();
    void everyCellReadsBackAsWritten();
    void aFilledRowsCellsStandAloneWhenOneIsWritten();
    void aListTakesItsColumnsBeforeItsRows();
};

} // namespace qel::test
