// CalcDepr: the depreciation engine, the only writer of the yearly depreciation rows (tblDepr).
//
// A run replaces an asset's rows of one book by one row per fiscal year from the year it was
// placed in service until its basis is used up or it is sold, and for the Federal book (1) sets
// the asset's gain or loss when it is sold (that of its business part: the business fraction of
// the sale price less the basis not yet depreciated): DoMacrsDepr for "MACRS" and "MACRS 150"
// (rates from the MACRS tables), DoDepr for "S/L", "Amortize", "ADS", "Macrs27", "Macrs31",
// "Macrs39" (rates from formulas), DoZeroListed for listed property whose basis went to section
// 179. Vehicles (strAuto other than "N") are held within the caps that the last GetAutoMaxRates
// of the calling thread loaded for the vehicle's calendar in-service year and type (a run
// without them is refused), weighted by each year's business use, and continue after the table
// years until their basis is used up. CreateSLSchdeule leaves the financial book's straight-line
// schedule in the work table txtMisc.
//
// The stored yearly amounts add up to the accumulated amount: whole dollars for an asset that is
// no vehicle, ending at its basis rounded to whole dollars; cents for a vehicle (DeprRun.h, Row).
// Rows written by an earlier version keep their amounts until the asset's next run.
//
// Each run's input is checked and its rows computed before anything is touched; a refused input,
// or any failure, leaves the book's previous rows as they were (every run is one transaction, a
// savepoint inside a caller's transaction; see DeprBatch for runs that share the caller's
// transaction). Failures leave as ServerError number kPassedThrough with "CalcDepr" and
// the operation's name, the cause kept; ReturnDouble and CreateSLSchdeule pass the error on as it
// reached them. Dates are fiscal dates: the month number is the fiscal month (1 = first month of
// the fiscal year) and the year the fiscal year; 1900-01-01 means not sold. Amounts are dollars.
//
// The object keeps no state. The vehicle caps are per thread and live as long as the thread.
// The arithmetic lives in DeprYear.h and DeprRun.h, the statements in DeprStore.h.
#pragma once

#include "common/Date.h"
#include "server/data/Database.h"

#include <cstdint>
#include <functional>
#include <string>

namespace qel {

class CalcDepr : public ServerObject {
public:
    // Gives listed property whose basis is used up by section 179 one row of 0 for its fiscal
    // in-service year in the book, replacing the book's rows of the asset. True.
    bool DoZeroListed(std::int32_t lngCompanyId, std::int32_t lngAssetId, const Date& dtInService,
                      std::int16_t bookId);

    // Rate-table run of dblNetCost (basis after business use, section 179 and allowance) over
    // dblLife years with the convention's table (tblMacrs + convention name, + "150" when
    // strMethod is exactly "MACRS 150"). dblBonus and lng179 are the first-year allowance and
    // section 179 expense, which the vehicle caps count; lngSalesAmt the sale price, of which
    // dblBusPercent counts against the basis for the gain or loss. True.
    // Refused: a life below 1, an unknown convention, a life the table has no rates for, a
    // vehicle without business use, a vehicle without caps loaded for its calendar in-service
    // year (from dtInService and the company's fiscal year-end month) and type ("no vehicle
    // limits for 1996 Gas: add them under the auto rates"), a sale before the in-service date,
    // an unknown book.
    bool DoMacrsDepr(double dblNetCost, double dblLife, double dblBonus, std::int32_t lngCompanyId,
                     std::int32_t lngAssetId, std::int16_t intConvention, const Date& dtInService,
                     const Date& dtDateSold, const std::string& strAuto, std::int64_t lng179,
                     std::int64_t lngSalesAmt, double dblBusPercent, const std::string& strMethod,
                     std::int16_t bookId);

    // Loads the thread's vehicle caps of the calendar in-service year and type ("G" Gas, "E"
    // Electric, "T" Truck/Van) from tblMaxAuto and remembers the bonus code (3: 30 % allowance,
    // 5: 50 % or 100 %). Returns the first-year cap that applies in whole dollars ([Yr 1 + 30%]
    // for 3, [Yr 1 + 50%] for 5, [Max Year 1] otherwise), -3 or -5 when that bonus cap is 0, and
    // 0 when there is no row (the caps stay as they were; a vehicle run of that year and type is
    // refused).
    std::int32_t GetAutoMaxRates(const std::string& strAuto, std::int16_t intYear, std::int16_t intBonus);

    // Formula run of NetCost over Life years for strMethod "S/L", "Amortize", "ADS", "Macrs27",
    // "Macrs31" or "Macrs39" (lives 28, 32, 39 for the last three). True. Refused as DoMacrsDepr,
    // and also any other method, "ADS" with the convention None, and a vehicle whose basis is 0.
    bool DoDepr(double NetCost, std::int16_t Life, std::int16_t intConvention, std::int32_t lngCompanyId,
                std::int32_t lngAssetId, const Date& dtInService, const Date& dtDateSold,
                const std::string& strMethod, std::int64_t lngSalesAmt, const std::string& strAuto,
                double dblBusPercent, std::int16_t bookId);

    // Older vehicle continuation: adds rows of dbldepr a year from intInServiceYear on until the
    // accumulated amount (from dblAccumDepr) reaches dblNetCost, the last cut to it. The rows
    // name no book and so belong to the Federal book. Nothing is deleted first.
    void FinishAutoDepr(double dblNetCost, double dblAccumDepr, double dbldepr, std::int16_t intInServiceYear,
                        std::int32_t lngCompanyId, std::int32_t lngAssetId);

    // Vehicle continuation after the table years: adds the book's rows from intInServiceYear on.
    // dblUnRecoveredBalance is the full-use basis left; each year it shrinks by dbldepr (the last
    // year cut to it) and the row takes the year's business share of that (the year's vehicle
    // use, else dblBusPercent), in cents; not past intSoldYear (0 = unsold); it ends when the
    // business share of dbldepr rounds to 0. dblAccumDepr is the accumulated amount before.
    // dblNetCost and lng179 are not used. Nothing is deleted first; no gain or loss is set.
    void FinishAutoDepr_P(double dblNetCost, double dblAccumDepr, double dbldepr,
                          std::int16_t intInServiceYear, std::int32_t lngCompanyId, std::int32_t lngAssetId,
                          std::int64_t lng179, double dblBusPercent, std::int16_t intSoldYear,
                          double dblUnRecoveredBalance, std::int16_t bookId);

    // Writes the asset's gain_loss: lngsalesPrice + the highest accumulated depreciation of its
    // Federal book rows - lngBasis, in whole dollars. True.
    bool DoGainLoss(std::int32_t lngAssetId, std::int64_t lngBasis, std::int64_t lngsalesPrice);

    // The business-use fraction of the vehicle use row of the year, company and asset; 0 when
    // there is none.
    double GetBusinessPercent(std::int16_t intYear, std::int32_t lngCompanyId, std::int32_t lngAssetId);

    // The first field of the first row of one query as a double; 0 when there is no row. A Null
    // value fails (invalid use of Null). Errors pass on unchanged.
    double ReturnDouble(const std::string& strSql);

    // Empties txtMisc and writes the straight-line schedule of Cost over Life years into it, one
    // row per year with an amount above 0 (txtfield1 the year as text, numField1 the year's
    // amount, numField2 the accumulated amount), from Year, placed in service in InserviceMonth;
    // the year SoldYear keeps SoldMonth twelfths of its amount and is the last (a year the
    // schedule never reaches means not sold). Year ends at the sale year or the year after the
    // last one computed. True. Refused: a life below 1, a month outside 1 to 12. Errors pass on
    // unchanged.
    bool CreateSLSchdeule(double Cost, double Life, std::int16_t& Year, std::int16_t InserviceMonth,
                          std::int16_t SoldYear, std::int16_t SoldMonth);
};

// Runs of CalcDepr inside a transaction that the caller already holds and whose failures it
// handles asset by asset, as the processing of imported assets does. While a DeprBatch lives, the
// runs of its thread on its connection write straight into the caller's transaction instead of
// each opening a savepoint, whose statement journal would cost a quarter of a run. A run checks
// its input and computes its rows before its first write, so a refused run leaves nothing behind;
// a failure during its writes leaves that asset part-written and marks the batch broken: the
// caller must then let its whole transaction roll back. Batches nest; the inner one applies.
class DeprBatch {
public:
    // Refuses (InvalidArgument) a connection without an open transaction.
    explicit DeprBatch(Connection& conn);
    ~DeprBatch();
    DeprBatch(const DeprBatch&) = delete;
    DeprBatch& operator=(const DeprBatch&) = delete;

    // True once a run failed part-way through its writes.
    bool broken() const { return broken_; }

private:
    friend void writeRun(Connection& conn, const std::function<void()>& write);

    Connection& conn_;
    DeprBatch* outer_; // the batch this one hides, restored when it ends
    bool broken_ = false;
};

} // namespace qel
