// The completion of imported assets: fiscal dates under a June year end, method captions,
// consecutive vehicle numbers that a second run keeps, and what the processing then computes.
#include "app/exchange/rules/ImportCompletion.h"

#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/ImportSheets.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel::exchange {
namespace {

class ImportCompletionTest : public ::testing::Test {
protected:
    void SetUp() override { company_ = test::addCompany("June Corp", 6); }

    // Imports the rows (column A set to the company) as the data server does.
    void import(std::vector<std::vector<Variant>> rows) {
        for (auto& row : rows)
            row[test::A] = company_;
        const auto path = fresh_.folder() / "import.xlsx";
        test::writeXlsx(path, test::importSheet(rows));
        ASSERT_TRUE(DeprSupport().ImportAssetsFromExcel(company_, path.string()));
    }

    // One field of every asset of the company, by asset number, as text.
    std::vector<std::string> field(const std::string& name) const {
        return test::column(fresh_.conn().query("SELECT " + name + " FROM tblAssets WHERE Company_Id = " +
                                                std::to_string(company_) + " ORDER BY Asset_num"),
                            0);
    }

    test::FreshDatabase fresh_;
    std::int32_t company_ = 0;
};

std::vector<Variant> row(int method, double life, int convention, const Date& inService) {
    auto r = test::importRow();
    r[test::E] = method;
    r[test::J] = life;
    r[test::I] = convention;
    r[test::F] = inService;
    return r;
}

TEST_F(ImportCompletionTest, FiscalDatesCaptionsAndVehicles) {
    test::addAsset({.company = company_, .vehicle = 4});
    auto sold = row(1, 7, 1, Date(2010, 7, 15));
    sold[test::P] = Date(2012, 5, 31);
    auto car = row(9, 5, 1, Date(2011, 6, 1));
    car[test::K] = "Yes";
    auto van = row(9, 5, 1, Date(2011, 1, 1));
    van[test::K] = "yes";
    van[test::L] = 7.5;
    auto building = row(1, 39, 3, Date(2011, 12, 1));
    building[test::L] = Variant();
    import({sold, car, van, building, row(2, 20, 1, Date(2011, 3, 1)), row(11, 15, 2, Date(2011, 3, 1)),
            row(10, 7, 4, Date(2011, 3, 1)), row(3, 15, 4, Date(2011, 3, 1))});

    int reported = 0;
    EXPECT_EQ(UpadteImportedAssetsFields(company_,
                                         [&](int done, int total) {
                                             reported = done;
                                             EXPECT_EQ(total, 8);
                                         }),
              8);
    EXPECT_EQ(reported, 8);
    // With a June year end, July is fiscal month 1 of the next year and June month 12.
    EXPECT_EQ(field("fiscal_start_date"),
              (std::vector<std::string>{"1900-01-01", "2011-01-01", "2011-12-01", "2011-07-01", "2012-06-01",
                                        "2011-09-01", "2011-09-01", "2011-09-01", "2011-09-01"}));
    EXPECT_EQ(field("fiscal_sold_date"),
              (std::vector<std::string>{"1900-01-01", "2012-11-01", "1900-01-01", "1900-01-01", "1900-01-01",
                                        "1900-01-01", "1900-01-01", "1900-01-01", "1900-01-01"}));
    // The book life moves the fiscal start on by its months, as the asset form's save does (5
    // years from the sheet's default, 7.5 years 90 months); an empty book life is stored as 0 by
    // the import and gives the start itself.
    EXPECT_EQ(field("fiscal_end_date")[1], "2016-01-01");
    EXPECT_EQ(field("fiscal_end_date")[3], "2019-01-01");
    EXPECT_EQ(field("fiscal_end_date")[4], "2012-06-01");
    EXPECT_EQ(field("actual_method"), (std::vector<std::string>{"", "200 DB", "200 DB", "200 DB", "S/L",
                                                                "S/L", "150 DB", "None", "Amortize"}));
    // The two vehicles follow the company's highest number, in sheet order.
    EXPECT_EQ(field("vehicle_num"), (std::vector<std::string>{"4", "0", "5", "6", "0", "0", "0", "0", "0"}));

    // A second run (rows still marked) keeps the numbers given.
    UpadteImportedAssetsFields(company_);
    EXPECT_EQ(field("vehicle_num"), (std::vector<std::string>{"4", "0", "5", "6", "0", "0", "0", "0", "0"}));

    // The processing then computes a schedule for every depreciable asset and clears the marks.
    EXPECT_TRUE(DeprSupport().ProcessImportedAssets(company_));
    EXPECT_EQ(fresh_.value("SELECT count(DISTINCT Asset_num) FROM tblDepr").toInt64(), 7);
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblAssets WHERE DoImportDepr = 1").toInt64(), 0);
}

TEST_F(ImportCompletionTest, FirstVehicleOfACompanyIsNumberOne) {
    auto car = row(9, 5, 1, Date(2011, 6, 1));
    car[test::K] = "Yes";
    import({car, car});
    UpadteImportedAssetsFields(company_);
    EXPECT_EQ(field("vehicle_num"), (std::vector<std::string>{"1", "2"}));
}

} // namespace
} // namespace qel::exchange
