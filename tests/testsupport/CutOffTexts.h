// cutOffTexts: the texts of a shown window that do not fit where they are shown, so that part of
// them would be cut off: labels, buttons and check boxes; combo boxes, for the longest of their
// entries; the column titles of lists; and the window's own title in its frame. The window tests
// check each window with it.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QWidget>

#include <algorithm>

namespace qel::test {

// The room a window frame takes beside its title (its icon and buttons), in twips: the same the
// program's message boxes leave.
inline constexpr double kTitleFrameTwips = 1800;

// The controls of the window whose text does not fit them, so that part of it is cut off: a
// label, button or combo box by its objectName, a list's column title as "name:title", the
// window's title as "title:" and the title.
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
    for (const QComboBox* combo : window.findChildren<QComboBox*>()) {
        if (!combo->isVisibleTo(&window) || combo->count() == 0)
            continue;
        QStyleOptionComboBox option;
        option.initFrom(combo);
        option.editable = combo->isEditable();
        option.frame = combo->hasFrame();
        const QRect field =
            combo->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, combo);
        const QFontMetrics metrics(combo->font());
        int widest = 0;
        // An entry is read up to a run of three or more blanks: they pad the data behind them
        // (a class's life and codes) out of sight.
        static const QRegularExpression paddedTail(QStringLiteral("\\s{3,}.*$|\\s+$"));
        for (int i = 0; i < combo->count(); ++i)
            widest = std::max(widest, metrics.horizontalAdvance(combo->itemText(i).remove(paddedTail)));
        // The text stands a pixel or two in from the field's edges, a typed one in its box's margin.
        const int margins = combo->isEditable() ? 4 : 2;
        if (widest + margins > field.width())
            out << combo->objectName();
    }
    for (const QTableView* list : window.findChildren<QTableView*>()) {
        const QHeaderView* header = list->horizontalHeader();
        const QAbstractItemModel* model = list->model();
        if (!list->isVisibleTo(&window) || !model || header->isHidden())
            continue;
        const QFontMetrics metrics(header->font());
        const int margin = 2 * header->style()->pixelMetric(QStyle::PM_HeaderMargin, nullptr, header);
        for (int column = 0; column < model->columnCount(); ++column) {
            if (header->isSectionHidden(column) || header->sectionSize(column) == 0)
                continue;
            // Blanks that pad a title widen its column; they are not text to read.
            const QString title = model->headerData(column, Qt::Horizontal).toString().trimmed();
            if (!title.isEmpty() && metrics.horizontalAdvance(title) + margin > header->sectionSize(column))
                out << list->objectName() + QLatin1Char(':') + title;
        }
    }
    // The title: a child window's in its own frame, a window's in the desktop's.
    const QString title = window.windowTitle();
    if (!title.isEmpty()) {
        const auto* frame = qobject_cast<const QMdiSubWindow*>(window.parentWidget());
        const int frameWidth = frame ? frame->width() : window.frameGeometry().width();
        QFont bold = window.font();
        bold.setBold(true);
        const QScreen* screen = window.screen();
        const double dpi = screen ? screen->logicalDotsPerInchX() : 96;
        const int aside = static_cast<int>(kTitleFrameTwips * dpi / 1440 + 0.5);
        if (QFontMetrics(bold).horizontalAdvance(title) + aside > frameWidth)
            out << QStringLiteral("title:") + title;
    }
    return out;
}

} // namespace qel::test
