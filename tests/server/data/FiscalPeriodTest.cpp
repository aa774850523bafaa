// Tests of the fiscal period texts "YYYYMM" and their period dates.
#include "server/data/FiscalPeriod.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(FiscalPeriodTest, PeriodTextGivesTheFirstDayOfItsFiscalMonth) {
    struct Case {
        const char* text;
        std::optional<Date> date;
    };
    const Case cases[] = {
        {"201207", Date(2012, 7, 1)}, {"201201", Date(2012, 1, 1)}, {"201212", Date(2012, 12, 1)},
        {"190101", Date(1901, 1, 1)}, {"201213", std::nullopt}, // month 13
        {"201200", std::nullopt},                               // month 0
        {"190012", std::nullopt},                               // 1900 is the year of the "no date" value
        {"190001", std::nullopt},                               // the "nothing posted" period
        {"20123", std::nullopt},      {"2012073", std::nullopt},    {"2012-7", std::nullopt},
        {" 201207", std::nullopt},    {"2012a7", std::nullopt},     {"", std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(periodDate(c.text), c.date);
    }
}

TEST(FiscalPeriodTest, PeriodDateGivesItsPeriodText) {
    EXPECT_EQ(periodText(Date(2012, 7, 1)), "201207");
    EXPECT_EQ(periodText(Date(2012, 12, 1)), "201212");
    EXPECT_EQ(periodText(Date(2013, 1, 15)), "201301");
    EXPECT_EQ(periodText(Date::noDate()), "190001");
}

} // namespace
} // namespace qel
