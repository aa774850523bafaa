// The asset picker.
#include "app/assets/AssetPicker.h"

#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "server/support/CompanyPersist.h"

#include <QComboBox>
#include <QCompleter>
#include <QListView>

namespace qel::assets {

AssetPickerModel::AssetPickerModel(QObject* parent) : RecordsetModel({}, parent) {
    setFormatter(0, [](const Variant& name) { return defaultText(name).trimmed(); });
}

QVariant AssetPickerModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    if (role == kItemDataRole)
        return value(index.row(), 1).toInt32();
    // The completer matches on the edit text.
    if (role == Qt::EditRole)
        role = Qt::DisplayRole;
    return RecordsetModel::data(index, role);
}

AssetPicker::AssetPicker(QComboBox& cboAssets) : cbo_(cboAssets), model_(new AssetPickerModel(&cboAssets)) {
    cbo_.setModel(model_);
    cbo_.setModelColumn(0);
    // Typing looks an asset up; it never adds an entry.
    cbo_.setInsertPolicy(QComboBox::NoInsert);
    // Sizing to the widest of every entry would measure each of them; the window's layout gives
    // the width, and the list is widened once it is filled.
    cbo_.setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (auto* view = qobject_cast<QListView*>(cbo_.view()))
        view->setUniformItemSizes(true);
    if (QCompleter* completer = cbo_.completer()) {
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setCompletionMode(QCompleter::InlineCompletion);
    }
}

void AssetPicker::GetAssetList(std::int32_t companyId, std::int16_t year) {
    runWithErrorBox(
        QStringLiteral("Error in GetAssetList "),
        [&] {
            CompanyPersist companies;
            model_->setRecordset(companies.GetAssetList(companyId, year));
            cbo_.setCurrentIndex(-1);
        },
        kBlank);
}

void AssetPicker::AddNewAssetToCboBox(std::int32_t assetId, const QString& description) {
    // A picker whose list never came has no fields yet: it takes the list's two.
    if (model_->recordset().fieldCount() < 2)
        model_->setRecordset(
            Recordset({{"Asset_name", FieldType::Text, 50}, {"Asset_num", FieldType::Integer, 4}}));
    const int chosen = cbo_.currentIndex();
    model_->appendRecord({Variant(description.toStdString()), Variant(assetId)});
    cbo_.setCurrentIndex(chosen);
}

void AssetPicker::RemoveAssetFromCboBox(std::int32_t assetId) {
    for (int row = model_->rowCount() - 1; row >= 0; --row)
        if (model_->value(row, 1).toInt32() == assetId)
            model_->removeRows(row, 1);
}

std::optional<std::int32_t> AssetPicker::chosenAsset() const {
    if (cbo_.currentIndex() < 0)
        return std::nullopt;
    return itemData(cbo_, cbo_.currentIndex());
}

} // namespace qel::assets
