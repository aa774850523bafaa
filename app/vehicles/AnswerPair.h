// An answer pair of the vehicle windows: two option buttons, element 0 (left) Yes and element 1
// (right) No; neither chosen means the question is not answered.
#pragma once

#include <array>
#include <optional>

class QRadioButton;

namespace qel {

using AnswerPair = std::array<QRadioButton*, 2>;

// Chooses Yes for true, No for false.
void setAnswer(const AnswerPair& pair, bool yes);
// Leaves the question unanswered: neither button chosen.
void clearAnswer(const AnswerPair& pair);
// True for Yes, false for No, nullopt when unanswered.
std::optional<bool> answerOf(const AnswerPair& pair);

} // namespace qel
