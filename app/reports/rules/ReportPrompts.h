// The rules of the report prompts: the fiscal year and fiscal period a user types, the period
// offered, the check that book depreciation has been posted for a period, and how a failure of
// a report request is shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace qel::reports {

// Status line messages (shown in red).
inline const std::string kYearNotNumeric = "Year must be numeric!";
inline const std::string kYearOutOfRange = "Year must be between 1900 and 9999!";
inline const std::string kInvalidPeriod =
    " Invalid Period. Please re-enter period in the following format. YYYYMM ";
inline const std::string kNotCalculated = " Depreciation has not been calculated for this period. ";

inline constexpr std::int32_t kFirstYear = 1900;
inline constexpr std::int32_t kLastYear = 9999;

// A checked answer: nothing to do (empty answer or Cancel), a message to show, or the value.
struct Answer {
    enum class Result { Empty, Refused, Ok } result = Result::Empty;
    std::string message;    // for Refused
    std::int32_t value = 0; // for Ok: the year, or the period YYYYMM
};

// A typed year: a number (blanks around it, a sign and decimals allowed) from 1900 to 9999,
// handed on rounded to a whole year (a half to the even year).
Answer checkYear(std::string_view answer);

// What the period check needs of the company's monthly depreciation.
struct PostedPeriods {
    std::string nextPeriod; // the next period to post, "YYYYMM"; empty when nothing is posted and no asset
    std::string firstDate;  // the first fiscal date posted, "YYYY-MM-DD"; empty when the company has none
};

// A typed period: six digits, a month 01 to 12 and a year from 1900 to 9999; its value YYYYMM.
Answer checkPeriod(std::string_view answer);

// A period (YYYYMM) the report may run for: any period for "Property Tax"; for every other report
// a period from the first fiscal date posted up to the last posted period. A company without a
// first fiscal date has nothing posted.
Answer checkPosted(std::int32_t period, std::string_view reportName, const PostedPeriods& posted);

// How a failure of a report request is shown.
struct ErrorDisplay {
    std::string text;
    std::string title;     // empty: the application's title
    bool critical = false; // the stop icon
};
// 13011 and 13010 (Form 4562's notices): the description alone; 13: the date format message;
// 0x8004000D (a missing form template): the description under "4562 Form Error" with the stop
// icon; any other: "Error in GetReport. " with the description and the number.
ErrorDisplay getReportError(std::int32_t number, std::string_view description);

// The Form 4562 error numbers.
inline constexpr std::int32_t kForm4562TooEarly = 13011;
inline constexpr std::int32_t kForm4562FiftyYear = 13010;
inline constexpr std::int32_t kForm4562Missing = static_cast<std::int32_t>(0x8004000D);

} // namespace qel::reports
