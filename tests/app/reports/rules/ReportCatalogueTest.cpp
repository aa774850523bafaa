// The report catalogue: each report name reaches its query with its arguments and its filler;
// a name the catalogue does not hold, or holds in another letter case, reaches none.
#include "tests/app/reports/rules/ListFixture.h"

#include "app/reports/rules/ReportCatalogue.h"
#include "common/ServerError.h"

namespace qel::reports {
namespace {

using namespace test;

// Records the queries and answers each with three records of two methods, so that the filler
// used shows in the rows: 3 plain rows, 3 + 2 with a total row, 3 + 3 x 2 + 1 grouped.
class RecordingQueries : public ReportQueries {
public:
    Recordset run(const QueryCall& call) override {
        calls.push_back(call);
        if (fail)
            throw ServerError(kPassedThrough, "DeprSupport", "no such table: tblDepr", ErrorKind::Sql);
        return records(
            {text("Method"), text("Description"), dbl("Cost"), dbl("Depr"), dbl("More")},
            {{"ADS", "a", 1.0, 1.0, 1.0}, {"ADS", "b", 1.0, 1.0, 1.0}, {"MACRS", "c", 1.0, 1.0, 1.0}});
    }
    std::vector<QueryCall> calls;
    bool fail = false;
};

constexpr std::int32_t kCompany = 7;
constexpr std::int16_t kBook = 3;

struct Case {
    const char* report;
    std::int32_t value;
    const char* query;
    QueryCall args; // the query is not compared here
    std::int32_t rows;
};

constexpr std::int32_t kPlain = 3;
constexpr std::int32_t kTotalled = 5;
constexpr std::int32_t kGrouped = 10;
constexpr std::int32_t kAutoUse = 3;

TEST(ReportCatalogue, EachReportReachesItsQueryAndFiller) {
    using Q = ReportQuery;
    const Case cases[] = {
        {"Chart of Accounts", 1900, "GetGLaccounts", {Q{}, kCompany, 1900}, kPlain},
        {"Book Disposed Assets", 201012, "GetFinanicalDisposedAssets", {Q{}, kCompany, 0, "201012"}, kPlain},
        {"Books 50 Year Assets",
         2010,
         "GetBooks50YearAssets",
         {Q{}, kCompany, 2010, "", 0, kBook},
         kTotalled},
        {"Books New Assets", 2010, "GetBooksNewAssets", {Q{}, kCompany, 2010, "", 0, kBook}, kTotalled},
        {"Books Disposed Assets",
         2010,
         "GetBooksDisposedAssets",
         {Q{}, kCompany, 2010, "", 0, kBook},
         kTotalled},
        {"Books New Assets WorkSheet",
         2010,
         "GetNewBooksAssetWrkSheet",
         {Q{}, kCompany, 2010, "", 0, kBook},
         kGrouped},
        {"Books Depreciation WorkSheet",
         2010,
         "GetBooksAssetWrkSheet",
         {Q{}, kCompany, 2010, "", 0, kBook},
         kGrouped},
        {"Books 179 WorkSheet", 2010, "GetBooks179WrkSheet", {Q{}, kCompany, 2010, "", 0, kBook}, kTotalled},
        {"Auto Use", 2010, "GetAutoUseReport", {Q{}, kCompany, 2010}, kAutoUse},
        {"Property Tax", 201012, "GetPropertTaxData", {Q{}, kCompany, 0, "201012"}, 0},
        {"50 Year Assets", 2010, "GetDetailDepr", {Q{}, kCompany, 2010}, kTotalled},
        {"AMT Differences", 2010, "GetAMTdifferences", {Q{}, kCompany, 2010}, kTotalled},
        {"Depreciation WorkSheet", 2010, "GetAssetWrkSheet", {Q{}, kCompany, 2010}, kGrouped},
        {"New Assets WorkSheet", 2010, "GetNewAssetWrkSheet", {Q{}, kCompany, 2010}, kGrouped},
        {"Current Year WorkSheet", 2010, "GetCurrentWrkSheet", {Q{}, kCompany, 2010}, kGrouped},
        {"Depr Journal Summary", 201012, "DeprJvSummary", {Q{}, kCompany, 0, "201012"}, kTotalled},
        {"Depr Journal Detail", 201012, "DeprJvDetail", {Q{}, kCompany, 0, "201012"}, 3 + 3 + 5},
        {"Book Asset Ledger", 201012, "GetBookAssetLedger", {Q{}, kCompany, 0, "201012"}, 3 + 2 * 3 + 1},
        {"Tax Depreciation Schedule", 40123, "GetDeprSchedule", {Q{}, 0, 0, "", 40123, kBook}, kPlain},
        {"Book Depreciation Schedule", 40123, "GetBookDeprSchedule", {Q{}}, kPlain},
        {"179 WorkSheet", 2010, "Get179WrkSheet", {Q{}, kCompany, 2010}, kTotalled},
        {"New Assets", 2010, "GetNewAssets", {Q{}, kCompany, 2010}, kTotalled},
        {"Disposed Assets", 2010, "GetDisposedAssets", {Q{}, kCompany, 2010}, kTotalled},
        {"Tag Nbr To Asset ID", 0, "GetTagNumToAssetID", {Q{}, kCompany}, kPlain},
    };
    EXPECT_EQ(std::size(cases), reportCatalogue().size());
    for (const Case& c : cases) {
        SCOPED_TRACE(c.report);
        RecordingQueries queries;
        Boxes boxes;
        const BuiltReport built = buildReport(c.report, kCompany, c.value, kBook, queries, boxes.sink);
        ASSERT_EQ(queries.calls.size(), 1u);
        const QueryCall& call = queries.calls[0];
        EXPECT_STREQ(queryName(call.query), c.query);
        EXPECT_EQ(call.company, c.args.company);
        EXPECT_EQ(call.year, c.args.year);
        EXPECT_EQ(call.period, c.args.period);
        EXPECT_EQ(call.assetNumber, c.args.assetNumber);
        EXPECT_EQ(call.book, c.args.book);
        // Property tax reads its in-service year from field 1, a text here: each record fails.
        if (c.rows > 0) {
            EXPECT_EQ(built.rows, c.rows);
        }
        EXPECT_FALSE(built.failed);
    }
}

TEST(ReportCatalogue, ANameOutsideTheCatalogueOrInAnotherCaseReachesNoQuery) {
    for (const char* name : {"depreciation worksheet", "Depreciation Worksheet", "Tag Nbr to Asset Id",
                             "Form 4562", "Depreciation WorkSheet ", ""}) {
        SCOPED_TRACE(name);
        RecordingQueries queries;
        Boxes boxes;
        const BuiltReport built = buildReport(name, kCompany, 2010, 0, queries, boxes.sink);
        EXPECT_TRUE(queries.calls.empty());
        EXPECT_EQ(built.rows, 0);
        EXPECT_FALSE(built.failed);
        EXPECT_TRUE(boxes.shown.empty());
    }
}

TEST(ReportCatalogue, AFailedQueryShowsOneErrorAndBuildsNothing) {
    RecordingQueries queries;
    queries.fail = true;
    Boxes boxes;
    const BuiltReport built = buildReport("Depreciation WorkSheet", kCompany, 2010, 0, queries, boxes.sink);
    EXPECT_TRUE(built.failed);
    EXPECT_EQ(built.rows, 0);
    EXPECT_EQ(built.list.columnCount(), 0u);
    EXPECT_EQ(boxes.shown, std::vector<std::string>{
                               "Error in CreateReport. no such table: tblDepr Error Number: -2147352571"});
}

TEST(ReportCatalogue, AYearReportRefusesAValueThatIsNoYear) {
    RecordingQueries queries;
    Boxes boxes;
    const BuiltReport built = buildReport("Depreciation WorkSheet", kCompany, 201012, 0, queries, boxes.sink);
    EXPECT_TRUE(built.failed);
    EXPECT_TRUE(queries.calls.empty());
    ASSERT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(boxes.shown[0].rfind("Error in CreateReport. ", 0), 0u);
}

} // namespace
} // namespace qel::reports
