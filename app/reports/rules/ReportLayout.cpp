// Captions, column layouts and sizes of the report windows.
#include "app/reports/rules/ReportLayout.h"

#include <algorithm>
#include <initializer_list>
#include <optional>
#include <vector>

namespace qel::reports {
namespace {

bool oneOf(std::string_view name, std::initializer_list<std::string_view> names) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

// One column's settings: its 1-based position, and what changes (nothing when unset).
struct ColumnSetting {
    std::size_t position;
    std::optional<std::int32_t> width;
    const char* title = nullptr;
    bool right = false;
};

struct Layout {
    std::vector<std::string_view> reports;
    std::vector<ColumnSetting> columns;
    std::int32_t fixedWidth = 0;
};

const std::vector<Layout>& layouts() {
    static const std::vector<Layout> table = {
        {{"Depreciation WorkSheet", "New Assets WorkSheet", "Books Depreciation WorkSheet",
          "Books New Assets WorkSheet"},
         {{1, 800}, {3, 900}, {6, 750}, {7, 1200}, {8, 550}, {9, 500}, {10, 1100}, {11, 1200}}},
        {{"Current Year WorkSheet"},
         {{1, 800},
          {2, 1850},
          {3, 900},
          {4, 900},
          {5, 1450},
          {6, 750},
          {7, 1480},
          {8, 550},
          {9, 500},
          {10, 800},
          {11, 800},
          {12, 1200},
          {13, 1300}}},
        {{"New Assets"}, {{2, 900}, {3, 1100}, {4, 1100}, {5, 600}, {6, 750}}},
        {{"Auto Use"},
         {{1, 3300},
          {2, 1200, "Vehicle Order"},
          {3, 0},
          {4, 1400},
          {5, 1400},
          {6, 1400},
          {7, 1400, "Personal Use"},
          {10, 0},
          {11, 0}}},
        {{"Property Tax"}, {{1, 2550}, {2, 990}, {3, 950}, {4, 4000}, {5, 1540}}, 10700},
        {{"Depr Journal Summary"}, {{1, 3800}, {2, 2000, nullptr, true}, {3, 2000, nullptr, true}}, 8300},
        {{"Depr Journal Detail"},
         {{1, 2000}, {2, 1500, nullptr, true}, {3, 1500, nullptr, true}, {5, 6000}},
         12500},
        {{"Book Asset Ledger"},
         {{1, 1800}, {2, 1700}, {3, 2700}, {4, 1000}, {6, 800}, {7, 1400}, {8, 1400}, {9, 1400}},
         14000},
    };
    return table;
}

} // namespace

std::string bookName(std::int32_t bookId) {
    switch (bookId) {
    case 1:
        return "Federal";
    case 3:
        return "AMT";
    case 4:
        return "State";
    case 5:
        return "Other";
    default:
        return {};
    }
}

std::string reportCaption(std::string_view name, std::int32_t value, std::string_view description,
                          std::int32_t bookId, std::string_view company) {
    const std::string v = std::to_string(value);
    const std::string n(name);
    const std::string c(company);
    if (oneOf(name, {"Book Disposed Assets", "Property Tax"}))
        return n + " Data for " + c + " thru " + v;
    if (oneOf(name, {"Books Depreciation WorkSheet", "Books New Assets WorkSheet", "Books 179 WorkSheet",
                     "Books Disposed Assets", "Books New Assets", "Books 50 Year Assets"}))
        return v + " - " + n.substr(std::string_view("Books ").size()) + " for " + c + ", Book - " +
               bookName(bookId);
    if (oneOf(name, {"Auto Use", "Depreciation WorkSheet", "New Assets WorkSheet", "Current Year WorkSheet",
                     "179 WorkSheet", "50 Year Assets", "New Assets", "Depr Journal Summary",
                     "Depr Journal Detail", "Book Asset Ledger"}))
        return v + " - " + n + " for " + c;
    if (name == "Disposed Assets")
        return v + "  - " + n + " for " + c;
    if (oneOf(name, {"Tax Depreciation Schedule", "Book Depreciation Schedule"})) {
        const std::string book = bookName(bookId);
        return (book.empty() ? std::string("Book") : book) + " Depr Schedule - " + std::string(description) +
               " for " + c;
    }
    return n;
}

std::int32_t applyColumnLayout(std::string_view name, ReportList& list) {
    for (const Layout& layout : layouts()) {
        if (std::find(layout.reports.begin(), layout.reports.end(), name) == layout.reports.end())
            continue;
        for (const ColumnSetting& s : layout.columns) {
            if (s.position < 1 || s.position > list.columnCount())
                continue;
            ReportColumn& column = list.columns()[s.position - 1];
            if (s.width)
                column.width = *s.width;
            if (s.title)
                column.title = s.title;
            if (s.right)
                column.align = CellAlign::Right;
        }
        return layout.fixedWidth;
    }
    return 0;
}

WindowSize reportWindowSize(std::int32_t rows, std::int64_t listWidth, std::int64_t mainWidth,
                            std::int64_t mainHeight) {
    WindowSize size{listWidth + 400, std::int64_t{rows} * 210 + 1600};
    if (rows > 30)
        size.width += 200;
    if (size.width > mainWidth)
        size.width = mainWidth - 300;
    if (mainHeight - 1300 < size.height)
        size.height = mainHeight - 1300;
    return size;
}

WindowSize laidOutSize(WindowSize own, std::int32_t rows, std::int32_t fixedWidth, std::int64_t mainWidth) {
    if (rows < 10)
        own.height = std::int64_t{rows} * 200 + 1600;
    if (fixedWidth > 0)
        own.width = fixedWidth;
    if (own.width > mainWidth)
        own.width = mainWidth - 300;
    return own;
}

} // namespace qel::reports
