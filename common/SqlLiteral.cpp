// SQL literal helpers.
#include "common/SqlLiteral.h"

#include "common/Convert.h"

namespace qel {
namespace {

// The text between apostrophes. Built by appending: GCC 12 warns (-Wrestrict, wrongly) on
// "'" + text + "'" in optimised builds.
std::string quoted(std::string_view inner) {
    std::string out;
    out.reserve(inner.size() + 2);
    out += '\'';
    out += inner;
    out += '\'';
    return out;
}

} // namespace

std::string noQuote(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        // A NUL would end the statement's text where SQLite reads it: it never reaches one.
        if (c == '\0')
            continue;
        out += c == '\'' ? '`' : c;
    }
    return out;
}

std::string sqlText(std::string_view text) {
    return quoted(noQuote(text));
}

std::string sqlNumber(double value) {
    return formatNumber(value);
}

std::string sqlNumber(std::int64_t value) {
    return std::to_string(value);
}

std::string sqlDate(const Date& date) {
    return quoted(date.toIso());
}

std::string sqlBool(bool value) {
    return value ? "1" : "0";
}

} // namespace qel
