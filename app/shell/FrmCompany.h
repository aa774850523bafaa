// frmCompany: the modal company picker "Select Company". It lists every company by name, finds
// one from its first letters as they are typed, shows the selected company's id, and on OK makes
// it the current company and names it in the main window's caption. New hands over to company
// maintenance (which brings the picker back when it closes); "Show on start up." edits the
// default that opens the picker at start-up.
//
// Open it with showCompanyPicker(): a new window each time, so the list is always fresh.
#pragma once

#include <QDialog>

#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace qel {

class CompanyPicker;

class FrmCompany : public QDialog {
    Q_OBJECT
public:
    explicit FrmCompany(QWidget* parent = nullptr);
    ~FrmCompany() override;

    // False when the company list could not be loaded; the window has then closed at once.
    bool loaded() const { return loaded_; }
    const CompanyPicker& picker() const { return *picker_; }

    void cmdOk_Click();
    void cmdNew_Click();

    // Every way of closing: stores the start-up switch when it changed, clears the New flag.
    void done(int result) override;

    QGroupBox* fraEdit;
    QLabel* Label2;
    QLineEdit* txtClientList;
    QListWidget* lstPickClient;
    QPushButton* cmdNew;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QLabel* lblCompanyId;
    QCheckBox* chkShowOnStart;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void load();
    bool GetListData();
    void txtClientList_Change(const QString& text);
    void txtClientList_Return();
    void lstPickClient_Selected(int row);

    // The list and type-ahead (kept out of this header, which moc reads).
    std::unique_ptr<CompanyPicker> picker_;
    bool loaded_ = false;
    bool ShowOnStartChanged = false;
    bool closed_ = false;
};

// Opens the company picker modally over the main window and returns when it has closed. Used by
// the start-up sequence, "Set Company", a new database path, and the maintenance window's close
// after the picker's New button.
void showCompanyPicker();

} // namespace qel
