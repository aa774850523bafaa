// frmSplash: the logon window that the start-up sequence shows modally when password
// protection is on. It shows the application title and version, proposes the logged-on user's
// name and asks for a user name and a password. OK closes it on a valid pair (hiding the
// user-maintenance and "Disable Password" items of the main window for a level other than
// "Admin"); Cancel rejects it, and the program then ends without its shut-down steps.
//
// The control arrays txtLogin and cmdLogon are members indexed 0 (user name, OK) and 1
// (password, Cancel); their objectNames are "txtLogin_0", "txtLogin_1", "cmdLogon_0" and
// "cmdLogon_1".
#pragma once

#include "app/shell/Logon.h"

#include <QDialog>

class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qel {

class FrmSplash : public QDialog {
    Q_OBJECT
public:
    explicit FrmSplash(QWidget* parent = nullptr, LogonCheck check = LogonCheck());

    // 0: OK, 1: Cancel.
    void cmdLogon_Click(int index);

    QFrame* fraMainFrame;
    QFrame* picLogo;
    QLabel* lblApplicationName;
    QLabel* lblVersion;
    QLabel* lblLogonName;
    QLabel* lblPDW;
    QLineEdit* txtLogin[2];
    QPushButton* cmdLogon[2];

protected:
    bool event(QEvent* e) override;

private:
    void load();

    LogonCheck check_;
};

} // namespace qel
