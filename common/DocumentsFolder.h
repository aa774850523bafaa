// The user documents folder: Form 4562 templates, the import workbook, import logs and the
// filled forms. ~/Documents/Qel-Mgr; the environment variable QEL_DOCUMENTS names another one.
#pragma once

#include <string>

namespace qel {

std::string userDocumentsFolder();

} // namespace qel
