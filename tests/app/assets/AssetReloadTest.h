// Loading an asset into the asset form and saving it without an edit stores nothing new: every
// asset of the sample database and a table of crafted assets, through the real form opened from
// the main window's menu.
// The class is declared apart from the project's headers, so that moc reads only Qt's.
#pragma once

#include <QObject>

namespace qel::test {

class AssetReloadTest : public QObject {
    Q_OBJECT
private slots:
    void everySampleAssetSavesBackUnchanged();
    void craftedAssetsSaveBackUnchanged_data();
    void craftedAssetsSaveBackUnchanged();
    void aCappedCarShowsTheBonusBoxItWasSavedWith();
};

} // namespace qel::test
