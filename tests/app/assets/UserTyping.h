// A user's hands on the asset form: opening a list and choosing an entry, typing into a field
// after moving into it, and moving on, so that the field left runs its rule as it does for a user.
#pragma once

#include <QComboBox>
#include <QLineEdit>
#include <QTest>

namespace qel::test {

// Opens the list and chooses the entry of that text (a class by its description), as with the
// mouse.
inline void choose(QComboBox* list, const QString& text) {
    list->setFocus();
    list->showPopup();
    for (int i = 0; i < list->count(); ++i)
        if (list->itemText(i) == text || list->itemText(i).startsWith(text + QStringLiteral("   ")))
            list->setCurrentIndex(i);
    list->hidePopup();
}

// Types the text into the field, as the user does after moving into it.
inline void type(QWidget* field, const QString& text) {
    field->setFocus();
    if (auto* box = qobject_cast<QLineEdit*>(field))
        box->selectAll();
    if (auto* list = qobject_cast<QComboBox*>(field); list && list->lineEdit())
        list->lineEdit()->selectAll();
    QTest::keyClicks(field, text);
}

// Moves the focus on to the next field, as Tab or a click does; the field left runs its rule.
inline void moveTo(QWidget* next) {
    next->setFocus();
}

} // namespace qel::test
