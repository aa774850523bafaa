// The asset codes: method captions, convention ids, the method the engine runs and the fiscal
// months of typed dates, with the company's year-end month from the database.
#include "server/support/AssetCodes.h"

#include "SupportFixture.h"

#include <functional>
#include <limits>

namespace qel {
namespace {

TEST(AssetCodes, ShowMethodByMethodAndLife) {
    struct Case {
        const char* method;
        std::int16_t life;
        const char* caption;
    } cases[] = {
        {"MACRS", 3, "200 DB"},
        {"MACRS", 5, "200 DB"},
        {"MACRS", 7, "200 DB"},
        {"MACRS", 10, "200 DB"},
        {"MACRS", 15, "150 DB"},
        {"MACRS", 20, "150 DB"},
        {"MACRS", 21, "S/L"},
        {"MACRS", 28, "S/L"},
        {"MACRS", 32, "S/L"},
        {"MACRS", 39, "S/L"},
        {"MACRS", 50, "S/L"},
        {"MACRS", 0, ""},
        {"MACRS", 2, ""},
        {"MACRS", 4, ""},
        {"MACRS", 12, ""},
        {"MACRS", 19, ""},
        {"MACRS", -5, ""},
        {"Listed", 5, "200 DB"},
        {"Listed", 15, "150 DB"},
        {"Listed", 40, "S/L"},
        {"Listed", 6, ""},
        {"MACRS 150", 3, "150 DB"},
        {"MACRS 150", 40, "150 DB"},
        {"ADS", 10, "S/L"},
        {"ADS", 0, "S/L"},
        {"S/L", 7, "S/L"},
        {"Amortize", 15, "Amortize"},
        {"Non-Depr", 0, "None"},
        {"macrs", 5, "Unknown"},
        {"MACRS ", 5, "Unknown"},
        {"", 5, "Unknown"},
        {"Straight Line", 5, "Unknown"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + std::to_string(c.life));
        EXPECT_EQ(ShowMethod(c.method, c.life), c.caption);
    }
}

TEST(AssetCodes, ConventionIdsByDescription) {
    const std::pair<const char*, std::int16_t> cases[] = {
        {"Half Year", 1}, {"Mid Qtr", 2}, {"Mid Month", 3}, {"None", 4}, {"", 4}, {"half year", 4},
    };
    for (const auto& [description, id] : cases) {
        SCOPED_TRACE(description);
        EXPECT_EQ(ConventionIdOf(description), id);
    }
}

// The program's save and the import's processing both run the engine with these.
TEST(AssetCodes, MethodTheEngineRuns) {
    struct Case {
        const char* method;
        double businessFraction;
        double life;
        const char* runs;
        double runLife;
    } cases[] = {
        {"Listed", 0.51, 5, "MACRS", 5},
        {"Listed", 0.5099, 5, "ADS", 5},
        {"Listed", 0.5, 5, "ADS", 5},
        {"Listed", 0.9, 39, "MACRS", 39},
        {"Listed", 0.9, 27.5, "MACRS", 27.5},
        {"MACRS", 1, 27.5, "Macrs27", 28},
        {"MACRS", 1, 31.5, "Macrs31", 32},
        {"MACRS", 1, 39, "Macrs39", 39},
        {"MACRS", 1, 40, "ADS", 40},
        {"MACRS", 1, 50, "ADS", 50},
        {"MACRS", 1, 39.5, "ADS", 39.5},
        {"MACRS", 1, 7, "MACRS", 7},
        {"MACRS", 1, 20, "MACRS", 20},
        {"MACRS 150", 1, 27.5, "MACRS 150", 27.5},
        {"Macrs", 1, 27.5, "Macrs", 27.5},
        {"listed", 0.2, 5, "listed", 5},
        {"S/L", 1, 39, "S/L", 39},
        {"Non-Depr", 1, 7, "Non-Depr", 7},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.method) + " " + std::to_string(c.businessFraction) + " " +
                     std::to_string(c.life));
        const RunMethod run = MapMethodForRun(c.method, c.businessFraction, c.life);
        EXPECT_EQ(run.method, c.runs);
        EXPECT_EQ(run.life, c.runLife);
    }
}

TEST(AssetCodes, FiscalMonthOfTypedDates) {
    struct Case {
        int yearEnd;
        const char* typed;
        const char* fiscal;
    } cases[] = {
        {12, "07/2003", "7/2003"},   {12, "12/2003", "12/2003"}, {12, "01/2003", "1/2003"},
        {6, "07/2003", "1/2004"},    {6, "06/2003", "12/2003"},  {6, "7/1/2004", "1/2005"},
        {6, "12/31/2004", "6/2005"}, {9, "10/2003", "1/2004"},   {9, "09/2003", "12/2003"},
        {9, "01/2003", "4/2003"},    {1, "01/2003", "12/2003"},  {1, "02/2003", "1/2004"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.yearEnd) + " " + c.typed);
        EXPECT_EQ(InServiceToFiscalDate(c.typed, c.yearEnd), c.fiscal);
    }
    const FiscalMonth f = InServiceToFiscalMonth("09/2003", 6);
    EXPECT_EQ(f.month, 3);
    EXPECT_EQ(f.year, 2004);
}

// A text that is no month and year, a month outside 1 to 12 and a year-end month that is no
// month (a company without a row used to shift every date by a year) are errors.
TEST(AssetCodes, FiscalMonthRefusesWhatIsNoMonth) {
    struct Case {
        const char* name;
        const char* typed;
        int yearEnd;
        std::int32_t number;
        ErrorKind kind;
    } cases[] = {
        {"NoSlash", "072003", 12, kTypeMismatch, ErrorKind::Conversion},
        {"EmptyMask", "__/____", 12, kTypeMismatch, ErrorKind::Conversion},
        {"LettersInMonth", "ab/2003", 12, kTypeMismatch, ErrorKind::Conversion},
        {"LettersInYear", "07/20x3", 12, kTypeMismatch, ErrorKind::Conversion},
        {"Empty", "", 12, kTypeMismatch, ErrorKind::Conversion},
        {"Month13", "13/2003", 12, kErrInvalidArgument, ErrorKind::InvalidArgument},
        {"Month0", "00/2003", 6, kErrInvalidArgument, ErrorKind::InvalidArgument},
        {"NoYearEnd", "07/2003", 0, kErrInvalidArgument, ErrorKind::InvalidArgument},
        {"YearEnd13", "07/2003", 13, kErrInvalidArgument, ErrorKind::InvalidArgument},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            InServiceToFiscalDate(c.typed, c.yearEnd);
            ADD_FAILURE() << "accepted";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), c.number);
            EXPECT_EQ(e.kind(), c.kind);
        }
    }
}

// The period prompts of the reports and the export offer today's calendar month in the working
// year as its fiscal period.
TEST(AssetCodes, TheOfferedPeriodIsTodaysFiscalMonth) {
    struct Case {
        int today;
        int workingYear;
        int yearEnd;
        const char* period;
    } cases[] = {
        {3, 2011, 6, "201109"},  {8, 2011, 6, "201202"},   {6, 2011, 6, "201112"},  {7, 2011, 6, "201201"},
        {3, 2011, 12, "201103"}, {12, 2011, 12, "201112"}, {3, 2012, 12, "201203"}, {7, 2012, 6, "201301"},
        {6, 2012, 6, "201212"},  {10, 2012, 9, "201301"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.today) + "/" + std::to_string(c.workingYear) + " year end " +
                     std::to_string(c.yearEnd));
        EXPECT_EQ(defaultPeriod(c.today, c.workingYear, c.yearEnd), c.period);
    }
}

// A stored fiscal date is the first day of the fiscal month, with the fiscal year as its year.
TEST(AssetCodes, FiscalMonthStartOfACalendarDate) {
    EXPECT_EQ(FiscalMonthStart(Date(2003, 7, 15), 6), Date(2004, 1, 1));
    EXPECT_EQ(FiscalMonthStart(Date(2003, 6, 30), 6), Date(2003, 12, 1));
    EXPECT_EQ(FiscalMonthStart(Date(2003, 6, 30), 12), Date(2003, 6, 1));
    EXPECT_THROW(FiscalMonthStart(Date(2003, 6, 30), 0), ServerError);
}

// A book life ends as many months after the fiscal start as monthly book depreciation charges
// it: the life times 12, rounded half to even.
TEST(AssetCodes, BookLifeEndsAfterItsMonths) {
    const Date start(2011, 7, 1);
    struct Case {
        const char* name;
        double life;
        Date end;
    } cases[] = {
        {"Whole", 5, Date(2016, 7, 1)},
        {"HalfYear", 7.5, Date(2019, 1, 1)},
        {"MonthRoundsUp", 2.46, Date(2014, 1, 1)},         // 29.52 months
        {"HalfMonthToEvenUp", 2.125, Date(2013, 9, 1)},    // 25.5 months
        {"HalfMonthToEvenDown", 2.375, Date(2013, 11, 1)}, // 28.5 months
        {"Zero", 0, start},
        {"UnderHalfAMonth", 0.04, start},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(BookLifeEnd(start, c.life), c.end);
    }
    for (double life : {40000.0, std::numeric_limits<double>::quiet_NaN()}) {
        SCOPED_TRACE(life);
        try {
            BookLifeEnd(start, life);
            ADD_FAILURE() << "accepted";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
            EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        }
    }
}

class AssetCodesDbTest : public test::SupportTest {};

TEST_F(AssetCodesDbTest, FiscalEndMonthOfTheCompany) {
    EXPECT_EQ(GetFiscalEndMth(1), 12);
    EXPECT_EQ(GetFiscalEndMth(test::addCompany("June", 6)), 6);
}

TEST_F(AssetCodesDbTest, FiscalEndMonthThatIsNoMonthIsAnError) {
    const std::int32_t zero = test::addCompany("Zero");
    fresh_.exec("UPDATE tblCompany SET [Year End Month] = 0 WHERE id = " + std::to_string(zero));
    const std::int32_t empty = test::addCompany("Empty");
    fresh_.exec("UPDATE tblCompany SET [Year End Month] = NULL WHERE id = " + std::to_string(empty));
    const std::pair<const char*, std::int32_t> cases[] = {{"NoRow", 999}, {"Zero", zero}, {"Null", empty}};
    for (const auto& [name, company] : cases) {
        SCOPED_TRACE(name);
        try {
            GetFiscalEndMth(company);
            ADD_FAILURE() << "no error";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.kind(), ErrorKind::InvalidArgument);
            EXPECT_NE(e.description().find("company " + std::to_string(company)), std::string::npos)
                << e.description();
        }
    }
}

} // namespace
} // namespace qel
