// The company lists: one query each on the shared connection.
#include "server/support/CompanyPersist.h"

#include "common/SqlLiteral.h"

namespace qel {

Recordset CompanyPersist::GetCompanyMaintData() {
    return passOn("CompanyPersist", "GetCompanyMaintData", [] {
        // The padded titles widen the maintenance window's columns; they are aliases of the
        // plain columns.
        const std::string sql =
            "select [Company Name], Owner, Address AS [Address         ], "
            " [Address 2] , City, State AS [State  ], [Zip Code] AS [Zip Code ], [Tax Id]"
            ", [Year End Month], [AMT Book], [State Book],[Other Book],id  from tblcompany "
            "order by [Company Name]";
        return ExecuteQueryReturnRS(sql);
    });
}

Recordset CompanyPersist::GetCompanyList() {
    return passOn("CompanyPersist", "GetCompanyList", [] {
        return ExecuteQueryReturnRS("select [Company Name], id from tblcompany order by [Company Name] ");
    });
}

Recordset CompanyPersist::GetAssetList(std::int32_t Company_Id, std::int16_t intYear) {
    return passOn("CompanyPersist", "GetAssetList", [&] {
        std::string sql =
            " select Asset_name, Asset_num from tblAssets where Company_Id = " + sqlNumber(Company_Id);
        if (intYear > 0)
            sql += " and fiscal_start_date between " + sqlDate(Date(intYear, 1, 1)) + " and " +
                   sqlDate(Date(intYear, 12, 31));
        sql += " order by Asset_name";
        return ExecuteQueryReturnRS(sql);
    });
}

Recordset CompanyPersist::GetCompanyFiscalEndMonth(std::int32_t Company_Id) {
    return passOn("CompanyPersist", "GetCompanyFiscalEndMonth", [&] {
        return ExecuteQueryReturnRS("select [Year End Month] from tblcompany where Id = " +
                                    sqlNumber(Company_Id));
    });
}

} // namespace qel
