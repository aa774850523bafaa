// The check of a typed number: what fits a field's range, and the refusal that quotes the text.
#include "common/NumberCheck.h"

#include <gtest/gtest.h>

#include <string>

namespace qel {
namespace {

TEST(NumberCheck, WhatFitsItsRange) {
    struct Case {
        std::string typed;
        NumberRange range;
        bool fits;
    } const cases[] = {
        {"", kDollarRange, true},
        {"  ", kDollarRange, true},
        {"1500", kDollarRange, true},
        {"12.5", kDollarRange, true},
        {"1e3", kDollarRange, true},
        {"abc", kDollarRange, true}, // no leading number: read as 0, as the windows read it
        {"1e15", kDollarRange, true},
        {"1.5e15", kDollarRange, false},
        {"1e400", kDollarRange, false},
        {"-1e400", kDollarRange, false},
        {"1" + std::string(400, '0'), kDollarRange, false}, // digits only, past any double
        {"2147483647", kWholeRange, true},
        {"2147483648", kWholeRange, false},
        {"-2147483648", kWholeRange, true},
        {"1900", kYearRange, true},
        {"9999", kYearRange, true},
        {"1899", kYearRange, false},
        {"3000000000", kYearRange, false},
        {"0", kYearRange, false},
        {"75", kLifeRange, true},
        {"1000", kLifeRange, false},
        {"100", kPercentRange, true},
        {".75", kPercentRange, true},
        {"101", kPercentRange, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        EXPECT_EQ(numberFits(c.typed, c.range), c.fits);
        EXPECT_EQ(numberFault("Field", c.typed, c.range).has_value(), !c.fits);
    }
}

TEST(NumberCheck, TheRefusalNamesTheFieldAndQuotesTheText) {
    EXPECT_EQ(numberFault("Cost", "1e400", kDollarRange),
              "Cost '1e400' must be a number from -1000000000000000 to 1000000000000000. ");
    EXPECT_EQ(numberFault("Year", "3000000000", kYearRange),
              "Year '3000000000' must be a number from 1900 to 9999. ");
    EXPECT_EQ(numberFault("Year", "2025", kYearRange), std::nullopt);
}

} // namespace
} // namespace qel
