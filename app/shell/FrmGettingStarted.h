// frmGettingStarted: the "Getting Started" window: fourteen numbered tips for a new user and the
// switch "Show on start up." that edits StartUp_Help of tblDefaults. It is modeless, so it can
// stay open beside the main window while the user works; it closes with the main window.
#pragma once

#include <QDialog>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;

namespace qel {

class FrmGettingStarted : public QDialog {
    Q_OBJECT
public:
    explicit FrmGettingStarted(QWidget* parent = nullptr);

    // Every way of closing: when the switch was changed while the window was open (its load
    // step included), stores it in tblDefaults.
    void done(int result) override;

    QFrame* Frame1;
    // The tips in the order shown, top to bottom: Label13, Label1, Label9, Label10, Label11,
    // Label12, Label7, Label15, Label3, Label5, Label2, Label14, Label4, Label6.
    std::array<QLabel*, 14> tips{};
    QCheckBox* chkShow;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool StartUpHelpChanged = false;
    bool closed_ = false;
};

} // namespace qel
