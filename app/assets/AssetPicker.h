// The asset picker cboAssets: the current company's assets by description, each entry's item
// data its asset number, shown through a model over the data server's asset list (never one
// widget item per asset), so the window opens at once for a company of 100,000 assets; typing
// completes a description from the list.
#pragma once

#include "app/shell/RecordsetModel.h"

#include <cstdint>
#include <optional>

class QComboBox;

namespace qel::assets {

// The rows of CompanyPersist::GetAssetList (Asset_name, Asset_num): the description without
// blanks at either end shown and completed, the asset number under the item data role.
class AssetPickerModel : public RecordsetModel {
public:
    explicit AssetPickerModel(QObject* parent = nullptr);
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
};

class AssetPicker {
public:
    explicit AssetPicker(QComboBox& cboAssets);

    // Refills the picker with the company's assets placed in service in the fiscal year (0: every
    // year), by description, without a choice. A failure shows "Error in GetAssetList " with its
    // cause and leaves the picker as it was.
    void GetAssetList(std::int32_t companyId, std::int16_t year);
    // Appends a newly stored asset: its description, its number as item data; the choice stays.
    void AddNewAssetToCboBox(std::int32_t assetId, const QString& description);
    // Removes the entries of the asset number (none when no entry has it), so a description that
    // was edited after loading, or that two assets share, never removes another asset.
    void RemoveAssetFromCboBox(std::int32_t assetId);
    // The asset number of the chosen entry; nothing when no entry is chosen.
    std::optional<std::int32_t> chosenAsset() const;

    QComboBox& combo() const { return cbo_; }
    AssetPickerModel& model() const { return *model_; }

private:
    QComboBox& cbo_;
    AssetPickerModel* model_; // owned by the combo box
};

} // namespace qel::assets
