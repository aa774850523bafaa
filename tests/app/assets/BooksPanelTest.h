// The books panel of the asset form on fixture companies: the books the company keeps, their
// lists, blank, loaded and copied columns.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class BooksPanelTest : public QObject {
    Q_OBJECT
private slots:
    void onlyTheBooksTheCompanyKeepsAreEnabled_data();
    void onlyTheBooksTheCompanyKeepsAreEnabled();
    void copyFillsTheKeptBooks_data();
    void copyFillsTheKeptBooks();
    void storedRowsLoadIntoTheKeptBooks();
};

} // namespace qel::test
