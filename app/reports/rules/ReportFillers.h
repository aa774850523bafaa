// The report fillers: each appends the rows of one report recordset to a report list whose
// columns the list builder has made (one per field, column k for field k), and returns the
// number of rows it added, 0 when it gave up after a repeated error. The list builder calls
// them only with a recordset that holds at least one record.
//
// Every subtotal and total adds its column's cells as they show them (ShownTotal): cents where
// the cells show cents, whole dollars where they show dollars, so that a total always equals the
// sum of the amounts above it. A Null shows nothing and adds nothing. Failures show the filler's
// error box through the sink (FailureTrap).
#pragma once

#include "app/reports/rules/ReportFormat.h"
#include "app/shell/ReportList.h"
#include "common/Recordset.h"

#include <cstdint>

namespace qel::reports {

// One row per record. A right-aligned column shows its value by type: whole numbers "###,##0"
// (integers and doubles), dates "mm/yyyy", Yes/No fields "Yes" or "No", other types
// "###,##0.00"; a left-aligned column its trimmed text.
std::int32_t PopulateLV(ReportList& list, const Recordset& rs, const MessageSink& sink);

// The vehicle use report: as PopulateLV, but numbers of 0 or below and the Yes/No answers of a
// vehicle whose use is not entered (field "Display_data" not true) show a single blank, and
// column 1 counts the vehicles 1, 2, 3...
std::int32_t PopulateLVAutoUseRpt(ReportList& list, const Recordset& rs, const MessageSink& sink);

// One row per record and, from two records on, a blank row and a bold total row over the last
// n fields ("                               Total"). PopLVTotalLastField shows whole totals
// ("#,##0"); PopLVTotalLastFieldDec two decimals ("#,###.#0") and shows the numbers of
// left-aligned (text) columns with two decimals too.
std::int32_t PopLVTotalLastField(ReportList& list, const Recordset& rs, std::int16_t n,
                                 const MessageSink& sink);
std::int32_t PopLVTotalLastFieldDec(ReportList& list, const Recordset& rs, std::int16_t n,
                                    const MessageSink& sink);

// The worksheets, grouped by method (field 0): each group's rows, then a blank row, a bold
// subtotal row and a blank row; a bold grand total row at the end. The depreciation worksheet
// sums fields 4, 6, 9 and 10, the current-year worksheet 4, 6, 9, 10, 11 and 12.
std::int32_t PopulateDeprWrkSheet(ReportList& list, const Recordset& rs, const MessageSink& sink);
std::int32_t PopulateCurrentWrkSheet(ReportList& list, const Recordset& rs, const MessageSink& sink);

// The property tax listing (asset class, in-service date, asset id, description, cost), grouped
// by class and, within a class, by in-service year: a year total after each year and a category
// total after each class, each written only when above zero; a grand total of the last n fields.
std::int32_t PopLVPropertyTax(ReportList& list, const Recordset& rs, std::int16_t n, const MessageSink& sink);

// The journal entry detail (account, debit, credit, asset id, description), grouped by account:
// debit and credit subtotals after each account and a grand total.
std::int32_t PopulateJvDepr(ReportList& list, const Recordset& rs, const MessageSink& sink);

// The book asset ledger (the nine columns of the ledger work table), grouped by account: cost,
// accumulated depreciation and net book value subtotals after each account and a grand total.
std::int32_t PopulateBookAssetLedger(ReportList& list, const Recordset& rs, const MessageSink& sink);

} // namespace qel::reports
