// "Import Assets" and "Import Log " through the main window's File menu: a passing workbook
// imported, completed and computed; a refused one with its log, a vehicle above its first-year
// limit among them; the path tests; a failure that
// leaves nothing imported; the log shown in the rich-text window; and a named pipe chosen as the
// workbook or the log refused at once.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ImportCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void aPassingWorkbookIsImportedCompletedAndComputed();
    void anXlsWorkbookIsImportedToo();
    void aRefusedWorkbookLeavesItsLogAndNoAsset();
    void aVehicleAboveItsFirstYearLimitIsRefusedInTheLog();
    void anEmptySheetSaysNoDataFound();
    void aCancelledDialogIsBlank();
    void aWrongExtensionAsksAgain();
    void aFailingProcessingLeavesNoImportedAsset();
    void aWorkbookThatCannotBeReadIsReported();
    void theImportLogItemShowsTheChosenLog();
    void aNamedPipeIsRefusedAtOnce_data();
    void aNamedPipeIsRefusedAtOnce();
};

} // namespace qel::test
