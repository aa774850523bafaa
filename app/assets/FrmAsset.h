// frmAsset, "Asset Maintenance": the one window in which the user enters, finds, changes,
// deletes and inspects the current company's assets, a child of the main window. Its controls
// (AssetForm.cpp) are the working storage of asset entry; the rules read them through
// snapshot() (app/assets/rules). The form keeps the wiring and the handlers of its buttons, the
// "Save Changes?" question and NewAsset; the books panel (BooksPanel.h) and the lists
// (AssetLists.h, AssetPicker.h) fill it, and the field rules (AssetFieldRules.h) keep it
// consistent while the user types.
#pragma once

#include "app/assets/AssetFormWork.h"
#include "app/assets/rules/AssetSnapshot.h"
#include "common/Date.h"

#include <QWidget>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QCheckBox;
class QCloseEvent;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace qel::assets {

class AssetFieldRules;
class AssetPicker;
class BooksPanel;
struct CostBasis;

class FrmAsset : public QWidget {
    Q_OBJECT
public:
    // today: the date the form proposes the in-service month from (the system's date in the
    // program; a fixed one in tests).
    explicit FrmAsset(AssetFormWork work = {}, std::function<Date()> today = {}, QWidget* parent = nullptr);
    ~FrmAsset() override;

    // What the user typed and chose, as the rules read it.
    AssetSnapshot snapshot() const;
    // The form's edit flags (unsaved edits, the description row edited, edit mode, a sold asset).
    AssetEditFlags flags;

    // Blanks the form for a new asset: captions black, lists without a choice, business percent
    // "100", the proposed in-service month, the sale box empty, Adjust Depr ticked, the focus in
    // the description, the status line cleared. Leaves the year filter, the book list, the books
    // panel and the Save button alone.
    void NewAsset();
    // "Save Changes?" when there are unsaved edits: true when the caller may go on.
    bool AskSaveChanges();
    // The check of the Federal fields before a save (rules/AssetValidation.h): turns the
    // captions back to black, asks its questions, marks the failing captions red, puts the focus
    // on the last failing field and shows the messages in red on the status line (nothing after
    // a Cancel). True when the asset may be saved.
    bool ValidateAsset();
    // Shows the asset number (empty for a new asset); the schedule buttons, the book list and the
    // print button are usable only while a number is shown.
    void setAssetId(const QString& number);
    // Reloads the picker for the current company and the year filter.
    void GetAssetList();
    // Stores the edit mode: true while a stored asset is shown, so Save updates it.
    void SetAssetEditMode(bool editMode);
    // Switches a field on (enabled, white) or off (disabled, light grey).
    static void switchField(QWidget& field, bool on);
    // Puts the cost basis of the Federal fields into its label, green, or red when negative.
    void CalculateCostBasis();
    void showCostBasis(const CostBasis& basis);
    // Puts the bonus allowance of the Federal fields at the rate (0.3, 0.5, 1.0) into its label.
    void CalculateBonusAllowance(double rate);

    AssetPicker& picker() const { return *picker_; }
    BooksPanel& books() const { return *books_; }

    // Search band.
    QGroupBox* fraSearch;
    QLabel* Label14;
    QLineEdit* txtYear;
    QLabel* Label1;
    QComboBox* cboAssets;
    QLabel* Label4;
    QLabel* Label9;
    QLineEdit* txtAssetID;
    QPushButton* cmdSearch;
    // Asset frame.
    QGroupBox* pnl3dDepr;
    QLabel* lblDescription;
    QLineEdit* txtDescription;
    QLabel* Label8;
    QLabel* lblAssetId;
    QLabel* lblInService;
    QLineEdit* txtInService;
    QLabel* lblTagNbr;
    QLineEdit* txtTagNbr;
    QLabel* lblSoldDate;
    QLineEdit* mskSold;
    QLabel* lblLocation;
    QComboBox* cboLocations;
    QLabel* LblSerialNbr;
    QLineEdit* txtSerialNbr;
    QLabel* lblDispositionAmt;
    QLineEdit* txtDispositionAmt;
    QLabel* lblAccount;
    QComboBox* cboAccounts;
    QLabel* Label21;
    QLineEdit* txtNotes;
    QLabel* lblAmortize;
    QLineEdit* txtAmorizeCode;
    QLabel* lblVehicleNum;
    QLabel* lblAutoNum;
    // Books frame: the Federal column and the financial book (the AMT, State and Other columns
    // are the books panel's).
    QGroupBox* Frame4;
    QLabel* Label5;
    QLabel* lblCost;
    QLineEdit* txtCost;
    QLabel* lblMethod;
    QComboBox* cboMethod;
    QLabel* Label2;
    QLabel* lblClass;
    QComboBox* cboClass;
    QLabel* lblLife;
    QComboBox* cboLife;
    QLabel* lblAutoBusiness;
    QLineEdit* txtBusinessPercent;
    QLabel* Label19;
    QComboBox* cboConvention;
    QCheckBox* chk179;
    QLineEdit* txt179Amt;
    QLabel* Label6;
    QCheckBox* chkBonus;
    QCheckBox* chk50Bonus;
    QCheckBox* chk100Bonus;
    QLabel* lbl30Allowance;
    QLabel* Label20;
    QLineEdit* txtOtherDeductions;
    QLabel* Label11;
    QLabel* lblCostBasis;
    QLabel* Label15;
    QLabel* lblShowMethod;
    QLabel* Label3;
    QLineEdit* txtBookCost;
    QLabel* Label12;
    QLineEdit* txtBookLife;
    QCheckBox* chkExclude;
    QCheckBox* chkAdjDepr;
    QLabel* lblGainLoss;
    // Button bar.
    QGroupBox* Frame2;
    QComboBox* cboBooks;
    QPushButton* cmdDeprSchedule;
    QPushButton* cmdBookSchedule;
    QPushButton* cmdPrint;
    QPushButton* cmd179;
    QPushButton* cmdMidConvention;
    QPushButton* cmdDelete;
    QPushButton* cmdCopy;
    QPushButton* cmdNew;
    QPushButton* cmdSave;
    QPushButton* cmdCancel;

    // The buttons, as the user clicks them.
    void cmdSave_Click();
    void cmdNew_Click();
    void cmdSearch_Click();
    void cmdCancel_Click();
    void cmdDelete_Click();
    void cmdDeprSchedule_Click();
    void cmdBookSchedule_Click();
    void cmd179_Click();
    void cmdMidConvention_Click();
    void cmdCopy_Click();
    // Prints the "Asset Detail" page of the asset as the form shows it (PrintingServices).
    void cmdPrint_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void ItializeAssetForm();
    // The fiscal year the user gives for a check (0: the year of the in-service month); nothing when
    // cancelled, or when the answer is no year from 1900 to 9999, which the status line then says.
    std::optional<std::int16_t> askYear(const QString& title) const;

    AssetFormWork work_;
    std::function<Date()> today_;
    std::unique_ptr<AssetPicker> picker_;
    std::unique_ptr<BooksPanel> books_;
    // Last, so that it goes first: no rule runs while the controls are destroyed.
    std::unique_ptr<AssetFieldRules> rules_;
};

} // namespace qel::assets
