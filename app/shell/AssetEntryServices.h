// What the main window's menus need of asset entry: the asset maintenance window frmAsset, one
// instance created on first use. The shell touches no member or control of it.
#pragma once

namespace qel {

// A window's client area in twips.
struct TwipsSize {
    double width = 0;  // twips
    double height = 0; // twips
};

class AssetEntryServices {
public:
    virtual ~AssetEntryServices() = default;
    // The client area of frmAsset: the main window opens large enough to show it whole when no
    // position of its own is stored. Nothing by default.
    virtual TwipsSize assetWindowSize() const { return {}; }
    // Shows frmAsset without waiting (modeless), creating it on first use.
    virtual void showAsset() = 0;
    // Unloads frmAsset when it is loaded, running its own unload steps ("Save Changes?" for
    // unsaved edits); nothing when it is not. False when the form refused to close (the user
    // cancelled, or a save they asked for failed): the caller must not change the company under it.
    virtual bool unloadAsset() = 0;
};

} // namespace qel
