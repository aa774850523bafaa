// CalcDepr's runs and lookups: the rate-table and formula runs, zero-basis listed property, the
// gain or loss, the one-value query and the financial book's straight-line schedule. The
// vehicle operations are in CalcDeprVehicle.cpp.
#include "server/engine/CalcDepr.h"

#include "common/Convert.h"
#include "server/engine/DeprRun.h"
#include "server/engine/DeprStore.h"

#include <algorithm>

namespace qel {
namespace {

const char* const kClass = "CalcDepr";

depr::RunAsset runAsset(double netCost, std::int16_t convention, const Date& inService, const Date& sold,
                        const std::string& strAuto, double busPercent) {
    depr::RunAsset asset;
    asset.netCost = netCost;
    asset.convention = convention;
    asset.inService = inService;
    asset.sold = sold;
    asset.vehicle = strAuto != "N";
    asset.busPercent = busPercent;
    return asset;
}

// Refuses a vehicle run unless the thread's caps were loaded for the vehicle's calendar
// in-service year and type.
void requireVehicleCaps(DeprStore& store, const depr::RunAsset& run, std::int32_t company,
                        const std::string& strAuto) {
    if (!run.vehicle)
        return;
    const int year = depr::calendarYearOf(run.inService, store.yearEndMonth(company));
    depr::checkVehicleCaps(threadAutoCaps(), year, depr::maxAutoType(strAuto));
}

// Replaces the asset's rows of the book by `rows` as one write and, for the Federal book of a
// sold asset, writes the gain or loss from the rows just written (they are all of the asset's
// Federal rows). A sale after the last row written (the schedule was used up before it) sets the
// gain or loss as well. The basis is the business share of the cost (the run's business
// fraction made it), so the gain sets the same share of the sale price against it.
void replaceRows(Connection& conn, std::int32_t company, std::int16_t book, std::int32_t asset,
                 const std::vector<depr::Row>& rows, const depr::RunAsset& run, std::int64_t salesAmt) {
    DeprStore store(conn);
    writeRun(conn, [&] {
        store.replaceRows(company, book, asset, rows);
        if (book == kFederalBook && run.isSold()) {
            double highest = 0;
            for (const depr::Row& row : rows)
                highest = std::max(highest, row.accum);
            store.writeGainLoss(asset, static_cast<std::int64_t>(roundHalfEven(run.netCost)), salesAmt,
                                run.busPercent, highest);
        }
    });
}

} // namespace

bool CalcDepr::DoZeroListed(std::int32_t lngCompanyId, std::int32_t lngAssetId, const Date& dtInService,
                            std::int16_t bookId) {
    return passOn(kClass, "DoZeroListed", [&] {
        checkBook(bookId);
        if (dtInService.isNoDate())
            throw ServerError::invalidArgument(kClass, "The asset has no in-service date.");
        Connection& conn = requireConnection();
        DeprStore store(conn);
        writeRun(conn, [&] {
            store.deleteRows(lngAssetId, bookId);
            store.insertRows(lngCompanyId, bookId, lngAssetId, {{dtInService.year(), 0, 0}});
        });
        return true;
    });
}

bool CalcDepr::DoMacrsDepr(double dblNetCost, double dblLife, double dblBonus, std::int32_t lngCompanyId,
                           std::int32_t lngAssetId, std::int16_t intConvention, const Date& dtInService,
                           const Date& dtDateSold, const std::string& strAuto, std::int64_t lng179,
                           std::int64_t lngSalesAmt, double dblBusPercent, const std::string& strMethod,
                           std::int16_t bookId) {
    return passOn(kClass, "DoMacrsDepr", [&] {
        depr::RunAsset asset =
            runAsset(dblNetCost, intConvention, dtInService, dtDateSold, strAuto, dblBusPercent);
        asset.bonus = dblBonus;
        asset.sec179 = static_cast<double>(lng179);
        depr::checkMacrsRun(asset, dblLife);
        checkBook(bookId);

        Connection& conn = requireConnection();
        DeprStore store(conn);
        requireVehicleCaps(store, asset, lngCompanyId, strAuto);
        const std::string convention = depr::conventionName(intConvention, dtInService.month());
        const std::string table = "tblMacrs" + convention + (strMethod == "MACRS 150" ? "150" : "");
        const std::vector<double> rates = store.readRates(table, convention + formatNumber(dblLife));
        const auto rows = depr::macrsSchedule(asset, dblLife, rates, threadAutoCaps(), [&](int year) {
            return store.businessPercent(year, lngCompanyId, lngAssetId);
        });
        replaceRows(conn, lngCompanyId, bookId, lngAssetId, rows, asset, lngSalesAmt);
        return true;
    });
}

bool CalcDepr::DoDepr(double NetCost, std::int16_t Life, std::int16_t intConvention,
                      std::int32_t lngCompanyId, std::int32_t lngAssetId, const Date& dtInService,
                      const Date& dtDateSold, const std::string& strMethod, std::int64_t lngSalesAmt,
                      const std::string& strAuto, double dblBusPercent, std::int16_t bookId) {
    return passOn(kClass, "DoDepr", [&] {
        const depr::RunAsset asset =
            runAsset(NetCost, intConvention, dtInService, dtDateSold, strAuto, dblBusPercent);
        depr::checkFormulaRun(asset, strMethod, Life);
        checkBook(bookId);

        Connection& conn = requireConnection();
        DeprStore store(conn);
        requireVehicleCaps(store, asset, lngCompanyId, strAuto);
        const auto rows = depr::formulaSchedule(
            asset, *depr::formulaFromText(strMethod), Life, threadAutoCaps(),
            [&](int year) { return store.businessPercent(year, lngCompanyId, lngAssetId); });
        replaceRows(conn, lngCompanyId, bookId, lngAssetId, rows, asset, lngSalesAmt);
        return true;
    });
}

bool CalcDepr::DoGainLoss(std::int32_t lngAssetId, std::int64_t lngBasis, std::int64_t lngsalesPrice) {
    return passOn(kClass, "DoGainLoss", [&] {
        DeprStore(requireConnection()).setGainLoss(lngAssetId, lngBasis, lngsalesPrice);
        return true;
    });
}

double CalcDepr::ReturnDouble(const std::string& strSql) {
    Statement statement = requireConnection().prepare(strSql);
    if (!statement.step())
        return 0;
    const Variant value = statement.column(0);
    if (value.isNull())
        throw ServerError(kErrInvalidUseOfNull, kClass,
                          "Invalid use of Null: the query gave an empty value: " + strSql,
                          ErrorKind::Conversion);
    return value.toDouble();
}

bool CalcDepr::CreateSLSchdeule(double Cost, double Life, std::int16_t& Year, std::int16_t InserviceMonth,
                                std::int16_t SoldYear, std::int16_t SoldMonth) {
    depr::checkBookSchedule(Cost, Life, InserviceMonth);
    const depr::BookSchedule schedule =
        depr::bookSlSchedule(Cost, Life, Year, InserviceMonth, SoldYear, SoldMonth);
    Connection& conn = requireConnection();
    Transaction tx(conn);
    conn.cached("Delete from txtMisc ").run();
    Statement& insert = conn.cached("Insert into txtMisc (txtfield1, numField1, numField2) Values(?, ?, ?)");
    for (const depr::Row& row : schedule.rows) {
        insert.bind(1, std::to_string(row.year)).bind(2, row.depr).bind(3, row.accum);
        insert.run();
        insert.reset();
    }
    tx.commit();
    Year = static_cast<std::int16_t>(schedule.year);
    return true;
}

} // namespace qel
