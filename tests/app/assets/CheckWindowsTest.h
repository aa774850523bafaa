// The section 179 summary and the mid-quarter test, opened from the asset form's Chk 179 and Chk
// Convention buttons on a fixture company.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class CheckWindowsTest : public QObject {
    Q_OBJECT
private slots:
    void section179Summary_data();
    void section179Summary();
    void section179WithoutLimitsOpensNothing();
    void section179ForTheFormsYear();
    void aYearOutsideItsRangeIsRefused_data();
    void aYearOutsideItsRangeIsRefused();
    void midQuarterVerdict_data();
    void midQuarterVerdict();
    void theProgramGivesTheFormItsChecks();
};

} // namespace qel::test
