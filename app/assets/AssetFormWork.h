// The work of the asset form's buttons that comes with storing assets (the save with its books,
// the load of a stored asset, its deletion, dropping edits) and with the company's section 179 and
// mid-quarter checks. The asset form calls these; each is given by the part of asset entry that
// does the work. A button whose work is not given stays disabled, and "Save Changes?" answered
// Yes then saves nothing and keeps the form as it is.
#pragma once

#include <cstdint>
#include <functional>

namespace qel::assets {

class FrmAsset;

struct AssetFormWork {
    // Save: validates the asset and its books, stores them with their depreciation and clears
    // the form; true when the asset was stored, false when it was stopped (it has said why).
    std::function<bool(FrmAsset&)> AddorUpdate;
    // Retrieve: loads the asset picked in the picker, else the one whose number is typed.
    std::function<void(FrmAsset&)> Search;
    // Delete, once the user confirmed: the asset's number and the current company.
    std::function<void(FrmAsset&, std::int32_t asset, std::int32_t company)> DeleteAsset;
    // UnDo: reloads the shown asset (its number), or clears the form for a new one (0).
    std::function<void(FrmAsset&, std::int32_t asset)> DoCancel;
    // Chk 179 and Chk Convention, with the fiscal year the user gave.
    std::function<void(FrmAsset&, std::int16_t year)> Do179Deduction;
    std::function<void(FrmAsset&, std::int16_t year)> ShowMidQtrCheck;
};

} // namespace qel::assets
