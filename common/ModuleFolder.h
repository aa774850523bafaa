// Where the running code lies: the folder of the shared library or program that holds a given
// function, for the files installed beside it.
#pragma once

#include <string>

namespace qel {

// The folder of the shared library or program that holds the code at `address` (the address of
// one of its functions); the current folder when it cannot be told.
std::string moduleFolder(const void* address);

} // namespace qel
