// The report query frame: literal pieces and the run of a report statement.
#include "server/reporting/ReportFrame.h"

#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/data/Database.h"

#include <cctype>

namespace qel::report {

std::string fiscalYearOf(std::string_view column) {
    return "CAST(strftime('%Y', " + std::string(column) + ") AS INTEGER)";
}

std::string fiscalYearIs(std::string_view column, std::int32_t year) {
    return fiscalYearOf(column) + " = " + sqlNumber(year);
}

Date periodDate(std::string_view period) {
    bool digits = period.size() == 6;
    for (char c : period)
        digits = digits && std::isdigit(static_cast<unsigned char>(c));
    const int year = digits ? std::stoi(std::string(period.substr(0, 4))) : 0;
    const int month = digits ? std::stoi(std::string(period.substr(4, 2))) : 0;
    if (!digits || month < 1 || month > 12)
        throw ServerError::invalidArgument("DeprSupport",
                                           "The fiscal period '" + std::string(period) +
                                               "' is not a period YYYYMM (four-digit year, month 01 to 12).");
    return Date(year, month, 1);
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
