// The About box.
#include "app/shell/FrmAbout.h"

#include "app/shell/AppInfo.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/UiServices.h"
#include "app/shell/WebAccess.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>

namespace qel {
namespace {

using K = ControlKind;

const FormDef& aboutForm() {
    static const FormDef form = {
        .name = "frmAbout",
        .caption = "",
        .size = {.width = 6510, .height = 3750},
        .border = Border::FixedDialog,
        .controls =
            {
                {.name = "fraAbout", .kind = K::Panel, .at = {160, 120, 6075, 3255}, .backColor = Qt::white},
                {.name = "picIcon", .kind = K::Image, .parent = "fraAbout", .at = {240, 360, 480, 480}},
                {.name = "lblTitle",
                 .kind = K::Label,
                 .parent = "fraAbout",
                 .at = {1000, 360, 3885, 360},
                 .caption = "Application Title",
                 .font = {nullptr, 13.5, true},
                 .foreColor = kCaptionBlue},
                {.name = "lblVersion",
                 .kind = K::Label,
                 .parent = "fraAbout",
                 .at = {1000, 840, 3885, 225},
                 .caption = "Version",
                 .foreColor = kCaptionBlue},
                {.name = "lblDescription",
                 .kind = K::Label,
                 .parent = "fraAbout",
                 .at = {2040, 1560, 1005, 225},
                 .caption = "Website:",
                 .foreColor = kCaptionBlue},
                {.name = "lblWebLink",
                 .kind = K::Label,
                 .parent = "fraAbout",
                 .at = {3000, 1560, 2535, 255},
                 .font = {"Tahoma", 8.25, true, true},
                 .foreColor = kLinkBlue,
                 .style = kLink},
                {.name = "lblQuestion",
                 .kind = K::Label,
                 .parent = "fraAbout",
                 .at = {2040, 1800, 975, 255},
                 .caption = "Questions:",
                 .foreColor = kCaptionBlue},
                {.name = "lblEmail",
                 .kind = K::Label,
                 .parent = "fraAbout",
                 .at = {3000, 1800, 2655, 255},
                 .font = {nullptr, 8.25, true, true},
                 .foreColor = kLinkBlue,
                 .style = kLink},
                {.name = "Frame1",
                 .kind = K::Panel,
                 .parent = "fraAbout",
                 .at = {300, 2040, 5415, 135},
                 .style = kHorizontalLine},
                {.name = "lblDisclaimer",
                 .kind = K::Label,
                 .parent = "fraAbout",
                 .at = {360, 2280, 3870, 825},
                 .caption = "Warning: this program is protected by copyright law. Unauthorized copying or "
                            "distribution of this program, or of any part of it, may result in severe civil "
                            "and criminal penalties.",
                 .foreColor = kCaptionBlue,
                 .style = kWordWrap},
                {.name = "cmdSysInfo",
                 .kind = K::CommandButton,
                 .parent = "fraAbout",
                 .at = {4440, 2280, 1245, 345},
                 .caption = "&System Info...",
                 .tabIndex = 0,
                 .style = kDefaultButton},
                {.name = "cmdOK",
                 .kind = K::CommandButton,
                 .parent = "fraAbout",
                 .at = {4440, 2760, 1260, 345},
                 .caption = "&Cancel",
                 .tabIndex = 1},
            },
    };
    return form;
}

} // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    const FormControls controls = buildForm(*this, aboutForm());
    fraAbout = controls.get<QFrame>("fraAbout");
    picIcon = controls.get<QLabel>("picIcon");
    lblTitle = controls.get<QLabel>("lblTitle");
    lblVersion = controls.get<QLabel>("lblVersion");
    lblDescription = controls.get<QLabel>("lblDescription");
    lblWebLink = controls.get<QLabel>("lblWebLink");
    lblQuestion = controls.get<QLabel>("lblQuestion");
    lblEmail = controls.get<QLabel>("lblEmail");
    Frame1 = controls.get<QFrame>("Frame1");
    lblDisclaimer = controls.get<QLabel>("lblDisclaimer");
    cmdSysInfo = controls.get<QPushButton>("cmdSysInfo");
    cmdOK = controls.get<QPushButton>("cmdOK");

    picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));
    lblWebLink->setText(kWebSite);
    lblEmail->setText(kSupportMail);
    for (QLabel* link : {lblWebLink, lblEmail})
        link->installEventFilter(this);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::StartSysInfo);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::reject);

    lblVersion->setText(versionText());
    lblTitle->setText(kAppTitle);
    placeBesideMainWindow(*this, 1500, 1500);
}

void FrmAbout::lblWebLink_Click() {
    WebLink(kWebSite);
}

void FrmAbout::lblEmail_Click() {
    EmailLink(kSupportMail);
}

void FrmAbout::StartSysInfo() {
    for (const char* name : kSysInfoPrograms) {
        const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
        if (!path.isEmpty() && QProcess::startDetached(path, {}))
            return;
    }
    ui().messageBox(QStringLiteral("System Information Is Unavailable At This Time"));
}

bool FrmAbout::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == lblWebLink) {
            lblWebLink_Click();
            return true;
        }
        if (watched == lblEmail) {
            lblEmail_Click();
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAbout::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    // The frame stays in the middle of the box.
    fraAbout->move((width() - fraAbout->width()) / 2, (height() - fraAbout->height()) / 2);
}

} // namespace qel
