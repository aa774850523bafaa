// The fillers that close a report with one total row over its last n columns: whole totals,
// and the two-decimal twin of the journal summary.
#include "app/reports/rules/FillerCells.h"
#include "app/reports/rules/ReportFillers.h"

#include "common/Convert.h"

#include <cstdlib>

namespace qel::reports {
namespace {

const std::string kTotalLabel = "                               Total";

// A left-aligned cell: its trimmed text, or one blank when that is empty; the two-decimal twin
// shows a text that is a number with two decimals.
std::string leftCell(const Variant& value, bool decimal) {
    std::string text = trimmedText(value);
    if (text.empty())
        return " ";
    if (decimal && isPlainNumber(text))
        return formatNumber(std::strtod(text.c_str(), nullptr), kTwoDecimalsNoZero);
    return text;
}

std::int32_t totalLastField(ReportList& list, const Recordset& rs, std::int16_t n, const MessageSink& sink,
                            bool decimal) {
    // Both twins report under the one name.
    FailureTrap trap("PopLVTotalLastField", sink);
    const std::size_t fields = rs.fieldCount();
    const std::size_t totalled = n < 1 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), fields - 1);
    const std::size_t firstTotalled = fields - totalled;
    std::vector<ShownTotal> totals(totalled);
    const TypeFormats& formats = decimal ? kDecimalTotalFormats : kWholeTotalFormats;

    list.reserveRows(list.rowCount() + rs.RecordCount() + 2);
    std::int32_t count = 0;
    for (const auto& record : rs.rows()) {
        ReportRow row = list.appendRow();
        put(row, 0, trimmedText(record[0]));
        for (std::size_t i = 1; i < fields; ++i) {
            const Variant& v = record[i];
            if (!trap.step([&] {
                    if (!v.isNull())
                        put(row, i,
                            isRight(list, i) ? rightCell(v, typeOf(rs, i), titleOf(list, i), formats)
                                             : leftCell(v, decimal));
                    if (i >= firstTotalled)
                        addShown(totals[i - firstTotalled], row, i);
                }))
                return 0;
        }
        ++count;
    }
    if (count < 2)
        return count;

    appendBlankRow(list);
    ReportRow total = list.appendFilledRow(RowKind::Total, " ");
    put(total, 0, kTotalLabel, true);
    for (std::size_t t = 0; t < totalled; ++t)
        put(total, firstTotalled + t, formatNumber(totals[t].value(), decimal ? kTwoDecimalsNoZero : kWhole),
            true);
    return count + 2;
}

} // namespace

std::int32_t PopLVTotalLastField(ReportList& list, const Recordset& rs, std::int16_t n,
                                 const MessageSink& sink) {
    return totalLastField(list, rs, n, sink, false);
}

std::int32_t PopLVTotalLastFieldDec(ReportList& list, const Recordset& rs, std::int16_t n,
                                    const MessageSink& sink) {
    return totalLastField(list, rs, n, sink, true);
}

} // namespace qel::reports
