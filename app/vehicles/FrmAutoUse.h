// frmAutoUse, "Information on Use of Vehicles": the use of up to six vehicles of the current
// company in one tax year (Form 4562 Part V Section B, lines 30 to 36), side by side.
//
// It opens modally through DoAutoUseForm for the year it is given, tells when it has closed
// whether it was cancelled, loads the vehicles' columns and their stored use,
// totals a column when one of its boxes is left, and keeps which columns the user edited. Save
// stores the edited columns (all of them or none); Delete removes one column's stored use and
// loads the window afresh; Cancel, Esc and the title bar ask "Save Changes?" while edits are
// unsaved. The rules are those of AutoUseRules.h; the reads and writes those of VehicleData.h.
#pragma once

#include "app/vehicles/AnswerPair.h"
#include "app/vehicles/rules/AutoUseRules.h"

#include <QDialog>

#include <array>
#include <cstdint>
#include <optional>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace qel {

class FrmAutoUse : public QDialog {
    Q_OBJECT
public:
    // Loads the current company's vehicles and their stored use of the tax year.
    explicit FrmAutoUse(std::int16_t year, QWidget* parent = nullptr);
    ~FrmAutoUse() override;

    // Gives the business miles of the vehicle's column the focus when the window shows; nothing
    // for a number no enabled column holds.
    void focusVehicle(std::int32_t vehicleNumber);

    // Saves the edited columns: true when every edited column was stored.
    bool AddAutoUse();
    // Deletes the stored use of the column 1 to 6 after a confirmation (and the question whether
    // to save the other edits first), then loads the window afresh.
    void DeleteVehicle(std::int32_t column);

    const VehicleTable& vehicles() const { return vehicles_; }
    std::int16_t year() const { return year_; }
    bool FormDirty() const { return formDirty_; }
    bool VehicleChanged(int column) const { return changed_[column - 1]; }
    // Closed through its Cancel button or Esc, also after a save; the title bar's close leaves
    // it false, and so does a load afresh after a delete.
    bool cancelled() const { return cancelled_; }

    // Controls; the arrays hold column N at index N - 1, a pair's element 0 is Yes, 1 is No.
    template <typename T> using Columns = std::array<T, kVehicleColumns>;
    QLabel* lblTitle;
    QLabel* lblAutoDesc;
    QLabel* lblDescription;
    QGroupBox* fraUse;
    QLabel* lblBusiness1;
    QLabel* lblBusiness2;
    QLabel* lblBusiness3;
    QLabel* lblCommute;
    QLabel* lblPersonal;
    QLabel* lblTotalMiles;
    QLabel* lblOffDuty;
    QLabel* lbl5Owner;
    QLabel* lblAnother;
    Columns<QLabel*> lblVehicle;
    Columns<QLineEdit*> txtBusiness;
    Columns<QLineEdit*> txtCommuting;
    Columns<QLineEdit*> txtPersonal;
    Columns<QLabel*> lblTotal;
    Columns<AnswerPair> OptOffDuty;
    Columns<AnswerPair> Opt5Owner;
    Columns<AnswerPair> optAnother;
    QLabel* lblRemove;
    QLineEdit* txtAutoNum;
    QPushButton* cmdDelete;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;

public slots:
    // Cancel and Esc: closes as cancelled once unsaved edits are saved or dropped.
    void reject() override;

protected:
    // The title bar's close: closes, not as cancelled, once unsaved edits are saved or dropped.
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    void load();
    void PopulateVehicleDesc();
    void DisableVehicleInput(int column, bool disabled);
    void GetAutoUse();
    void ShowTotal(int column);
    bool ValidateAuto();
    void cmdSave_Click();
    void cmdDelete_Click();
    void markChanged(int column);
    UseEntries entries() const;
    // The column (1 to 6) of a mileage box, or 0.
    int columnOf(const QObject* box) const;

    std::int16_t year_;
    bool cancelled_ = false;
    VehicleTable vehicles_;
    Columns<bool> changed_{};
    bool formDirty_ = false;
    std::optional<int> focusColumn_;
};

} // namespace qel
