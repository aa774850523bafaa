// The fillers without totals: the generic one and the vehicle use report's; and the cell formats
// by type that every filler uses.
#include "app/reports/FillerCells.h"
#include "app/reports/ReportFillers.h"

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
        return trim(value.toString()) == "True" ? "Yes" : "No";
    return formatNumber(value.toDouble(), formats.other);
}

namespace {

// The generic row of a record: the first field's trimmed text, then each other field by the
// alignment of its column. Returns false when the trap says stop.
bool plainRow(ReportList& list, const Recordset& rs, const std::vector<Variant>& record, FillTrap& trap) {
    ReportRow& row = list.appendRow();
    try {
        put(row, 0, trimmedText(record[0]));
    } catch (...) {
        if (!trap.failed())
            return false;
    }
    for (std::size_t i = 1; i < record.size(); ++i) {
        const Variant& v = record[i];
        if (v.isNull())
            continue;
        try {
            put(row, i,
                isRight(list, i) ? rightCell(v, typeOf(rs, i), titleOf(list, i), kPlainFormats)
                                 : trimmedText(v));
        } catch (...) {
            if (!trap.failed())
                return false;
        }
    }
    return true;
}

} // namespace

std::int32_t PopulateLV(ReportList& list, const Recordset& rs, const MessageSink& sink) {
    FillTrap trap("PopulateLV", sink);
    list.reserveRows(list.rowCount() + rs.RecordCount());
    std::int32_t count = 0;
    for (const auto& record : rs.rows()) {
        if (!plainRow(list, rs, record, trap))
            return 0;
        ++count;
    }
    return count;
}

std::int32_t PopulateLVAutoUseRpt(ReportList& list, const Recordset& rs, const MessageSink& sink) {
    FillTrap trap("PopulateLVAutoUseRpt", sink);
    const std::size_t displayField = rs.indexOf("Display_data");
    std::int32_t count = 0;
    for (const auto& record : rs.rows()) {
        const bool entered = displayField != Recordset::npos && trimmedText(record[displayField]) == "True";
        ReportRow& row = list.appendRow();
        try {
            put(row, 0, trimmedText(record[0]));
        } catch (...) {
            if (!trap.failed())
                return 0;
        }
        for (std::size_t i = 1; i < record.size(); ++i) {
            const Variant& v = record[i];
            if (v.isNull())
                continue;
            try {
                const std::int32_t type = typeOf(rs, i);
                std::string text;
                if (!isRight(list, i))
                    text = trimmedText(v);
                else if (isIntegerType(type) || type == kTypeDouble)
                    text = v.toDouble() > 0 ? formatNumber(v.toDouble(), kWhole) : " ";
                else if (type == kTypeBoolean)
                    text = entered ? rightCell(v, type, titleOf(list, i), kPlainFormats) : " ";
                else
                    text = rightCell(v, type, titleOf(list, i), kPlainFormats);
                put(row, i, std::move(text));
            } catch (...) {
                if (!trap.failed())
                    return 0;
            }
        }
        ++count;
        // The vehicles' running number replaces the second field.
        put(row, 1, std::to_string(count));
    }
    return count;
}

} // namespace qel::reports
