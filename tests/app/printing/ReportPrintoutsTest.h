// Every report of the report menus, opened through the real main window on a company of more
// than a hundred assets with long names and amounts in fractions of a cent: its totals add up to
// the amounts shown above them, and its printout lies within the page in its own orientation.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class ReportPrintoutsTest : public QObject {
    Q_OBJECT
private slots:
    void everyReportFootsAndPrintsWithinThePage();
};

} // namespace qel::test
