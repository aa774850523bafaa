// The road to Form 4562 from the Federal Reports menu: the user documents folder made and filled
// on first use, the refresh of a year's templates, the checks before the form, the filled form
// opened, and its errors shown.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class Form4562MenuTest : public QObject {
    Q_OBJECT
private slots:
    void firstUseMakesTheFolderWithItsParentsAndFillsIt();
    void anExistingFolderIsFilledAgain();
    void aFolderThatCannotBeFilledIsToldAndTheItemGoesOn();
    void aYearsMissingTemplateIsTakenFromTheProgramsFiles_data();
    void aYearsMissingTemplateIsTakenFromTheProgramsFiles();
    void theChecksCountPerCompanyAndYear_data();
    void theChecksCountPerCompanyAndYear();
    void aFailedCheckIsToldAndCountsAsMissing();
    void theDesktopIsAskedForItsPdfViewer_data();
    void theDesktopIsAskedForItsPdfViewer();
    void whatIsMissingIsAskedBeforeTheForm();
    void theFormIsFilledAndOpened_data();
    void theFormIsFilledAndOpened();
    void theFormsErrorsAreShownAsTheySay_data();
    void theFormsErrorsAreShownAsTheySay();
};

} // namespace qel::test
