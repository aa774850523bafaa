// The list builder: turns a report recordset into the columns of a report list and hands the
// rows to the filler that suits the report.
#pragma once

#include "app/reports/rules/ReportFormat.h"
#include "app/shell/ReportList.h"
#include "common/Recordset.h"

#include <cstdint>
#include <string_view>

namespace qel::reports {

// The widest a column is made, in twips.
inline constexpr std::int32_t kMaxColumnWidth = 7500;

// The column of field `index`: the field's name as its title (blanks kept); its width the larger
// of 113 twips per character of the name and the field's defined size (doubled when below 8)
// times 60 twips for a double or 72 for any other type, at most kMaxColumnWidth; right-aligned
// when it is not the first column and the type is a number, date or Yes/No type (a code below
// 129, or 131 or 132).
ReportColumn columnFor(const Field& field, std::size_t index);

// Makes one column per field (columnFor) and calls the filler of the filler type, compared
// exactly; an unknown type gets the generic filler. Returns the filler's row count; 0, with no
// column made and no filler called, when the recordset holds no record.
//
// | filler type                                            | filler                   | n |
// | "Property Tax"                                         | PopLVPropertyTax         | 1 |
// | "ADS 50Year Assets", "179 WorkSheet"                   | PopLVTotalLastField      | 2 |
// | "New Assets", "AMT Differences"                        | PopLVTotalLastField      | 4 |
// | "Disposed Assets"                                      | PopLVTotalLastField      | 3 |
// | "Depr Journal Summary"                                 | PopLVTotalLastFieldDec   | 2 |
// | "Depreciation WorkSheet", "New Assets WorkSheet"       | PopulateDeprWrkSheet     |   |
// | "Current Year WorkSheet"                               | PopulateCurrentWrkSheet  |   |
// | "Auto Use"                                             | PopulateLVAutoUseRpt     |   |
// | "Depr Journal Detail"                                  | PopulateJvDepr           |   |
// | "Book Asset Ledger"                                    | PopulateBookAssetLedger  |   |
// | any other text                                         | PopulateLV               |   |
std::int32_t CreateListview(ReportList& list, const Recordset& rs, std::string_view fillerType,
                            const MessageSink& sink);

} // namespace qel::reports
