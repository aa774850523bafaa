// The "Getting Started" window.
#include "app/shell/FrmGettingStarted.h"

#include "app/shell/FormParts.h"
#include "app/shell/Startup.h"
#include "app/shell/WindowPosition.h"

#include <QCheckBox>
#include <QEvent>
#include <QFrame>
#include <QVBoxLayout>

namespace qel {
namespace {

struct Tip {
    const char* control;
    const char* text;
};

// The tips, in the order shown.
constexpr Tip kTips[] = {
    {"Label13", "1 - A sample company is included to aide in learning to use Qel Corvan. All reports and "
                "operations are at the company level so there is no need to delete this data."},
    {"Label1", "2- Setup your Company by creating a new Company, by using menu Defaults\\Company."},
    {"Label9", "3 - Set up Accounts for booking depreciation by using the menu Defaults\\Accounts."},
    {"Label10", "4 - Setup physical locations by selecting the Default\\Location menu."},
    {"Label11", "5 - Edit Asset Classes to include the types of assets that you use to make inputting assets "
                "more efficient. Asset Classes are found under the default menu."},
    {"Label12",
     "6 - If working in a prior year, set the default year to aid in inputting assets by selecting "
     "menu Defaults\\Set Default Year."},
    {"Label7", "7 - Books AMT, State, & Other can be enabled/disabled using menu Defaults\\Comapny Maint."},
    {"Label15", "8 - The accumulated depreciation will be calculated for an asset inputted with a in service "
                "date in a prior year."},
    {"Label3", "9 - Select Maintenance\\Miscellaneous 4562 Data, and enter the information related to this "
               "Company."},
    {"Label5", "10 - If needed additional 179 Limits and Maximum Automobile Amounts can be added using the "
               "Maintenance Menu."},
    {"Label2",
     "11 - Use Maintenance\\Assets to enter all current and past assets for this Company, or import "
     "your asset data, using menu File\\Import Assets."},
    {"Label14",
     "12 - Use menu Book\\Do Monthly Depreciation to produce monthly book depreciation. Your initial "
     "period needs to be equal to your earliest in service date."},
    {"Label4",
     "13 - Run the various reports to ensure that all data has been entered correctly. When satisfied "
     "click on Form 4562 under the reports menu, and print your completed tax form. "},
    {"Label6", "14 -Extensive on-line help is available by clicking F1."},
};

} // namespace

FrmGettingStarted::FrmGettingStarted(QWidget* parent) : QDialog(parent) {
    setObjectName("frmGettingStarted");
    setWindowTitle(QStringLiteral("Getting Started"));
    setModal(false);
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixelsX(*this, 7050), twipsToPixelsY(*this, 7905));
    setFormFont(*this);
    setTipBackground(*this);
    setTextColour(*this, kCaptionBlue);

    Frame1 = new QFrame(this);
    Frame1->setObjectName("Frame1");
    Frame1->setFrameShape(QFrame::Box);
    setTwipsGeometry(*Frame1, 120, 0, 6855, 7485);
    auto* layout = new QVBoxLayout(Frame1);
    layout->setContentsMargins(twipsToPixelsX(*this, 240), twipsToPixelsY(*this, 120),
                               twipsToPixelsX(*this, 120), twipsToPixelsY(*this, 120));
    for (std::size_t i = 0; i < tips.size(); ++i) {
        QLabel* tip = makeLabel(Frame1, kTips[i].control, QString::fromUtf8(kTips[i].text));
        tip->setWordWrap(true);
        setFontOf(*tip, QStringLiteral("Verdana"), 8.25, true);
        layout->addWidget(tip);
        tips[i] = tip;
    }
    layout->addStretch(1);

    chkShow = new QCheckBox(QStringLiteral("Show on start up."), this);
    chkShow->setObjectName("chkShow");
    setTwipsGeometry(*chkShow, 120, 7560, 2655, 255);
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
