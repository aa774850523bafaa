// The bug report window.
#include "app/shell/FrmBugReport.h"

#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/WebAccess.h"

#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QStyle>

namespace qel {

namespace {

using K = ControlKind;

const FormDef& bugReportForm() {
    static const FormDef form = {
        .name = "frmBugReport",
        .caption = "Report a Bug",
        .size = {.width = 4560, .height = 2760},
        .border = Border::FixedTool,
        .tipBackground = true,
        .controls =
            {
                {.name = "Frame1", .kind = K::Panel, .at = {120, 0, 4335, 2655}, .style = kBoxBorder},
                {.name = "Image1", .kind = K::Image, .parent = "Frame1", .at = {120, 240, 600, 600}},
                {.name = "lblMsg",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .at = {840, 240, 3375, 1815},
                 .caption = "Report a bug, or error, make a suggestion, recommendation, or enhancement and "
                            "receive a free update of the program once it is released.",
                 .font = {nullptr, 9.75, true},
                 .foreColor = kMessageGreen,
                 .style = kWordWrap},
                {.name = "Label2",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .at = {1200, 1920, 2175, 375},
                 .caption = "Report it Now!",
                 .font = {"Verdana", 12, true, true},
                 .foreColor = kLinkBlue,
                 .style = kLink},
            },
    };
    return form;
}

} // namespace

FrmBugReport::FrmBugReport(QWidget* parent) : QDialog(parent) {
    const FormControls controls = buildForm(*this, bugReportForm());
    Frame1 = controls.get<QFrame>("Frame1");
    Image1 = controls.get<QLabel>("Image1");
    lblMsg = controls.get<QLabel>("lblMsg");
    Label2 = controls.get<QLabel>("Label2");
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));
    Label2->installEventFilter(this);
    placeBesideMainWindow(*this, 1500, 1500);
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
