// The asset form's work with stored assets: Save (AddorUpdate, with the vehicle limit check and
// the alternative books), Retrieve (Search, GetAssetData), Delete (DeleteAsset) and UnDo
// (DoCancel), and the next vehicle number. Each works on the open frmAsset and the current
// company; the statements and the transaction are the rules library's (rules/AssetStore.h).
#pragma once

#include "app/assets/AssetFormWork.h"
#include "app/shell/ErrorBox.h"

#include <QString>

#include <cstdint>

namespace qel::assets {

class FrmAsset;

// Fills in the Save, Retrieve, Delete and UnDo work of the asset form.
void addStorageWork(AssetFormWork& work);

// Saves the asset on the form: checks it (ValidateAsset) and its kept books (the messages in red
// on the status line), derives its record, checks a vehicle against the year's first-year limit,
// then stores the asset, its Federal depreciation, its books with theirs and its description row
// in one transaction. A new asset joins the picker; a new vehicle asks for its use documents;
// the form is cleared for the next asset, and then the status line gives savedMessage. True
// when the asset was stored. False when a check
// stopped the save, or when storing failed: then nothing of it was stored, the error box shows
// the cause, the status line says which part failed, and the form keeps what the user typed.
bool AddorUpdate(FrmAsset& form);

// What the status line says after a save: "Asset Added" or "Asset Updated", then ". Asset ID: "
// and the asset's number.
QString savedMessage(bool added, std::int32_t asset);

// Retrieve: the asset chosen in the picker, else the one whose number is typed in the Asset ID
// box; nothing when neither. Loads its books, then the asset.
void Search(FrmAsset& form);

// Loads the company's stored asset into the form and switches to edit mode. An asset the company
// does not have, or a failed lookup, leaves the form cleared for a new asset, in add mode, with
// " No data found. " on the status line or the error box.
void GetAssetData(FrmAsset& form, std::int32_t assetId, std::int32_t companyId);

// Deletes the company's asset with everything stored for it in one transaction, removes it from
// the picker and clears the form for a new asset. A failure shows its box and keeps the form.
void DeleteAsset(FrmAsset& form, std::int32_t assetId, std::int32_t companyId);

// Drops the edits: reloads the stored asset in edit mode, otherwise clears the form.
void DoCancel(FrmAsset& form, std::int32_t assetId);

// The next free vehicle number of the current company, as decimal text; empty after the error box.
QString GetNextVehicleNum(const FrmAsset& form);

} // namespace qel::assets
