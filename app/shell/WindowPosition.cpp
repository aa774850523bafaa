// Window positions in twips.
#include "app/shell/WindowPosition.h"

#include "app/shell/UserSettings.h"
#include "common/Variant.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>
#include <QVariant>
#include <QWidget>

#include <cmath>

namespace qel {
namespace {

constexpr double kTwipsPerInch = 1440.0;
const QString kSection = QStringLiteral("Settings");

enum class Dim { Left, Top, Width, Height };

const QScreen* screenOf(const QWidget& w) {
    const QScreen* s = w.screen();
    return s ? s : QGuiApplication::primaryScreen();
}

double dpiX(const QWidget& w) {
    const QScreen* s = screenOf(w);
    return s ? s->logicalDotsPerInchX() : 96.0;
}

double dpiY(const QWidget& w) {
    const QScreen* s = screenOf(w);
    return s ? s->logicalDotsPerInchY() : 96.0;
}

int pixelsOf(const QWidget& w, Dim d) {
    switch (d) {
    case Dim::Left:
        return w.pos().x();
    case Dim::Top:
        return w.pos().y();
    case Dim::Width:
        return w.width();
    case Dim::Height:
        return w.height();
    }
    return 0;
}

// The dynamic properties that remember the twips a dimension was last set to, and the pixels
// that gave.
const char* twipsProperty(Dim d) {
    static const char* names[] = {"qelTwipsLeft", "qelTwipsTop", "qelTwipsWidth", "qelTwipsHeight"};
    return names[static_cast<int>(d)];
}

const char* pixelsProperty(Dim d) {
    static const char* names[] = {"qelPixelsLeft", "qelPixelsTop", "qelPixelsWidth", "qelPixelsHeight"};
    return names[static_cast<int>(d)];
}

bool horizontal(Dim d) {
    return d == Dim::Left || d == Dim::Width;
}

double readTwips(const QWidget& w, Dim d) {
    const int px = pixelsOf(w, d);
    const QVariant setPx = w.property(pixelsProperty(d));
    if (setPx.isValid() && setPx.toInt() == px)
        return w.property(twipsProperty(d)).toDouble();
    return std::round(horizontal(d) ? pixelsToTwipsX(w, px) : pixelsToTwipsY(w, px));
}

void applyTwips(QWidget& w, Dim d, double twips) {
    const int px = horizontal(d) ? twipsToPixelsX(w, twips) : twipsToPixelsY(w, twips);
    switch (d) {
    case Dim::Left:
        w.move(px, w.pos().y());
        break;
    case Dim::Top:
        w.move(w.pos().x(), px);
        break;
    case Dim::Width:
        w.resize(px, w.height());
        break;
    case Dim::Height:
        w.resize(w.width(), px);
        break;
    }
    // A minimum size may have refused the value; then the window reads back what it took.
    const bool taken = pixelsOf(w, d) == px;
    w.setProperty(twipsProperty(d), taken ? QVariant(twips) : QVariant());
    w.setProperty(pixelsProperty(d), taken ? QVariant(px) : QVariant());
}

struct StoredDim {
    Dim dim;
    const char* key;
    double fallback;
};

const StoredDim kStored[] = {
    {Dim::Left, "MainLeft", 200},
    {Dim::Top, "MainTop", 1000},
    {Dim::Width, "MainWidth", 10500},
    {Dim::Height, "MainHeight", 7500},
};

} // namespace

QPoint inputBoxPosition(const QWidget& mainWindow) {
    const QPoint corner = mainWindow.frameGeometry().topLeft();
    return {corner.x() + twipsToPixelsX(mainWindow, 800), corner.y() + twipsToPixelsY(mainWindow, 1000)};
}

int twipsToPixelsX(const QWidget& w, double twips) {
    return static_cast<int>(std::lround(twips * dpiX(w) / kTwipsPerInch));
}

int twipsToPixelsY(const QWidget& w, double twips) {
    return static_cast<int>(std::lround(twips * dpiY(w) / kTwipsPerInch));
}

double pixelsToTwipsX(const QWidget& w, int pixels) {
    return pixels * kTwipsPerInch / dpiX(w);
}

double pixelsToTwipsY(const QWidget& w, int pixels) {
    return pixels * kTwipsPerInch / dpiY(w);
}

TwipsRect windowTwips(const QWidget& w) {
    return {readTwips(w, Dim::Left), readTwips(w, Dim::Top), readTwips(w, Dim::Width),
            readTwips(w, Dim::Height)};
}

void setWindowLeft(QWidget& w, double twips) {
    applyTwips(w, Dim::Left, twips);
}

void setWindowTop(QWidget& w, double twips) {
    applyTwips(w, Dim::Top, twips);
}

void setWindowWidth(QWidget& w, double twips) {
    applyTwips(w, Dim::Width, twips);
}

void setWindowHeight(QWidget& w, double twips) {
    applyTwips(w, Dim::Height, twips);
}

void setTwipsGeometry(QWidget& control, double left, double top, double width, double height) {
    control.setGeometry(twipsToPixelsX(control, left), twipsToPixelsY(control, top),
                        twipsToPixelsX(control, width), twipsToPixelsY(control, height));
}

void LoadWindowPosition(QWidget& form) {
    const QString app = form.objectName();
    for (const StoredDim& s : kStored) {
        const QString text =
            GetSetting(app, kSection, QString::fromLatin1(s.key), QString::number(s.fallback, 'g', 15));
        try {
            applyTwips(form, s.dim, Variant(text.toStdString()).toDouble());
        } catch (const std::exception&) {
            // A stored value that is not a number is skipped; the window keeps that dimension.
        }
    }
    fitWindowToScreen(form);
}

bool HasStoredWindowPosition(const QWidget& form) {
    const QString app = form.objectName();
    for (const StoredDim& s : kStored) {
        const QString none = QStringLiteral("\x01");
        if (GetSetting(app, kSection, QString::fromLatin1(s.key), none) != none)
            return true;
    }
    return false;
}

QRect fitRect(const QRect& frame, const QRect& available) {
    QRect fitted(frame.topLeft(), frame.size().boundedTo(available.size()));
    if (fitted.right() > available.right())
        fitted.moveRight(available.right());
    if (fitted.bottom() > available.bottom())
        fitted.moveBottom(available.bottom());
    if (fitted.left() < available.left())
        fitted.moveLeft(available.left());
    if (fitted.top() < available.top())
        fitted.moveTop(available.top());
    return fitted;
}

void fitWindowToScreen(QWidget& form) {
    const QScreen* screen = QGuiApplication::screenAt(form.geometry().center());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    if (screen)
        fitWindowToScreen(form, screen->availableGeometry());
}

void fitWindowToScreen(QWidget& form, const QRect& available) {
    // The frame adds the decoration around the client area (nothing before the window is shown).
    const QSize decoration = form.frameGeometry().size() - form.size();
    const QRect frame(form.pos(), form.size() + decoration);
    const QRect fitted = fitRect(frame, available);
    if (fitted.size() != frame.size())
        form.resize(fitted.size() - decoration);
    if (fitted.topLeft() != frame.topLeft())
        form.move(fitted.topLeft());
}

void SaveWindowPosition(const QWidget& form) {
    if (form.windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const QString app = form.objectName();
    try {
        for (const StoredDim& s : kStored)
            SaveSetting(app, kSection, QString::fromLatin1(s.key),
                        QString::number(readTwips(form, s.dim), 'g', 15));
    } catch (const std::exception&) {
        // The position is a convenience; a settings file that cannot be written loses only it.
    }
}

} // namespace qel
