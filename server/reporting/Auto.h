// Auto: a company's vehicles for Form 4562 Part V — the yearly use of each vehicle (Section B,
// tblAutoUse), the employer's five answers (Section C, tblAutoQuestions), the vehicles in
// service in a year, the next free vehicle number, and the "Auto Use" report rebuilt in the
// work table tblAutoUseReport.
//
// A vehicle is an asset whose vehicle_num is above 0; numbers count per company. Years are
// fiscal years, matched against the [year] columns of tblDepr, tblAutoUse and tblAutoQuestions.
// The lists read the Federal tax book (bookId 1); the two counts ActiveAutos and CheckAutoUse
// without a vehicle number count a vehicle once per yearly row in every book, so that the
// vehicle forms can compare them with each other.
//
// Every operation fails as ServerError number kPassedThrough with "Auto" and its own name as
// help file and help context; the description keeps the cause.
#pragma once

#include "common/Recordset.h"
#include "common/Variant.h"
#include "server/data/Database.h"

#include <cstdint>
#include <string>

namespace qel {

class Auto : public ServerObject {
public:
    // Replaces the use row of the company, year and vehicle number intVehicleId with one row made
    // of strValues: the ready SQL values of Company_Id, [year], [Vehicle #], the three mileages
    // (quoted), the three answers of lines 34 to 36, bpercent and asset_id, inserted as given.
    // The delete and the insert land together or not at all. True, or raises.
    bool AddAutoUse(const std::string& strValues, std::int32_t lngCompanyId, std::int16_t intYear,
                    std::int16_t intVehicleId);

    // The year's use rows of the company whose vehicle has a tax-book row of the year: asset_num,
    // [Vehicle #], the three mileages as stored and the three answers; ordered by the asset's own
    // business fraction descending, then vehicle number.
    Recordset GetAutoUse(std::int16_t intYear, std::int32_t lngCompanyId);

    // Rebuilds tblAutoUseReport (for all companies, one company at a time) with one row per
    // vehicle of the company that has a tax-book row of the year, fills in the year's use where
    // there is some (Display_Data then true) and returns every column of the table, ordered by the
    // asset's business fraction descending, then vehicle number. The rebuild is atomic.
    Recordset GetAutoUseReport(std::int16_t intYear, std::int32_t lngCompanyId);

    // The company's highest vehicle number plus 1 (1 for a company without vehicles). The year
    // is not used.
    std::int32_t GetNextVehicleNum(std::int16_t intYear, std::int32_t lngCompanyId);

    // The company's vehicles in service by the year (fiscal start year at most intYear) with a
    // tax-book row of the year: Asset_name, vehicle_num, asset_num; ordered by business fraction
    // descending, then vehicle number. The first six are the columns of Form 4562 Section B.
    Recordset GetVehicleDescription(std::int32_t lngCompanyId, std::int16_t intYear);

    // Saves the employer's answers from strValues: the ready SQL values of Company_Id, [year] and
    // the five answers of lines 37 to 41. The company and year keep one row: saving again
    // replaces the earlier answers. True, or raises.
    bool AddAutoQst(const std::string& strValues);

    // With intVehicleNum of 1 or more: the number of use rows of that vehicle and year (0 or 1).
    // Below 1: the year's use rows of the company joined to their vehicles' yearly rows of the
    // year in every book, counted once per such row.
    std::int32_t CheckAutoUse(std::int32_t lngCompanyId, std::int16_t intYear,
                              std::int16_t intVehicleNum = 0);

    // The yearly rows of the year, in every book, of the company's vehicles whose fiscal start
    // year is not after intYear (a vehicle with a tax and an AMT row counts twice).
    std::int32_t ActiveAutos(std::int32_t lngCompanyId, std::int16_t intYear);

    // The employer's answers of the company and year: [No Personal Use], [Commuting Allowed],
    // [All Personal Use], [More 5 Cars & keep Track], [Meet Requirements]; no row when the year
    // has not been answered.
    Recordset GetAutoQst(std::int16_t intYear, std::int32_t lngCompanyId);

    // Deletes the use row of the year, company and vehicle number lngVehicleID (bound as given;
    // a value that is no vehicle number deletes nothing). No row is no error.
    void DeleteVehicle(std::int16_t intYear, std::int32_t lngCompanyId, const Variant& lngVehicleID);

    // Deletes the employer's answers of the year and company. No row is no error.
    void DeleteAutoQst(std::int16_t intYear, std::int32_t lngCompanyId);
};

} // namespace qel
