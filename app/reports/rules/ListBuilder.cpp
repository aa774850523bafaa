// The list builder: columns from the recordset's fields, then the report's filler.
#include "app/reports/rules/ListBuilder.h"

#include "app/reports/rules/ReportFillers.h"
#include "common/Text.h"

#include <algorithm>

namespace qel::reports {
namespace {

constexpr std::int32_t kTitleTwipsPerChar = 113;
constexpr std::int64_t kDoubleTwipsPerByte = 60;
constexpr std::int64_t kOtherTwipsPerUnit = 72;

} // namespace

ReportColumn columnFor(const Field& field, std::size_t index) {
    const std::int64_t titleWidth =
        static_cast<std::int64_t>(characterCount(field.name)) * kTitleTwipsPerChar;
    std::int64_t size = field.definedSize;
    if (size < 8)
        size *= 2;
    const auto type = static_cast<std::int32_t>(field.type);
    const std::int64_t dataWidth = size * (type == kTypeDouble ? kDoubleTwipsPerByte : kOtherTwipsPerUnit);
    const auto width =
        static_cast<std::int32_t>(std::min<std::int64_t>(std::max(titleWidth, dataWidth), kMaxColumnWidth));
    const bool right = index >= 1 && (type < 129 || type == 131 || type == 132);
    return ReportColumn{field.name, width, right ? CellAlign::Right : CellAlign::Left, type};
}

std::int32_t CreateListview(ReportList& list, const Recordset& rs, const Filler& filler,
                            const MessageSink& sink) {
    if (rs.RecordCount() == 0)
        return 0;
    for (std::size_t i = 0; i < rs.fieldCount(); ++i)
        list.addColumn(columnFor(rs.field(i), i));
    return filler ? filler(list, rs, sink) : PopulateLV(list, rs, sink);
}

} // namespace qel::reports
