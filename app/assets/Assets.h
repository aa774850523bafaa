// Asset entry: the asset maintenance window frmAsset behind the Maintenance menu's "Assets", and
// the registration of the subsystem.
#pragma once

#include "app/assets/AssetFormWork.h"
#include "app/shell/AssetEntryServices.h"
#include "common/Date.h"

#include <functional>

namespace qel {

class SubsystemParts;

namespace assets {

class FrmAsset;

// The one frmAsset, a child of the main window opened by its key "frmAsset".
class AssetEntry : public AssetEntryServices {
public:
    // work: what the form's buttons do with stored assets and the company's checks (AssetFormWork.h);
    // today: the date the form proposes the in-service month from (the system's date when empty).
    explicit AssetEntry(AssetFormWork work = {}, std::function<Date()> today = {});

    // Opens frmAsset, or brings the open one to the front.
    void showAsset() override;
    // Closes frmAsset through its "Save Changes?"; false when it stays open.
    bool unloadAsset() override;
    // The client area its form table gives frmAsset.
    TwipsSize assetWindowSize() const override;
    // The open frmAsset; nullptr when it is not open.
    FrmAsset* form() const;

private:
    AssetFormWork work_;
    std::function<Date()> today_;
};

// What asset entry's form does with stored assets and the company's checks: the work of its
// buttons as the program gives it.
AssetFormWork assetFormWork();

} // namespace assets

// Registers asset entry: its services and the menu items that reach them.
void registerAssets(SubsystemParts& parts);

} // namespace qel
