// What the main window's menus need of asset entry: the asset maintenance window frmAsset, one
// instance created on first use. The shell touches no member or control of it.
#pragma once

namespace qel {

class AssetEntryServices {
public:
    virtual ~AssetEntryServices() = default;
    // Shows frmAsset without waiting (modeless), creating it on first use.
    virtual void showAsset() = 0;
    // Unloads frmAsset when it is loaded, running its own unload steps; nothing when it is not.
    virtual void unloadAsset() = 0;
};

} // namespace qel
