// The rebuild of the book asset ledger work table tblBookLedger.
#include "server/reporting/ReportLedger.h"

#include "common/SqlLiteral.h"
#include "server/data/Database.h"
#include "server/reporting/ReportFrame.h"
#include "server/support/DeprSupport.h"

namespace qel::report {

std::vector<std::string> bookLedgerRebuild(std::int32_t companyId, std::string_view period) {
    const std::string d = sqlDate(periodDate(period));
    // The figures of each row come with it: the accumulated depreciation of the asset's row for
    // the period; without such a row, its cost when it has a book life (fully depreciated) and 0
    // when it has none. The net book value is always cost less accumulated depreciation. Each
    // asset gives one row (its number is in it), so no DISTINCT is needed to keep rows apart.
    const std::string accum = "CASE WHEN tblPeriodDepr.asset_num IS NOT NULL THEN tblPeriodDepr.accum_depr"
                              " WHEN tblAssets.book_life > 0 THEN tblAssets.book_cost ELSE 0 END";
    return {
        "Delete from tblBookLedger",
        "INSERT INTO tblbookledger ( Account, [Capital Account], Description, [Asset #]"
        ", [In Service], Life, Cost, [Accum Depr], NBV )"
        " SELECT tblAccounts.[Account Descr], tblAccounts.[Capital Account], tblAssets.Asset_name, "
        "tblAssets.Asset_num, tblAssets.In_Service_date, tblAssets.book_life, tblAssets.book_cost, " +
            accum + ", tblAssets.book_cost - " + accum +
            " FROM tblAssets INNER JOIN tblAccounts ON tblAssets.Id_acct = tblAccounts.Id_acct"
            " LEFT JOIN tblPeriodDepr ON tblPeriodDepr.asset_num = tblAssets.Asset_num"
            " AND tblPeriodDepr.period = " +
            periodText(period) + " WHERE tblAssets.Company_Id = " + sqlNumber(companyId) +
            " AND (tblAssets.fiscal_sold_date = " + sqlDate(Date::noDate()) +
            " OR tblAssets.fiscal_sold_date >= " + d + ") AND tblAssets.fiscal_start_date <= " + d +
            " ORDER BY tblAccounts.[Account Descr], tblAssets.Asset_name",
    };
}

void rebuildBookLedger(Connection& conn, std::int32_t companyId, std::string_view period) {
    const std::vector<std::string> statements = bookLedgerRebuild(companyId, period);
    Transaction tx(conn);
    for (const std::string& sql : statements)
        ExecuteQuery(sql, &conn);
    tx.commit();
}

} // namespace qel::report

namespace qel {

Recordset DeprSupport::GetBookAssetLedger(std::int32_t lngCompanyId, const std::string& strPeriod) {
    return passOn("DeprSupport", "GetBookAssetLedger", [&] {
        Connection& conn = requireConnection();
        // The ledger read back is the one this call built: rebuild and read in one transaction.
        Transaction tx(conn);
        report::rebuildBookLedger(conn, lngCompanyId, strPeriod);
        Recordset rs = ExecuteQueryReturnRS(report::kSelectBookLedger, &conn);
        tx.commit();
        return rs;
    });
}

} // namespace qel
