// Small text routines every form shares: NoQuote makes user text safe to put between
// apostrophes in SQL text, trimBlanks trims a shown text as the data server's texts are trimmed
// (common/Text.h), and SelectAllText selects the whole text of the focused edit box so that
// typing replaces the old value.
#pragma once

#include <QString>

class QWidget;

namespace qel {

// The text with every apostrophe replaced by a backquote; nothing else changes.
QString NoQuote(const QString& text);

// The text without blanks at either end; other white space stays (common/Text.h trimBlanks).
QString trimBlanks(const QString& text);

// Selects the whole text of the control that has the focus (a line edit, an editable combo box,
// a spin or date box, a text edit). A control without text does nothing.
void SelectAllText();

// Makes the edit box select its whole text whenever it gets the focus, by mouse as well as by
// key: the selection is made once the click that gave the focus is done with.
void selectAllOnFocus(QWidget& control);

} // namespace qel
