// The fillers without totals: the generic one and the vehicle use report's; and the cell formats
// by type that every filler uses.
#include "app/reports/rules/FillerCells.h"
#include "app/reports/rules/ReportFillers.h"
#include "common/Text.h"

#include <optional>

namespace qel::reports {

std::string rightCell(const Variant& value, std::int32_t typeCode, const std::string& title,
                      const TypeFormats& formats) {
    if (isIntegerType(typeCode))
        return formatNumber(value.toDouble(), formats.integer);
    if (typeCode == kTypeDate)
        return monthYear(value.toDate());
    if (typeCode == kTypeDouble)
        return formatNumber(value.toDouble(), title == "Life" ? formats.life : formats.dbl);
    if (typeCode == kTypeBoolean && formats.yesNo)
        return trimBlanks(value.toString()) == "True" ? "Yes" : "No";
    return formatNumber(value.toDouble(), formats.other);
}

namespace {

// Appends a record's row: the first field's trimmed text, then each other field that is not
// Null as `cell`(field, value) shows it. Returns nothing when the trap says stop.
template <typename Cell>
std::optional<ReportRow> appendRecord(ReportList& list, const RecordsetRow& record, FailureTrap& trap,
                                      Cell&& cell) {
    ReportRow row = list.appendRow();
    put(row, 0, trimmedText(record[0]));
    for (std::size_t i = 1; i < record.size(); ++i) {
        const Variant value = record[i];
        if (value.isNull())
            continue;
        if (!trap.step([&] { put(row, i, cell(i, value)); }))
            return std::nullopt;
    }
    return row;
}

} // namespace

std::int32_t PopulateLV(ReportList& list, const Recordset& rs, const MessageSink& sink) {
    FailureTrap trap("PopulateLV", sink);
    list.reserveRows(list.rowCount() + rs.RecordCount());
    const auto cell = [&](std::size_t i, const Variant& v) {
        return isRight(list, i) ? rightCell(v, typeOf(rs, i), titleOf(list, i), kPlainFormats)
                                : trimmedText(v);
    };
    std::int32_t count = 0;
    for (const auto& record : rs.rows()) {
        if (!appendRecord(list, record, trap, cell))
            return 0;
        ++count;
    }
    return count;
}

std::int32_t PopulateLVAutoUseRpt(ReportList& list, const Recordset& rs, const MessageSink& sink) {
    FailureTrap trap("PopulateLVAutoUseRpt", sink);
    const std::size_t displayField = rs.indexOf("Display_data");
    std::int32_t count = 0;
    for (const auto& record : rs.rows()) {
        const bool entered = displayField != Recordset::npos && trimmedText(record[displayField]) == "True";
        // Nothing (0 or less) and the answers of a vehicle whose use is not entered show a blank.
        const auto cell = [&](std::size_t i, const Variant& v) -> std::string {
            const std::int32_t type = typeOf(rs, i);
            if (!isRight(list, i))
                return trimmedText(v);
            if (isIntegerType(type) || type == kTypeDouble)
                return v.toDouble() > 0 ? formatNumber(v.toDouble(), kWhole) : " ";
            if (type == kTypeBoolean && !entered)
                return " ";
            return rightCell(v, type, titleOf(list, i), kPlainFormats);
        };
        const std::optional<ReportRow> row = appendRecord(list, record, trap, cell);
        if (!row)
            return 0;
        ++count;
        // The vehicles' running number replaces the second field.
        put(*row, 1, std::to_string(count));
    }
    return count;
}

} // namespace qel::reports
