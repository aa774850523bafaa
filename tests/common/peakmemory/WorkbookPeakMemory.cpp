// workbook_peak_memory <file>: opens the workbook and reads every row, as the import does, then
// writes two lines to its standard output:
//   "read <rows>" or "refused <the error's description>"
//   "peak-kb <the most resident memory the process held, in kilobytes>"
// Only this process's own memory is counted, not the .xls reader program it starts. The peak is
// the kernel's high-water mark of this program's memory (VmHWM), not getrusage's ru_maxrss,
// which keeps across exec the peak of the process that started it.
#include "common/ServerError.h"
#include "common/Workbook.h"

#include <cstdio>
#include <fstream>
#include <string>

namespace {

long peakKb() {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);)
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stol(line.substr(6));
    return -1;
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: workbook_peak_memory <file>\n");
        return 2;
    }
    try {
        qel::Workbook book(argv[1]);
        long rows = 0;
        while (book.nextRow())
            ++rows;
        std::printf("read %ld\n", rows);
    } catch (const qel::ServerError& e) {
        std::printf("refused %s\n", e.description().c_str());
    }
    std::printf("peak-kb %ld\n", peakKb());
    return 0;
}
