// Fields counted in characters and whole amounts, as every printout sets them.
#include "app/printing/rules/PrintText.h"

#include <gtest/gtest.h>

namespace qel::printing {
namespace {

TEST(PrintText, WholeAmounts) {
    struct Case {
        double value;
        const char* shown;
    };
    for (const Case c : {Case{0, ""}, Case{999.5, "1,000"}, Case{1234.5, "1,235"}, Case{-1234, "-1,234"},
                         Case{-0.4, ""}, Case{-2.5, "-3"}, Case{1234567, "1,234,567"}, Case{12, "12"}}) {
        SCOPED_TRACE(c.value);
        EXPECT_EQ(wholeAmount(c.value), c.shown);
    }
}

TEST(PrintText, TypedAmounts) {
    struct Case {
        const char* typed;
        const char* shown;
    };
    for (const Case c : {Case{"", ""}, Case{" ", ""}, Case{"999.5", "1,000"}, Case{"1,250", "1,250"},
                         Case{"0", ""}, Case{"-12345", "-12,345"}, Case{"abc", "abc"}}) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(typedAmount(c.typed), c.shown);
    }
}

TEST(PrintText, FieldsCountCharacters) {
    EXPECT_EQ(leftSet("ab", 4), "ab  ");
    EXPECT_EQ(leftSet("abcdef", 4), "abcd");
    EXPECT_EQ(rightSet("ab", 4), "  ab");
    EXPECT_EQ(rightSet("abcdef    ", 9), "abcdef   ");
    // "é" is two bytes and one character.
    EXPECT_EQ(leftSet("caf\xC3\xA9", 5), "caf\xC3\xA9 ");
    EXPECT_EQ(rightSet("caf\xC3\xA9", 3), "caf");
}

TEST(PrintText, Dates) {
    EXPECT_EQ(monthDayYear(Date(2012, 3, 7)), "03/07/2012");
    EXPECT_EQ(monthYear(Date(2009, 11, 1)), "11/2009");
}

} // namespace
} // namespace qel::printing
