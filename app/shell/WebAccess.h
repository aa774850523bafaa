// Links to the world outside the program: a web address opened with the user's browser and a
// new mail opened with the user's mail program; and the addresses the program names.
#pragma once

#include <QString>

namespace qel {

// The maker's web site (shown in the About box) and the support mail addresses: the About box
// and "E-Mail Support" name kSupportMail, the bug report kBugReportMail.
inline const QString kWebSite = QStringLiteral("www.qelcorvane.example");
inline const QString kSupportMail = QStringLiteral("support@qelcorvane.example");
inline const QString kBugReportMail = QStringLiteral("bugs@qelcorvane.example");

// Opens the address with the user's own program. An address that nothing opens passes
// silently. A bare host name ("www.example.org") is opened as an http address.
void WebLink(const QString& address);

// Opens a new mail to the address ("mailto:" and the address) with the user's mail program. When
// none opens, a message box gives the address to write to.
void EmailLink(const QString& address);

} // namespace qel
