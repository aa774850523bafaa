// The combo-box routines.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ComboRoutinesTest : public QObject {
    Q_OBJECT
private slots:
    void fillingTakesTrimmedTextsAndItemData_data();
    void fillingTakesTrimmedTextsAndItemData();
    void unreadableItemDataIsReportedThenTheFillEnds();
    void findingByText_data();
    void findingByText();
    void findingByItemData_data();
    void findingByItemData();
    void theDropDownWidensOnlyForWideEntries();
    void lookupCombosReplaceEditFieldsAndCopyBack();
};

} // namespace qel::test
