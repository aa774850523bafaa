// The rich-text window as the user reaches it: an import log through the main window's "Import
// Log " item, the asset listing, printing both to PDF files, and the window's layout.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class RichTextWindowTest : public QObject {
    Q_OBJECT
private slots:
    void theImportLogItemShowsTheChosenLog();
    void aSecondLogReplacesTheFirst();
    void aLogThatCannotBeReadIsReported();
    void aLogLongerThanTheBoundShowsItsEnd();
    void theListingShowsTheCompanysAssets();
    void aListingReplacesTheLogAndItsCaption();
    void aLocationWithoutAssetsShowsNoDataFound();
    void printPrintsTheWholeTextInPages();
    void cancelInThePrintDialogPrintsNothing();
    void cancelClosesTheWindow();
    void theWindowOpensAtItsDesignedSize();
    void theBoxAndButtonsFollowTheWindowsSize();
};

} // namespace qel::test
