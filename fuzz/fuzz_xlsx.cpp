// Fuzz target: the .xlsx reader on any bytes. Every input is either read to its last row or
// refused with a ServerError; anything else (a crash, a sanitizer report, a leak, a hang) is a
// finding.
#include "common/ServerError.h"
#include "common/Workbook.h"

#include <cstdint>
#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // The reader takes a path: the input goes to a file of this process's own, removed when the
    // run ends.
    static const struct Scratch {
        std::string path = "/tmp/qel-fuzz-xlsx-" + std::to_string(::getpid()) + ".xlsx";
        ~Scratch() { std::remove(path.c_str()); }
    } scratch;
    const std::string& path = scratch.path;
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    std::fwrite(data, 1, size, file);
    std::fclose(file);
    // Only zip packages reach the .xlsx reader; anything else stops at the first bytes.
    if (size < 4 || data[0] != 'P' || data[1] != 'K')
        return 0;
    try {
        qel::Workbook book(path);
        while (book.nextRow()) {
            for (int c = 1; c <= 20; ++c)
                (void)book.cell(c);
        }
    } catch (const qel::ServerError&) {
    }
    return 0;
}
