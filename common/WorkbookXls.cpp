// The reader of Excel 97-2003 workbooks (.xls), run in a separate program.
//
// The .xls library reads out of bounds on some damaged files, so the program never runs it
// itself: the xlsreader program reads the workbook under limits of memory and time and writes
// the sheet back as a sheet stream (SheetStream.h), which is decoded here as it comes, with
// every length checked and the sheet held within the limits of one. A reader that crashes, runs out of time
// or memory, or writes anything but a complete stream leaves an error that names the file; the program goes
// on.
#include "common/ChildProcess.h"
#include "common/ModuleFolder.h"
#include "common/SheetStream.h"
#include "common/WorkbookSource.h"

#include <algorithm>
#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string.h>
#include <system_error>

namespace qel {
namespace {

#if defined(__SANITIZE_ADDRESS__)
#define QEL_READER_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QEL_READER_SANITIZED 1
#endif
#endif

// The most a stream may hold: beyond a sheet at the limits of one (kMaxSheetTextBytes of text
// in kMaxSheetCells cells, each with its column and kind), so that the decoder's limits, which
// name what was too much, come first. The stream is not kept: this only bounds the time spent.
constexpr std::size_t kMaxStreamBytes = std::size_t{128} << 20;

std::string readerProgram() {
    const XlsReaderSettings& settings = xlsReaderSettings();
    if (!settings.program.empty())
        return settings.program;
    if (const char* named = std::getenv("QEL_XLSREADER"); named && *named)
        return named;
    return (std::filesystem::path(moduleFolder(reinterpret_cast<const void*>(&readerProgram))) / "xlsreader")
        .string();
}

// The cause of a reader that did not end with a complete stream, in the user's words.
std::string abnormalEnd(const ChildResult& result, const XlsReaderSettings& settings) {
    switch (result.end) {
    case ChildResult::End::TimedOut:
        return "reading it took longer than " +
               std::to_string(std::chrono::duration_cast<std::chrono::seconds>(settings.timeout).count()) +
               " seconds; the file may be damaged.";
    case ChildResult::End::TooMuchOutput:
        return "it holds more data than a workbook can; the file is damaged.";
    case ChildResult::End::Signalled:
        if (result.status == SIGXCPU)
            return "reading it took more than " + std::to_string(settings.cpuSeconds) +
                   " seconds of processor time; the file may be damaged.";
        return std::string("the .xls reader stopped (") + strsignal(result.status) +
               ") while reading it; the file is damaged or not a workbook it can read.";
    case ChildResult::End::Exited:
        break;
    }
    return "the .xls reader ended with code " + std::to_string(result.status) +
           " while reading it; the file is damaged or not a workbook it can read.";
}

// What the reader's environment changes. The reader of a sanitized build cannot limit its
// address space (xlsreader's main.cpp says why); its sanitizer bounds its memory instead, through
// options it reads when it starts: no allocation beyond the limit (the library is told there is
// no memory), and an end to the process whose resident memory passes it by more than the
// sanitizer's own quarantine.
std::vector<std::string> readerEnvironment([[maybe_unused]] const XlsReaderSettings& settings) {
#ifdef QEL_READER_SANITIZED
    const std::uint64_t mb = std::max<std::uint64_t>(settings.memoryBytes >> 20, 1);
    const char* inherited = std::getenv("ASAN_OPTIONS");
    return {"ASAN_OPTIONS=" + std::string(inherited ? inherited : "") +
            ":allocator_may_return_null=1:max_allocation_size_mb=" + std::to_string(mb) +
            ":hard_rss_limit_mb=" + std::to_string(mb + 512)};
#else
    return {};
#endif
}

class XlsSheet : public SheetSource {
public:
    explicit XlsSheet(const std::string& path) {
        const XlsReaderSettings& settings = xlsReaderSettings();
        const std::string program = readerProgram();
        // The stream is decoded as it comes, so that only the rows are held, and a sheet past
        // the limits of one ends the reader at the first cell beyond them.
        SheetStreamDecoder decoder;
        ChildResult result;
        try {
            result = runChild(program,
                              {std::to_string(settings.memoryBytes), std::to_string(settings.cpuSeconds),
                               "--", std::filesystem::absolute(path).string()},
                              settings.timeout, kMaxStreamBytes, readerEnvironment(settings),
                              [&decoder](std::string_view bytes) { decoder.feed(bytes); });
            if (result.end == ChildResult::End::Exited && result.status == 0)
                sheet_ = decoder.finish();
        } catch (const std::system_error& e) {
            throwWorkbookError(path, "the .xls reader '" + program + "' cannot be run (" + e.what() + ").");
        } catch (const SheetTooLarge& e) {
            throwWorkbookError(path, e.what());
        } catch (const SheetStreamError& e) {
            throwWorkbookError(path,
                               std::string("the .xls reader gave a malformed result (") + e.what() + ").");
        }
        if (result.end != ChildResult::End::Exited || result.status != 0)
            throwWorkbookError(path, abnormalEnd(result, settings));
        if (!sheet_.failure.empty())
            throwWorkbookError(path, sheet_.failure);
    }

    bool next(SheetRow& row) override {
        if (next_ == sheet_.rows.size())
            return false;
        row = std::move(sheet_.rows[next_++]);
        return true;
    }

    const std::string& sheetName() const override { return sheet_.sheetName; }
    bool uses1904Dates() const override { return sheet_.date1904; }

private:
    DecodedSheet sheet_;
    std::size_t next_ = 0;
};

} // namespace

XlsReaderSettings& xlsReaderSettings() {
    static XlsReaderSettings settings;
    return settings;
}

std::unique_ptr<SheetSource> openXlsSheet(const std::string& path) {
    return std::make_unique<XlsSheet>(path);
}

} // namespace qel
