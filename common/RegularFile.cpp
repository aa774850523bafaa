// The kind of file a path names, by stat: it reads the folder entry, never the file.
#include "common/RegularFile.h"

#include <sys/stat.h>

namespace qel {

std::optional<std::string> notARegularFile(const std::string& path) {
    struct stat info {};
    if (path.empty() || ::stat(path.c_str(), &info) != 0 || S_ISREG(info.st_mode))
        return std::nullopt;
    if (S_ISFIFO(info.st_mode))
        return "it is a named pipe, not a file";
    if (S_ISDIR(info.st_mode))
        return "it is a folder, not a file";
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return "it is a device, not a file";
    if (S_ISSOCK(info.st_mode))
        return "it is a socket, not a file";
    return "it is not a regular file";
}

} // namespace qel
