// The company picker.
#include "app/shell/FrmCompany.h"

#include "app/shell/CompanyPicker.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/MaintenanceServices.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Startup.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"
#include "server/support/CompanyPersist.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

namespace qel {

FrmCompany::FrmCompany(QWidget* parent) : QDialog(parent), picker_(std::make_unique<CompanyPicker>()) {
    setObjectName("frmCompany");
    setWindowTitle(QStringLiteral("Select Company"));
    setWindowFlags(Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(twipsToPixelsX(*this, 3315), twipsToPixelsY(*this, 5595));
    setFormFont(*this);

    fraEdit = new QGroupBox(this);
    fraEdit->setObjectName("fraEdit");
    setTwipsGeometry(*fraEdit, 100, 0, 3100, 945);
    Label2 = makeLabel(fraEdit, "Label2", QStringLiteral("Enter beginning letters to locate Name."));
    setTwipsGeometry(*Label2, 0, 120, 2895, 255);
    txtClientList = new QLineEdit(fraEdit);
    txtClientList->setObjectName("txtClientList");
    setTwipsGeometry(*txtClientList, 160, 450, 2745, 315);
    setFontOf(*txtClientList, QStringLiteral("Verdana"), 9, true);
    setTextColour(*txtClientList, kCaptionBlue);

    lstPickClient = new QListWidget(this);
    lstPickClient->setObjectName("lstPickClient");
    setTwipsGeometry(*lstPickClient, 105, 1080, 3105, 3180);
    setFontOf(*lstPickClient, QStringLiteral("Verdana"), 9, false);

    cmdNew = new QPushButton(QStringLiteral("&New "), this);
    cmdNew->setObjectName("cmdNew");
    cmdNew->setToolTip(QStringLiteral("Add a new Company/Client."));
    setTwipsGeometry(*cmdNew, 120, 4400, 900, 375);
    cmdOK = new QPushButton(QStringLiteral("&OK"), this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    setTwipsGeometry(*cmdOK, 1200, 4400, 900, 375);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName("cmdCancel");
    setTwipsGeometry(*cmdCancel, 2280, 4400, 900, 375);

    lblCompanyId = makeLabel(this, "lblCompanyId", QString());
    setTwipsGeometry(*lblCompanyId, 120, 4920, 3015, 255);
    setFontOf(*lblCompanyId, {}, 8.25, true);
    setTextColour(*lblCompanyId, kMessageGreen);

    chkShowOnStart = new QCheckBox(QStringLiteral("Show on start up."), this);
    chkShowOnStart->setObjectName("chkShowOnStart");
    setTwipsGeometry(*chkShowOnStart, 120, 5280, 1575, 255);
    setTextColour(*chkShowOnStart, kCaptionBlue);

    setTabOrder(txtClientList, lstPickClient);
    setTabOrder(lstPickClient, cmdOK);
    setTabOrder(cmdOK, cmdCancel);
    setTabOrder(cmdCancel, cmdNew);
    setTabOrder(cmdNew, chkShowOnStart);

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
