// Temporary files beside a target, locked while in use and swept when left behind.
#include "common/TempBeside.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <random>
#include <string>
#include <string_view>
#include <sys/file.h>
#include <sys/stat.h>
#include <system_error>
#include <unistd.h>

namespace qel {
namespace {

namespace fs = std::filesystem;

constexpr std::string_view kInfix = ".part-";
constexpr std::size_t kDigits = 8;
// What SQLite may leave beside a database file.
constexpr std::array<std::string_view, 3> kJournals = {"-journal", "-wal", "-shm"};

bool isHex(std::string_view text) {
    for (char c : text)
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    return !text.empty();
}

void removeWithJournals(const fs::path& file) {
    std::error_code ec;
    fs::remove(file, ec);
    for (std::string_view suffix : kJournals)
        fs::remove(file.string() + std::string(suffix), ec);
}

// True when `fd` is still the file at `path` (a sweep of another process may have removed it
// between its creation and its lock).
bool stillThere(int fd, const fs::path& path) {
    struct stat open {
    }, named{};
    return ::fstat(fd, &open) == 0 && ::stat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

} // namespace

void removeStaleTemps(const fs::path& target) {
    const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
    const std::string prefix = target.filename().string() + std::string(kInfix);
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (!name.starts_with(prefix) || name.size() < prefix.size() + kDigits ||
            !isHex(std::string_view(name).substr(prefix.size(), kDigits)))
            continue;
        const std::string_view suffix = std::string_view(name).substr(prefix.size() + kDigits);
        const fs::path copy = folder / name.substr(0, prefix.size() + kDigits);
        if (suffix.empty()) {
            const int fd = ::open(copy.c_str(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW | O_NONBLOCK);
            if (fd < 0)
                continue;
            if (::flock(fd, LOCK_EX | LOCK_NB) == 0)
                removeWithJournals(copy);
            ::close(fd);
        } else if (std::find(kJournals.begin(), kJournals.end(), suffix) != kJournals.end()) {
            std::error_code missing;
            if (!fs::exists(copy, missing) && !missing)
                fs::remove(it->path(), missing);
        }
    }
}

TempBeside::TempBeside(const fs::path& target, std::optional<fs::perms> mode) {
    removeStaleTemps(target);
    std::random_device random;
    for (int attempt = 0; attempt < 100; ++attempt) {
        char digits[kDigits + 1];
        std::snprintf(digits, sizeof digits, "%08x", static_cast<unsigned>(random()));
        const fs::path name = target.string() + std::string(kInfix) + digits;
        // A file whose permissions are set afterwards starts readable by its owner only.
        const int fd = ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, mode ? 0600 : 0666);
        if (fd < 0) {
            if (errno == EEXIST)
                continue;
            throw std::system_error(errno, std::generic_category(), name.string());
        }
        if (::flock(fd, LOCK_EX) != 0 || !stillThere(fd, name)) {
            ::close(fd);
            continue;
        }
        if (mode && ::fchmod(fd, static_cast<mode_t>(*mode)) != 0) {
            const int error = errno;
            ::close(fd);
            removeWithJournals(name);
            throw std::system_error(error, std::generic_category(), name.string());
        }
        path_ = name;
        lock_ = fd;
        return;
    }
    throw std::system_error(EEXIST, std::generic_category(), target.string() + std::string(kInfix) + "*");
}

TempBeside::~TempBeside() {
    if (!renamed_)
        removeWithJournals(path_);
    ::close(lock_);
}

} // namespace qel
