#include "tests/testsupport/PdfText.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <memory>

namespace qel::test {

std::string pdfText(const std::string& path) {
    const std::string command = "pdftotext -layout '" + path + "' - 2>/dev/null";
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), pclose);
    std::string text;
    std::array<char, 4096> buffer;
    for (std::size_t n; pipe && (n = std::fread(buffer.data(), 1, buffer.size(), pipe.get())) > 0;)
        text.append(buffer.data(), n);
    return text;
}

int pdfPageCount(const std::string& path) {
    const std::string text = pdfText(path);
    return static_cast<int>(std::count(text.begin(), text.end(), '\f'));
}

} // namespace qel::test
