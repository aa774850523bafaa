// The property tax filler: the assets a company holds at a period, grouped by asset class and,
// within a class, by in-service year, with year, category and grand totals of cost.
#include "app/reports/rules/FillerCells.h"
#include "app/reports/rules/ReportFillers.h"

namespace qel::reports {
namespace {

const std::string kYearTotalLabel = "                 Total for ";
const std::string kCategoryTotalLabel = "                 Category Total";
const std::string kGrandTotalLabel = "                 Grand Total";
// The label and amount columns of the total rows: description and cost.
constexpr std::size_t kLabelColumn = 3;
constexpr std::size_t kAmountColumn = 4;

// A group total is written when it is above zero and shows as a number of whole dollars (a
// total that rounds to nothing would show an empty cell).
bool showsAboveZero(const ShownTotal& total) {
    return total.value() > 0 && !formatNumber(total.value(), kWholeNoZero).empty();
}

void appendGroupTotal(ReportList& list, const std::string& label, const ShownTotal& total) {
    ReportRow row = list.appendFilledRow(RowKind::Subtotal, " ");
    put(row, kLabelColumn, label, true);
    put(row, kAmountColumn, formatNumber(total.value(), kWholeNoZero), true);
}

} // namespace

std::int32_t PopLVPropertyTax(ReportList& list, const Recordset& rs, std::int16_t n,
                              const MessageSink& sink) {
    FailureTrap trap("PopLVPropertyTax", sink);
    const std::size_t start = list.rowCount();
    const std::size_t fields = rs.fieldCount();
    const std::size_t totalled = n < 1 ? 0 : std::min<std::size_t>(static_cast<std::size_t>(n), fields - 1);
    const std::size_t firstTotalled = fields - totalled;
    std::vector<ShownTotal> trailing(totalled);
    std::string yearKey;
    std::string classKey;
    ShownTotal yearTotal;
    ShownTotal classTotal;

    // A year's total closes the year; a total that is not above zero is not written, and the
    // next year starts again from zero all the same.
    auto closeYear = [&] {
        if (showsAboveZero(yearTotal)) {
            appendBlankRow(list);
            appendGroupTotal(list, kYearTotalLabel + yearKey, yearTotal);
            appendBlankRow(list);
        }
        yearTotal.clear();
    };
    auto closeClass = [&](bool last) {
        if (showsAboveZero(classTotal)) {
            appendGroupTotal(list, kCategoryTotalLabel, classTotal);
            if (!last) {
                appendBlankRow(list);
                appendBlankRow(list);
            }
        }
        classTotal.clear();
    };

    for (const auto& record : rs.rows()) {
        std::string yearText;
        if (!trap.step([&] { yearText = yearOf(record[1]); }))
            return 0;
        const std::string classText = trimmedText(record[0]);
        if (yearText != yearKey || classText != classKey) {
            closeYear();
            yearKey = yearText;
        }
        const bool head = classText != classKey;
        if (head) {
            closeClass(false);
            classKey = classText;
        }
        ReportRow row = list.appendRow();
        if (head) {
            put(row, 0, classText, true);
            row.setGroupCells(1);
        } else {
            put(row, 0, " ");
        }
        for (std::size_t j = 1; j < fields; ++j) {
            const Variant& v = record[j];
            if (!trap.step([&] {
                    if (!v.isNull())
                        put(row, j,
                            isRight(list, j)
                                ? rightCell(v, typeOf(rs, j), titleOf(list, j), kWholeTotalFormats)
                                : trimmedText(v));
                    if (j >= firstTotalled)
                        addShown(trailing[j - firstTotalled], row, j);
                    if (j == fields - 1) {
                        addShown(yearTotal, row, j);
                        addShown(classTotal, row, j);
                    }
                }))
                return 0;
        }
    }
    closeYear();
    closeClass(true);
    if (list.rowCount() - start > 1) {
        appendBlankRow(list);
        ReportRow total = list.appendFilledRow(RowKind::Total, " ");
        put(total, kLabelColumn, kGrandTotalLabel, true);
        for (std::size_t t = 0; t < totalled; ++t)
            put(total, firstTotalled + t, formatNumber(trailing[t].value(), kWhole), true);
    }
    return static_cast<std::int32_t>(list.rowCount() - start);
}

} // namespace qel::reports
