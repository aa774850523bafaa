// frmTaxReports "Select a Tax Report": a child window of the main window that runs one of six
// reports of an alternative book (AMT, State, Other) for a year. It stays open after OK, so one
// report after another can be run from it; the Tax Reports item brings it forward when it is open.
//
// OK checks that a report, a year and a book are chosen (what is missing goes to the status line;
// nothing runs), then asks the report prompts for "Books " and the report's caption with the
// typed year, which they check, and the chosen book.
#pragma once

#include "app/reports/rules/ReportChoices.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qel::reports {

class FrmTaxReports : public QWidget {
public:
    explicit FrmTaxReports(QWidget* parent = nullptr);

    void cndOk_Click();

    QGroupBox* fraReports;
    std::array<QRadioButton*, kTaxReportOptions> optReports;
    QLabel* lblBook;
    QComboBox* cboBook;
    QLabel* lblYear;
    QLineEdit* txtYear;
    QPushButton* cndOk;
};

} // namespace qel::reports
