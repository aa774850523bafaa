// The company picker.
#include "app/shell/FrmCompany.h"

#include "app/shell/CompanyPicker.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/MaintenanceServices.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Startup.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "server/support/CompanyPersist.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace qel {

namespace {

using K = ControlKind;

const FormDef& companyForm() {
    static const FormDef form = {
        .name = "frmCompany",
        .caption = "Select Company",
        .size = {.width = 3315, .height = 5595},
        .border = Border::FixedDialog,
        .controls =
            {
                {.name = "fraEdit", .kind = K::GroupBox, .at = {100, 0, 3100, 945}},
                {.name = "Label2",
                 .kind = K::Label,
                 .parent = "fraEdit",
                 .at = {0, 120, 2895, 255},
                 .caption = "Enter beginning letters to locate Name.",
                 .buddy = "txtClientList"},
                {.name = "txtClientList",
                 .kind = K::TextBox,
                 .parent = "fraEdit",
                 .at = {160, 450, 2745, 315},
                 .font = {"Verdana", 9, true},
                 .foreColor = kCaptionBlue,
                 .tabIndex = 0},
                {.name = "lstPickClient",
                 .kind = K::ListBox,
                 .at = {105, 1080, 3105, 3180},
                 .font = {"Verdana", 9},
                 .tabIndex = 1},
                {.name = "cmdNew",
                 .kind = K::CommandButton,
                 .at = {120, 4400, 900, 375},
                 .caption = "&New ",
                 .tip = "Add a new Company/Client.",
                 .tabIndex = 4},
                {.name = "cmdOK",
                 .kind = K::CommandButton,
                 .at = {1200, 4400, 900, 375},
                 .caption = "&OK",
                 .tabIndex = 2,
                 .style = kDefaultButton},
                {.name = "cmdCancel",
                 .kind = K::CommandButton,
                 .at = {2280, 4400, 900, 375},
                 .caption = "&Cancel",
                 .tabIndex = 3},
                {.name = "lblCompanyId",
                 .kind = K::Label,
                 .at = {120, 4920, 3015, 255},
                 .font = {nullptr, 8.25, true},
                 .foreColor = kMessageGreen},
                {.name = "chkShowOnStart",
                 .kind = K::CheckBox,
                 .at = {120, 5280, 1575, 255},
                 .caption = "Show on start up.",
                 .foreColor = kCaptionBlue,
                 .tabIndex = 5},
            },
    };
    return form;
}

} // namespace

FrmCompany::FrmCompany(QWidget* parent) : QDialog(parent), picker_(std::make_unique<CompanyPicker>()) {
    const FormControls controls = buildForm(*this, companyForm());
    fraEdit = controls.get<QGroupBox>("fraEdit");
    Label2 = controls.get<QLabel>("Label2");
    txtClientList = controls.get<QLineEdit>("txtClientList");
    lstPickClient = controls.get<QListWidget>("lstPickClient");
    cmdNew = controls.get<QPushButton>("cmdNew");
    cmdOK = controls.get<QPushButton>("cmdOK");
    cmdCancel = controls.get<QPushButton>("cmdCancel");
    lblCompanyId = controls.get<QLabel>("lblCompanyId");
    chkShowOnStart = controls.get<QCheckBox>("chkShowOnStart");

    // New hands over to company maintenance, which must be there.
    cmdNew->setEnabled(subsystems().maintenance != nullptr);

    connect(txtClientList, &QLineEdit::textChanged, this, &FrmCompany::txtClientList_Change);
    connect(txtClientList, &QLineEdit::returnPressed, this, &FrmCompany::txtClientList_Return);
    connect(lstPickClient, &QListWidget::currentRowChanged, this, &FrmCompany::lstPickClient_Selected);
    connect(lstPickClient, &QListWidget::itemDoubleClicked, this, [this] { cmdOk_Click(); });
    lstPickClient->viewport()->installEventFilter(this);
    connect(cmdOK, &QPushButton::clicked, this, &FrmCompany::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmCompany::reject);
    connect(cmdNew, &QPushButton::clicked, this, &FrmCompany::cmdNew_Click);
    connect(chkShowOnStart, &QCheckBox::toggled, this, [this] { ShowOnStartChanged = true; });

    load();
}

FrmCompany::~FrmCompany() = default;

void FrmCompany::load() {
    placeBesideMainWindow(*this, 3000, 800);
    if (!GetListData()) {
        // Without a list there is nothing to pick: the window closes at once and the program
        // goes on.
        done(QDialog::Rejected);
        return;
    }
    loaded_ = true;
    // CheckForShowCompany reports its own failure and then answers false.
    if (CheckForShowCompany())
        chkShowOnStart->setChecked(true);
}

bool FrmCompany::GetListData() {
    try {
        CompanyPersist companies;
        picker_->load(companies.GetCompanyList());
    } catch (...) {
        showErrorBox(QStringLiteral("Error in GetListData "), kBlank);
        ui().messageBox(QStringLiteral("Can not connect to the database."), MsgButtons::Ok, MsgIcon::Critical,
                        QStringLiteral("Get List Data"));
        return false;
    }
    for (const CompanyRow& row : picker_->rows())
        lstPickClient->addItem(row.name);
    return true;
}

void FrmCompany::txtClientList_Change(const QString& text) {
    runWithErrorBox(
        QStringLiteral("Error in txtClientList "),
        [&] {
            const int row = picker_->typeAhead(text);
            if (row != -1)
                lstPickClient->setCurrentRow(row);
        },
        kBlank);
}

// Enter in the type-ahead box selects the found row again and empties the box; OK follows, as
// Enter anywhere in the window chooses it.
void FrmCompany::txtClientList_Return() {
    if (txtClientList->text().isEmpty())
        return;
    if (picker_->foundIndex() > 0)
        lstPickClient->setCurrentRow(picker_->foundIndex());
    txtClientList->clear();
}

void FrmCompany::lstPickClient_Selected(int row) {
    if (row < 0)
        return;
    runWithErrorBox(
        QStringLiteral("Error in lstPickClient "),
        [&] { lblCompanyId->setText(picker_->companyIdCaption(row)); }, kBlank);
}

bool FrmCompany::eventFilter(QObject* watched, QEvent* event) {
    // Releasing a mouse button over the list empties the type-ahead box.
    if (watched == lstPickClient->viewport() && event->type() == QEvent::MouseButtonRelease)
        txtClientList->clear();
    return QDialog::eventFilter(watched, event);
}

void FrmCompany::cmdOk_Click() {
    const int row = lstPickClient->currentRow();
    if (row < 0) {
        ui().messageBox(QStringLiteral("Please select a company."));
        return;
    }
    const bool chosen = runWithErrorBox(
        QStringLiteral("Error in cmdOk_Click "),
        [&] {
            const std::int32_t id = picker_->companyId(row);
            const QString name = picker_->rows()[static_cast<std::size_t>(row)].name;
            if (MdiMain* main = MdiMain::instance())
                main->setCompanyCaption(name);
            setCurrentCompany(id, name);
        },
        kBlank);
    if (chosen)
        accept();
}

void FrmCompany::cmdNew_Click() {
    reject();
    programState().NewFromCompanyPicker = true;
    if (MaintenanceServices* maintenance = subsystems().maintenance) {
        maintenance->DisplayInterface(QStringLiteral("Companies"));
        maintenance->showMaint();
    }
}

void FrmCompany::done(int result) {
    if (!closed_) {
        closed_ = true;
        if (ShowOnStartChanged)
            SetShowCompany(chkShowOnStart->isChecked());
        programState().NewFromCompanyPicker = false;
    }
    QDialog::done(result);
}

void showCompanyPicker() {
    FrmCompany picker(MdiMain::instance());
    if (picker.loaded())
        ui().execModal(picker);
}

} // namespace qel
