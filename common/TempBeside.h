// A temporary file beside a target, in which a new version of the target is assembled before
// it is renamed into place (a database copy, an export workbook).
//
// Its name is the target's followed by ".part-" and eight hex digits, and it is locked (flock)
// for as long as its TempBeside lives. A run that is killed leaves its file unlocked; the next
// TempBeside for the same target removes every such file, and leaves alone the locked ones of
// runs still at work.
#pragma once

#include <filesystem>
#include <optional>

namespace qel {

class TempBeside {
public:
    // Removes the stale files beside `target` (removeStaleTemps), then creates a new, empty
    // file. `mode` gives its permission bits exactly; without it they are the usual ones of a
    // new file (0666 less the umask). Throws std::system_error when it cannot be made.
    explicit TempBeside(const std::filesystem::path& target,
                        std::optional<std::filesystem::perms> mode = std::nullopt);
    // Removes the file, with the journal files SQLite may have left beside it, unless it was
    // renamed into place.
    ~TempBeside();
    TempBeside(const TempBeside&) = delete;
    TempBeside& operator=(const TempBeside&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // Tells that the file now stands at its target, so that nothing is removed.
    void renamed() { renamed_ = true; }

private:
    std::filesystem::path path_;
    int lock_ = -1; // open on the file and holding its lock
    bool renamed_ = false;
};

// Removes the temporary files beside `target` that no running TempBeside holds, with their
// journal files. Never throws: a file that cannot be removed stays.
void removeStaleTemps(const std::filesystem::path& target);

} // namespace qel
