// What the vehicle windows read and write, through the data server's Auto and db classes: the
// vehicle columns of a year, the stored use rows, the employer's answers, the saving and
// deleting of both, and the two completeness checks other windows ask for.
//
// Every function throws the data server's ServerError on a failure; the windows show it.
#pragma once

#include "app/vehicles/rules/AutoQstRules.h"
#include "app/vehicles/rules/AutoUseRules.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qel {

// The columns of the company's vehicles in service in the year (see vehicleColumns).
VehicleTable loadVehicleColumns(std::int32_t companyId, std::int16_t year);

// One stored use row of the year. A mileage without a value is nullopt; an answer without a
// value counts as No.
struct StoredUse {
    std::int32_t vehicleNumber = 0;
    std::optional<std::string> business;
    std::optional<std::string> commuting;
    std::optional<std::string> personal;
    bool offDuty = false;
    bool fiveOwner = false;
    bool another = false;
};

// The company's stored use rows of the year whose vehicle has a tax-book row of the year, in
// column order.
std::vector<StoredUse> loadStoredUse(std::int32_t companyId, std::int16_t year);

// Stores the use row of every changed column that shows a vehicle, with its business fraction,
// all in one transaction: either every such column is stored or none is. The entries must have
// passed checkUseEntries. Throws on a failure (nothing is then stored), also when the data
// server does not confirm a column. Returns the columns (1 to 6) stored.
std::vector<int> storeUseColumns(std::int32_t companyId, std::int16_t year, const VehicleTable& table,
                                 const UseEntries& entries);

// Deletes the stored use row of the vehicle number and year; nothing for a number no row has.
void deleteVehicleUse(std::int32_t companyId, std::int16_t year, std::int32_t vehicleNumber);

// The employer's stored answers of the year (an answer without a value counts as No); nullopt
// when the year has none.
std::optional<StoredAnswers> loadEmployerAnswers(std::int32_t companyId, std::int16_t year);

// Stores the answers: as a new row when `exists` is false, else by updating the stored row.
void storeEmployerAnswers(std::int32_t companyId, std::int16_t year, const StoredAnswers& answers,
                          bool exists);

// Deletes the employer's answers of the year; no row is no failure.
void deleteEmployerAnswers(std::int32_t companyId, std::int16_t year);

// True when the vehicle has its use row of the year.
bool vehicleUseStored(std::int32_t companyId, std::int16_t year, std::int32_t vehicleNumber);

// True when the vehicle data of the year count as complete for Form 4562: a stored employer
// answer is Yes, or every vehicle in service has its use row (counted once per yearly row in
// every book on both sides). No vehicle in service: true.
bool vehicleUseComplete(std::int32_t companyId, std::int16_t year);

} // namespace qel
