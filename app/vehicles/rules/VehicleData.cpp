// The vehicle windows' reads and writes.
#include "app/vehicles/rules/VehicleData.h"

#include "common/ServerError.h"
#include "server/data/Connection.h"
#include "server/data/Database.h"
#include "server/data/Db.h"
#include "server/reporting/Auto.h"

#include <limits>

namespace qel {
namespace {

constexpr const char* kSource = "modAutoUse";

std::optional<std::string> optionalText(const Variant& v) {
    return v.isNull() ? std::nullopt : std::optional<std::string>(v.toString());
}

template <typename T> std::optional<T> optionalNumber(const Variant& v) {
    if (v.isNull())
        return std::nullopt;
    if constexpr (sizeof(T) == sizeof(std::int64_t))
        return v.toInt64();
    else
        return v.toInt32();
}

// The data server takes a vehicle number as a 16-bit number.
std::int16_t vehicleId(std::int32_t vehicleNumber) {
    if (vehicleNumber < std::numeric_limits<std::int16_t>::min() ||
        vehicleNumber > std::numeric_limits<std::int16_t>::max())
        throw ServerError(kErrOverflow, kSource,
                          "Overflow: vehicle number " + std::to_string(vehicleNumber) +
                              " does not fit a 16-bit number",
                          ErrorKind::Conversion);
    return static_cast<std::int16_t>(vehicleNumber);
}

} // namespace

VehicleTable loadVehicleColumns(std::int32_t companyId, std::int16_t year) {
    Recordset rs = Auto().GetVehicleDescription(companyId, year);
    std::vector<VehicleListing> vehicles;
    // Only the first six vehicles get columns; the rest need not be read.
    for (rs.MoveFirst(); !rs.IsEOF() && vehicles.size() < kVehicleColumns; rs.MoveNext())
        vehicles.push_back({optionalText(rs["asset_name"]), optionalNumber<std::int32_t>(rs["vehicle_num"]),
                            optionalNumber<std::int64_t>(rs["Asset_num"])});
    return vehicleColumns(vehicles);
}

std::vector<StoredUse> loadStoredUse(std::int32_t companyId, std::int16_t year) {
    Recordset rs = Auto().GetAutoUse(year, companyId);
    std::vector<StoredUse> rows;
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        rows.push_back({rs["Vehicle #"].toInt32(), optionalText(rs["Business Miles"]),
                        optionalText(rs["Commuting Miles"]), optionalText(rs["Personal Miles"]),
                        rs["Available Personal Use off Hours"].toBool(),
                        rs["Driver 5 percent Owner"].toBool(), rs["Another Car Available"].toBool()});
    return rows;
}

std::vector<int> storeUseColumns(std::int32_t companyId, std::int16_t year, const VehicleTable& table,
                                 const UseEntries& entries) {
    Auto autos;
    Transaction tx(requireConnection());
    std::vector<int> stored;
    for (int column = 1; column <= kVehicleColumns; ++column) {
        const UseEntry& e = entries[column - 1];
        const VehicleColumn& vehicle = table[column - 1];
        if (!e.changed || !vehicle.enabled)
            continue;
        const UseRow row{.companyId = companyId,
                         .year = year,
                         .vehicleNumber = vehicle.vehicleNumber,
                         .business = e.business,
                         .commuting = e.commuting,
                         .personal = e.personal,
                         .offDuty = e.answers.offDuty.value_or(false),
                         .fiveOwner = e.answers.fiveOwner.value_or(false),
                         .another = e.answers.another.value_or(false),
                         .fraction = businessFraction(e.business, e.commuting, e.personal),
                         .assetNumber = vehicle.assetNumber};
        if (!autos.AddAutoUse(autoUseValues(row), companyId, year, vehicleId(vehicle.vehicleNumber)))
            throw ServerError(kErrDatabase, kSource,
                              "The use of vehicle " + std::to_string(column) + " was not stored",
                              ErrorKind::Sql);
        stored.push_back(column);
    }
    tx.commit();
    return stored;
}

void deleteVehicleUse(std::int32_t companyId, std::int16_t year, std::int32_t vehicleNumber) {
    Auto().DeleteVehicle(year, companyId, Variant(vehicleNumber));
}

std::optional<StoredAnswers> loadEmployerAnswers(std::int32_t companyId, std::int16_t year) {
    Recordset rs = Auto().GetAutoQst(year, companyId);
    if (rs.IsEOF())
        return std::nullopt;
    rs.MoveFirst();
    StoredAnswers answers{};
    for (int q = 0; q < kEmployerQuestions; ++q)
        answers[q] = rs[kEmployerQuestionTable[q].column].toBool();
    return answers;
}

void storeEmployerAnswers(std::int32_t companyId, std::int16_t year, const StoredAnswers& answers,
                          bool exists) {
    if (exists)
        db().ExecuteSql(autoQstUpdate(companyId, year, answers));
    else
        Auto().AddAutoQst(autoQstValues(companyId, year, answers));
}

void deleteEmployerAnswers(std::int32_t companyId, std::int16_t year) {
    Auto().DeleteAutoQst(year, companyId);
}

bool vehicleUseStored(std::int32_t companyId, std::int16_t year, std::int32_t vehicleNumber) {
    return vehicleNumber >= 1 && Auto().CheckAutoUse(companyId, year, vehicleId(vehicleNumber)) == 1;
}

bool vehicleUseComplete(std::int32_t companyId, std::int16_t year) {
    Auto autos;
    const std::int32_t active = autos.ActiveAutos(companyId, year);
    if (const std::optional<StoredAnswers> answers = loadEmployerAnswers(companyId, year);
        answers && anyYes(*answers))
        return true;
    return autos.CheckAutoUse(companyId, year) >= active;
}

} // namespace qel
