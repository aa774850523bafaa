// The folder of a loaded module, through dladdr.
#include "common/ModuleFolder.h"

#include <dlfcn.h>
#include <filesystem>

namespace qel {

std::string moduleFolder(const void* address) {
    Dl_info info{};
    if (dladdr(address, &info) && info.dli_fname)
        return std::filesystem::absolute(info.dli_fname).parent_path().string();
    return std::filesystem::current_path().string();
}

} // namespace qel
