// The company picker.
#include "app/shell/FrmCompany.h"

#include "app/shell/CompanyPicker.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/MaintenanceServices.h"
#include "app/shell/MdiMain.h"
#include "app/shell/Startup.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "server/support/CompanyPersist.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>

#include <algorithm>

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
                 .kind = K::ListView,
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
    lstPickClient = controls.get<QListView>("lstPickClient");
    lstPickClient->setModel(&picker_->model());
    lstPickClient->setSelectionMode(QAbstractItemView::SingleSelection);
    lstPickClient->setEditTriggers(QAbstractItemView::NoEditTriggers);
    cmdNew = controls.get<QPushButton>("cmdNew");
    cmdOK = controls.get<QPushButton>("cmdOK");
    cmdCancel = controls.get<QPushButton>("cmdCancel");
    lblCompanyId = controls.get<QLabel>("lblCompanyId");
    chkShowOnStart = controls.get<QCheckBox>("chkShowOnStart");

    // New hands over to company maintenance, which must be there.
    cmdNew->setEnabled(subsystems().maintenance != nullptr);

    connect(txtClientList, &QLineEdit::textChanged, this, &FrmCompany::txtClientList_Change);
    connect(txtClientList, &QLineEdit::returnPressed, this, &FrmCompany::txtClientList_Return);
    connect(lstPickClient->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this](const QModelIndex& current) { lstPickClient_Selected(current.row()); });
    connect(lstPickClient, &QListView::doubleClicked, this, [this] { cmdOk_Click(); });
    lstPickClient->viewport()->installEventFilter(this);
    txtClientList->installEventFilter(this);
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
    const bool loaded = runWithErrorBox(
        QStringLiteral("Error in GetListData "),
        [this] {
            CompanyPersist companies;
            picker_->load(companies.GetCompanyList());
        },
        kBlank);
    if (!loaded) {
        ui().messageBox(QStringLiteral("Can not connect to the database."), MsgButtons::Ok, MsgIcon::Critical,
                        QStringLiteral("Get List Data"));
        return false;
    }
    lstPickClient->setModelColumn(picker_->nameColumn());
    return true;
}

int FrmCompany::selectedRow() const {
    const QModelIndex current = lstPickClient->currentIndex();
    return current.isValid() ? current.row() : -1;
}

void FrmCompany::selectRow(int row) {
    lstPickClient->setCurrentIndex(picker_->model().index(row, picker_->nameColumn()));
}

void FrmCompany::txtClientList_Change(const QString& text) {
    runWithErrorBox(
        QStringLiteral("Error in txtClientList "),
        [&] {
            const int row = picker_->typeAhead(text);
            if (row != -1)
                selectRow(row);
        },
        kBlank);
}

// Enter in the type-ahead box selects the found row again and empties the box; OK follows, as
// Enter anywhere in the window chooses it.
void FrmCompany::txtClientList_Return() {
    if (txtClientList->text().isEmpty())
        return;
    if (picker_->foundIndex() > 0)
        selectRow(picker_->foundIndex());
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
    // The arrow and page keys in the type-ahead box move through the list, so that a company
    // near the one found is chosen without leaving the box.
    if (watched == txtClientList && event->type() == QEvent::KeyPress && picker_->rowCount() > 0) {
        const int rowHeight = std::max(1, lstPickClient->sizeHintForRow(0));
        const int page = std::max(1, lstPickClient->viewport()->height() / rowHeight - 1);
        int step = 0;
        switch (static_cast<QKeyEvent*>(event)->key()) {
        case Qt::Key_Up:
            step = -1;
            break;
        case Qt::Key_Down:
            step = 1;
            break;
        case Qt::Key_PageUp:
            step = -page;
            break;
        case Qt::Key_PageDown:
            step = page;
            break;
        default:
            break;
        }
        if (step != 0) {
            const int from = std::max(selectedRow(), step < 0 ? 0 : -1);
            selectRow(std::clamp(from + step, 0, picker_->rowCount() - 1));
            return true;
        }
    }
    // Releasing a mouse button over the list empties the type-ahead box.
    if (watched == lstPickClient->viewport() && event->type() == QEvent::MouseButtonRelease)
        txtClientList->clear();
    return QDialog::eventFilter(watched, event);
}

void FrmCompany::cmdOk_Click() {
    const int row = selectedRow();
    if (row < 0) {
        ui().messageBox(QStringLiteral("Please select a company."));
        return;
    }
    CompanyChoice chosen{CompanyChoice::Outcome::Chosen, 0, picker_->name(row)};
    // An id that is no number keeps the window open, after the box.
    if (runWithErrorBox(
            QStringLiteral("Error in cmdOk_Click "), [&] { chosen.id = picker_->companyId(row); }, kBlank)) {
        choice_ = chosen;
        accept();
    }
}

void FrmCompany::cmdNew_Click() {
    choice_ = {CompanyChoice::Outcome::NewCompany, 0, QString()};
    reject();
}

void FrmCompany::done(int result) {
    if (!closed_) {
        closed_ = true;
        if (ShowOnStartChanged)
            SetShowCompany(chkShowOnStart->isChecked());
    }
    QDialog::done(result);
}

CompanyChoice showCompanyPicker() {
    FrmCompany picker(MdiMain::instance());
    if (picker.loaded())
        ui().execModal(picker);
    return picker.choice();
}

} // namespace qel
