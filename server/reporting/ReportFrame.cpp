// The report query frame: statement fragments and the run of a report statement.
#include "server/reporting/ReportFrame.h"

#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/data/Database.h"

namespace qel::report {

std::string fiscalYearIs(std::string_view column, std::int32_t year) {
    return fiscalYearOf(column) + " = " + sqlNumber(year);
}

Date periodDate(std::string_view period) {
    if (const std::optional<Date> date = parsePeriod(period))
        return *date;
    throw ServerError::invalidArgument("DeprSupport",
                                       "The fiscal period '" + std::string(period) +
                                           "' is not a period YYYYMM (four-digit year, month 01 to 12).");
}

std::string periodText(std::string_view period) {
    periodDate(period);
    return sqlText(period);
}

Recordset run(const ReportStatement& statement) {
    Recordset rs = ExecuteQueryReturnRS(statement.sql);
    for (const ColumnShape& shape : statement.shapes)
        rs.setFieldType(shape.index, shape.type, shape.definedSize);
    return rs;
}

} // namespace qel::report
