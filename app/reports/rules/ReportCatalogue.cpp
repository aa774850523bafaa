// The report catalogue, one row per report, and the building of a report's list.
#include "app/reports/rules/ReportCatalogue.h"

#include "app/reports/rules/ReportFillers.h"
#include "common/ServerError.h"
#include "server/reporting/Auto.h"
#include "server/support/DeprSupport.h"

#include <limits>

namespace qel::reports {

namespace {

using A = QueryArgs;
using C = CaptionRule;
using E = ReportEntry;
using P = ReportPrompt;

// A filler that totals the last n fields.
Filler lastFields(std::int32_t (*filler)(ReportList&, const Recordset&, std::int16_t, const MessageSink&),
                  std::int16_t n) {
    return
        [filler, n](ReportList& l, const Recordset& rs, const MessageSink& s) { return filler(l, rs, n, s); };
}

// The column settings of the depreciation worksheets, by the tax book and by the other books.
const std::vector<ColumnSetting> kWorksheetColumns = {{1, 800}, {3, 900}, {6, 750},   {7, 1200},
                                                      {8, 550}, {9, 500}, {10, 1100}, {11, 1200}};

} // namespace

const std::vector<ReportDef>& reportCatalogue() {
    static const std::vector<ReportDef> catalogue = {
        {.name = "Chart of Accounts",
         .query = "GetGLaccounts",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetGLaccounts(c.company, c.year); },
         .givenYear = "1900"},
        {.name = "Book Disposed Assets",
         .prompt = P::Period,
         .query = "GetFinanicalDisposedAssets",
         .args = A::Period,
         .onServer =
             [](const QueryCall& c) { return DeprSupport().GetFinanicalDisposedAssets(c.company, c.period); },
         .caption = C::DataThru},
        // The tax report choice's options, in its order.
        {.name = "Books Depreciation WorkSheet",
         .entry = E::TaxReportWindow,
         .query = "GetBooksAssetWrkSheet",
         .args = A::YearBook,
         .onServer =
             [](const QueryCall& c) {
                 return DeprSupport().GetBooksAssetWrkSheet(c.company, c.year, c.book);
             },
         .filler = PopulateDeprWrkSheet,
         .caption = C::BookValueFor,
         .columns = kWorksheetColumns},
        {.name = "Books 179 WorkSheet",
         .entry = E::TaxReportWindow,
         .query = "GetBooks179WrkSheet",
         .args = A::YearBook,
         .onServer =
             [](const QueryCall& c) { return DeprSupport().GetBooks179WrkSheet(c.company, c.year, c.book); },
         .filler = lastFields(PopLVTotalLastField, 2),
         .caption = C::BookValueFor},
        {.name = "Books New Assets WorkSheet",
         .entry = E::TaxReportWindow,
         .query = "GetNewBooksAssetWrkSheet",
         .args = A::YearBook,
         .onServer =
             [](const QueryCall& c) {
                 return DeprSupport().GetNewBooksAssetWrkSheet(c.company, c.year, c.book);
             },
         .filler = PopulateDeprWrkSheet,
         .caption = C::BookValueFor,
         .columns = kWorksheetColumns},
        {.name = "Books Disposed Assets",
         .entry = E::TaxReportWindow,
         .query = "GetBooksDisposedAssets",
         .args = A::YearBook,
         .onServer =
             [](const QueryCall& c) {
                 return DeprSupport().GetBooksDisposedAssets(c.company, c.year, c.book);
             },
         .filler = lastFields(PopLVTotalLastField, 3),
         .caption = C::BookValueFor},
        {.name = "Books New Assets",
         .entry = E::TaxReportWindow,
         .query = "GetBooksNewAssets",
         .args = A::YearBook,
         .onServer =
             [](const QueryCall& c) { return DeprSupport().GetBooksNewAssets(c.company, c.year, c.book); },
         .filler = lastFields(PopLVTotalLastField, 4),
         .caption = C::BookValueFor},
        {.name = "Books 50 Year Assets",
         .entry = E::TaxReportWindow,
         .query = "GetBooks50YearAssets",
         .args = A::YearBook,
         .onServer =
             [](const QueryCall& c) { return DeprSupport().GetBooks50YearAssets(c.company, c.year, c.book); },
         .filler = lastFields(PopLVTotalLastField, 2),
         .caption = C::BookValueFor},
        {.name = "Auto Use",
         .query = "GetAutoUseReport",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return Auto().GetAutoUseReport(c.year, c.company); },
         .filler = PopulateLVAutoUseRpt,
         .caption = C::ValueFor,
         .columns = {{1, 3300},
                     {2, 1200, "Vehicle Order"},
                     {3, 0},
                     {4, 1400},
                     {5, 1400},
                     {6, 1400},
                     {7, 1400, "Personal Use"},
                     {10, 0},
                     {11, 0}}},
        {.name = "Property Tax",
         .prompt = P::Period,
         .query = "GetPropertTaxData",
         .args = A::Period,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetPropertTaxData(c.company, c.period); },
         .filler = lastFields(PopLVPropertyTax, 1),
         .caption = C::DataThru,
         .columns = {{1, 2550}, {2, 990}, {3, 950}, {4, 4000}, {5, 1540}},
         .fixedWidth = 10700,
         .anyPeriod = true},
        {.name = "50 Year Assets",
         .query = "GetDetailDepr",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetDetailDepr(c.company, c.year); },
         .filler = lastFields(PopLVTotalLastField, 2),
         .caption = C::ValueFor},
        {.name = "AMT Differences",
         .query = "GetAMTdifferences",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetAMTdifferences(c.company, c.year); },
         .filler = lastFields(PopLVTotalLastField, 4)},
        {.name = "Depreciation WorkSheet",
         .query = "GetAssetWrkSheet",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetAssetWrkSheet(c.company, c.year); },
         .filler = PopulateDeprWrkSheet,
         .caption = C::ValueFor,
         .columns = kWorksheetColumns},
        {.name = "New Assets WorkSheet",
         .query = "GetNewAssetWrkSheet",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetNewAssetWrkSheet(c.company, c.year); },
         .filler = PopulateDeprWrkSheet,
         .caption = C::ValueFor,
         .columns = kWorksheetColumns},
        {.name = "Current Year WorkSheet",
         .query = "GetCurrentWrkSheet",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetCurrentWrkSheet(c.company, c.year); },
         .filler = PopulateCurrentWrkSheet,
         .caption = C::ValueFor,
         .columns = {{1, 800},
                     {2, 1850},
                     {3, 900},
                     {4, 900},
                     {5, 1450},
                     {6, 750},
                     {7, 1480},
                     {8, 550},
                     {9, 500},
                     {10, 800},
                     {11, 800},
                     {12, 1200},
                     {13, 1300}}},
        {.name = "Depr Journal Summary",
         .prompt = P::Period,
         .query = "DeprJvSummary",
         .args = A::Period,
         .onServer = [](const QueryCall& c) { return DeprSupport().DeprJvSummary(c.company, c.period); },
         .filler = lastFields(PopLVTotalLastFieldDec, 2),
         .caption = C::ValueFor,
         .columns = {{1, 3800}, {2, 2000, nullptr, true}, {3, 2000, nullptr, true}},
         .fixedWidth = 8300},
        {.name = "Depr Journal Detail",
         .prompt = P::Period,
         .query = "DeprJvDetail",
         .args = A::Period,
         .onServer = [](const QueryCall& c) { return DeprSupport().DeprJvDetail(c.company, c.period); },
         .filler = PopulateJvDepr,
         .caption = C::ValueFor,
         .columns = {{1, 2000}, {2, 1500, nullptr, true}, {3, 1500, nullptr, true}, {5, 6000}},
         .fixedWidth = 12500},
        {.name = "Book Asset Ledger",
         .prompt = P::Period,
         .query = "GetBookAssetLedger",
         .args = A::Period,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetBookAssetLedger(c.company, c.period); },
         .filler = PopulateBookAssetLedger,
         .caption = C::ValueFor,
         .columns = {{1, 1800}, {2, 1700}, {3, 2700}, {4, 1000}, {6, 800}, {7, 1400}, {8, 1400}, {9, 1400}},
         .fixedWidth = 14000},
        {.name = "Tax Depreciation Schedule",
         .entry = E::AssetForm,
         .prompt = P::None,
         .query = "GetDeprSchedule",
         .args = A::AssetBook,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetDeprSchedule(c.assetNumber, c.book); },
         .caption = C::Schedule},
        {.name = "Book Depreciation Schedule",
         .entry = E::AssetForm,
         .prompt = P::None,
         .query = "GetBookDeprSchedule",
         .args = A::Nothing,
         .onServer = [](const QueryCall&) { return DeprSupport().GetBookDeprSchedule(); },
         .caption = C::Schedule},
        {.name = "179 WorkSheet",
         .query = "Get179WrkSheet",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().Get179WrkSheet(c.company, c.year); },
         .filler = lastFields(PopLVTotalLastField, 2),
         .caption = C::ValueFor},
        {.name = "New Assets",
         .query = "GetNewAssets",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetNewAssets(c.company, c.year); },
         .filler = lastFields(PopLVTotalLastField, 4),
         .caption = C::ValueFor,
         .columns = {{2, 900}, {3, 1100}, {4, 1100}, {5, 600}, {6, 750}}},
        {.name = "Disposed Assets",
         .query = "GetDisposedAssets",
         .args = A::Year,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetDisposedAssets(c.company, c.year); },
         .filler = lastFields(PopLVTotalLastField, 3),
         .caption = C::ValueWideFor},
        {.name = "Tag Nbr To Asset ID",
         .prompt = P::None,
         .query = "GetTagNumToAssetID",
         .args = A::Company,
         .onServer = [](const QueryCall& c) { return DeprSupport().GetTagNumToAssetID(c.company); }},
        // The year's items that open no report window: their handlers are the report windows'.
        {.name = "Form 4562", .needsDocumentsFolder = true},
        {.name = "Default Year"},
        {.name = "Auto Use Form"},
        {.name = "Auto Question Form"},
    };
    return catalogue;
}

const ReportDef* findReport(std::string_view name) {
    for (const ReportDef& r : reportCatalogue())
        if (name == r.name)
            return &r;
    return nullptr;
}

QueryCall makeCall(const ReportDef& report, std::int32_t company, std::int32_t value, std::int16_t book) {
    QueryCall call;
    call.query = report.query;
    call.onServer = report.onServer;
    auto year = [value] {
        if (value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max())
            throw ServerError(kErrOverflow, "Reports", "Overflow: " + std::to_string(value) + " is no year",
                              ErrorKind::Conversion);
        return static_cast<std::int16_t>(value);
    };
    switch (report.args) {
    case QueryArgs::Year:
        call.company = company;
        call.year = year();
        break;
    case QueryArgs::Period:
        call.company = company;
        call.period = std::to_string(value);
        break;
    case QueryArgs::YearBook:
        call.company = company;
        call.year = year();
        call.book = book;
        break;
    case QueryArgs::AssetBook:
        call.assetNumber = value;
        call.book = book;
        break;
    case QueryArgs::Company:
        call.company = company;
        break;
    case QueryArgs::Nothing:
        break;
    }
    return call;
}

Recordset ServerReportQueries::run(const QueryCall& call) {
    if (!call.onServer)
        throw ServerError::invalidArgument("Reports", std::string("no such report query: ") + call.query);
    return call.onServer(call);
}

BuiltReport buildReport(std::string_view name, std::int32_t company, std::int32_t value, std::int16_t book,
                        ReportQueries& queries, const MessageSink& sink) {
    BuiltReport report;
    const ReportDef* row = findReport(name);
    if (!row || !row->query)
        return report;
    Recordset rs;
    FailureTrap trap("CreateReport", sink);
    trap.step([&] { rs = queries.run(makeCall(*row, company, value, book)); });
    if (trap.anyFailed()) {
        report.failed = true;
        return report;
    }
    report.rows = CreateListview(report.list, rs, row->filler, sink);
    return report;
}

} // namespace qel::reports
