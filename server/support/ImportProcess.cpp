// DeprSupport: the processing of imported assets. The program completes each marked row
// (fiscal dates, method caption, vehicle number) from GetImportedAssetsToUpdate; then
// ProcessImportedAssets runs the engine for the tax book of every marked row and clears the
// marks.
//
// An asset the completion numbered as a vehicle runs as one, held within the first-year and
// later limits of its calendar in-service year (server/support/VehicleLimit.h chooses the limits
// of an imported vehicle, which the sheet check has already checked its deductions against).
//
// A run is one transaction, in which the engine's runs share it as a DeprBatch. An asset whose
// engine run is refused keeps its mark (so the next run takes it again) and is reported with the
// others that failed once the run is stored; the assets that succeeded keep their schedules and
// lose their marks. A failure that leaves an asset part-written ends the whole run.
#include "server/support/DeprSupport.h"

#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/engine/CalcDepr.h"
#include "server/engine/DeprYear.h"
#include "server/support/AssetCodes.h"
#include "server/support/ImportRun.h"
#include "server/support/VehicleLimit.h"

#include <sqlite3.h>

#include <vector>

namespace qel {
namespace {

// The Federal (tax) book, the only book the import computes.
constexpr std::int16_t kTaxBook = 1;

// The current row's value of a field the run needs; a Null is refused.
Variant required(const Recordset& rs, const char* field) {
    Variant v = rs[field];
    if (v.isNull())
        throw ServerError(kErrInvalidUseOfNull, "DeprSupport",
                          std::string("Invalid use of Null: the field ") + field + " is empty.",
                          ErrorKind::Conversion);
    return v;
}

// The statement of both row sets: the company's marked rows whose method is known.
std::string markedRows(const std::string& selectList, std::int32_t company) {
    return selectList +
           " FROM tblAssets INNER JOIN tblDeprMethods ON tblAssets.depr_method = tblDeprMethods.ID" +
           " Where DoImportDepr = " + sqlBool(true) + " and company_Id = " + sqlNumber(company);
}

// The vehicle letter of a row: the imported vehicles' type for a row the completion numbered as
// a vehicle (or that still waits for its number, -1), "N" for any other.
std::string vehicleLetter(const Variant& vehicleNum) {
    return !vehicleNum.isNull() && vehicleNum.toInt64() != 0 ? import::kVehicleType : "N";
}

// Loads the limits of an imported vehicle for its run: those of the calendar year of its fiscal
// in-service date. Refuses a vehicle whose year has no limits for its allowance, which the engine
// would otherwise run without a first-year limit.
void loadVehicleLimits(std::int32_t company, const Date& fiscalStart, std::int32_t allowance,
                       double allowanceBase) {
    const int year = depr::calendarYearOf(fiscalStart, GetFiscalEndMth(company));
    const import::VehicleLimit limit =
        import::importedVehicleLimit(import::toInt16(year, "the in-service year"), allowance, allowanceBase);
    if (limit.firstYear <= 0)
        throw ServerError::invalidArgument("DeprSupport",
                                           "The imported vehicle has " + import::missingLimit(limit) +
                                               "; enter them under Maintenance\\Auto Max Limits.");
}

struct Failure {
    std::int32_t asset;
    std::string cause;
    std::int32_t number;
    ErrorKind kind;
};

// The most asset numbers a failure report lists; the rest are counted.
constexpr std::size_t kListedFailures = 10;

// The report of the assets whose run failed: how many, the first ten of them, and the first
// cause. A run of thousands of assets that all fail gives a report of one line, not one that
// lists every asset.
ServerError failureReport(const std::vector<Failure>& failures, std::size_t processed) {
    std::string assets;
    for (std::size_t i = 0; i < failures.size() && i < kListedFailures; ++i)
        assets += (assets.empty() ? "" : ", ") + std::to_string(failures[i].asset);
    if (failures.size() > kListedFailures)
        assets += " and " + std::to_string(failures.size() - kListedFailures) + " more";
    const auto& first = failures.front();
    return ServerError(first.number, "DeprSupport",
                       std::to_string(failures.size()) + " of " + std::to_string(processed) +
                           " imported assets could not be depreciated and stay marked for the next run: " +
                           assets + ". Asset " + std::to_string(first.asset) + ": " + first.cause,
                       first.kind);
}

} // namespace

Recordset DeprSupport::GetImportedAssetsToUpdate(std::int32_t lngCompanyId) {
    return passOn("DeprSupport", "GetImportedAssetsToUpdate", [&] {
        return ExecuteQueryReturnRS(
            markedRows("SELECT Company_Id, Asset_num, sold_date, Method, Life AS Life,"
                       " in_service_date AS in_service_date, book_life, vehicle_num",
                       lngCompanyId));
    });
}

Recordset DeprSupport::GetImportedAssets(std::int32_t lngCompanyId) {
    return passOn("DeprSupport", "GetImportedAssets", [&] {
        return ExecuteQueryReturnRS(
            markedRows("SELECT Company_Id, Asset_num, Cost, [Allowance 30 %],"
                       " bussiness_percent, [179_deduction],  convention,  fiscal_sold_date,"
                       " Method,  sold_amt, other_deductions,  life, vehicle_num,"
                       " fiscal_start_date",
                       lngCompanyId));
    });
}

bool DeprSupport::ResetDoImportDepr(std::int32_t lngCompanyId) {
    return passOn("DeprSupport", "ResetDoImportDepr", [&] {
        return ExecuteQuery("Update tblAssets set DoImportDepr = " + sqlBool(false) +
                            " Where company_Id = " + sqlNumber(lngCompanyId));
    });
}

std::string DeprSupport::GetActualMethod(const std::string& strMethod, double dblBusPercent, double dblLife) {
    return MapMethodForRun(strMethod, dblBusPercent, dblLife).method;
}

bool DeprSupport::DoDeprForImportedAssets(std::int32_t lngCompanyId, std::int32_t lngAssetId,
                                          std::int32_t lngCost, double dblBusPercent,
                                          std::int32_t lngAllowance, std::int32_t lng179,
                                          std::int32_t lngOtherDeductions, std::int32_t lngSalesAmt,
                                          double dblLife, std::int16_t intConvention, const Date& dtInService,
                                          const Date& dtDateSold, const std::string& strMethod,
                                          const std::string& strActualMethod, const std::string& strAuto) {
    return passOn("DeprSupport", " DoDeprForImportedAssets", [&] {
        const std::int32_t basis =
            import::netCost(lngCost, dblBusPercent, lngOtherDeductions, lng179, lngAllowance);
        const import::RunPlan plan = import::planRun(strMethod, strActualMethod, basis, lng179, dblLife);
        if (strAuto != "N" &&
            (plan.run == import::EngineRun::RateTable || plan.run == import::EngineRun::Formula))
            loadVehicleLimits(lngCompanyId, dtInService, lngAllowance,
                              lngCost * dblBusPercent - (static_cast<double>(lngOtherDeductions) + lng179));
        CalcDepr engine;
        switch (plan.run) {
        case import::EngineRun::ZeroListed:
            return engine.DoZeroListed(lngCompanyId, lngAssetId, dtInService, kTaxBook);
        case import::EngineRun::RateTable:
            return engine.DoMacrsDepr(basis, dblLife, lngAllowance, lngCompanyId, lngAssetId, intConvention,
                                      dtInService, dtDateSold, strAuto, lng179, lngSalesAmt, dblBusPercent,
                                      strActualMethod, kTaxBook);
        case import::EngineRun::Formula:
            return engine.DoDepr(basis, plan.formulaLife, intConvention, lngCompanyId, lngAssetId,
                                 dtInService, dtDateSold, strActualMethod, lngSalesAmt, strAuto,
                                 dblBusPercent, kTaxBook);
        case import::EngineRun::None:
            break;
        }
        return true;
    });
}

bool DeprSupport::ProcessImportedAssets(std::int32_t lngCompanyId) {
    return passOn("DeprSupport", " ProcessImportedAssets", [&] {
        Connection& conn = requireConnection();
        // The rows are read under the write lock, so that no row marked meanwhile loses its
        // mark to the reset below without having been run.
        Transaction tx(conn);
        DeprBatch batch(conn);
        Recordset rs = GetImportedAssets(lngCompanyId);
        std::vector<Failure> failures;
        for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext()) {
            const std::int32_t asset = required(rs, "asset_num").toInt32();
            try {
                const std::string strAuto = vehicleLetter(rs["vehicle_num"]);
                const std::string method = required(rs, "Method").toString();
                const double businessPercent = required(rs, "bussiness_percent").toDouble();
                const double life = required(rs, "Life").toDouble();
                const std::string actualMethod = GetActualMethod(method, businessPercent, life);
                const Date fiscalStart = required(rs, "fiscal_start_date").toDate();
                // The program fills the fiscal dates between the import and this run; without
                // them the engine would date the schedule from 1900.
                if (fiscalStart.isNoDate())
                    throw ServerError::invalidArgument("DeprSupport", "its fiscal start date is not set.");
                const bool done = DoDeprForImportedAssets(
                    required(rs, "Company_id").toInt32(), asset, required(rs, "Cost").toInt32(),
                    businessPercent, required(rs, "allowance 30 %").toInt32(),
                    required(rs, "179_deduction").toInt32(), required(rs, "other_deductions").toInt32(),
                    required(rs, "sold_amt").toInt32(), life,
                    import::toInt16(required(rs, "Convention").toInt32(), "the convention"), fiscalStart,
                    required(rs, "fiscal_sold_date").toDate(), method, actualMethod, strAuto);
                if (!done)
                    failures.push_back(
                        {asset, "the depreciation run stored no schedule.", kErrDatabase, ErrorKind::Sql});
            } catch (const ServerError& e) {
                // A failure that made the database undo the whole transaction, or left an asset
                // part-written, ends the run: nothing may be reported as done.
                if (sqlite3_get_autocommit(conn.handle()) || batch.broken())
                    throw;
                failures.push_back({asset, e.description(), e.number(), e.kind()});
            }
        }
        ResetDoImportDepr(lngCompanyId);
        if (!failures.empty()) {
            Statement keep =
                conn.prepare("Update tblAssets set DoImportDepr = " + sqlBool(true) + " Where Asset_num = ?");
            for (const auto& f : failures) {
                keep.bind(1, Variant(f.asset));
                keep.run();
                keep.reset();
            }
        }
        tx.commit();
        if (!failures.empty())
            throw failureReport(failures, rs.RecordCount());
        return true;
    });
}

} // namespace qel
