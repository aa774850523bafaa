// cutOffTexts: the labels and buttons of a shown window whose text does not fit them, so that
// part of it would be cut off; the window tests check each window with it.
#pragma once

#include <QAbstractButton>
#include <QCheckBox>
#include <QFontMetrics>
#include <QLabel>
#include <QStringList>
#include <QStyle>
#include <QWidget>

namespace qel::test {

// The controls of the window whose text does not fit them, so that part of it is cut off.
inline QStringList cutOffTexts(const QWidget& window) {
    QStringList out;
    for (const QLabel* label : window.findChildren<QLabel*>()) {
        QString text = label->text();
        if (text.isEmpty() || !label->isVisibleTo(&window))
            continue;
        if (label->buddy())
            text.remove(QLatin1Char('&'));
        const QFontMetrics metrics(label->font());
        const QRect room = label->contentsRect();
        const bool fits = label->wordWrap() ? label->heightForWidth(label->width()) <= label->height()
                                            : metrics.horizontalAdvance(text) <= room.width() &&
                                                  metrics.height() <= room.height();
        if (!fits)
            out << label->objectName();
    }
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        QString text = button->text();
        text.remove(QLatin1Char('&'));
        const int textWidth = QFontMetrics(button->font()).horizontalAdvance(text);
        // A check box draws its box and a gap before the text; a button a margin either side.
        const QStyle* style = button->style();
        const int needed = qobject_cast<const QCheckBox*>(button)
                               ? style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, button) +
                                     style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, button) +
                                     textWidth
                               : textWidth + 8;
        if (!text.isEmpty() && button->isVisibleTo(&window) && needed > button->width())
            out << button->objectName();
    }
    return out;
}

} // namespace qel::test
