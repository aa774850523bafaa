// The range window of monthly book depreciation.
#include "app/books/FrmBookDeprRange.h"

#include "app/books/PeriodChecks.h"
#include "app/books/RangePosting.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "server/engine/MonthlyDepr.h"

#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressDialog>
#include <QPushButton>

namespace qel {
namespace {

using K = ControlKind;

const QString kLead = QStringLiteral("Error in DoBookDeprRange. ");

const FormDef& rangeForm() {
    static const FormDef form = {
        .name = "frmBookDeprRange",
        .caption = "Book Depreciation for a Range",
        .size = {.width = 4335, .height = 2040},
        .border = Border::FixedDialog,
        .controls =
            {
                {.name = "Frame1", .kind = K::GroupBox, .at = {120, 60, 4095, 1275}},
                {.name = "Label1",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .at = {240, 330, 2175, 255},
                 .caption = "Start Period (YYYY-MM):",
                 .buddy = "mskStart"},
                {.name = "mskStart",
                 .kind = K::TextBox,
                 .parent = "Frame1",
                 .at = {2520, 285, 1095, 315},
                 .tabIndex = 0},
                {.name = "Label2",
                 .kind = K::Label,
                 .parent = "Frame1",
                 .at = {240, 810, 2175, 255},
                 .caption = "End Period (YYYY-MM):",
                 .buddy = "mskEnd"},
                {.name = "mskEnd", .kind = K::TextBox, .at = {2640, 825, 1095, 315}, .tabIndex = 1},
                {.name = "cmdOk",
                 .kind = K::CommandButton,
                 .at = {1005, 1500, 1035, 375},
                 .caption = "&OK",
                 .tabIndex = 2,
                 .style = kDefaultButton},
                {.name = "cmdCancel",
                 .kind = K::CommandButton,
                 .at = {2295, 1500, 1035, 375},
                 .caption = "&Cancel",
                 .tabIndex = 3},
            },
    };
    return form;
}

} // namespace

FrmBookDeprRange::FrmBookDeprRange(QWidget* parent) : QDialog(parent) {
    const FormControls controls = buildForm(*this, rangeForm());
    Frame1 = controls.get<QGroupBox>("Frame1");
    Label1 = controls.get<QLabel>("Label1");
    mskStart = controls.get<QLineEdit>("mskStart");
    Label2 = controls.get<QLabel>("Label2");
    mskEnd = controls.get<QLineEdit>("mskEnd");
    cmdOk = controls.get<QPushButton>("cmdOk");
    cmdCancel = controls.get<QPushButton>("cmdCancel");

    // Four digits, a dash and two digits; "_" where nothing is typed.
    for (QLineEdit* box : {mskStart, mskEnd})
        box->setInputMask(QStringLiteral("0000-00;_"));

    connect(cmdOk, &QPushButton::clicked, this, &FrmBookDeprRange::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmBookDeprRange::reject);

    placeBesideMainWindow(*this, 1500, 1500);
    loadStart();
}

FrmBookDeprRange::~FrmBookDeprRange() = default;

void FrmBookDeprRange::loadStart() {
    runWithSourcedErrorBox(kLead, [this] {
        MonthlyDepr md;
        const QString next =
            QString::fromStdString(md.GetNextFiscalPeriod(programState().CurrentCompanyId()));
        mskStart->setText(periodMaskText(next));
        // The range always starts at the next period to post, when there is one.
        mskStart->setEnabled(next.isEmpty());
        if (next.isEmpty())
            mskStart->setFocus();
        else
            mskEnd->setFocus();
    });
}

void FrmBookDeprRange::cmdOk_Click() {
    DisplayMsg(QString());
    const PeriodRange range = checkPeriodRange(mskStart->displayText(), mskEnd->displayText());
    if (!range.valid) {
        DisplayMsg(range.messages, kRed);
        return;
    }
    if (ui().messageBox(QStringLiteral("Calculate Book Depreciation ") + range.periods.front() +
                            QLatin1Char('?'),
                        MsgButtons::OkCancel, MsgIcon::None,
                        QStringLiteral("Do Monthly Book Depreciation")) != MsgResult::Ok) {
        reject();
        return;
    }

    delete progress_;
    progress_ = new QProgressDialog(this);
    progress_->setObjectName(QStringLiteral("prgBookDeprRange"));
    progress_->setWindowTitle(windowTitle());
    progress_->setWindowModality(Qt::WindowModal);
    progress_->setCancelButton(nullptr);
    progress_->setRange(0, static_cast<int>(range.periods.size()));
    // A long range shows its progress; a short one is done before the window would appear.
    progress_->setMinimumDuration(1000);

    MonthlyDepr md;
    const std::int32_t company = programState().CurrentCompanyId();
    const RangePosting run = postPeriods(
        range.periods, [&](const QString& period) { md.DoMonthlyDepr(period.toStdString(), company); },
        [this](int index, int total, const QString& period) {
            progress_->setLabelText(
                QStringLiteral("Posting period %1 of %2: %3").arg(index + 1).arg(total).arg(period));
            progress_->setValue(index);
            // Between two periods the program answers its windows.
            QApplication::processEvents();
        });
    progress_->setValue(progress_->maximum());

    if (run.failure) {
        const ErrorInfo cause{QString::fromStdString(run.failure->description()), run.failure->number(),
                              QString::fromStdString(run.failure->source())};
        ui().messageBox(sourcedErrorText(kLead, cause) + QStringLiteral("\n\n") +
                        postedSummary(range.periods, run));
        loadStart();
        return;
    }
    DisplayMsg(QStringLiteral("Book Depreciation calculated successfully."), kGreen);
    accept();
}

} // namespace qel
