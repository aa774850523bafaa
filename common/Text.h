// Texts as the system's fields count them: UTF-8 characters (not bytes), and blanks or white
// space at either end.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace qel {

// The text without blanks (' ' only) at either end, as the system trims a field's text and a
// column title: a tab or a line end stays part of the text.
std::string_view trimBlanks(std::string_view text);

// The text without white space (blanks, tabs, line ends) at either end, for text read from files
// and typed amounts, where any white space around a value means nothing.
std::string_view trimWhiteSpace(std::string_view text);

// The number of characters of a UTF-8 text.
std::size_t characterCount(std::string_view text);

// The first `count` characters of a UTF-8 text (all of it when it is shorter).
std::string firstCharacters(std::string_view text, std::size_t count);

} // namespace qel
