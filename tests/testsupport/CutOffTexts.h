// cutOffTexts: the texts of a shown window that do not fit where they are shown, so that part of
// them would be cut off: labels, buttons and check boxes; combo boxes, for the longest of their
// entries; the column titles of lists; the cells of the rows a list shows; and the window's own
// title in its frame. The window tests check each window with it.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QListView>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QScreen>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QStyleOptionViewItem>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QWidget>

#include <algorithm>

namespace qel::test {

// The room a window frame takes beside its title (its icon and buttons), in twips: the same the
// program's message boxes leave.
inline constexpr double kTitleFrameTwips = 1800;

// The cells of the rows a list shows whose text does not fit the cell, so that the list elides
// it: each as "name[title]:text" (a list without column titles, "name:text"). Only the rows in
// view are read, so a list of any length is checked at once. A cell's text is its display text
// as the list's delegate writes it, in the cell's font; its room is what the style leaves for
// text in the cell (less a check box or an icon) less the margin the style keeps either side.
inline QStringList cutOffCells(const QAbstractItemView& list) {
    QStringList out;
    const QAbstractItemModel* model = list.model();
    const QWidget* viewport = list.viewport();
    if (!model || !viewport)
        return out;
    const QStyle* style = list.style();
    const int textMargin = style->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &list) + 1;
    // A list of one column (a picker's) has no column of its own: its room is the list's.
    const bool oneColumn = qobject_cast<const QListView*>(&list) != nullptr;
    const QModelIndex root = list.rootIndex();
    const QModelIndex top = list.indexAt(QPoint(0, 0));
    const int columns = model->columnCount(root);
    // Blanks at the end of a line take no room: the list does not elide them.
    static const QRegularExpression trailingBlanks(QStringLiteral("\\s+$"),
                                                   QRegularExpression::MultilineOption);
    for (int row = top.isValid() ? top.row() : 0; row < model->rowCount(root); ++row) {
        for (int column = 0; column < columns; ++column) {
            const QModelIndex index = model->index(row, column, root);
            // A table's cell is without its grid line.
            QRect cell = list.visualRect(index);
            if (cell.isEmpty())
                continue; // a hidden column or row
            if (cell.top() >= viewport->height())
                return out; // the rows below are out of view
            if (oneColumn)
                cell.setRight(std::min(cell.right(), viewport->width() - 1));
            const QVariant value = index.data(Qt::DisplayRole);
            const auto* delegate = qobject_cast<const QStyledItemDelegate*>(list.itemDelegateForIndex(index));
            const QString text = !value.isValid() ? QString()
                                 : delegate       ? delegate->displayText(value, list.locale())
                                                  : value.toString();
            const QString shown = QString(text).remove(trailingBlanks);
            if (shown.isEmpty())
                continue;
            QStyleOptionViewItem option;
            option.initFrom(&list);
            option.rect = cell;
            const QVariant font = index.data(Qt::FontRole);
            option.font = font.isValid() ? qvariant_cast<QFont>(font) : list.font();
            option.fontMetrics = QFontMetrics(option.font);
            option.text = text;
            option.features = QStyleOptionViewItem::HasDisplay;
            if (index.data(Qt::CheckStateRole).isValid())
                option.features |= QStyleOptionViewItem::HasCheckIndicator;
            if (index.data(Qt::DecorationRole).isValid()) {
                option.features |= QStyleOptionViewItem::HasDecoration;
                const int icon = style->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &list);
                option.decorationSize = list.iconSize().isValid() ? list.iconSize() : QSize(icon, icon);
            }
            const QRect room = style->subElementRect(QStyle::SE_ItemViewItemText, &option, &list);
            int widest = 0;
            for (const QString& line : shown.split(QLatin1Char('\n')))
                widest = std::max(widest, option.fontMetrics.horizontalAdvance(line));
            if (widest + 2 * textMargin <= room.width() && option.fontMetrics.height() <= room.height())
                continue;
            const QString title = model->headerData(column, Qt::Horizontal).toString().trimmed();
            out << list.objectName() +
                       (oneColumn || title.isEmpty() ? QString()
                                                     : QLatin1Char('[') + title + QLatin1Char(']')) +
                       QLatin1Char(':') + text;
        }
    }
    return out;
}

// The controls of the window whose text does not fit them, so that part of it is cut off: a
// label, button or combo box by its objectName, a list's column title as "name:title", a list's
// cell as cutOffCells names it, the window's title as "title:" and the title.
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
    for (const QAbstractItemView* list : window.findChildren<QAbstractItemView*>())
        if (list->isVisibleTo(&window))
            out << cutOffCells(*list);
    // The title: a child window's in its own frame, a window's in the desktop's. A frame writes
    // it in the desktop's title font, not in the window's own (often a narrower one), and many
    // frames in bold.
    const QString title = window.windowTitle();
    if (!title.isEmpty()) {
        const auto* frame = qobject_cast<const QMdiSubWindow*>(window.parentWidget());
        const int frameWidth = frame ? frame->width() : window.frameGeometry().width();
        const QScreen* screen = window.screen();
        const double dpi = screen ? screen->logicalDotsPerInchX() : 96;
        const int aside = static_cast<int>(kTitleFrameTwips * dpi / 1440 + 0.5);
        QFont bold = QApplication::font("QMdiSubWindowTitleBar");
        bold.setBold(true);
        if (QFontMetrics(bold).horizontalAdvance(title) + aside > frameWidth)
            out << QStringLiteral("title:") + title;
    }
    return out;
}

} // namespace qel::test
