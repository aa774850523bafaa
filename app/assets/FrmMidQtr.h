// frmMidQtr "Mid Qtr Convention Check for <year>": whether the current company's MACRS property
// of a fiscal year needs the mid-quarter convention. It shows the year's depreciable basis and
// the part of it placed in service in the last quarter of the tax year (fiscal months 10 to 12),
// that part's share, and the verdict: "Mid Qtr Convention is required." in red above 40 %,
// "Mid Qtr Convention is not needed." in green otherwise. Opened modally by the asset form's
// Chk Convention button; nothing is stored, the user chooses the convention on the asset form.
#pragma once

#include <QDialog>

#include <cstdint>

class QGroupBox;
class QLabel;

namespace qel::assets {

class FrmAsset;

class FrmMidQtr : public QDialog {
    Q_OBJECT
public:
    // Fills the window for the current company's fiscal year.
    explicit FrmMidQtr(std::int16_t year, QWidget* parent = nullptr);

    QGroupBox* Frame1;
    QLabel* lbl4thQtrCost;
    QLabel* lblTotalCost;
    QLabel* lbl4thQtrPercent;
    QLabel* lblWarning;

private:
    void Form_Load(std::int16_t year);
};

// The Chk Convention button's work: shows frmMidQtr for the fiscal year.
void ShowMidQtrCheck(FrmAsset& form, std::int16_t year);

} // namespace qel::assets
