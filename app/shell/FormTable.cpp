// The form builder.
#include "app/shell/FormTable.h"

#include "app/shell/ControlCharacterFilter.h"
#include "app/shell/FormParts.h"
#include "app/shell/WindowPosition.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSet>
#include <QTableView>
#include <QTextEdit>

#include <algorithm>
#include <cstring>

namespace qel {
namespace {

QString text(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}

Qt::Alignment horizontal(unsigned style) {
    if (style & kAlignRight)
        return Qt::AlignRight;
    if (style & kAlignCenter)
        return Qt::AlignHCenter;
    return Qt::AlignLeft;
}

QWidget* makeControl(const ControlDef& def, QWidget* parent) {
    const QString caption = text(def.caption);
    switch (def.kind) {
    case ControlKind::Label:
    case ControlKind::Image: {
        auto* label = new QLabel(caption, parent);
        if (def.style & kBoxBorder) {
            // A box around a value: the text sits in the middle of its height, two pixels in from
            // the side it keeps to. The gap is an indent, not contents margins: a frame's margins
            // are its line, and margins set over them would draw the box's top and bottom lines
            // outside the label.
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(horizontal(def.style) | Qt::AlignVCenter);
            label->setIndent(2);
        } else {
            // Text starts at the top of the label, where the forms' layout puts it level with the
            // text of the boxes beside it.
            label->setAlignment(horizontal(def.style) | Qt::AlignTop);
        }
        label->setWordWrap((def.style & kWordWrap) != 0);
        if (def.style & kLink)
            label->setCursor(Qt::PointingHandCursor);
        return label;
    }
    case ControlKind::TextBox: {
        auto* box = new QLineEdit(caption, parent);
        if (def.style & kPassword)
            box->setEchoMode(QLineEdit::Password);
        box->setAlignment(horizontal(def.style) | Qt::AlignVCenter);
        if (def.maxLength > 0)
            box->setMaxLength(def.maxLength);
        box->setValidator(new ControlCharacterFilter(box));
        refuseAltLetters(*box);
        return box;
    }
    case ControlKind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable((def.style & kEditable) != 0);
        if (combo->isEditable()) {
            combo->setValidator(new ControlCharacterFilter(combo));
            refuseAltLetters(*combo->lineEdit());
        }
        refuseAltLetters(*combo);
        return combo;
    }
    case ControlKind::ListBox:
        return new QListWidget(parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::OptionButton:
        return new QRadioButton(caption, parent);
    case ControlKind::CommandButton: {
        auto* button = new QPushButton(caption, parent);
        button->setDefault((def.style & kDefaultButton) != 0);
        return button;
    }
    case ControlKind::GroupBox:
        return new QGroupBox(caption, parent);
    case ControlKind::Panel: {
        auto* panel = new QFrame(parent);
        if (def.style & kBoxBorder)
            panel->setFrameShape(QFrame::Box);
        if (def.style & kHorizontalLine)
            panel->setFrameShape(QFrame::HLine);
        return panel;
    }
    case ControlKind::TableView:
        return new QTableView(parent);
    case ControlKind::ListView:
        return new QListView(parent);
    case ControlKind::RichTextBox:
        return new QTextEdit(parent);
    }
    throw std::logic_error("unknown control kind of " + std::string(def.name));
}

void setFont(QWidget& w, const FontDef& font) {
    if (font.points > 0)
        setFontOf(w, text(font.family), font.points, font.bold, font.underline);
}

// Whether the control shows its caption as its own text (a button, a check box, a label, a
// frame's title): Qt names it by that text, without the "&", and keeps the name when the caption
// changes. A text box's or a list's caption is its content, no name.
bool namedByCaption(const ControlDef& c) {
    switch (c.kind) {
    case ControlKind::Label:
    case ControlKind::CheckBox:
    case ControlKind::OptionButton:
    case ControlKind::CommandButton:
    case ControlKind::GroupBox:
        return c.caption && *c.caption;
    default:
        return false;
    }
}

// The row of the control of that name; nullptr when there is none.
const ControlDef* defOf(const FormDef& def, const char* name) {
    for (const ControlDef& c : def.controls)
        if (std::strcmp(c.name, name) == 0)
            return &c;
    return nullptr;
}

// The text a label gives the control it names: its caption without the access-key marks.
QString accessibleText(const QString& caption) {
    QString plain = caption;
    plain.replace(QLatin1String("&&"), QLatin1String("\x01")).remove(QLatin1Char('&'));
    return plain.replace(QLatin1Char('\x01'), QLatin1Char('&'));
}

} // namespace

QWidget* FormControls::widget(const QString& name) const {
    const auto it = controls_.find(name);
    if (it == controls_.end())
        throw std::logic_error("The form " + form_.toStdString() + " has no control " + name.toStdString());
    return it->second;
}

void FormControls::wrongClass(const QString& name, const char* expected) const {
    throw std::logic_error("The control " + name.toStdString() + " of the form " + form_.toStdString() +
                           " is a " + widget(name)->metaObject()->className() + ", not a " + expected);
}

FormControls buildForm(QWidget& form, const FormDef& def) {
    FormControls controls;
    // The controls a label names: the label's text is their name.
    QSet<QString> named;
    for (const ControlDef& c : def.controls)
        if (c.buddy)
            named.insert(text(c.buddy));
    controls.form_ = text(def.name);
    form.setObjectName(controls.form_);
    form.setWindowTitle(text(def.caption));
    // A window of fixed size is at least as wide as its frame needs to show its whole title; its
    // controls move right by half the width added, so that they keep to the middle.
    int shift = 0;
    if (def.border != Border::Sizable) {
        const int designed = twipsToPixelsX(form, def.size.width);
        const int width = std::max(designed, widthForTitle(form, form.windowTitle()));
        shift = (width - designed) / 2;
        if (def.border != Border::FixedChild) {
            // ChildWindows gives a child of fixed size a frame without a maximize box.
            const Qt::WindowType frame = def.border == Border::FixedTool ? Qt::Tool : Qt::Dialog;
            form.setWindowFlags(frame | Qt::MSWindowsFixedSizeDialogHint);
        }
        form.setFixedSize(width, twipsToPixelsY(form, def.size.height));
    } else {
        form.resize(twipsToPixelsX(form, def.size.width), twipsToPixelsY(form, def.size.height));
    }
    setFormFont(form);
    setFont(form, def.font);
    if (def.tipBackground)
        setTipBackground(form);
    if (def.foreColor.isValid())
        setTextColour(form, def.foreColor);
    if (def.helpId > 0)
        form.setProperty("HelpContextID", def.helpId);

    for (const ControlDef& c : def.controls) {
        QWidget* parent = c.parent ? controls.widget(text(c.parent)) : &form;
        QWidget* w = makeControl(c, parent);
        w->setObjectName(text(c.name));
        if (c.at.width != 0 || c.at.height != 0) {
            setTwipsGeometry(*w, c.at.left, c.at.top, c.at.width, c.at.height);
            if (!c.parent)
                w->move(w->x() + shift, w->y());
        }
        setFont(*w, c.font);
        if (c.foreColor.isValid())
            setTextColour(*w, c.foreColor);
        if (c.backColor.isValid())
            setBackColour(*w, c.backColor);
        if (c.tip) {
            w->setToolTip(text(c.tip));
            // The tip names only a control with nothing else to name it; a screen reader still
            // reads it as the control's description.
            if (!namedByCaption(c) && !named.contains(text(c.name)))
                w->setAccessibleName(text(c.tip));
        }
        if (c.spokenName)
            w->setAccessibleName(text(c.spokenName));
        if (c.helpId > 0)
            w->setProperty("HelpContextID", c.helpId);
        if (c.style & kDisabled)
            w->setEnabled(false);
        if (c.style & kHidden)
            w->setVisible(false);
        controls.controls_[text(c.name)] = w;
    }

    // What needs every control made: the labels' buddies and the tab order.
    std::vector<const ControlDef*> tabbed;
    for (const ControlDef& c : def.controls) {
        if (c.buddy) {
            QWidget* buddy = controls.widget(text(c.buddy));
            controls.get<QLabel>(text(c.name))->setBuddy(buddy);
            if (!namedByCaption(*defOf(def, c.buddy)))
                buddy->setAccessibleName(accessibleText(text(c.caption)));
        }
        if (c.tabIndex >= 0)
            tabbed.push_back(&c);
    }
    std::stable_sort(tabbed.begin(), tabbed.end(),
                     [](const ControlDef* a, const ControlDef* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < tabbed.size(); ++i)
        QWidget::setTabOrder(controls.widget(text(tabbed[i - 1]->name)),
                             controls.widget(text(tabbed[i]->name)));
    return controls;
}

} // namespace qel
