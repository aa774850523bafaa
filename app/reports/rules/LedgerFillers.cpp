// The two fillers grouped by account: the journal entry detail of a period (debit and credit
// subtotals) and the book asset ledger (cost, accumulated depreciation and net book value
// subtotals).
#include "app/reports/rules/FillerCells.h"
#include "app/reports/rules/ReportFillers.h"

#include "common/Convert.h"

#include <array>
#include <cstdlib>

namespace qel::reports {
namespace {

// Journal entry detail: fields 1 and 2 are the debit and the credit.
constexpr std::size_t kDebit = 1;
constexpr std::size_t kCredit = 2;
const std::string kJournalSubtotal = "             Subtotal";
const std::string kJournalGrandTotal = "          Grand Total";

// A journal cell in a left-aligned column: one blank for an empty text; the debit and credit
// show a number with two decimals, every other column its text.
std::string journalLeftCell(const Variant& value, std::size_t field) {
    std::string text = trimmedText(value);
    if (text.empty())
        return " ";
    if ((field == kDebit || field == kCredit) && isPlainNumber(text))
        return formatNumber(std::strtod(text.c_str(), nullptr), kTwoDecimalsNoZero);
    return text;
}

// Book asset ledger: fields 6, 7 and 8 are cost, accumulated depreciation and net book value.
constexpr std::array<std::size_t, 3> kLedgerSummed{6, 7, 8};
constexpr std::size_t kCapitalAccount = 1;
const std::string kLedgerSubtotal = "       Subtotal";
const std::string kLedgerGrandTotal = "       Grand Total";

void appendLedgerTotal(ReportList& list, RowKind kind, const std::string& label,
                       const std::array<ShownTotal, 3>& totals) {
    ReportRow row = list.appendFilledRow(kind, " ");
    put(row, 1, label, true);
    for (std::size_t j = 0; j < kLedgerSummed.size(); ++j)
        put(row, kLedgerSummed[j], formatNumber(totals[j].value(), kTwoDecimals), true);
}

} // namespace

std::int32_t PopulateJvDepr(ReportList& list, const Recordset& rs, const MessageSink& sink) {
    FailureTrap trap("PopulateJvDepr", sink);
    const std::size_t start = list.rowCount();
    const std::size_t fields = rs.fieldCount();
    ShownTotal debit;
    ShownTotal credit;
    ShownTotal grandDebit;
    ShownTotal grandCredit;
    auto appendSubtotal = [&] {
        ReportRow row = list.appendFilledRow(RowKind::Subtotal, " ");
        put(row, 0, kJournalSubtotal);
        // An account whose lines come to nothing shows no amount.
        if (!debit.isZero())
            put(row, kDebit, formatNumber(debit.value(), kTwoDecimalsNoZero), true);
        if (!credit.isZero())
            put(row, kCredit, formatNumber(credit.value(), kTwoDecimalsNoZero), true);
        grandDebit.add(debit);
        grandCredit.add(credit);
        debit.clear();
        credit.clear();
    };

    RecordGroups accounts;
    for (const auto& record : rs.rows()) {
        // Accounts compare as exact text; a record without an account stays in the current one.
        const RecordGroups::Step step = accounts.next(record[0].toString(), record[0].isNull());
        if (step == RecordGroups::Step::New) {
            appendBlankRow(list);
            appendSubtotal();
            appendBlankRow(list);
        }
        const bool head = step != RecordGroups::Step::Same;
        ReportRow row = list.appendRow();
        put(row, 0, head ? accounts.key() : " ");
        row.setGroupCells(head ? 1 : 0);
        for (std::size_t j = 1; j < fields; ++j) {
            const Variant& v = record[j];
            if (v.isNull())
                continue;
            if (!trap.step([&] {
                    put(row, j,
                        isRight(list, j) ? rightCell(v, typeOf(rs, j), titleOf(list, j), kJournalFormats)
                                         : journalLeftCell(v, j));
                }))
                return 0;
        }
        if (fields > kCredit) {
            if (!trap.step([&] {
                    addShown(debit, row, kDebit);
                    addShown(credit, row, kCredit);
                }))
                return 0;
        }
    }
    // The separator before the last subtotal: two blanks where the account stands.
    put(list.appendFilledRow(RowKind::Blank, " "), 0, "  ");
    appendSubtotal();
    appendBlankRow(list);
    appendBlankRow(list);
    ReportRow total = list.appendFilledRow(RowKind::Total, " ");
    put(total, 0, kJournalGrandTotal);
    put(total, kDebit, formatNumber(grandDebit.value(), kTwoDecimalsNoZero), true);
    put(total, kCredit, formatNumber(grandCredit.value(), kTwoDecimalsNoZero), true);
    return static_cast<std::int32_t>(list.rowCount() - start);
}

std::int32_t PopulateBookAssetLedger(ReportList& list, const Recordset& rs, const MessageSink& sink) {
    FailureTrap trap("PopulateBookAssetLedger", sink);
    const std::size_t start = list.rowCount();
    const std::size_t fields = rs.fieldCount();
    std::array<ShownTotal, 3> group{};
    std::array<ShownTotal, 3> grand{};
    auto closeGroup = [&] {
        appendBlankRow(list);
        appendLedgerTotal(list, RowKind::Subtotal, kLedgerSubtotal, group);
        appendBlankRow(list);
        for (std::size_t j = 0; j < group.size(); ++j) {
            grand[j].add(group[j]);
            group[j].clear();
        }
    };

    RecordGroups accounts;
    for (const auto& record : rs.rows()) {
        // Accounts compare as exact text, blanks and letter case included.
        const RecordGroups::Step step = accounts.next(record[0].toString());
        if (step == RecordGroups::Step::New)
            closeGroup();
        const bool head = step != RecordGroups::Step::Same;

        ReportRow row = list.appendRow();
        put(row, 0, head ? accounts.key() : " ");
        row.setGroupCells(head ? 2 : 0);
        for (std::size_t i = 1; i < fields; ++i) {
            const Variant& v = record[i];
            if (!trap.step([&] {
                    if (!v.isNull()) {
                        if (isRight(list, i))
                            put(row, i, rightCell(v, typeOf(rs, i), titleOf(list, i), kLedgerFormats));
                        else if (i == kCapitalAccount && !head)
                            put(row, i, " ");
                        else
                            put(row, i, trimmedText(v));
                    }
                    for (std::size_t j = 0; j < kLedgerSummed.size(); ++j)
                        if (i == kLedgerSummed[j])
                            addShown(group[j], row, i);
                }))
                return 0;
        }
    }
    closeGroup();
    appendLedgerTotal(list, RowKind::Total, kLedgerGrandTotal, grand);
    return static_cast<std::int32_t>(list.rowCount() - start);
}

} // namespace qel::reports
