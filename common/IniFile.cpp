// Reading and writing QELFA1.ini.
#include "common/IniFile.h"

#include "common/ServerError.h"
#include "common/Text.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <strings.h>
#include <vector>

namespace qel {
namespace {

std::string trim(std::string_view s) {
    return std::string(trimWhiteSpace(s));
}

bool sameName(const std::string& a, const std::string& b) {
    return strcasecmp(a.c_str(), b.c_str()) == 0;
}

// The section name of a "[Name]" line, or nothing.
bool sectionOf(const std::string& line, std::string& name) {
    const std::string t = trim(line);
    if (t.size() < 2 || t.front() != '[' || t.back() != ']')
        return false;
    name = trim(t.substr(1, t.size() - 2));
    return true;
}

// The key of a "key=value" line, or nothing.
bool keyOf(const std::string& line, std::string& key, std::string& value) {
    const auto eq = line.find('=');
    if (eq == std::string::npos)
        return false;
    key = trim(line.substr(0, eq));
    value = trim(line.substr(eq + 1));
    return true;
}

std::vector<std::string> readLines(const std::string& path) {
    std::vector<std::string> lines;
    std::ifstream in(path);
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        lines.push_back(line);
    }
    return lines;
}

} // namespace

std::string iniFilePath() {
    if (const char* p = std::getenv("QEL_INI"); p && *p)
        return p;
    std::filesystem::path dir;
    if (const char* x = std::getenv("XDG_CONFIG_HOME"); x && *x)
        dir = x;
    else if (const char* h = std::getenv("HOME"); h && *h)
        dir = std::filesystem::path(h) / ".config";
    else
        dir = ".";
    return (dir / "QELFA1.ini").string();
}

std::string readIniValue(const std::string& section, const std::string& key) {
    std::string current;
    bool inSection = false;
    for (const auto& line : readLines(iniFilePath())) {
        if (sectionOf(line, current)) {
            inSection = sameName(current, section);
            continue;
        }
        std::string k, v;
        if (inSection && keyOf(line, k, v) && sameName(k, key))
            return v;
    }
    return {};
}

void writeIniValue(const std::string& section, const std::string& key, const std::string& value) {
    const std::string path = iniFilePath();
    std::vector<std::string> lines = readLines(path);
    const std::string entry = key + "=" + value;

    std::string current;
    bool inSection = false, sectionSeen = false, written = false;
    std::size_t sectionEnd = 0;
    for (std::size_t i = 0; i < lines.size() && !written; ++i) {
        if (sectionOf(lines[i], current)) {
            if (inSection) {
                break;
            }
            inSection = sameName(current, section);
            if (inSection) {
                sectionSeen = true;
                sectionEnd = i + 1;
            }
            continue;
        }
        std::string k, v;
        if (inSection) {
            if (keyOf(lines[i], k, v) && sameName(k, key)) {
                lines[i] = entry;
                written = true;
            } else if (!trim(lines[i]).empty()) {
                sectionEnd = i + 1;
            }
        }
    }
    if (!written) {
        if (sectionSeen) {
            lines.insert(lines.begin() + static_cast<long>(sectionEnd), entry);
        } else {
            lines.push_back("[" + section + "]");
            lines.push_back(entry);
        }
    }

    std::error_code ec;
    const std::filesystem::path target(path);
    if (target.has_parent_path())
        std::filesystem::create_directories(target.parent_path(), ec);
    const std::string temp = path + ".tmp";
    {
        std::ofstream out(temp, std::ios::trunc);
        for (const auto& line : lines)
            out << line << '\n';
        out.flush();
        if (!out)
            throw ServerError(kErrDatabase, "IniFile", "Cannot write the settings file " + temp,
                              ErrorKind::Io);
    }
    std::filesystem::rename(temp, target, ec);
    if (ec) {
        std::filesystem::remove(temp, ec);
        throw ServerError(kErrDatabase, "IniFile", "Cannot replace the settings file " + path, ErrorKind::Io);
    }
}

} // namespace qel
