// Small helpers with which the shell's windows (the logon, the company picker, the About box,
// "Getting Started" and the bug report) build their controls: the forms' font, a named label, a
// text colour, a font, the tip background, and the placing of a window relative to the main
// window.
#pragma once

#include <QColor>
#include <QLabel>
#include <QString>

namespace qel {

// The dark blue of the program's captions and texts (red 0, green 0, blue 192).
inline const QColor kCaptionBlue(0, 0, 192);
// The blue of links (red 0, green 0, blue 255) and the green of messages (red 0, green 128).
inline const QColor kLinkBlue(0, 0, 255);
inline const QColor kMessageGreen(0, 128, 0);

// Gives the window the 8.25-point sans serif font its controls' twips were laid out for;
// Liberation Sans has that font's metrics.
void setFormFont(QWidget& window);

// A label with its control name as objectName; its text starts at its top left corner.
QLabel* makeLabel(QWidget* parent, const char* name, const QString& text);

void setTextColour(QWidget& w, const QColor& colour);

// Sets the font: an empty family keeps the control's own.
void setFontOf(QWidget& w, const QString& family, double pointSize, bool bold, bool underline = false);

// Fills the window's background with the pale colour of tool tips.
void setTipBackground(QWidget& window);

// Places the window at the main window's left and top plus the given twips; nothing when there
// is no main window.
void placeBesideMainWindow(QWidget& w, double leftTwips, double topTwips);

} // namespace qel
