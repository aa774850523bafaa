// The report catalogue: one row per report, and everything the program knows of a report is in
// its row: where the user asks for it, what it asks first, the data server query that answers it
// with its arguments, the filler of its list, the widths and titles of its columns and the rule
// of its window's caption. The report prompts, the list builder, the report window and its
// layout all read the row; adding a report is adding a row (app/README.md, "Adding a report").
//
// Also the building of a report's list from its name (the work of a report window's
// CreateReport).
#pragma once

#include "app/reports/rules/ListBuilder.h"
#include "app/reports/rules/ReportFormat.h"
#include "app/reports/rules/ReportLayout.h"
#include "app/shell/ReportList.h"
#include "common/Recordset.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qel::reports {

// Where the user asks for a report.
enum class ReportEntry {
    Menu,            // a menu item of kind Report naming it (shell/MenuTable.cpp)
    TaxReportWindow, // an option of the tax report choice frmTaxReports, with the book chosen there
    AssetForm,       // a schedule button of the asset form, for the asset shown
};

// What is asked before the report runs.
enum class ReportPrompt {
    Year,   // "Enter Fiscal Year", offering the working year; the report's value is the year
    Period, // "Enter fiscal period - YYYYMM", offering today's fiscal month; the value is YYYYMM
    None,   // nothing: the report runs at once with the value its entry gives (0 from the menu)
};

// What a query is given, besides the company.
enum class QueryArgs {
    Year,      // company, year
    Period,    // company, period "YYYYMM"
    YearBook,  // company, year, book
    AssetBook, // the asset number, book
    Company,   // company
    Nothing,   // nothing
};

struct QueryCall;
// Runs a query on the data server.
using ServerQuery = Recordset (*)(const QueryCall& call);

// One query as it is run: the arguments its row asks for, the others left at 0 or empty.
struct QueryCall {
    const char* query = ""; // the data server's operation name
    std::int32_t company = 0;
    std::int16_t year = 0;
    std::string period = {};
    std::int32_t assetNumber = 0;
    std::int16_t book = 0;
    ServerQuery onServer = nullptr;
};

struct ReportDef {
    // The report's name: the menu item's argument, the prompt's title, the name the caption
    // rules use. Compared exactly, letter case included.
    const char* name;
    ReportEntry entry = ReportEntry::Menu;
    ReportPrompt prompt = ReportPrompt::Year;
    // The data server's operation and its arguments; nullptr for a report that opens no window,
    // whose handler the report windows register under its name (Form 4562, the default year,
    // the vehicle forms).
    const char* query = nullptr;
    QueryArgs args = QueryArgs::Year;
    ServerQuery onServer = nullptr;
    // The rows of the list (ReportFillers.h); empty: the generic one, PopulateLV.
    Filler filler = {};
    CaptionRule caption = CaptionRule::Name;
    // The column settings the window applies, and its fixed width in twips (0: its own).
    std::vector<ColumnSetting> columns = {};
    std::int32_t fixedWidth = 0;
    // The year used without asking, checked as a typed one ("Chart of Accounts": "1900").
    const char* givenYear = nullptr;
    // A period report that runs for any period, posted or not ("Property Tax").
    bool anyPeriod = false;
    // The user documents folder is made and filled, when missing, before the prompt.
    bool needsDocumentsFolder = false;
};

// Every report, the tax report choice's options in the order the window shows them.
const std::vector<ReportDef>& reportCatalogue();
// The row of a report name; nullptr for a name the catalogue does not hold.
const ReportDef* findReport(std::string_view name);

// The call of a row for a report value: a year report's value is the year (a 16-bit number:
// throws ServerError, overflow, when it does not fit); a period report's value is the period
// YYYYMM, passed as its digits; a schedule's value is the asset number.
QueryCall makeCall(const ReportDef& report, std::int32_t company, std::int32_t value, std::int16_t book);

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

// Looks the name up, runs its query and fills the list. A name without a row or a query runs
// nothing. A failed query (or a value the query cannot take) shows "Error in CreateReport. "
// with the cause and the number through the sink and gives failed; the filler's own failures
// are the filler's.
BuiltReport buildReport(std::string_view name, std::int32_t company, std::int32_t value, std::int16_t book,
                        ReportQueries& queries, const MessageSink& sink);

} // namespace qel::reports
