// A window's controls as data, and the one builder that makes them, as the menu table makes the
// menus: each control with its name (its objectName), kind, container, rectangle in twips,
// caption, font, colours, tip, help id, tab index and the control a label names. A form class
// builds its table in its constructor, takes its controls by name from the result, and keeps
// only the wiring and the handlers.
//
// Twips (1440 to the inch) are converted with the screen's logical DPI, so a layout holds at any
// scaling. Entry fields with a mask (dates, amounts) are text boxes whose form sets the input
// mask. Every text box, and the edit line of an editable combo box, takes no control characters
// (ControlCharacterFilter.h): a form that sets a validator of its own takes that duty on.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

#include <map>
#include <stdexcept>
#include <vector>

namespace qel {

enum class ControlKind {
    Label,         // QLabel: text from its top left corner
    TextBox,       // QLineEdit
    ComboBox,      // QComboBox
    ListBox,       // QListWidget (a short fixed list; data lists are a TableView over a model)
    CheckBox,      // QCheckBox
    OptionButton,  // QRadioButton
    CommandButton, // QPushButton
    GroupBox,      // QGroupBox: a container with a caption on its border
    Panel,         // QFrame: a container, without a border unless its style gives one
    Image,         // QLabel that shows a picture (the form sets it)
    TableView,     // QTableView: rows of a model (RecordsetModel.h)
    ListView,      // QListView: a list box over one column of a model (a picker's rows)
    RichTextBox,   // QTextEdit: a long formatted or plain text (the form decides whether it is read-only)
};

// Style bits of a control.
enum ControlStyle : unsigned {
    kPlain = 0,
    kDefaultButton = 1u << 0,  // CommandButton: Enter anywhere in the window presses it
    kWordWrap = 1u << 1,       // Label: the text wraps at the control's width
    kPassword = 1u << 2,       // TextBox: the text is shown as dots
    kBoxBorder = 1u << 3,      // Panel: a line around it; Label: a sunken box around a value
    kHorizontalLine = 1u << 4, // Panel: drawn as one horizontal line
    kLink = 1u << 5,           // Label: a pointing hand over it, as over a link (the form handles the click)
    kAlignRight = 1u << 6,     // Label, TextBox: the text to the right (amounts, percents, years)
    kAlignCenter = 1u << 7,    // Label: the text centred (column headings)
    kEditable = 1u << 8,       // ComboBox: the user may type as well as choose
    kDisabled = 1u << 9,       // the control starts disabled
    kHidden = 1u << 10,        // the control starts hidden
};

// A rectangle in twips, relative to the container.
struct TwipsBox {
    double left = 0;
    double top = 0;
    double width = 0;
    double height = 0;
};

// A font; a control whose points are 0 keeps its container's font.
struct FontDef {
    const char* family = nullptr; // nullptr: the container's family
    double points = 0;
    bool bold = false;
    bool underline = false;
};

struct ControlDef {
    const char* name;
    ControlKind kind;
    const char* parent = nullptr; // the container's name; nullptr: the form itself
    // Position and size; a control with neither width nor height is placed by its container's
    // layout, which the form makes.
    TwipsBox at = {};
    const char* caption = ""; // the text; "&" marks the access key
    FontDef font = {};
    QColor foreColor = {}; // text colour; invalid: the container's
    QColor backColor = {}; // filled background; invalid: none of its own
    const char* tip = nullptr;
    int helpId = 0;              // help context id for F1; 0: the container's
    int tabIndex = -1;           // position in the tab order; -1: not placed in it
    const char* buddy = nullptr; // on a label: the control it names
    unsigned style = kPlain;     // ControlStyle bits
    int maxLength = 0;           // TextBox: the most characters it takes; 0: no limit of its own
    // What a screen reader calls a field that no label names (one of a column under a heading,
    // beside a row's label); nullptr: its label's text, caption or tip.
    const char* spokenName = nullptr;
};

// How the window's frame behaves.
enum class Border {
    Sizable,     // a normal window the user sizes
    FixedDialog, // a dialog of fixed size
    FixedTool,   // a tool window (small caption) of fixed size
    FixedChild,  // a child window of the main window of fixed size: minimize box, no maximize box
};

struct FormDef {
    const char* name;
    const char* caption;
    TwipsBox size; // width and height of the client area; left and top unused
    Border border = Border::Sizable;
    // The forms' font: 8.25-point Liberation Sans (the metrics of the font the twips were laid
    // out for); points above 0 give another.
    FontDef font = {};
    QColor foreColor = {};
    bool tipBackground = false; // the pale background of tool tips
    int helpId = 0;
    std::vector<ControlDef> controls;
};

// The controls of a built form, by name.
class FormControls {
public:
    // The control of that name as the widget class W (QLineEdit, QPushButton, ...). Throws
    // std::logic_error naming the form and the control when there is no control of that name or
    // it is of another class.
    template <typename W> W* get(const QString& name) const {
        QWidget* control = widget(name);
        if (W* typed = qobject_cast<W*>(control))
            return typed;
        wrongClass(name, W::staticMetaObject.className());
    }
    // The control of that name; throws std::logic_error when there is none.
    QWidget* widget(const QString& name) const;

private:
    friend FormControls buildForm(QWidget& form, const FormDef& def);
    [[noreturn]] void wrongClass(const QString& name, const char* expected) const;

    QString form_;
    std::map<QString, QWidget*> controls_;
};

// Makes the form's controls on `form` and sets the form's name, caption, size, border, font and
// colours. Every control gets its objectName, geometry (twips through the screen's DPI), font,
// colours, tip, "HelpContextID" property (read by the F1 key), its place in the tab order, and
// its accessible name, the one a screen reader reads: a control that shows a caption (button,
// check box, option, label, frame) is named by it without the "&"; a field by the text of the
// label that names it; only a control with neither by its spoken name or else its tip, which
// stays its tool tip. Throws
// std::logic_error for a table that names an unknown container or buddy.
FormControls buildForm(QWidget& form, const FormDef& def);

} // namespace qel
