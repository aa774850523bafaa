// What the report fillers share: writing a cell by position, the formats of a right-aligned
// cell by the field's type (each filler family has its own), and the rows fillers add around
// the records.
#pragma once

#include "app/reports/rules/ReportFormat.h"
#include "app/shell/ReportList.h"
#include "common/Recordset.h"
#include "common/ShownTotal.h"

#include <string>
#include <string_view>

namespace qel::reports {

// Writes a cell; a position beyond the list's columns is left alone (the list builder makes one
// column per field, so a filler never meets one).
inline void put(ReportRow row, std::size_t column, std::string_view text, bool bold = false) {
    row.set(column, text, bold);
}

inline bool isRight(const ReportList& list, std::size_t column) {
    return column < list.columnCount() && list.columns()[column].align == CellAlign::Right;
}

inline const std::string& titleOf(const ReportList& list, std::size_t column) {
    static const std::string none;
    return column < list.columnCount() ? list.columns()[column].title : none;
}

// The patterns of a right-aligned cell: by the field's type, and for a double by whether the
// column's title is exactly "Life". A date always shows "mm/yyyy".
struct TypeFormats {
    NumberPattern integer; // type codes 2 and 3
    NumberPattern dbl;     // type code 5
    NumberPattern life;    // type code 5 under the title "Life"
    NumberPattern other;   // every other type
    bool yesNo = false;    // type code 11 shows "Yes" or "No" instead of `other`
};

inline constexpr TypeFormats kPlainFormats{kWhole, kWhole, kWhole, kTwoDecimals, true};
inline constexpr TypeFormats kWholeTotalFormats{kWhole, kWhole, kOneDecimal, kTwoDecimals};
inline constexpr TypeFormats kDecimalTotalFormats{kWhole, kWhole, kTwoDecimalsNoZero, kTwoDecimalsNoZero};
inline constexpr TypeFormats kJournalFormats{kWhole, kTwoDecimalsNoZero, kTwoDecimalsNoZero,
                                             kTwoDecimalsNoZero};
inline constexpr TypeFormats kLedgerFormats{kWhole, kTwoDecimals, kOneDecimal, kTwoDecimals};

// A right-aligned cell's text. Throws ServerError (type mismatch) for a value its type's
// pattern cannot read, such as a word in a number column.
std::string rightCell(const Variant& value, std::int32_t typeCode, const std::string& title,
                      const TypeFormats& formats);

// The type code of field i.
inline std::int32_t typeOf(const Recordset& rs, std::size_t i) {
    return static_cast<std::int32_t>(rs.field(i).type);
}

// The groups of consecutive records with the same key, compared as exact text (letter case and
// blanks count): a method, an account.
class RecordGroups {
public:
    enum class Step { First, Same, New };

    // The step of the next record: the first record opens the first group, a key other than the
    // group's opens the next one, and a record that joinsCurrent (its key is missing) stays in
    // the current group.
    Step next(const std::string& key, bool joinsCurrent = false) {
        if (first_) {
            first_ = false;
            key_ = key;
            return Step::First;
        }
        if (joinsCurrent || key == key_)
            return Step::Same;
        key_ = key;
        return Step::New;
    }
    // The key of the current group.
    const std::string& key() const { return key_; }

private:
    bool first_ = true;
    std::string key_;
};

// Adds the amount a cell shows to a total: totals add the cells as shown, so that they add up
// to the column above them.
inline void addShown(ShownTotal& total, const ReportRow& row, std::size_t column) {
    if (column < row.cellCount())
        total.add(row.text(column));
}

// Appends a row whose every cell holds one blank.
inline void appendBlankRow(ReportList& list) {
    list.appendFilledRow(RowKind::Blank, " ");
}

} // namespace qel::reports
