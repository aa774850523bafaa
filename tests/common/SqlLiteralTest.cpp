#include "common/SqlLiteral.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(SqlLiteralTest, Literals) {
    EXPECT_EQ(sqlText("O'Brien's"), "'O`Brien`s'");
    EXPECT_EQ(sqlText(""), "''");
    EXPECT_EQ(noQuote("' or ''='"), "` or ``=`");
    EXPECT_EQ(sqlNumber(1234.5), "1234.5");
    EXPECT_EQ(sqlNumber(0.51), "0.51");
    EXPECT_EQ(sqlNumber(std::int64_t{-7}), "-7");
    EXPECT_EQ(sqlNumber(1e-7), "0.0000001");
    EXPECT_EQ(sqlDate(Date(2010, 7, 1)), "'2010-07-01'");
    EXPECT_EQ(sqlBool(true), "1");
    EXPECT_EQ(sqlBool(false), "0");
}

// A NUL would cut a statement where SQLite reads it: the text helpers drop it.
TEST(SqlLiteralTest, TextsDropNulCharacters) {
    const std::string withNul("Desk\0top\0", 9);
    EXPECT_EQ(sqlText(withNul), "'Desktop'");
    EXPECT_EQ(noQuote(std::string("O'\0Brien", 8)), "O`Brien");
    EXPECT_EQ(sqlText(std::string(3, '\0')), "''");
}

} // namespace
} // namespace qel
