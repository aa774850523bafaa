// The layout of a report window: its caption, the column widths, titles and alignment that suit
// each report, its fixed width for the four wide reports, and its size from the rows it holds.
// Sizes are in twips.
#pragma once

#include "app/shell/ReportList.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qel::reports {

// "Federal", "AMT", "State" or "Other" for books 1, 3, 4 and 5; empty for any other id.
std::string bookName(std::int32_t bookId);

// The caption of a report window, e.g. "2010 - Depreciation WorkSheet for Sample Company".
// `value` is the year, period or asset number as given; `description` the asset's description
// of the two schedules.
std::string reportCaption(std::string_view name, std::int32_t value, std::string_view description,
                          std::int32_t bookId, std::string_view company);

// Sets the widths, titles and alignment that the report's columns take (a width of 0 hides a
// column). Returns the report's fixed window width, or 0 when it keeps its own. Positions the
// list does not have are left alone.
std::int32_t applyColumnLayout(std::string_view name, ReportList& list);

struct WindowSize {
    std::int64_t width;  // twips
    std::int64_t height; // twips
};

// The size a report window gives itself for its rows: its list's width plus 400 (plus 200 more
// from 31 rows on), at most the main window's width (else that width less 300); 210 per row plus
// 1600, at most the main window's height less 1300.
WindowSize reportWindowSize(std::int32_t rows, std::int64_t listWidth, std::int64_t mainWidth,
                            std::int64_t mainHeight);

// The final size once the report is laid out: below 10 rows the height is 200 per row plus
// 1600; a fixed width replaces the width; a window wider than the main window is made the main
// window's width less 300.
WindowSize laidOutSize(WindowSize own, std::int32_t rows, std::int32_t fixedWidth, std::int64_t mainWidth);

} // namespace qel::reports
