// Helpers that dress the windows and their controls.
#include "app/shell/FormParts.h"

#include "app/shell/MdiMain.h"
#include "app/shell/WindowPosition.h"

#include <QApplication>
#include <QFontMetrics>

namespace qel {

void setFormFont(QWidget& window) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    window.setFont(font);
}

void setTextColour(QWidget& w, const QColor& colour) {
    QPalette p = w.palette();
    p.setColor(QPalette::WindowText, colour);
    p.setColor(QPalette::Text, colour);
    p.setColor(QPalette::ButtonText, colour);
    w.setPalette(p);
}

void setFontOf(QWidget& w, const QString& family, double pointSize, bool bold, bool underline) {
    QFont font = w.font();
    if (!family.isEmpty())
        font.setFamily(family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    font.setUnderline(underline);
    w.setFont(font);
}

void setBackColour(QWidget& w, const QColor& colour) {
    w.setAutoFillBackground(true);
    QPalette p = w.palette();
    p.setColor(QPalette::Window, colour);
    w.setPalette(p);
}

void setTipBackground(QWidget& window) {
    setBackColour(window, window.palette().color(QPalette::ToolTipBase));
}

int widthForTitle(const QWidget& window, const QString& title) {
    QFont bold = QApplication::font("QMdiSubWindowTitleBar");
    bold.setBold(true);
    return QFontMetrics(bold).horizontalAdvance(title) + twipsToPixelsX(window, 1800);
}

void placeBesideMainWindow(QWidget& w, double leftTwips, double topTwips) {
    const MdiMain* main = MdiMain::instance();
    if (!main)
        return;
    const TwipsRect at = windowTwips(*main);
    setWindowTop(w, at.top + topTwips);
    setWindowLeft(w, at.left + leftTwips);
}

} // namespace qel
