#include "tests/testsupport/PdfText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>
#include <regex>

namespace qel::test {
namespace {

std::string commandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> buffer;
    for (std::size_t n; pipe && (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;)
        text.append(buffer.data(), n);
    return text;
}

// The text of a word as pdftotext writes it in XHTML.
std::string unescaped(std::string text) {
    for (const auto& [entity, character] :
         {std::pair{"&lt;", "<"}, std::pair{"&gt;", ">"}, std::pair{"&quot;", "\""}, std::pair{"&apos;", "'"},
          std::pair{"&amp;", "&"}})
        for (std::size_t at; (at = text.find(entity)) != std::string::npos;)
            text.replace(at, std::string(entity).size(), character);
    return text;
}

} // namespace

std::string pdfText(const std::string& path) {
    return commandOutput("pdftotext -layout '" + path + "' - 2>/dev/null");
}

PdfLayout pdfLayout(const std::string& path) {
    const std::string xhtml = commandOutput("pdftotext -bbox '" + path + "' - 2>/dev/null");
    static const std::regex item(
        R"re(<page width="([0-9.]+)" height="([0-9.]+)">|<word xMin="([0-9.-]+)" yMin="([0-9.-]+)" xMax="([0-9.-]+)" yMax="([0-9.-]+)">([^<]*)</word>)re");
    PdfLayout layout;
    for (auto it = std::sregex_iterator(xhtml.begin(), xhtml.end(), item); it != std::sregex_iterator();
         ++it) {
        const std::smatch& m = *it;
        if (m[1].matched) {
            layout.pages.push_back({std::stod(m[1]), std::stod(m[2])});
        } else if (!layout.pages.empty()) {
            layout.words.push_back({layout.pages.size() - 1, unescaped(m[7]), std::stod(m[3]),
                                    std::stod(m[4]), std::stod(m[5]), std::stod(m[6])});
        }
    }
    return layout;
}

int pdfPageCount(const std::string& path) {
    const std::string text = pdfText(path);
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

} // namespace qel::test
