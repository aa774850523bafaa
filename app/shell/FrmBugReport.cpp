// The bug report window.
#include "app/shell/FrmBugReport.h"

#include "app/shell/FormParts.h"
#include "app/shell/WebAccess.h"
#include "app/shell/WindowPosition.h"

#include <QEvent>
#include <QFrame>
#include <QMouseEvent>
#include <QStyle>

namespace qel {

FrmBugReport::FrmBugReport(QWidget* parent) : QDialog(parent) {
    setObjectName("frmBugReport");
    setWindowTitle(QStringLiteral("Report a Bug"));
    setWindowFlags(Qt::Tool | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixelsX(*this, 4560), twipsToPixelsY(*this, 2760));
    setFormFont(*this);
    setTipBackground(*this);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::Box);
    setTwipsGeometry(*Frame1, 120, 0, 4335, 2655);

    Image1 = makeLabel(Frame1, "Image1", QString());
    setTwipsGeometry(*Image1, 120, 240, 600, 600);
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    lblMsg = makeLabel(Frame1, "lblMsg", QString());
    setTwipsGeometry(*lblMsg, 840, 240, 3375, 1815);
    lblMsg->setWordWrap(true);
    setFontOf(*lblMsg, {}, 9.75, true);
    setTextColour(*lblMsg, kMessageGreen);

    Label2 = makeLabel(Frame1, "Label2", QStringLiteral("Report it Now!"));
    setTwipsGeometry(*Label2, 1200, 1920, 2175, 375);
    setFontOf(*Label2, QStringLiteral("Verdana"), 12, true, true);
    setTextColour(*Label2, kLinkBlue);
    Label2->setCursor(Qt::PointingHandCursor);
    Label2->installEventFilter(this);

    placeBesideMainWindow(*this, 1500, 1500);
    lblMsg->setText(
        QStringLiteral("Report a bug, or error, make a suggestion, recommendation, or enhancement and ") +
        QStringLiteral("receive a free update of the program once it is released."));
}

void FrmBugReport::Label2_Click() {
    EmailLink(kBugReportMail);
    accept();
}

bool FrmBugReport::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Label2 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Label2_Click();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

} // namespace qel
