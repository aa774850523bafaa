// The asset listing's location choice.
#include "app/reports/FrmLocation.h"

#include "app/reports/rules/ReportChoices.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormTable.h"
#include "app/shell/MdiMain.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"
#include "server/support/DeprSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace qel::reports {
namespace {

using K = ControlKind;

constexpr int kHelpId = 30;

const FormDef& locationForm() {
    static const FormDef form = {
        .name = "frmLocation",
        .caption = "Chose a location",
        .size = {.width = 4560, .height = 1920},
        .border = Border::FixedDialog,
        .helpId = kHelpId,
        .controls =
            {
                {.name = "Label1",
                 .kind = K::Label,
                 .at = {180, 150, 4200, 435},
                 .caption = "All returns every assets, or chose a location to limit the report.",
                 .buddy = "cboLocation",
                 .style = kWordWrap},
                {.name = "cboLocation", .kind = K::ComboBox, .at = {180, 660, 4200, 315}, .tabIndex = 0},
                {.name = "cmdOK",
                 .kind = K::CommandButton,
                 .at = {1080, 1290, 1035, 375},
                 .caption = "&OK",
                 .tabIndex = 1,
                 .style = kDefaultButton},
                {.name = "cmdCancel",
                 .kind = K::CommandButton,
                 .at = {2445, 1290, 1035, 375},
                 .caption = "&Cancel",
                 .tabIndex = 2},
            },
    };
    return form;
}

} // namespace

FrmLocation::FrmLocation(QWidget* parent) : QDialog(parent) {
    const FormControls c = buildForm(*this, locationForm());
    Label1 = c.get<QLabel>("Label1");
    cboLocation = c.get<QComboBox>("cboLocation");
    cmdOK = c.get<QPushButton>("cmdOK");
    cmdCancel = c.get<QPushButton>("cmdCancel");
    connect(cmdOK, &QPushButton::clicked, this, &FrmLocation::cmdOK_Click);
    // Cancel, like Esc, closes the window with nothing chosen.
    connect(cmdCancel, &QPushButton::clicked, this, &FrmLocation::reject);

    if (const MdiMain* main = MdiMain::instance()) {
        const TwipsRect over = windowTwips(*main);
        const TwipsRect own = windowTwips(*this);
        const DialogPlace place =
            locationDialogPlace(over.left, over.top, over.width, over.height, own.width, own.height);
        setWindowLeft(*this, place.left);
        setWindowTop(*this, place.top);
    }

    // The locations by short name, then "All", which is chosen.
    runWithSourcedErrorBox(QStringLiteral("Error in GetLocationsCbo. "), [this] {
        DeprSupport support;
        FillCboBox(support.GetLocationsCbo(), *cboLocation, true, false);
    });
    cboLocation->addItem(QStringLiteral("All"), kAllLocations);
    cboLocation->setCurrentIndex(GetCboIndex(QStringLiteral("All"), *cboLocation));
}

void FrmLocation::cmdOK_Click() {
    locationId_ = itemData(*cboLocation, cboLocation->currentIndex());
    accept();
}

} // namespace qel::reports
