#include "app/printing/rules/ListPrinting.h"

#include "app/printing/rules/PageFit.h"
#include "app/printing/rules/PrintText.h"
#include "common/Convert.h"

#include <algorithm>
#include <cmath>
#include <optional>

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

// The title's X, centred with the sheet's constants of the orientation; a title wider than the
// sheet starts at its left edge.
int titleX(const std::string& title, Orientation orientation) {
    const long n = static_cast<long>(characterCount(title));
    const double x = orientation == Orientation::Portrait ? (12200 - 145 * n) / 2.0 : (16000 - 135 * n) / 2.0;
    return std::max(0, static_cast<int>(roundHalfEven(x)));
}

// The span of a line a column's captions or cells print in, in twips.
struct Room {
    double x = 0;
    double end = 0;
};

// Where each column prints: its room, or nothing for a column that takes no room. The cells'
// first column always takes its room (even when hidden, it moves the row on by the gap); the
// captions skip every hidden column.
std::vector<std::optional<Room>> rooms(const std::vector<ReportColumn>& columns, const ListTier& tier,
                                       bool cells) {
    std::vector<std::optional<Room>> out;
    std::int32_t x = tier.tableLeft;
    for (std::size_t k = 0; k < columns.size(); ++k) {
        if (columns[k].width > 0 || (cells && k == 0)) {
            const std::int32_t next = advance(x, columns[k].width, tier.spacing);
            out.push_back(Room{static_cast<double>(x), static_cast<double>(next)});
            x = next;
        } else {
            out.push_back(std::nullopt);
        }
    }
    return out;
}

// Moves and, when it must, narrows the rooms so that the table lies within the page's width:
// a table that starts left of the page moves right, one that ends past it moves left (not past
// the page's left edge), and one still wider than the page is narrowed in proportion.
void fitToWidth(std::vector<std::optional<Room>>& cells, std::vector<std::optional<Room>>& captions,
                double pageWidth) {
    double left = 0;
    double right = 0;
    bool any = false;
    for (const auto& r : cells)
        if (r) {
            left = any ? std::min(left, r->x) : r->x;
            right = any ? std::max(right, r->end) : r->end;
            any = true;
        }
    if (!any)
        return;
    double shift = 0;
    if (left < 0)
        shift = -left;
    else if (right > pageWidth)
        shift = -std::min(right - pageWidth, left);
    const double newLeft = left + shift;
    const double width = right - left;
    const double scale = newLeft + width > pageWidth ? (pageWidth - newLeft) / width : 1.0;
    const auto place = [&](double x) { return std::floor(newLeft + (x - left) * scale); };
    for (auto* list : {&cells, &captions})
        for (auto& r : *list)
            if (r)
                *r = Room{place(r->x), place(r->end)};
}

class ListJob {
public:
    ListJob(PrintSurface& surface, const ShownList& list, const ListTier& tier, const std::string& title,
            const Date& today, const MessageSink& messages)
        : s_(surface), list_(list), tier_(tier), title_(title), today_(monthDayYear(today)),
          messages_(messages), rule_(repeated('_', static_cast<std::size_t>(tier.ruleLength))) {}

    void run() {
        FailureTrap trap("PrintListView", messages_);
        s_.setFontName(kPrintFace);
        s_.setOrientation(tier_.orientation);
        area_ = s_.printableArea();
        cellRooms_ = rooms(list_.columns(), tier_, true);
        captionRooms_ = rooms(list_.columns(), tier_, false);
        fitToWidth(cellRooms_, captionRooms_, area_.width);
        int page = 1;
        s_.setBold(true);
        headings(page);
        // Only the narrowest tier prints its rows, and later headings, regular.
        if (!tier_.rowsBold)
            s_.setBold(false);
        std::int32_t onPage = 0;
        for (std::size_t row = 0; row < list_.rowCount(); ++row) {
            // A page takes its tier's rows, or fewer when its printable area is shorter.
            if (onPage == tier_.rowsPerPage() || (onPage > 0 && !nextRowFits())) {
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
    // The next row's line end moves one line down, and the row takes the line after that.
    bool nextRowFits() const { return s_.currentY() + 2 * s_.lineHeight() <= area_.height; }

    void printAt(const Placed& placed, bool endLine) {
        s_.setX(static_cast<int>(std::floor(placed.x)));
        s_.print(placed.text, endLine);
    }

    void printRule(int x) {
        s_.setX(x);
        s_.print(fitWidth(s_, rule_, area_.width - x), true);
    }

    // One page's heading block at the top of the current page.
    void headings(int page) {
        FailureTrap trap("PrintHeadings", messages_);
        const Orientation o = s_.orientation();
        const int ruleX = o == Orientation::Portrait ? kPortraitRuleX : kLandscapeRuleX;
        s_.setY(o == Orientation::Portrait ? kPortraitTop : kLandscapeTop);
        s_.setX(kListMargin);
        s_.setFontSize(kDatePoints);
        const auto steps = {
            std::function<void()>([&] { s_.print(fitWidth(s_, today_, area_.width - kListMargin), false); }),
            std::function<void()>([&] {
                printAt(keepOnPage(s_, "Page   " + std::to_string(page), tier_.pageNumberX, area_.width),
                        true);
            }),
            std::function<void()>([&] {
                s_.setFontSize(kTitlePoints);
                printAt(keepOnPage(s_, title_, titleX(title_, o), area_.width), true);
            }),
            std::function<void()>([&] {
                s_.setFontSize(tier_.points);
                s_.endLine();
            }),
            std::function<void()>([&] { printRule(ruleX); }),
            std::function<void()>([&] { s_.endLine(); }),
            std::function<void()>([&] { captions(); }),
            std::function<void()>([&] { s_.endLine(); }),
            std::function<void()>([&] { printRule(ruleX); }),
        };
        for (const auto& step : steps)
            if (!trap.step(step))
                return;
    }

    // A field in its room: left-set ones keep the blanks of their field and end with the room,
    // right-set ones stay whole.
    Placed fitted(const std::string& field, const ReportColumn& c, const Room& room,
                  std::size_t fieldBlanks) {
        return c.align == CellAlign::Right ? fitRight(s_, field, room.x, area_.width)
                                           : fitLeft(s_, field, room.x, room.end, area_.width, fieldBlanks);
    }

    // The captions line: a column of width 0 prints nothing and takes no room.
    void captions() {
        const auto& columns = list_.columns();
        for (std::size_t k = 0; k < columns.size(); ++k)
            if (captionRooms_[k])
                printAt(fitted(captionField(columns[k]), columns[k], *captionRooms_[k], 2), false);
    }

    // One row: a bare line end ends the line before (under the heading, it leaves an empty
    // line), then the cells. The first column moves the row on even when it is hidden.
    void printRow(std::size_t row) {
        s_.endLine();
        const auto& columns = list_.columns();
        for (std::size_t k = 0; k < columns.size(); ++k) {
            const ReportColumn& c = columns[k];
            if (!cellRooms_[k] || c.width <= 0)
                continue;
            const std::string_view text = list_.cell(row, k).text;
            const Room& room = *cellRooms_[k];
            printAt(k == 0 ? fitLeft(s_, text, room.x, room.end, area_.width)
                           : fitted(cellField(text, c), c, room, 3),
                    false);
        }
    }

    PrintSurface& s_;
    const ShownList& list_;
    const ListTier& tier_;
    const std::string& title_;
    std::string today_;
    const MessageSink& messages_;
    std::string rule_;
    PageArea area_;
    std::vector<std::optional<Room>> cellRooms_;
    std::vector<std::optional<Room>> captionRooms_;
};

} // namespace

std::vector<std::int32_t> columnWidths(const ReportList& list) {
    std::vector<std::int32_t> widths;
    widths.reserve(list.columnCount());
    for (const ReportColumn& c : list.columns())
        widths.push_back(c.width);
    return widths;
}

std::string cellField(std::string_view text, const ReportColumn& column) {
    if (column.align != CellAlign::Right)
        return "   " + std::string(text);
    const bool wide = column.width >= kWideColumn;
    // An amount longer than its field prints whole: cut, it would read as another amount.
    if (characterCount(text) > (wide ? 14u : 9u))
        return std::string(text);
    return wide ? rightSet(std::string(text) + "    ", 14) : rightSet(std::string(text) + "     ", 9);
}

std::string captionField(const ReportColumn& column) {
    if (column.align != CellAlign::Right)
        return "  " + column.title;
    return column.width >= kWideColumn ? rightSet(column.title + "  ", 14)
                                       : rightSet(column.title + "   ", 9);
}

void printList(PrintSurface& surface, const ShownList& list, const ListTier& tier, const std::string& title,
               const Date& today, const MessageSink& messages) {
    ListJob(surface, list, tier, title, today, messages).run();
}

} // namespace qel::printing
