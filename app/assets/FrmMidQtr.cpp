// The mid-quarter convention window.
#include "app/assets/FrmMidQtr.h"

#include "app/assets/AssetForm.h"
#include "app/assets/rules/CompanyChecks.h"
#include "app/assets/rules/NumberPatterns.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "server/support/DeprSupport.h"

#include <QGroupBox>
#include <QLabel>

namespace qel::assets {
namespace {

using K = ControlKind;

const FormDef& midQtrForm() {
    static const FormDef form = [] {
        FormDef f = {
            .name = "frmMidQtr",
            .caption = "Mid Qtr Convention Check ",
            .size = {.width = 5325, .height = 1305},
            .border = Border::FixedDialog,
            .controls =
                {
                    {.name = "Frame1", .kind = K::GroupBox, .at = {120, 60, 5095, 1095}},
                    summaryCaption("Label1", "Frame1", {120, 240, 975, 285}, "4th Qtr Cost:"),
                    summaryValue("lbl4thQtrCost", "Frame1", {1080, 240, 1245, 285}),
                    summaryCaption("Label2", "Frame1", {2475, 240, 1215, 285}, "Total Asset Cost:"),
                    summaryValue("lblTotalCost", "Frame1", {3720, 240, 1250, 285}),
                    summaryCaption("Label3", "Frame1", {120, 600, 735, 285}, "4th Qtr %"),
                    summaryValue("lbl4thQtrPercent", "Frame1", {1080, 600, 735, 285}),
                    summaryValue("lblWarning", "Frame1", {1980, 600, 3050, 285}),
                },
        };
        f.controls.back().caption = "Mid Qtr Convention is required.";
        f.controls.back().style = kPlain;
        return f;
    }();
    return form;
}

// A depreciable basis of the company's year from the server; 0, after the error box with the
// lead, when it cannot be had, so that the window still opens.
std::int32_t basisOrZero(const char* lead, std::int32_t (DeprSupport::*sum)(std::int32_t, std::int16_t),
                         std::int16_t year) {
    std::int32_t basis = 0;
    runWithErrorBox(QString::fromLatin1(lead), [&] {
        DeprSupport support;
        basis = (support.*sum)(programState().CurrentCompanyId(), year);
    });
    return basis;
}

} // namespace

FrmMidQtr::FrmMidQtr(std::int16_t year, QWidget* parent) : QDialog(parent) {
    const FormControls c = buildForm(*this, midQtrForm());
    Frame1 = c.get<QGroupBox>("Frame1");
    lbl4thQtrCost = c.get<QLabel>("lbl4thQtrCost");
    lblTotalCost = c.get<QLabel>("lblTotalCost");
    lbl4thQtrPercent = c.get<QLabel>("lbl4thQtrPercent");
    lblWarning = c.get<QLabel>("lblWarning");
    setWindowTitle(QStringLiteral("Mid Qtr Convention Check for ") + QString::number(year));
    Form_Load(year);
}

void FrmMidQtr::Form_Load(std::int16_t year) {
    placeBesideMainWindow(*this, 1500, 1500);
    const std::int32_t total =
        basisOrZero("Error in GetTotalAssetCostForYear. ", &DeprSupport::GetTotalAssetCost, year);
    lblTotalCost->setText(QString::fromStdString(dollars(total)));
    const std::int32_t lastQuarter =
        basisOrZero("Error in Get4thQtrAssetCostForYear. ", &DeprSupport::Get4QtrAssetCost, year);
    lbl4thQtrCost->setText(QString::fromStdString(dollars(lastQuarter)));
    const MidQuarterTest test = MidQtrCheck(total, lastQuarter);
    lbl4thQtrPercent->setText(QString::fromStdString(percentOneDecimal(test.share)));
    const QColor verdict = test.required ? QColor(255, 0, 0) : kMessageGreen;
    setTextColour(*lblWarning, verdict);
    setTextColour(*lbl4thQtrPercent, verdict);
    lblWarning->setText(test.required ? QStringLiteral("Mid Qtr Convention is required.")
                                      : QStringLiteral("Mid Qtr Convention is not needed."));
}

void ShowMidQtrCheck(FrmAsset&, std::int16_t year) {
    // The window traps its own server calls; anything else is the button's failure.
    runWithErrorBox(QStringLiteral("Error in cmdMidConvention_Click. "), [&] {
        FrmMidQtr window(year, MdiMain::instance());
        ui().execModal(window);
    });
}

} // namespace qel::assets
