// The About box.
#include "app/shell/FrmAbout.h"

#include "app/shell/AppInfo.h"
#include "app/shell/FormParts.h"
#include "app/shell/UiServices.h"
#include "app/shell/WebAccess.h"
#include "app/shell/WindowPosition.h"

#include <QApplication>
#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>

namespace qel {
namespace {

const QString kDisclaimer = QStringLiteral(
    "Warning: this program is protected by copyright law. Unauthorized copying or distribution of this "
    "program, or of any part of it, may result in severe civil and criminal penalties.");

} // namespace

FrmAbout::FrmAbout(QWidget* parent) : QDialog(parent) {
    setObjectName("frmAbout");
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QString());
    setFixedSize(twipsToPixelsX(*this, 6510), twipsToPixelsY(*this, 3750));
    setFormFont(*this);

    fraAbout = new QFrame(this);
    fraAbout->setObjectName("fraAbout");
    fraAbout->setAutoFillBackground(true);
    QPalette white = fraAbout->palette();
    white.setColor(QPalette::Window, Qt::white);
    fraAbout->setPalette(white);
    setTwipsGeometry(*fraAbout, 160, 120, 6075, 3255);

    picIcon = makeLabel(fraAbout, "picIcon", QString());
    setTwipsGeometry(*picIcon, 240, 360, 480, 480);
    picIcon->setPixmap(style()->standardIcon(QStyle::SP_ComputerIcon).pixmap(32, 32));

    lblTitle = makeLabel(fraAbout, "lblTitle", QStringLiteral("Application Title"));
    setTwipsGeometry(*lblTitle, 1000, 360, 3885, 360);
    setFontOf(*lblTitle, {}, 13.5, true);
    setTextColour(*lblTitle, kCaptionBlue);

    lblVersion = makeLabel(fraAbout, "lblVersion", QStringLiteral("Version"));
    setTwipsGeometry(*lblVersion, 1000, 840, 3885, 225);
    setTextColour(*lblVersion, kCaptionBlue);

    lblDescription = makeLabel(fraAbout, "lblDescription", QStringLiteral("Website:"));
    setTwipsGeometry(*lblDescription, 2040, 1560, 1005, 225);
    setTextColour(*lblDescription, kCaptionBlue);

    lblWebLink = makeLabel(fraAbout, "lblWebLink", kWebSite);
    setTwipsGeometry(*lblWebLink, 3000, 1560, 2535, 255);
    setFontOf(*lblWebLink, QStringLiteral("Tahoma"), 8.25, true, true);
    setTextColour(*lblWebLink, kLinkBlue);

    lblQuestion = makeLabel(fraAbout, "lblQuestion", QStringLiteral("Questions:"));
    setTwipsGeometry(*lblQuestion, 2040, 1800, 975, 255);
    setTextColour(*lblQuestion, kCaptionBlue);

    lblEmail = makeLabel(fraAbout, "lblEmail", kSupportMail);
    setTwipsGeometry(*lblEmail, 3000, 1800, 2655, 255);
    setFontOf(*lblEmail, {}, 8.25, true, true);
    setTextColour(*lblEmail, kLinkBlue);

    for (QLabel* link : {lblWebLink, lblEmail}) {
        link->setCursor(Qt::PointingHandCursor);
        link->installEventFilter(this);
    }

    Frame1 = new QFrame(fraAbout);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::HLine);
    setTwipsGeometry(*Frame1, 300, 2040, 5415, 135);

    lblDisclaimer = makeLabel(fraAbout, "lblDisclaimer", kDisclaimer);
    setTwipsGeometry(*lblDisclaimer, 360, 2280, 3870, 825);
    lblDisclaimer->setWordWrap(true);
    setTextColour(*lblDisclaimer, kCaptionBlue);

    cmdSysInfo = new QPushButton(QStringLiteral("&System Info..."), fraAbout);
    cmdSysInfo->setObjectName("cmdSysInfo");
    setTwipsGeometry(*cmdSysInfo, 4440, 2280, 1245, 345);
    cmdSysInfo->setDefault(true);
    connect(cmdSysInfo, &QPushButton::clicked, this, &FrmAbout::StartSysInfo);

    cmdOK = new QPushButton(QStringLiteral("&Cancel"), fraAbout);
    cmdOK->setObjectName("cmdOK");
    setTwipsGeometry(*cmdOK, 4440, 2760, 1260, 345);
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::reject);
    setTabOrder(cmdSysInfo, cmdOK);

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
