// The number patterns and dates of the report lists.
#include "tests/app/reports/rules/ListFixture.h"

namespace qel::reports {
namespace {

struct PatternCase {
    const char* name;
    double value;
    NumberPattern pattern;
    const char* shown;
};

TEST(ReportFormat, NumbersShowInTheirPattern) {
    const PatternCase cases[] = {
        {"whole rounds a fraction", 1234.56, kWhole, "1,235"},
        {"whole rounds a half away from zero", 2.5, kWhole, "3"},
        {"negative half away from zero", -1234.5, kWhole, "-1,235"},
        {"small negative shows no minus zero", -0.4, kWhole, "0"},
        {"millions grouped", 1234567.891, kTwoDecimals, "1,234,567.89"},
        {"two decimals pad", 1234.5, kTwoDecimals, "1,234.50"},
        {"a stored 2.675 shows as typed", 2.675, kTwoDecimals, "2.68"},
        {"carry through nines", 999.995, kTwoDecimals, "1,000.00"},
        {"one decimal", 27.5, kOneDecimal, "27.5"},
        {"whole 51.0", 51.0, kWhole, "51"},
        {"zero whole", 0, kWhole, "0"},
        {"zero under #,### shows nothing", 0, kWholeNoZero, ""},
        {"#,### groups", 12345, kWholeNoZero, "12,345"},
        {"#,###.#0 of a half", 0.5, kTwoDecimalsNoZero, ".50"},
        {"#,###.#0 of zero", 0, kTwoDecimalsNoZero, ".00"},
        {"#,###.#0 of an amount", 2010, kTwoDecimalsNoZero, "2,010.00"},
        {"large amount", 98765432.1, kWhole, "98,765,432"},
    };
    for (const PatternCase& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(formatNumber(c.value, c.pattern), c.shown);
    }
}

TEST(ReportFormat, DatesShowMonthAndYear) {
    EXPECT_EQ(monthYear(Date(2012, 3, 15)), "03/2012");
    EXPECT_EQ(monthYear(Date(2010, 12, 1)), "12/2010");
    EXPECT_EQ(yearOf(Variant(Date(2009, 7, 1))), "2009");
    EXPECT_EQ(yearOf(Variant()), "");
}

} // namespace
} // namespace qel::reports
