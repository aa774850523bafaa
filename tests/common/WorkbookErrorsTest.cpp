// The workbook reader on files it cannot read: each is refused as an I/O error that names the
// file and the cause, and no truncated or damaged file crashes it. What no real .xlsx workbook
// holds (a text longer than a cell, more shared strings than cells, more text than the limits of
// a sheet, a part of more than 512 MB) is refused the same way.
#include "common/ServerError.h"
#include "common/Workbook.h"
#include "common/WorkbookSource.h"
#include "tests/common/peakmemory/PeakReading.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <gtest/gtest.h>

#include <functional>

namespace qel {
namespace {

using test::SheetData;

const SheetData kRows{
    {"Company", "Name", "Cost"},
    {1, "Desk", 1250.0, true, Date(2010, 7, 1)},
    {1, "Chair", 80.5, false, Date(2011, 1, 1)},
};

test::XlsOptions passwordProtected() {
    test::XlsOptions o;
    o.passwordProtected = true;
    return o;
}

test::XlsOptions streamNamed(const char* name) {
    test::XlsOptions o;
    o.streamName = name;
    return o;
}

// Opens the workbook and reads every row; the error, or "" when it was read.
std::string readError(const std::filesystem::path& path) {
    try {
        Workbook book(path.string());
        while (book.nextRow()) {
            for (int c = 1; c <= 8; ++c)
                (void)book.cell(c);
        }
        return "";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Io) << e.description();
        EXPECT_NE(e.description().find(path.string()), std::string::npos) << e.description();
        return e.description();
    }
}

struct BadFile {
    const char* name;
    std::function<void(const std::filesystem::path&)> make; // empty: the file does not exist
    const char* cause;                                      // part of the error's description
};

class WorkbookErrors : public ::testing::TestWithParam<BadFile> {};

TEST_P(WorkbookErrors, AreClearIoErrors) {
    const auto& c = GetParam();
    test::TempFolder folder;
    const auto path = folder.path() / "book.xlsx";
    if (c.make)
        c.make(path);
    const std::string error = readError(path);
    EXPECT_NE(error.find(c.cause), std::string::npos) << error;
}

const std::string kSheetHead =
    "<worksheet xmlns=\"http://schemas.openxmlformats.org/spreadsheetml/2006/main\"><sheetData>";
const std::string kSheetTail = "</sheetData></worksheet>";

// A package with a workbook part, a sheet part of `sheetRow` repeated `rows` times, and shared
// strings of `sharedString` repeated `strings` times.
void writeRepeatedPackage(const std::filesystem::path& path, const std::string& sheetRow, std::size_t rows,
                          const std::string& sharedString, std::size_t strings,
                          const std::string& sheetType = "worksheet") {
    const std::string rel = "http://schemas.openxmlformats.org/officeDocument/2006/relationships/";
    test::writeRepeatedZip(
        path, {{.name = "xl/workbook.xml",
                .head = R"(<workbook xmlns:r="x"><sheets><sheet name="S" r:id="rId1"/></sheets></workbook>)"},
               {.name = "xl/_rels/workbook.xml.rels",
                .head = "<Relationships><Relationship Id=\"rId1\" Type=\"" + rel + sheetType +
                        "\" Target=\"worksheets/sheet1.xml\"/><Relationship Id=\"rId2\" Type=\"" + rel +
                        "sharedStrings\" Target=\"sharedStrings.xml\"/></Relationships>"},
               {.name = "xl/sharedStrings.xml",
                .head = "<sst>",
                .piece = sharedString,
                .copies = strings,
                .tail = "</sst>"},
               {.name = "xl/worksheets/sheet1.xml",
                .head = kSheetHead,
                .piece = sheetRow,
                .copies = rows,
                .tail = kSheetTail}});
}

// A package with a workbook part, a sheet part of the given content and shared strings.
void writeSheetPackage(const std::filesystem::path& path, const std::string& sheetXml,
                       const std::string& sheetType = "worksheet",
                       const std::string& sharedStrings = "<si><t>only</t></si>") {
    writeRepeatedPackage(path, sheetXml, 1, sharedStrings, 1, sheetType);
}

// A sheet that uses the first shared string, and the shared strings given.
void writeSharedStrings(const std::filesystem::path& path, const std::string& sharedStrings) {
    writeSheetPackage(path, "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>0</v></c></row>", "worksheet",
                      sharedStrings);
}

// Sets the size the zip's central directory declares for `part` unpacked.
void declareSize(const std::filesystem::path& path, const std::string& part, std::uint32_t size) {
    std::string bytes = test::readBytes(path);
    const std::string entry = "PK\x01\x02";
    for (std::size_t at = bytes.find(entry); at != std::string::npos; at = bytes.find(entry, at + 1)) {
        const auto nameLength =
            static_cast<unsigned char>(bytes[at + 28]) | static_cast<unsigned char>(bytes[at + 29]) << 8;
        if (bytes.compare(at + 46, static_cast<std::size_t>(nameLength), part) != 0)
            continue;
        for (int i = 0; i < 4; ++i)
            bytes[at + 24 + static_cast<std::size_t>(i)] = static_cast<char>((size >> (8 * i)) & 0xFF);
    }
    test::writeBytes(path, bytes);
}

const std::string kLongerThanACell(kMaxCellText + 1, 'x');

// A shared string nearly as long as a cell holds, and the cells that show it each once.
const std::string kLongSharedString = "<si><t>" + std::string(30000, 'x') + "</t></si>";
const std::string kRowShowingIt = "<row><c t=\"s\"><v>0</v></c></row>";
// So many copies of the text come to more than the text of a sheet.
constexpr std::size_t kPastTheText = kMaxSheetTextBytes / 30000 + 1;

const std::string kTextPastTheLimit = "cannot be read: its cells hold more than 32 MB of text, more than the "
                                      "program reads from a sheet; the file may be damaged.";

INSTANTIATE_TEST_SUITE_P(
    All, WorkbookErrors,
    ::testing::Values(
        BadFile{"Missing", nullptr, "No such file"},
        BadFile{"Empty", [](const auto& p) { test::writeBytes(p, ""); }, "not an Excel workbook"},
        BadFile{"PlainText", [](const auto& p) { test::writeBytes(p, "Company,Name\n1,Desk\n"); },
                "not an Excel workbook"},
        BadFile{"ZipWithoutWorkbook",
                [](const auto& p) {
                    test::writeZip(p, {{"readme.txt", "hello"}});
                },
                "it has no workbook part"},
        BadFile{"TruncatedXlsx",
                [](const auto& p) {
                    test::writeXlsx(p, kRows);
                    const auto bytes = test::readBytes(p);
                    test::writeBytes(p, bytes.substr(0, bytes.size() / 2));
                },
                "not a valid .xlsx package"},
        BadFile{"TruncatedXls",
                [](const auto& p) {
                    test::writeXls(p, kRows);
                    test::writeBytes(p, test::readBytes(p).substr(0, 1000));
                },
                "damaged or truncated"},
        BadFile{"PasswordProtectedXls", [](const auto& p) { test::writeXls(p, kRows, passwordProtected()); },
                "protected by a password"},
        BadFile{"EncryptedXlsx",
                [](const auto& p) { test::writeXls(p, {}, streamNamed("EncryptedPackage")); },
                "protected by a password"},
        BadFile{"CompoundFileWithoutWorkbook",
                [](const auto& p) { test::writeXls(p, {}, streamNamed("Other")); },
                "holds no workbook stream"},
        BadFile{"MalformedXml",
                [](const auto& p) { writeSheetPackage(p, "<row r=\"1\"><c r=\"A1\"><v>1</v></row>"); },
                "is malformed (mismatched tag"},
        BadFile{"UnknownSharedString",
                [](const auto& p) {
                    writeSheetPackage(p, "<row r=\"1\"><c r=\"A1\" t=\"s\"><v>7</v></c></row>");
                },
                "names a shared string that does not exist"},
        BadFile{"RowsOutOfOrder",
                [](const auto& p) {
                    writeSheetPackage(p, "<row r=\"2\"><c r=\"A2\"><v>1</v></c></row><row r=\"1\"/>");
                },
                "out of order"},
        BadFile{"CellBeyondTheLastColumn",
                [](const auto& p) { writeSheetPackage(p, "<row r=\"1\"><c r=\"XFE1\"><v>1</v></c></row>"); },
                "cell reference 'XFE1' is not valid"},
        BadFile{"HugeRowNumber",
                [](const auto& p) { writeSheetPackage(p, "<row r=\"99999999999\"><c><v>1</v></c></row>"); },
                "is not a number"},
        BadFile{"ChartAsActiveSheet", [](const auto& p) { writeSheetPackage(p, "", "chartsheet"); },
                "is not a worksheet"},
        // What no real workbook holds, refused before it takes much memory.
        BadFile{"CellTextLongerThanACell",
                [](const auto& p) {
                    writeSheetPackage(p, "<row r=\"1\"><c r=\"A1\" t=\"inlineStr\"><is><t>" +
                                             kLongerThanACell + "</t></is></c></row>");
                },
                "cell A1 holds a text longer than 32767 characters"},
        BadFile{"HugeCellText",
                [](const auto& p) {
                    writeSheetPackage(p, "<row r=\"1\"><c r=\"A1\"><v>" + std::string(4'000'000, '1') +
                                             "</v></c></row>");
                },
                "cell A1 holds a text longer than 32767 characters"},
        BadFile{"SharedStringLongerThanACell",
                [](const auto& p) { writeSharedStrings(p, "<si><t>" + kLongerThanACell + "</t></si>"); },
                "shared string 0 is longer than 32767 characters"},
        BadFile{"MoreSharedStringsThanCells",
                [](const auto& p) {
                    std::string strings;
                    for (int i = 0; i < 100000; ++i)
                        strings += "<si/>";
                    writeSharedStrings(p, strings);
                },
                "more shared strings than its sheets have room to use"},
        // One string shown again and again is read again each time.
        BadFile{
            "CellsShowingASharedStringPastTheTextOfASheet",
            [](const auto& p) { writeRepeatedPackage(p, kRowShowingIt, kPastTheText, kLongSharedString, 1); },
            kTextPastTheLimit.c_str()},
        BadFile{"PartLargerThanAnyWorkbook",
                [](const auto& p) {
                    writeSheetPackage(p, "<row r=\"1\"><c r=\"A1\"><v>1</v></c></row>");
                    declareSize(p, "xl/worksheets/sheet1.xml", 0x7FFFFFFF);
                },
                "the part xl/worksheets/sheet1.xml unpacks to more than 512 MB"},
        BadFile{"TooManyRelationships",
                [](const auto& p) {
                    std::string rels = "<Relationships>";
                    for (int i = 0; i <= 65536; ++i)
                        rels += "<Relationship Id=\"r" + std::to_string(i) + "\" Type=\"t\" Target=\"x\"/>";
                    test::writeZip(p, {{"_rels/.rels", rels + "</Relationships>"}});
                },
                "it lists more than 65536 relationships"}),
    [](const auto& info) { return std::string(info.param.name); });

// A package of a few hundred kilobytes can unpack to 300 MB of shared strings, which are held
// while the sheet is read. The reading stops at the limit of a sheet's text, while the program
// holds a fraction of what the file names; a real workbook is read in full.
TEST(WorkbookLimits, SharedStringsPastTheTextOfASheetAreRefusedInBoundedMemory) {
    const struct {
        const char* name;
        std::function<void(const std::filesystem::path&)> make;
        const char* outcome;
    } cases[] = {
        {"a real workbook", [](const auto& p) { test::writeXlsx(p, kRows); }, "read 3"},
        {"300 MB of shared strings",
         [](const auto& p) { writeRepeatedPackage(p, kRowShowingIt, 10000, kLongSharedString, 10000); },
         "refused The workbook '%1' cannot be read: its cells hold more than 32 MB of text, more than the "
         "program reads from a sheet; the file may be damaged."},
    };
    constexpr long kMostKb = 200 * 1024;
    test::TempFolder folder;
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto path = folder.path() / "crafted.xlsx";
        c.make(path);
        ASSERT_LT(std::filesystem::file_size(path), std::uintmax_t{1} << 20);

        test::expectReadingWithin(path, c.outcome, kMostKb, c.name);
    }
}

// Prefixes of a small workbook, and the workbook with bytes damaged along its length, are
// either read or refused with an I/O error; none crashes the reader (run under the sanitizers).
// The .xls reader has its own tests of cut and damaged workbooks (WorkbookXlsTest.cpp, and
// CompoundFileTest.cpp for every cut).
TEST(WorkbookDamage, TruncatedAndDamagedFilesNeverCrash) {
    test::TempFolder folder;
    const auto sourceXlsx = folder.path() / "source.xlsx";
    test::writeXlsx(sourceXlsx, kRows);
    const auto target = folder.path() / "damaged";
    for (const auto& source : {sourceXlsx}) {
        SCOPED_TRACE(source.filename().string());
        const std::string bytes = test::readBytes(source);
        for (std::size_t length = 0; length < bytes.size(); length += 7) {
            test::writeBytes(target, bytes.substr(0, length));
            readError(target);
        }
        for (std::size_t at = 0; at < bytes.size(); at += 5) {
            std::string damaged = bytes;
            damaged[at] = static_cast<char>(damaged[at] ^ 0x5A);
            test::writeBytes(target, damaged);
            readError(target);
        }
    }
}

} // namespace
} // namespace qel
