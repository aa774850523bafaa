// The asset codes: method captions, convention ids, the engine's method and the fiscal months.
#include "server/support/AssetCodes.h"

#include "common/Convert.h"
#include "common/Recordset.h"
#include "common/ServerError.h"
#include "server/data/FiscalPeriod.h"
#include "server/support/CompanyPersist.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace qel {
namespace {

constexpr const char* kSource = "AssetCodes";

// The whole text as a number of decimal digits only; false for anything else.
bool digitsOnly(std::string_view text, int& value) {
    if (text.empty() || text.size() > 9)
        return false;
    const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
    return ec == std::errc() && end == text.data() + text.size() && value >= 0;
}

[[noreturn]] void notADate(std::string_view text) {
    throw ServerError(kTypeMismatch, kSource,
                      "Type mismatch: \"" + std::string(text) + "\" is no month and year (mm/yyyy).",
                      ErrorKind::Conversion);
}

} // namespace

std::string ShowMethod(std::string_view method, std::int16_t life) {
    if (method == "MACRS" || method == "Listed") {
        switch (life) {
        case 3:
        case 5:
        case 7:
        case 10:
            return "200 DB";
        case 15:
        case 20:
            return "150 DB";
        default:
            return life > 20 ? "S/L" : "";
        }
    }
    if (method == "ADS" || method == "S/L")
        return "S/L";
    if (method == "Amortize")
        return "Amortize";
    if (method == "Non-Depr")
        return "None";
    if (method == "MACRS 150")
        return "150 DB";
    return "Unknown";
}

std::int16_t ConventionIdOf(std::string_view description) {
    if (description == "Half Year")
        return kHalfYear;
    if (description == "Mid Qtr")
        return kMidQtr;
    if (description == "Mid Month")
        return kMidMonth;
    return kNoConvention;
}

RunMethod MapMethodForRun(const std::string& method, double businessFraction, double life) {
    if (method == "Listed")
        return {businessFraction >= 0.51 ? "MACRS" : "ADS", life};
    if (method == "MACRS") {
        if (life == 31.5)
            return {"Macrs31", 32};
        if (life == 27.5)
            return {"Macrs27", 28};
        if (life == 39)
            return {"Macrs39", 39};
        if (life > 39)
            return {"ADS", life};
    }
    return {method, life};
}

FiscalMonth ToFiscalMonth(int calendarMonth, int calendarYear, int yearEndMonth) {
    if (yearEndMonth < 1 || yearEndMonth > 12)
        throw ServerError::invalidArgument(kSource, "The fiscal year-end month " +
                                                        std::to_string(yearEndMonth) +
                                                        " is not a month from 1 to 12.");
    if (calendarMonth < 1 || calendarMonth > 12)
        throw ServerError::invalidArgument(kSource, "The month " + std::to_string(calendarMonth) +
                                                        " is not a month from 1 to 12.");
    if (yearEndMonth == 12)
        return {calendarMonth, calendarYear};
    const int month = calendarMonth + 12 - yearEndMonth;
    return month > 12 ? FiscalMonth{month - 12, calendarYear + 1} : FiscalMonth{month, calendarYear};
}

Date FiscalMonthStart(const Date& calendar, int yearEndMonth) {
    const FiscalMonth f = ToFiscalMonth(calendar.month(), calendar.year(), yearEndMonth);
    return Date(f.year, f.month, 1);
}

std::string defaultPeriod(int todayMonth, int workingYear, int yearEndMonth) {
    const FiscalMonth f = ToFiscalMonth(todayMonth, workingYear, yearEndMonth);
    return periodText(Date(f.year, f.month, 1));
}

FiscalMonth InServiceToFiscalMonth(std::string_view calendarDate, int yearEndMonth) {
    const std::size_t slash = calendarDate.find('/');
    int month = 0;
    int year = 0;
    if (slash == std::string_view::npos || calendarDate.size() < 4 ||
        !digitsOnly(calendarDate.substr(0, slash), month) ||
        !digitsOnly(calendarDate.substr(calendarDate.size() - 4), year))
        notADate(calendarDate);
    return ToFiscalMonth(month, year, yearEndMonth);
}

std::string InServiceToFiscalDate(std::string_view calendarDate, int yearEndMonth) {
    const FiscalMonth f = InServiceToFiscalMonth(calendarDate, yearEndMonth);
    return std::to_string(f.month) + "/" + std::to_string(f.year);
}

Date BookLifeEnd(const Date& fiscalStart, double bookLifeYears) {
    const double months = roundHalfEven(bookLifeYears * 12);
    constexpr double kMostMonths = 12.0 * std::numeric_limits<std::int16_t>::max();
    if (!(months >= -kMostMonths && months <= kMostMonths))
        throw ServerError(kErrOverflow, kSource,
                          std::isfinite(bookLifeYears)
                              ? "Overflow: the book life " + formatNumber(bookLifeYears) + " is too large."
                              : std::string("Overflow: the book life is no number."),
                          ErrorKind::Conversion);
    return fiscalStart.addMonths(static_cast<int>(months));
}

std::int16_t GetFiscalEndMth(std::int32_t companyId) {
    CompanyPersist companies;
    const Recordset rs = companies.GetCompanyFiscalEndMonth(companyId);
    const std::string company = "The company " + std::to_string(companyId);
    if (rs.IsBOF() && rs.IsEOF())
        throw ServerError::invalidArgument(kSource, company + " is not in the company list, so its fiscal "
                                                              "year-end month is not known.");
    const Variant& month = rs[0];
    if (month.isNull())
        throw ServerError::invalidArgument(kSource, company + " has no fiscal year-end month.");
    const std::int64_t m = month.toInt64();
    if (m < 1 || m > 12)
        throw ServerError::invalidArgument(kSource, company + " has the fiscal year-end month " +
                                                        std::to_string(m) + "; it must be 1 to 12.");
    return static_cast<std::int16_t>(m);
}

} // namespace qel
