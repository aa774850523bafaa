// The asset form: its set-up, its buttons, "Save Changes?" and NewAsset.
#include "app/assets/FrmAsset.h"

#include "app/assets/AssetFieldRules.h"
#include "app/assets/AssetForm.h"
#include "app/assets/AssetLists.h"
#include "app/assets/AssetPicker.h"
#include "app/assets/BooksPanel.h"
#include "app/assets/rules/AssetAmounts.h"
#include "app/assets/rules/AssetButtons.h"
#include "app/assets/rules/AssetValidation.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/MdiMain.h"
#include "app/shell/PrintingServices.h"
#include "app/shell/ProgramState.h"
#include "app/shell/ReportServices.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "common/Convert.h"
#include "common/NumberCheck.h"
#include "server/engine/CalcDepr.h"
#include "server/support/AssetCodes.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace qel::assets {
namespace {

const QColor kBlack(0, 0, 0);
const QString kTwoBlanks = QStringLiteral("  ");
// A month box: two digits, "/", four digits, "_" where nothing is typed.
const QString kMonthMask = QStringLiteral("99/9999;_");

Date systemToday() {
    const QDate d = QDate::currentDate();
    return Date(d.year(), d.month(), d.day());
}

std::string s(const QString& text) {
    return text.toStdString();
}

std::int32_t chosenItemData(const QComboBox& cbo) {
    return cbo.currentIndex() < 0 ? 0 : itemData(cbo, cbo.currentIndex());
}

// The leading number of a text as a whole number of 32 bits (0 when it has none or does not fit).
std::int32_t wholeNumberOf(const QString& text) {
    const double n = roundHalfEven(leadingNumber(s(text)));
    return n >= std::numeric_limits<std::int32_t>::min() && n <= std::numeric_limits<std::int32_t>::max()
               ? static_cast<std::int32_t>(n)
               : 0;
}

// The position of the life shown: the chosen entry when its text is the one shown, else the first
// entry with that text; -1 for a typed life the list does not hold.
int lifeIndexOf(const QComboBox& cboLife) {
    const QString shown = cboLife.currentText();
    if (cboLife.currentIndex() >= 0 && cboLife.itemText(cboLife.currentIndex()) == shown)
        return cboLife.currentIndex();
    return cboLife.findText(shown, Qt::MatchExactly | Qt::MatchCaseSensitive);
}

} // namespace

FrmAsset::FrmAsset(AssetFormWork work, std::function<Date()> today, QWidget* parent)
    : QWidget(parent), work_(std::move(work)), today_(today ? std::move(today) : systemToday) {
    const FormControls c = buildForm(*this, assetFormDef());
    fraSearch = c.get<QGroupBox>("fraSearch");
    Label14 = c.get<QLabel>("Label14");
    txtYear = c.get<QLineEdit>("txtYear");
    Label1 = c.get<QLabel>("Label1");
    cboAssets = c.get<QComboBox>("cboAssets");
    Label4 = c.get<QLabel>("Label4");
    Label9 = c.get<QLabel>("Label9");
    txtAssetID = c.get<QLineEdit>("txtAssetID");
    cmdSearch = c.get<QPushButton>("cmdSearch");
    pnl3dDepr = c.get<QGroupBox>("pnl3dDepr");
    lblDescription = c.get<QLabel>("lblDescription");
    txtDescription = c.get<QLineEdit>("txtDescription");
    Label8 = c.get<QLabel>("Label8");
    lblAssetId = c.get<QLabel>("lblAssetId");
    lblInService = c.get<QLabel>("lblInService");
    txtInService = c.get<QLineEdit>("txtInService");
    lblTagNbr = c.get<QLabel>("lblTagNbr");
    txtTagNbr = c.get<QLineEdit>("txtTagNbr");
    lblSoldDate = c.get<QLabel>("lblSoldDate");
    mskSold = c.get<QLineEdit>("mskSold");
    lblLocation = c.get<QLabel>("lblLocation");
    cboLocations = c.get<QComboBox>("cboLocations");
    LblSerialNbr = c.get<QLabel>("LblSerialNbr");
    txtSerialNbr = c.get<QLineEdit>("txtSerialNbr");
    lblDispositionAmt = c.get<QLabel>("lblDispositionAmt");
    txtDispositionAmt = c.get<QLineEdit>("txtDispositionAmt");
    lblAccount = c.get<QLabel>("lblAccount");
    cboAccounts = c.get<QComboBox>("cboAccounts");
    Label21 = c.get<QLabel>("Label21");
    txtNotes = c.get<QLineEdit>("txtNotes");
    lblAmortize = c.get<QLabel>("lblAmortize");
    txtAmorizeCode = c.get<QLineEdit>("txtAmorizeCode");
    lblVehicleNum = c.get<QLabel>("lblVehicleNum");
    lblAutoNum = c.get<QLabel>("lblAutoNum");
    Frame4 = c.get<QGroupBox>("Frame4");
    Label5 = c.get<QLabel>("Label5");
    lblCost = c.get<QLabel>("lblCost");
    txtCost = c.get<QLineEdit>("txtCost");
    lblMethod = c.get<QLabel>("lblMethod");
    cboMethod = c.get<QComboBox>("cboMethod");
    Label2 = c.get<QLabel>("Label2");
    lblClass = c.get<QLabel>("lblClass");
    cboClass = c.get<QComboBox>("cboClass");
    lblLife = c.get<QLabel>("lblLife");
    cboLife = c.get<QComboBox>("cboLife");
    lblAutoBusiness = c.get<QLabel>("lblAutoBusiness");
    txtBusinessPercent = c.get<QLineEdit>("txtBusinessPercent");
    Label19 = c.get<QLabel>("Label19");
    cboConvention = c.get<QComboBox>("cboConvention");
    chk179 = c.get<QCheckBox>("chk179");
    txt179Amt = c.get<QLineEdit>("txt179Amt");
    Label6 = c.get<QLabel>("Label6");
    chkBonus = c.get<QCheckBox>("chkBonus");
    chk50Bonus = c.get<QCheckBox>("chk50Bonus");
    chk100Bonus = c.get<QCheckBox>("chk100Bonus");
    lbl30Allowance = c.get<QLabel>("lbl30Allowance");
    Label20 = c.get<QLabel>("Label20");
    txtOtherDeductions = c.get<QLineEdit>("txtOtherDeductions");
    Label11 = c.get<QLabel>("Label11");
    lblCostBasis = c.get<QLabel>("lblCostBasis");
    Label15 = c.get<QLabel>("Label15");
    lblShowMethod = c.get<QLabel>("lblShowMethod");
    Label3 = c.get<QLabel>("Label3");
    txtBookCost = c.get<QLineEdit>("txtBookCost");
    Label12 = c.get<QLabel>("Label12");
    txtBookLife = c.get<QLineEdit>("txtBookLife");
    chkExclude = c.get<QCheckBox>("chkExclude");
    chkAdjDepr = c.get<QCheckBox>("chkAdjDepr");
    lblGainLoss = c.get<QLabel>("lblGainLoss");
    Frame2 = c.get<QGroupBox>("Frame2");
    cboBooks = c.get<QComboBox>("cboBooks");
    cmdDeprSchedule = c.get<QPushButton>("cmdDeprSchedule");
    cmdBookSchedule = c.get<QPushButton>("cmdBookSchedule");
    cmdPrint = c.get<QPushButton>("cmdPrint");
    cmd179 = c.get<QPushButton>("cmd179");
    cmdMidConvention = c.get<QPushButton>("cmdMidConvention");
    cmdDelete = c.get<QPushButton>("cmdDelete");
    cmdCopy = c.get<QPushButton>("cmdCopy");
    cmdNew = c.get<QPushButton>("cmdNew");
    cmdSave = c.get<QPushButton>("cmdSave");
    cmdCancel = c.get<QPushButton>("cmdCancel");
    picker_ = std::make_unique<AssetPicker>(*cboAssets);
    books_ = std::make_unique<BooksPanel>(c);

    txtInService->setInputMask(kMonthMask);
    mskSold->setInputMask(kMonthMask);
    connect(cmdSave, &QPushButton::clicked, this, &FrmAsset::cmdSave_Click);
    connect(cmdNew, &QPushButton::clicked, this, &FrmAsset::cmdNew_Click);
    connect(cmdSearch, &QPushButton::clicked, this, &FrmAsset::cmdSearch_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmAsset::cmdCancel_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &FrmAsset::cmdDelete_Click);
    connect(cmdDeprSchedule, &QPushButton::clicked, this, &FrmAsset::cmdDeprSchedule_Click);
    connect(cmdBookSchedule, &QPushButton::clicked, this, &FrmAsset::cmdBookSchedule_Click);
    connect(cmd179, &QPushButton::clicked, this, &FrmAsset::cmd179_Click);
    connect(cmdMidConvention, &QPushButton::clicked, this, &FrmAsset::cmdMidConvention_Click);
    connect(cmdCopy, &QPushButton::clicked, this, &FrmAsset::cmdCopy_Click);
    connect(cmdPrint, &QPushButton::clicked, this, &FrmAsset::cmdPrint_Click);
    connect(cboBooks, &QComboBox::currentIndexChanged, this, [](int index) {
        if (index >= 0)
            ClearMsgIfShown(QString::fromStdString(kChooseBook));
    });
    // A button whose work is not there stays disabled.
    cmdSearch->setEnabled(static_cast<bool>(work_.Search));
    cmd179->setEnabled(static_cast<bool>(work_.Do179Deduction));
    cmdMidConvention->setEnabled(static_cast<bool>(work_.ShowMidQtrCheck));
    ItializeAssetForm();
    // The first blank form is the one New gives (Adjust Depr ticked, the books' business percent
    // at 100, among the rest), so the first asset typed after opening is saved as every later one
    // is. Blanked before the field rules are wired, as nothing has been edited yet.
    books_->ClearBooksFields();
    NewAsset();
    rules_ = std::make_unique<AssetFieldRules>(*this);
}

FrmAsset::~FrmAsset() = default;

void FrmAsset::ItializeAssetForm() {
    runWithErrorBox(
        QStringLiteral("Error in ItializeAssetForm. "),
        [&] {
            for (QPushButton* b : {cmdDeprSchedule, cmdBookSchedule, cmdPrint, cmdSave})
                b->setEnabled(false);
            txtInService->setText(QString::fromStdString(proposedInService(today_(), GetDefaultYear())));
            PopulateMethodCbo(*cboMethod);
            for (const BookControls& book : books_->columns())
                PopulateMethodCbo(*book.method);
            BooksPanel::PopulateConventionCbo(*cboConvention);
            for (const BookControls& book : books_->columns())
                BooksPanel::PopulateConventionCbo(*book.convention);
            for (const BookControls& book : books_->columns())
                BooksPanel::PopulateBonusCbo(*book.bonus);
            BooksPanel::PopulateBookCbo(*cboBooks, true);
            books_->SetBooksFields(programState().CurrentCompanyId());
            GetAssetList();
            int assetsWidth = 3800;
            SetCboWidth(*cboAssets, *this, assetsWidth);
            int classWidth = 2300;
            SetCboWidth(*cboClass, *this, classWidth);
            PopulateAccountsCbo(*cboAccounts);
            PopulateLocationsCbo(*cboLocations);
            SetAssetEditMode(false);
        },
        kTwoBlanks);
}

void FrmAsset::cmdPrint_Click() {
    PrintingServices* printing = subsystems().printing;
    if (!printing)
        return;
    const AssetSnapshot a = snapshot();
    AssetDetailPage page;
    page.description = a.description;
    page.assetId = a.assetId;
    page.method = a.method;
    page.life = a.life;
    page.amortizeCode = a.amortizeCode;
    page.cost = a.cost;
    page.methodCaption = a.methodCaption;
    page.businessPercent = a.businessPercent;
    page.section179 = a.section179;
    page.otherDeductions = a.otherDeductions;
    page.allowance = a.allowance;
    page.costBasis = a.costBasis;
    page.convention = ConventionIdOf(s(cboConvention->currentText()));
    page.inService = a.inService;
    page.classText = a.classText;
    page.vehicleNum = a.vehicleNum;
    page.notes = a.notes;
    page.tagNbr = a.tagNbr;
    page.serialNbr = a.serialNbr;
    page.location = s(cboLocations->currentText());
    page.sold = a.sold;
    page.dispositionAmt = a.dispositionAmt;
    page.gainLoss = s(lblGainLoss->text());
    printing->PrintAssetDetail(page);
}

AssetSnapshot FrmAsset::snapshot() const {
    AssetSnapshot a;
    a.year = s(txtYear->text());
    a.assetId = s(lblAssetId->text());
    a.description = s(txtDescription->text());
    a.inService = s(txtInService->displayText());
    a.tagNbr = s(txtTagNbr->text());
    a.sold = s(mskSold->displayText());
    a.dispositionAmt = s(txtDispositionAmt->text());
    a.locationId = chosenItemData(*cboLocations);
    a.locationChosen = cboLocations->currentIndex() >= 0;
    a.account = s(cboAccounts->currentText());
    a.accountId = chosenItemData(*cboAccounts);
    a.serialNbr = s(txtSerialNbr->text());
    a.notes = s(txtNotes->text());
    a.amortizeCode = s(txtAmorizeCode->text());
    a.vehicleNum = s(lblAutoNum->text());
    a.cost = s(txtCost->text());
    a.method = s(cboMethod->currentText());
    a.methodId = chosenItemData(*cboMethod);
    a.classText = s(cboClass->currentText());
    a.classId = chosenItemData(*cboClass);
    a.classChosen = cboClass->currentIndex() >= 0;
    a.life = s(cboLife->currentText());
    a.lifeIndex = lifeIndexOf(*cboLife);
    a.businessPercent = s(txtBusinessPercent->text());
    a.conventionId = static_cast<std::int16_t>(chosenItemData(*cboConvention));
    a.type179 = chk179->isChecked();
    a.section179 = s(txt179Amt->text());
    a.bonus30 = chkBonus->isChecked();
    a.bonus50 = chk50Bonus->isChecked();
    a.bonus100 = chk100Bonus->isChecked();
    a.otherDeductions = s(txtOtherDeductions->text());
    a.allowance = s(lbl30Allowance->text());
    a.costBasis = s(lblCostBasis->text());
    a.methodCaption = s(lblShowMethod->text());
    a.bookCost = s(txtBookCost->text());
    a.bookLife = s(txtBookLife->text());
    a.exclude = chkExclude->isChecked();
    a.adjustDepr = chkAdjDepr->isChecked();
    return a;
}

void FrmAsset::switchField(QWidget& field, bool on) {
    field.setEnabled(on);
    QPalette p = field.palette();
    p.setColor(QPalette::Base, on ? QColor(255, 255, 255) : kFieldOff);
    field.setPalette(p);
}

void FrmAsset::CalculateCostBasis() {
    showCostBasis(assets::CalculateCostBasis(snapshot()));
}

void FrmAsset::showCostBasis(const CostBasis& basis) {
    lblCostBasis->setText(QString::fromStdString(basis.caption));
    setTextColour(*lblCostBasis, basis.negative ? QColor(255, 0, 0) : kMessageGreen);
}

void FrmAsset::CalculateBonusAllowance(double rate) {
    lbl30Allowance->setText(
        QString::fromStdString(allowanceCaption(assets::CalculateBonusAllowance(snapshot(), rate))));
}

void FrmAsset::NewAsset() {
    runWithErrorBox(QStringLiteral("Error in NewAsset. "), [&] {
        flags.sold = false;
        for (QWidget* caption : std::initializer_list<QWidget*>{lblDescription, lblCost, lblMethod, lblLife,
                                                                lblInService, lblAutoBusiness, lblVehicleNum,
                                                                chkBonus, chk50Bonus, chk100Bonus})
            setTextColour(*caption, kBlack);
        setTextColour(*txt179Amt, kEntryBlue);
        setTextColour(*lblAccount, kBlack);
        switchField(*cboClass, true);
        switchField(*cboLife, true);
        cboLife->setCurrentIndex(-1);
        cboLife->clearEditText();
        cboMethod->setCurrentIndex(-1);
        cboClass->setCurrentIndex(-1);
        txtCost->clear();
        txtBusinessPercent->setText(QStringLiteral("100"));
        txtDescription->clear();
        txtInService->setText(QString::fromStdString(proposedInService(today_(), GetDefaultYear())));
        txt179Amt->clear();
        mskSold->clear();
        for (QCheckBox* bonus : {chkBonus, chk100Bonus, chk50Bonus})
            bonus->setChecked(false);
        lbl30Allowance->clear();
        lblCostBasis->clear();
        txtOtherDeductions->clear();
        setAssetId(QString());
        txtNotes->clear();
        lblGainLoss->clear();
        txtDispositionAmt->clear();
        txtAmorizeCode->clear();
        lblShowMethod->clear();
        lblAutoNum->clear();
        txtTagNbr->clear();
        txtSerialNbr->clear();
        cboLocations->setCurrentIndex(-1);
        cboConvention->setCurrentIndex(-1);
        cboAssets->setCurrentIndex(-1);
        cboAssets->clearEditText();
        txtAssetID->clear();
        chk179->setChecked(false);
        for (QCheckBox* bonus : {chkBonus, chk50Bonus, chk100Bonus})
            bonus->setEnabled(true);
        for (QPushButton* b : {cmdDeprSchedule, cmdBookSchedule, cmdDelete})
            b->setEnabled(false);
        chkAdjDepr->setChecked(true);
        cboAccounts->setEnabled(true);
        txtBookLife->clear();
        txtBookCost->clear();
        cboAccounts->setCurrentIndex(-1);
        chkExclude->setChecked(false);
        txtDescription->setFocus();
        DisplayMsg(QString(), QString());
    });
}

bool FrmAsset::AskSaveChanges() {
    return assets::AskSaveChanges(
        flags,
        [] {
            switch (ui().messageBox(QStringLiteral("Save Changes?"), MsgButtons::YesNoCancel)) {
            case MsgResult::Yes:
                return SaveAnswer::Yes;
            case MsgResult::No:
                return SaveAnswer::No;
            default:
                return SaveAnswer::Cancel;
            }
        },
        // Without the save the edits cannot be kept: the form stays as it is.
        [this] { return work_.AddorUpdate && work_.AddorUpdate(*this); });
}

bool FrmAsset::ValidateAsset() {
    const QColor red(255, 0, 0);
    for (const char* caption : kValidatedCaptions)
        setTextColour(*findChild<QWidget*>(QString::fromLatin1(caption)), kBlack);
    setTextColour(*txt179Amt, kEntryBlue);
    const ValidationResult r = assets::ValidateAsset(
        snapshot(), {flags, GetDefaultYear(), today_()},
        [](const std::string& title, const std::string& text) {
            return ui().messageBox(QString::fromStdString(text), MsgButtons::OkCancel, MsgIcon::None,
                                   QString::fromStdString(title)) == MsgResult::Ok;
        });
    for (const std::string& caption : r.red)
        setTextColour(*findChild<QWidget*>(QString::fromStdString(caption)), red);
    if (!r.focus.empty())
        findChild<QWidget*>(QString::fromStdString(r.focus))->setFocus();
    if (!r.cancelled)
        DisplayMsg(QString::fromStdString(r.message), kRed);
    return !r.invalid;
}

void FrmAsset::setAssetId(const QString& number) {
    lblAssetId->setText(number);
    // The schedules are report windows, the printout printing's: each needs its subsystem.
    const bool shown = !number.isEmpty() && subsystems().reports != nullptr;
    for (QWidget* w : std::initializer_list<QWidget*>{cmdDeprSchedule, cboBooks, cmdBookSchedule})
        w->setEnabled(shown);
    cmdPrint->setEnabled(!number.isEmpty() && subsystems().printing != nullptr);
}

void FrmAsset::GetAssetList() {
    picker_->GetAssetList(programState().CurrentCompanyId(),
                          static_cast<std::int16_t>(wholeNumberOf(txtYear->text())));
}

void FrmAsset::SetAssetEditMode(bool editMode) {
    flags.editMode = editMode;
}

void FrmAsset::closeEvent(QCloseEvent* event) {
    if (!AskSaveChanges()) {
        event->ignore();
        return;
    }
    DisplayMsg(QString(), QString());
    event->accept();
}

void FrmAsset::cmdSave_Click() {
    if (work_.AddorUpdate && work_.AddorUpdate(*this))
        flags.assetChanged = false;
    if (flags.refreshPicker) {
        GetAssetList();
        flags.refreshPicker = false;
    }
}

void FrmAsset::cmdNew_Click() {
    if (!AskSaveChanges())
        return;
    books_->ClearBooksFields();
    NewAsset();
    SetAssetEditMode(false);
    flags.assetChanged = false;
}

void FrmAsset::cmdSearch_Click() {
    if (!work_.Search || !AskSaveChanges())
        return;
    DisplayMsg(QString(), QString());
    work_.Search(*this);
    cmdSave->setEnabled(true);
    flags.assetChanged = false;
}

void FrmAsset::cmdCancel_Click() {
    if (!work_.DoCancel)
        return;
    work_.DoCancel(*this, wholeNumberOf(lblAssetId->text()));
    flags.assetChanged = false;
}

void FrmAsset::cmdDelete_Click() {
    if (!work_.DeleteAsset)
        return;
    const QString question =
        QStringLiteral("Delete asset ") + lblAssetId->text() +
        QStringLiteral(" and all depreciation for this asset? To keep an audit trail for this "
                       "asset use the disposition option instead of deleting it.");
    if (ui().messageBox(question, MsgButtons::OkCancel, MsgIcon::None, QStringLiteral("Delete Asset."),
                        MsgResult::Cancel) != MsgResult::Ok)
        return;
    work_.DeleteAsset(*this, wholeNumberOf(lblAssetId->text()), programState().CurrentCompanyId());
    flags.assetChanged = false;
}

void FrmAsset::cmdDeprSchedule_Click() {
    ReportServices* reports = subsystems().reports;
    if (!reports)
        return;
    const TaxScheduleRequest r =
        TaxSchedule(!cboBooks->currentText().isEmpty(), chosenItemData(*cboBooks), s(lblCostBasis->text()));
    if (!r.refusal.text.empty()) {
        DisplayMsg(QString::fromStdString(r.refusal.text), QString::fromStdString(r.refusal.colour));
        return;
    }
    std::int16_t book = r.book;
    reports->DoReports(QStringLiteral("Tax Depreciation Schedule"), wholeNumberOf(lblAssetId->text()),
                       txtDescription->text(), book);
}

void FrmAsset::cmdBookSchedule_Click() {
    ReportServices* reports = subsystems().reports;
    if (!reports)
        return;
    // A failure ends the button: a schedule from a guessed date would be wrong.
    runWithErrorBox(
        QStringLiteral("Error in Book Schedule "),
        [&] {
            const BookScheduleRequest r =
                BookSchedule(snapshot(), [] { return GetFiscalEndMth(programState().CurrentCompanyId()); });
            if (!r.refusal.text.empty()) {
                DisplayMsg(QString::fromStdString(r.refusal.text), QString::fromStdString(r.refusal.colour));
                return;
            }
            std::int16_t year = r.year;
            CalcDepr engine;
            engine.CreateSLSchdeule(r.cost, r.life, year, r.inServiceMonth, r.soldYear, r.soldMonth);
            std::int16_t financialBook = 0;
            reports->DoReports(QStringLiteral("Book Depreciation Schedule"),
                               wholeNumberOf(lblAssetId->text()), txtDescription->text(), financialBook);
        },
        kBlank);
}

std::optional<std::int16_t> FrmAsset::askYear(const QString& title) const {
    const QString answer =
        InputBoxOverMain(QStringLiteral("Enter Fiscal Year"), title, QString::number(GetDefaultYear()))
            .trimmed();
    // Cancel: nothing is checked. 0 stands for the year of the form's in-service month; anything
    // but that and a year is refused, quoting what was typed.
    if (answer.isEmpty())
        return std::nullopt;
    if (isPlainNumber(s(answer)) && roundHalfEven(leadingNumber(s(answer))) == 0)
        return std::int16_t{0};
    if (!isPlainNumber(s(answer)) || !numberFits(s(answer), kYearRange)) {
        DisplayMsg(QString::fromStdString(numberRefusal("Year", s(answer), kYearRange)), kRed);
        return std::nullopt;
    }
    return static_cast<std::int16_t>(roundHalfEven(leadingNumber(s(answer))));
}

void FrmAsset::cmd179_Click() {
    if (!work_.Do179Deduction)
        return;
    if (const std::optional<std::int16_t> year = askYear(QStringLiteral("Check 179")))
        work_.Do179Deduction(*this, *year);
}

void FrmAsset::cmdMidConvention_Click() {
    if (!work_.ShowMidQtrCheck)
        return;
    if (const std::optional<std::int16_t> year = askYear(QStringLiteral("Check Convention")))
        work_.ShowMidQtrCheck(*this, *year);
}

void FrmAsset::cmdCopy_Click() {
    // The financial book's life follows the Federal life whatever books the company keeps.
    txtBookLife->setText(cboLife->currentText());
    books_->CopyToBooksFields(snapshot());
    // The copied figures are an edit like any other: "Save Changes?" must guard them.
    rules_->MarkChanged();
}

} // namespace qel::assets
