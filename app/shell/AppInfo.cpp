// The version text, from the version the build gives the program.
#include "app/shell/AppInfo.h"

#ifndef QEL_VERSION
#error "the build defines QEL_VERSION (major.minor.revision)"
#endif

namespace qel {

QString versionText() {
    return QStringLiteral("Version ") + QStringLiteral(QEL_VERSION);
}

} // namespace qel
