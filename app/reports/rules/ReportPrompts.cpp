// The rules of the report prompts.
#include "app/reports/rules/ReportPrompts.h"

#include "common/Convert.h"
#include "common/Date.h"
#include "common/NumberCheck.h"
#include "server/data/FiscalPeriod.h"

#include <cstdio>

namespace qel::reports {
namespace {

// Months counted from year 0, so that two dates differ by whole calendar months.
std::int64_t monthIndex(const Date& d) {
    return std::int64_t{d.year()} * 12 + d.month();
}

Answer refused(const std::string& message) {
    return Answer{Answer::Result::Refused, message, 0};
}

} // namespace

Answer checkYear(std::string_view answer) {
    if (answer.empty())
        return {};
    if (!isPlainNumber(answer))
        return refused(kYearNotNumeric);
    if (!numberFits(answer, kYearRange))
        return refused(kYearOutOfRange);
    return Answer{Answer::Result::Ok, {}, static_cast<std::int32_t>(roundHalfEven(leadingNumber(answer)))};
}

Answer checkPeriod(std::string_view answer) {
    if (answer.empty())
        return {};
    // Six digits with a month from 01 to 12, and a year the year prompt would take too.
    const std::optional<Date> d = parsePeriod(answer);
    if (!d || d->year() < kFirstYear)
        return refused(kInvalidPeriod);
    return Answer{Answer::Result::Ok, {}, d->year() * 100 + d->month()};
}

Answer checkPosted(std::int32_t period, std::string_view reportName, const PostedPeriods& posted) {
    const Answer ok{Answer::Result::Ok, {}, period};
    if (reportName == "Property Tax")
        return ok;
    // Book depreciation must have been posted for the period: it lies before the next period
    // to post and not before the first period posted. Nothing is posted while the company has
    // no first period.
    const std::optional<Date> first = Date::fromIso(posted.firstDate);
    const std::optional<Date> next = parsePeriod(posted.nextPeriod);
    if (!first || first->isNoDate() || !next)
        return refused(kNotCalculated);
    const std::int64_t month = std::int64_t{period / 100} * 12 + period % 100;
    if (monthIndex(*next) - month < 1 || month - monthIndex(*first) < 0)
        return refused(kNotCalculated);
    return ok;
}

ErrorDisplay getReportError(std::int32_t number, std::string_view description) {
    if (number == kForm4562TooEarly || number == kForm4562FiftyYear)
        return {std::string(description), {}, false};
    if (number == 13)
        return {"Date error, Date format needs to be set to 'mm/dd/yyyy' in Control Panel\\Regional settings",
                {},
                false};
    if (number == kForm4562Missing)
        return {std::string(description), "4562 Form Error", true};
    return {"Error in GetReport. " + std::string(description) + " Error Number: " + std::to_string(number),
            {},
            false};
}

} // namespace qel::reports
