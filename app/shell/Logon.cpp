// The logon rule.
#include "app/shell/Logon.h"

#include "app/shell/ErrorBox.h"
#include "server/support/DeprSupport.h"

#include <pwd.h>
#include <unistd.h>

namespace qel {

QString GetUserLevel(const QString& strUser, const QString& strPwd) {
    QString level;
    runWithErrorBox(QStringLiteral("Error in GetUserLevel. "), [&] {
        DeprSupport support;
        level = QString::fromStdString(support.GetUserLevel(strUser.toStdString(), strPwd.toStdString()));
    });
    return level;
}

LogonOutcome LogonCheck::check(const QString& user, const QString& password) const {
    if (user.isEmpty())
        return LogonOutcome::EmptyUser;
    const QString level = lookup_(user, password);
    if (level.isEmpty())
        return LogonOutcome::Invalid;
    return level == QLatin1String("Admin") ? LogonOutcome::Admin : LogonOutcome::NonAdmin;
}

QString loggedOnUserName() {
    if (const passwd* pw = getpwuid(geteuid()); pw && pw->pw_name)
        return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
}

} // namespace qel
