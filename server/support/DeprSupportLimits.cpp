// DeprSupport: the yearly section 179 and vehicle limits, the company's Form 4562 data and the
// section 179 and mid-quarter sums over a fiscal year's assets.
//
// A fiscal date carries the fiscal year as its year, so "placed in service in fiscal year Y"
// is the test that the year of fiscal_start_date is Y.
#include "server/support/DeprSupport.h"

#include "common/SqlLiteral.h"
#include "server/data/Connection.h"
#include "server/data/FiscalPeriod.h"

namespace qel {

Recordset DeprSupport::Get179forMaint() {
    return passOn("DeprSupport", "Get179forMaint", [] {
        return ExecuteQueryReturnRS(" Select [Year] AS [Year  ], [Maximum Amount], [Threshold Cost]"
                                    " , ID from tblMax179 order by year");
    });
}

Recordset DeprSupport::MaxAutoMaint() {
    return passOn("DeprSupport", "MaxAutoMaint", [] {
        return ExecuteQueryReturnRS(
            " Select [Year] AS [Year  ], Type, [Yr 1 + 30%], [Yr 1 + 50%],[Max Year 1], "
            "[Max Year 2],[Max Year 3]"
            ", [Max Year 4], ID from tblMaxAuto ORDER BY year ");
    });
}

Recordset DeprSupport::GetMisc4562DataForMaint(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "GetMisc4562DataForMaint", [&] {
        std::string sql = " Select [Year] AS [Year  ], [179 Carryover], [179 Income Limit] ,"
                          " [Listed Claim], [Listed Evidence], [Group Assets], [168 Property], [Other Depr], "
                          " [263A Cost], [Exclude 179], ID from tblMisc4562Data where company_Id = " +
                          sqlNumber(lngCompanyId);
        sql += intYear > 0 ? " and [year] = " + sqlNumber(intYear) : std::string(" Order by [Year]");
        return ExecuteQueryReturnRS(sql);
    });
}

Recordset DeprSupport::Get179Limits(std::int16_t intYear) {
    return passOn("DeprSupport", "Get179Limits", [&] {
        return ExecuteQueryReturnRS(" Select [Maximum Amount], [Threshold Cost] from tblMax179 "
                                    " where year = " +
                                    sqlNumber(intYear));
    });
}

Recordset DeprSupport::Get179andCostTotal(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn("DeprSupport", "Get179andCostTotal", [&] {
        // Sold in a later fiscal year or not at all (the no-date value has the year 1900).
        const std::string year = sqlNumber(intYear);
        const std::string sql = " SELECT Sum(Cost * bussiness_percent)as cost, Sum([179_deduction])"
                                " From tblAssets Where Company_Id = " +
                                sqlNumber(lngCompanyId) + " And " + fiscalYearOf("[fiscal_start_date]") +
                                " = " + year + " And Type_179 <> 0" + " and (" +
                                fiscalYearOf("fiscal_sold_date") + " > " + year +
                                " or fiscal_sold_date = " + sqlDate(Date::noDate()) + ") ";
        return ExecuteQueryReturnRS(sql);
    });
}

std::int32_t DeprSupport::GetTotalAssetCost(std::int32_t lngID, std::int16_t intYear) {
    return passOn("DeprSupport", "GetTotalAssetCost", [&] {
        const std::string year = sqlNumber(intYear);
        const std::string sql = "Select sum((cost * bussiness_percent)-([179_deduction] + "
                                " other_deductions)) FROM tblAssets, "
                                " tblDeprMethods where company_Id = " +
                                sqlNumber(lngID) + " And " + fiscalYearOf("fiscal_start_date") + "= " + year +
                                " AND depr_method = ID AND (Method = 'MACRS' OR Method = 'Listed')"
                                " and [life] < 26 and " +
                                fiscalYearOf("fiscal_sold_date") + " <> " + year;
        return ReturnDbData(sql);
    });
}

std::int32_t DeprSupport::Get4QtrAssetCost(std::int32_t lngID, std::int16_t intYear) {
    return passOn("DeprSupport", "Get4QtrAssetCost", [&] {
        // Fiscal months 10 to 12, both ends included.
        const std::string sql = "Select sum((cost * bussiness_percent)-([179_deduction]"
                                " + other_deductions)) from tblAssets, "
                                " tblDeprMethods where company_Id = " +
                                sqlNumber(lngID) +
                                " And fiscal_Start_date >= " + sqlDate(Date(intYear, 10, 1)) +
                                " And fiscal_Start_date <= " + sqlDate(Date(intYear, 12, 31)) +
                                " AND depr_method = ID AND (Method = 'MACRS' "
                                " OR Method = 'Listed') and [life] < 26 and " +
                                fiscalYearOf("fiscal_sold_date") + " <> " + sqlNumber(intYear);
        return ReturnDbData(sql);
    });
}

std::int32_t DeprSupport::Get179CarryOver(std::int32_t lngID, std::int16_t intYear) {
    return passOn("DeprSupport", "Get179CarryOver", [&] {
        return ReturnDbData("Select [179 CarryOver] from tblmisc4562Data where company_Id = " +
                            sqlNumber(lngID) + " And Year = " + sqlNumber(intYear));
    });
}

std::int32_t DeprSupport::Get179IncomeLimit(std::int32_t lngID, std::int16_t intYear) {
    return passOn("DeprSupport", "Get179IncomeLimit", [&] {
        return ReturnDbData("Select [179 Income Limit] from tblMisc4562Data where"
                            " Company_Id = " +
                            sqlNumber(lngID) + " And Year = " + sqlNumber(intYear));
    });
}

std::int16_t DeprSupport::CheckForMisc4562(std::int16_t intYear, std::int32_t lngCompanyId) {
    return passOn("DeprSupport", "CheckForMisc4562", [&] {
        const std::int32_t count =
            ReturnDbData("SELECT count(*) FROM tblMisc4562Data"
                         " WHERE year = " +
                         sqlNumber(intYear) + " and Company_Id = " + sqlNumber(lngCompanyId));
        return static_cast<std::int16_t>(count); // at most one row per company and year
    });
}

std::int32_t DeprSupport::CheckFor179Limits(std::int16_t intYear) {
    return passOn("DeprSupport", "CheckFor179Limits", [&] {
        return ReturnDbData("SELECT count(*) FROM tblMax179 WHERE [year] = " + sqlNumber(intYear));
    });
}

std::int32_t DeprSupport::CheckForAutoLimits(std::int16_t intYear) {
    return passOn("DeprSupport", "CheckForAutoLimits", [&] {
        return ReturnDbData("SELECT count(*) FROM tblMaxAuto WHERE [year] = " + sqlNumber(intYear));
    });
}

bool DeprSupport::Save179(std::int32_t lng179Amt, std::int16_t intYear, std::int32_t lngCompanyId) {
    return passOn("DeprSupport", "Save179", [&] {
        const std::string company = sqlNumber(lngCompanyId);
        const std::string year = sqlNumber(intYear);
        const std::string amount = sqlNumber(lng179Amt);
        // The count and the write belong together: no other writer can add the year's row
        // between them.
        Connection& conn = requireConnection();
        Transaction tx(conn);
        const std::int32_t rows = ReturnDbData(
            "SELECT count(*) from tblMisc4562Data where company_Id = " + company + " and [Year] = " + year);
        const std::string sql = rows < 1
                                    ? "INSERT INTO tblMisc4562Data (Company_Id, [Year], [179 Carryover]) "
                                      " Values(" +
                                          company + ", " + year + ", " + amount + ") "
                                    : "UPDATE tblMisc4562Data SET [179 Carryover] = " + amount +
                                          " where Company_Id = " + company + " and [Year]= " + year;
        const bool ok = ExecuteQuery(sql, &conn);
        tx.commit();
        return ok;
    });
}

} // namespace qel
