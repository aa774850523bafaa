// Texts as the system's fields count them: UTF-8 characters (not bytes), and white space at
// either end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qel {

// The text without white space (blanks, tabs, line ends) at either end.
std::string_view trimBlanks(std::string_view text);

// The number of characters of a UTF-8 text.
std::size_t characterCount(std::string_view text);

// The first `count` characters of a UTF-8 text (all of it when it is shorter).
std::string firstCharacters(std::string_view text, std::size_t count);

} // namespace qel
