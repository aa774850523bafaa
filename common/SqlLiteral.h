// The one place where values become SQL text. No statement text is built from a value by any
// other means; values typed by a user inside library operations are bound instead.
#pragma once

#include "common/Date.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qel {

// Replaces every apostrophe by a backquote, as the system does with user text before it goes
// into a statement, and drops every NUL character (which no statement text can hold).
std::string noQuote(std::string_view text);

// 'text' with apostrophes replaced by backquotes and NUL characters dropped.
std::string sqlText(std::string_view text);

// Plain decimal, up to 15 significant digits, no grouping, '.' as decimal point.
std::string sqlNumber(double value);
std::string sqlNumber(std::int64_t value);
inline std::string sqlNumber(int value) {
    return sqlNumber(static_cast<std::int64_t>(value));
}

// 'YYYY-MM-DD'.
std::string sqlDate(const Date& date);

// 1 or 0.
std::string sqlBool(bool value);

} // namespace qel
