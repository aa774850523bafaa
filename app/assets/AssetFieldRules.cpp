// The asset form's field rules on its controls.
#include "app/assets/AssetFieldRules.h"

#include "app/assets/AssetForm.h"
#include "app/assets/AssetLists.h"
#include "app/assets/AssetPicker.h"
#include "app/assets/AssetStorage.h"
#include "app/assets/BooksPanel.h"
#include "app/assets/FrmAsset.h"
#include "app/assets/rules/AssetRecord.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FormParts.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace qel::assets {
namespace {

QString q(const std::string& s) {
    return QString::fromStdString(s);
}

std::string s(const QString& text) {
    return text.toStdString();
}

void clearStatus() {
    DisplayMsg(QString(), QString());
}

// The character a key press types; 0 for none (a key without text, a shortcut with Ctrl, Alt or
// Meta, Delete). A control key of its own (Backspace, Enter) types its control character.
char32_t typedCharacter(const QKeyEvent& key) {
    const QString text = key.text();
    if (text.isEmpty() || (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)))
        return 0;
    const char32_t c = text.toUcs4().value(0);
    return c == 0x7f ? 0 : c;
}

// Tab and Backtab move between fields: their press belongs to the field left, their release to
// the field reached, and neither is the user's typing in a field.
bool movesBetweenFields(const QKeyEvent& key) {
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

} // namespace

AssetFieldRules::AssetFieldRules(FrmAsset& form) : f_(form) {
    wireSearchBand();
    wireAssetFrame();
    wireFederalColumn();
    wireBookColumns();
    connect(qApp, &QApplication::focusChanged, this, &AssetFieldRules::focusChanged);
}

AssetFieldRules::~AssetFieldRules() = default;

void AssetFieldRules::MarkChanged() {
    f_.cmdSave->setEnabled(true);
    f_.flags.assetChanged = true;
}

void AssetFieldRules::MarkDescriptionChanged() {
    f_.cmdSave->setEnabled(true);
    f_.flags.descriptionChanged = true;
}

AssetFieldRules::Rules& AssetFieldRules::on(QWidget* control) {
    const auto [it, added] = rules_.try_emplace(control);
    if (added)
        control->installEventFilter(this);
    return it->second;
}

void AssetFieldRules::onEdit(QLineEdit* box, std::function<void()> edited) {
    // The rules of an editable list are the list's, not its text box's.
    auto* list = qobject_cast<QComboBox*>(box->parentWidget());
    const Rules& rules = on(list && list->lineEdit() == box ? static_cast<QWidget*>(list) : box);
    connect(box, &QLineEdit::textEdited, this,
            [box, &rules, edited = std::move(edited)](const QString& text) {
                // A paste or a drop is refused whole when the filter would drop one of its characters.
                if (rules.numeric && !NumericTextPasses(text.toStdU32String())) {
                    box->undo();
                    ui().beep();
                    return;
                }
                if (edited)
                    edited();
            });
}

void AssetFieldRules::onList(QComboBox* list, std::function<void()> opened) {
    dropDowns_[list->view()->parentWidget()] = list;
    list->view()->parentWidget()->installEventFilter(this);
    on(list).listOpened = opened;
    connect(list, &QComboBox::activated, this, [opened] { opened(); });
}

bool AssetFieldRules::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (const auto list = dropDowns_.find(watched); list != dropDowns_.end()) {
            if (const Rules& r = rules_[list->second]; r.listOpened)
                r.listOpened();
        }
        return false;
    }
    if (event->type() != QEvent::KeyPress && event->type() != QEvent::KeyRelease)
        return false;
    const auto found = rules_.find(watched);
    const auto& key = static_cast<const QKeyEvent&>(*event);
    if (found == rules_.end() || movesBetweenFields(key))
        return false;
    const Rules& r = found->second;
    if (event->type() == QEvent::KeyRelease) {
        if (r.keyUp && !key.isAutoRepeat())
            r.keyUp();
        return false;
    }
    if (r.keyDown)
        r.keyDown();
    const char32_t c = typedCharacter(key);
    if (c == 0)
        return false;
    const bool dropped = r.numeric && !NumericKeyPasses(c);
    if (dropped)
        ui().beep();
    if (r.typed)
        r.typed(c);
    return dropped;
}

void AssetFieldRules::focusChanged(QWidget* old, QWidget* now) {
    // Only a move to another control of this form leaves a field: not the opening of a list's
    // drop-down, a box or another window.
    // Coming back from a list's own drop-down is not arriving in the list.
    const auto dropDown = old ? dropDowns_.find(old->window()) : dropDowns_.end();
    const bool backFromOwnList = dropDown != dropDowns_.end() && dropDown->second == now;
    if (now && f_.isAncestorOf(now) && !backFromOwnList) {
        if (const auto r = rules_.find(now); r != rules_.end() && r->second.focusGained)
            r->second.focusGained();
    }
    if (!old || !now || !f_.isAncestorOf(now) || !f_.isAncestorOf(old))
        return;
    if (const auto r = rules_.find(old); r != rules_.end() && r->second.validate)
        r->second.validate();
}

// ---- The rules of the controls ------------------------------------------------------------

void AssetFieldRules::wireSearchBand() {
    Rules& year = on(f_.txtYear);
    year.numeric = true;
    year.typed = [this](char32_t c) {
        // A year drops a typed asset number; a full stop or a control key (Backspace) does not.
        if (c != U'.' && c >= 32)
            f_.txtAssetID->clear();
    };
    year.validate = [this] { yearFilterLeft(); };
    onEdit(f_.txtYear, {});

    onList(f_.cboAssets, [this] {
        f_.txtAssetID->clear();
        clearStatus();
    });

    Rules& assetId = on(f_.txtAssetID);
    assetId.numeric = true;
    assetId.typed = [this](char32_t c) {
        if (c >= U'0' && c <= U'9') {
            f_.cboAssets->setCurrentIndex(-1);
            f_.cboAssets->clearEditText();
            f_.txtYear->clear();
        }
    };
    assetId.validate = clearStatus;
    onEdit(f_.txtAssetID, {});
}

void AssetFieldRules::wireAssetFrame() {
    Rules& description = on(f_.txtDescription);
    description.focusGained = [this] { f_.txtDescription->selectAll(); };
    const auto descriptionTyped = [this] {
        MarkChanged();
        f_.flags.refreshPicker = true;
    };
    description.keyDown = descriptionTyped;
    onEdit(f_.txtDescription, descriptionTyped);

    Rules& inService = on(f_.txtInService);
    inService.focusGained = [this] { f_.txtInService->selectAll(); };
    inService.typed = [this](char32_t) {
        clearStatus();
        MarkChanged();
    };
    inService.validate = [this] { inServiceLeft(); };
    onEdit(f_.txtInService, [this] { MarkChanged(); });

    Rules& sold = on(f_.mskSold);
    sold.typed = [this](char32_t) { MarkChanged(); };
    sold.keyUp = [this] { MarkChanged(); };
    onEdit(f_.mskSold, [this] { MarkChanged(); });

    for (QLineEdit* box : {f_.txtTagNbr, f_.txtSerialNbr}) {
        on(box).typed = [this](char32_t) { MarkDescriptionChanged(); };
        onEdit(box, [this] { MarkDescriptionChanged(); });
    }
    onList(f_.cboLocations, [this] {
        MarkChanged();
        f_.flags.descriptionChanged = true;
    });
    onList(f_.cboAccounts, [this] { MarkChanged(); });
    on(f_.txtNotes).typed = [this](char32_t) { MarkChanged(); };
    onEdit(f_.txtNotes, [this] { MarkChanged(); });
    onEdit(f_.txtAmorizeCode, [this] { MarkChanged(); });

    Rules& disposed = on(f_.txtDispositionAmt);
    disposed.numeric = true;
    disposed.keyUp = [this] { amountEcho(*f_.txtDispositionAmt); };
    onEdit(f_.txtDispositionAmt, [this] { MarkChanged(); });
}

void AssetFieldRules::wireFederalColumn() {
    Rules& cost = on(f_.txtCost);
    cost.focusGained = [this] { f_.txtCost->selectAll(); };
    cost.keyDown = clearStatus;
    cost.numeric = true;
    cost.keyUp = [this] { amountEcho(*f_.txtCost); };
    cost.validate = [this] {
        recomputeAllowanceAndBasis();
        f_.txtBookCost->setText(f_.txtCost->text());
    };
    onEdit(f_.txtCost, [this] { MarkChanged(); });

    on(f_.cboMethod).focusGained = [this] {
        methodOnArrival_ = f_.cboMethod->currentText();
        methodListUsed_ = false;
    };
    onList(f_.cboMethod, [this] {
        // The lists below are emptied: leaving the method must fill them again.
        methodListUsed_ = true;
        f_.cboLife->clear();
        FrmAsset::switchField(*f_.cboLife, true);
        f_.cboClass->setCurrentIndex(-1);
        FrmAsset::switchField(*f_.cboClass, true);
        clearStatus();
        MarkChanged();
        f_.txtAmorizeCode->clear();
        f_.lblShowMethod->clear();
    });
    on(f_.cboMethod).validate = [this] { methodLeft(); };

    onList(f_.cboClass, [this] {
        if (ClassListClearsLife(s(f_.cboMethod->currentText())))
            f_.cboLife->setEditText(QString());
        clearStatus();
        MarkChanged();
    });
    on(f_.cboClass).validate = [this] { classLeft(); };

    onList(f_.cboLife, [this] {
        clearStatus();
        MarkChanged();
    });
    Rules& life = on(f_.cboLife);
    life.numeric = true;
    life.typed = [this](char32_t) { MarkChanged(); };
    life.keyUp = [this] {
        clearStatus();
        if (LifeReplacesClass(f_.snapshot()))
            f_.cboClass->setCurrentIndex(-1);
    };
    life.validate = [this] { lifeLeft(); };
    onEdit(f_.cboLife->lineEdit(), [this] { MarkChanged(); });

    Rules& percent = on(f_.txtBusinessPercent);
    percent.focusGained = [this] { f_.txtBusinessPercent->selectAll(); };
    percent.keyDown = [this] {
        f_.cmdSave->setEnabled(true);
        clearStatus();
        f_.flags.assetChanged = true;
    };
    percent.numeric = true;
    percent.typed = [this](char32_t) { MarkChanged(); };
    percent.validate = [this] { businessPercentLeft(); };
    onEdit(f_.txtBusinessPercent, [this] { MarkChanged(); });

    onList(f_.cboConvention, [this] { MarkChanged(); });

    connect(f_.chk179, &QCheckBox::toggled, this, [this](bool ticked) {
        FrmAsset::switchField(*f_.txt179Amt, ticked);
        if (!ticked)
            f_.txt179Amt->clear();
        MarkChanged();
        f_.CalculateCostBasis();
    });
    for (QLineEdit* amount : {f_.txt179Amt, f_.txtOtherDeductions}) {
        Rules& r = on(amount);
        r.numeric = true;
        r.keyUp = [this, amount] { amountEcho(*amount); };
        r.validate = [this] { recomputeAllowanceAndBasis(); };
        onEdit(amount, [this] { MarkChanged(); });
    }
    for (const BonusBox box : {BonusBox::Bonus30, BonusBox::Bonus50, BonusBox::Bonus100})
        connect(bonusBox(box), &QCheckBox::toggled, this,
                [this, box](bool ticked) { bonusClicked(box, ticked); });
}

void AssetFieldRules::wireBookColumns() {
    on(f_.txtBookCost).keyUp = [this] { amountEcho(*f_.txtBookCost); };
    for (QLineEdit* box : {f_.txtBookCost, f_.txtBookLife})
        onEdit(box, [this] { MarkChanged(); });
    for (QCheckBox* box : {f_.chkExclude, f_.chkAdjDepr})
        connect(box, &QCheckBox::toggled, this, [this] { MarkChanged(); });
    for (const BookControls& book : f_.books().columns()) {
        on(book.businessPercent).numeric = book.bookId == kAmtBook;
        for (QLineEdit* box : {book.cost, book.s179, book.salvage, book.businessPercent, book.life})
            onEdit(box, [this] { MarkChanged(); });
        for (QComboBox* list : {book.method, book.convention, book.bonus})
            onList(list, [this] { MarkChanged(); });
        on(book.life).validate = [book] {
            book.methodCaption->setText(
                q(MethodCaption(s(book.method->currentText()), s(book.life->text()))));
        };
    }
}

// ---- Shared rules -------------------------------------------------------------------------

QCheckBox* AssetFieldRules::bonusBox(BonusBox box) const {
    switch (box) {
    case BonusBox::Bonus30:
        return f_.chkBonus;
    case BonusBox::Bonus50:
        return f_.chk50Bonus;
    case BonusBox::Bonus100:
        return f_.chk100Bonus;
    case BonusBox::None:
        break;
    }
    return nullptr;
}

void AssetFieldRules::switchDeductions(Deductions d) {
    const std::initializer_list<BonusBox> boxes = {BonusBox::Bonus30, BonusBox::Bonus50, BonusBox::Bonus100};
    switch (d) {
    case Deductions::Keep:
        return;
    case Deductions::On:
        for (const BonusBox b : boxes)
            bonusBox(b)->setEnabled(true);
        f_.chk179->setChecked(true);
        FrmAsset::switchField(*f_.txt179Amt, true);
        return;
    case Deductions::OffKeepBonusTicks:
        f_.chk179->setChecked(false);
        break;
    case Deductions::Off:
        f_.lbl30Allowance->clear();
        for (const BonusBox b : boxes) {
            bonusBox(b)->setChecked(false);
            bonusBox(b)->setEnabled(false);
        }
        f_.chk179->setChecked(false);
        break;
    }
    f_.txt179Amt->clear();
    FrmAsset::switchField(*f_.txt179Amt, false);
    for (const BonusBox b : boxes)
        bonusBox(b)->setEnabled(false);
}

void AssetFieldRules::amountEcho(const QLineEdit& box) {
    DisplayMsg(q(AmountEcho(s(box.text()))), QString());
    MarkChanged();
}

void AssetFieldRules::recomputeAllowanceAndBasis() {
    const Recomputed r = RecomputeAllowanceAndBasis(f_.snapshot());
    if (r.allowance)
        f_.lbl30Allowance->setText(q(*r.allowance));
    f_.showCostBasis(r.basis);
}

void AssetFieldRules::showMethodCaption() {
    f_.lblShowMethod->setText(q(MethodCaption(s(f_.cboMethod->currentText()), s(f_.cboLife->currentText()))));
}

// ---- The rules of leaving a field ----------------------------------------------------------

void AssetFieldRules::methodLeft() {
    const QString method = f_.cboMethod->currentText();
    // Passing through the method as it was (Tab from the cost on to the class) changes nothing:
    // the class, life and convention chosen for it stay.
    if (!methodListUsed_ && method == methodOnArrival_)
        return;
    methodOnArrival_ = method;
    methodListUsed_ = false;
    const MethodRule r = MethodLeft(s(method), f_.cboMethod->currentIndex() >= 0);
    f_.cboConvention->setCurrentIndex(-1);
    // The class list is switched once, to where it ends: switched off on the way, it would push
    // away the focus that has just arrived in it.
    FrmAsset::switchField(*f_.cboClass, r.classesAndLives);
    if (r.classesAndLives) {
        PopulateTypeCbo(*f_.cboClass, itemData(*f_.cboMethod, f_.cboMethod->currentIndex()));
        PopulateLifeCbo(*f_.cboLife, method);
        if (r.lifeLocked)
            FrmAsset::switchField(*f_.cboLife, false);
        switchDeductions(r.deductions);
        f_.CalculateCostBasis();
    }
    FrmAsset::switchField(*f_.txtAmorizeCode, r.amortizeCode);
    if (r.convention >= 0)
        f_.cboConvention->setCurrentIndex(r.convention);
    if (r.zeroLives) {
        f_.cboLife->setEditText(QStringLiteral("0"));
        f_.txtBookLife->setText(QStringLiteral("0"));
    }
}

void AssetFieldRules::classLeft() {
    const std::optional<ClassRule> r = ClassLeft(f_.snapshot());
    if (!r)
        return;
    if (r->midMonth)
        f_.cboConvention->setCurrentIndex(kMidMonthEntry);
    switchDeductions(r->deductions);
    if (!r->vehicle)
        f_.lblAutoNum->clear();
    else if (f_.lblAutoNum->text().isEmpty())
        f_.lblAutoNum->setText(GetNextVehicleNum(f_));
    f_.txtAmorizeCode->setText(q(r->amortizeCode));
    f_.cboLife->setCurrentIndex(r->classLife ? GetCboIndex(q(*r->classLife), *f_.cboLife) : -1);
    showMethodCaption();
}

void AssetFieldRules::lifeLeft() {
    clearStatus();
    const LifeRule r = LifeLeft(f_.snapshot());
    if (r.clearClass)
        f_.cboClass->setCurrentIndex(-1);
    if (r.convention >= 0)
        f_.cboConvention->setCurrentIndex(r.convention);
    switchDeductions(r.deductions);
    showMethodCaption();
}

void AssetFieldRules::businessPercentLeft() {
    const BusinessPercentRule r = BusinessPercentLeft(f_.snapshot());
    if (!r.message.empty())
        DisplayMsg(q(r.message), kGreen);
    if (!r.methodCaption.empty())
        f_.lblShowMethod->setText(q(r.methodCaption));
    switchDeductions(r.deductions);
    recomputeAllowanceAndBasis();
}

void AssetFieldRules::bonusClicked(BonusBox box, bool ticked) {
    if (ticked) {
        for (const BonusBox other : BonusBoxesUnticked(box))
            bonusBox(other)->setChecked(false);
        f_.CalculateBonusAllowance(BonusRate(box));
    } else {
        f_.lbl30Allowance->clear();
    }
    MarkChanged();
    f_.CalculateCostBasis();
}

void AssetFieldRules::inServiceLeft() {
    setTextColour(*f_.lblInService, QColor(0, 0, 0));
    const AssetSnapshot a = f_.snapshot();
    if (!monthOf(a.inService)) {
        setTextColour(*f_.lblInService, QColor(255, 0, 0));
        DisplayMsg(QStringLiteral("Invalid date"), kRed);
        return;
    }
    if (DetermineAutoType(a) != "N" && f_.lblAutoNum->text().isEmpty())
        f_.lblAutoNum->setText(GetNextVehicleNum(f_));
}

void AssetFieldRules::yearFilterLeft() {
    clearStatus();
    setTextColour(*f_.txtYear, kEntryBlue);
    const YearFilter r = YearFilterLeft(s(f_.txtYear->text()));
    if (r.invalid) {
        DisplayMsg(QStringLiteral("Invalid year."), kRed);
        setTextColour(*f_.txtYear, QColor(255, 0, 0));
        return;
    }
    f_.picker().GetAssetList(programState().CurrentCompanyId(), r.year);
}

} // namespace qel::assets
