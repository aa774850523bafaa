// frmCompany: the modal company picker "Select Company". It lists every company by name, finds
// one from its first letters as they are typed, shows the selected company's id, and gives back
// what the user chose: a company (OK), a new company (New) or nothing (Cancel); "Show on start
// up." edits the default that opens the picker at start-up. It changes no program state: its
// caller does, with the choice.
//
// Open it with showCompanyPicker() (or pickCompany() in Startup.h, which acts on the choice): a new
// window each time, so the list is always fresh.
#pragma once

#include <QDialog>

#include <QString>

#include <cstdint>
#include <memory>

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace qel {

class CompanyPicker;

// What the user chose in the picker.
struct CompanyChoice {
    enum class Outcome {
        Cancelled,  // Cancel, Esc, the title bar, or a list that could not be loaded
        Chosen,     // OK on a company: id and name are its own
        NewCompany, // New: the user wants to add a company
    };
    Outcome outcome = Outcome::Cancelled;
    std::int32_t id = 0;
    QString name;
};

class FrmCompany : public QDialog {
    Q_OBJECT
public:
    explicit FrmCompany(QWidget* parent = nullptr);
    ~FrmCompany() override;

    // False when the company list could not be loaded; the window has then closed at once.
    bool loaded() const { return loaded_; }
    const CompanyPicker& picker() const { return *picker_; }
    // The user's choice; Cancelled until OK or New closes the window.
    const CompanyChoice& choice() const { return choice_; }
    // The selected row of the list; -1 when none is selected.
    int selectedRow() const;
    void selectRow(int row);

    void cmdOk_Click();
    void cmdNew_Click();

    // Every way of closing: stores the start-up switch when it changed.
    void done(int result) override;

    QGroupBox* fraEdit;
    QLabel* Label2;
    QLineEdit* txtClientList;
    QListView* lstPickClient;
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
    CompanyChoice choice_;
    bool loaded_ = false;
    bool ShowOnStartChanged = false;
    bool closed_ = false;
};

// Opens the company picker modally over the main window and returns the user's choice when it has
// closed (Cancelled when the list could not be loaded).
CompanyChoice showCompanyPicker();

} // namespace qel
