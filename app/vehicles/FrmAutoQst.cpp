// The employer questions window.
#include "app/vehicles/FrmAutoQst.h"

#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "app/vehicles/AutoForms.h"
#include "app/vehicles/ModAutoUse.h"
#include "app/vehicles/rules/VehicleData.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace qel {
namespace {

std::int32_t companyId() {
    return programState().CurrentCompanyId();
}

} // namespace

FrmAutoQst::FrmAutoQst(std::int16_t year, QWidget* parent) : QDialog(parent), year_(year) {
    const FormControls c = buildForm(*this, autoQstForm());
    lblTitle = c.get<QLabel>("lblTitle");
    cmdSave = c.get<QPushButton>("cmdSave");
    cmdCancel = c.get<QPushButton>("cmdCancel");
    cmdDelete = c.get<QPushButton>("cmdDelete");
    for (int q = 0; q < kEmployerQuestions; ++q) {
        const EmployerQuestion& question = kEmployerQuestionTable[q];
        questionLabels[q] = c.get<QLabel>(question.label);
        const QString pair = QString::fromUtf8(question.pair);
        answerPairs[q] = {c.get<QRadioButton>(pairButton(pair, 0)), c.get<QRadioButton>(pairButton(pair, 1))};
        for (QRadioButton* button : answerPairs[q])
            connect(button, &QRadioButton::clicked, this, [this] { formDirty_ = true; });
    }
    connect(cmdSave, &QPushButton::clicked, this, [this] {
        if (AddUpdateAutoQst())
            formDirty_ = false;
    });
    connect(cmdCancel, &QPushButton::clicked, this, &FrmAutoQst::reject);
    connect(cmdDelete, &QPushButton::clicked, this, &FrmAutoQst::DeleteAutoQst);

    placeBesideMainWindow(*this, 1500, 1000);
    GetAutoQst();
    formDirty_ = false;
}

FrmAutoQst::~FrmAutoQst() = default;

void FrmAutoQst::GetAutoQst() {
    lblTitle->setText(QStringLiteral("Data for ") + programState().CurrentCompanyName() +
                      QStringLiteral(" for year ") + QString::number(year_));
    runWithSourcedErrorBox(QStringLiteral("Error in GetAutoQst. "), [this] {
        const std::optional<StoredAnswers> stored = loadEmployerAnswers(companyId(), year_);
        qstExists_ = stored.has_value();
        if (stored)
            for (int q = 0; q < kEmployerQuestions; ++q)
                setAnswer(answerPairs[q], (*stored)[q]);
    });
}

EmployerAnswers FrmAutoQst::answers() const {
    EmployerAnswers out;
    for (int q = 0; q < kEmployerQuestions; ++q)
        out[q] = answerOf(answerPairs[q]);
    return out;
}

bool FrmAutoQst::ValidateAutoQst() {
    DisplayMsg(QString());
    const QstCheck check = checkEmployerAnswers(answers());
    for (int q = 0; q < kEmployerQuestions; ++q)
        setTextColour(*questionLabels[q], check.red[q] ? QColor(255, 0, 0) : QColor(0, 0, 0));
    if (!check.ok)
        DisplayMsg(QString::fromStdString(check.message), kRed);
    return check.ok;
}

bool FrmAutoQst::AddUpdateAutoQst() {
    anyYesStored_ = false;
    DisplayMsg(QString());
    if (!ValidateAutoQst())
        return false;
    StoredAnswers stored{};
    const EmployerAnswers given = answers();
    for (int q = 0; q < kEmployerQuestions; ++q)
        stored[q] = given[q].value_or(false);
    if (!runWithErrorBox(
            QStringLiteral("Error in AddUpdateAutoQst. "),
            [&] { storeEmployerAnswers(companyId(), year_, stored, qstExists_); }, kBlank))
        return false;
    // Only stored answers speak for the vehicles.
    anyYesStored_ = anyYes(stored);
    DisplayMsg(qstExists_ ? QStringLiteral("Record updated.") : QStringLiteral("Record Added."));
    qstExists_ = true;
    return true;
}

void FrmAutoQst::DeleteAutoQst() {
    if (ui().messageBox(QStringLiteral("Do you want to delete this Questionaire?"), MsgButtons::YesNo,
                        MsgIcon::None, QStringLiteral("Delete Questionaire"),
                        MsgResult::No) != MsgResult::Yes)
        return;
    if (!runWithSourcedErrorBox(QStringLiteral("Error in DeleteAutoQst. "),
                                [this] { deleteEmployerAnswers(companyId(), year_); }))
        return;
    qstExists_ = false;
    anyYesStored_ = false;
    for (const AnswerPair& pair : answerPairs)
        clearAnswer(pair);
}

void FrmAutoQst::reject() {
    if (!SaveChangesOk(formDirty_, [this] { return AddUpdateAutoQst(); }))
        return;
    cancelled_ = true;
    QDialog::reject();
}

void FrmAutoQst::closeEvent(QCloseEvent* event) {
    if (!SaveChangesOk(formDirty_, [this] { return AddUpdateAutoQst(); })) {
        event->ignore();
        return;
    }
    done(QDialog::Rejected);
    event->accept();
}

void FrmAutoQst::done(int result) {
    DisplayMsg(QString(), QString());
    QDialog::done(result);
}

} // namespace qel
