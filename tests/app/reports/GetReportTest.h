// The report prompts: the year and period answers, the checks that refuse them, the reports
// asked for with a year given, and the road to Form 4562.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class GetReportTest : public QObject {
    Q_OBJECT
private slots:
    void yearAnswers_data();
    void yearAnswers();
    void periodAnswers_data();
    void periodAnswers();
    void thePromptsStandOverTheMainWindow();
    void aBooksReportWithAGivenYearAsksNothing();
    void form4562AsksWhatIsMissingAndShowsItsNotices();
    void aFailureOnTheWayIsShownOnce();
};

} // namespace qel::test
