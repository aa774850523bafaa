// Texts fitted to their rooms, measured on the recording surface at 10 points, where every
// character takes 120 twips.
#include "app/printing/rules/PageFit.h"
#include "app/printing/rules/RecordingSurface.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel::printing {
namespace {

constexpr double kChar = 120;

RecordingSurface tenPoints() {
    RecordingSurface s;
    s.setFontSize(10);
    return s;
}

TEST(PageFit, TheBeginningThatFits) {
    struct Case {
        const char* text;
        double room;
        const char* fitted;
    };
    const RecordingSurface s = tenPoints();
    for (const Case& c : {Case{"abcdef", 3 * kChar, "abc"}, Case{"abcdef", 6 * kChar, "abcdef"},
                          Case{"abcdef", kChar - 1, ""}, Case{"M\xC3\xBCller", 2 * kChar, "M\xC3\xBC"}}) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(fitWidth(s, c.text, c.room), c.fitted);
    }
}

struct PlaceCase {
    const char* name;
    bool right;
    const char* text;
    double x, end, pageEnd;
    std::size_t keep;
    double placedX;
    const char* placed;
};

TEST(PageFit, CellsInTheirRooms) {
    const RecordingSurface s = tenPoints();
    const PlaceCase cases[] = {
        {"a text that fits keeps its trailing blanks", false, "   Desk   ", 0, 8 * kChar, 20 * kChar, 3, 0,
         "   Desk   "},
        {"trailing blanks stop at the page's edge", false, "   Desk   ", 0, 8 * kChar, 8 * kChar, 3, 0,
         "   Desk "},
        {"a label loses its indent before its word", false, "         Subtotal", 0, 11 * kChar, 20 * kChar, 3,
         0, "   Subtotal"},
        {"a long text is cut at its room's end", false, "   Conference table", kChar, 9 * kChar, 20 * kChar,
         3, kChar, "   Confe"},
        {"an amount that fits stays as it is", true, "     1,234    ", 0, 10 * kChar, 20 * kChar, 0, 0,
         "     1,234    "},
        {"an amount stays where its field puts it, past its room", true, "     1,234    ", 1000,
         1000 + 6 * kChar, 30 * kChar, 0, 1000, "     1,234    "},
        {"an amount past the page's edge moves left to end there", true, "     1,234    ", 1000, 0,
         1000 + 6 * kChar, 0, 1000 + kChar, "1,234"},
        {"a long amount moves left whole", true, "1,234,567.89  ", 1000, 0, 1000 + 6 * kChar, 0,
         1000 - 6 * kChar, "1,234,567.89"},
        {"an amount wider than the page is cut at its edge", true, "123456789012", 0, 0, 5 * kChar, 0, 0,
         "12345"},
    };
    for (const PlaceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const Placed p =
            c.right ? fitRight(s, c.text, c.x, c.pageEnd) : fitLeft(s, c.text, c.x, c.end, c.pageEnd, c.keep);
        EXPECT_EQ(p.x, c.placedX);
        EXPECT_EQ(p.text, c.placed);
    }
}

TEST(PageFit, AWholeTextMovesLeftToStayOnThePage) {
    struct Case {
        const char* text;
        double x, pageEnd;
        double placedX;
        const char* placed;
    };
    const RecordingSurface s = tenPoints();
    for (const Case& c : {Case{"Page   12", 10000, 11840, 10000, "Page   12"},
                          Case{"Page   12", 11000, 11840, 11840 - 9 * kChar, "Page   12"},
                          Case{"abcdefghij", 50, 5 * kChar, 0, "abcde"}}) {
        SCOPED_TRACE(c.text);
        const Placed p = keepOnPage(s, c.text, c.x, c.pageEnd);
        EXPECT_EQ(p.x, c.placedX);
        EXPECT_EQ(p.text, c.placed);
    }
}

TEST(PageFit, WrappedLines) {
    struct Case {
        const char* name;
        const char* text;
        std::size_t maxLines;
        std::vector<std::string> lines;
    };
    const RecordingSurface s = tenPoints();
    const Case cases[] = {
        {"a short text", "Keep dry", 5, {"Keep dry"}},
        {"broken after words", "Keep away from water and heat", 5, {"Keep away", "from water", "and heat"}},
        {"the last line allowed is cut", "Keep away from water and heat", 2, {"Keep away", "from water"}},
        {"a word longer than the room", "Supercalifragilistic", 5, {"Supercalif", "ragilistic"}},
        {"nothing", "", 5, {""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(wrapWithin(s, c.text, 10 * kChar, c.maxLines), c.lines);
    }
}

} // namespace
} // namespace qel::printing
