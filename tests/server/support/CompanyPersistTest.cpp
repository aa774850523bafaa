// CompanyPersist: the company lists, their field names and their filters.
#include "server/support/CompanyPersist.h"

#include "SupportFixture.h"

namespace qel {
namespace {

class CompanyPersistTest : public test::SupportTest {};

TEST_F(CompanyPersistTest, RecordsetsCarryTheirFieldNamesInOrder) {
    CompanyPersist cp;
    const test::FieldNamesCase cases[] = {
        {"GetCompanyMaintData",
         cp.GetCompanyMaintData(),
         {"Company Name", "Owner", "Address         ", "Address 2", "City", "State  ", "Zip Code ", "Tax Id",
          "Year End Month", "AMT Book", "State Book", "Other Book", "id"}},
        {"GetCompanyList", cp.GetCompanyList(), {"Company Name", "id"}},
        {"GetAssetList", cp.GetAssetList(1, 0), {"Asset_name", "Asset_num"}},
        {"GetCompanyFiscalEndMonth", cp.GetCompanyFiscalEndMonth(1), {"Year End Month"}},
    };
    test::expectFieldNames(cases);
}

TEST_F(CompanyPersistTest, CompaniesComeByNameWithTheirId) {
    const std::int32_t acme = test::addCompany("Acme");
    CompanyPersist cp;
    const Recordset list = cp.GetCompanyList();
    EXPECT_EQ(test::column(list, 0), (std::vector<std::string>{"Acme", "Sample Company"}));
    EXPECT_EQ(list.rows()[0][1].toInt32(), acme);

    const Recordset maint = cp.GetCompanyMaintData();
    ASSERT_EQ(maint.RecordCount(), 2u);
    EXPECT_EQ(maint.rows()[1][2].toString(), "100 Main Street"); // the padded "Address" column
    EXPECT_EQ(maint.rows()[1][12].toInt32(), 1);
}

TEST_F(CompanyPersistTest, AssetListKeepsToTheCompanyAndTheCalendarYearOfTheFiscalStart) {
    const std::int32_t other = test::addCompany("Other");
    addAsset({.name = "Before", .fiscalStart = "2009-12-31"});
    addAsset({.name = "First day", .fiscalStart = "2010-01-01"});
    addAsset({.name = "Last day", .fiscalStart = "2010-12-31"});
    addAsset({.name = "After", .fiscalStart = "2011-01-01"});
    addAsset({.name = "Elsewhere", .company = other, .fiscalStart = "2010-06-01"});

    CompanyPersist cp;
    EXPECT_EQ(test::column(cp.GetAssetList(1, 2010), 0), (std::vector<std::string>{"First day", "Last day"}));
    EXPECT_EQ(test::column(cp.GetAssetList(1, 0), 0),
              (std::vector<std::string>{"After", "Before", "First day", "Last day"}));
    EXPECT_EQ(cp.GetAssetList(1, -1).RecordCount(), 4u);
}

TEST_F(CompanyPersistTest, FiscalEndMonthOfAnUnknownCompanyIsNoRow) {
    fresh_.exec("UPDATE tblCompany SET [Year End Month] = 6 WHERE id = 1");
    CompanyPersist cp;
    const Recordset rs = cp.GetCompanyFiscalEndMonth(1);
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs["Year End Month"].toInt32(), 6);
    EXPECT_EQ(cp.GetCompanyFiscalEndMonth(999).RecordCount(), 0u);
}

TEST_F(CompanyPersistTest, FailuresArePassedOnWithTheOperationName) {
    CompanyPersist cp;
    gConn().reset();
    test::expectPassedOn([&] { cp.GetCompanyList(); }, "CompanyPersist", "GetCompanyList");
    test::expectPassedOn([&] { cp.GetAssetList(1, 2010); }, "CompanyPersist", "GetAssetList");
}

} // namespace
} // namespace qel
