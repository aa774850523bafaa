// frm179data "Section179 Data": the current company's section 179 position for a fiscal year, in
// the order of Form 4562 Part I: the year's dollar limit and threshold cost, the business cost
// of the section 179 property placed in service, the carryover from the prior year, the business
// income limit, the deduction that may be taken (adjusted 179), what the year's assets already
// elect, and what remains. A read-only summary, opened modally by the asset form's Chk 179
// button; nothing is stored.
#pragma once

#include "app/assets/rules/CompanyChecks.h"

#include <QDialog>

#include <cstdint>

class QGroupBox;
class QLabel;

namespace qel::assets {

class FrmAsset;

class Frm179Data : public QDialog {
    Q_OBJECT
public:
    explicit Frm179Data(QWidget* parent = nullptr);

    // Fills the limits of the year (0: the asset form's tax year); false, after the box "179
    // rates missing for year ...", when the year has no limits row.
    bool Get179RateLimits(std::int16_t year);
    // Fills the carryover and the income limit, the business cost and the elected amounts of the
    // company's year.
    void Get179Figures(std::int32_t companyId, std::int16_t year);
    // Derives the adjusted and the remaining deduction from what is shown, and says on the status
    // line, in red, when more is elected than may be taken.
    void Check179Totals();

    // What the window shows, in dollars.
    const Section179Figures& figures() const { return figures_; }

    QGroupBox* fra179;
    QLabel* lbl179Limit;
    QLabel* lbl179Carryover;
    QLabel* lbl179ThresholdCost;
    QLabel* lbltotalAssetValue;
    QLabel* lblIncomeLimit;
    QLabel* lblAdjusted179;
    QLabel* lbl179Total;
    QLabel* lblRemaining179;

private:
    Section179Figures figures_;
};

// The Chk 179 button's work: shows frm179data for the fiscal year (0: the form's tax year), with
// "179 Deduction for " and the year on its frame; nothing when the year has no limits row.
void Do179Deduction(FrmAsset& form, std::int16_t year);

} // namespace qel::assets
