// The control-character filter of text boxes.
#include "app/shell/ControlCharacterFilter.h"

#include <QEvent>
#include <QKeyEvent>
#include <QObject>
#include <QWidget>

#include <algorithm>

namespace qel {
namespace {

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

// Swallows the key presses that would type a letter with Alt held (Control or Meta with it make
// another key, which passes).
class AltLetterFilter : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress)
            return QObject::eventFilter(watched, event);
        const auto* key = static_cast<const QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers();
        return (mods & Qt::AltModifier) && !(mods & (Qt::ControlModifier | Qt::MetaModifier)) &&
               !key->text().isEmpty() && key->text().front().isPrint();
    }
};

} // namespace

QString withoutControlCharacters(const QString& text) {
    QString kept = text;
    kept.removeIf(isControl);
    return kept;
}

void refuseAltLetters(QWidget& field) {
    field.installEventFilter(new AltLetterFilter(&field));
}

QValidator::State ControlCharacterFilter::validate(QString& input, int& pos) const {
    if (std::none_of(input.cbegin(), input.cend(), isControl))
        return Acceptable;
    const auto before = static_cast<int>(std::count_if(
        input.cbegin(), input.cbegin() + std::clamp(pos, 0, static_cast<int>(input.size())), isControl));
    input.removeIf(isControl);
    pos = std::max(0, pos - before);
    return Acceptable;
}

} // namespace qel
