// The five width tiers of a printed list: from the total width of a list's columns, the paper
// orientation, where the table starts, how many rows a page holds, the point size and the
// heading's rule and page-number places. A list too wide for the last tier is not printed.
//
// All widths and positions are twips. A column takes `width x factor + gap` of paper, the
// factor a single-precision 1.1 and the gap 75 unless a tier says otherwise; sums and positions
// are rounded to whole twips after each column, a half to the even neighbour.
#pragma once

#include "app/printing/rules/PrintSurface.h"

#include <cstdint>
#include <optional>
#include <span>

namespace qel::printing {

// The paper room of the columns: factor and gap.
struct ColumnSpacing {
    float factor = 1.1f;
    std::int32_t gap = 75;
};

inline constexpr ColumnSpacing kStandardSpacing{1.1f, 75};

struct ListTier {
    int number = 0; // 1 to 5
    ColumnSpacing spacing;
    Orientation orientation = Orientation::Portrait;
    std::int32_t tableLeft = 0; // X of the first column
    // Rows after which a page is full, less one: a page holds rowLimit + 1 rows.
    std::int32_t rowLimit = 0;
    double points = 0;     // captions and rows
    bool rowsBold = false; // bold stays on after the first page's heading
    std::int32_t ruleLength = 0;
    std::int32_t pageNumberX = 0;

    std::int32_t rowsPerPage() const { return rowLimit + 1; }
};

// X of the date and base of the rule's place, in every tier.
inline constexpr std::int32_t kListMargin = 360;
// The smallest table left X of the last tier.
inline constexpr std::int32_t kNarrowestLeft = 300;

// x plus the paper room of one column of `width`, rounded to whole twips (half to even).
std::int32_t advance(std::int32_t x, std::int32_t width, const ColumnSpacing& spacing);

// The paper room of every column together, zero-width columns included (each adds the gap).
std::int32_t totalWidth(std::span<const std::int32_t> widths, const ColumnSpacing& spacing);

// The tier of a list whose columns have these widths; nothing when it is too wide to print.
std::optional<ListTier> chooseListTier(std::span<const std::int32_t> widths);

} // namespace qel::printing
