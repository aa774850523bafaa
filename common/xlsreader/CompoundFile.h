// The streams of a compound file, the container of an Excel 97-2003 workbook, read from the
// file's bytes. Every sector number, chain, size and offset is checked before it is used: the
// bytes come from a file of unknown origin.
#pragma once

#include <initializer_list>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace qel::xls {

// A file whose structure is damaged; what() says how.
class Malformed : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The content of the first stream, in the order of `names`, that the compound file `file` holds
// (names compared without regard to case); nothing when it holds none of them. Throws Malformed.
std::optional<std::string> compoundStream(std::string_view file,
                                          std::initializer_list<std::string_view> names);

} // namespace qel::xls
