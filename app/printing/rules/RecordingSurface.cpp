#include "app/printing/rules/RecordingSurface.h"

#include "common/ServerError.h"
#include "common/Text.h"

#include <sstream>

namespace qel::printing {
namespace {

constexpr double kTwipsPerPoint = 20;
constexpr double kAdvancePerEm = 0.6;
constexpr double kLinePerEm = 1.1328;

} // namespace

double RecordingSurface::textWidth(std::string_view text) const {
    return static_cast<double>(characterCount(text)) * kAdvancePerEm * points_ * kTwipsPerPoint;
}

double RecordingSurface::lineHeight() const {
    return kLinePerEm * points_ * kTwipsPerPoint;
}

PageArea RecordingSurface::areaOf(Orientation orientation) const {
    return orientation == Orientation::Portrait ? portrait_ : PageArea{portrait_.height, portrait_.width};
}

PageArea RecordingSurface::pageArea(int page) const {
    const std::size_t index = static_cast<std::size_t>(page - 1);
    return areaOf(index < pageOrientations_.size() ? pageOrientations_[index] : orientation_);
}

void RecordingSurface::setY(int twips) {
    y_ = twips;
    line_ = 0;
    top_ = twips;
}

void RecordingSurface::print(std::string_view text, bool endLine) {
    ++prints_;
    if (failFrom_ > 0 && prints_ >= failFrom_)
        throw ServerError(kPrinterError, "Printer", "Printer error", ErrorKind::Io);
    openJob();
    // The position after setX holds for this text only; a text that follows on the line
    // continues where the one before ended.
    const double width = textWidth(text);
    texts_.push_back({page_, y_, line_, xSet_ ? x_ : kContinued, std::string(text), face_, points_, bold_,
                      endLine, left_, top_, width, lineHeight()});
    xSet_ = false;
    left_ += width;
    if (endLine) {
        ++line_;
        x_ = 0;
        xSet_ = true;
        left_ = 0;
        top_ += lineHeight();
    }
}

void RecordingSurface::openJob() {
    if (open_)
        return;
    open_ = true;
    texts_.clear();
    pageOrientations_.assign(1, orientation_);
    page_ = 1;
}

void RecordingSurface::newPage() {
    openJob();
    ++page_;
    pageOrientations_.push_back(orientation_);
    toCorner();
}

void RecordingSurface::endDoc() {
    if (!open_)
        return;
    open_ = false;
    ++jobsEnded_;
    // The next job starts at the top-left corner unless it places its first text.
    toCorner();
}

void RecordingSurface::toCorner() {
    x_ = 0;
    xSet_ = true;
    y_ = 0;
    line_ = 0;
    left_ = 0;
    top_ = 0;
}

std::vector<std::string> RecordingSurface::textsBeyondPage() const {
    constexpr double kTolerance = 0.01;
    std::vector<std::string> beyond;
    for (const PrintedText& t : texts_) {
        if (t.text.empty())
            continue;
        const PageArea area = pageArea(t.page);
        if (t.left >= 0 && t.top >= 0 && t.left + t.width <= area.width + kTolerance &&
            t.top + t.height <= area.height + kTolerance)
            continue;
        std::ostringstream out;
        out << "page " << t.page << " '" << t.text << "' at " << t.left << ", " << t.top << " width "
            << t.width << " beyond " << area.width << " x " << area.height;
        beyond.push_back(out.str());
    }
    return beyond;
}

std::string RecordingSurface::lineText(int page, int y, int line) const {
    std::string out;
    for (const PrintedText& t : texts_)
        if (t.page == page && t.y == y && t.line == line)
            out += t.text;
    return out;
}

std::vector<std::string> RecordingSurface::pageLines(int page) const {
    std::vector<std::string> lines;
    std::string current;
    bool any = false;
    for (const PrintedText& t : texts_) {
        if (t.page != page)
            continue;
        current += t.text;
        any = true;
        if (t.endsLine) {
            lines.push_back(current);
            current.clear();
            any = false;
        }
    }
    if (any)
        lines.push_back(current);
    return lines;
}

std::optional<PrintedText> RecordingSurface::find(int page, const std::string& text) const {
    for (const PrintedText& t : texts_)
        if (t.page == page && t.text == text)
            return t;
    return std::nullopt;
}

std::vector<PrintedText> RecordingSurface::pageTexts(int page) const {
    std::vector<PrintedText> out;
    for (const PrintedText& t : texts_)
        if (t.page == page)
            out.push_back(t);
    return out;
}

} // namespace qel::printing
