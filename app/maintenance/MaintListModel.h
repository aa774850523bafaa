// The maintenance window's list: the table model over the list recordset, its cells shown as the
// window shows them (Null as one blank, Yes/No values as "Yes" or "No", a secret column masked),
// numbers and dates right-aligned after the first column.
#pragma once

#include "app/maintenance/rules/MaintLayout.h"
#include "app/shell/RecordsetModel.h"

#include <vector>

namespace qel {

class MaintListModel : public RecordsetModel {
public:
    using RecordsetModel::RecordsetModel;

    // Shows the rows with the columns' alignments of the layout; secretColumn (-1: none) shows a
    // mask in place of every value it holds.
    void show(Recordset rows, const std::vector<MaintColumn>& columns, int secretColumn);

    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    std::vector<bool> rightAligned_;
};

} // namespace qel
