// The .xls reader in its own process: files that make the .xls library crash or over-read, cut
// and damaged copies of a small workbook, a reader that crashes, hangs, runs out of memory or
// writes anything but a complete sheet stream. Each is an I/O error that names the file, and the
// test program goes on. A file that names far more text than a sheet holds is refused with the
// program's memory bounded.
#include "common/ServerError.h"
#include "common/SheetStream.h"
#include "common/Workbook.h"
#include "common/WorkbookSource.h"
#include "tests/common/peakmemory/PeakReading.h"
#include "tests/testsupport/EnvironmentValue.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <set>
#include <string>
#include <thread>

namespace qel {
namespace {

namespace fs = std::filesystem;

const test::SheetData kRows{
    {"Company", "Name", "Cost"},
    {1, "Desk", 1250.0, true, Date(2010, 7, 1)},
    {1, "Chair", 80.5, false, Date(2011, 1, 1)},
};

// Reads every row; the error's description, or "" when the workbook was read.
std::string readError(const fs::path& path) {
    try {
        Workbook book(path.string());
        while (book.nextRow()) {
        }
        return "";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io) << e.description();
        EXPECT_NE(e.description().find("The workbook '" + path.string() + "' cannot be read: "),
                  std::string::npos)
            << e.description();
        return e.description();
    }
}

// Puts the reader's settings back as they were after each test.
class XlsReaderTest : public ::testing::Test {
protected:
    ~XlsReaderTest() override { xlsReaderSettings() = saved_; }

    // A stand-in for the reader program: a shell script of the given body.
    std::string script(const std::string& body) {
        const fs::path path = folder_.path() / ("reader" + std::to_string(++scripts_) + ".sh");
        test::writeBytes(path, "#!/bin/sh\n" + body + "\n");
        fs::permissions(path, fs::perms::owner_all);
        return path.string();
    }

    fs::path workbook() {
        const fs::path path = folder_.path() / "book.xls";
        test::writeXls(path, kRows);
        return path;
    }

    test::TempFolder folder_;

private:
    XlsReaderSettings saved_ = xlsReaderSettings();
    int scripts_ = 0;
};

TEST_F(XlsReaderTest, ReadsAWorkbook) {
    Workbook book(workbook().string());
    EXPECT_EQ(book.sheetName(), "Sheet1");
    ASSERT_TRUE(book.nextRow());
    ASSERT_TRUE(book.nextRow());
    EXPECT_EQ(book.row(), 2);
    EXPECT_EQ(book.cell(2), Variant("Desk"));
    EXPECT_EQ(book.cell(3), Variant(1250.0));
}

TEST_F(XlsReaderTest, FilesThatMakeTheLibraryFailAreErrors) {
    for (const char* name : {"xls-out-of-bounds-read.xls", "xls-charset-over-read.xls"}) {
        SCOPED_TRACE(name);
        EXPECT_NE(readError(fs::path(QEL_TEST_DATA) / name), "");
    }
}

TEST_F(XlsReaderTest, AWorkbookThatNeedsMoreMemoryThanAllowedIsAnError) {
    // The library allocates every cell the sheet declares: 65,536 rows of 256 columns take a
    // quarter of a gigabyte, more than the reader is allowed here.
    test::XlsOptions huge;
    huge.declaredRows = kMaxXlsRow;
    huge.declaredColumns = kMaxXlsColumn;
    const fs::path path = folder_.path() / "huge.xls";
    test::writeXls(path, kRows, huge);
    ASSERT_EQ(readError(path), "");
    // Under a smaller limit the allocation fails and the library drops the sheet.
    xlsReaderSettings().memoryBytes = std::uint64_t{64} << 20;
    EXPECT_NE(readError(path), "");
}

struct ReaderCase {
    const char* name;
    const char* body;   // the stand-in reader's script; %STREAM% is a file holding `stream`
    std::string stream; // a sheet stream for the script to write
    const char* cause;  // part of the error's description
    // How long the reader may take; zero for the usual limit, which no stand-in but a hanging
    // one comes near however busy the machine.
    std::chrono::milliseconds timeout{0};
};

std::string stream(const std::function<void(SheetStreamWriter&)>& write) {
    std::string out;
    SheetStreamWriter w(out);
    write(w);
    return out;
}

class ReaderFailures : public XlsReaderTest, public ::testing::WithParamInterface<ReaderCase> {};

TEST_P(ReaderFailures, AreErrorsThatNameTheFile) {
    const ReaderCase& c = GetParam();
    const fs::path streamFile = folder_.path() / "stream";
    test::writeBytes(streamFile, c.stream);
    std::string body = c.body;
    if (const auto at = body.find("%STREAM%"); at != std::string::npos)
        body.replace(at, 8, streamFile.string());
    xlsReaderSettings().program = script(body);
    if (c.timeout.count() > 0)
        xlsReaderSettings().timeout = c.timeout;

    const std::string error = readError(workbook());
    EXPECT_NE(error.find(c.cause), std::string::npos) << error;
}

SheetRow rowOf(int number, std::vector<Variant> cells) {
    SheetRow row;
    row.number = number;
    row.cells = std::move(cells);
    return row;
}

INSTANTIATE_TEST_SUITE_P(
    All, ReaderFailures,
    ::testing::Values(
        ReaderCase{"Crash", "kill -SEGV $$", "", "the .xls reader stopped (Segmentation fault)"},
        ReaderCase{"Hang", "exec sleep 30", "", "reading it took longer than",
                   std::chrono::milliseconds(300)},
        ReaderCase{"ExitCode", "exit 3", "", "ended with code 3"},
        ReaderCase{"NoOutput", "exit 0", "", "ends before its end record"},
        ReaderCase{"Garbage", "printf 'garbage'", "", "the .xls reader gave a malformed result"},
        ReaderCase{"CutShort", "head -c 20 %STREAM%", stream([](SheetStreamWriter& w) {
                       w.header("Sheet1", false);
                       w.row(rowOf(1, {Variant("a long enough text")}));
                       w.end();
                   }),
                   "malformed result (a record runs past its record)"},
        ReaderCase{"RowBeyondTheSheet", "cat %STREAM%", stream([](SheetStreamWriter& w) {
                       w.header("Sheet1", false);
                       w.row(rowOf(kMaxXlsRow + 1, {Variant(1.0)}));
                       w.end();
                   }),
                   "row 65537 is out of order or out of range"},
        ReaderCase{"ReaderRefusesTheFile", "cat %STREAM%", stream([](SheetStreamWriter& w) {
                       w.failure("it is protected by a password (encrypted).");
                   }),
                   "cannot be read: it is protected by a password (encrypted)."}),
    [](const auto& info) { return std::string(info.param.name); });

// A small .xls file can name one long shared string from tens of thousands of cells: 60,000
// cells of 8,000 characters come to 480 MB of text from a file of under a megabyte. The reading
// stops at the limit of a sheet's text, while the program holds a fraction of what the file
// names; a real workbook is read in full.
TEST_F(XlsReaderTest, AFileThatNamesMoreTextThanASheetHoldsIsRefusedInBoundedMemory) {
    const std::string longText(8000, 'x');
    const struct {
        const char* name;
        test::SheetData rows;
        std::size_t copies;
        const char* outcome;
    } cases[] = {
        {"a real workbook", kRows, 1, "read 3"},
        {"60,000 cells of 8,000 characters",
         {std::vector<Variant>(60, Variant(longText))},
         1000,
         "refused The workbook '%1' cannot be read: its cells hold more than 32 MB of text, more than the "
         "program reads from a sheet; the file may be damaged."},
    };
    constexpr long kMostKb = 200 * 1024;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const fs::path path = folder_.path() / "crafted.xls";
        test::XlsOptions options;
        options.copies = c.copies;
        test::writeXls(path, c.rows, options);
        ASSERT_LT(fs::file_size(path), std::uintmax_t{1} << 20);

        test::expectReadingWithin(path, c.outcome, kMostKb, c.name);
    }
}

TEST_F(XlsReaderTest, AMissingReaderProgramIsAnError) {
    xlsReaderSettings().program = (folder_.path() / "no-such-reader").string();
    EXPECT_NE(readError(workbook()).find("cannot be run (" + xlsReaderSettings().program), std::string::npos);
}

// Runs the reader program on each copy of the workbook `bytes` cut to one of `lengths` or with
// the byte at one of `damagedAt` damaged, four readers at a time; each copy is either read or
// refused with an I/O error, and none ends the test program. Returns how many cut copies were
// refused.
std::size_t cutsRefused(const fs::path& folder, const std::string& bytes,
                        const std::set<std::size_t>& lengths, const std::set<std::size_t>& damagedAt) {
    std::vector<std::string> files;
    for (const std::size_t length : lengths)
        files.push_back(bytes.substr(0, length));
    for (const std::size_t at : damagedAt) {
        std::string damaged = bytes;
        damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
        files.push_back(std::move(damaged));
    }
    // So many readers skip the leak check at their exit, which under the sanitizers takes as long
    // as the rest of their run; the other tests of the reader keep it.
    const char* inherited = std::getenv("ASAN_OPTIONS");
    const std::string options = std::string(inherited ? inherited : "") + ":detect_leaks=0";
    const test::EnvironmentValue noLeakCheck("ASAN_OPTIONS", options.c_str());
    std::atomic<std::size_t> next{0}, refused{0};
    const auto work = [&](int worker) {
        const fs::path target = folder / ("damaged" + std::to_string(worker) + ".xls");
        for (std::size_t i = next++; i < files.size(); i = next++) {
            test::writeBytes(target, files[i]);
            if (!readError(target).empty() && i < lengths.size())
                ++refused;
        }
    };
    std::vector<std::thread> workers;
    for (int w = 0; w < 4; ++w)
        workers.emplace_back(work, w);
    for (auto& t : workers)
        t.join();
    return refused.load();
}

// A workbook cut short, or with a byte damaged, is read or refused; a cut one is refused, as the
// reader walks the compound file's sectors itself and so sees even a cut the .xls library reads
// past (in the padding after the last record). Every cut of the file is refused by the sector walk
// alone (the compound file's own tests); the reader program is tried here on about 150 copies: the
// cuts where the walk changes course (around the header's signature and fixed fields, around each
// sector boundary, one byte short), and cuts and damaged bytes spread along the file at strides
// prime to the sector size, so that they fall at ever other places within a sector.
TEST_F(XlsReaderTest, CutAndDamagedWorkbooksAreReadOrRefused) {
    const std::string bytes = test::readBytes(workbook());
    constexpr std::size_t kSector = 512, kSignature = 8, kHeaderFields = 76;
    std::set<std::size_t> lengths{0,
                                  1,
                                  kSignature - 1,
                                  kSignature,
                                  kSignature + 1,
                                  kHeaderFields - 1,
                                  kHeaderFields,
                                  kHeaderFields + 1,
                                  bytes.size() - 1};
    for (std::size_t boundary = kSector; boundary < bytes.size(); boundary += kSector)
        lengths.insert({boundary - 1, boundary, boundary + 1});
    for (std::size_t length = 0; length < bytes.size(); length += 211)
        lengths.insert(length);
    lengths.erase(lengths.lower_bound(bytes.size()), lengths.end());
    std::set<std::size_t> damagedAt;
    for (std::size_t at = 0; at < bytes.size(); at += 67)
        damagedAt.insert(at);

    EXPECT_EQ(cutsRefused(folder_.path(), bytes, lengths, damagedAt), lengths.size());
}

// The same through every cut of the file and every fifth byte damaged: thousands of readers,
// minutes under the sanitizers. Run on demand, after a change to the reader program or its
// limits:
//   common_tests --gtest_also_run_disabled_tests --gtest_filter='*EveryPrefix*'
TEST_F(XlsReaderTest, DISABLED_EveryPrefixAndDamagedByteIsReadOrRefused) {
    const std::string bytes = test::readBytes(workbook());
    std::set<std::size_t> lengths, damagedAt;
    for (std::size_t length = 0; length < bytes.size(); ++length)
        lengths.insert(length);
    for (std::size_t at = 0; at < bytes.size(); at += 5)
        damagedAt.insert(at);

    EXPECT_EQ(cutsRefused(folder_.path(), bytes, lengths, damagedAt), lengths.size());
}

} // namespace
} // namespace qel
