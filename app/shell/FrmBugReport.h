// frmBugReport: "Report a Bug", shown modally from the Help menu: an invitation to report a bug
// or make a suggestion, whose link "Report it Now!" opens a mail to the support address.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;

namespace qel {

class FrmBugReport : public QDialog {
    Q_OBJECT
public:
    explicit FrmBugReport(QWidget* parent = nullptr);

    // "Report it Now!": a new mail to the bug report address, then the window closes (also when
    // no mail program could be opened).
    void Label2_Click();

    QFrame* Frame1;
    QLabel* Image1;
    QLabel* lblMsg;
    QLabel* Label2;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};

} // namespace qel
