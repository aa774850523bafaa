// The engine's runs as pure functions: an asset's whole yearly schedule in one book from its
// basis, dates, convention and method (rate-table MACRS, the formula methods), the vehicle
// continuation after the table years, and the financial book's straight-line schedule. The rows
// come back in year order; CalcDepr writes them. The only outside input is a vehicle's business
// fraction of a year, which the caller supplies as a function.
#pragma once

#include "common/Date.h"
#include "server/engine/DeprYear.h"

#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace qel::depr {

// One yearly row as it is stored: the fiscal year, the year's depreciation and the accumulated
// depreciation at its end, in dollars. The accumulated amount is the sum of the yearly amounts so
// far: whole dollars for an asset that is no vehicle (the year's amount rounded half to even, the
// final-year fill-up included, so the schedule ends at the basis rounded to whole dollars), cents
// for a vehicle, whose rows are weighted by business use.
struct Row {
    int year = 0;
    double depr = 0;
    double accum = 0;
};

// A vehicle's business fraction of a fiscal year from its use records; 0 when there is none.
using BusinessUse = std::function<double(int year)>;

// What a run knows of the asset.
struct RunAsset {
    double netCost = 0;    // N: depreciable basis in dollars after business use and first-year deductions
    Date inService;        // fiscal start date: its month is the fiscal month, its year the fiscal year
    Date sold;             // fiscal sale date; the "no date" value when not sold
    int convention = 0;    // 1 half year, 2 mid-quarter, 3 mid-month, 4 none
    bool vehicle = false;  // capped by the loaded vehicle caps and weighted by business use
    double busPercent = 1; // the asset's business-use fraction, 0 to 1
    double bonus = 0;      // special depreciation allowance in dollars (rate-table runs only)
    double sec179 = 0;     // section 179 expense in dollars (rate-table runs only)

    bool isSold() const { return !sold.isNoDate(); }
    int soldYear() const { return isSold() ? sold.year() : 0; }
    int soldMonth() const { return isSold() ? sold.month() : 0; }
};

// Refuses a vehicle run whose thread has no caps loaded for the vehicle's calendar in-service
// year and tblMaxAuto type (`type` empty for a vehicle code without a type): InvalidArgument,
// "no vehicle limits for 1996 Gas: add them under the auto rates".
void checkVehicleCaps(const AutoCaps& caps, int year, std::string_view type);

// Refuse a run's input before anything is touched. Each throws ServerError (InvalidArgument,
// source "CalcDepr") naming the fault: no in-service date, a sale before it, a convention
// outside 1 to 4, a life below 1, an amount that is no number, a vehicle without business use;
// checkFormulaRun also a method it does not compute, "ADS" without an averaging convention and a
// vehicle whose basis is 0; checkMacrsRun also a life the rate tables do not hold (3, 5, 7, 10, 15
// and 20 years).
void checkMacrsRun(const RunAsset& asset, double life);
void checkFormulaRun(const RunAsset& asset, std::string_view method, int life);

// The rows of a rate-table (MACRS) run: one per rate (rates[n - 1] is recovery year n) from the
// in-service year, the sale year prorated by the convention and last, the year life + 1 filled up
// to the basis; for a vehicle each year capped and weighted by business use and, after the table,
// the continuation of the full-use basis the caps held back: the basis at 100 % business use
// (netCost / busPercent, after the section 179 expense and the allowance of that use) less the
// full-use amounts the caps allowed in the table years, each later year the lesser of that
// balance and the yearly amount after the table, times the year's business use. At a steady
// business use the rows so end at the basis. No rows when the asset was sold in its in-service
// year.
std::vector<Row> macrsSchedule(const RunAsset& asset, double life, std::span<const double> rates,
                               const AutoCaps& caps, const BusinessUse& businessUse);

// The rows of a formula run ("S/L", "Amortize", "ADS", "Macrs27", "Macrs31", "Macrs39") over
// `life` years: years 1 to life + 1 by the method's rule, a year whose amount is 0 or less
// without a row, the sale year prorated and last, the accumulated amount of an asset that is no
// vehicle never past the basis; a vehicle as for macrsSchedule (straight line from fiscal month 1
// included: its continuation follows year L).
std::vector<Row> formulaSchedule(const RunAsset& asset, Formula formula, int life, const AutoCaps& caps,
                                 const BusinessUse& businessUse);

// The continuation of a vehicle after its table years, appended to `out`. `unrecovered` is the
// basis at full business use not yet recovered; each year from `fromYear` on it shrinks by the
// full-use amount `yearly` (the last one cut to the balance), and the year's row takes the
// business share of that amount (the year's use, else `busPercent`) in cents, whatever the share:
// so the rows end at the business basis. Not past a sale year (`soldYear` 0 = unsold). It ends
// when the business share of `yearly` rounds to 0 whole dollars; refused (InvalidArgument) when
// it would run past the year 9999. `accum` is the accumulated amount before the first of these
// years.
void autoContinuation(double yearly, int fromYear, double accum, double busPercent, int soldYear,
                      double unrecovered, const BusinessUse& businessUse, std::vector<Row>& out);

// The older continuation without business use: from `fromYear` on, `yearly` each year until the
// accumulated amount reaches `netCost` (or rounds to it), the last one cut to it. It ends when
// the yearly amount rounds to 0.
std::vector<Row> olderAutoContinuation(double netCost, double accum, double yearly, int fromYear);

// The financial book's straight-line schedule of `cost` over `life` years from `year`, placed in
// service in month `month` (1 to 12): the first year 13 - month twelfths of a year's share, full
// shares after it, the rest in the last year; a year never takes more than is left, the sale year
// (`soldYear`, `soldMonth`) keeps soldMonth twelfths of its amount and is the last; a remainder of
// 1 dollar or less ends it. Rows only for years whose amount is above 0; `year` ends at the sale
// year or the year after the last one computed. A life that is not a whole number takes full
// shares until less is left, then the remainder.
struct BookSchedule {
    std::vector<Row> rows;
    int year = 0;
};
BookSchedule bookSlSchedule(double cost, double life, int year, int month, int soldYear, int soldMonth);

// Refuses a life below 1, a month outside 1 to 12 and amounts that are no numbers.
void checkBookSchedule(double cost, double life, int month);

} // namespace qel::depr
