// The report catalogue: every report name a report window knows, the data server query that
// answers it with its arguments, and the filler type the list builder fills it with; and the
// building of a report's list from its name (the work of a report window's CreateReport).
#pragma once

#include "app/reports/rules/ReportFormat.h"
#include "app/shell/ReportList.h"
#include "common/Recordset.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qel::reports {

// The data server queries of the reports (DeprSupport's, and Auto's vehicle use report).
enum class ReportQuery {
    GetGLaccounts,
    GetFinanicalDisposedAssets,
    GetBooks50YearAssets,
    GetBooksNewAssets,
    GetBooksDisposedAssets,
    GetNewBooksAssetWrkSheet,
    GetBooksAssetWrkSheet,
    GetBooks179WrkSheet,
    GetAutoUseReport,
    GetPropertTaxData,
    GetDetailDepr,
    GetAMTdifferences,
    GetAssetWrkSheet,
    GetNewAssetWrkSheet,
    GetCurrentWrkSheet,
    DeprJvSummary,
    DeprJvDetail,
    GetBookAssetLedger,
    GetDeprSchedule,
    GetBookDeprSchedule,
    Get179WrkSheet,
    GetNewAssets,
    GetDisposedAssets,
    GetTagNumToAssetID,
};

// The query's operation name, as the data server names it.
const char* queryName(ReportQuery query);

// What a query is given, besides the company.
enum class QueryArgs {
    Year,      // company, year
    Period,    // company, period "YYYYMM"
    YearBook,  // company, year, book
    AssetBook, // the asset number, book
    Company,   // company
    Nothing,   // nothing
};

struct CatalogueEntry {
    const char* name; // compared exactly, letter case included
    ReportQuery query;
    QueryArgs args;
    const char* fillerType;
};

const std::vector<CatalogueEntry>& reportCatalogue();
// The entry of a report name; nullptr for a name the catalogue does not hold.
const CatalogueEntry* findReport(std::string_view name);

// One query as it is run: the arguments the entry asks for, the others left at 0 or empty.
struct QueryCall {
    ReportQuery query = ReportQuery::GetGLaccounts;
    std::int32_t company = 0;
    std::int16_t year = 0;
    std::string period = {};
    std::int32_t assetNumber = 0;
    std::int16_t book = 0;
};

// The call of an entry for a report value: a year report's value is the year (a 16-bit number:
// throws ServerError, overflow, when it does not fit); a period report's value is the period
// YYYYMM, passed as its digits; a schedule's value is the asset number.
QueryCall makeCall(const CatalogueEntry& entry, std::int32_t company, std::int32_t value, std::int16_t book);

// Runs report queries; the program's runs them on the data server, a test's records them.
class ReportQueries {
public:
    virtual ~ReportQueries() = default;
    virtual Recordset run(const QueryCall& call) = 0;
};

// The data server's queries on the shared connection.
class ServerReportQueries : public ReportQueries {
public:
    Recordset run(const QueryCall& call) override;
};

// A report's list, built.
struct BuiltReport {
    ReportList list;
    std::int32_t rows = 0; // rows filled; 0 for an unknown name, an empty result or a failure
    bool failed = false;   // the query failed (its error box has been shown)
};

// Looks the name up, runs its query and fills the list. An unknown name runs nothing. A failed
// query (or a value the query cannot take) shows "Error in CreateReport. " with the cause and
// the number through the sink and gives failed; the filler's own failures are the filler's.
BuiltReport buildReport(std::string_view name, std::int32_t company, std::int32_t value, std::int16_t book,
                        ReportQueries& queries, const MessageSink& sink);

} // namespace qel::reports
