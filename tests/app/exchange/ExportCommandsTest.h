// The six export commands through the main window's menus: prompts and their tests, the
// workbook path and its tests, and the workbooks written.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ExportCommandsTest : public QObject {
    Q_OBJECT
private slots:
    void eachExportWritesItsWorkbook_data();
    void eachExportWritesItsWorkbook();
    void aYearOutsideItsRangeIsRefused_data();
    void aYearOutsideItsRangeIsRefused();
    void cancelledPromptsOpenNoDialog();
    void refusedPeriods_data();
    void refusedPeriods();
    void aWrongExtensionAsksAgain();
    void aSecondWrongExtensionEnds();
    void aCancelledDialogIsBlank();
    void anExistingWorkbookIsReplacedOnlyWhenTheNewOneIsComplete();
    void noToReplaceAsksForAnotherPathAndTestsItAgain();
    void aFailingExportShowsItsErrorAndNoDataExported();
};

} // namespace qel::test
