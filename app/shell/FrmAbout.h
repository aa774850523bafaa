// frmAbout: the About box of the Help menu, shown modally: the application title and version,
// the maker's web site and support mail address as links, a legal notice, and a button that
// starts the system's information tool.
#pragma once

#include <QDialog>

class QFrame;
class QLabel;
class QPushButton;

namespace qel {

class FrmAbout : public QDialog {
    Q_OBJECT
public:
    explicit FrmAbout(QWidget* parent = nullptr);

    // Clicking the links.
    void lblWebLink_Click();
    void lblEmail_Click();

    // Starts the first system information program found on the search path (KDE's Info Center
    // or HardInfo) in its own window; the box stays open. When there is none, or it does not
    // start, says "System Information Is Unavailable At This Time".
    void StartSysInfo();

    QFrame* fraAbout;
    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QLabel* lblWebLink;
    QLabel* lblQuestion;
    QLabel* lblEmail;
    QFrame* Frame1;
    QLabel* lblDisclaimer;
    QPushButton* cmdSysInfo;
    QPushButton* cmdOK;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
};

// The programs StartSysInfo looks for, in this order.
inline constexpr const char* kSysInfoPrograms[] = {"kinfocenter", "hardinfo2", "hardinfo"};

} // namespace qel
