// The lines of a text file, for tests of the files the program writes.
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace qel::test {

// Each line without its line end; nothing for a missing file.
inline std::vector<std::string> fileLines(const std::string& path) {
    std::ifstream in(path);
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

} // namespace qel::test
