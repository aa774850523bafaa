// Whether a report list's totals add up to the amounts shown above them: each subtotal to the
// amounts of its column since the subtotal of its kind before it (or since the first row), each
// total to all the amounts above it, rounded only to the places the total shows (a half away
// from zero). For the tests of the fillers and of the report windows; it says what is wrong
// rather than failing a test itself.
#pragma once

#include "app/shell/ReportList.h"

#include <cmath>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace qel::test {

// The amount a cell shows, in thousandths of a dollar: blanks around an optional minus sign,
// digits grouped by ",", a point and up to three decimals. Nothing for any other text.
inline std::optional<long long> shownThousandths(const std::string& text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::size_t last = text.find_last_not_of(' ');
    std::size_t i = first;
    const bool negative = text[i] == '-';
    if (negative)
        ++i;
    long long units = 0;
    bool any = false;
    int decimals = -1;
    for (; i <= last; ++i) {
        const char c = text[i];
        if (c >= '0' && c <= '9') {
            any = true;
            units = units * 10 + (c - '0');
            if (decimals >= 0 && ++decimals > 3)
                return std::nullopt;
        } else if (c == ',' && decimals < 0 && any) {
            continue;
        } else if (c == '.' && decimals < 0) {
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (!any)
        return std::nullopt;
    for (int d = std::max(decimals, 0); d < 3; ++d)
        units *= 10;
    return negative ? -units : units;
}

// The places a total shows.
inline int decimalsShown(const std::string& text) {
    const std::size_t point = text.find('.');
    const std::size_t last = text.find_last_not_of(' ');
    return point == std::string::npos ? 0 : static_cast<int>(last - point);
}

// A sum in thousandths rounded to `decimals` places, a half away from zero.
inline long long roundedToShown(long long sum, int decimals) {
    const long long unit = decimals >= 3 ? 1 : decimals == 2 ? 10 : decimals == 1 ? 100 : 1000;
    const long long half = unit / 2;
    const long long q = sum >= 0 ? (sum + half) / unit : -((-sum + half) / unit);
    return q * unit;
}

// The columns in which a subtotal or total row shows an amount.
inline std::set<std::size_t> totalledColumns(const ReportList& list) {
    std::set<std::size_t> out;
    for (std::size_t r = 0; r < list.rowCount(); ++r)
        if (list.kind(r) == RowKind::Subtotal || list.kind(r) == RowKind::Total)
            for (std::size_t c = 0; c < list.columnCount(); ++c)
                if (shownThousandths(std::string(list.text(r, c))))
                    out.insert(c);
    return out;
}

struct Footing {
    int checked = 0;                 // total cells compared
    std::vector<std::string> errors; // one line for each that does not add up
};

// The label of a subtotal row: the texts of its columns that hold no amount, without blanks and
// digits ("Total for 2010" and "Total for 2011" close groups of one kind).
inline std::string subtotalKind(const ReportList& list, std::size_t row,
                                const std::set<std::size_t>& amounts) {
    std::string label;
    for (std::size_t c = 0; c < list.columnCount(); ++c)
        if (!amounts.contains(c))
            for (char ch : list.text(row, c))
                if (ch != ' ' && (ch < '0' || ch > '9'))
                    label += ch;
    return label;
}

// Compares every subtotal and total of the columns with the amounts shown above it. A total
// that shows nothing must stand for nothing.
inline Footing checkFooting(const ReportList& list, const std::set<std::size_t>& amounts) {
    Footing footing;
    for (std::size_t column : amounts) {
        long long all = 0;
        std::map<std::string, long long> atLast; // the running sum at the last subtotal of a kind
        for (std::size_t r = 0; r < list.rowCount(); ++r) {
            const RowKind rowKind = list.kind(r);
            const std::string text(list.text(r, column));
            if (rowKind == RowKind::Data) {
                all += shownThousandths(text).value_or(0);
                continue;
            }
            if (rowKind != RowKind::Subtotal && rowKind != RowKind::Total)
                continue;
            const std::string kind = subtotalKind(list, r, amounts);
            const long long sum = rowKind == RowKind::Total ? all : all - atLast[kind];
            const std::optional<long long> shown = shownThousandths(text);
            const long long expected = roundedToShown(sum, shown ? decimalsShown(text) : 2);
            if (shown ? *shown != expected : expected != 0)
                footing.errors.push_back("row " + std::to_string(r) + ", column " + std::to_string(column) +
                                         ": '" + text + "' under amounts that add up to " +
                                         std::to_string(sum / 1000.0));
            footing.checked += shown ? 1 : 0;
            if (rowKind == RowKind::Subtotal)
                atLast[kind] = all;
        }
    }
    return footing;
}

} // namespace qel::test
