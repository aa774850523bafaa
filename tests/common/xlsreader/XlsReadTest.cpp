// The reader program's work: the sheet stream goes out a chunk at a time as the rows are read,
// and a sheet past the limits of one ends in the failure record that names the limit, after the
// rows already sent.
#include "common/xlsreader/XlsRead.h"

#include "common/SheetStream.h"
#include "common/WorkbookSource.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel::xls {
namespace {

namespace fs = std::filesystem;

// The stream of the workbook as the reader program sends it: the pieces handed to the sink,
// then what is left.
std::vector<std::string> sentPieces(const fs::path& path) {
    std::vector<std::string> pieces;
    std::string out;
    readXls(path.string(), out, [&](const std::string& part) { pieces.push_back(part); });
    pieces.push_back(out);
    return pieces;
}

std::string joined(const std::vector<std::string>& pieces) {
    std::string all;
    for (const auto& p : pieces)
        all += p;
    return all;
}

TEST(XlsRead, TheStreamGoesOutAChunkAtATimeAndDecodesAsAWhole) {
    test::TempFolder folder;
    const fs::path path = folder.path() / "many.xls";
    test::XlsOptions options;
    options.copies = 3000;
    test::writeXls(path, {{1, std::string(100, 'd'), 25.5}}, options);

    const auto pieces = sentPieces(path);
    std::string whole;
    readXls(path.string(), whole);

    EXPECT_GT(pieces.size(), 3u);
    for (std::size_t i = 0; i + 1 < pieces.size(); ++i)
        EXPECT_LT(pieces[i].size(), std::size_t{80} << 10) << "piece " << i;
    EXPECT_EQ(joined(pieces), whole);
    const DecodedSheet sheet = decodeSheetStream(whole);
    EXPECT_EQ(sheet.failure, "");
    ASSERT_EQ(sheet.rows.size(), 3000u);
    EXPECT_EQ(sheet.rows.back().number, 3000);
}

// 60,000 cells of one 8,000-character shared string: the reader stops at the limit of a sheet's
// text, whether it sends the stream as it goes or keeps it whole.
TEST(XlsRead, ASheetPastTheLimitOfItsTextEndsInAFailureThatNamesIt) {
    test::TempFolder folder;
    const fs::path path = folder.path() / "crafted.xls";
    test::XlsOptions options;
    options.copies = 1000;
    test::writeXls(path, {std::vector<Variant>(60, Variant(std::string(8000, 'x')))}, options);
    const std::string cause =
        "its cells hold more than 32 MB of text, more than the program reads from a sheet; the file may "
        "be damaged.";

    std::string whole;
    readXls(path.string(), whole);
    const DecodedSheet kept = decodeSheetStream(whole);
    EXPECT_EQ(kept.failure, cause);
    EXPECT_TRUE(kept.rows.empty());

    const DecodedSheet sent = decodeSheetStream(joined(sentPieces(path)));
    EXPECT_EQ(sent.failure, cause);
    // The rows sent before the limit was reached hold at most the limit's text.
    EXPECT_FALSE(sent.rows.empty());
    EXPECT_LE(sent.rows.size() * 60 * 8000, kMaxSheetTextBytes);
}

} // namespace
} // namespace qel::xls
