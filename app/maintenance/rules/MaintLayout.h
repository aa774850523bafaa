// The layout arithmetic of the maintenance window, in twips: the list's columns and the edit
// fields made from the fields of a table's list recordset, and the places of the list, the edit
// panel, the buttons and the status line for a window size.
//
// A column is as wide as the larger of its title (100 twips a character, trailing blanks of a
// padded alias included) and its defined size (68 twips a character); number and date columns
// get 100 twips more and sit on the right, except the first column. The last field is the
// table's key: its column is 0 wide and it has no edit field. Edit fields go two to a row in
// an edit panel 735 twips high for one row and 325 higher for each further row. All widths and
// lengths are 32-bit.
#pragma once

#include "common/Recordset.h"

#include <cstdint>
#include <string>
#include <vector>

namespace qel {

struct MaintBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
    friend bool operator==(const MaintBox&, const MaintBox&) = default;
};

struct MaintColumn {
    std::string title;         // the field's name, untrimmed
    std::int32_t width = 0;    // twips; 0 for the key
    bool rightAligned = false; // numbers and dates, except the first column
    std::int32_t typeCode = 0; // the field's type code
};

struct MaintEditField {
    int index = 0;
    std::string caption;          // the trimmed field name followed by ": "
    std::int32_t lengthLimit = 0; // characters: the size passed to the field, at most 64
    std::int32_t width = 0;       // twips, at most 2800
    bool dateMask = false;        // a date field, typed as "##/##/####"
    MaintBox label;               // inside the edit panel
    MaintBox field;               // inside the edit panel
};

struct MaintListLayout {
    std::vector<MaintColumn> columns;   // one per field, the key last
    std::vector<MaintEditField> fields; // one per field but the key
    std::int32_t panelHeight = 0;       // twips
    std::string keyField;               // the key field's name, untrimmed
};

// The columns and edit fields of a list recordset's fields. A field's defined size counts at
// most 255 (the longest text column), so that a memo's size cannot make a column wider than
// any screen.
MaintListLayout layoutList(const std::vector<Field>& fields);

// Makes room for captions wider than their design place: captionWidths[i] is the width in twips
// that field i's caption needs on the screen. A column of fields (left or right half of the
// panel) moves right until its widest caption fits, 60 twips before its fields; each caption
// becomes as wide as its column's room; a field then narrows as needed to stay before the
// right-hand captions or inside the panel. Captions that fit change nothing.
void fitCaptions(MaintListLayout& layout, const std::vector<double>& captionWidths);

// Design sizes of the window, twips.
inline constexpr double kMaintWidth = 8700;
inline constexpr double kMaintHeight = 5500;
inline constexpr double kMaintMinWidth = 7700;
inline constexpr double kMaintMinHeight = 5000;
inline constexpr double kMaintPanelWidth = 8325;
inline constexpr double kMaintCmdsWidth = 4130;
inline constexpr double kMaintCmdsHeight = 615;
inline constexpr double kMaintStatusHeight = 315;
// A label and an edit field of the first position, inside the edit panel.
inline constexpr MaintBox kFirstLabel{120, 285, 1300, 255};
inline constexpr MaintBox kFirstField{1480, 240, 1215, 285};

// The window's outer width, twips, for a list whose columns take listWidth twips (with the
// list's frame and scroll bar): wide enough that the list shows every column whole, but never
// narrower than width (the window's width now), nor widened past widest (the room the main
// window leaves).
double widthForList(double listWidth, double width, double widest);

struct MaintWindowLayout {
    double width = 0; // the window's outer size after the minimum is applied
    double height = 0;
    MaintBox list;
    MaintBox panel;
    MaintBox commands;
    MaintBox status;
};

// The places of the window's parts for an outer size, an edit panel height and the status line's
// height (one line, kMaintStatusHeight, or the lines its message needs). A window smaller than
// 7700 x 5000 is taken at that size; the list takes the height the other parts leave (never
// below 0).
MaintWindowLayout layoutWindow(double width, double height, double panelHeight,
                               double statusHeight = kMaintStatusHeight);

} // namespace qel
