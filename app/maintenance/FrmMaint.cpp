// The maintenance window: its form table, the preparation for a table (list, edit fields, pick
// lists), its layout, the pick lists following their fields, sorting and closing. The edit cycle
// is in MaintEditCycle.cpp, the writers in MaintWriters.cpp.
#include "app/maintenance/FrmMaint.h"

#include "app/maintenance/MaintListModel.h"
#include "app/maintenance/rules/MaintCatalogue.h"
#include "app/maintenance/rules/MaintLayout.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/FormTable.h"
#include "app/shell/ListSort.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Startup.h"
#include "app/shell/TextRoutines.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"
#include "server/support/DeprSupport.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QTableView>
#include <QTimer>

#include <deque>

namespace qel {
namespace {

using K = ControlKind;

const FormDef& maintForm() {
    static const FormDef form = {
        .name = "frmMaint",
        .caption = "",
        .size = {.width = kMaintWidth, .height = kMaintHeight},
        .helpId = 600,
        .controls =
            {
                {.name = "lvMain",
                 .kind = K::TableView,
                 .at = {75, 45, 6135, 2655},
                 .font = {"Tahoma", 8.25},
                 .tabIndex = 0},
                {.name = "fraEdit", .kind = K::GroupBox, .at = {120, 2880, kMaintPanelWidth, 735}},
                {.name = "fraCmds",
                 .kind = K::GroupBox,
                 .at = {2040, 3840, kMaintCmdsWidth, kMaintCmdsHeight}},
                {.name = "cmdNew",
                 .kind = K::CommandButton,
                 .parent = "fraCmds",
                 .at = {240, 200, 715, 315},
                 .caption = "&New",
                 .tip = "Clear fields to add a new record.",
                 .tabIndex = 1},
                {.name = "cmdDelete",
                 .kind = K::CommandButton,
                 .parent = "fraCmds",
                 .at = {1200, 200, 715, 315},
                 .caption = "&Delete",
                 .tip = "Delete current record.",
                 .tabIndex = 2},
                {.name = "cmdCancel",
                 .kind = K::CommandButton,
                 .parent = "fraCmds",
                 .at = {2160, 200, 715, 315},
                 .caption = "&UnDo",
                 .tip = "Undo current changes.",
                 .tabIndex = 3},
                {.name = "cmdSave",
                 .kind = K::CommandButton,
                 .parent = "fraCmds",
                 .at = {3120, 200, 715, 315},
                 .caption = "&Apply",
                 .tip = "Apply current changes.",
                 .tabIndex = 4},
                {.name = "lblStatusBar",
                 .kind = K::Label,
                 .at = {60, 4680, 8175, kMaintStatusHeight},
                 .font = {"Tahoma", 8.25, true},
                 .style = kWordWrap},
            },
    };
    return form;
}

// The outer size of the window in twips: its child-window frame's, when it has one.
TwipsRect outerTwips(const QWidget& w) {
    const QWidget* frame = qobject_cast<const QMdiSubWindow*>(w.parentWidget());
    return windowTwips(frame ? *frame : w);
}

} // namespace

FrmMaint::FrmMaint(QWidget* parent)
    : QWidget(parent), edit_(std::make_unique<MaintEditControls>()), statusHeight_(kMaintStatusHeight) {
    const FormControls controls = buildForm(*this, maintForm());
    lvMain_ = controls.get<QTableView>("lvMain");
    fraEdit = controls.get<QGroupBox>("fraEdit");
    fraCmds = controls.get<QGroupBox>("fraCmds");
    cmdNew = controls.get<QPushButton>("cmdNew");
    cmdDelete = controls.get<QPushButton>("cmdDelete");
    cmdCancel = controls.get<QPushButton>("cmdCancel");
    cmdSave = controls.get<QPushButton>("cmdSave");
    lblStatusBar = controls.get<QLabel>("lblStatusBar");

    model_ = new MaintListModel(Recordset(), this);
    proxy_ = new ListSortProxy(this);
    proxy_->setSourceModel(model_);
    lvMain_->setModel(proxy_);
    lvMain_->setSelectionBehavior(QAbstractItemView::SelectRows);
    lvMain_->setSelectionMode(QAbstractItemView::SingleSelection);
    lvMain_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    lvMain_->verticalHeader()->hide();
    lvMain_->horizontalHeader()->setSectionsClickable(true);
    lvMain_->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    lvMain_->horizontalHeader()->setHighlightSections(false);
    // One line per record, as a list shows it.
    lvMain_->setWordWrap(false);
    lvMain_->verticalHeader()->setDefaultSectionSize(lvMain_->fontMetrics().height() + 6);

    connect(lvMain_, &QTableView::clicked, this, [this] { ItializeDataField(); });
    connect(lvMain_->horizontalHeader(), &QHeaderView::sectionClicked, this, &FrmMaint::lvMain_ColumnClick);
    connect(cmdNew, &QPushButton::clicked, this, [this] {
        ClearEditMode();
        NewRecord();
    });
    connect(cmdDelete, &QPushButton::clicked, this, &FrmMaint::DeleteRecord);
    connect(cmdCancel, &QPushButton::clicked, this, &FrmMaint::CancelCmd);
    connect(cmdSave, &QPushButton::clicked, this, [this] { AddSaveRecord(); });
    // UnDo is the window's cancel button; with nothing to undo, Esc closes the window as its close
    // box does. Apply is its default button once the record changed. The keys are the window's
    // only while the focus is in it, not in another child window.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WidgetWithChildrenShortcut);
    connect(escape, &QShortcut::activated, this, [this] {
        if (cmdCancel->isEnabled())
            cmdCancel->click();
        else if (auto* frame = qobject_cast<QMdiSubWindow*>(parentWidget()))
            frame->close();
    });
    for (const auto key : {Qt::Key_Return, Qt::Key_Enter}) {
        auto* enter = new QShortcut(QKeySequence(key), this);
        enter->setContext(Qt::WidgetWithChildrenShortcut);
        connect(enter, &QShortcut::activated, this, [this] {
            if (cmdSave->isDefault() && cmdSave->isEnabled())
                cmdSave->click();
        });
    }
    cmdSave->setEnabled(false);
    cmdCancel->setEnabled(false);
}

FrmMaint::~FrmMaint() = default;

QAbstractItemView& FrmMaint::lvMain() {
    return *lvMain_;
}

int FrmMaint::fieldCount() const {
    return static_cast<int>(edit_->mskEdit.size());
}

int FrmMaint::listPosition(const std::string& field) const {
    return fieldPosition(model_->recordset().fields(), field);
}

bool FrmMaint::DisplayInterface(const QString& tableKey) {
    const MaintTable* next = findMaintTable(tableKey.toStdString());
    if (!next) {
        ui().messageBox(QStringLiteral("Error in DisplayInterface ") +
                        QStringLiteral("There is no table \"") + tableKey +
                        QStringLiteral("\" to maintain.") + kErrorNumber + QString::number(0));
        return false;
    }
    // The open table's changed record is saved or dropped before another table is loaded, so a
    // save never writes one table's fields into another table.
    if (!QuerySaveChanges())
        return false;
    ResetEditFields();
    table_ = next;
    setWindowTitle(QString::fromStdString(next->caption));
    setProperty("HelpContextID", next->helpId);
    FillListView();
    addPickLists();
    if (model_->rowCount() == 0)
        DisableEditFields();
    if (const MdiMain* main = MdiMain::instance()) {
        QWidget* frame = qobject_cast<QMdiSubWindow*>(parentWidget());
        QWidget& outer = frame ? *frame : *this;
        const double room = windowTwips(*main).width - 500;
        if (next->fitToMainWindow) {
            setWindowWidth(outer, room);
        } else if (!outer.isMaximized()) {
            // Wide enough for every column of the list, as far as the main window allows.
            const int list = lvMain_->horizontalHeader()->length() + 2 * lvMain_->frameWidth() +
                             lvMain_->verticalScrollBar()->sizeHint().width();
            setWindowWidth(outer,
                           widthForList(pixelsToTwipsX(*lvMain_, list), windowTwips(outer).width, room));
        }
    }
    ItializeDataField();
    Form_Resize();
    UpdateMaintStatusBar(QString::number(model_->rowCount()) + QStringLiteral(" Items displayed."),
                         QString());
    return true;
}

// The list's columns and rows and the edit fields, from the open table's list recordset.
void FrmMaint::FillListView() {
    Recordset rows;
    const bool loaded =
        runWithErrorBox(QStringLiteral("Error in %1. ").arg(QString::fromStdString(table_->loader)),
                        [&] { rows = table_->load(programState().CurrentCompanyId()); });
    if (!loaded) {
        model_->show(Recordset(), {}, -1);
        return;
    }
    const MaintListLayout layout = layoutList(rows.fields());
    const int secret = fieldPosition(rows.fields(), table_->secretField);
    model_->show(std::move(rows), layout.columns, secret);
    const QHeaderView& header = *lvMain_->horizontalHeader();
    for (std::size_t i = 0; i < layout.columns.size(); ++i) {
        const auto column = static_cast<int>(i);
        lvMain_->setColumnHidden(column, i + 1 == layout.columns.size());
        // A column is never narrower than its title.
        const int title = header.fontMetrics().horizontalAdvance(
                              QString::fromStdString(layout.columns[i].title).trimmed()) +
                          header.fontMetrics().averageCharWidth() * 2;
        lvMain_->setColumnWidth(column, std::max(twipsToPixelsX(*lvMain_, layout.columns[i].width), title));
    }
    fitColumnsToRows();
    panelHeight_ = layout.panelHeight;
    edit_->MaintFieldCount = static_cast<int>(layout.columns.size());
    CreateEditFields();
    if (model_->rowCount() > 0)
        lvMain_->setCurrentIndex(proxy_->index(0, 0));
}

// Widens each shown column to its longest entry, so that the list cuts no value short.
void FrmMaint::fitColumnsToRows() {
    const QAbstractItemView& list = *lvMain_;
    for (int column = 0; column < proxy_->columnCount(); ++column)
        if (!lvMain_->isColumnHidden(column))
            lvMain_->setColumnWidth(column,
                                    std::max(lvMain_->columnWidth(column), list.sizeHintForColumn(column)));
}

// Builds the edit panel's captions and fields from the list's fields with the form builder.
void FrmMaint::CreateEditFields() {
    MaintListLayout layout = layoutList(model_->recordset().fields());
    const int secret = listPosition(table_->secretField);
    // Captions wider than their design place move their fields right, so that none is cut.
    std::vector<double> captionWidths;
    for (const MaintEditField& e : layout.fields)
        captionWidths.push_back(
            pixelsToTwipsX(*this, fontMetrics().horizontalAdvance(QString::fromStdString(e.caption))));
    fitCaptions(layout, captionWidths);
    // The builder reads names and captions while it runs; they live here until it is done.
    std::deque<std::string> texts;
    const auto keep = [&texts](std::string s) { return texts.emplace_back(std::move(s)).c_str(); };
    FormDef def{.name = "fraEditFields",
                .caption = "",
                .size = {0, 0, kMaintPanelWidth, panelHeight_},
                .controls = {}};
    for (const MaintEditField& e : layout.fields) {
        const std::string i = std::to_string(e.index);
        def.controls.push_back({.name = keep("lblEdit_" + i),
                                .kind = K::Label,
                                .at = {e.label.left, e.label.top, e.label.width, e.label.height},
                                .caption = keep(e.caption),
                                .buddy = keep("mskEdit_" + i)});
        def.controls.push_back({.name = keep("mskEdit_" + i),
                                .kind = K::TextBox,
                                .at = {e.field.left, e.field.top, e.field.width, e.field.height},
                                .font = {"Tahoma", 9},
                                .tabIndex = e.index,
                                // A password is typed unseen and never shown.
                                .style = e.index == secret ? kPassword : kPlain});
    }
    editFields_ = new QWidget(fraEdit);
    const FormControls controls = buildForm(*editFields_, def);
    for (const MaintEditField& e : layout.fields) {
        const QString i = QString::number(e.index);
        lblEdit.push_back(controls.get<QLabel>(QStringLiteral("lblEdit_") + i));
        QLineEdit* field = controls.get<QLineEdit>(QStringLiteral("mskEdit_") + i);
        if (e.dateMask)
            field->setInputMask(QStringLiteral("00/00/0000; "));
        else
            field->setMaxLength(e.lengthLimit);
        selectAllOnFocus(*field);
        field->installEventFilter(this);
        connect(field, &QLineEdit::textEdited, this, [this] {
            if (!MaintRecordChanged)
                SetRecordChanged();
        });
        edit_->mskEdit.push_back(field);
        dateMask_.push_back(e.dateMask);
    }
    editFields_->show();
}

// Turns the open table's pick-list fields into drop-down lists with their choices.
void FrmMaint::addPickLists() {
    for (const PickList& pick : table_->pickLists) {
        const int position = listPosition(pick.field);
        if (position < 0 || position >= fieldCount())
            continue;
        AddCboBox(*edit_, position);
        // The hidden field under a pick list holds the chosen entry, whatever its column's size.
        edit_->mskEdit.at(static_cast<std::size_t>(position))->setMaxLength(32767);
        QComboBox* combo = edit_->cboEdit.at(position);
        combo->clear();
        setFontOf(*combo, QStringLiteral("Tahoma"), 9, false);
        combo->setAccessibleName(lblEdit.at(static_cast<std::size_t>(position))->text());
        if (pick.fromAccounts) {
            runWithErrorBox(QStringLiteral("Error in DoClassMaint. "),
                            [&] { FillCboBox(DeprSupport().GetAccounts(), *combo, true, false); });
        } else {
            for (const PickChoice& choice : pick.choices) {
                combo->addItem(QString::fromStdString(choice.text));
                if (choice.itemData)
                    combo->setItemData(combo->count() - 1, *choice.itemData, kItemDataRole);
            }
        }
        // Its choices show whole, even where they are longer than the column's values.
        WidenToEntries(*combo);
        combo->installEventFilter(this);
        // Leaving a pick list puts its text into the field the checks and the writers read.
        connect(combo, &QComboBox::activated, this,
                [this, combo, position] { setFieldText(position, combo->currentText()); });
    }
    // The tab order: the list, the fields in their order (a pick list in its field's place), the
    // buttons.
    QWidget* previous = lvMain_;
    for (int i = 0; i < fieldCount(); ++i) {
        const auto it = edit_->cboEdit.find(i);
        QWidget* control = it != edit_->cboEdit.end() && it->second
                               ? static_cast<QWidget*>(it->second)
                               : edit_->mskEdit[static_cast<std::size_t>(i)];
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
    for (QWidget* button : {cmdNew, cmdDelete, cmdCancel, cmdSave}) {
        QWidget::setTabOrder(previous, button);
        previous = button;
    }
}

// Removes the edit fields of the open table, leaving an empty one-row panel.
void FrmMaint::ResetEditFields() {
    delete editFields_;
    editFields_ = nullptr;
    edit_->mskEdit.clear();
    edit_->cboEdit.clear();
    edit_->MaintFieldCount = 0;
    lblEdit.clear();
    dateMask_.clear();
    panelHeight_ = 735;
    MaintEditExisting = false;
    MaintRecordChanged = false;
    UpdateMaintStatusBar(QString(), QString());
}

void FrmMaint::Form_Resize() {
    const TwipsRect outer = outerTwips(*this);
    const MaintWindowLayout l = layoutWindow(outer.width, outer.height, panelHeight_, statusHeight_);
    setTwipsGeometry(*lvMain_, l.list.left, l.list.top, l.list.width, l.list.height);
    setTwipsGeometry(*fraEdit, l.panel.left, l.panel.top, l.panel.width, l.panel.height);
    setTwipsGeometry(*fraCmds, l.commands.left, l.commands.top, l.commands.width, l.commands.height);
    setTwipsGeometry(*lblStatusBar, l.status.left, l.status.top, l.status.width, l.status.height);
}

void FrmMaint::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

// Puts pick list `index` on its field's text, or fills an empty field from the pick list.
void FrmMaint::mskEdit_Change(int index) {
    const auto it = edit_->cboEdit.find(index);
    if (it == edit_->cboEdit.end() || !it->second || it->second->count() == 0)
        return;
    QComboBox* combo = it->second;
    QLineEdit* field = edit_->mskEdit.at(static_cast<std::size_t>(index));
    combo->setCurrentIndex(std::min(1, combo->count() - 1));
    if (field->text().isEmpty())
        setFieldText(index, combo->currentText());
    else
        combo->setCurrentIndex(GetCboIndex(field->text(), *combo));
}

void FrmMaint::SaveTableIndexOfRecord() {
    MaintKeyValue =
        QString::fromStdString(model_->value(MaintSelectedRow, model_->columnCount() - 1).toString());
}

// A header click sorts by that column as its field's type reads; a second click reverses.
void FrmMaint::lvMain_ColumnClick(int column) {
    SortListView(*proxy_, column, model_->sortTypeCode(column), 0);
}

bool FrmMaint::eventFilter(QObject* watched, QEvent* event) {
    const bool combo = qobject_cast<QComboBox*>(watched) != nullptr;
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        // Keys that move on, undo or apply are not typing.
        const bool typing = key != Qt::Key_Tab && key != Qt::Key_Backtab && key != Qt::Key_Escape &&
                            key != Qt::Key_Return && key != Qt::Key_Enter;
        if (typing)
            SetRecordChanged();
    } else if (combo && event->type() == QEvent::MouseButtonPress) {
        // Opening a pick list counts as a change.
        SetRecordChanged();
    }
    return QWidget::eventFilter(watched, event);
}

void FrmMaint::closeEvent(QCloseEvent* event) {
    if (!QuerySaveChanges()) {
        event->ignore();
        return;
    }
    event->accept();
    const QWidget* frame = qobject_cast<const QMdiSubWindow*>(parentWidget());
    SaveWindowPosition(frame ? *frame : *this);
    // Opened from the company picker's New button: the picker comes back once this window is gone.
    if (programState().NewFromCompanyPicker())
        QTimer::singleShot(0, [] { pickCompany(); });
}

} // namespace qel
