// The text the rich-text window shows of a file (an import log): the whole file up to a bound,
// and of a longer one only its end, so that a log of a sheet of many thousands of failed rows
// neither fills memory nor takes minutes to lay out.
#pragma once

#include <cstdint>
#include <string>

namespace qel::printing {

// The most of a file the window shows.
inline constexpr std::uint64_t kMostShownFileBytes = std::uint64_t{8} << 20;

struct ShownFile {
    // What the window shows: the file's text as it stands (UTF-8), or for a file longer than the
    // bound a line that says how much was left out, then the end of the file from the first line
    // that starts within its last `mostBytes` bytes (from the first whole character when no line
    // starts there).
    std::string text;
    std::uint64_t leftOutBytes = 0; // of the file's start; 0 when it is shown whole
};

// Reads the file at `path` as the window shows it. Throws ServerError (kind Io, source
// "frmRichText") naming the file when it cannot be read or is no regular file (a named pipe is
// refused unopened).
ShownFile readShownFile(const std::string& path, std::uint64_t mostBytes = kMostShownFileBytes);

} // namespace qel::printing
