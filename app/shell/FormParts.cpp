// Helpers for building the small windows of the shell.
#include "app/shell/FormParts.h"

#include "app/shell/MdiMain.h"
#include "app/shell/WindowPosition.h"

namespace qel {

void setFormFont(QWidget& window) {
    QFont font(QStringLiteral("Liberation Sans"));
    font.setPointSizeF(8.25);
    window.setFont(font);
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text) {
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    // Text starts at the top of the label, where the forms' layout puts it level with the text
    // of the boxes beside it.
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
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

void setTipBackground(QWidget& window) {
    window.setAutoFillBackground(true);
    QPalette p = window.palette();
    p.setColor(QPalette::Window, p.color(QPalette::ToolTipBase));
    window.setPalette(p);
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
