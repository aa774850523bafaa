// The worksheet fillers: the assets of a year grouped by depreciation method, a subtotal after
// each method and a grand total at the end.
#include "app/reports/rules/FillerCells.h"
#include "app/reports/rules/ReportFillers.h"

#include <algorithm>

namespace qel::reports {
namespace {

// What tells the two worksheets apart.
struct WorksheetShape {
    const char* procedure;
    std::vector<std::size_t> summed; // field positions that are totalled
    const char* subtotalLabel;
    const char* grandTotalLabel;
};

const WorksheetShape kDeprWorksheet{"PopulateDeprWrkSheet",
                                    {4, 6, 9, 10},
                                    "                             Subtotal",
                                    "                        Grand Total"};
const WorksheetShape kCurrentWorksheet{
    "PopulateCurrentWrkSheet", {4, 6, 9, 10, 11, 12}, "              Subtotal", "         Grand Total"};

// A subtotal or grand total row: the label in column 1 and the totals in their columns, bold;
// every other cell one blank.
void appendTotalRow(ReportList& list, RowKind kind, const WorksheetShape& shape, const char* label,
                    const std::vector<ShownTotal>& totals) {
    ReportRow row = list.appendFilledRow(kind, " ");
    put(row, 1, label, true);
    for (std::size_t j = 0; j < shape.summed.size(); ++j)
        put(row, shape.summed[j], formatNumber(totals[j].value(), kWhole), true);
}

// The rows a worksheet of the records takes: each record's, three around each method's subtotal
// and the grand total.
std::size_t worksheetRows(const Recordset& rs) {
    RecordGroups methods;
    std::size_t groups = 0;
    for (const auto& record : rs.rows())
        groups += methods.next(record[0].toString()) == RecordGroups::Step::Same ? 0 : 1;
    return rs.RecordCount() + 3 * groups + 1;
}

std::int32_t worksheet(ReportList& list, const Recordset& rs, const MessageSink& sink,
                       const WorksheetShape& shape) {
    FailureTrap trap(shape.procedure, sink);
    const std::size_t start = list.rowCount();
    const std::size_t fields = rs.fieldCount();
    std::vector<ShownTotal> group(shape.summed.size());
    std::vector<ShownTotal> grand(shape.summed.size());
    auto closeGroup = [&] {
        appendBlankRow(list);
        appendTotalRow(list, RowKind::Subtotal, shape, shape.subtotalLabel, group);
        appendBlankRow(list);
        for (std::size_t j = 0; j < group.size(); ++j) {
            grand[j].add(group[j]);
            group[j].clear();
        }
    };

    list.reserveRows(start + worksheetRows(rs));
    RecordGroups methods;
    for (const auto& record : rs.rows()) {
        // Methods compare as exact text: "MACRS" and "Macrs" are two groups.
        const RecordGroups::Step step = methods.next(record[0].toString());
        if (step == RecordGroups::Step::New)
            closeGroup();
        const bool head = step != RecordGroups::Step::Same;

        ReportRow row = list.appendRow();
        put(row, 0, head ? methods.key() : " ");
        row.setGroupCells(head ? 1 : 0);
        for (std::size_t k = 1; k < fields; ++k) {
            const Variant& v = record[k];
            if (!trap.step([&] {
                    if (!v.isNull())
                        put(row, k,
                            isRight(list, k)
                                ? rightCell(v, typeOf(rs, k), titleOf(list, k), kWholeTotalFormats)
                                : trimmedText(v));
                    const auto at = std::find(shape.summed.begin(), shape.summed.end(), k);
                    if (at != shape.summed.end())
                        addShown(group[static_cast<std::size_t>(at - shape.summed.begin())], row, k);
                }))
                return 0;
        }
    }
    closeGroup();
    appendTotalRow(list, RowKind::Total, shape, shape.grandTotalLabel, grand);
    return static_cast<std::int32_t>(list.rowCount() - start);
}

} // namespace

std::int32_t PopulateDeprWrkSheet(ReportList& list, const Recordset& rs, const MessageSink& sink) {
    return worksheet(list, rs, sink, kDeprWorksheet);
}

std::int32_t PopulateCurrentWrkSheet(ReportList& list, const Recordset& rs, const MessageSink& sink) {
    return worksheet(list, rs, sink, kCurrentWorksheet);
}

} // namespace qel::reports
