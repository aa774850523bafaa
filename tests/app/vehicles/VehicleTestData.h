// Vehicles for the vehicle window tests: listed assets with a vehicle number and a yearly row,
// use rows and employer answers, written straight into the test's database copy.
#pragma once

#include "common/SqlLiteral.h"
#include "tests/testsupport/TestData.h"

#include <cstdint>
#include <string>

namespace qel::test {

inline constexpr std::int16_t kVehicleYear = 2010;

// A vehicle of the company placed in service in 2009 with a Federal row of kVehicleYear; its
// asset number. `business` is the asset's own business fraction, which orders the columns.
inline std::int64_t addVehicle(const std::string& name, int vehicle, double business,
                               std::int32_t company = 1) {
    const std::int64_t asset = addAsset({.name = name,
                                         .company = company,
                                         .method = kListed,
                                         .cost = 30000,
                                         .business = business,
                                         .placed = "2009-05-01",
                                         .life = 5,
                                         .convention = kHalfYear,
                                         .vehicle = vehicle,
                                         .caption = "200 DB"});
    addDepr(company, kFederal, asset, kVehicleYear, 800, 1600);
    return asset;
}

// A stored use row of kVehicleYear with the answers Yes, No, Yes.
inline std::string useRowSql(int vehicle, std::int64_t asset, const std::string& business,
                             std::int32_t company = 1) {
    return "INSERT INTO tblAutoUse VALUES (" + sqlNumber(company) + ", " + sqlNumber(kVehicleYear) + ", " +
           sqlNumber(vehicle) + ", " + sqlText(business) + ", '200', '100', 1, 0, 1, 0.5, " +
           sqlNumber(asset) + ")";
}

} // namespace qel::test
