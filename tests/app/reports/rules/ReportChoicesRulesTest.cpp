// The rules of the report choice windows.
#include "app/reports/rules/ReportChoices.h"

#include <gtest/gtest.h>

namespace qel::reports {
namespace {

TEST(ReportChoices, TheOptionsNameTheBooksReports) {
    EXPECT_EQ(taxReportName(-1), "");
    EXPECT_EQ(taxReportName(0), "Books Depreciation WorkSheet");
    EXPECT_EQ(taxReportName(1), "Books 179 WorkSheet");
    EXPECT_EQ(taxReportName(5), "Books 50 Year Assets");
    EXPECT_EQ(taxReportName(6), "");
}

TEST(ReportChoices, WhatIsMissingIsToldInOrder) {
    struct Case {
        const char* name;
        const char* report;
        const char* year;
        const char* book;
        bool ok;
        const char* message;
    };
    const Case cases[] = {
        {"all given", "Books 179 WorkSheet", "2010", "AMT", true, ""},
        {"nothing given", "", "", "", false, " Please select a report.  Year is required  Book is required "},
        {"no report", "", "2010", "AMT", false, " Please select a report. "},
        {"no year", "Books New Assets", "", "State", false, " Year is required "},
        {"no book", "Books New Assets", "1850", "", false, " Book is required "},
        {"no year nor book", "Books New Assets", "", "", false, " Year is required  Book is required "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const ChoiceCheck check = ValidateReportChoice(c.report, c.year, c.book);
        EXPECT_EQ(check.ok, c.ok);
        EXPECT_EQ(check.message, c.message);
    }
}

TEST(ReportChoices, TheLocationChoiceOpensCentredAnEighthDown) {
    const DialogPlace place = locationDialogPlace(200, 1000, 10500, 7500, 4500, 1900);
    EXPECT_DOUBLE_EQ(place.left, 200 + (10500 - 4500) / 2.0);
    EXPECT_DOUBLE_EQ(place.top, 1000 + (7500 - 1900) / 8.0);
}

} // namespace
} // namespace qel::reports
