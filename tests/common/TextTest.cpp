// UTF-8 characters and white space at either end, as the fields count them.
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

TEST(Text, TrimBlanks) {
    EXPECT_EQ(trimBlanks("  a b \t\n"), "a b");
    EXPECT_EQ(trimBlanks("   "), "");
    EXPECT_EQ(trimBlanks(""), "");
}

} // namespace
} // namespace qel
