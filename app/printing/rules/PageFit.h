// Keeping printed texts within their room and within the printable area: measured in the
// surface's font in force, a text is cut, moved or wrapped so that nothing prints past the
// right edge of its room or of the page, and nothing over the next column.
//
// Rooms are spans of a line in twips, [x, end), from the left edge of the printable area.
#pragma once

#include "app/printing/rules/PrintSurface.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace qel::printing {

// The longest beginning of the text, in whole characters, that prints within `room` twips: all
// of it when it fits, "" when not even its first character does.
std::string fitWidth(const PrintSurface& surface, std::string_view text, double room);

// A text and the X it prints at.
struct Placed {
    double x = 0;
    std::string text;
};

// A left-set text (a caption or a cell whose first `keep` characters are the blanks of its
// field) in the room [x, end), on a line whose printable part ends at `pageEnd`:
// - when its printed part (its trailing blanks aside) fits the room, it stays as it is, and its
//   trailing blanks only as far as the page goes;
// - otherwise blanks after the first `keep` characters are dropped first (the indent of a label
//   such as "        Subtotal"), then it is cut at the end of the room.
Placed fitLeft(const PrintSurface& surface, std::string_view text, double x, double end, double pageEnd,
               std::size_t keep = 0);

// A right-set field (an amount padded to its width) at x on a page ending at `pageEnd`: where it
// stands when its printed part ends within the page (its trailing blanks only as far as the page
// goes); otherwise its text alone, without blanks, moved left to end at the page's edge (an
// amount is never cut), and cut there only when it is wider than the whole line.
Placed fitRight(const PrintSurface& surface, std::string_view field, double x, double pageEnd);

// A whole text (a date, a page number) at x, moved left as far as it must to end at `pageEnd`,
// not past the left edge of the page, and cut there when it is wider than the line.
Placed keepOnPage(const PrintSurface& surface, std::string_view text, double x, double pageEnd);

// The text in lines that each print within `room` twips, broken after a blank where one falls
// on the line, else within a word; at most `maxLines` lines (at least one), the last one cut.
// An empty text gives one empty line.
std::vector<std::string> wrapWithin(const PrintSurface& surface, std::string_view text, double room,
                                    std::size_t maxLines);

} // namespace qel::printing
