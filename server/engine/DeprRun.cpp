// The engine's runs as pure functions: rate-table and formula schedules, the vehicle rules and
// continuations, the financial book's straight-line schedule, and the checks of their input.
#include "server/engine/DeprRun.h"

#include "common/Convert.h"
#include "common/ServerError.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <string>

namespace qel::depr {
namespace {

[[noreturn]] void refuse(const std::string& description) {
    throw ServerError::invalidArgument("CalcDepr", description);
}

// Amounts beyond a thousand trillion dollars are no amounts of this system; the limit keeps every
// whole-dollar conversion exact.
constexpr double kLargestAmount = 1e15;

void checkNumber(double value, const char* what) {
    if (!std::isfinite(value) || std::fabs(value) > kLargestAmount)
        refuse(std::string("The ") + what + " is not a number of at most 15 digits.");
}

void checkRunAsset(const RunAsset& a) {
    if (a.inService.isNoDate())
        refuse("The asset has no in-service date.");
    if (a.isSold() && a.sold < a.inService)
        refuse("The sale date " + a.sold.toIso() + " lies before the in-service date " + a.inService.toIso() +
               ".");
    if (a.convention < kHalfYear || a.convention > kNoConvention)
        refuse("The convention " + std::to_string(a.convention) +
               " is unknown; it must be 1 (half year), 2 (mid-quarter), 3 (mid-month) or 4 (none).");
    checkNumber(a.netCost, "depreciable basis");
    checkNumber(a.busPercent, "business-use fraction");
    checkNumber(a.bonus, "special depreciation allowance");
    checkNumber(a.sec179, "section 179 expense");
    if (a.vehicle && !(a.busPercent > 0))
        refuse("A vehicle needs a business-use fraction above 0.");
}

void checkLife(double life) {
    if (!(life >= 1))
        refuse("The life must be at least 1 year (it is " + formatNumber(life) + ").");
}

// The stored amounts of a run. An asset that is no vehicle stores each year's amount rounded to
// whole dollars, and its schedule ends at its basis rounded to whole dollars; a vehicle's rows are
// weighted by business use and keep their cents. Either way the accumulated amount is the sum of
// the stored yearly amounts, so the yearly column adds up to it.
class Stored {
public:
    Stored(bool vehicle, double basis) : vehicle_(vehicle), basis_(amount(basis)) {}

    // An amount as a row stores it.
    double amount(double value) const { return vehicle_ ? roundToCents(value) : roundHalfEven(value); }
    // The accumulated amount after adding a stored amount.
    double add(double accum, double stored) const {
        return vehicle_ ? roundToCents(accum + stored) : accum + stored;
    }
    // The basis the accumulated amount ends at.
    double basis() const { return basis_; }

private:
    bool vehicle_;
    double basis_;
};

// What a vehicle's table years allowed at full business use, which the continuation after them
// needs: the basis not yet recovered shrinks by these amounts whatever the year's business use.
struct VehicleTrack {
    double allowed = 0;    // the full-use amounts allowed so far under the caps, in dollars
    double fourthYear = 0; // the full-use amount of the fourth year before its cap; 0 when none

    // Adds recovery year n's full-use amount, held within the year's cap, the first-year limit
    // with the section 179 expense and the allowance, and the full-use basis left.
    void add(const AutoCaps& caps, int n, double fullUse, double basis, double bonus, double sec179) {
        if (n == 4)
            fourthYear = fullUse;
        allowed += limitAutoDepr(caps, capIndex(n), fullUse, 1, basis, allowed, bonus, sec179);
    }
    double yearlyAfterTable(const AutoCaps& caps) const {
        return fourthYear < caps.amount[4] ? fourthYear : caps.amount[4];
    }
};

// The year after which no schedule runs.
constexpr int kLastYear = 9999;

} // namespace

void checkMacrsRun(const RunAsset& asset, double life) {
    checkRunAsset(asset);
    checkLife(life);
    // The recovery periods of the rate tables (one column per life in each convention's table,
    // the 200 % and the 150 % ones alike); any other life would reach for a column that is not
    // there.
    static constexpr double kTableLives[] = {3, 5, 7, 10, 15, 20};
    if (std::find(std::begin(kTableLives), std::end(kTableLives), life) == std::end(kTableLives))
        refuse("The MACRS rate tables have no life of " + formatNumber(life) +
               " years; their lives are 3, 5, 7, 10, 15 and 20.");
}

void checkFormulaRun(const RunAsset& asset, std::string_view method, int life) {
    const auto formula = formulaFromText(method);
    if (!formula)
        refuse("The method '" + std::string(method) +
               "' is not computed here; it must be S/L, Amortize, ADS, Macrs27, Macrs31 or Macrs39.");
    checkRunAsset(asset);
    checkLife(life);
    if (*formula == Formula::Ads && asset.convention == kNoConvention)
        refuse("ADS needs the half-year, mid-quarter or mid-month convention, not None.");
    if (asset.vehicle && asset.netCost == 0)
        refuse("A vehicle's depreciable basis must not be 0.");
}

void checkVehicleCaps(const AutoCaps& caps, int year, std::string_view type) {
    if (caps.year != year || caps.type != type || type.empty())
        refuse("no vehicle limits for " + std::to_string(year) + " " +
               (type.empty() ? std::string("of this vehicle type") : std::string(type)) +
               ": add them under the auto rates");
}

std::vector<Row> macrsSchedule(const RunAsset& a, double life, std::span<const double> rates,
                               const AutoCaps& caps, const BusinessUse& businessUse) {
    std::vector<Row> rows;
    const int soldYear = a.soldYear();
    if (a.isSold() && soldYear == a.inService.year())
        return rows;
    const double N = a.netCost;
    const double s = a.sec179;
    const double g = a.bonus;
    const Stored stored(a.vehicle, N);
    // The cost at full business use, and that cost less the business share of the first-year
    // deductions: the base the year's amount and its limit are computed from.
    const double F = a.vehicle ? (s + N + g) / a.busPercent : 0;
    const double fullBasis = F - (s + g);
    // What 100 % business use would have given: the section 179 expense and the allowance of the
    // whole cost, and the basis after them. The balance recovered after the table years is that
    // basis less the full-use amounts allowed in them, so that its business share is exactly what
    // the business basis N has left (at 100 % use these are s, g and N themselves).
    const double fullUseSec179 = a.vehicle ? s / a.busPercent : 0;
    const double fullUseBonus = a.vehicle ? g / a.busPercent : 0;
    const double fullUseBasis = a.vehicle ? N / a.busPercent : 0;
    VehicleTrack track;
    double A = 0;
    int rowYear = a.inService.year();
    bool endedAtSale = false;
    rows.reserve(rates.size());
    for (std::size_t i = 0; i < rates.size(); ++i) {
        const int n = static_cast<int>(i) + 1;
        const double r = rates[i];
        double D = r * N;
        if (a.vehicle) {
            const int k = capIndex(n);
            double b = businessUse(rowYear);
            track.add(caps, n, r * fullUseBasis, fullUseBasis, fullUseBonus, fullUseSec179);
            D = b > 0 ? r * (b * F - (s + g)) : r * N;
            double basis = fullBasis;
            if (!(b > 0)) {
                b = a.busPercent;
                basis = N;
            }
            D = limitAutoDepr(caps, k, D, b, basis, A, g, s);
        }
        if (rowYear == soldYear)
            D = adjustLastYearDepr(D, a.convention, a.soldMonth());
        double d = stored.amount(D);
        A = stored.add(A, d);
        // The extra year of the half-year and mid-quarter tables brings the total to the basis;
        // a vehicle only when the difference is small, since its caps keep it below the basis.
        if (n == life + 1) {
            const double missing = stored.basis() - A;
            if (missing != 0 && (!a.vehicle || roundHalfEven(missing) < 5)) {
                d = stored.amount(d + missing);
                A = stored.basis();
            }
            if (roundHalfEven(d) == 0)
                break;
        }
        rows.push_back({rowYear, d, A});
        if (rowYear == soldYear) {
            endedAtSale = true;
            break;
        }
        ++rowYear;
    }
    if (a.vehicle && !endedAtSale && (!a.isSold() || soldYear >= rowYear) && fullUseBasis > roundHalfEven(A))
        autoContinuation(track.yearlyAfterTable(caps), rowYear, A, a.busPercent, soldYear,
                         fullUseBasis - track.allowed, businessUse, rows);
    return rows;
}

std::vector<Row> formulaSchedule(const RunAsset& a, Formula formula, int life, const AutoCaps& caps,
                                 const BusinessUse& businessUse) {
    std::vector<Row> rows;
    const int soldYear = a.soldYear();
    if (a.isSold() && soldYear == a.inService.year())
        return rows;
    const int m = a.inService.month();
    const std::string convention = formula == Formula::Ads ? conventionName(a.convention, m) : std::string();
    const int saleMonth = formula == Formula::Amortize ? a.soldMonth() - 1 : a.soldMonth();
    const double N = a.netCost;
    const Stored stored(a.vehicle, N);
    const double F = a.vehicle ? N / a.busPercent : 0;
    VehicleTrack track;
    // The year's amount keeps its value into the next year when that year's rule gives none.
    double D = 0;
    double A = 0;
    bool finalYear = false;
    bool endedAtSale = false;
    int rowYear = a.inService.year();
    rows.reserve(static_cast<std::size_t>(life) + 1);
    for (int n = 1; n <= life + 1; ++n) {
        const YearRule rule = formulaYear(formula, n, life, m, N, convention);
        // The life ends with year L; a vehicle still recovers the basis its caps held back.
        if (rule.endsRun)
            break;
        if (rule.amount)
            D = *rule.amount;
        finalYear = finalYear || rule.finalYear;
        if (a.vehicle) {
            const int k = capIndex(n);
            double b = businessUse(rowYear);
            track.add(caps, n, D / N * F, F, 0, 0);
            if (b > 0)
                D = D / N * (b * F);
            double basis = F;
            if (!(b > 0)) {
                b = a.busPercent;
                basis = N;
            }
            D = limitAutoDepr(caps, k, D, b, basis, A, 0, 0);
        }
        if (rowYear == soldYear)
            D = adjustLastYearDepr(D, a.convention, saleMonth);
        double d = stored.amount(D);
        A = stored.add(A, d);
        if (!a.vehicle && (finalYear || A > stored.basis())) {
            if (A != stored.basis()) {
                d += stored.basis() - A;
                A = stored.basis();
            }
            if (d == 0)
                break;
        }
        if (D > 0)
            rows.push_back({rowYear, d, A});
        if (rowYear == soldYear) {
            endedAtSale = true;
            break;
        }
        ++rowYear;
    }
    if (a.vehicle && !endedAtSale && (!a.isSold() || soldYear >= rowYear) && F > roundHalfEven(A))
        autoContinuation(track.yearlyAfterTable(caps), rowYear, A, a.busPercent, soldYear, F - track.allowed,
                         businessUse, rows);
    return rows;
}

void autoContinuation(double yearly, int fromYear, double accum, double busPercent, int soldYear,
                      double unrecovered, const BusinessUse& businessUse, std::vector<Row>& out) {
    double left = unrecovered;
    for (int year = fromYear; left > 0; ++year) {
        if (soldYear != 0 && soldYear < year)
            break;
        double b = businessUse(year);
        if (b == 0)
            b = busPercent;
        // A year that takes nothing would never bring the balance down.
        if (roundHalfEven(b * yearly) <= 0)
            break;
        if (year > kLastYear)
            refuse("The vehicle's schedule would run past the year " + std::to_string(kLastYear) + ".");
        // The year's amount at full use, cut to the balance; the row takes its business share.
        const double fullUse = yearly < left ? yearly : left;
        const double E = roundToCents(b * fullUse);
        if (E <= 0)
            break;
        left -= fullUse;
        accum = roundToCents(accum + E);
        out.push_back({year, E, accum});
    }
}

std::vector<Row> olderAutoContinuation(double netCost, double accum, double yearly, int fromYear) {
    std::vector<Row> rows;
    int year = fromYear;
    double E = yearly;
    // A basis with cents stays above the rounded accumulated amount after the last year was cut
    // to it; reaching the basis ends the rows all the same.
    while (accum < netCost && roundHalfEven(accum) < netCost) {
        if (roundHalfEven(E) <= 0)
            break;
        accum += roundHalfEven(E);
        if (accum > netCost) {
            accum -= E;
            E = netCost - accum;
            accum += E;
        }
        rows.push_back({year, E, accum});
        ++year;
    }
    return rows;
}

void checkBookSchedule(double cost, double life, int month) {
    checkNumber(cost, "cost");
    checkNumber(life, "life");
    checkLife(life);
    if (month < 1 || month > 12)
        refuse("The in-service month must be 1 to 12 (it is " + std::to_string(month) + ").");
}

BookSchedule bookSlSchedule(double cost, double life, int year, int month, int soldYear, int soldMonth) {
    BookSchedule out;
    // A life that rounds down (5.4 to 5, 4.5 to 4) leaves part of the cost that the year rule
    // never reaches; such a life takes full shares until less than one is left.
    const bool fractionalTail = roundHalfEven(life) < life;
    double left = cost;
    double accum = 0;
    int n = 0;
    while (left > 1) {
        if (year > kLastYear)
            refuse("The straight-line schedule would run past the year " + std::to_string(kLastYear) + ".");
        ++n;
        double D = fractionalTail && n >= 2 ? cost / life : slYearDepr(n, cost, life, month);
        if (D > left)
            D = left;
        if (soldYear == year)
            D = soldMonth / 12.0 * D;
        accum += D;
        left = cost - accum;
        if (D > 0)
            out.rows.push_back({year, D, accum});
        if (year == soldYear)
            break;
        ++year;
    }
    out.year = year;
    return out;
}

} // namespace qel::depr
