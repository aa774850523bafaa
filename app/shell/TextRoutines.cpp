// The text routines.
#include "app/shell/TextRoutines.h"

#include "common/SqlLiteral.h"
#include "common/Text.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTextEdit>
#include <QTimer>

namespace qel {

namespace {

void selectAllIn(QWidget* w) {
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        edit->selectAll();
    else if (auto* combo = qobject_cast<QComboBox*>(w); combo && combo->lineEdit())
        combo->lineEdit()->selectAll();
    else if (auto* spin = qobject_cast<QAbstractSpinBox*>(w))
        spin->selectAll();
    else if (auto* text = qobject_cast<QTextEdit*>(w))
        text->selectAll();
    else if (auto* plain = qobject_cast<QPlainTextEdit*>(w))
        plain->selectAll();
}

// Selects the text on focus-in, after the mouse press that gave the focus has placed the cursor.
class SelectAllFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::FocusIn)
            QTimer::singleShot(0, watched, [w = QPointer<QWidget>(qobject_cast<QWidget*>(watched))] {
                if (w && w->hasFocus())
                    selectAllIn(w);
            });
        return false;
    }
};

} // namespace

QString NoQuote(const QString& text) {
    return QString::fromStdString(noQuote(text.toStdString()));
}

QString trimBlanks(const QString& text) {
    const std::string utf8 = text.toStdString();
    return QString::fromStdString(std::string(trimBlanks(std::string_view(utf8))));
}

void SelectAllText() {
    selectAllIn(QApplication::focusWidget());
}

void selectAllOnFocus(QWidget& control) {
    control.installEventFilter(new SelectAllFilter(&control));
}

} // namespace qel
