// The logon window.
#include "app/shell/FrmSplash.h"

#include "app/shell/AppInfo.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qel {

namespace {

using K = ControlKind;

const FormDef& splashForm() {
    static const FormDef form = {
        .name = "frmSplash",
        .caption = "",
        .size = {.width = 3675, .height = 4050},
        .border = Border::FixedDialog,
        .controls =
            {
                // The frame is larger than the window and set off its corner, so that its border
                // does not show.
                {.name = "fraMainFrame", .kind = K::Panel, .at = {-75, -150, 5655, 4515}},
                {.name = "picLogo", .kind = K::Panel, .parent = "fraMainFrame", .at = {240, 310, 3375, 3720}},
                {.name = "lblApplicationName",
                 .kind = K::Label,
                 .parent = "picLogo",
                 .at = {480, 240, 2490, 1080},
                 .caption = "Application Title",
                 .font = {"Arial", 18, true},
                 .foreColor = kCaptionBlue,
                 .style = kWordWrap},
                {.name = "lblVersion",
                 .kind = K::Label,
                 .parent = "picLogo",
                 .at = {240, 1380, 2895, 315},
                 .caption = "version",
                 .font = {"Arial", 8.25, true},
                 .foreColor = kCaptionBlue},
                {.name = "lblLogonName",
                 .kind = K::Label,
                 .parent = "picLogo",
                 .at = {120, 2325, 915, 315},
                 .caption = "&User Name:",
                 .buddy = "txtLogin_0"},
                {.name = "txtLogin_0",
                 .kind = K::TextBox,
                 .parent = "picLogo",
                 .at = {1080, 2250, 1935, 330},
                 .foreColor = kCaptionBlue,
                 .tabIndex = 0},
                {.name = "lblPDW",
                 .kind = K::Label,
                 .parent = "picLogo",
                 .at = {120, 2640, 915, 315},
                 .caption = "&Password:",
                 .buddy = "txtLogin_1"},
                {.name = "txtLogin_1",
                 .kind = K::TextBox,
                 .parent = "picLogo",
                 .at = {1080, 2640, 1935, 330},
                 .tabIndex = 1,
                 .style = kPassword},
                {.name = "cmdLogon_0",
                 .kind = K::CommandButton,
                 .parent = "picLogo",
                 .at = {1080, 3120, 915, 315},
                 .caption = "&OK",
                 .tabIndex = 2,
                 .style = kDefaultButton},
                {.name = "cmdLogon_1",
                 .kind = K::CommandButton,
                 .parent = "picLogo",
                 .at = {2160, 3120, 915, 315},
                 .caption = "&Cancel",
                 .tabIndex = 3},
            },
    };
    return form;
}

} // namespace

FrmSplash::FrmSplash(QWidget* parent, LogonCheck check) : QDialog(parent), check_(std::move(check)) {
    const FormControls controls = buildForm(*this, splashForm());
    fraMainFrame = controls.get<QFrame>("fraMainFrame");
    picLogo = controls.get<QFrame>("picLogo");
    lblApplicationName = controls.get<QLabel>("lblApplicationName");
    lblVersion = controls.get<QLabel>("lblVersion");
    lblLogonName = controls.get<QLabel>("lblLogonName");
    lblPDW = controls.get<QLabel>("lblPDW");
    for (int i : {0, 1}) {
        txtLogin[i] = controls.get<QLineEdit>(QStringLiteral("txtLogin_%1").arg(i));
        cmdLogon[i] = controls.get<QPushButton>(QStringLiteral("cmdLogon_%1").arg(i));
    }

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
