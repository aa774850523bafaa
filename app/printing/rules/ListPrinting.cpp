#include "app/printing/rules/ListPrinting.h"

#include "app/printing/rules/PrintText.h"
#include "common/Convert.h"

#include <algorithm>

namespace qel::printing {
namespace {

// A column of 800 twips or more takes the wide fields.
constexpr std::int32_t kWideColumn = 800;

// Heading places in twips: the first line's Y and the rules' X by orientation.
constexpr int kPortraitTop = 500;
constexpr int kLandscapeTop = 300;
constexpr int kPortraitRuleX = kListMargin - 200;
constexpr int kLandscapeRuleX = kListMargin;

constexpr double kDatePoints = 8;
constexpr double kTitlePoints = 10;

std::function<std::string(const ServerError&)> errorIn(const char* procedure) {
    return [procedure](const ServerError& e) {
        return std::string("Error in ") + procedure + ". " + e.description() +
               " Error Number: " + std::to_string(e.number());
    };
}

// The title's X, centred with the sheet's constants of the orientation; a title wider than the
// sheet starts at its left edge.
int titleX(const std::string& title, Orientation orientation) {
    const long n = static_cast<long>(characterCount(title));
    const double x = orientation == Orientation::Portrait ? (12200 - 145 * n) / 2.0 : (16000 - 135 * n) / 2.0;
    return std::max(0, static_cast<int>(roundHalfEven(x)));
}

class ListJob {
public:
    ListJob(PrintSurface& surface, const ReportList& list, const ListTier& tier, const std::string& title,
            const Date& today, const MessageSink& messages)
        : s_(surface), list_(list), tier_(tier), title_(title), today_(monthDayYear(today)),
          messages_(messages), rule_(repeated('_', static_cast<std::size_t>(tier.ruleLength))) {}

    void run() {
        PrintTrap trap(errorIn("PrintListView"), messages_);
        s_.setFontName(kPrintFace);
        s_.setOrientation(tier_.orientation);
        int page = 1;
        s_.setBold(true);
        headings(page);
        // Only the narrowest tier prints its rows, and later headings, regular.
        if (!tier_.rowsBold)
            s_.setBold(false);
        std::int32_t onPage = 0;
        for (const ReportRow& row : list_.rows()) {
            if (onPage == tier_.rowsPerPage()) {
                if (!trap.step([&] { s_.newPage(); }))
                    return;
                onPage = 0;
                headings(++page);
            }
            if (!trap.step([&] { printRow(row); }))
                return;
            ++onPage;
        }
        trap.step([&] { s_.endDoc(); });
    }

private:
    // One page's heading block at the top of the current page.
    void headings(int page) {
        PrintTrap trap(errorIn("PrintHeadings"), messages_);
        const Orientation o = s_.orientation();
        const int ruleX = o == Orientation::Portrait ? kPortraitRuleX : kLandscapeRuleX;
        s_.setY(o == Orientation::Portrait ? kPortraitTop : kLandscapeTop);
        s_.setX(kListMargin);
        s_.setFontSize(kDatePoints);
        const auto steps = {
            std::function<void()>([&] { s_.print(today_, false); }),
            std::function<void()>([&] {
                s_.setX(tier_.pageNumberX);
                s_.print("Page   " + std::to_string(page), true);
            }),
            std::function<void()>([&] {
                s_.setFontSize(kTitlePoints);
                s_.setX(titleX(title_, o));
                s_.print(title_, true);
            }),
            std::function<void()>([&] {
                s_.setFontSize(tier_.points);
                s_.endLine();
            }),
            std::function<void()>([&] {
                s_.setX(ruleX);
                s_.print(rule_, true);
            }),
            std::function<void()>([&] { s_.endLine(); }),
            std::function<void()>([&] { captions(); }),
            std::function<void()>([&] { s_.endLine(); }),
            std::function<void()>([&] {
                s_.setX(ruleX);
                s_.print(rule_, true);
            }),
        };
        for (const auto& step : steps)
            if (!trap.step(step))
                return;
    }

    // The captions line: a column of width 0 prints nothing and takes no room.
    void captions() {
        std::int32_t x = tier_.tableLeft;
        for (const ReportColumn& c : list_.columns()) {
            s_.setX(x);
            if (c.width > 0) {
                s_.print(captionField(c), false);
                x = advance(x, c.width, tier_.spacing);
            }
        }
    }

    // One row: a bare line end ends the line before (under the heading, it leaves an empty
    // line), then the cells. The first column moves the row on even when it is hidden.
    void printRow(const ReportRow& row) {
        s_.endLine();
        const auto& columns = list_.columns();
        std::int32_t x = tier_.tableLeft;
        s_.setX(x);
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const ReportColumn& c = columns[k];
            const std::string& text = k < row.cells.size() ? row.cells[k].text : kEmpty;
            if (k == 0) {
                if (c.width > 0)
                    s_.print(text, false);
            } else if (c.width > 0) {
                s_.print(cellField(text, c), false);
            } else {
                continue;
            }
            x = advance(x, c.width, tier_.spacing);
            s_.setX(x);
        }
    }

    static inline const std::string kEmpty;

    PrintSurface& s_;
    const ReportList& list_;
    const ListTier& tier_;
    const std::string& title_;
    std::string today_;
    const MessageSink& messages_;
    std::string rule_;
};

} // namespace

std::vector<std::int32_t> columnWidths(const ReportList& list) {
    std::vector<std::int32_t> widths;
    widths.reserve(list.columnCount());
    for (const ReportColumn& c : list.columns())
        widths.push_back(c.width);
    return widths;
}

std::string cellField(const std::string& text, const ReportColumn& column) {
    if (column.align != CellAlign::Right)
        return "   " + text;
    return column.width < kWideColumn ? rightSet(text + "     ", 9) : rightSet(text + "    ", 14);
}

std::string captionField(const ReportColumn& column) {
    if (column.align != CellAlign::Right)
        return "  " + column.title;
    return column.width >= kWideColumn ? rightSet(column.title + "  ", 14)
                                       : rightSet(column.title + "   ", 9);
}

void printList(PrintSurface& surface, const ReportList& list, const ListTier& tier, const std::string& title,
               const Date& today, const MessageSink& messages) {
    ListJob(surface, list, tier, title, today, messages).run();
}

} // namespace qel::printing
