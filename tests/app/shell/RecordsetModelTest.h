// The table model over a recordset.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class RecordsetModelTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void theColumnsAreTheFieldsAsTheStatementNamedThem();
    void cellsShowNullEmptyDatesAsMonthDayYearAndNumbersPlain();
    void aFormatterShowsAColumnItsOwnWay();
    void eachColumnSortsByItsKindBothWays_data();
    void eachColumnSortsByItsKindBothWays();
    void theSortKeepsTheOrderOfTheTextRules();
    void removedRowsLeaveTheSortedList();
    void appendedAndReplacedRowsTakeTheirPlaceInTheSortedList();
};

} // namespace qel::test
