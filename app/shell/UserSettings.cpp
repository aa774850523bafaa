// The per-user settings over QSettings.
#include "app/shell/UserSettings.h"

#include "app/shell/AppInfo.h"
#include "common/ServerError.h"

#include <QSettings>

#include <memory>

namespace qel {
namespace {

// The platform's "Path/File access error".
constexpr std::int32_t kErrPathAccess = 75;

std::unique_ptr<QSettings> openSettings() {
    const QString dir = qEnvironmentVariable("QEL_SETTINGS_DIR");
    if (!dir.isEmpty())
        return std::make_unique<QSettings>(dir + QLatin1Char('/') + kProductName + QStringLiteral(".ini"),
                                           QSettings::IniFormat);
    return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, kProductName);
}

QString keyPath(const QString& appName, const QString& section, const QString& key) {
    return appName + QLatin1Char('/') + section + QLatin1Char('/') + key;
}

} // namespace

QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& fallback) {
    const auto settings = openSettings();
    const QVariant v = settings->value(keyPath(appName, section, key));
    return v.isValid() ? v.toString() : fallback;
}

void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value) {
    const auto settings = openSettings();
    settings->setValue(keyPath(appName, section, key), value);
    settings->sync();
    if (settings->status() != QSettings::NoError)
        throw ServerError(kErrPathAccess, "SaveSetting",
                          "The settings file '" + settings->fileName().toStdString() + "' cannot be written.",
                          ErrorKind::Io);
}

QString settingsFilePath() {
    return openSettings()->fileName();
}

} // namespace qel
