// The filter on every text box the form builder makes (and on the edit line of an editable combo
// box): control characters are never taken into a field, however they come (typed through an
// input method, pasted, dropped, set by code). NUL, tab, line breaks, escape, DEL and the C1
// controls go; the rest of what came with them stays, so a cell pasted with its line break or a
// text with a stray NUL keeps its words. No field's text then carries a character a statement,
// an export or a printed page cannot hold.
#pragma once

#include <QValidator>

class QWidget;

namespace qel {

// The text without its control characters (Unicode category Cc).
QString withoutControlCharacters(const QString& text);

class ControlCharacterFilter : public QValidator {
public:
    explicit ControlCharacterFilter(QObject* parent) : QValidator(parent) {}
    // Removes the control characters from the input, keeping the cursor after the same
    // character; every text is then acceptable.
    State validate(QString& input, int& pos) const override;
};

// Keeps a field (a text box, a combo box) from taking a letter typed with Alt. Alt and a letter
// is an access key; when no control takes it (the control that marks it is disabled, say), the
// field would otherwise type the letter, or a list choose an entry by it, and mark a record
// changed. Alt with a key that types nothing (Alt+Down opens a list) still reaches the field.
void refuseAltLetters(QWidget& field);

} // namespace qel
