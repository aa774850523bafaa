// The program's names as the user sees them: the application title (the main window's
// caption and the default title of every message box), the product name under which the
// per-user settings live, and the version text of the logon window.
#pragma once

#include <QString>

namespace qel {

inline const QString kAppTitle = QStringLiteral("Qel Corvane");
inline const QString kProductName = QStringLiteral("Qel Corvane 3.0");

// "Version " followed by major, minor and revision as plain decimal numbers ("Version 3.0.1").
QString versionText();

} // namespace qel
