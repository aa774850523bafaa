// Answer pairs.
#include "app/vehicles/AnswerPair.h"

#include <QRadioButton>

namespace qel {

void setAnswer(const AnswerPair& pair, bool yes) {
    pair[yes ? 0 : 1]->setChecked(true);
}

void clearAnswer(const AnswerPair& pair) {
    for (QRadioButton* button : pair) {
        // A button of an exclusive group cannot be unchecked while it is exclusive.
        button->setAutoExclusive(false);
        button->setChecked(false);
        button->setAutoExclusive(true);
    }
}

std::optional<bool> answerOf(const AnswerPair& pair) {
    if (pair[0]->isChecked())
        return true;
    if (pair[1]->isChecked())
        return false;
    return std::nullopt;
}

} // namespace qel
