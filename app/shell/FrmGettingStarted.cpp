// The "Getting Started" window.
#include "app/shell/FrmGettingStarted.h"

#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/Startup.h"
#include "app/shell/WindowPosition.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QVBoxLayout>

namespace qel {
namespace {

using K = ControlKind;

// The tips, in the order shown; Frame1's layout stacks them, each as high as its text needs.
const FormDef& gettingStartedForm() {
    static const FormDef form = {
        .name = "frmGettingStarted",
        .caption = "Getting Started",
        .size = {.width = 7050, .height = 7905},
        .border = Border::FixedDialog,
        .foreColor = kCaptionBlue,
        .tipBackground = true,
        .controls =
            {
                {.name = "Frame1", .kind = K::Panel, .at = {120, 0, 6855, 7485}, .style = kBoxBorder},
                {.name = "Label13",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption = "1 - A sample company is included to aide in learning to use Qel Corvan. All "
                            "reports and operations are at the company level so there is no need to delete "
                            "this data.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label1",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "2- Setup your Company by creating a new Company, by using menu Defaults\\Company.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label9",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "3 - Set up Accounts for booking depreciation by using the menu Defaults\\Accounts.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label10",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption = "4 - Setup physical locations by selecting the Default\\Location menu.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label11",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "5 - Edit Asset Classes to include the types of assets that you use to make inputting "
                     "assets more efficient. Asset Classes are found under the default menu.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label12",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "6 - If working in a prior year, set the default year to aid in inputting assets by "
                     "selecting menu Defaults\\Set Default Year.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label7",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "7 - Books AMT, State, & Other can be enabled/disabled using menu Defaults\\Comapny "
                     "Maint.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label15",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "8 - The accumulated depreciation will be calculated for an asset inputted with a in "
                     "service date in a prior year.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label3",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "9 - Select Maintenance\\Miscellaneous 4562 Data, and enter the information related to "
                     "this Company.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label5",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "10 - If needed additional 179 Limits and Maximum Automobile Amounts can be added using "
                     "the Maintenance Menu.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label2",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "11 - Use Maintenance\\Assets to enter all current and past assets for this Company, or "
                     "import your asset data, using menu File\\Import Assets.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label14",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "12 - Use menu Book\\Do Monthly Depreciation to produce monthly book depreciation. Your "
                     "initial period needs to be equal to your earliest in service date.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label4",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption =
                     "13 - Run the various reports to ensure that all data has been entered correctly. When "
                     "satisfied click on Form 4562 under the reports menu, and print your completed tax "
                     "form. ",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "Label6",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .caption = "14 -Extensive on-line help is available by clicking F1.",
                 .font = {"Verdana", 8.25, true},
                 .style = kWordWrap},
                {.name = "chkShow",
                 .kind = K::CheckBox,
                 .at = {120, 7560, 2655, 255},
                 .caption = "Show on start up."},
            },
    };
    return form;
}

} // namespace

FrmGettingStarted::FrmGettingStarted(QWidget* parent) : QDialog(parent) {
    const FormControls controls = buildForm(*this, gettingStartedForm());
    setModal(false);
    Frame1 = controls.get<QFrame>("Frame1");
    chkShow = controls.get<QCheckBox>("chkShow");
    auto* layout = new QVBoxLayout(Frame1);
    layout->setContentsMargins(twipsToPixelsX(*this, 240), twipsToPixelsY(*this, 120),
                               twipsToPixelsX(*this, 120), twipsToPixelsY(*this, 120));
    std::size_t next = 0;
    for (const ControlDef& c : gettingStartedForm().controls)
        if (c.kind == ControlKind::Label) {
            tips.at(next) = controls.get<QLabel>(QString::fromLatin1(c.name));
            layout->addWidget(tips[next++]);
        }
    layout->addStretch(1);
    connect(chkShow, &QCheckBox::toggled, this, [this] { StartUpHelpChanged = true; });

    chkShow->setChecked(CheckForStartUpHelp());
    // The window closes with the main window, while the database is still connected.
    if (parent)
        parent->installEventFilter(this);
}

void FrmGettingStarted::done(int result) {
    if (!closed_) {
        closed_ = true;
        if (StartUpHelpChanged)
            SetStartUpHelp(chkShow->isChecked());
    }
    QDialog::done(result);
}

bool FrmGettingStarted::eventFilter(QObject* watched, QEvent* event) {
    if (watched == parent() && event->type() == QEvent::Close && isVisible())
        close();
    return QDialog::eventFilter(watched, event);
}

} // namespace qel
