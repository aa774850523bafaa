#include "common/Convert.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace qel {
namespace {

TEST(ConvertTest, RoundHalfEvenToWholeNumbers) {
    struct Case {
        double in, out;
    } cases[] = {{2.5, 2}, {3.5, 4}, {-2.5, -2}, {0.5, 0}, {1.5, 2}, {2.4999, 2}, {2.5001, 3}, {-3.5, -4}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(roundHalfEven(c.in), c.out);
    }
}

TEST(ConvertTest, RoundHalfEvenToPlaces) {
    EXPECT_DOUBLE_EQ(roundHalfEven(0.125, 2), 0.12);
    EXPECT_DOUBLE_EQ(roundHalfEven(0.135, 2), 0.14);
    EXPECT_DOUBLE_EQ(roundToCents(1234.565), 1234.56);
    // 0.1 + 0.2 is 0.30000000000000004 in binary; it rounds as the decimal amount it stands for.
    EXPECT_DOUBLE_EQ(roundHalfEven(0.1 + 0.2, 1), 0.3);
    // 2 / 3 of a car's use rounds to 0.67.
    EXPECT_DOUBLE_EQ(roundHalfEven(2.0 / 3.0, 2), 0.67);
}

TEST(ConvertTest, FormatNumberIsPlainDecimal) {
    struct Case {
        double in;
        const char* out;
    } cases[] = {{0, "0"},
                 {1234.5, "1234.5"},
                 {-3, "-3"},
                 {0.000001, "0.000001"},
                 {1e20, "100000000000000000000"},
                 {0.1 + 0.2, "0.3"},
                 {123456789012345678.0, "123456789012346000"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.out);
        EXPECT_EQ(formatNumber(c.in), c.out);
    }
}

TEST(ConvertTest, FormatNumberRefusesWhatIsNoNumber) {
    // No text of a number stands for these; writing them as "0" once stored a typed 1e400 as 0.
    const double cases[] = {std::numeric_limits<double>::infinity(), -std::numeric_limits<double>::infinity(),
                            std::nan(""), leadingNumber("1e400")};
    for (const double value : cases) {
        SCOPED_TRACE(value);
        try {
            formatNumber(value);
            ADD_FAILURE() << "written";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
            EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        }
    }
}

TEST(ConvertTest, LeadingNumberReadsAsValDoes) {
    struct Case {
        const char* in;
        double out;
    } cases[] = {{"12abc", 12}, {" 1 000", 1000}, {"1,250", 1},   {"abc", 0},
                 {"", 0},       {"-4.5x", -4.5},  {"3.5.1", 3.5}, {"1e3", 1000},
                 {"2e", 2},     {"  .5", 0.5},    {"27.5", 27.5}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_DOUBLE_EQ(leadingNumber(c.in), c.out);
    }
}

TEST(ConvertTest, PlainNumberCheck) {
    struct Case {
        const char* in;
        bool plain;
    } cases[] = {{"1250", true},   {" 12.5 ", true}, {"-3", true}, {"1e5", true}, {"1,250", false},
                 {"12abc", false}, {"", false},      {".", false}, {"1e", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.in);
        EXPECT_EQ(isPlainNumber(c.in), c.plain);
    }
}

} // namespace
} // namespace qel
