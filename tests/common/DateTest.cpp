#include "common/Date.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(DateTest, DefaultIsNoDate) {
    EXPECT_TRUE(Date().isNoDate());
    EXPECT_EQ(Date().toIso(), "1900-01-01");
    EXPECT_FALSE(Date(2020, 1, 1).isNoDate());
}

TEST(DateTest, IsoRoundTripAndRejects) {
    EXPECT_EQ(Date::fromIso("2010-07-01")->toIso(), "2010-07-01");
    EXPECT_EQ(Date::fromIso("2010-07-01 00:00:00")->toIso(), "2010-07-01");
    for (const char* bad : {"2010-02-30", "2010-13-01", "20100701", "", "2010-7-1", "1900-02-29"}) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(Date::fromIso(bad).has_value());
    }
    EXPECT_TRUE(Date::fromIso("2000-02-29").has_value());
}

TEST(DateTest, SerialNumbersMatchSpreadsheets) {
    EXPECT_EQ(Date(1900, 1, 1).serial(), 2);
    EXPECT_EQ(Date(2025, 1, 1).serial(), 45658);
    EXPECT_EQ(Date::fromSerial(45658), Date(2025, 1, 1));
}

TEST(DateTest, AddMonthsClampsTheDay) {
    EXPECT_EQ(Date(2024, 1, 31).addMonths(1), Date(2024, 2, 29));
    EXPECT_EQ(Date(2024, 11, 1).addMonths(3), Date(2025, 2, 1));
    EXPECT_EQ(Date(2024, 3, 1).addMonths(-3), Date(2023, 12, 1));
}

TEST(DateTest, Ordering) {
    EXPECT_LT(Date(2020, 1, 1), Date(2020, 1, 2));
    EXPECT_LT(Date(2019, 12, 31), Date(2020, 1, 1));
}

} // namespace
} // namespace qel
