// frmBookDeprRange "Book Depreciation for a Range": the modal window that posts monthly book
// depreciation for every fiscal period from a start period to an end period, each typed as
// YYYY-MM. When the current company has a next period to post, the start is that period and
// cannot be changed.
//
// OK checks both periods (messages in red on the main window's status line; the window stays
// open), asks "Calculate Book Depreciation <first period>?", then posts the periods one after
// another, showing "period n of N" while it runs. All posted: "Book Depreciation calculated
// successfully." and the window closes. A period that fails stops the run: the error box gives
// the cause and which periods were posted, and the window stays open with the start moved to
// the company's new next period.
#pragma once

#include <QDialog>

class QGroupBox;
class QLabel;
class QLineEdit;
class QProgressDialog;
class QPushButton;

namespace qel {

class FrmBookDeprRange : public QDialog {
    Q_OBJECT
public:
    explicit FrmBookDeprRange(QWidget* parent = nullptr);
    ~FrmBookDeprRange() override;

    void cmdOk_Click();

    QGroupBox* Frame1;
    QLabel* Label1;
    QLineEdit* mskStart;
    QLabel* Label2;
    QLineEdit* mskEnd;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    // The progress window of the last run; nullptr before the first.
    QProgressDialog* progress() const { return progress_; }

private:
    // Puts the company's next period into the start box, which is then fixed; with none, both
    // boxes stay empty and open.
    void loadStart();

    QProgressDialog* progress_ = nullptr;
};

} // namespace qel
