// The report catalogue and the building of a report's list.
#include "app/reports/rules/ReportCatalogue.h"

#include "app/reports/rules/ListBuilder.h"
#include "common/ServerError.h"
#include "server/reporting/Auto.h"
#include "server/support/DeprSupport.h"

#include <limits>

namespace qel::reports {

const char* queryName(ReportQuery query) {
    switch (query) {
    case ReportQuery::GetGLaccounts:
        return "GetGLaccounts";
    case ReportQuery::GetFinanicalDisposedAssets:
        return "GetFinanicalDisposedAssets";
    case ReportQuery::GetBooks50YearAssets:
        return "GetBooks50YearAssets";
    case ReportQuery::GetBooksNewAssets:
        return "GetBooksNewAssets";
    case ReportQuery::GetBooksDisposedAssets:
        return "GetBooksDisposedAssets";
    case ReportQuery::GetNewBooksAssetWrkSheet:
        return "GetNewBooksAssetWrkSheet";
    case ReportQuery::GetBooksAssetWrkSheet:
        return "GetBooksAssetWrkSheet";
    case ReportQuery::GetBooks179WrkSheet:
        return "GetBooks179WrkSheet";
    case ReportQuery::GetAutoUseReport:
        return "GetAutoUseReport";
    case ReportQuery::GetPropertTaxData:
        return "GetPropertTaxData";
    case ReportQuery::GetDetailDepr:
        return "GetDetailDepr";
    case ReportQuery::GetAMTdifferences:
        return "GetAMTdifferences";
    case ReportQuery::GetAssetWrkSheet:
        return "GetAssetWrkSheet";
    case ReportQuery::GetNewAssetWrkSheet:
        return "GetNewAssetWrkSheet";
    case ReportQuery::GetCurrentWrkSheet:
        return "GetCurrentWrkSheet";
    case ReportQuery::DeprJvSummary:
        return "DeprJvSummary";
    case ReportQuery::DeprJvDetail:
        return "DeprJvDetail";
    case ReportQuery::GetBookAssetLedger:
        return "GetBookAssetLedger";
    case ReportQuery::GetDeprSchedule:
        return "GetDeprSchedule";
    case ReportQuery::GetBookDeprSchedule:
        return "GetBookDeprSchedule";
    case ReportQuery::Get179WrkSheet:
        return "Get179WrkSheet";
    case ReportQuery::GetNewAssets:
        return "GetNewAssets";
    case ReportQuery::GetDisposedAssets:
        return "GetDisposedAssets";
    case ReportQuery::GetTagNumToAssetID:
        return "GetTagNumToAssetID";
    }
    return "";
}

const std::vector<CatalogueEntry>& reportCatalogue() {
    using Q = ReportQuery;
    using A = QueryArgs;
    static const std::vector<CatalogueEntry> catalogue = {
        {"Chart of Accounts", Q::GetGLaccounts, A::Year, "Chart of Accounts"},
        {"Book Disposed Assets", Q::GetFinanicalDisposedAssets, A::Period, "Book Disposed Assets"},
        {"Books 50 Year Assets", Q::GetBooks50YearAssets, A::YearBook, "ADS 50Year Assets"},
        {"Books New Assets", Q::GetBooksNewAssets, A::YearBook, "New Assets"},
        {"Books Disposed Assets", Q::GetBooksDisposedAssets, A::YearBook, "Disposed Assets"},
        {"Books New Assets WorkSheet", Q::GetNewBooksAssetWrkSheet, A::YearBook, "New Assets WorkSheet"},
        {"Books Depreciation WorkSheet", Q::GetBooksAssetWrkSheet, A::YearBook, "Depreciation WorkSheet"},
        {"Books 179 WorkSheet", Q::GetBooks179WrkSheet, A::YearBook, "179 WorkSheet"},
        {"Auto Use", Q::GetAutoUseReport, A::Year, "Auto Use"},
        {"Property Tax", Q::GetPropertTaxData, A::Period, "Property Tax"},
        {"50 Year Assets", Q::GetDetailDepr, A::Year, "ADS 50Year Assets"},
        {"AMT Differences", Q::GetAMTdifferences, A::Year, "AMT Differences"},
        {"Depreciation WorkSheet", Q::GetAssetWrkSheet, A::Year, "Depreciation WorkSheet"},
        {"New Assets WorkSheet", Q::GetNewAssetWrkSheet, A::Year, "New Assets WorkSheet"},
        {"Current Year WorkSheet", Q::GetCurrentWrkSheet, A::Year, "Current Year WorkSheet"},
        {"Depr Journal Summary", Q::DeprJvSummary, A::Period, "Depr Journal Summary"},
        {"Depr Journal Detail", Q::DeprJvDetail, A::Period, "Depr Journal Detail"},
        {"Book Asset Ledger", Q::GetBookAssetLedger, A::Period, "Book Asset Ledger"},
        {"Tax Depreciation Schedule", Q::GetDeprSchedule, A::AssetBook, "Tax Depreciation Schedule"},
        {"Book Depreciation Schedule", Q::GetBookDeprSchedule, A::Nothing, "Book Depreciation Schedule"},
        {"179 WorkSheet", Q::Get179WrkSheet, A::Year, "179 WorkSheet"},
        {"New Assets", Q::GetNewAssets, A::Year, "New Assets"},
        {"Disposed Assets", Q::GetDisposedAssets, A::Year, "Disposed Assets"},
        {"Tag Nbr To Asset ID", Q::GetTagNumToAssetID, A::Company, "Tag Nbr To Asset ID"},
    };
    return catalogue;
}

const CatalogueEntry* findReport(std::string_view name) {
    for (const CatalogueEntry& e : reportCatalogue())
        if (name == e.name)
            return &e;
    return nullptr;
}

QueryCall makeCall(const CatalogueEntry& entry, std::int32_t company, std::int32_t value, std::int16_t book) {
    QueryCall call;
    call.query = entry.query;
    auto year = [value] {
        if (value < std::numeric_limits<std::int16_t>::min() ||
            value > std::numeric_limits<std::int16_t>::max())
            throw ServerError(kErrOverflow, "Reports", "Overflow: " + std::to_string(value) + " is no year",
                              ErrorKind::Conversion);
        return static_cast<std::int16_t>(value);
    };
    switch (entry.args) {
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

Recordset ServerReportQueries::run(const QueryCall& c) {
    DeprSupport s;
    switch (c.query) {
    case ReportQuery::GetGLaccounts:
        return s.GetGLaccounts(c.company, c.year);
    case ReportQuery::GetFinanicalDisposedAssets:
        return s.GetFinanicalDisposedAssets(c.company, c.period);
    case ReportQuery::GetBooks50YearAssets:
        return s.GetBooks50YearAssets(c.company, c.year, c.book);
    case ReportQuery::GetBooksNewAssets:
        return s.GetBooksNewAssets(c.company, c.year, c.book);
    case ReportQuery::GetBooksDisposedAssets:
        return s.GetBooksDisposedAssets(c.company, c.year, c.book);
    case ReportQuery::GetNewBooksAssetWrkSheet:
        return s.GetNewBooksAssetWrkSheet(c.company, c.year, c.book);
    case ReportQuery::GetBooksAssetWrkSheet:
        return s.GetBooksAssetWrkSheet(c.company, c.year, c.book);
    case ReportQuery::GetBooks179WrkSheet:
        return s.GetBooks179WrkSheet(c.company, c.year, c.book);
    case ReportQuery::GetAutoUseReport:
        return Auto().GetAutoUseReport(c.year, c.company);
    case ReportQuery::GetPropertTaxData:
        return s.GetPropertTaxData(c.company, c.period);
    case ReportQuery::GetDetailDepr:
        return s.GetDetailDepr(c.company, c.year);
    case ReportQuery::GetAMTdifferences:
        return s.GetAMTdifferences(c.company, c.year);
    case ReportQuery::GetAssetWrkSheet:
        return s.GetAssetWrkSheet(c.company, c.year);
    case ReportQuery::GetNewAssetWrkSheet:
        return s.GetNewAssetWrkSheet(c.company, c.year);
    case ReportQuery::GetCurrentWrkSheet:
        return s.GetCurrentWrkSheet(c.company, c.year);
    case ReportQuery::DeprJvSummary:
        return s.DeprJvSummary(c.company, c.period);
    case ReportQuery::DeprJvDetail:
        return s.DeprJvDetail(c.company, c.period);
    case ReportQuery::GetBookAssetLedger:
        return s.GetBookAssetLedger(c.company, c.period);
    case ReportQuery::GetDeprSchedule:
        return s.GetDeprSchedule(c.assetNumber, c.book);
    case ReportQuery::GetBookDeprSchedule:
        return s.GetBookDeprSchedule();
    case ReportQuery::Get179WrkSheet:
        return s.Get179WrkSheet(c.company, c.year);
    case ReportQuery::GetNewAssets:
        return s.GetNewAssets(c.company, c.year);
    case ReportQuery::GetDisposedAssets:
        return s.GetDisposedAssets(c.company, c.year);
    case ReportQuery::GetTagNumToAssetID:
        return s.GetTagNumToAssetID(c.company);
    }
    throw ServerError::invalidArgument("Reports", std::string("no such report query: ") + queryName(c.query));
}

BuiltReport buildReport(std::string_view name, std::int32_t company, std::int32_t value, std::int16_t book,
                        ReportQueries& queries, const MessageSink& sink) {
    BuiltReport report;
    const CatalogueEntry* entry = findReport(name);
    if (!entry)
        return report;
    Recordset rs;
    FailureTrap trap("CreateReport", sink);
    trap.step([&] { rs = queries.run(makeCall(*entry, company, value, book)); });
    if (trap.anyFailed()) {
        report.failed = true;
        return report;
    }
    report.rows = CreateListview(report.list, rs, entry->fillerType, sink);
    return report;
}

} // namespace qel::reports
