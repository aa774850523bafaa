// The section 179 summary window.
#include "app/assets/Frm179Data.h"

#include "app/assets/AssetForm.h"
#include "app/assets/FrmAsset.h"
#include "app/assets/rules/AssetAmounts.h"
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

// Three rows of caption and value, inside the frame.
constexpr double kRow1 = 330, kRow2 = 690, kRow3 = 1050;

const FormDef& section179Form() {
    static const FormDef form = {
        .name = "frm179data",
        .caption = "Section179 Data",
        .size = {.width = 8040, .height = 1620},
        .border = Border::FixedDialog,
        .controls =
            {
                {.name = "fra179", .kind = K::GroupBox, .at = {120, 60, 7815, 1500}},
                summaryCaption("Label1", "fra179", {240, kRow1, 1300, 285}, "179 Limit:"),
                summaryValue("lbl179Limit", "fra179", {1560, kRow1, 1095, 285}),
                summaryCaption("Label2", "fra179", {2890, kRow1, 830, 285}, " Carryover:"),
                summaryValue("lbl179Carryover", "fra179", {3720, kRow1, 1095, 285}),
                summaryCaption("Label3", "fra179", {5280, kRow1, 1200, 285}, " Threshold Cost:"),
                summaryValue("lbl179ThresholdCost", "fra179", {6480, kRow1, 1100, 285}),
                summaryCaption("Label4", "fra179", {260, kRow2, 1300, 285}, "Assets in service:"),
                summaryValue("lbltotalAssetValue", "fra179", {1560, kRow2, 1100, 285}),
                summaryCaption("Label5", "fra179", {2740, kRow2, 980, 285}, "Income Limit:"),
                summaryValue("lblIncomeLimit", "fra179", {3720, kRow2, 1095, 285}),
                summaryCaption("Label6", "fra179", {5400, kRow2, 1080, 285}, " Adjusted 179:"),
                summaryValue("lblAdjusted179", "fra179", {6480, kRow2, 1100, 285}),
                summaryCaption("Label7", "fra179", {270, kRow3, 2130, 285}, "Current assigned 179 Assets:"),
                summaryValue("lbl179Total", "fra179", {2400, kRow3, 1100, 285}),
                summaryCaption("Label8", "fra179", {4560, kRow3, 1920, 285}, "Remaining 179 deduction:"),
                summaryValue("lblRemaining179", "fra179", {6480, kRow3, 1100, 285}),
            },
    };
    return form;
}

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

// The tax year of the asset form: its year filter, else the year of its in-service month; 0
// when it has neither.
std::int16_t formTaxYear(const FrmAsset& form) {
    const AssetSnapshot a = form.snapshot();
    return DetermineYear(a.year, a.inService).value_or(0);
}

} // namespace

Frm179Data::Frm179Data(QWidget* parent) : QDialog(parent) {
    const FormControls c = buildForm(*this, section179Form());
    fra179 = c.get<QGroupBox>("fra179");
    lbl179Limit = c.get<QLabel>("lbl179Limit");
    lbl179Carryover = c.get<QLabel>("lbl179Carryover");
    lbl179ThresholdCost = c.get<QLabel>("lbl179ThresholdCost");
    lbltotalAssetValue = c.get<QLabel>("lbltotalAssetValue");
    lblIncomeLimit = c.get<QLabel>("lblIncomeLimit");
    lblAdjusted179 = c.get<QLabel>("lblAdjusted179");
    lbl179Total = c.get<QLabel>("lbl179Total");
    lblRemaining179 = c.get<QLabel>("lblRemaining179");
    placeBesideMainWindow(*this, 1500, 1500);
}

bool Frm179Data::Get179RateLimits(std::int16_t year) {
    bool found = true;
    lbl179Limit->clear();
    lbl179ThresholdCost->clear();
    runWithSourcedErrorBox(QStringLiteral("Error in Get179RateLimits. "), [&] {
        DeprSupport support;
        const Recordset limits = support.Get179Limits(year);
        if (limits.IsEOF()) {
            ui().messageBox(QStringLiteral("179 rates missing for year ") + QString::number(year) +
                            QStringLiteral(". Please input the data before continuing."));
            found = false;
            return;
        }
        figures_.limit = limits["Maximum Amount"].toDouble();
        figures_.threshold = limits["Threshold Cost"].toDouble();
        lbl179Limit->setText(q(dollars(figures_.limit)));
        lbl179ThresholdCost->setText(q(dollars(figures_.threshold)));
    });
    return found;
}

void Frm179Data::Get179Figures(std::int32_t companyId, std::int16_t year) {
    DeprSupport support;
    figures_.carryover = 0;
    runWithErrorBox(QStringLiteral("Error in Get179CarryOver. "),
                    [&] { figures_.carryover = support.Get179CarryOver(companyId, year); });
    lbl179Carryover->setText(q(dollars(figures_.carryover)));
    figures_.incomeLimit = 0;
    runWithErrorBox(QStringLiteral("Error in Get179LimitForIncome. "),
                    [&] { figures_.incomeLimit = support.Get179IncomeLimit(companyId, year); });
    lblIncomeLimit->setText(q(dollars(figures_.incomeLimit)));
    runWithSourcedErrorBox(QStringLiteral("Get179andAssetTotal. "), [&] {
        const Recordset totals = support.Get179andCostTotal(companyId, year);
        if (totals.IsEOF())
            return;
        // No section 179 asset in the year: both sums are Null, shown as $0.
        figures_.elected = totals[1].toDouble();
        lbl179Total->setText(q(dollars(figures_.elected)));
        figures_.businessCost = totals[0].toDouble();
        lbltotalAssetValue->setText(q(dollars(figures_.businessCost)));
    });
}

void Frm179Data::Check179Totals() {
    DisplayMsg(QString(), QString());
    setTextColour(*lblRemaining179, kMessageGreen);
    lblAdjusted179->clear();
    lblRemaining179->clear();
    runWithSourcedErrorBox(QStringLiteral("Error in Check179Totals. "), [&] {
        const Section179Result r = assets::Check179Totals(figures_);
        if (!r.computed)
            return;
        lblAdjusted179->setText(q(dollars(r.adjusted)));
        lblRemaining179->setText(q(dollars(r.remaining)));
        if (r.overLimit) {
            setTextColour(*lblRemaining179, QColor(255, 0, 0));
            DisplayMsg(QStringLiteral("The Net 179 total is over the limit."), kRed);
        }
    });
}

void Do179Deduction(FrmAsset& form, std::int16_t year) {
    runWithSourcedErrorBox(QStringLiteral("Error in Do179Deduction. "), [&] {
        Frm179Data window(MdiMain::instance());
        window.fra179->setTitle(QStringLiteral("179 Deduction for ") + QString::number(year));
        const std::int16_t taxYear = year != 0 ? year : formTaxYear(form);
        if (!window.Get179RateLimits(taxYear))
            return;
        window.Get179Figures(programState().CurrentCompanyId(), taxYear);
        window.Check179Totals();
        ui().execModal(window);
    });
}

} // namespace qel::assets
