// The maintenance window as the menus open it: each table's caption, help topic, columns, edit
// fields and pick lists, its layout, sorting and closing.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class MaintWindowTest : public QObject {
    Q_OBJECT
private slots:
    void eachItemOpensItsTable_data();
    void eachItemOpensItsTable();
    void theSection179ListIsLaidOutFromItsFields();
    void companiesTakeTheMainWindowsWidth();
    void passwordsAreNeverShownInTheList();
    void anEmptyTableGreysItsFields();
    void aHeaderClickSortsByTheFieldsType();
    void closingAsksAboutChangesAndBringsBackThePicker();
    void thePickersNewButtonOpensCompaniesAndComesBack();
};

} // namespace qel::test
