// xlsreader: reads the first worksheet of an Excel 97-2003 workbook for the program, in a
// process of its own, and writes it to its standard output as a sheet stream.
//
//   xlsreader <memory bytes> <processor seconds> -- <file>
//
// Its standard output is a pipe: it may write no file, and one given as its output ends it.
//
// Before it reads a byte of the file it limits itself: the address space it may map, the
// processor time it may use (it is killed past it), no core file and no file written. A damaged
// file may still make the .xls library fail, but only this process ends; the program sees an
// incomplete stream and says the file cannot be read.
//
// Under AddressSanitizer a limit on the address space would break the sanitizer's shadow memory
// (it reserves terabytes of addresses at start), so a sanitized build leaves that limit out;
// the program then starts it with sanitizer options that bound its memory instead
// (WorkbookXls.cpp).
#include "common/xlsreader/XlsRead.h"

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string_view>
#include <sys/resource.h>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__)
#define QEL_XLSREADER_ASAN 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QEL_XLSREADER_ASAN 1
#endif
#endif

namespace {

bool parseNumber(std::string_view text, unsigned long long& out) {
    const auto [ptr, ec] = std::from_chars(text.data(), text.data() + text.size(), out);
    return ec == std::errc() && ptr == text.data() + text.size() && !text.empty();
}

bool limit(int resource, rlim_t soft, rlim_t hard) {
    const rlimit value{soft, hard};
    return setrlimit(resource, &value) == 0;
}

bool writeAll(const std::string& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(STDOUT_FILENO, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<std::size_t>(n);
    }
    return true;
}

} // namespace

int main(int argc, char** argv) {
    unsigned long long memory = 0, seconds = 0;
    if (argc != 5 || std::strcmp(argv[3], "--") != 0 || !parseNumber(argv[1], memory) ||
        !parseNumber(argv[2], seconds) || seconds == 0) {
        std::fprintf(stderr, "usage: xlsreader <memory bytes> <processor seconds> -- <file>\n");
        return 2;
    }
    // Past the soft limit of processor time the process gets SIGXCPU, which ends it; a second
    // later the hard limit kills it should the signal be caught.
    bool limited = limit(RLIMIT_CORE, 0, 0) && limit(RLIMIT_FSIZE, 0, 0) &&
                   limit(RLIMIT_CPU, static_cast<rlim_t>(seconds), static_cast<rlim_t>(seconds) + 1);
#ifndef QEL_XLSREADER_ASAN
    limited = limited && limit(RLIMIT_AS, static_cast<rlim_t>(memory), static_cast<rlim_t>(memory));
#endif
    if (!limited) {
        std::fprintf(stderr, "xlsreader: cannot set its limits: %s\n", std::strerror(errno));
        return 3;
    }

    // The rows go out as they are read, so the stream is never held whole here either.
    std::string stream;
    bool written = true;
    qel::xls::readXls(argv[4], stream,
                      [&written](const std::string& part) { written = written && writeAll(part); });
    return written && writeAll(stream) ? 0 : 4;
}
