// MonthlyDepr: posting, deleting and finding the fiscal periods of the financial book.
//
// A posting is a fixed sequence of three set-based statements over the company's assets and
// period rows, whatever their number; no asset is read into the server and each row is written
// once. The statements compare the period date with the assets' fiscal dates as ISO text, which
// orders as the dates do.
#include "server/engine/MonthlyDepr.h"

#include "common/SqlLiteral.h"
#include "server/data/FiscalPeriod.h"

#include <array>
#include <string_view>

namespace qel {

namespace {

constexpr const char* kClass = "MonthlyDepr";

// The company's posting state as the posting rules need it.
struct PostingState {
    Date last; // period date of the last posted period; "no date" when none
    Date next; // period date of the next period to post; "no date" when there is none
};

// Reads the posting state of a company. Raises (InvalidArgument) when the company has no row.
PostingState postingState(std::int32_t companyId) {
    const std::string id = sqlNumber(companyId);
    const Recordset company =
        ExecuteQueryReturnRS("Select max(dtperiod)as 'FiscalPeriod' from tblcompany where id = " + id);
    // max() answers one row even without a company; its value is Null then (dtPeriod is never Null).
    if (company.IsEOF() || company[0].isNull())
        throw ServerError::invalidArgument(kClass, "There is no company with the id " + id + ".");
    PostingState state;
    state.last = company[0].toDate();
    if (!state.last.isNoDate()) {
        state.next = state.last.addMonths(1);
        return state;
    }
    const Recordset first =
        ExecuteQueryReturnRS("SELECT min(fiscal_start_date) from tblassets where company_Id = " + id);
    const Date start = first.IsEOF() ? Date::noDate() : first[0].toDate();
    if (!start.isNoDate())
        state.next = Date(start.year(), start.month(), 1);
    return state;
}

// Refuses any period but the company's next one, so that no period is posted twice or out of
// order; the chaining of accumulated amounts and the catch-up marks rely on that order.
void requireNextPeriod(const Date& date, std::int32_t companyId) {
    const PostingState state = postingState(companyId);
    if (state.next.isNoDate() || date == state.next)
        return;
    const std::string company = sqlNumber(companyId);
    if (!state.last.isNoDate() && date <= state.last)
        throw ServerError::invalidArgument(
            kClass, "Fiscal period " + periodText(date) + " is already posted for company " + company +
                        ". The next period to post is " + periodText(state.next) + ".");
    throw ServerError::invalidArgument(
        kClass, "Fiscal period " + periodText(date) + " can not be posted for company " + company +
                    ": periods are posted in order, and the next one is " + periodText(state.next) + ".");
}

// SQL for DateDiff('m', column, date): the calendar-month boundaries from the column's month
// to the date's month. The column holds ISO text, so its year and month are read by position:
// over 100,000 assets that costs a fraction of what strftime does.
std::string monthsFrom(std::string_view column, const Date& date) {
    const std::string col(column);
    return "(" + sqlNumber(date.year() * 12 + date.month()) + " - (substr(" + col + ", 1, 4) * 12 + substr(" +
           col + ", 6, 2)))";
}

// The statements of one posting, in the order they must run. The period's rows are written once,
// each with its final amounts, by one INSERT: the month's amount, a catch-up, the chaining onto
// the previous period and the end-of-life fill-up are all worked out as the row is selected.
std::array<std::string, 3> postingStatements(std::int32_t companyId, const Date& date) {
    const std::string id = sqlNumber(companyId);
    const std::string d = sqlDate(date);
    const std::string period = sqlText(periodText(date));
    const std::string previous = sqlText(periodText(date.addMonths(-1)));
    const std::string yearStart = sqlDate(Date(date.year(), 1, 1));
    const std::string noDate = sqlDate(Date::noDate());
    const std::string notSold = "(a.fiscal_sold_date = " + noDate + " or a.fiscal_sold_date > " + d + ")";
    // One month's amount, computed as the database computes it (not rounded).
    const std::string monthly = "(a.book_cost/(a.book_life * 12))";
    // An asset no posting has seen yet (depr_adj 0), marked for catch-up and started before the
    // period is caught up: started earlier in the period's fiscal year, all its months so far go
    // into the period's depreciation; started in an earlier fiscal year, they go into the
    // accumulated amount only and the period keeps one month's depreciation.
    const std::string unseen = "a.depr_adj = 0 and a.Do_Depr_adj <> 0 and a.fiscal_start_date < " + d;
    const std::string sameYear = unseen + " and a.fiscal_start_date >= " + yearStart;
    const std::string priorYear = unseen + " and a.fiscal_start_date < " + yearStart;
    // The months from the start month to the period's month, both included.
    const std::string months = std::string("(") + monthsFrom("a.fiscal_start_date", date) + " + 1)";
    const std::string depr = "(CASE WHEN a.fiscal_end_date < " + d + " THEN 0 WHEN " + sameYear + " THEN " +
                             months + " * " + monthly + " ELSE " + monthly + " END)";
    // The accumulated amount: onto the previous period's when the asset has a row there, else the
    // catch-up's months, else this month's amount.
    const std::string accum = "(CASE WHEN p.asset_num IS NOT NULL THEN p.accum_depr + " + depr +
                              " WHEN a.fiscal_end_date < " + d + " THEN a.book_cost WHEN (" + sameYear +
                              ") or (" + priorYear + ") THEN " + months + " * " + monthly + " ELSE " +
                              monthly + " END)";
    return {
        // The period's rows: every asset in service in the period, its book life not over, not
        // sold by the period's month, gets its month; an unseen asset marked for catch-up whose
        // book life ended before the period gets one row holding its whole book cost, sold or not.
        // An asset's last month brings its accumulated amount to exactly the book cost and takes
        // the difference into its depreciation.
        "INSERT INTO tblPerioddepr ( client_num, asset_num, period, depr, accum_depr, id_acct)"
        " SELECT a.Company_Id, a.Asset_num, " +
            period + ", CASE WHEN a.fiscal_end_date = " + d + " THEN " + depr + " + (a.book_cost - " + accum +
            ") ELSE " + depr + " END, CASE WHEN a.fiscal_end_date = " + d + " THEN a.book_cost ELSE " +
            accum +
            " END, a.Id_acct"
            " FROM tblassets AS a LEFT JOIN tblPeriodDepr AS p ON p.client_num = a.Company_Id"
            " AND p.asset_num = a.Asset_num AND p.period = " +
            previous + " WHERE a.Company_Id = " + id + " and a.book_life > 0 and ((a.fiscal_start_date <= " +
            d + " and " + d + " <= a.fiscal_end_date and " + notSold + ") or (a.fiscal_end_date < " + d +
            " and a.depr_adj = 0 and a.Do_Depr_adj <> 0))",

        // Every asset of the company has now been seen: depr_adj = 0 marks exactly the assets
        // added after this posting.
        "UPDATE tblassets SET depr_adj = -1 WHERE Company_Id = " + id + " AND depr_adj <> -1",

        // The company's last posted period, and its first one on its first posting.
        "UPDATE tblcompany set dtPeriod = " + d + ", firstperiod = CASE WHEN firstperiod = " + noDate +
            " THEN " + d + " ELSE firstperiod END where Id = " + id,
    };
}

} // namespace

void MonthlyDepr::DoMonthlyDepr(const std::string& strPeriod, std::int32_t lngCompanyId) {
    passOn(kClass, "DoMonthlyDepr", [&] {
        const std::optional<Date> date = periodDate(strPeriod);
        if (!date)
            throw ServerError(kTypeMismatch, kClass,
                              "Type mismatch: '" + strPeriod +
                                  "' is no fiscal period YYYYMM (a year after 1900, a month 01 to 12).",
                              ErrorKind::Conversion);
        Transaction tx(requireConnection());
        requireNextPeriod(*date, lngCompanyId);
        for (const std::string& sql : postingStatements(lngCompanyId, *date))
            ExecuteQuery(sql);
        tx.commit();
    });
}

std::string MonthlyDepr::GetNextFiscalPeriod(std::int32_t lngCompanyId) {
    return passOn(kClass, "GetNextFiscalPeriod", [&] {
        const Date next = postingState(lngCompanyId).next;
        return next.isNoDate() ? std::string() : periodText(next);
    });
}

std::string MonthlyDepr::GetFirstFiscalDate(std::int32_t lngCompanyId) {
    return passOn(kClass, "GetFirstFiscalDate", [&] {
        const Recordset rs =
            ExecuteQueryReturnRS("Select firstperiod from tblcompany where id = " + sqlNumber(lngCompanyId));
        return rs.IsEOF() ? std::string() : rs[0].toDate().toIso();
    });
}

bool MonthlyDepr::DeletePeriodDepr(std::int32_t lngCompanyId) {
    return passOn(kClass, "DeletePeriodDepr", [&] {
        Transaction tx(requireConnection());
        const Date last = postingState(lngCompanyId).last;
        if (last.isNoDate())
            return false;
        const std::string id = sqlNumber(lngCompanyId);
        const std::string period = sqlText(periodText(last));
        const std::string noDate = sqlDate(Date::noDate());
        // An asset whose only rows go with the period has not been seen by any posting that
        // stays: it gets its catch-up mark back, so posting the period again catches it up again.
        ExecuteQuery("UPDATE tblassets SET depr_adj = 0 WHERE Company_Id = " + id +
                     " AND Asset_num IN (SELECT asset_num FROM tblPeriodDepr WHERE client_num = " + id +
                     " AND period = " + period +
                     ") AND NOT EXISTS (SELECT 1 FROM tblPeriodDepr AS pd WHERE pd.client_num = " + id +
                     " AND pd.asset_num = tblassets.Asset_num AND pd.period <> " + period + ")");
        ExecuteQuery("Delete from tblPeriodDepr where Client_num = " + id + " and period = " + period);
        ExecuteQuery("UPDATE tblcompany set dtPeriod = " + sqlDate(last.addMonths(-1)) + " where Id = " + id);
        // Deleting the first posted period leaves nothing posted.
        ExecuteQuery("UPDATE tblcompany set dtPeriod = " + noDate + ", firstperiod = " + noDate +
                     " where Id = " + id + " and dtPeriod < firstperiod");
        tx.commit();
        return true;
    });
}

} // namespace qel
