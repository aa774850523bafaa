// The asset form's field rules as the user meets them: typing, choosing and leaving fields of the
// form opened from the main window's menu on a fixture database.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AssetFieldRulesTest : public QObject {
    Q_OBJECT
private slots:
    void numberFieldsDropWhatIsNoNumber();
    void amountsEchoOnTheStatusLine();
    void methodSwitchesTheFields_data();
    void methodSwitchesTheFields();
    void classLifeChoosesConventionAndDeductions_data();
    void classLifeChoosesConventionAndDeductions();
    void leavingTheLifeList_data();
    void leavingTheLifeList();
    void passingThroughTheMethod_data();
    void passingThroughTheMethod();
    void businessPercentAtHalfFallsBackToStraightLine_data();
    void businessPercentAtHalfFallsBackToStraightLine();
    void realPropertyTypedInTabOrderStaysStraightLine_data();
    void realPropertyTypedInTabOrderStaysStraightLine();
    void bonusBoxesExcludeEachOther();
    void vehicleClassGetsTheNextNumber();
    void inServiceMonthMustBeAMonth();
    void yearFilterAndAssetNumber();
    void everyEditMarksTheAssetChanged_data();
    void everyEditMarksTheAssetChanged();
};

} // namespace qel::test
