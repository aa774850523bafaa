// The six Excel exports of DeprSupport, read back through the workbook reader: sheet names,
// title rows, the rows of each data set with typed cells, the journal entries' debit block before
// their credit block, header-only sheets for an empty period, and errors with no file for a bad
// period or a path that cannot take a new workbook.
#include "tests/server/reporting/ExportSheetReader.h"
#include "tests/server/reporting/ReportFixture.h"

#include "server/reporting/ExportWorkbook.h"
#include "tests/testsupport/WorkbookWriter.h"

#include <algorithm>
#include <filesystem>

namespace qel::reporttest {
namespace {

namespace fs = std::filesystem;
using exporttest::dataRows;
using exporttest::readSheet;
using exporttest::Sheet;
using exporttest::titles;

using ExportFn = bool (DeprSupport::*)(const std::string&, std::int32_t, const std::string&);

constexpr const char* kPeriod = "201003";
constexpr const char* kYear = "2010";

// A date cell as the sheet holds it: its serial number (dates here are after February 1900,
// where workbook serials and the calendar agree).
std::string serial(int year, int month, int day) {
    return std::to_string(Date(year, month, day).serial());
}

// Sorts a block of rows: the journal entries fix which block comes first, not the order inside one.
std::vector<std::string> sorted(std::vector<std::string> lines) {
    std::sort(lines.begin(), lines.end());
    return lines;
}

class ExportTest : public ReportTest {
protected:
    void SetUp() override {
        company_ = addCompany("Export Co");
        other_ = addCompany("Other Co");
        const auto machinery = addAccount("Machinery", "1500", "1590", "6100");
        const auto vehicles = addAccount("Vehicles", "1600", "1690", "6100");
        const auto equipment = addClass("Equipment");
        const auto shop = addLocation("Shop");

        lathe_ = addAsset({.name = "Lathe",
                           .company = company_,
                           .cost = 10000,
                           .allowance = 1000,
                           .business = 0.8,
                           .placed = "2009-03-01",
                           .life = 7,
                           .account = machinery,
                           .classId = equipment,
                           .bookLife = 7,
                           .bookCost = 10000});
        describe(lathe_, "T-1", shop);
        addDepr(company_, 1, lathe_, 2010, 1200, 3000);
        addPeriod(company_, lathe_, kPeriod, 100, 500, machinery);

        // No class, a convention without a row, no description row.
        truck_ = addAsset({.name = "Truck",
                           .company = company_,
                           .cost = 30000,
                           .placed = "2009-06-01",
                           .life = 5,
                           .convention = kNoSuchConvention,
                           .account = vehicles,
                           .bookLife = 5,
                           .bookCost = 30000});
        addDepr(company_, 1, truck_, 2010, 2000, 5000);
        addPeriod(company_, truck_, kPeriod, 250, 3000, vehicles);

        // Book depreciation only: no Federal row.
        drill_ = addAsset({.name = "Drill",
                           .company = company_,
                           .cost = 600,
                           .placed = "2010-01-01",
                           .account = machinery,
                           .classId = equipment,
                           .bookLife = 5,
                           .bookCost = 600});
        addPeriod(company_, drill_, kPeriod, 50, 150, machinery);

        const auto stray = addAsset({.name = "Stray", .company = other_, .account = machinery});
        addDepr(other_, 1, stray, 2010, 999, 999);
        addPeriod(other_, stray, kPeriod, 999, 999, machinery);

        out_ = fresh_.folder() / "out";
        fs::create_directory(out_);
    }

    fs::path target(const std::string& name = "Export.xlsx") const { return out_ / name; }

    Sheet exportSheet(ExportFn fn, const std::string& period, std::int32_t company) {
        const fs::path path = target();
        fs::remove(path);
        EXPECT_TRUE((support_.*fn)(period, company, path.string()));
        return readSheet(path);
    }

    bool outEmpty() const { return fs::is_empty(out_); }

    std::int32_t company_ = 0;
    std::int32_t other_ = 0;
    std::int32_t lathe_ = 0;
    std::int32_t truck_ = 0;
    std::int32_t drill_ = 0;
    fs::path out_;
};

struct ExportCase {
    const char* operation;
    ExportFn fn;
    const char* sheet;
    const char* period;
    std::vector<std::string> titles;
};

const std::vector<ExportCase>& exportCases() {
    static const std::vector<ExportCase> cases{
        {"ExportTaxWorksheet",
         &DeprSupport::ExportTaxWorksheet,
         "TaxDepr",
         kYear,
         {"Method", "Description", "Asset #  ", "In Service", "Asset Cost ", "Percent", "Cost Basis", "Conv",
          "Life", "Accum Depr", "Depreciation"}},
        {"ExportDeprJVDetail",
         &DeprSupport::ExportDeprJVDetail,
         "BookDetailDeprJV",
         kPeriod,
         {"Account", "Debit", "Credit", "Asset Id", "Description"}},
        {"ExportDeprJVSummary",
         &DeprSupport::ExportDeprJVSummary,
         "BookSummaryDeprJV",
         kPeriod,
         {"Account", "Debit", "Credit"}},
        {"ExportPropertyTax",
         &DeprSupport::ExportPropertyTax,
         "PropertyTax",
         kPeriod,
         {"Category", "In Service  ", "Asset ID  ", "Description" + std::string(26, ' '), "Asset Cost"}},
        {"ExportAssetListing", &DeprSupport::ExportAssetListing, "AssetListing", "", kAssetListingFields},
        {"ExportBookAssetLedger",
         &DeprSupport::ExportBookAssetLedger,
         "AssetLedger",
         kPeriod,
         {"Account", "Capital Account", "Description", "Asset #", "In Service", "Life", "Cost", "Accum Depr",
          "NBV"}},
    };
    return cases;
}

TEST_F(ExportTest, EachExportWritesItsSheetUnderItsTitles) {
    for (const ExportCase& c : exportCases()) {
        SCOPED_TRACE(c.operation);
        const Sheet sheet = exportSheet(c.fn, c.period, company_);
        EXPECT_EQ(sheet.name, c.sheet);
        EXPECT_EQ(titles(sheet), c.titles);
        EXPECT_GT(sheet.rows.size(), 1u);
        for (std::size_t r = 1; r < sheet.rows.size(); ++r)
            EXPECT_LE(sheet.rows[r].size(), c.titles.size()) << "row " << r + 1;
    }
}

TEST_F(ExportTest, JournalDetailHasEveryDebitLineBeforeEveryCreditLine) {
    const auto rows = dataRows(exportSheet(&DeprSupport::ExportDeprJVDetail, kPeriod, company_));
    ASSERT_EQ(rows.size(), 6u);
    const auto id = [](std::int32_t asset) { return std::to_string(asset); };
    EXPECT_EQ(sorted({rows.begin(), rows.begin() + 3}),
              sorted({"'6100' | 100 | 0 | " + id(lathe_) + " | 'Lathe'",
                      "'6100' | 250 | 0 | " + id(truck_) + " | 'Truck'",
                      "'6100' | 50 | 0 | " + id(drill_) + " | 'Drill'"}));
    EXPECT_EQ(sorted({rows.begin() + 3, rows.end()}),
              sorted({"'1590' | 0 | 100 | " + id(lathe_) + " | 'Lathe'",
                      "'1690' | 0 | 250 | " + id(truck_) + " | 'Truck'",
                      "'1590' | 0 | 50 | " + id(drill_) + " | 'Drill'"}));
}

TEST_F(ExportTest, JournalSummaryHasOneDebitAndOneCreditLinePerAccountPair) {
    // Both accounts share the depreciation account: two debit lines on 6100.
    const auto rows = dataRows(exportSheet(&DeprSupport::ExportDeprJVSummary, kPeriod, company_));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(sorted({rows.begin(), rows.begin() + 2}), sorted({"'6100' | 150 | 0", "'6100' | 250 | 0"}));
    EXPECT_EQ(sorted({rows.begin() + 2, rows.end()}), sorted({"'1590' | 0 | 150", "'1690' | 0 | 250"}));
}

TEST_F(ExportTest, PropertyTaxListsTheAssetsHeldAtThePeriodByClass) {
    const std::string descr = "Description" + std::string(26, ' ');
    const auto rows = dataRows(exportSheet(&DeprSupport::ExportPropertyTax, kPeriod, company_));
    EXPECT_EQ(
        rows,
        (std::vector<std::string>{
            "- | " + serial(2009, 6, 1) + " | " + std::to_string(truck_) + " | 'Truck' | 30000",
            "'Equipment' | " + serial(2009, 3, 1) + " | " + std::to_string(lathe_) + " | 'Lathe' | 10000",
            "'Equipment' | " + serial(2010, 1, 1) + " | " + std::to_string(drill_) + " | 'Drill' | 600",
        }));
}

TEST_F(ExportTest, TaxWorksheetKeepsAnAssetWithoutConvention) {
    const auto rows = dataRows(exportSheet(&DeprSupport::ExportTaxWorksheet, kYear, company_));
    EXPECT_EQ(rows, (std::vector<std::string>{
                        "'MACRS' | 'Truck' | " + std::to_string(truck_) + " | " + serial(2009, 6, 1) +
                            " | 30000 | 100 | 30000 | - | 5 | 5000 | 2000",
                        "'MACRS' | 'Lathe' | " + std::to_string(lathe_) + " | " + serial(2009, 3, 1) +
                            " | 10000 | 80 | 7000 | 'HY' | 7 | 3000 | 1200",
                    }));
}

TEST_F(ExportTest, AssetListingKeepsEveryAssetWhateverThePeriod) {
    const Sheet sheet = exportSheet(&DeprSupport::ExportAssetListing, "", company_);
    std::vector<std::string> ids;
    for (std::size_t r = 1; r < sheet.rows.size(); ++r)
        ids.push_back(sheet.rows[r].at(0).toString());
    EXPECT_EQ(sorted(ids), sorted({std::to_string(lathe_), std::to_string(truck_), std::to_string(drill_)}));

    // The truck has no class, no convention row and no description row.
    const auto truck = std::find_if(sheet.rows.begin(), sheet.rows.end(),
                                    [&](const auto& row) { return row.at(0) == Variant(double(truck_)); });
    ASSERT_NE(truck, sheet.rows.end());
    EXPECT_EQ(truck->at(1), Variant("Truck"));
    EXPECT_TRUE(truck->at(8).isNull());  // Abbreviation
    EXPECT_TRUE(truck->at(14).isNull()); // Tag Number
    EXPECT_TRUE(truck->at(21).isNull()); // the class's Description
    EXPECT_EQ(truck->at(25), Variant("Vehicles"));

    for (const char* period : {"201003", "junk"}) {
        SCOPED_TRACE(period);
        EXPECT_EQ(exportSheet(&DeprSupport::ExportAssetListing, period, company_).rows, sheet.rows);
    }
}

TEST_F(ExportTest, AssetLedgerCopiesTheLedgerOfThePeriod) {
    const Sheet sheet = exportSheet(&DeprSupport::ExportBookAssetLedger, kPeriod, company_);
    EXPECT_EQ(dataRows(sheet), (std::vector<std::string>{
                                   "'Machinery' | '1500' | 'Drill' | " + std::to_string(drill_) + " | " +
                                       serial(2010, 1, 1) + " | 5 | 600 | 150 | 450",
                                   "'Machinery' | '1500' | 'Lathe' | " + std::to_string(lathe_) + " | " +
                                       serial(2009, 3, 1) + " | 7 | 10000 | 500 | 9500",
                                   "'Vehicles' | '1600' | 'Truck' | " + std::to_string(truck_) + " | " +
                                       serial(2009, 6, 1) + " | 5 | 30000 | 3000 | 27000",
                               }));
}

TEST_F(ExportTest, DatesAreDateCellsAndAmountsNumberCells) {
    struct Case {
        ExportFn fn;
        const char* period;
        const char* dateCell;
        const char* numberCell;
    };
    const Case cases[] = {
        {&DeprSupport::ExportTaxWorksheet, kYear, "D2", "K2"},
        {&DeprSupport::ExportPropertyTax, kPeriod, "B2", "E2"},
        {&DeprSupport::ExportAssetListing, "", "F2", "C2"},
        {&DeprSupport::ExportBookAssetLedger, kPeriod, "E2", "I2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dateCell);
        const Sheet sheet = exportSheet(c.fn, c.period, company_);
        EXPECT_EQ(exporttest::numberFormatOf(target(), c.dateCell), report::kExportDateFormat);
        EXPECT_EQ(exporttest::numberFormatOf(target(), c.numberCell), "General");
    }
}

TEST_F(ExportTest, AnEmptyPeriodGivesTheTitleRowOnly) {
    const auto empty = addCompany("Empty Co");
    for (const ExportCase& c : exportCases()) {
        SCOPED_TRACE(c.operation);
        const bool yearly = std::string(c.operation) == "ExportTaxWorksheet";
        const bool listing = std::string(c.operation) == "ExportAssetListing";
        // A year and a period before any asset was in service; the listing reads no period, so a
        // company without assets.
        const Sheet sheet = exportSheet(c.fn, yearly ? "2008" : "200801", listing ? empty : company_);
        EXPECT_EQ(sheet.name, c.sheet);
        EXPECT_EQ(titles(sheet), c.titles);
        EXPECT_EQ(sheet.rows.size(), 1u);
    }
}

TEST_F(ExportTest, ABadPeriodIsAnErrorAndWritesNoFile) {
    const char* badPeriods[] = {"2010-3", "201013", "20103", "", "abcdef"};
    for (const ExportCase& c : exportCases()) {
        if (std::string(c.operation) == "ExportAssetListing")
            continue;
        const bool yearly = std::string(c.operation) == "ExportTaxWorksheet";
        const std::vector<std::string> bad =
            yearly ? std::vector<std::string>{"abc", "", "40000", "-40000"}
                   : std::vector<std::string>(std::begin(badPeriods), std::end(badPeriods));
        for (const std::string& period : bad) {
            SCOPED_TRACE(std::string(c.operation) + " '" + period + "'");
            expectPassedOn([&] { (support_.*c.fn)(period, company_, target().string()); }, c.operation);
            EXPECT_TRUE(outEmpty());
        }
    }
}

TEST_F(ExportTest, APathThatCannotTakeANewWorkbookIsAnErrorAndWritesNoFile) {
    test::writeBytes(target("Taken.xlsx"), "keep me");
    const std::string paths[] = {(out_ / "missing" / "Export.xlsx").string(), target("Taken.xlsx").string()};
    for (const ExportCase& c : exportCases()) {
        for (const std::string& path : paths) {
            SCOPED_TRACE(std::string(c.operation) + " " + path);
            try {
                (support_.*c.fn)(c.period, company_, path);
                ADD_FAILURE() << "no error";
            } catch (const ServerError& e) {
                EXPECT_EQ(e.number(), kPassedThrough);
                EXPECT_EQ(e.helpContext(), c.operation);
                EXPECT_EQ(e.kind(), ErrorKind::Io);
            }
        }
    }
    EXPECT_EQ(test::readBytes(target("Taken.xlsx")), "keep me");
    EXPECT_EQ(std::distance(fs::directory_iterator(out_), fs::directory_iterator()), 1);
}

} // namespace
} // namespace qel::reporttest
