// The printouts on the program's printer, printed to PDF files and read back.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class PrinterTest : public QObject {
    Q_OBJECT
private slots:
    void theAssetDetailPagePrintsItsFields();
    void pageBreaksGiveNewPagesInTheirOrientation();
    void aPrinterThatCannotPrintRaisesPrinterError();
    void theFontStaysWithThePrinterBetweenJobs();
    void aRichDocumentPrintsInPages();
    void anEmptyDocumentPrintsOneEmptyPage();
    void theFirstTextOfAJobStandsWhereItIsPlaced();
    void eachPrintoutTurnsThePageItself();
    void aWideListPrintsWithinThePage();
    void aRichDocumentBreaksAWordLongerThanALine();
};

} // namespace qel::test
