// The per-user settings: texts stored under an application name, a section and a key, in one
// settings file of the product "Qel Corvane 3.0" in the user's config folder. The environment
// variable QEL_SETTINGS_DIR names another folder for that file (tests use it).
//
// Application names in use: "Qel Corvane 3.0" (the last company and the password switch) and a
// window's name ("mdiMain", "frmMaint") for its position.
#pragma once

#include <QString>

namespace qel {

// The stored text, or `fallback` when none is stored.
QString GetSetting(const QString& appName, const QString& section, const QString& key,
                   const QString& fallback = {});

// Stores the text at once. Throws ServerError (kind Io) when the settings file cannot be written.
void SaveSetting(const QString& appName, const QString& section, const QString& key, const QString& value);

// The full path of the settings file in use.
QString settingsFilePath();

} // namespace qel
