// Asset entry's services and registration.
#include "app/assets/Assets.h"

#include "app/assets/AssetForm.h"
#include "app/assets/AssetStorage.h"
#include "app/assets/Frm179Data.h"
#include "app/assets/FrmAsset.h"
#include "app/assets/FrmMidQtr.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/MdiMain.h"
#include "app/shell/Subsystems.h"

#include <QMdiSubWindow>

namespace qel {
namespace assets {
namespace {

const QString kKey = QStringLiteral("frmAsset");

} // namespace

AssetEntry::AssetEntry(AssetFormWork work, std::function<Date()> today)
    : work_(std::move(work)), today_(std::move(today)) {}

void AssetEntry::showAsset() {
    if (MdiMain* main = MdiMain::instance())
        main->childWindows().open(kKey, [this] { return new FrmAsset(work_, today_); });
}

bool AssetEntry::unloadAsset() {
    const MdiMain* main = MdiMain::instance();
    QMdiSubWindow* window = main ? main->childWindows().find(kKey) : nullptr;
    return !window || window->close();
}

TwipsSize AssetEntry::assetWindowSize() const {
    const FormDef& def = assetFormDef();
    return {def.size.width, def.size.height};
}

FrmAsset* AssetEntry::form() const {
    const MdiMain* main = MdiMain::instance();
    const QMdiSubWindow* window = main ? main->childWindows().find(kKey) : nullptr;
    return window ? qobject_cast<FrmAsset*>(window->widget()) : nullptr;
}

AssetFormWork assetFormWork() {
    AssetFormWork work;
    addStorageWork(work);
    work.Do179Deduction = Do179Deduction;
    work.ShowMidQtrCheck = ShowMidQtrCheck;
    return work;
}

} // namespace assets

void registerAssets(SubsystemParts& parts) {
    registerServices(parts.make<assets::AssetEntry>(assets::assetFormWork()));
}

} // namespace qel
