// The form builder: controls made from a table.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class FormTableTest : public QObject {
    Q_OBJECT
private slots:
    void eachControlIsMadeAsItsRowSays();
    void aFixedWindowIsWideEnoughForItsTitle_data();
    void aFixedWindowIsWideEnoughForItsTitle();
    void theTabOrderFollowsTheTabIndexes();
    void aLabelNamesItsControlForKeyboardAndScreenReader();
    void aScreenReaderReadsEachControlAsTheUserSeesIt_data();
    void aScreenReaderReadsEachControlAsTheUserSeesIt();
    void aCaptionChangedLaterRenamesItsControl();
    void aWrongNameOrKindFailsLoudly_data();
    void aWrongNameOrKindFailsLoudly();
    void aTableWithAnUnknownContainerIsRefused();
    void stylesShapeTheControls();
    void textBoxesTakeNoControlCharacters_data();
    void textBoxesTakeNoControlCharacters();
};

} // namespace qel::test
