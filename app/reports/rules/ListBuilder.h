// The list builder: turns a report recordset into the columns of a report list and hands the
// rows to the report's filler.
#pragma once

#include "app/reports/rules/ReportFormat.h"
#include "app/shell/ReportList.h"
#include "common/Recordset.h"

#include <cstdint>
#include <functional>

namespace qel::reports {

// The widest a column is made, in twips.
inline constexpr std::int32_t kMaxColumnWidth = 7500;

// The column of field `index`: the field's name as its title (blanks kept); its width the larger
// of 113 twips per character of the name and the field's defined size (doubled when below 8)
// times 60 twips for a double or 72 for any other type, at most kMaxColumnWidth; right-aligned
// when it is not the first column and the type is a number, date or Yes/No type (a code below
// 129, or 131 or 132).
ReportColumn columnFor(const Field& field, std::size_t index);

// A report's filler (ReportFillers.h): appends the rows of a recordset to a list whose columns
// are made, and returns the number of rows it added.
using Filler = std::function<std::int32_t(ReportList& list, const Recordset& rs, const MessageSink& sink)>;

// Makes one column per field (columnFor) and calls the filler, the generic PopulateLV when it is
// empty; the report's row in the catalogue names its filler. Returns the filler's row count; 0,
// with no column made and no filler called, when the recordset holds no record.
std::int32_t CreateListview(ReportList& list, const Recordset& rs, const Filler& filler,
                            const MessageSink& sink);

} // namespace qel::reports
