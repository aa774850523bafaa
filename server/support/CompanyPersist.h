// CompanyPersist: the company lists and the two company lookups of the program: every company
// with its maintenance columns, the company names of the company picker, a company's assets for
// the asset picker, and a company's fiscal year-end month.
//
// Each operation runs one query on the shared connection and returns its rows with the
// statement's field names exactly (trailing blanks included). A failure leaves as ServerError
// number kPassedThrough with "CompanyPersist" and the operation's name. An empty table or an
// unknown id is no failure: the recordset has no row.
#pragma once

#include "common/Recordset.h"
#include "server/data/Database.h"

#include <cstdint>

namespace qel {

class CompanyPersist : public ServerObject {
public:
    // Every company by name: Company Name, Owner, "Address" + 9 blanks, Address 2, City,
    // "State" + 2 blanks, "Zip Code" + 1 blank, Tax Id, Year End Month, AMT Book, State Book,
    // Other Book, id (the hidden key).
    Recordset GetCompanyMaintData();
    // Every company by name: Company Name, id.
    Recordset GetCompanyList();
    // The company's assets by name: Asset_name, Asset_num. With intYear above 0 only those whose
    // fiscal start date lies in that calendar year, both ends included.
    Recordset GetAssetList(std::int32_t Company_Id, std::int16_t intYear);
    // The company's "Year End Month"; no row for an unknown id.
    Recordset GetCompanyFiscalEndMonth(std::int32_t Company_Id);
};

} // namespace qel
