// The asset form's field rules wired to its controls: while the user types and moves through the
// form they filter the keys of the number fields, echo amounts on the status line, mark the asset
// changed, switch section 179 and bonus on and off by method, class, life and business use,
// choose the convention, the class's life and the vehicle number, recompute the allowance and the
// cost basis, and show the method captions. What each rule decides is rules/FieldRules.h; this
// class only watches the controls and applies the decisions.
//
// The events a rule runs on:
// - a key pressed, a character typed, a key released (Tab, which moves between fields, counts
//   for neither field);
// - leaving a field for another control of the form (focus moving to a list's drop-down, a box
//   or another window is not leaving it);
// - a list opened, and, so that no choice is lost, a choice the user makes in a list by keyboard
//   or mouse, which runs the same rule;
// - a user's edit of a text (a paste, a drop), which marks the asset changed and in a number
//   field passes the numeric key filter as a whole or is undone with a beep;
// - a check box ticked or unticked, by the user or by code.
// Every user edit of the asset marks it changed (the State and Other columns included), so that
// "Save Changes?" guards it; the search band's fields mark nothing.
#pragma once

#include "app/assets/rules/FieldRules.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QWidget;

namespace qel::assets {

class FrmAsset;

class AssetFieldRules : public QObject {
    Q_OBJECT
public:
    // Wires the rules to the built form's controls.
    explicit AssetFieldRules(FrmAsset& form);
    ~AssetFieldRules() override;

    // Mark changed: the asset holds unsaved edits and may be saved.
    void MarkChanged();
    // Mark description changed: the tag, serial number or location was edited.
    void MarkDescriptionChanged();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // The rules of one control, each run on its event; an empty one does nothing.
    struct Rules {
        bool numeric = false; // the numeric key filter
        std::function<void()> focusGained;
        std::function<void()> keyDown;
        std::function<void(char32_t)> typed; // runs whether the filter dropped the character or not
        std::function<void()> keyUp;
        std::function<void()> validate;
        std::function<void()> listOpened;
    };
    Rules& on(QWidget* control);
    // The control's user edits of its text run `edited`; a number field's edits pass the filter.
    void onEdit(QLineEdit* box, std::function<void()> edited);
    // The list's opening and its user choices run `opened`.
    void onList(QComboBox* list, std::function<void()> opened);

    void wireSearchBand();
    void wireAssetFrame();
    void wireFederalColumn();
    void wireBookColumns();
    void focusChanged(QWidget* old, QWidget* now);

    void switchDeductions(Deductions d);
    void amountEcho(const QLineEdit& box);
    void recomputeAllowanceAndBasis();
    void showMethodCaption();

    void methodLeft();
    void classLeft();
    void lifeLeft();
    void businessPercentLeft();
    void bonusClicked(BonusBox box, bool ticked);
    void inServiceLeft();
    void yearFilterLeft();

    // The check box of a bonus box; nullptr for None.
    QCheckBox* bonusBox(BonusBox box) const;

    FrmAsset& f_;
    std::map<QObject*, Rules> rules_;
    std::map<QObject*, QComboBox*> dropDowns_; // a list's drop-down window, to its list
    // The method shown when the focus arrived in the method list, and whether its list was opened
    // or a choice made in it since: the rule on leaving it refills the class and life lists only
    // after a change.
    QString methodOnArrival_;
    bool methodListUsed_ = false;
};

} // namespace qel::assets
