// The forms' colours and the small helpers with which the form builder (FormTable.h) dresses
// windows and controls: the forms' font, a text colour, a font, a background; and the
// placing of a window relative to the main window; the width a window needs for its title.
#pragma once

#include <QColor>
#include <QString>
#include <QWidget>

namespace qel {

// The dark blue of the program's captions and texts (red 0, green 0, blue 192).
inline const QColor kCaptionBlue(0, 0, 192);
// The blue of links (red 0, green 0, blue 255) and the green of messages (red 0, green 128).
inline const QColor kLinkBlue(0, 0, 255);
inline const QColor kMessageGreen(0, 128, 0);

// Gives the window the 8.25-point sans serif font its controls' twips were laid out for;
// Liberation Sans has that font's metrics.
void setFormFont(QWidget& window);

void setTextColour(QWidget& w, const QColor& colour);

// Sets the font: an empty family keeps the control's own.
void setFontOf(QWidget& w, const QString& family, double pointSize, bool bold, bool underline = false);

// Fills the widget's background with the colour.
void setBackColour(QWidget& w, const QColor& colour);

// Fills the window's background with the pale colour of tool tips.
void setTipBackground(QWidget& window);

// The width in pixels a window needs for its frame to show its whole title: the title in the
// desktop's title font, in bold as many frames write it, and 1,800 twips for the frame's icon and
// buttons. The window's own font does not count: the frame writes with the desktop's, which is
// often wider than the forms' font.
int widthForTitle(const QWidget& window, const QString& title);

// Places the window at the main window's left and top plus the given twips; nothing when there
// is no main window.
void placeBesideMainWindow(QWidget& w, double leftTwips, double topTwips);

} // namespace qel
