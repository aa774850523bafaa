// The Depr4562 class: the Form 4562 amounts of a company and year.
#include "server/reporting/Depr4562.h"

#include "common/Convert.h"
#include "common/SqlLiteral.h"
#include "server/data/FiscalPeriod.h"

#include <limits>
#include <vector>

namespace qel {
namespace {

constexpr const char* kClass = "Depr4562";

// January 1 of the year: "placed in service before the year" is a fiscal start before it.
std::string firstOfYear(std::int16_t intYear) {
    return sqlDate(Date(intYear, 1, 1));
}

// Not sold (fiscal_sold_date is the "no date" value) or sold in a later fiscal year.
std::string unsoldByYearEnd(std::int16_t intYear) {
    return " AND (tblAssets.fiscal_sold_date = " + sqlDate(Date::noDate()) + " OR " +
           fiscalYearOf("tblAssets.fiscal_sold_date") + " > " + sqlNumber(intYear) + ")";
}

// The method condition of strType: exactly "MACRS" (case matters) stands for both MACRS
// methods; any other text is one method name, bound as parameter 1 and compared without case.
std::string methodCondition(const std::string& strType, std::vector<Variant>& params) {
    if (strType == "MACRS")
        return " AND (tblDeprMethods.Method = 'Macrs' OR tblDeprMethods.Method = 'Macrs 150')";
    params.emplace_back(strType);
    return " AND tblDeprMethods.Method = ?1";
}

// The first value of the statement's first row in whole dollars, a half going to the even
// neighbour (after the binary noise of a sum of cents is taken off, so 10.5 stays 10.5); 0 when
// there is no row or the value is Null. A value outside the 32-bit range raises an overflow.
std::int32_t wholeDollars(const std::string& sql, const std::vector<Variant>& params = {}) {
    const Recordset rs = ExecuteQueryReturnRS(sql, nullptr, params);
    if (rs.IsEOF() || rs[0].isNull())
        return 0;
    const double dollars = roundHalfEven(rs[0].toDouble(), 0);
    if (!(dollars >= std::numeric_limits<std::int32_t>::min() &&
          dollars <= std::numeric_limits<std::int32_t>::max()))
        throw ServerError(kErrOverflow, kClass,
                          "Overflow: " + formatNumber(dollars) + " does not fit a 32-bit number",
                          ErrorKind::Conversion);
    return static_cast<std::int32_t>(dollars);
}

// Amounts that a query computes are doubles, also when every value is Null (a sum over no row).
void markAmounts(Recordset& rs, std::initializer_list<const char*> names) {
    for (const char* name : names)
        rs.setFieldType(name, FieldType::Double, 8);
}

} // namespace

Recordset Depr4562::GetListedDepr(std::int32_t lngCompanyId, std::int16_t intYear,
                                  const std::string& strUse) {
    return passOn(kClass, "GetListedDepr", [&] {
        // The comparison goes into the statement as an operator, so only the two the form asks
        // for are accepted.
        if (strUse != ">" && strUse != "<=")
            throw ServerError::invalidArgument(
                kClass, "The business-use comparison must be \">\" or \"<=\", not \"" + strUse + "\".");
        const std::string company = sqlNumber(lngCompanyId);
        const std::string year = sqlNumber(intYear);
        const std::string placedInYear = " AND " + fiscalYearOf("tblAssets.fiscal_Start_date") + " = " + year;
        const std::string placedBefore = " AND " + fiscalYearOf("tblAssets.fiscal_Start_date") + " < " + year;

        const std::int32_t counted = ReturnDbData(
            "SELECT Count(*)From tblAssets, tblDeprMethods, tbldepr"
            " WHERE tblAssets.depr_method = tblDeprMethods.ID AND tblAssets.Asset_num = tbldepr.asset_num"
            " AND tblAssets.Company_Id = " +
            company +
            " AND tblDeprMethods.Method = 'Listed'"
            " AND tblAssets.Cost - (tblAssets.[Allowance 30 %] + tblAssets.other_deductions) > 0"
            " AND bussiness_percent " +
            strUse + " 0.5 AND tbldepr.[year] = " + year + " AND tbldepr.bookId = 1");

        if (counted > 3) {
            const std::string from =
                " FROM tblDeprMethods INNER JOIN (tblAssets INNER JOIN tblDepr"
                " ON tblAssets.Company_Id = tblDepr.Client_num AND tblAssets.Asset_num = tblDepr.asset_num)"
                " ON tblDeprMethods.ID = tblAssets.depr_method"
                " WHERE tblDeprMethods.Method = 'Listed' AND tblAssets.Company_Id = " +
                company + " AND tblDepr.[year] = " + year + " AND bussiness_percent " + strUse +
                " .5 AND tblDepr.bookId = 1";
            Recordset rs = ExecuteQueryReturnRS(
                "SELECT 'Total Listed' AS Asset_name, Sum(tblAssets.Cost) AS Cost,"
                " Sum(tblAssets.Cost * tblAssets.bussiness_percent) AS Basis, Sum(tblDepr.depr) AS Depr,"
                " Sum(tblAssets.[179_deduction]) AS [179_deduction]" +
                from + placedInYear +
                " UNION ALL SELECT 'Total Listed' AS Asset_name, Sum(tblAssets.Cost) AS Cost,"
                " Sum(tblAssets.Cost * tblAssets.bussiness_percent) AS Basis, Sum(tblDepr.depr) AS Depr,"
                " Sum(0) AS [179_deduction]" +
                from + placedBefore);
            markAmounts(rs, {"Cost", "Basis", "Depr", "179_deduction"});
            return rs;
        }

        const std::string from = " FROM tblAssets, tblDeprMethods, tblDepr, tblConvention"
                                 " WHERE tblAssets.depr_method = tblDeprMethods.ID"
                                 " AND tblAssets.Company_Id = tblDepr.Client_num"
                                 " AND tblAssets.Asset_num = tblDepr.asset_num"
                                 " AND tblAssets.convention = tblConvention.Id"
                                 " AND tblDeprMethods.Method = 'Listed' AND tblAssets.Company_Id = " +
                                 company + " AND tblDepr.[year] = " + year + " AND bussiness_percent " +
                                 strUse + " .5 AND tblDepr.bookid = 1";
        const auto select = [](const char* section179) {
            return std::string(
                       "SELECT tblAssets.Asset_name AS Asset_name,"
                       " tblAssets.In_Service_date AS In_Service_date,"
                       " tblAssets.bussiness_percent * 100 AS Bpercent, tblAssets.Cost AS Cost,"
                       " tblAssets.Cost * tblAssets.bussiness_percent AS Basis, tblAssets.life AS life,"
                       " tblDepr.depr AS depr, ") +
                   section179 +
                   " AS [179_deduction], '200DB ' AS Method, tblConvention.Abbreviation AS abbreviation,"
                   " tblAssets.Company_Id AS Company_Id, tblDepr.[year] AS [year],"
                   " tblAssets.vehicle_num AS vehicle_num, tblAssets.bussiness_percent AS bussiness_percent";
        };
        Recordset rs = ExecuteQueryReturnRS(select("tblAssets.[179_deduction]") + from + placedInYear +
                                            " UNION ALL " + select("0") + from + placedBefore +
                                            " ORDER BY bussiness_percent DESC, vehicle_num");
        markAmounts(rs, {"Bpercent", "Cost", "Basis", "life", "depr", "179_deduction", "bussiness_percent"});
        return rs;
    });
}

Recordset Depr4562::GetAmortized(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn(kClass, "GetAmortized", [&] {
        const std::string company = sqlNumber(lngCompanyId);
        const std::string year = sqlNumber(intYear);
        const std::string placedInYear = " AND " + fiscalYearOf("tblAssets.fiscal_start_date") + " = " + year;

        const std::string unsoldOrSoldInYear =
            " AND (tblAssets.fiscal_sold_date = " + sqlDate(Date::noDate()) + " OR " +
            fiscalYearOf("tblAssets.fiscal_sold_date") + " = " + year + ")";
        const std::int32_t counted = ReturnDbData(
            "SELECT count(*) FROM tblAssets, tblDeprMethods "
            " WHERE tblAssets.depr_method = tblDeprMethods.ID AND tblDeprMethods.Method = 'Amortize'"
            " AND tblAssets.Company_Id = " +
            company + unsoldOrSoldInYear +
            " AND tblAssets.Cost - (tblAssets.[Allowance 30 %] + tblAssets.other_deductions) > 0" +
            placedInYear);

        const std::string from = " FROM tblAssets, tblDeprMethods, tblDepr"
                                 " WHERE tblAssets.depr_method = tblDeprMethods.ID"
                                 " AND tblAssets.Company_Id = tblDepr.Client_num"
                                 " AND tblAssets.Asset_num = tblDepr.asset_num"
                                 " AND tblDeprMethods.Method = 'Amortize' AND tblAssets.Company_Id = " +
                                 company + " AND tblDepr.[year] = " + year + placedInYear +
                                 " AND tblDepr.bookid = 1";
        if (counted > 2) {
            Recordset rs = ExecuteQueryReturnRS("SELECT 'Total Amortized' AS Asset_name,"
                                                " Sum(tblAssets.Cost * tblAssets.bussiness_percent) AS Basis,"
                                                " Sum(tblDepr.depr) AS Depr" +
                                                from);
            markAmounts(rs, {"Basis", "Depr"});
            return rs;
        }
        Recordset rs = ExecuteQueryReturnRS("SELECT tblAssets.Asset_name AS Asset_name,"
                                            " tblAssets.In_Service_date AS In_Service_date,"
                                            " tblAssets.Cost * tblAssets.bussiness_percent AS Basis,"
                                            " tblAssets.amortize_code AS amortize_code,"
                                            " tblAssets.life * 12 AS periods, tblDepr.depr AS depr" +
                                            from + " ORDER BY tblAssets.Asset_num");
        markAmounts(rs, {"Basis", "periods"});
        return rs;
    });
}

std::int32_t Depr4562::GetPriorYearAmortization(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn(kClass, "GetPriorYearAmortization", [&] {
        return wholeDollars(
            "SELECT Sum(tblDepr.depr)"
            " FROM tblDeprMethods INNER JOIN (tblAssets INNER JOIN tblDepr"
            " ON tblAssets.Asset_num = tblDepr.asset_num AND tblAssets.Company_Id = tblDepr.Client_num)"
            " ON tblDeprMethods.ID = tblAssets.depr_method"
            " WHERE tblDeprMethods.Method = 'amortize' AND tblAssets.fiscal_Start_date < " +
            firstOfYear(intYear) + " AND tblDepr.[Year] = " + sqlNumber(intYear) +
            " AND tblAssets.Company_Id = " + sqlNumber(lngCompanyId) + " AND tblDepr.bookid = 1");
    });
}

Recordset Depr4562::Get179MacrsDeduction(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn(kClass, "Get179MacrsDeduction", [&] {
        const std::string assets =
            " FROM tblAssets INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID"
            " WHERE tblAssets.Company_Id = " +
            sqlNumber(lngCompanyId) + " AND " + fiscalYearOf("tblAssets.fiscal_Start_date") + " = " +
            sqlNumber(intYear) + " AND tblAssets.type_179 <> 0 AND tblDeprMethods.Method <> 'Listed'" +
            unsoldByYearEnd(intYear);
        const std::string positive = " AND tblAssets.[179_deduction] > 0";

        const std::int32_t counted = ReturnDbData(" SELECT Count(*)" + assets + positive);
        if (counted > 2) {
            Recordset rs = ExecuteQueryReturnRS("SELECT 'Total 179 Assets' AS Asset_name,"
                                                " Sum(tblAssets.[179_deduction]) AS [179_deduction]" +
                                                assets);
            markAmounts(rs, {"179_deduction"});
            return rs;
        }
        return ExecuteQueryReturnRS("SELECT tblAssets.Asset_name AS Asset_name, tblAssets.Cost AS Cost,"
                                    " tblAssets.[179_deduction] AS [179_deduction]" +
                                    assets + positive + " ORDER BY tblAssets.Asset_num");
    });
}

std::int32_t Depr4562::GetAllowances(std::int32_t lngCompanyId, std::int16_t intYear,
                                     const std::string& strType) {
    return passOn(kClass, "GetAllowances", [&] {
        std::vector<Variant> params;
        const std::string method = methodCondition(strType, params);
        return wholeDollars(
            " SELECT Sum(tblAssets.[allowance 30 %]) + sum(tblAssets.other_deductions)"
            " FROM tblAssets INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID"
            " WHERE tblAssets.Company_Id = " +
                sqlNumber(lngCompanyId) + " AND " + fiscalYearOf("tblAssets.fiscal_start_date") + " = " +
                sqlNumber(intYear) + unsoldByYearEnd(intYear) + method,
            params);
    });
}

std::int32_t Depr4562::GetOtherDepr(std::int16_t intYear, std::int32_t lngCompanyId) {
    return passOn(kClass, "GetOtherDepr", [&] {
        return wholeDollars("SELECT Sum(tblDepr.depr)"
                            " FROM tblDeprMethods INNER JOIN (tblAssets INNER JOIN tblDepr"
                            " ON tblAssets.Asset_num = tblDepr.asset_num)"
                            " ON tblDeprMethods.ID = tblAssets.depr_method"
                            " WHERE tblDepr.[year] = " +
                            sqlNumber(intYear) +
                            " AND tblDeprMethods.Method = 'S/L' AND tblDepr.Client_num = " +
                            sqlNumber(lngCompanyId) + " AND tblDepr.bookId = 1");
    });
}

std::int32_t Depr4562::GetMacrsPriorYears(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn(kClass, "GetMacrsPriorYears", [&] {
        return wholeDollars("SELECT Sum(tblDepr.depr)"
                            " FROM tblDeprMethods INNER JOIN (tblAssets INNER JOIN tblDepr"
                            " ON tblAssets.Asset_num = tblDepr.asset_num)"
                            " ON tblDeprMethods.ID = tblAssets.depr_method"
                            " WHERE tblAssets.fiscal_start_date < " +
                            firstOfYear(intYear) +
                            " AND (tblDeprMethods.Method = 'ADS' OR tblDeprMethods.Method = 'Macrs'"
                            " OR tblDeprMethods.Method = 'Macrs 150')"
                            " AND tblDepr.Client_num = " +
                            sqlNumber(lngCompanyId) + " AND tblDepr.[year] = " + sqlNumber(intYear) +
                            " AND tblDepr.bookId = 1");
    });
}

Recordset Depr4562::GetDeprSummary(std::int32_t lngCompanyId, std::int16_t intYear, const Variant& strType) {
    return passOn(kClass, "GetDeprSummary", [&] {
        std::vector<Variant> params;
        const std::string method = methodCondition(strType.toString(), params);
        Recordset rs = ExecuteQueryReturnRS(
            "SELECT Sum((tblAssets.Cost * tblAssets.bussiness_percent) - (tblAssets.[allowance 30 %]"
            " + tblAssets.[other_deductions] + tblAssets.[179_deduction])) AS Basis,"
            " tblAssets.life AS life, Sum(tblDepr.depr) AS Depr, tblConvention.Abbreviation AS Convention,"
            " tblAssets.actual_Method AS method"
            " FROM ((tblDepr INNER JOIN tblAssets ON tblDepr.asset_num = tblAssets.Asset_num"
            " AND tblDepr.Client_num = tblAssets.Company_Id)"
            " INNER JOIN tblConvention ON tblAssets.convention = tblConvention.Id)"
            " INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID"
            " WHERE " +
                fiscalYearOf("tblAssets.fiscal_start_date") + " = " + sqlNumber(intYear) +
                " AND tblDepr.Client_num = " + sqlNumber(lngCompanyId) +
                " AND tblDepr.[Year] = " + sqlNumber(intYear) + " AND tblDepr.bookid = 1" + method +
                " GROUP BY tblAssets.life, tblConvention.Abbreviation, tblAssets.actual_Method"
                " ORDER BY tblAssets.life, tblConvention.Abbreviation, tblAssets.actual_Method",
            nullptr, params);
        markAmounts(rs, {"Basis", "Depr"});
        return rs;
    });
}

Recordset Depr4562::GetCompanyData(std::int32_t lngCompanyId) {
    return passOn(kClass, "GetCompanyData", [&] {
        return ExecuteQueryReturnRS(" SELECT [Company Name], owner, [tax id] from tblcompany where id = " +
                                    sqlNumber(lngCompanyId));
    });
}

} // namespace qel
