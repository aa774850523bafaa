// The control-character filter of text boxes.
#include "app/shell/ControlCharacterFilter.h"

#include <algorithm>

namespace qel {
namespace {

bool isControl(QChar c) {
    return c.category() == QChar::Other_Control;
}

} // namespace

QString withoutControlCharacters(const QString& text) {
    QString kept = text;
    kept.removeIf(isControl);
    return kept;
}

QValidator::State ControlCharacterFilter::validate(QString& input, int& pos) const {
    if (std::none_of(input.cbegin(), input.cend(), isControl))
        return Acceptable;
    const auto before = static_cast<int>(std::count_if(
        input.cbegin(), input.cbegin() + std::clamp(pos, 0, static_cast<int>(input.size())), isControl));
    input.removeIf(isControl);
    pos = std::max(0, pos - before);
    return Acceptable;
}

} // namespace qel
