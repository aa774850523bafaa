// frmMaint: the one maintenance window, which lists and edits one of the eight maintained tables
// at a time (MaintCatalogue.h): a list of the table's rows (lvMain), an edit panel (fraEdit)
// with one caption and one edit field per column but the hidden key, two to a row, some fields
// shown as pick lists, the buttons New, Delete, UnDo and Apply, and its own status line.
//
// The window always holds one record in its edit fields: a row of the list, which Apply
// updates, or a new record, which Apply inserts. A changed record is never left without the
// question "Save Changes?": not for another row, not for another table, not when the window
// closes. A failed statement is reported and the edits stay.
//
// Its columns, captions, edit fields and their sizes come from the list recordset's fields
// (MaintLayout.h); its checks (MaintValidation.h) and statements (MaintStatements.h) are the
// rules library's, tested without widgets.
#pragma once

#include <QString>
#include <QWidget>

#include <cstdint>
#include <memory>
#include <vector>

class QCloseEvent;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QResizeEvent;
class QAbstractItemView;
class QTableView;

namespace qel {

struct MaintEditControls;
struct MaintEditValue;
struct MaintTable;
struct SqlStatement;
class ListSortProxy;
class MaintListModel;
class Variant;

// (Only Qt's headers and declarations here: moc reads this header.)
class FrmMaint : public QWidget {
    Q_OBJECT
public:
    explicit FrmMaint(QWidget* parent = nullptr);
    ~FrmMaint() override;

    // Prepares the window for the table of the key: caption, help topic, list, edit fields and
    // pick lists, the first row in the edit fields, "<n> Items displayed.". Asks "Save Changes?"
    // first when the open table's record is changed; false, with the open table kept, when the
    // answer is Cancel or the save fails. Failures are shown ("Error in DisplayInterface ",
    // "Error in <loader>. ").
    bool DisplayInterface(const QString& tableKey);
    // The open table; nullptr before the first.
    const MaintTable* table() const { return table_; }

    // The edit cycle.
    void ItializeDataField();
    void NewRecord();
    // Checks the record, then inserts or updates it: false when a check or the statement fails.
    bool AddSaveRecord();
    void CancelCmd();
    // True when the caller may leave the record: it is unchanged, or "Save Changes?" was
    // answered No, or Yes and the save succeeded.
    bool QuerySaveChanges();
    void ResetLabelColors();
    void DisableEditFields();
    void UpdateMaintStatusBar(const QString& message, const QString& colour);
    void ClearEditMode();
    void SetRecordChanged();

    // The writers: insert or update the record, delete the selected row. True when stored.
    bool AddRecord();
    bool SaveRecord();
    void DeleteRecord();

    QAbstractItemView& lvMain();
    // The edit fields, pick lists and the number of list fields.
    const MaintEditControls& editControls() const { return *edit_; }
    // The text an edit field holds, as the checks and the writers read it.
    QString fieldText(int index) const;

    QGroupBox* fraEdit;
    QGroupBox* fraCmds;
    QPushButton* cmdNew;
    QPushButton* cmdDelete;
    QPushButton* cmdCancel;
    QPushButton* cmdSave;
    QLabel* lblStatusBar;
    std::vector<QLabel*> lblEdit;

    // State of the open record.
    bool MaintEditExisting = false;
    bool MaintRecordChanged = false;
    int MaintSelectedRow = -1;
    QString MaintKeyValue;

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FillListView();
    void fitColumnsToRows();
    void CreateEditFields();
    void addPickLists();
    void ResetEditFields();
    void Form_Resize();
    void mskEdit_Change(int index);
    void SaveTableIndexOfRecord();
    void lvMain_ColumnClick(int column);
    void ListViewAddRow();
    void ListviewUpdateRow();
    bool bValid();
    bool RunSQL(const SqlStatement& statement);
    std::int32_t RetrieveKey();
    bool CheckForClassID(std::int32_t classId);
    // The writers' view of the edit fields.
    std::vector<MaintEditValue> editValues() const;
    std::vector<Variant> listValues() const;
    void setFieldEnabled(int index, bool enabled);
    // Puts a text into edit field i whole: the length limit holds back typing, never a stored value.
    void setFieldText(int index, const QString& text);
    int fieldCount() const;
    // The position of the open table's list field of that name (MaintCatalogue.h); -1 when none.
    int listPosition(const std::string& field) const;

    QTableView* lvMain_;
    ListSortProxy* proxy_;
    MaintListModel* model_;
    QWidget* editFields_ = nullptr;
    std::unique_ptr<MaintEditControls> edit_;
    std::vector<bool> dateMask_;
    const MaintTable* table_ = nullptr;
    double panelHeight_ = 735;
    double statusHeight_ = 0; // twips: the lines the status message needs (one at first)
};

} // namespace qel
