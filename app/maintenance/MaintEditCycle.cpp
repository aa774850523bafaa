// The maintenance window's edit cycle: loading the selected row into the edit fields, a new
// record, marking a change, "Save Changes?", Apply (check, then insert or update), UnDo, the
// list's rows after a write, the greyed fields of an empty table, and the status line.
#include "app/maintenance/FrmMaint.h"

#include "app/maintenance/MaintListModel.h"
#include "app/maintenance/rules/MaintCatalogue.h"
#include "app/maintenance/rules/MaintCells.h"
#include "app/maintenance/rules/MaintStatements.h"
#include "app/maintenance/rules/MaintValidation.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/FormParts.h"
#include "app/shell/ListSort.h"
#include "app/shell/MdiMain.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

#include <algorithm>
#include <cmath>

namespace qel {
namespace {

const QColor kWhite(255, 255, 255);
const QColor kGrey(0xE0, 0xE0, 0xE0);
const QColor kBlack(0, 0, 0);
const QColor kRedText(255, 0, 0);

void setFieldBack(QWidget& field, const QColor& colour) {
    QPalette p = field.palette();
    p.setColor(QPalette::Base, colour);
    field.setPalette(p);
}

} // namespace

QString FrmMaint::fieldText(int index) const {
    const QLineEdit* field = edit_->mskEdit.at(static_cast<std::size_t>(index));
    // A date field reads with its mask's separators and blanks, "  /  /    " when empty.
    return field->inputMask().isEmpty() ? field->text() : field->displayText();
}

void FrmMaint::setFieldText(int index, const QString& text) {
    QLineEdit* field = edit_->mskEdit.at(static_cast<std::size_t>(index));
    if (field->inputMask().isEmpty() && text.size() > field->maxLength())
        field->setMaxLength(static_cast<int>(text.size()));
    field->setText(text);
}

void FrmMaint::setFieldEnabled(int index, bool enabled) {
    QLineEdit* field = edit_->mskEdit.at(static_cast<std::size_t>(index));
    field->setEnabled(enabled);
    setFieldBack(*field, enabled ? kWhite : kGrey);
    if (const auto it = edit_->cboEdit.find(index); it != edit_->cboEdit.end() && it->second) {
        it->second->setEnabled(enabled);
        // A greyed pick list shows no choice, as its greyed field shows no text.
        if (!enabled)
            it->second->setCurrentIndex(-1);
    }
}

void FrmMaint::ItializeDataField() {
    if (!QuerySaveChanges())
        return;
    if (model_->rowCount() == 0)
        return;
    QModelIndex current = lvMain_->currentIndex();
    if (!current.isValid()) {
        current = proxy_->index(0, 0);
        lvMain_->setCurrentIndex(current);
    }
    MaintSelectedRow = proxy_->mapToSource(current).row();
    for (int i = 0; i < fieldCount(); ++i) {
        const std::string cell = maintCellText(model_->value(MaintSelectedRow, i));
        setFieldText(i, QString::fromStdString(maintEditText(cell, dateMask_[static_cast<std::size_t>(i)])));
        mskEdit_Change(i);
    }
    SaveTableIndexOfRecord();
    ResetLabelColors();
    UpdateMaintStatusBar(QString(), QString());
    MaintEditExisting = true;
    cmdNew->setEnabled(true);
    cmdDelete->setEnabled(true);
    cmdCancel->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdSave->setDefault(false);
}

void FrmMaint::NewRecord() {
    for (int i = 0; i < fieldCount(); ++i) {
        QLineEdit* field = edit_->mskEdit[static_cast<std::size_t>(i)];
        setFieldEnabled(i, true);
        field->clear();
        setTextColour(*lblEdit[static_cast<std::size_t>(i)], kBlack);
        if (const auto it = edit_->cboEdit.find(i); it != edit_->cboEdit.end() && it->second) {
            it->second->setCurrentIndex(it->second->count() > 0 ? 0 : -1);
            setFieldText(i, it->second->currentText());
        }
    }
    cmdCancel->setEnabled(true);
    cmdDelete->setEnabled(false);
    cmdNew->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdSave->setDefault(false);
    if (fieldCount() > 0 && !edit_->mskEdit[0]->isHidden())
        edit_->mskEdit[0]->setFocus();
    MaintRecordChanged = false;
    MaintEditExisting = false;
}

void FrmMaint::SetRecordChanged() {
    MaintRecordChanged = true;
    cmdSave->setEnabled(true);
    cmdSave->setDefault(true);
    cmdCancel->setEnabled(true);
    UpdateMaintStatusBar(QString(), QString());
}

void FrmMaint::ClearEditMode() {
    MaintEditExisting = false;
}

bool FrmMaint::AddSaveRecord() {
    if (!table_ || !bValid())
        return false;
    return MaintEditExisting ? SaveRecord() : AddRecord();
}

// Runs the open table's checks on the fields and shows their result.
bool FrmMaint::bValid() {
    std::vector<MaintFieldState> fields;
    const std::vector<Field>& listFields = model_->recordset().fields();
    for (int i = 0; i < fieldCount(); ++i) {
        const bool typed = !edit_->mskEdit[static_cast<std::size_t>(i)]->isHidden();
        fields.push_back(
            {fieldText(i).toStdString(), lblEdit[static_cast<std::size_t>(i)]->text().toStdString(), typed,
             typed ? maintNumberRange(listFields.at(static_cast<std::size_t>(i))) : std::nullopt});
    }
    const MaintValidation v = qel::bValid(table_->tableName, fields);
    for (int i = 0; i < fieldCount(); ++i) {
        const QString corrected = QString::fromStdString(fields[static_cast<std::size_t>(i)].text);
        if (corrected != fieldText(i))
            setFieldText(i, corrected);
    }
    ResetLabelColors();
    UpdateMaintStatusBar(QString::fromStdString(v.status), v.statusRed ? kRed : QString());
    for (int i : v.marked)
        setTextColour(*lblEdit.at(static_cast<std::size_t>(i)), kRedText);
    if (v.focus >= 0) {
        // A field under a pick list takes the focus on the list.
        QWidget* target = edit_->mskEdit.at(static_cast<std::size_t>(v.focus));
        if (target->isHidden())
            if (const auto it = edit_->cboEdit.find(v.focus); it != edit_->cboEdit.end() && it->second)
                target = it->second;
        target->setFocus();
    }
    return v.valid;
}

// The list values of the record in the fields: an empty field as Null (shown as one blank), the
// key last (Null until the caller sets it).
std::vector<Variant> FrmMaint::listValues() const {
    std::vector<Variant> values;
    for (int i = 0; i < fieldCount(); ++i) {
        const QString text = fieldText(i);
        values.push_back(text.isEmpty() ? Variant() : Variant(text.toStdString()));
    }
    values.emplace_back();
    return values;
}

void FrmMaint::ListViewAddRow() {
    std::vector<Variant> values = listValues();
    values.back() = Variant(RetrieveKey());
    model_->appendRecord(std::move(values));
    SortListView(*proxy_, 0, 129, 1);
    fitColumnsToRows();
}

void FrmMaint::ListviewUpdateRow() {
    std::vector<Variant> values = listValues();
    values.back() = model_->value(MaintSelectedRow, model_->columnCount() - 1);
    model_->setRecord(MaintSelectedRow, std::move(values));
    fitColumnsToRows();
}

void FrmMaint::CancelCmd() {
    MaintRecordChanged = false;
    ItializeDataField();
    ResetLabelColors();
    cmdCancel->setEnabled(false);
    cmdSave->setDefault(false);
    UpdateMaintStatusBar(QString(), QString());
}

bool FrmMaint::QuerySaveChanges() {
    if (!MaintRecordChanged)
        return true;
    switch (ui().messageBox(QStringLiteral("Save Changes?"), MsgButtons::YesNoCancel)) {
    case MsgResult::Yes:
        UpdateEditFields(*edit_);
        // A record the checks or the database refuse stays, changed, for the user to mend.
        if (!AddSaveRecord())
            return false;
        MaintRecordChanged = false;
        return true;
    case MsgResult::No:
        MaintRecordChanged = false;
        return true;
    default:
        return false;
    }
}

void FrmMaint::ResetLabelColors() {
    for (QLabel* label : lblEdit)
        setTextColour(*label, kBlack);
}

void FrmMaint::DisableEditFields() {
    cmdNew->setEnabled(true);
    cmdCancel->setEnabled(false);
    cmdDelete->setEnabled(false);
    cmdSave->setEnabled(false);
    cmdSave->setDefault(false);
    for (int i = 0; i < fieldCount(); ++i) {
        edit_->mskEdit[static_cast<std::size_t>(i)]->clear();
        setFieldEnabled(i, false);
    }
}

void FrmMaint::UpdateMaintStatusBar(const QString& message, const QString& colour) {
    lblStatusBar->setText(message);
    setTextColour(*lblStatusBar, colour.isEmpty() ? kMessageGreen : colourOfNumber(colour.toInt()));
    // A long message (the checks of several fields) takes as many lines as it needs, the list
    // giving up their height, so that the whole of it is read.
    const double needed = std::max(
        kMaintStatusHeight,
        std::ceil(pixelsToTwipsY(*lblStatusBar, lblStatusBar->heightForWidth(lblStatusBar->width()))));
    if (needed != statusHeight_) {
        statusHeight_ = needed;
        Form_Resize();
    }
}

} // namespace qel
