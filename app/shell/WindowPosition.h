// Window positions and sizes in twips (1440 to the inch), as the program stores them, converted
// to pixels with the screen's logical DPI; and the stored position of a window, kept in the
// per-user settings under the window's name (its objectName) and the section "Settings" as
// "MainLeft", "MainTop", "MainWidth" and "MainHeight".
#pragma once

class QPoint;
class QRect;
class QWidget;

namespace qel {

struct TwipsRect {
    double left;   // twips
    double top;    // twips
    double width;  // twips
    double height; // twips
};

// Twips <-> pixels on the window's screen; the horizontal ones use the screen's horizontal DPI,
// the vertical ones its vertical DPI. Pixels round to the nearest whole pixel.
int twipsToPixelsX(const QWidget& w, double twips);
int twipsToPixelsY(const QWidget& w, double twips);
double pixelsToTwipsX(const QWidget& w, int pixels);
double pixelsToTwipsY(const QWidget& w, int pixels);

// The window's left, top (of its frame), width and height in twips. A dimension that has not
// moved since it was last set through setWindowTwips reads back as the twips it was set to, so
// storing a position unchanged loses nothing to the rounding to whole pixels.
TwipsRect windowTwips(const QWidget& w);
// Sets one dimension in twips.
void setWindowLeft(QWidget& w, double twips);
void setWindowTop(QWidget& w, double twips);
void setWindowWidth(QWidget& w, double twips);
void setWindowHeight(QWidget& w, double twips);

// Where the program's input boxes stand: 800 twips right of and 1000 twips below the top-left
// corner of the main window's frame, in screen pixels.
QPoint inputBoxPosition(const QWidget& mainWindow);

// Places a control inside its parent at a position and size given in twips.
void setTwipsGeometry(QWidget& control, double left, double top, double width, double height);

// Restores the stored position of the window: each of left (default 200), top (1000), width
// (10500) and height (7500) in that order; a stored value that is not a number is skipped and
// the others still apply. Then fits the window to the available area of its screen
// (fitWindowToScreen), as a position stored under another screen size or scaling may lie
// partly off this one.
void LoadWindowPosition(QWidget& form);

// Whether any of the window's four position values is stored.
bool HasStoredWindowPosition(const QWidget& form);

// The frame rectangle moved and shrunk as little as needed to lie inside `available`: a width or
// height larger than the area's becomes the area's, then an edge outside it moves in.
QRect fitRect(const QRect& frame, const QRect& available);

// Fits the window's frame (its decoration included, once it has one) to the available area:
// that of the screen under the window's centre, else of the primary screen, unless one is given.
void fitWindowToScreen(QWidget& form);
void fitWindowToScreen(QWidget& form, const QRect& available);

// Stores the window's position, only when it is in the normal state (neither minimized nor
// maximized). A failure to store is ignored without a message.
void SaveWindowPosition(const QWidget& form);

} // namespace qel
