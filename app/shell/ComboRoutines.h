// The combo-box routines every form shares: filling a combo box from a data-server recordset
// (text from the first field, item data from the second), finding an entry by its text or its
// item data, widening a drop-down list or the combo box itself to its widest entry, and the two
// routines of the
// maintenance window that put a lookup combo box over an edit field and copy the lookups back.
//
// An entry's item data is a 32-bit number kept under kItemDataRole. The searches do not move the
// combo box's selection, so its selection handler does not run for every entry tried; the caller
// sets the selection from the result.
#pragma once

#include "common/Recordset.h"

#include <QString>

#include <cstdint>
#include <map>
#include <vector>

class QComboBox;
class QLineEdit;
class QWidget;

namespace qel {

inline constexpr int kItemDataRole = 0x0100; // Qt::UserRole

// The item data of entry `index`; 0 when it has none.
std::int32_t itemData(const QComboBox& cbo, int index);

// Clears the combo box and adds one entry per row: the first field as text without blanks at
// either end (Null gives an empty entry) and, when withItemData, the second field as a 32-bit
// number as its item data. With add100Percent, "100 Percent" with item data 10 follows. A row
// whose item data cannot be read keeps its entry (item data 0) after the error box "Error in
// FillCboBox. "; the same failure a second time ends the fill with "Can not complete operation.
// Exiting operation.".
void FillCboBox(Recordset rs, QComboBox& cbo, bool withItemData, bool add100Percent);

// " " gives the last index. Otherwise the first entry whose text without blanks at either end
// equals text exactly (case counts; text itself is not trimmed), or 0 when none does.
int GetCboIndex(const QString& text, const QComboBox& cbo);

// 0 gives the last index. Otherwise the first entry with that item data, or -1 when none has it.
int GetCboIndexFromItemData(std::int32_t lngItemData, const QComboBox& cbo);

// Widens the drop-down list to its widest entry. width comes in as the smallest width in twips
// and becomes the larger of itself and each entry's text width on the form less 3200 twips,
// plus a vertical scroll bar and 8 pixels. When that is wider than the combo box itself, the
// list is set to it and width returns it in pixels; otherwise width returns twips and the list
// keeps its own width.
void SetCboWidth(QComboBox& cbo, const QWidget& form, int& width);

// Widens the combo box itself, never narrowing it, until the widest of its entries shows whole
// in it when chosen: the part of an entry before a run of three or more blanks, which pads the
// data behind it (a class's life and codes) out of sight, or the whole entry without blanks at
// its end.
void WidenToEntries(QComboBox& cbo);

// What AddCboBox and UpdateEditFields use of the maintenance window.
struct MaintEditControls {
    // One edit field per editable field of the maintained table, by the field's position.
    std::vector<QLineEdit*> mskEdit;
    // Lookup combo boxes by field position: element 0 is made with the window and hidden until
    // used; AddCboBox makes the others. The window deletes those when it opens another table.
    std::map<int, QComboBox*> cboEdit;
    // Fields of the maintained table's list recordset, the hidden key last.
    int MaintFieldCount = 0;
};

// Puts a lookup combo box over edit field `index`: the element of that index (made when it does
// not exist), placed 25 twips above the field, at its left, 50 twips wider, in its place in the
// tab order; the edit field is hidden, and a label of the field names the box instead. Failures
// show "Error in AddCboBox ".
void AddCboBox(MaintEditControls& m, int index);

// Copies each lookup's text into the edit field of its position: position 0 when its combo box
// is shown, positions 1 to MaintFieldCount - 2 where a combo box exists. Failures show "Error in
// UpdateEditFields. ".
void UpdateEditFields(MaintEditControls& m);

} // namespace qel
