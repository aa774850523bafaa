// MonthlyDepr: posting, deleting and finding the fiscal periods of the financial book.
//
// A posting is a fixed sequence of set-based statements over the company's assets and period
// rows, whatever their number; no asset is read into the server. The statements compare the
// period date with the assets' fiscal dates as ISO text, which orders as the dates do.
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
// to the date's month.
std::string monthsFrom(std::string_view column, const std::string& date) {
    const std::string col(column);
    return "((strftime('%Y', " + date + ") - strftime('%Y', " + col + ")) * 12 + strftime('%m', " + date +
           ") - strftime('%m', " + col + "))";
}

// The statements of one posting, in the order they must run.
std::array<std::string, 12> postingStatements(std::int32_t companyId, const Date& date) {
    const std::string id = sqlNumber(companyId);
    const std::string d = sqlDate(date);
    const std::string period = sqlText(periodText(date));
    const std::string previous = sqlText(periodText(date.addMonths(-1)));
    const std::string yearStart = sqlDate(Date(date.year(), 1, 1));
    const std::string noDate = sqlDate(Date::noDate());
    const std::string notSold = "( fiscal_sold_date = " + noDate + " or fiscal_sold_date > " + d + ")";
    // The period's rows of the assets this posting is catching up (depr_adj above 0).
    const std::string catchUpRows =
        " FROM tblassets WHERE tblperiodDepr.asset_num = tblassets.Asset_num"
        " AND tblperiodDepr.client_num = tblassets.Company_Id AND tblassets.depr_adj > 0"
        " and tblperiodDepr.Client_num = " +
        id + " and tblperiodDepr.period = " + period;
    return {
        // The month's rows: every asset in service in the period, its book life not over, not
        // sold by the period's month, gets one month's amount as depreciation and accumulation.
        "INSERT INTO tblPerioddepr ( client_num, asset_num, period, depr, accum_depr, id_acct)"
        " SELECT company_Id, asset_num, " +
            period +
            ", book_cost/(book_life * 12), book_cost/(book_life * 12), id_acct"
            " From tblassets Where Company_Id = " +
            id + " and fiscal_start_date <= " + d + " and " + d + " <= fiscal_end_date and " + notSold +
            " and book_life > 0 ",

        // Catch-up within the fiscal year: the months from the start month to the period's month,
        // both included, for an unseen asset started earlier in the period's fiscal year.
        "UPDATE tblassets SET depr_adj = " + monthsFrom("fiscal_start_date", d) +
            " + 1 Where depr_adj = 0 and fiscal_end_date >= " + d + " and (fiscal_start_date < " + d +
            " and fiscal_start_date >= " + yearStart + ") and " + notSold +
            " and do_depr_adj <> 0 and company_id = " + id,

        // ... all of which are charged to this period.
        "UPDATE tblperiodDepr SET depr = tblassets.depr_adj * tblperiodDepr.depr"
        ", accum_depr = tblassets.depr_adj * tblperiodDepr.depr" +
            catchUpRows,

        // Those assets are done, so the prior-year catch-up below touches only its own.
        "UPDATE tblassets SET depr_adj = -1 where depr_adj > 0 and Company_Id = " + id,

        // Catch-up of an unseen asset whose book life ended before the period: one row holding its
        // whole book cost, sold or not.
        "INSERT INTO tblPerioddepr ( client_num, asset_num, period, depr, accum_depr, id_acct )"
        " SELECT tblassets.Company_Id, tblassets.Asset_num, " +
            period +
            " , 0 , tblassets.book_cost, tblassets.Id_acct From tblassets"
            " WHERE tblassets.Company_Id = " +
            id + " AND tblassets.fiscal_end_date < " + d +
            " AND tblassets.Depr_adj = 0 AND tblassets.Do_Depr_Adj <> 0 AND tblassets.book_life > 0",

        // Catch-up from an earlier fiscal year: the months from the start month to the period's
        // month, both included, plus 1 (so that the count stays above 0).
        "UPDATE tblassets SET depr_adj = " + monthsFrom("fiscal_start_date", d) +
            " + 2 Where depr_adj = 0 and fiscal_start_date < " + yearStart + " and " + notSold +
            " and do_depr_adj <> 0 AND tblassets.fiscal_end_date >= " + d + " and Company_Id = " + id,

        // ... which go into the accumulated amount; the period keeps one month's depreciation.
        "UPDATE tblperiodDepr SET accum_depr = (tblassets.depr_adj - 1) * tblperiodDepr.depr" + catchUpRows,

        // Every asset of the company has now been seen: depr_adj = 0 marks exactly the assets
        // added after this posting.
        "UPDATE tblassets SET depr_adj = -1 WHERE Company_Id = " + id + " AND depr_adj <> -1",

        // Chaining: a row whose asset has a row in the previous period accumulates onto it.
        "UPDATE tblPeriodDepr SET accum_depr = pd2.accum_depr + tblPeriodDepr.depr"
        " FROM tblPeriodDepr AS pd2 WHERE tblPeriodDepr.asset_num = pd2.asset_num"
        " AND tblPeriodDepr.client_num = pd2.client_num AND tblPeriodDepr.period = " +
            period + " and pd2.period = " + previous + " and tblPeriodDepr.Client_num = " + id,

        // An asset's last month brings its accumulated amount to exactly the book cost and takes
        // the difference into its depreciation.
        "UPDATE tblPeriodDepr SET accum_depr = tblassets.book_Cost"
        ", depr = tblPeriodDepr.depr + ( tblassets.book_Cost - tblPeriodDepr.accum_depr) FROM tblassets"
        " WHERE tblassets.asset_num = tblperiodDepr.asset_num"
        " AND tblassets.company_id = tblperiodDepr.client_num and tblassets.fiscal_end_date = " +
            d + " and tblPeriodDepr.period = " + period + " and tblPeriodDepr.Client_num = " + id,

        // The company's first posted period, on its first posting, and its last one.
        "UPDATE tblcompany set firstperiod = " + d + " where Id = " + id + " and firstperiod = " + noDate,

        "UPDATE tblcompany set dtPeriod = " + d + " where Id = " + id,
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
