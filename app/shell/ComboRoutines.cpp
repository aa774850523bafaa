// The combo-box routines.
#include "app/shell/ComboRoutines.h"

#include "app/shell/ErrorBox.h"
#include "app/shell/FailureTrap.h"
#include "app/shell/TextRoutines.h"
#include "app/shell/WindowPosition.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QRegularExpression>
#include <QStyle>
#include <QStyleOptionComboBox>

#include <algorithm>
#include <cmath>

namespace qel {

std::int32_t itemData(const QComboBox& cbo, int index) {
    return cbo.itemData(index, kItemDataRole).toInt();
}

void FillCboBox(Recordset rs, QComboBox& cbo, bool withItemData, bool add100Percent) {
    cbo.clear();
    FailureTrap trap("FillCboBox",
                     [](const std::string& text) { showErrorBox(QString::fromStdString(text)); });
    for (const RecordsetRow row : rs.rows()) {
        const bool goOn = trap.step([&] {
            cbo.addItem(trimBlanks(QString::fromStdString(row.at(0).toString())));
            if (withItemData)
                cbo.setItemData(cbo.count() - 1, row.at(1).toInt32(), kItemDataRole);
        });
        if (!goOn)
            return;
    }
    if (add100Percent)
        cbo.addItem(QStringLiteral("100 Percent"), 10);
}

int GetCboIndex(const QString& text, const QComboBox& cbo) {
    if (text == QLatin1String(" "))
        return cbo.count() - 1;
    for (int i = 0; i < cbo.count(); ++i)
        if (trimBlanks(cbo.itemText(i)) == text)
            return i;
    return 0;
}

int GetCboIndexFromItemData(std::int32_t lngItemData, const QComboBox& cbo) {
    if (lngItemData == 0)
        return cbo.count() - 1;
    for (int i = 0; i < cbo.count(); ++i)
        if (itemData(cbo, i) == lngItemData)
            return i;
    return -1;
}

void SetCboWidth(QComboBox& cbo, const QWidget& form, int& width) {
    const QFontMetrics metrics(form.font());
    for (int i = 0; i < cbo.count(); ++i) {
        const int entry =
            static_cast<int>(pixelsToTwipsX(form, metrics.horizontalAdvance(cbo.itemText(i)))) - 3200;
        if (entry > width)
            width = entry;
    }
    const double twipsPerPixel = pixelsToTwipsX(form, 1);
    const int scrollBar = form.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &form);
    width = static_cast<int>(std::lround(width + twipsPerPixel * (scrollBar + 8)));
    if (width > pixelsToTwipsX(cbo, cbo.width())) {
        width /= static_cast<int>(std::lround(twipsPerPixel));
        cbo.view()->setMinimumWidth(width);
    }
}

void WidenToEntries(QComboBox& cbo) {
    static const QRegularExpression paddedTail(QStringLiteral("\\s{3,}.*$|\\s+$"));
    const QFontMetrics metrics(cbo.font());
    int widest = 0;
    for (int i = 0; i < cbo.count(); ++i)
        widest = std::max(widest, metrics.horizontalAdvance(cbo.itemText(i).remove(paddedTail)));
    QStyleOptionComboBox option;
    option.initFrom(&cbo);
    option.editable = cbo.isEditable();
    option.frame = cbo.hasFrame();
    const QRect field =
        cbo.style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, &cbo);
    // The text stands a pixel or two in from the field's edges, a typed one in its box's margin.
    const int margins = cbo.isEditable() ? 4 : 2;
    if (const int missing = widest + margins - field.width(); missing > 0)
        cbo.resize(cbo.width() + missing, cbo.height());
}

void AddCboBox(MaintEditControls& m, int index) {
    runWithErrorBox(QStringLiteral("Error in AddCboBox "), [&] {
        QLineEdit* field = m.mskEdit.at(static_cast<std::size_t>(index));
        QComboBox*& combo = m.cboEdit[index];
        if (!combo) {
            combo = new QComboBox(field->parentWidget());
            combo->setObjectName(QStringLiteral("cboEdit_%1").arg(index));
        }
        combo->setGeometry(field->x(), field->y() - twipsToPixelsY(*field, 25),
                           field->width() + twipsToPixelsX(*field, 50), combo->sizeHint().height());
        QWidget::setTabOrder(field, combo);
        combo->show();
        field->hide();
        // The label of the field names the box in its place: a screen reader reads a drop-down
        // list's label through it, and the label's key reaches the box.
        for (QLabel* label : field->parentWidget()->findChildren<QLabel*>())
            if (label->buddy() == field)
                label->setBuddy(combo);
    });
}

void UpdateEditFields(MaintEditControls& m) {
    runWithErrorBox(QStringLiteral("Error in UpdateEditFields. "), [&] {
        const auto copy = [&m](int i) {
            const auto it = m.cboEdit.find(i);
            if (it == m.cboEdit.end() || !it->second)
                return;
            if (i == 0 && it->second->isHidden())
                return;
            m.mskEdit.at(static_cast<std::size_t>(i))->setText(it->second->currentText());
        };
        copy(0);
        for (int i = 1; i <= m.MaintFieldCount - 2; ++i)
            copy(i);
    });
}

} // namespace qel
