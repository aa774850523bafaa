// Texts fitted to their rooms and to the printable area.
#include "app/printing/rules/PageFit.h"

#include "common/Text.h"

#include <algorithm>

namespace qel::printing {
namespace {

// Widths are sums of measured advances; a text that ends within this much of its room fits.
constexpr double kTolerance = 0.01;

bool fits(const PrintSurface& s, std::string_view text, double room) {
    return s.textWidth(text) <= room + kTolerance;
}

std::string_view withoutTrailingBlanks(std::string_view text) {
    const std::size_t last = text.find_last_not_of(' ');
    return last == std::string_view::npos ? std::string_view() : text.substr(0, last + 1);
}

// The byte offset of character n of a UTF-8 text (its size when it has fewer).
std::size_t offsetOf(std::string_view text, std::size_t n) {
    return firstCharacters(text, n).size();
}

} // namespace

std::string fitWidth(const PrintSurface& s, std::string_view text, double room) {
    if (fits(s, text, room))
        return std::string(text);
    // The longest fitting beginning, by halving the character count.
    std::size_t low = 0;
    std::size_t high = characterCount(text);
    while (low < high) {
        const std::size_t mid = (low + high + 1) / 2;
        if (fits(s, firstCharacters(text, mid), room))
            low = mid;
        else
            high = mid - 1;
    }
    return firstCharacters(text, low);
}

Placed fitLeft(const PrintSurface& s, std::string_view text, double x, double end, double pageEnd,
               std::size_t keep) {
    const std::string_view printed = withoutTrailingBlanks(text);
    if (fits(s, printed, end - x))
        return {x, fitWidth(s, text, pageEnd - x)};
    const std::size_t keepBytes = offsetOf(printed, keep);
    std::string shown(printed.substr(0, keepBytes));
    std::string_view rest = printed.substr(keepBytes);
    // Drop the indent, one blank at a time, only as far as it must go.
    while (!rest.empty() && rest.front() == ' ' && !fits(s, shown + std::string(rest), end - x))
        rest.remove_prefix(1);
    shown += rest;
    return {x, fitWidth(s, shown, end - x)};
}

Placed fitRight(const PrintSurface& s, std::string_view field, double x, double pageEnd) {
    const std::string_view printed = withoutTrailingBlanks(field);
    if (fits(s, printed, pageEnd - x))
        return {x, fitWidth(s, field, pageEnd - x)};
    const std::string bare(trimBlanks(printed));
    const double start = std::max(0.0, pageEnd - s.textWidth(bare));
    return {start, fitWidth(s, bare, pageEnd - start)};
}

Placed keepOnPage(const PrintSurface& s, std::string_view text, double x, double pageEnd) {
    const double start = std::max(0.0, std::min(x, pageEnd - s.textWidth(text)));
    return {start, fitWidth(s, text, pageEnd - start)};
}

std::vector<std::string> wrapWithin(const PrintSurface& s, std::string_view text, double room,
                                    std::size_t maxLines) {
    std::vector<std::string> lines;
    maxLines = std::max<std::size_t>(maxLines, 1);
    std::string_view rest = text;
    while (lines.size() + 1 < maxLines && !fits(s, rest, room)) {
        std::string line = fitWidth(s, rest, room);
        if (line.empty())
            break; // not even one character fits
        // A word that runs on past the room goes to the next line, unless it is the line's only
        // word (then it is broken where the room ends).
        const bool wordRunsOn = rest[line.size()] != ' ';
        const std::size_t blank = line.find_last_of(' ');
        if (wordRunsOn && blank != std::string::npos && line.find_first_not_of(' ') < blank)
            line.resize(blank + 1);
        rest.remove_prefix(line.size());
        while (!rest.empty() && rest.front() == ' ')
            rest.remove_prefix(1);
        lines.push_back(std::string(withoutTrailingBlanks(line)));
    }
    lines.push_back(fitWidth(s, rest, room));
    return lines;
}

} // namespace qel::printing
