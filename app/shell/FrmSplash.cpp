// The logon window.
#include "app/shell/FrmSplash.h"

#include "app/shell/AppInfo.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qel {

FrmSplash::FrmSplash(QWidget* parent, LogonCheck check) : QDialog(parent), check_(std::move(check)) {
    setObjectName("frmSplash");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QString());
    setFixedSize(twipsToPixelsX(*this, 3675), twipsToPixelsY(*this, 4050));
    setFormFont(*this);

    // The frame is larger than the window and set off its corner, so that its border does not show.
    fraMainFrame = new QFrame(this);
    fraMainFrame->setObjectName("fraMainFrame");
    setTwipsGeometry(*fraMainFrame, -75, -150, 5655, 4515);
    picLogo = new QFrame(fraMainFrame);
    picLogo->setObjectName("picLogo");
    setTwipsGeometry(*picLogo, 240, 310, 3375, 3720);

    lblApplicationName = makeLabel(picLogo, "lblApplicationName", QStringLiteral("Application Title"));
    setTwipsGeometry(*lblApplicationName, 480, 240, 2490, 1080);
    setFontOf(*lblApplicationName, QStringLiteral("Arial"), 18, true);
    lblApplicationName->setWordWrap(true);
    setTextColour(*lblApplicationName, kCaptionBlue);

    lblVersion = makeLabel(picLogo, "lblVersion", QStringLiteral("version"));
    setTwipsGeometry(*lblVersion, 240, 1380, 2895, 315);
    setFontOf(*lblVersion, QStringLiteral("Arial"), 8.25, true);
    setTextColour(*lblVersion, kCaptionBlue);

    lblLogonName = makeLabel(picLogo, "lblLogonName", QStringLiteral("&User Name:"));
    setTwipsGeometry(*lblLogonName, 120, 2325, 915, 315);
    txtLogin[0] = new QLineEdit(picLogo);
    txtLogin[0]->setObjectName("txtLogin_0");
    setTwipsGeometry(*txtLogin[0], 1080, 2250, 1935, 330);
    setTextColour(*txtLogin[0], kCaptionBlue);
    lblLogonName->setBuddy(txtLogin[0]);

    lblPDW = makeLabel(picLogo, "lblPDW", QStringLiteral("&Password:"));
    setTwipsGeometry(*lblPDW, 120, 2640, 915, 315);
    txtLogin[1] = new QLineEdit(picLogo);
    txtLogin[1]->setObjectName("txtLogin_1");
    txtLogin[1]->setEchoMode(QLineEdit::Password);
    setTwipsGeometry(*txtLogin[1], 1080, 2640, 1935, 330);
    lblPDW->setBuddy(txtLogin[1]);

    cmdLogon[0] = new QPushButton(QStringLiteral("&OK"), picLogo);
    cmdLogon[0]->setObjectName("cmdLogon_0");
    setTwipsGeometry(*cmdLogon[0], 1080, 3120, 915, 315);
    cmdLogon[0]->setDefault(true);
    cmdLogon[1] = new QPushButton(QStringLiteral("&Cancel"), picLogo);
    cmdLogon[1]->setObjectName("cmdLogon_1");
    setTwipsGeometry(*cmdLogon[1], 2160, 3120, 915, 315);

    setTabOrder(txtLogin[0], txtLogin[1]);
    setTabOrder(txtLogin[1], cmdLogon[0]);
    setTabOrder(cmdLogon[0], cmdLogon[1]);
    connect(cmdLogon[0], &QPushButton::clicked, this, [this] { cmdLogon_Click(0); });
    connect(cmdLogon[1], &QPushButton::clicked, this, [this] { cmdLogon_Click(1); });

    load();
}

// The window stays centred where the platform puts a dialog; the user-name box proposes the
// logged-on user.
void FrmSplash::load() {
    lblVersion->setText(versionText());
    lblApplicationName->setText(kAppTitle);
    txtLogin[0]->setText(loggedOnUserName());
}

bool FrmSplash::event(QEvent* e) {
    // With the proposed user name the user types only the password.
    if (e->type() == QEvent::WindowActivate)
        txtLogin[1]->setFocus();
    return QDialog::event(e);
}

void FrmSplash::cmdLogon_Click(int index) {
    if (index != 0) {
        reject();
        return;
    }
    LogonOutcome outcome = LogonOutcome::Invalid;
    runWithErrorBox(QStringLiteral("Error in cmdLogon_Click. "),
                    [&] { outcome = check_.check(txtLogin[0]->text(), txtLogin[1]->text()); });
    switch (outcome) {
    case LogonOutcome::EmptyUser:
        ui().messageBox(QStringLiteral("Please enter the User Name."));
        txtLogin[0]->setFocus();
        return;
    case LogonOutcome::Invalid:
        ui().messageBox(QStringLiteral("Invalid Entry, please, try again!"), MsgButtons::Ok, MsgIcon::None,
                        QStringLiteral("Login"));
        txtLogin[1]->setFocus();
        txtLogin[1]->selectAll();
        return;
    case LogonOutcome::NonAdmin:
        setLimitedLogon(true);
        break;
    case LogonOutcome::Admin:
        break;
    }
    accept();
}

} // namespace qel
