// MonthlyDepr: the financial book's depreciation, posted one fiscal period at a time.
//
// The financial book has no yearly rows: each asset carries its own book_cost and book_life, and
// every posted period adds one tblPeriodDepr row per asset with the month's depreciation, the
// accumulated depreciation and the asset's general-ledger account. MonthlyDepr is the only writer
// of those rows, of the company's posting marks (tblCompany.firstperiod, the first period ever
// posted, and tblCompany.dtPeriod, the last one; 1900-01-01 when none) and of tblAssets.depr_adj
// (0 an asset no posting has seen yet, -1 seen; a positive count of months to catch up only
// inside a posting).
//
// Periods are posted strictly in order, each once, and deleted from the last one backwards. A
// posting or a deletion is one transaction: it lands whole or not at all. Every failure leaves an
// operation as ServerError number kPassedThrough with "MonthlyDepr" and the operation's name as
// help file and context, and the cause in the description.
#pragma once

#include "server/data/Database.h"

#include <cstdint>
#include <string>

namespace qel {

class MonthlyDepr : public ServerObject {
public:
    // Posts fiscal period strPeriod ("YYYYMM") of company lngCompanyId: one row per asset in
    // service in the period, not sold by it and with a book life above 0, holding the monthly
    // amount book_cost / (book_life * 12) (not rounded) and the accumulated amount chained from
    // the previous period. Assets marked Do_Depr_adj that no posting has seen yet are caught up:
    // one started earlier in the period's fiscal year has all its months so far charged to the
    // period; one started in an earlier fiscal year is charged one month, its other months going
    // into the accumulated amount only; one whose book life already ended gets a single row
    // holding its book cost. An asset's last month brings the accumulated amount to exactly its
    // book cost. Sets the company's dtPeriod, and firstperiod on its first posting.
    // Raises, with nothing written: a period text that is not a period (type mismatch); an
    // unknown company; a period other than the company's next one (GetNextFiscalPeriod), so a
    // period is never posted twice nor out of order. Any period may start the posting of a company
    // that has neither a posted period nor an asset with a start date.
    void DoMonthlyDepr(const std::string& strPeriod, std::int32_t lngCompanyId);

    // The company's next period to post, "YYYYMM": the month after its last posted period; when
    // nothing is posted, the fiscal month of its earliest fiscal_start_date (all its assets count,
    // sold or not); empty text when there is neither. Raises for an unknown company.
    std::string GetNextFiscalPeriod(std::int32_t lngCompanyId);

    // The date of the company's first posted period as text "YYYY-MM-DD" ("1900-01-01" when
    // nothing is posted); empty text when the company has no row.
    std::string GetFirstFiscalDate(std::int32_t lngCompanyId);

    // Deletes the company's last posted period: its rows, the move of dtPeriod back one month
    // (to 1900-01-01, with firstperiod, when it was the first posted period), and the catch-up
    // mark of every asset whose only rows were the period's, so that posting the period again
    // gives the same rows. True when a period was deleted, false (nothing changed) when none is
    // posted. Raises for an unknown company.
    bool DeletePeriodDepr(std::int32_t lngCompanyId);
};

} // namespace qel
