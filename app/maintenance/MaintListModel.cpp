// The maintenance list's model.
#include "app/maintenance/MaintListModel.h"

#include "app/maintenance/rules/MaintCells.h"

namespace qel {

void MaintListModel::show(Recordset rows, const std::vector<MaintColumn>& columns, int secretColumn) {
    rightAligned_.clear();
    for (const MaintColumn& c : columns)
        rightAligned_.push_back(c.rightAligned);
    const auto count = static_cast<int>(rows.fieldCount());
    setRecordset(std::move(rows));
    for (int column = 0; column < count; ++column) {
        if (column == secretColumn)
            setFormatter(column, [](const Variant& v) {
                return maintCellText(v).empty() ? QString() : QStringLiteral("********");
            });
        else
            setFormatter(column, [](const Variant& v) { return QString::fromStdString(maintCellText(v)); });
    }
}

QVariant MaintListModel::data(const QModelIndex& index, int role) const {
    if (role == Qt::TextAlignmentRole && index.isValid()) {
        const auto c = static_cast<std::size_t>(index.column());
        const bool right = c < rightAligned_.size() && rightAligned_[c];
        return QVariant::fromValue(Qt::AlignVCenter | (right ? Qt::AlignRight : Qt::AlignLeft));
    }
    return RecordsetModel::data(index, role);
}

} // namespace qel
