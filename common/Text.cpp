#include "common/Text.h"

#include <cctype>

namespace qel {
namespace {

// A byte that continues a UTF-8 character.
bool isContinuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

} // namespace

std::string_view trimBlanks(std::string_view text) {
    const auto first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

std::string_view trimWhiteSpace(std::string_view text) {
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.front())))
        text.remove_prefix(1);
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back())))
        text.remove_suffix(1);
    return text;
}

std::size_t characterCount(std::string_view text) {
    std::size_t n = 0;
    for (char c : text)
        n += isContinuation(c) ? 0 : 1;
    return n;
}

std::string firstCharacters(std::string_view text, std::size_t count) {
    std::size_t i = 0;
    for (std::size_t n = 0; i < text.size() && n < count; ++n) {
        ++i;
        while (i < text.size() && isContinuation(text[i]))
            ++i;
    }
    return std::string(text.substr(0, i));
}

} // namespace qel
