// The list builder: columns from the recordset's fields, then the report's filler.
#include "app/reports/rules/ListBuilder.h"

#include "app/reports/rules/ReportFillers.h"
#include "common/Text.h"

#include <algorithm>
#include <functional>
#include <map>

namespace qel::reports {
namespace {

constexpr std::int32_t kTitleTwipsPerChar = 113;
constexpr std::int64_t kDoubleTwipsPerByte = 60;
constexpr std::int64_t kOtherTwipsPerUnit = 72;

using Filler = std::function<std::int32_t(ReportList&, const Recordset&, const MessageSink&)>;

Filler withN(std::int32_t (*filler)(ReportList&, const Recordset&, std::int16_t, const MessageSink&),
             std::int16_t n) {
    return
        [filler, n](ReportList& l, const Recordset& rs, const MessageSink& s) { return filler(l, rs, n, s); };
}

const std::map<std::string_view, Filler>& fillers() {
    static const std::map<std::string_view, Filler> table = {
        {"Property Tax", withN(PopLVPropertyTax, 1)},
        {"ADS 50Year Assets", withN(PopLVTotalLastField, 2)},
        {"179 WorkSheet", withN(PopLVTotalLastField, 2)},
        {"New Assets", withN(PopLVTotalLastField, 4)},
        {"AMT Differences", withN(PopLVTotalLastField, 4)},
        {"Depreciation WorkSheet", PopulateDeprWrkSheet},
        {"New Assets WorkSheet", PopulateDeprWrkSheet},
        {"Current Year WorkSheet", PopulateCurrentWrkSheet},
        {"Disposed Assets", withN(PopLVTotalLastField, 3)},
        {"Auto Use", PopulateLVAutoUseRpt},
        {"Depr Journal Summary", withN(PopLVTotalLastFieldDec, 2)},
        {"Depr Journal Detail", PopulateJvDepr},
        {"Book Asset Ledger", PopulateBookAssetLedger},
    };
    return table;
}

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

std::int32_t CreateListview(ReportList& list, const Recordset& rs, std::string_view fillerType,
                            const MessageSink& sink) {
    if (rs.RecordCount() == 0)
        return 0;
    for (std::size_t i = 0; i < rs.fieldCount(); ++i)
        list.addColumn(columnFor(rs.field(i), i));
    const auto it = fillers().find(fillerType);
    if (it != fillers().end())
        return it->second(list, rs, sink);
    return PopulateLV(list, rs, sink);
}

} // namespace qel::reports
