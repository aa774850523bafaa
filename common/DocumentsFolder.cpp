// Location of the user documents folder.
#include "common/DocumentsFolder.h"

#include <cstdlib>
#include <filesystem>

namespace qel {

std::string userDocumentsFolder() {
    if (const char* p = std::getenv("QEL_DOCUMENTS"); p && *p)
        return p;
    const char* home = std::getenv("HOME");
    return (std::filesystem::path(home && *home ? home : ".") / "Documents" / "Qel-Mgr").string();
}

} // namespace qel
