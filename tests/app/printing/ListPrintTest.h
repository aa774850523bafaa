// A report window's Print button through the real main window: the list printed to a PDF file
// with its headings and in the order the window shows it; a list too wide to print.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ListPrintTest : public QObject {
    Q_OBJECT
private slots:
    void theReportWindowsPrintButtonPrintsTheList();
    void aSortedListPrintsAsShown();
    void cancelInThePrintDialogPrintsNothing();
    void aListTooWideIsRefused();
    void theAssetDetailPrintsThroughTheDialog();
};

} // namespace qel::test
