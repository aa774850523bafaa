// The Auto class: vehicle use, the employer's answers and the vehicle use report.
#include "server/reporting/Auto.h"

#include "common/SqlLiteral.h"
#include "server/data/FiscalPeriod.h"

namespace qel {
namespace {

constexpr const char* kClass = "Auto";

// The year's use rows of the company joined to their vehicle and to the vehicle's yearly rows
// of the year; bookCondition narrows the yearly rows to one book or is empty for every book.
std::string useJoin(std::int16_t intYear, std::int32_t lngCompanyId, const std::string& bookCondition) {
    const std::string year = sqlNumber(intYear);
    return " FROM tblAutoUse, tblAssets, tblDepr WHERE tblAutoUse.[year] = " + year +
           " and tblAutoUse.company_Id = " + sqlNumber(lngCompanyId) + " and vehicle_num = [Vehicle #]" +
           " and tblAssets.asset_num = tblDepr.asset_num and tblDepr.[year] = " + year +
           " and tblAutoUse.company_Id = tblassets.company_ID" + bookCondition;
}

// The company's vehicles in service by the year joined to their yearly rows of the year.
std::string vehicleJoin(std::int32_t lngCompanyId, std::int16_t intYear, const std::string& bookCondition) {
    return " from tblAssets, tblDepr WHERE Company_Id = " + sqlNumber(lngCompanyId) + " and " +
           fiscalYearOf("fiscal_start_date") + " <= " + sqlNumber(intYear) +
           " and vehicle_num > 0 and tblAssets.asset_num = tbldepr.asset_num and tblDepr.[year] = " +
           sqlNumber(intYear) + bookCondition;
}

} // namespace

bool Auto::AddAutoUse(const std::string& strValues, std::int32_t lngCompanyId, std::int16_t intYear,
                      std::int16_t intVehicleId) {
    return passOn(kClass, "AddAutoUse", [&] {
        Transaction tx(requireConnection());
        ExecuteQuery("Delete from tblAutoUse where Company_Id = " + sqlNumber(lngCompanyId) +
                     " and [Year] = " + sqlNumber(intYear) + " and [Vehicle #] = " + sqlNumber(intVehicleId));
        ExecuteQuery("INSERT INTO tblAutoUse (Company_Id, [year], [Vehicle #], "
                     " [Business Miles], [Commuting Miles], [Personal Miles]"
                     " ,[Available Personal Use off Hours], [Driver 5 percent Owner],"
                     " [Another Car Available], bpercent, asset_id) Values(" +
                     strValues + ") ");
        tx.commit();
        return true;
    });
}

Recordset Auto::GetAutoUse(std::int16_t intYear, std::int32_t lngCompanyId) {
    return passOn(kClass, "GetAutoUse", [&] {
        return ExecuteQueryReturnRS(
            "SELECT tblAssets.asset_num, [Vehicle #], [Business Miles], [Commuting Miles],"
            " [Personal Miles], [Available Personal Use off Hours],"
            " [Driver 5 percent Owner], [Another Car Available]" +
            useJoin(intYear, lngCompanyId, " and bookid = 1") +
            " ORDER BY bussiness_percent desc , [Vehicle #]");
    });
}

Recordset Auto::GetAutoUseReport(std::int16_t intYear, std::int32_t lngCompanyId) {
    return passOn(kClass, "GetAutoUseReport", [&] {
        // The report read back is the one this call built: rebuild and read in one transaction.
        Transaction tx(requireConnection());
        ExecuteQuery("Delete from tblAutoUseReport ");
        ExecuteQuery("INSERT INTO tblAutoUseReport ( Description, [Vehicle #], Company_Id, Business_Percent )"
                     "SELECT tblAssets.Asset_name, tblAssets.vehicle_num, tblAssets.Company_Id,"
                     " tblAssets.bussiness_percent"
                     " FROM tblAssets INNER JOIN tblDepr ON tblAssets.Asset_num = tblDepr.asset_num"
                     " WHERE (((tblAssets.vehicle_num) > 0) AND ((tblAssets.Company_Id) = " +
                     sqlNumber(lngCompanyId) + ") AND ((tblDepr.[Year]) = " + sqlNumber(intYear) +
                     ") and bookId = 1)");
        ExecuteQuery("UPDATE tblAutoUseReport SET [Business Miles] = tblAutoUse.[Business Miles],"
                     " [Commuting Miles] = tblAutoUse.[Commuting Miles],"
                     " [Personal Miles] = tblAutoUse.[Personal Miles],"
                     " [Available Personal] = tblAutoUse.[Available Personal Use off Hours],"
                     " [5 % Owner] = tblAutoUse.[Driver 5 percent Owner],"
                     " [Another Car] = tblAutoUse.[Another Car Available], Display_Data = " +
                     sqlBool(true) +
                     " FROM tblAutoUse WHERE tblAutoUse.Company_Id = tblAutoUseReport.Company_Id"
                     " AND tblAutoUse.[Vehicle #] = tblAutoUseReport.[Vehicle #] AND tblAutoUse.[Year] = " +
                     sqlNumber(intYear));
        Recordset rs = ExecuteQueryReturnRS(
            "Select * from tblAutoUseReport ORDER BY business_percent desc , [Vehicle #] ");
        tx.commit();
        return rs;
    });
}

std::int32_t Auto::GetNextVehicleNum(std::int16_t /*intYear*/, std::int32_t lngCompanyId) {
    return passOn(kClass, "GetNextVehicleNum", [&] {
        return ReturnDbData("SELECT max(Vehicle_num) From tblAssets Where company_Id = " +
                            sqlNumber(lngCompanyId)) +
               1;
    });
}

Recordset Auto::GetVehicleDescription(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn(kClass, "GetVehicleDescription", [&] {
        return ExecuteQueryReturnRS("SELECT Asset_name, vehicle_num, tblAssets.asset_num" +
                                    vehicleJoin(lngCompanyId, intYear, " and bookid = 1") +
                                    " order by bussiness_percent desc, vehicle_num ");
    });
}

bool Auto::AddAutoQst(const std::string& strValues) {
    return passOn(kClass, "AddAutoQst", [&] {
        // The table keys the answers by company and year, so a second save replaces the first.
        ExecuteQuery("INSERT OR REPLACE INTO tblAutoQuestions (Company_Id, [year], "
                     " [No Personal Use], [Commuting Allowed], [All Personal Use]"
                     " ,[More 5 Cars & keep Track], [Meet Requirements]"
                     " ) Values(" +
                     strValues + ") ");
        return true;
    });
}

std::int32_t Auto::CheckAutoUse(std::int32_t lngCompanyId, std::int16_t intYear, std::int16_t intVehicleNum) {
    return passOn(kClass, "CheckAutoUse", [&] {
        if (intVehicleNum >= 1)
            return ReturnDbData(
                "SELECT count(*) from tblAutoUse  Where Company_Id = " + sqlNumber(lngCompanyId) +
                " and [Year] = " + sqlNumber(intYear) + " and [vehicle #] = " + sqlNumber(intVehicleNum));
        return ReturnDbData("SELECT count(* )" + useJoin(intYear, lngCompanyId, ""));
    });
}

std::int32_t Auto::ActiveAutos(std::int32_t lngCompanyId, std::int16_t intYear) {
    return passOn(kClass, "ActiveAutos",
                  [&] { return ReturnDbData("SELECT count(* )" + vehicleJoin(lngCompanyId, intYear, "")); });
}

Recordset Auto::GetAutoQst(std::int16_t intYear, std::int32_t lngCompanyId) {
    return passOn(kClass, "GetAutoQst", [&] {
        return ExecuteQueryReturnRS("SELECT  [No Personal Use], [Commuting Allowed], [All Personal Use]"
                                    " ,[More 5 Cars & keep Track], [Meet Requirements]"
                                    " From tblAutoQuestions Where year = " +
                                    sqlNumber(intYear) + " and company_Id = " + sqlNumber(lngCompanyId));
    });
}

void Auto::DeleteVehicle(std::int16_t intYear, std::int32_t lngCompanyId, const Variant& lngVehicleID) {
    passOn(kClass, "DeleteVehicle", [&] {
        ExecuteQuery("Delete from tblAutoUse Where year = " + sqlNumber(intYear) +
                         " and company_Id = " + sqlNumber(lngCompanyId) + " And [Vehicle #] = ?",
                     nullptr, {lngVehicleID});
    });
}

void Auto::DeleteAutoQst(std::int16_t intYear, std::int32_t lngCompanyId) {
    passOn(kClass, "DeleteAutoQst", [&] {
        ExecuteQuery("Delete from tblAutoQuestions Where year = " + sqlNumber(intYear) +
                     " and company_Id = " + sqlNumber(lngCompanyId));
    });
}

} // namespace qel
