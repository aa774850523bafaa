// The kind of file a path names, found without opening it, so that a named pipe, a device or a
// folder chosen where a file is expected is refused at once: opening a named pipe for reading
// waits for a writer that may never come, and reading a device may never end.
#pragma once

#include <optional>
#include <string>

namespace qel {

// Why the file at `path` cannot be read or written as a file: "it is a named pipe, not a
// file", "it is a folder, not a file" and the like. Nothing for a regular file (also through a
// symbolic link) and for a path where nothing is found or that cannot be looked at: the caller's
// own open then says why. Never blocks and never throws.
std::optional<std::string> notARegularFile(const std::string& path);

} // namespace qel
