// UTF-8 characters, and blanks or white space at either end, as the fields count them.
#include "common/Text.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(Text, CharactersNotBytes) {
    // "é" is two bytes and one character.
    EXPECT_EQ(characterCount("caf\xC3\xA9"), 4u);
    EXPECT_EQ(firstCharacters("\xC3\xA9t\xC3\xA9", 2), "\xC3\xA9t");
    EXPECT_EQ(firstCharacters("abc", 5), "abc");
    EXPECT_EQ(firstCharacters("abc", 0), "");
}

TEST(Text, TrimWhiteSpace) {
    EXPECT_EQ(trimWhiteSpace("  a b \t\n"), "a b");
    EXPECT_EQ(trimWhiteSpace("   "), "");
    EXPECT_EQ(trimWhiteSpace(""), "");
}

TEST(Text, TrimBlanksOnlyAtEitherEnd) {
    EXPECT_EQ(trimBlanks("  Year  "), "Year");
    EXPECT_EQ(trimBlanks("Zip Code "), "Zip Code");
    EXPECT_EQ(trimBlanks("\tTab\t"), "\tTab\t");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks(""), "");
}

} // namespace
} // namespace qel
