// Retrieve, UnDo and Delete: loading a stored asset into the asset form, dropping edits, and
// deleting an asset with the picker kept in step; and the form's storage work.
#include "app/assets/AssetStorage.h"

#include "app/assets/AssetLists.h"
#include "app/assets/AssetPicker.h"
#include "app/assets/BooksPanel.h"
#include "app/assets/FrmAsset.h"
#include "app/assets/rules/AssetStore.h"
#include "app/assets/rules/DeprRunPlan.h"
#include "app/assets/rules/StoredAsset.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "common/Convert.h"
#include "server/support/DeprSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qel::assets {
namespace {

const QString kGetAssetData = QStringLiteral("Error in GetAssetData. ");

QString q(const std::string& text) {
    return QString::fromStdString(text);
}

// Chooses the first entry with that item data; no choice for 0 or when no entry has it.
void chooseItemData(QComboBox& cbo, std::int32_t id) {
    cbo.setCurrentIndex(id > 0 ? cbo.findData(id, kItemDataRole) : -1);
}

// The life: the entry at the stored position of the method's list, or the stored life as typed.
void showLife(FrmAsset& form, const StoredAsset& s) {
    QComboBox& cboLife = *form.cboLife;
    if (loadsLifeList(s.method, s.lifeId)) {
        PopulateLifeCbo(cboLife, q(s.method));
        // A position the list no longer holds shows the stored life rather than another one.
        if (s.lifeId < cboLife.count())
            cboLife.setCurrentIndex(s.lifeId);
        else
            cboLife.setEditText(q(s.life));
    } else {
        cboLife.setCurrentIndex(-1);
    }
    if ((s.lifeId == 0 && s.classId == 0) || (s.method == "Amortize" && s.lifeId == 0))
        cboLife.setEditText(q(s.life));
}

// The bonus boxes and the allowance: the box saved with the asset, or for one saved without a box
// the box whose allowance is exactly the stored one (StoredBonusBox).
void showBonus(FrmAsset& form, const StoredAsset& s) {
    QCheckBox* const boxes[] = {form.chkBonus, form.chk50Bonus, form.chk100Bonus};
    if (!BonusEligible(form.snapshot())) {
        form.lbl30Allowance->clear();
        for (QCheckBox* box : boxes) {
            box->setChecked(false);
            box->setEnabled(false);
        }
        return;
    }
    for (QCheckBox* box : boxes)
        box->setEnabled(true);
    const BonusBox ticked = StoredBonusBox(form.snapshot(), s.allowanceText, s.bonusChoice);
    switch (ticked) {
    case BonusBox::Bonus30:
        form.chkBonus->setChecked(true);
        break;
    case BonusBox::Bonus50:
        form.chk50Bonus->setChecked(true);
        break;
    case BonusBox::Bonus100:
        form.chk100Bonus->setChecked(true);
        break;
    case BonusBox::None:
        for (QCheckBox* box : boxes)
            box->setChecked(false);
        break;
    }
    // Written after the boxes, whose rules compute an allowance of their own: the stored one may
    // have been lowered to a vehicle's limit.
    if (ticked != BonusBox::None || s.allowance > 0)
        form.lbl30Allowance->setText(q(s.allowanceText));
}

// Writes the stored asset into the cleared form, field by field in the order the rules need:
// the method before its lives and classes, the figures before the bonus boxes.
void showStoredAsset(FrmAsset& form, const StoredAsset& s) {
    form.setAssetId(QString::number(s.assetNum));
    form.txtDescription->setText(q(s.description));
    form.txtCost->setText(q(s.cost));
    form.chk179->setChecked(s.type179);
    if (!s.type179)
        form.txt179Amt->clear();
    FrmAsset::switchField(*form.txt179Amt, s.type179);
    if (!s.section179.empty())
        form.txt179Amt->setText(q(s.section179));
    form.cboMethod->setCurrentIndex(GetCboIndex(q(s.method), *form.cboMethod));
    form.txtBusinessPercent->setText(q(s.businessPercent));
    if (s.method == "Straight Line")
        FrmAsset::switchField(*form.cboClass, false);
    if (s.method == "Listed")
        FrmAsset::switchField(*form.cboLife, false);
    showLife(form, s);
    const bool amortize = s.method == "Amortize";
    form.txtAmorizeCode->setText(amortize ? q(s.amortizeCode) : QString());
    FrmAsset::switchField(*form.txtAmorizeCode, amortize);
    form.lblShowMethod->setText(q(s.methodCaption));
    if (s.classId > 0) {
        const int method = form.cboMethod->currentIndex();
        PopulateTypeCbo(*form.cboClass, method < 0 ? 0 : itemData(*form.cboMethod, method));
        form.cboClass->setCurrentIndex(GetCboIndexFromItemData(s.classId, *form.cboClass));
    } else {
        form.cboClass->setCurrentIndex(-1);
    }
    if (!s.otherDeductions.empty())
        form.txtOtherDeductions->setText(q(s.otherDeductions));
    showBonus(form, s);
    form.txtInService->setText(q(s.inService));
    chooseItemData(*form.cboConvention, s.conventionId);
    form.lblAutoNum->setText(q(s.vehicleNum));
    form.txtNotes->setText(q(s.notes));
    form.chkAdjDepr->setChecked(s.adjustDepr);
    form.txtBookLife->setText(q(s.bookLife));
    form.txtBookCost->setText(q(s.bookCost));
    chooseItemData(*form.cboAccounts, s.accountId);
    form.chkExclude->setChecked(
        ExcludedFromBook(s.bookLife, s.bookCost, form.cboAccounts->currentIndex() >= 0));
    if (s.sold) {
        form.mskSold->setText(q(s.soldMonth));
        form.txtDispositionAmt->setText(q(s.soldAmt));
        form.lblGainLoss->setText(q(s.gainLoss));
        form.flags.sold = true;
    }
    form.cmdDelete->setEnabled(true);
    form.txtTagNbr->setText(q(s.tagNbr));
    form.txtSerialNbr->setText(q(s.serialNbr));
    chooseItemData(*form.cboLocations, s.locationId);
    form.CalculateCostBasis();
}

// Blanks the form for a new asset, in add mode; the books panel is left alone.
void clearAsset(FrmAsset& form) {
    form.NewAsset();
    form.SetAssetEditMode(false);
    form.flags.descriptionChanged = false;
}

// The same with the books' columns blanked.
void clearForNewAsset(FrmAsset& form) {
    clearAsset(form);
    form.books().ClearBooksFields();
}

} // namespace

void GetAssetData(FrmAsset& form, std::int32_t assetId, std::int32_t companyId) {
    form.flags.sold = false;
    Recordset row;
    const bool read =
        runWithSourcedErrorBox(kGetAssetData, [&] { row = DeprSupport().GetAsset(assetId, companyId); });
    const bool none = read && row.IsBOF() && row.IsEOF();
    StoredAsset stored;
    const bool found =
        read && !none && runWithSourcedErrorBox(kGetAssetData, [&] { stored = StoredAssetOf(row); });
    clearAsset(form);
    if (!found) {
        if (none)
            DisplayMsg(QStringLiteral(" No data found. "));
        return;
    }
    // A load that stops part-way leaves the form for a new asset: a save then adds what it shows
    // rather than overwriting the stored asset with half of it.
    if (runWithSourcedErrorBox(kGetAssetData, [&] { showStoredAsset(form, stored); }))
        form.SetAssetEditMode(true);
    else
        clearAsset(form);
}

void Search(FrmAsset& form) {
    runWithSourcedErrorBox(QStringLiteral("Error in Search. "), [&] {
        std::int32_t asset = 0;
        if (const std::optional<std::int32_t> chosen = form.picker().chosenAsset())
            asset = *chosen;
        else if (!form.txtAssetID->text().isEmpty())
            asset = whole32(leadingNumber(form.txtAssetID->text().toStdString()), "asset number");
        else
            return;
        const std::int32_t company = programState().CurrentCompanyId();
        form.books().GetBooksAssetData(asset, company);
        GetAssetData(form, asset, company);
    });
}

void DoCancel(FrmAsset& form, std::int32_t assetId) {
    if (!form.flags.editMode) {
        clearForNewAsset(form);
        return;
    }
    const std::int32_t company = programState().CurrentCompanyId();
    form.books().GetBooksAssetData(assetId, company);
    GetAssetData(form, assetId, company);
}

void DeleteAsset(FrmAsset& form, std::int32_t assetId, std::int32_t companyId) {
    if (!runWithErrorBox(
            QStringLiteral("Error in DeleteAsset "), [&] { StoreAssetDeletion(assetId, companyId); }, kBlank))
        return;
    form.picker().RemoveAssetFromCboBox(assetId);
    clearForNewAsset(form);
}

void addStorageWork(AssetFormWork& work) {
    work.AddorUpdate = AddorUpdate;
    work.Search = Search;
    work.DeleteAsset = DeleteAsset;
    work.DoCancel = DoCancel;
}

} // namespace qel::assets
