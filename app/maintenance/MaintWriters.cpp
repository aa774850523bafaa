// The maintenance window's writers: the insert of a new record, the update of the selected row,
// the deletion of the selected row, with their messages; the statements are the rules library's
// (MaintStatements.h) and run on the data server's shared connection.
#include "app/maintenance/FrmMaint.h"

#include "app/maintenance/MaintListModel.h"
#include "app/maintenance/rules/MaintStatements.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/ListSort.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "server/data/Db.h"
#include "server/support/DeprSupport.h"

#include <QComboBox>
#include <QLabel>
#include <QTableView>

namespace qel {
namespace {

// What the shell's row removal needs of the window.
class ListHost : public MaintListHost {
public:
    explicit ListHost(FrmMaint& window) : window_(window) {}
    QAbstractItemView& lvMain() override { return window_.lvMain(); }
    void ClearEditMode() override { window_.ClearEditMode(); }
    void NewRecord() override { window_.NewRecord(); }
    void ItializeDataField() override { window_.ItializeDataField(); }
    void UpdateMaintStatusBar(const QString& message, const QString& colour) override {
        window_.UpdateMaintStatusBar(message, colour);
    }

private:
    FrmMaint& window_;
};

} // namespace

std::vector<MaintEditValue> FrmMaint::editValues() const {
    std::vector<MaintEditValue> values;
    for (int i = 0; i < fieldCount(); ++i) {
        std::optional<std::int32_t> data;
        if (const auto it = edit_->cboEdit.find(i); it != edit_->cboEdit.end() && it->second) {
            const QComboBox& combo = *it->second;
            if (combo.currentIndex() >= 0 && combo.itemData(combo.currentIndex(), kItemDataRole).isValid())
                data = itemData(combo, combo.currentIndex());
        }
        values.push_back({fieldText(i).toStdString(), data});
    }
    return values;
}

// Runs the statement: true when the database took it. A duplicate key shows "Can't add record.
// Duplicate Key field."; any other failure its cause, number and source.
bool FrmMaint::RunSQL(const SqlStatement& statement) {
    try {
        db().ExecuteSql(statement.sql, statement.params);
        return true;
    } catch (const ServerError& e) {
        if (isDuplicateKey(e)) {
            ui().messageBox(QStringLiteral("Can't add record. Duplicate Key field."));
        } else {
            lblStatusBar->setText(QString());
            ui().messageBox(sourcedErrorText(QString(), currentError()));
        }
        return false;
    }
}

std::int32_t FrmMaint::RetrieveKey() {
    std::int32_t key = 0;
    runWithErrorBox(QStringLiteral("Error in RetrieveKey. "), [&] {
        key = db().ReturnValue(RetrieveKeySql(*table_, model_->recordset().fields())).toInt32();
    });
    return key;
}

bool FrmMaint::AddRecord() {
    bool added = false;
    runWithErrorBox(QStringLiteral("Error in AddRecord. "), [&] {
        const MaintRecord record{*table_, model_->recordset().fields(), editValues(),
                                 programState().CurrentCompanyId()};
        added = RunSQL(CreateInsertSQL(record));
    });
    if (!added) {
        UpdateMaintStatusBar(QStringLiteral("Add failed."), kRed);
        return false;
    }
    ListViewAddRow();
    UpdateMaintStatusBar(QStringLiteral("Record Added."), QString());
    NewRecord();
    return true;
}

bool FrmMaint::SaveRecord() {
    bool saved = false;
    runWithErrorBox(QStringLiteral("Error in SaveRecord. "), [&] {
        const MaintRecord record{*table_, model_->recordset().fields(), editValues(),
                                 programState().CurrentCompanyId()};
        saved = RunSQL(CreateUpdateSQL(record, MaintKeyValue.toStdString()));
    });
    if (!saved) {
        UpdateMaintStatusBar(QStringLiteral("Update failed."), kRed);
        return false;
    }
    ListviewUpdateRow();
    UpdateMaintStatusBar(QStringLiteral("Record Updated."), QString());
    ClearEditMode();
    NewRecord();
    return true;
}

void FrmMaint::DeleteRecord() {
    if (!table_ || MaintSelectedRow < 0)
        return;
    if (ui().messageBox(QStringLiteral("Delete ") + fieldText(0), MsgButtons::OkCancel, MsgIcon::Question,
                        QStringLiteral("Confirm Delete"), MsgResult::Cancel) != MsgResult::Ok)
        return;
    if (table_->tableName == "tblDeprClass" && CheckForClassID(MaintKeyValue.toInt()))
        return;
    bool deleted = false;
    runWithErrorBox(QStringLiteral("Error in DeleteRecord. "), [&] {
        deleted = RunSQL(CreateDeleteSQL(*table_, model_->recordset().fields(), MaintKeyValue.toStdString()));
    });
    if (!deleted)
        return;
    // The row removed from the list is the one whose record was deleted, even when the highlight
    // moved to another row since it was loaded.
    lvMain_->setCurrentIndex(proxy_->mapFromSource(model_->index(MaintSelectedRow, 0)));
    ListHost host(*this);
    RemoveSortedItem(host);
    if (model_->rowCount() == 0)
        DisableEditFields();
}

// True, with the status line saying so, when an asset uses the class.
bool FrmMaint::CheckForClassID(std::int32_t classId) {
    bool used = false;
    runWithErrorBox(QStringLiteral("Error in CheckForClassID. "), [&] {
        if (DeprSupport().CheckClassId(classId) > 0) {
            used = true;
            UpdateMaintStatusBar(
                lblStatusBar->text() + QStringLiteral(" Can't Delete Class Id is used by an Asset.  "), kRed);
        }
    });
    return used;
}

} // namespace qel
