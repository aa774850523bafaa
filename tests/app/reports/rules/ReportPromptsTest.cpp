// The rules of the report prompts and the road to Form 4562.
#include "app/reports/rules/ReportPrompts.h"
#include "app/reports/rules/Form4562Questions.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel::reports {
namespace {

using R = Answer::Result;

TEST(ReportPrompts, YearAnswers) {
    struct Case {
        const char* answer;
        R result;
        std::string message;
        std::int32_t year;
    };
    const Case cases[] = {
        {"", R::Empty, "", 0},
        {"2010", R::Ok, "", 2010},
        {" 2011 ", R::Ok, "", 2011},
        {"1900", R::Ok, "", 1900},
        {"9999", R::Ok, "", 9999},
        {"2010.5", R::Ok, "", 2010},
        {"2011.5", R::Ok, "", 2012},
        {"+2010", R::Ok, "", 2010},
        {"1899", R::Refused, kYearOutOfRange, 0},
        {"10000", R::Refused, kYearOutOfRange, 0},
        {"1899.9", R::Refused, kYearOutOfRange, 0},
        {"-2010", R::Refused, kYearOutOfRange, 0},
        {"abc", R::Refused, kYearNotNumeric, 0},
        {"20a0", R::Refused, kYearNotNumeric, 0},
        {"2,010", R::Refused, kYearNotNumeric, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answer);
        const Answer a = checkYear(c.answer);
        EXPECT_EQ(a.result, c.result);
        EXPECT_EQ(a.message, c.message);
        EXPECT_EQ(a.value, c.year);
    }
}

// Monthly depreciation posted from fiscal month 2 of 2010 through month 5 of 2012.
const PostedPeriods kPosted{"201206", "2010-02-01"};

TEST(ReportPrompts, PeriodAnswers) {
    struct Case {
        const char* name;
        const char* answer;
        const char* report;
        PostedPeriods posted;
        R result;
        std::string message;
        std::int32_t period;
    };
    const Case cases[] = {
        {"empty or cancelled", "", "Depr Journal Detail", kPosted, R::Empty, "", 0},
        {"the last posted period", "201205", "Depr Journal Detail", kPosted, R::Ok, "", 201205},
        {"an earlier period", "201001", "Depr Journal Detail", {"201206", "2010-01-01"}, R::Ok, "", 201001},
        {"the first posted period", "201002", "Book Asset Ledger", kPosted, R::Ok, "", 201002},
        {"five characters", "20125", "Depr Journal Detail", kPosted, R::Refused, kInvalidPeriod, 0},
        {"seven characters", "2012050", "Depr Journal Detail", kPosted, R::Refused, kInvalidPeriod, 0},
        {"month 13", "201213", "Depr Journal Detail", kPosted, R::Refused, kInvalidPeriod, 0},
        {"month 00", "201200", "Depr Journal Detail", kPosted, R::Refused, kInvalidPeriod, 0},
        {"letters in the month", "2012ab", "Depr Journal Detail", kPosted, R::Refused, kInvalidPeriod, 0},
        {"a year before 1900", "189912", "Property Tax", kPosted, R::Refused, kInvalidPeriod, 0},
        {"the next period", "201206", "Depr Journal Detail", kPosted, R::Refused, kNotCalculated, 0},
        {"a later period", "201301", "Depr Journal Summary", kPosted, R::Refused, kNotCalculated, 0},
        {"before the first period", "201001", "Book Disposed Assets", kPosted, R::Refused, kNotCalculated, 0},
        {"property tax runs for any period", "201212", "Property Tax", kPosted, R::Ok, "", 201212},
        {"nothing posted and no asset",
         "201001",
         "Depr Journal Detail",
         {"", "1900-01-01"},
         R::Refused,
         kNotCalculated,
         0},
        {"property tax with nothing posted", "201001", "Property Tax", {"", "1900-01-01"}, R::Ok, "", 201001},
        {"a company without a first period",
         "201001",
         "Depr Journal Detail",
         {"201001", ""},
         R::Refused,
         kNotCalculated,
         0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Answer a = checkPeriod(c.answer);
        if (a.result == R::Ok)
            a = checkPosted(a.value, c.report, c.posted);
        EXPECT_EQ(a.result, c.result);
        EXPECT_EQ(a.message, c.message);
        EXPECT_EQ(a.value, c.period);
    }
}

TEST(ReportPrompts, HowAFailureIsShown) {
    struct Case {
        std::int32_t number;
        ErrorDisplay shown;
    };
    const Case cases[] = {
        {13011, {"the cause", "", false}},
        {13010, {"the cause", "", false}},
        {13,
         {"Date error, Date format needs to be set to 'mm/dd/yyyy' in Control Panel\\Regional settings", "",
          false}},
        {static_cast<std::int32_t>(0x8004000D), {"the cause", "4562 Form Error", true}},
        {kPassedThrough, {"Error in GetReport. the cause Error Number: -2147352571", "", false}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.number);
        const ErrorDisplay d = getReportError(c.number, "the cause");
        EXPECT_EQ(d.text, c.shown.text);
        EXPECT_EQ(d.title, c.shown.title);
        EXPECT_EQ(d.critical, c.shown.critical);
    }
}

// Answers every check from a table and records what runs.
class FakeSteps : public Form4562Steps {
public:
    bool viewer = true, misc = true, limit179 = true, limitAuto = true, vehicles = true;
    std::vector<std::string> done;

    bool PdfViewerAvailable() override { return viewer; }
    bool Misc4562OK(std::int16_t year, std::int32_t company) override {
        done.push_back("Misc4562OK " + std::to_string(year) + " " + std::to_string(company));
        return misc;
    }
    bool Limit179OK(std::int16_t) override { return limit179; }
    bool LimitAutoOK(std::int16_t) override { return limitAuto; }
    bool VehicleUseOk(std::int16_t) override { return vehicles; }
    void MoveYearPdfFiles(int year) override { done.push_back("templates " + std::to_string(year)); }
    void Do4562Form(std::int16_t year, std::int32_t company) override {
        done.push_back("form " + std::to_string(year) + " " + std::to_string(company));
    }
};

struct Asked {
    std::vector<std::string> questions;
    std::vector<bool> answers;
    AskYesNo ask = [this](const std::string& q) {
        questions.push_back(q);
        const bool yes = answers.empty() || answers.front();
        if (!answers.empty())
            answers.erase(answers.begin());
        return yes;
    };
};

TEST(Form4562Road, NothingMissingAsksNothingAndProducesTheForm) {
    FakeSteps steps;
    Asked asked;
    EXPECT_TRUE(runForm4562(steps, "2013", 2013, 5, asked.ask));
    EXPECT_TRUE(asked.questions.empty());
    EXPECT_EQ(steps.done, (std::vector<std::string>{"Misc4562OK 2013 5", "form 2013 5"}));
}

TEST(Form4562Road, NoAtTheFirstQuestionEndsTheRoad) {
    FakeSteps steps;
    steps.viewer = false;
    steps.misc = false;
    Asked asked;
    asked.answers = {false};
    EXPECT_FALSE(runForm4562(steps, "2010", 2010, 5, asked.ask));
    EXPECT_EQ(asked.questions, std::vector<std::string>{kReaderMissing});
    EXPECT_TRUE(steps.done.empty());
}

TEST(Form4562Road, YesToEveryQuestionRefreshesThatYearsTemplatesFirst) {
    FakeSteps steps;
    steps.viewer = steps.misc = steps.limit179 = steps.limitAuto = steps.vehicles = false;
    Asked asked;
    EXPECT_TRUE(runForm4562(steps, "2010", 2010, 5, asked.ask));
    EXPECT_EQ(asked.questions, (std::vector<std::string>{kReaderMissing, kMiscMissing, kLimit179Missing,
                                                         kLimitAutoMissing, kVehicleIncomplete}));
    EXPECT_EQ(steps.done, (std::vector<std::string>{"Misc4562OK 2010 5", "templates 2010", "form 2010 5"}));
}

TEST(Form4562Road, OnlyTheYearTypedExactlyRefreshesTemplates) {
    for (const char* answer : {" 2011", "2011.0", "2013"}) {
        SCOPED_TRACE(answer);
        FakeSteps steps;
        Asked asked;
        runForm4562(steps, answer, 2011, 5, asked.ask);
        EXPECT_EQ(steps.done.back().rfind("form", 0), 0u);
        EXPECT_EQ(steps.done.size(), 2u);
    }
}

} // namespace
} // namespace qel::reports
