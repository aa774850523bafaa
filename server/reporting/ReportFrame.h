// The frame every report query of DeprSupport shares: a statement with the shapes of its
// computed columns, the fragments those statements are made of (a date column in a fiscal year,
// the period date and text of a fiscal period) and the run that turns the statement into a
// disconnected report recordset on the shared connection.
//
// Report statements keep their column titles as bracketed aliases, trailing blanks included; the
// report windows take their column titles, alignment and widths from the field names, type codes
// and defined sizes, so every computed column states its type here.
#pragma once

#include "common/Date.h"
#include "common/Recordset.h"
#include "server/data/FiscalPeriod.h"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace qel::report {

// The type code and defined size of one computed column, by position in the select list.
struct ColumnShape {
    std::size_t index;
    FieldType type;
    int definedSize;
};

// One report statement and the shapes of its computed columns.
struct ReportStatement {
    std::string sql;
    std::vector<ColumnShape> shapes;
};

// Amounts in dollars computed by a statement are doubles, as the stored amounts are.
inline ColumnShape money(std::size_t index) {
    return {index, FieldType::Double, 8};
}
// A business fraction shown as a percentage.
inline ColumnShape percent(std::size_t index) {
    return {index, FieldType::Double, 8};
}
inline ColumnShape text(std::size_t index, int size) {
    return {index, FieldType::Text, size};
}

// The location id that stands for every location in the asset listing.
inline constexpr std::int32_t kAllLocations = -13;

// "CAST(strftime('%Y', <column>) AS INTEGER) = <year>": the date column lies in that fiscal
// year (fiscal dates carry the fiscal year as their year). qel::fiscalYearOf gives the year
// expression alone, for other comparisons.
std::string fiscalYearIs(std::string_view column, std::int32_t year);

// The period date of a fiscal period "YYYYMM" (qel::parsePeriod): the first day of its fiscal
// month. Throws ServerError (InvalidArgument) when the text is not six digits with a month from
// 1 to 12.
Date periodDate(std::string_view period);
// The fiscal period as a text literal ('201006'), checked as periodDate checks it.
std::string periodText(std::string_view period);

// Runs the statement on the shared connection and returns its rows, detached, with the
// computed columns shaped. Errors leave as ExecuteQueryReturnRS raises them.
Recordset run(const ReportStatement& statement);

} // namespace qel::report
