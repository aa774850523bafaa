// The INI file QELFA1.ini that holds the database path (section "Data", key "DB_Path").
//
// It lives in the user's config folder ($XDG_CONFIG_HOME, else ~/.config); the environment
// variable QEL_INI names another file.
#pragma once

#include <string>

namespace qel {

// The full path of the INI file in use.
std::string iniFilePath();

// The value of a key in a section, without blanks at either end; empty when the file, the
// section or the key is missing. Section and key names ignore case.
std::string readIniValue(const std::string& section, const std::string& key);

// Sets a key in a section, keeping every other line of the file; creates the file, the section
// and the folder when missing. The file is replaced whole (written beside it, then renamed),
// so a failure leaves the old file. Throws ServerError (kind Io) on failure.
void writeIniValue(const std::string& section, const std::string& key, const std::string& value);

} // namespace qel
