// The layout of a report window: its caption, the column widths, titles and alignment that suit
// each report, its fixed width for the four wide reports, and its size from the rows it holds.
// Each report's caption rule and column settings are in its row of the catalogue
// (ReportCatalogue.h). Sizes are in twips.
#pragma once

#include "app/shell/ReportList.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qel::reports {

// How a report window's caption is made from the report's name, its value (year, period or asset
// number), the book and the company.
enum class CaptionRule {
    Name,         // the name alone: "AMT Differences"
    ValueFor,     // "2010 - Depreciation WorkSheet for Sample Company"
    ValueWideFor, // two blanks before the dash: "2010  - Disposed Assets for Sample Company"
    BookValueFor, // the name without "Books ", and the book: "2010 - 179 WorkSheet for Sample
                  // Company, Book - AMT"
    DataThru,     // "Property Tax Data for Sample Company thru 201012"
    Schedule,     // "Federal Depr Schedule - Office copier for Sample Company" ("Book" for a book
                  // without a name)
};

// One column's setting: its 1-based position, and what changes (nothing when unset).
struct ColumnSetting {
    std::size_t position;
    std::optional<std::int32_t> width; // twips; 0 hides the column
    const char* title = nullptr;
    bool right = false;
};

// "Federal", "AMT", "State" or "Other" for books 1, 3, 4 and 5; empty for any other id.
std::string bookName(std::int32_t bookId);

// The caption of a report window by its row's rule, e.g. "2010 - Depreciation WorkSheet for
// Sample Company"; the name alone for a name without a row. `value` is the year, period or asset
// number as given; `description` the asset's description of the two schedules.
std::string reportCaption(std::string_view name, std::int32_t value, std::string_view description,
                          std::int32_t bookId, std::string_view company);

// Sets the widths, titles and alignment that the report's row gives its columns (a width of 0
// hides a column). Returns the report's fixed window width, or 0 when it keeps its own. Positions
// the list does not have are left alone.
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

// Reports of fewer rows than this get a window the height of their rows; longer ones scroll.
inline constexpr std::int32_t kRowsSizedToFit = 10;

// The final size once the report is laid out: below 10 rows the height is 200 per row plus
// 1600; a fixed width replaces the width; a window wider than the main window is made the main
// window's width less 300.
WindowSize laidOutSize(WindowSize own, std::int32_t rows, std::int32_t fixedWidth, std::int64_t mainWidth);

} // namespace qel::reports
