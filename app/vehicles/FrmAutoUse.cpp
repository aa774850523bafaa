// The vehicle use window.
#include "app/vehicles/FrmAutoUse.h"

#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/TextRoutines.h"
#include "app/shell/UiServices.h"
#include "app/vehicles/AnswerPair.h"
#include "app/vehicles/AutoForms.h"
#include "app/vehicles/ModAutoUse.h"
#include "app/vehicles/rules/VehicleData.h"
#include "common/Convert.h"
#include "common/ServerError.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include <algorithm>

namespace qel {
namespace {

const QColor kBlack(0, 0, 0);
const QColor kRedLabel(255, 0, 0);
// The background of the mileage boxes of a column without a vehicle (&HE0E0E0).
const QColor kNoVehicleGrey(0xE0, 0xE0, 0xE0);
constexpr int kMileageLength = 7;

void setLabelRed(QLabel* label, bool red) {
    setTextColour(*label, red ? kRedLabel : kBlack);
}

void setBoxBackground(QLineEdit* box, const std::optional<QColor>& colour) {
    QPalette p = box->palette();
    const QPalette standard = QApplication::palette(box);
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled})
        p.setColor(group, QPalette::Base, colour.value_or(standard.color(group, QPalette::Base)));
    box->setPalette(p);
}

std::int32_t companyId() {
    return programState().CurrentCompanyId();
}

} // namespace

FrmAutoUse::FrmAutoUse(std::int16_t year, QWidget* parent) : QDialog(parent), year_(year) {
    const FormControls c = buildForm(*this, autoUseForm());
    lblTitle = c.get<QLabel>("lblTitle");
    lblAutoDesc = c.get<QLabel>("lblAutoDesc");
    lblDescription = c.get<QLabel>("lblDescription");
    fraUse = c.get<QGroupBox>("fraUse");
    lblBusiness1 = c.get<QLabel>("lblBusiness1");
    lblBusiness2 = c.get<QLabel>("lblBusiness2");
    lblBusiness3 = c.get<QLabel>("lblBusiness3");
    lblCommute = c.get<QLabel>("lblCommute");
    lblPersonal = c.get<QLabel>("lblPersonal");
    lblTotalMiles = c.get<QLabel>("lblTotalMiles");
    lblOffDuty = c.get<QLabel>("lblOffDuty");
    lbl5Owner = c.get<QLabel>("lbl5Owner");
    lblAnother = c.get<QLabel>("lblAnother");
    lblRemove = c.get<QLabel>("lblRemove");
    txtAutoNum = c.get<QLineEdit>("txtAutoNum");
    cmdDelete = c.get<QPushButton>("cmdDelete");
    cmdSave = c.get<QPushButton>("cmdSave");
    cmdCancel = c.get<QPushButton>("cmdCancel");
    const auto pair = [&](const char* base, int n) {
        const QString name = columnControl(base, n);
        return AnswerPair{c.get<QRadioButton>(pairButton(name, 0)), c.get<QRadioButton>(pairButton(name, 1))};
    };
    for (int n = 1; n <= kVehicleColumns; ++n) {
        const int i = n - 1;
        lblVehicle[i] = c.get<QLabel>(columnControl("lblVehicle", n));
        txtBusiness[i] = c.get<QLineEdit>(columnControl("txtBusiness", n));
        txtCommuting[i] = c.get<QLineEdit>(columnControl("txtCommuting", n));
        txtPersonal[i] = c.get<QLineEdit>(columnControl("txtPersonal", n));
        lblTotal[i] = c.get<QLabel>(columnControl("lblTotal", n));
        OptOffDuty[i] = pair("OptOffDuty", n);
        Opt5Owner[i] = pair("Opt5Owner", n);
        optAnother[i] = pair("optAnother", n);

        lblTotal[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        for (QLineEdit* box : {txtBusiness[i], txtCommuting[i], txtPersonal[i]}) {
            box->setMaxLength(kMileageLength);
            box->setAlignment(Qt::AlignRight);
            box->installEventFilter(this);
            selectAllOnFocus(*box);
            // Every change the user makes counts: typed digits, deletions and pasted text.
            connect(box, &QLineEdit::textEdited, this, [this, n] { markChanged(n); });
        }
        for (const AnswerPair* answers : {&OptOffDuty[i], &Opt5Owner[i], &optAnother[i]})
            for (QRadioButton* button : *answers)
                connect(button, &QRadioButton::clicked, this, [this, n] { markChanged(n); });
    }
    txtAutoNum->setAlignment(Qt::AlignRight);
    txtAutoNum->installEventFilter(this);
    selectAllOnFocus(*txtAutoNum);

    connect(cmdSave, &QPushButton::clicked, this, &FrmAutoUse::cmdSave_Click);
    connect(cmdDelete, &QPushButton::clicked, this, &FrmAutoUse::cmdDelete_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmAutoUse::reject);

    placeBesideMainWindow(*this, 800, 800);
    load();
}

FrmAutoUse::~FrmAutoUse() = default;

void FrmAutoUse::load() {
    cancelled_ = false;
    lblAutoDesc->setText(QStringLiteral("Vehicle Description:"));
    lblDescription->clear();
    txtAutoNum->clear();
    setLabelRed(lblRemove, false);
    for (int i = 0; i < kVehicleColumns; ++i) {
        for (QLineEdit* box : {txtBusiness[i], txtCommuting[i], txtPersonal[i]})
            box->clear();
        lblTotal[i]->clear();
        for (const AnswerPair* answers : {&OptOffDuty[i], &Opt5Owner[i], &optAnother[i]})
            clearAnswer(*answers);
    }
    PopulateVehicleDesc();
    GetAutoUse();
    // A fresh window holds no edits, whatever an earlier opening left.
    changed_ = {};
    formDirty_ = false;
}

void FrmAutoUse::PopulateVehicleDesc() {
    if (!runWithSourcedErrorBox(QStringLiteral("Error in PopulateVehicleDesc. "),
                                [this] { vehicles_ = loadVehicleColumns(companyId(), year_); }))
        vehicles_ = VehicleTable{};
    for (int n = 1; n <= kVehicleColumns; ++n)
        DisableVehicleInput(n, !vehicles_[n - 1].enabled);
}

void FrmAutoUse::DisableVehicleInput(int column, bool disabled) {
    const int i = column - 1;
    for (QLineEdit* box : {txtBusiness[i], txtCommuting[i], txtPersonal[i]}) {
        setBoxBackground(box, disabled ? std::optional(kNoVehicleGrey) : std::nullopt);
        box->setEnabled(!disabled);
    }
    for (const AnswerPair* answers : {&OptOffDuty[i], &Opt5Owner[i], &optAnother[i]})
        for (QRadioButton* button : *answers)
            button->setEnabled(!disabled);
}

void FrmAutoUse::GetAutoUse() {
    lblTitle->setText(QStringLiteral("Data for ") + programState().CurrentCompanyName() +
                      QStringLiteral(" for year ") + QString::number(year_));
    runWithSourcedErrorBox(QStringLiteral("Error in GetAutoUse. "), [this] {
        const std::vector<StoredUse> rows = loadStoredUse(companyId(), year_);
        std::vector<std::int32_t> numbers;
        for (const StoredUse& row : rows)
            numbers.push_back(row.vehicleNumber);
        const std::vector<std::optional<int>> columns = columnsOfStoredRows(vehicles_, numbers);
        for (std::size_t r = 0; r < rows.size(); ++r) {
            if (!columns[r])
                continue;
            const StoredUse& row = rows[r];
            // A mileage without a value stops the loading; the columns loaded so far stay.
            if (!row.business || !row.commuting || !row.personal)
                throw ServerError(kErrInvalidUseOfNull, "modAutoUse",
                                  "Invalid use of Null: vehicle " + std::to_string(row.vehicleNumber) +
                                      " has a stored use without its miles",
                                  ErrorKind::Conversion);
            const int i = *columns[r] - 1;
            txtBusiness[i]->setText(QString::fromStdString(*row.business));
            txtCommuting[i]->setText(QString::fromStdString(*row.commuting));
            txtPersonal[i]->setText(QString::fromStdString(*row.personal));
            setAnswer(OptOffDuty[i], row.offDuty);
            setAnswer(Opt5Owner[i], row.fiveOwner);
            setAnswer(optAnother[i], row.another);
            changed_[i] = false;
            ShowTotal(i + 1);
        }
    });
}

void FrmAutoUse::ShowTotal(int column) {
    const int i = column - 1;
    runWithSourcedErrorBox(QStringLiteral("Error in ShowTotal%1. ").arg(column), [&] {
        if (const std::optional<std::string> caption =
                totalCaption(txtBusiness[i]->text().toStdString(), txtCommuting[i]->text().toStdString(),
                             txtPersonal[i]->text().toStdString()))
            lblTotal[i]->setText(QString::fromStdString(*caption));
    });
}

void FrmAutoUse::focusVehicle(std::int32_t vehicleNumber) {
    const std::optional<int> column = columnOfVehicle(vehicles_, vehicleNumber);
    focusColumn_ = column && txtBusiness[*column - 1]->isEnabled() ? column : std::nullopt;
}

void FrmAutoUse::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (focusColumn_)
        txtBusiness[*focusColumn_ - 1]->setFocus();
    focusColumn_.reset();
}

int FrmAutoUse::columnOf(const QObject* box) const {
    for (int i = 0; i < kVehicleColumns; ++i)
        if (box == txtBusiness[i] || box == txtCommuting[i] || box == txtPersonal[i])
            return i + 1;
    return 0;
}

bool FrmAutoUse::eventFilter(QObject* watched, QEvent* event) {
    const int column = columnOf(watched);
    if (column == 0 && watched != txtAutoNum)
        return QDialog::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::KeyPress: {
        const auto* key = static_cast<QKeyEvent*>(event);
        // A key with Ctrl, Alt or Meta is a command (paste, select all), not a typed character.
        const bool command = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        const QList<uint> typed = key->text().toUcs4();
        if (!command && !typed.isEmpty() && !mileageKeyAccepted(typed.front())) {
            ui().beep();
            return true;
        }
        break;
    }
    case QEvent::KeyRelease:
        if (column > 0)
            DisplayMsg(
                QString::fromStdString(mileageEcho(static_cast<QLineEdit*>(watched)->text().toStdString())),
                kBlue);
        break;
    case QEvent::FocusIn:
        if (column > 0 && watched == txtBusiness[column - 1]) {
            lblAutoDesc->setText(QStringLiteral("Vehicle %1 Description").arg(column));
            lblDescription->setText(QString::fromStdString(vehicles_[column - 1].description));
        }
        break;
    case QEvent::FocusOut:
        if (column > 0)
            ShowTotal(column);
        break;
    default:
        break;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmAutoUse::markChanged(int column) {
    changed_[column - 1] = true;
    formDirty_ = true;
}

UseEntries FrmAutoUse::entries() const {
    UseEntries out;
    for (int i = 0; i < kVehicleColumns; ++i)
        out[i] = {changed_[i],
                  txtBusiness[i]->text().toStdString(),
                  txtCommuting[i]->text().toStdString(),
                  txtPersonal[i]->text().toStdString(),
                  {answerOf(OptOffDuty[i]), answerOf(Opt5Owner[i]), answerOf(optAnother[i])}};
    return out;
}

bool FrmAutoUse::ValidateAuto() {
    DisplayMsg(QString());
    const std::array<QLabel*, kUseCaptions> captions = {lblBusiness1, lblCommute, lblPersonal,
                                                        lblOffDuty,   lbl5Owner,  lblAnother};
    const UseCheck check = checkUseEntries(entries());
    for (int c = 0; c < kUseCaptions; ++c)
        setLabelRed(captions[c], check.redCaptions[c]);
    // The business caption is three labels.
    setLabelRed(lblBusiness2, check.redCaptions[0]);
    setLabelRed(lblBusiness3, check.redCaptions[0]);
    for (int i = 0; i < kVehicleColumns; ++i)
        setLabelRed(lblVehicle[i], check.redColumns[i]);
    if (check.focus) {
        const int i = check.focus->first - 1;
        const std::array<QLineEdit*, 3> boxes = {txtBusiness[i], txtCommuting[i], txtPersonal[i]};
        boxes[static_cast<int>(check.focus->second)]->setFocus();
    }
    if (!check.ok)
        DisplayMsg(QString::fromStdString(check.message), kRed);
    return check.ok;
}

bool FrmAutoUse::AddAutoUse() {
    DisplayMsg(QString());
    if (!ValidateAuto())
        return false;
    if (std::find(changed_.begin(), changed_.end(), true) == changed_.end()) {
        DisplayMsg(QStringLiteral("There is nothing to save."));
        return false;
    }
    std::vector<int> stored;
    if (!runWithErrorBox(
            QStringLiteral("Error in AddAutoUse. "),
            [&] { stored = storeUseColumns(companyId(), year_, vehicles_, entries()); }, kBlank))
        return false;
    for (const int column : stored)
        changed_[column - 1] = false;
    DisplayMsg(QStringLiteral(" Vehicle Data has been updated. "));
    return true;
}

void FrmAutoUse::cmdSave_Click() {
    ui().messageBox(
        QStringLiteral("Please, recalculate the deprecation for the updated autos by retrieving the "
                       "asset(s) in The Asset Maintenance form and click the apply button. This will "
                       "apply the actual business percent for the year."),
        MsgButtons::Ok, MsgIcon::None, QStringLiteral("Recalculate Auto Depreciation"));
    if (AddAutoUse())
        formDirty_ = false;
}

void FrmAutoUse::cmdDelete_Click() {
    runWithErrorBox(QStringLiteral("Error in cmdDelete_Click. "), [this] {
        DeleteVehicle(Variant(roundHalfEven(leadingNumber(txtAutoNum->text().toStdString()))).toInt32());
    });
}

void FrmAutoUse::DeleteVehicle(std::int32_t column) {
    if (ui().messageBox(QStringLiteral("Do you want to delete Vehicle %1 Use?").arg(column),
                        MsgButtons::YesNo, MsgIcon::None, QStringLiteral("Delete Vehicle Use"),
                        MsgResult::No) != MsgResult::Yes)
        return;
    setLabelRed(lblRemove, false);
    if (column < 1 || column > kVehicleColumns) {
        DisplayMsg(QStringLiteral("Invalid Vehicle Id."), kRed);
        setLabelRed(lblRemove, true);
        txtAutoNum->setFocus();
        return;
    }
    // The window is loaded afresh after the delete: the other columns' edits are saved or
    // dropped first, as the user says.
    if (!SaveChangesOk(formDirty_, [this] { return AddAutoUse(); }))
        return;
    if (!runWithSourcedErrorBox(QStringLiteral("Error in DeleteVehicle. "), [&] {
            deleteVehicleUse(companyId(), year_, vehicles_[column - 1].vehicleNumber);
        }))
        return;
    load();
}

void FrmAutoUse::reject() {
    if (!SaveChangesOk(formDirty_, [this] { return AddAutoUse(); }))
        return;
    cancelled_ = true;
    QDialog::reject();
}

void FrmAutoUse::closeEvent(QCloseEvent* event) {
    if (!SaveChangesOk(formDirty_, [this] { return AddAutoUse(); })) {
        event->ignore();
        return;
    }
    done(QDialog::Rejected);
    event->accept();
}

void FrmAutoUse::done(int result) {
    DisplayMsg(QString(), QString());
    QDialog::done(result);
}

} // namespace qel
