// List sorting and the program's one sort state.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ListSortTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void numbersSortAsNumbersAndASecondSortTogglesTheOrder();
    void theOrderFlipsOnEachSortOfTheSameColumn();
    void theFirstToggledSortOfColumn0IsDescending();
    void anOrderOf1Or2IsTakenWithoutToggling();
    void allListsShareOneSortState();
    void sortValuesAreOrdered_data();
    void sortValuesAreOrdered();
    void rowsAddedLaterGoToTheirPlace();
    void rowsWithEqualKeysKeepTheOrderShown_data();
    void rowsWithEqualKeysKeepTheOrderShown();
    void sortKeysOrderTextsAsTheTextRules_data();
    void sortKeysOrderTextsAsTheTextRules();
    void sortKeysOrderNumbersAsTheyCompare();
    void theSelectionFollowsItsRowThroughASort();
    void theListFollowsEveryChangeOfItsModel();
    void removingTheSelectedRowKeepsTheSort();
    void removingBeforeAnySortLoadsTheNextRow();
};

} // namespace qel::test
