// Storing and deleting an asset on the data server's shared connection, each as one transaction.
//
// A save writes, in this order: the asset's row (DeprSupport::AddAsset for a new asset, the UPDATE
// for a stored one), its Federal depreciation (CalcDepr, book 1), each alternative book given
// (its tblBookMethods row, then its depreciation), and its description row. The data server's
// operations nest as savepoints inside the save's transaction, so a failure anywhere leaves
// nothing of the save behind. The vehicle limits the engine applies to a vehicle are the ones the
// caller's GetAutoMaxRates loaded beforehand on this thread.
#pragma once

#include "app/assets/rules/AssetRecord.h"
#include "app/assets/rules/BookSave.h"

#include <cstdint>
#include <vector>

namespace qel::assets {

struct AssetSave {
    AssetRecord record;
    std::int32_t storedAsset = 0;  // the stored asset to update; 0 adds a new one
    std::vector<BookValues> books; // the company's kept books, in the order AMT, State, Other
    AssetDescription description;
};

// The part of a save under way, so the caller can say which one failed.
enum class SaveStep { Asset, TaxDepreciation, Books, Description };

// Saves the asset; its number (the new one for a new asset). `step` tells the part reached.
// Throws ServerError with the real cause, after rolling the whole save back, when any statement
// or run fails, and when the stored asset to update is not stored.
std::int32_t StoreAsset(const AssetSave& save, SaveStep& step);

// Deletes the company's asset with its description row, its yearly rows of every book, its
// monthly rows and its alternative books, in one transaction. Throws ServerError, with nothing
// deleted, when the company has no such asset or a statement fails.
void StoreAssetDeletion(std::int32_t assetNum, std::int32_t companyId);

} // namespace qel::assets
