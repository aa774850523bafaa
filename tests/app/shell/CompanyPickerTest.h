// The company picker.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class CompanyPickerTest : public QObject {
    Q_OBJECT
private slots:
    void typeAheadFindsTheFirstNameWithThePrefix_data();
    void typeAheadFindsTheFirstNameWithThePrefix();
    void anEmptyBoxLeavesTheLastSearch();
    void theWindowListsTheCompaniesAndSelectsAsTyped();
    void theWindowOpensBesideTheMainWindow();
    void okMakesTheSelectedRowCurrentByItsId();
    void okWithoutASelectionAsksForOne();
    void cancelKeepsTheCompanyButStoresAChangedSwitch_data();
    void cancelKeepsTheCompanyButStoresAChangedSwitch();
    void aListThatCannotBeLoadedClosesThePickerAndTheProgramGoesOn();
};

} // namespace qel::test
