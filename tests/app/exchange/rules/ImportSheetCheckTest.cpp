// The sheet check of the asset import: every column's failing and passing values, the method
// and life rules, a vehicle's first-year limit, and several failures of one row in the order of
// the tests.
#include "app/exchange/rules/ImportSheetCheck.h"

#include "server/support/ImportSheet.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/ImportSheets.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace qel::exchange {
namespace {

using test::ImportColumn;
using Row = std::vector<Variant>;

constexpr std::int32_t kCompany = 1;

struct Case {
    const char* name;
    std::vector<std::pair<ImportColumn, Variant>> cells; // changed from the passing row
    std::vector<std::string> failures;                   // log texts, before the row number
};

const std::string kCompanyWrong = "Company Id is wrong for row ";
const std::string kNameBlank = "Asset Name can not be blank for row ";
const std::string kCost = "Cost is required for row ";
const std::string kBonus = "Bonus Allowance must be numeric for row ";
const std::string kMethod = "Invalid Depreciation method for row ";
const std::string kInService = "In-Service date is required for row ";
const std::string kType179 = "Type_179 must be True or False for row ";
const std::string kConvention = "Convention needs to be between 1 & 4 for row ";
const std::string kLife = "Life is required for row ";
const std::string k179 = "179 deduction must be numeric for row ";
const std::string kBookLife = "Book Life value is wrong for row ";
const std::string kBookCost = "Book Cost must be numeric for row ";
const std::string kBusiness = "Business % needs to be between .1 & 1 for row ";
const std::string kAccount = "General Ledger must be numeric for row ";
const std::string kSold = "Sold date is not a date for row ";
const std::string kSoldAmount = "Sold Amount must be numeric for row ";
const std::string kSalvage = "Salavge amount isn't numeric for row ";
const std::string kMacrsLife = "MACRS life is wrong for row ";
const std::string kMacrs150Life = "MACRS 150 life is wrong for row ";
const std::string kAdsLife = "ADS life is wrong for row ";
const std::string kListedLife = "Listed life needs to be 5 for row ";
const std::string kHalfOrQuarter = "Convention needs to be 1 or 2 for row ";
const std::string kMidMonth = "Convention needs to be 3 for row ";

using test::A, test::B, test::C, test::D, test::E, test::F, test::G, test::H, test::I, test::J, test::K,
    test::L, test::M, test::N, test::O, test::P, test::Q, test::R;

const Variant kEmpty;

// The passing row is a MACRS 7-year half-year desk of company 1 (test::importRow).
const std::vector<Case> kCases = {
    {"passing row", {}, {}},
    {"A another company", {{A, 2}}, {kCompanyWrong}},
    {"A company as text", {{A, "1"}}, {}},
    {"A no number", {{A, "one"}}, {kCompanyWrong}},
    {"B empty", {{B, kEmpty}}, {kNameBlank}},
    {"B one blank", {{B, " "}}, {kNameBlank}},
    {"C empty", {{C, kEmpty}}, {kCost}},
    {"C zero", {{C, 0}}, {kCost}},
    {"C negative", {{C, -5}}, {kCost}},
    {"C no number", {{C, "abc"}}, {kCost}},
    {"C number with letters", {{C, "12abc"}}, {kCost}},
    {"C number as text", {{C, " 1000.5 "}}, {}},
    {"C a cent", {{C, 0.01}}, {}},
    {"D one blank", {{D, " "}}, {}},
    {"D number", {{D, 7500}}, {}},
    {"D number as text", {{D, "12.5"}}, {}},
    {"D no number", {{D, "half"}}, {kBonus}},
    {"D thousands separator", {{D, "1,250"}}, {kBonus}},
    {"E zero", {{E, 0}}, {kMethod}},
    {"E 5", {{E, 5}}, {kMethod}},
    {"E 12", {{E, 12}}, {kMethod}},
    {"E empty", {{E, kEmpty}}, {kMethod}},
    {"E 10 non-depreciable", {{E, 10}}, {}},
    {"E 4 straight line", {{E, 4}}, {}},
    {"E 3 amortize", {{E, 3}}, {}},
    {"F empty", {{F, kEmpty}}, {kInService}},
    {"F no date", {{F, "soon"}}, {kInService}},
    {"F month 13", {{F, "13/1/2010"}}, {kInService}},
    {"F date as text", {{F, "7/1/2010"}}, {}},
    {"F ISO date as text", {{F, "2010-07-01"}}, {}},
    {"G empty", {{G, kEmpty}}, {kType179}},
    {"G yes", {{G, "yes"}}, {kType179}},
    {"G TRUE as text", {{G, "TRUE"}}, {}},
    {"G false as text", {{G, " false "}}, {}},
    {"G true", {{G, true}}, {}},
    {"I zero", {{I, 0}}, {kConvention, kHalfOrQuarter}},
    {"I 5", {{I, 5}}, {kConvention, kHalfOrQuarter}},
    {"I 7", {{I, 7}}, {kConvention, kHalfOrQuarter}},
    {"I half", {{I, 1.5}}, {kConvention, kHalfOrQuarter}},
    {"I 4 for straight line", {{E, 4}, {I, 4}}, {}},
    {"J empty", {{J, kEmpty}}, {kLife, kMacrsLife}},
    {"J negative", {{E, 4}, {J, -3}}, {kLife}},
    {"H no number", {{H, "lots"}}, {k179}},
    {"H number", {{H, 2500}}, {}},
    {"L 80", {{L, 80}}, {kBookLife}},
    {"L 75", {{L, 75}}, {kBookLife}},
    {"L zero", {{L, 0}}, {kBookLife}},
    {"L no number", {{L, "long"}}, {kBookLife}},
    {"L 74.5", {{L, 74.5}}, {}},
    {"L empty", {{L, kEmpty}}, {}},
    {"M no number", {{M, "much"}}, {kBookCost}},
    {"M empty", {{M, kEmpty}}, {}},
    {"N zero", {{N, 0}}, {kBusiness}},
    {"N above 1", {{N, 1.5}}, {kBusiness}},
    {"N no number", {{N, "most"}}, {kBusiness}},
    {"N three quarters", {{N, 0.75}}, {}},
    {"N empty", {{N, kEmpty}}, {}},
    {"O no number", {{O, "Equipment"}}, {kAccount}},
    {"O number", {{O, 3}}, {}},
    {"P no date", {{P, "sold"}}, {kSold}},
    {"P one blank", {{P, " "}}, {}},
    {"P date", {{P, Date(2014, 6, 30)}}, {}},
    {"Q no number", {{Q, "some"}}, {kSoldAmount}},
    {"Q number", {{Q, 9000}}, {}},
    {"R no number", {{R, "scrap"}}, {kSalvage}},
    {"R number", {{R, 120}}, {}},
    {"K and S are not tested", {{K, "maybe"}, {test::S, "anything"}}, {}},
    // The method rules.
    {"MACRS life 1", {{J, 1}}, {kMacrsLife}},
    {"MACRS life 2", {{J, 2}}, {kMacrsLife}},
    {"MACRS life 7.5", {{J, 7.5}}, {kMacrsLife}},
    {"MACRS life 27.5 mid-month", {{J, 27.5}, {I, 3}}, {}},
    {"MACRS life 27.5 half year", {{J, 27.5}, {I, 1}}, {kMidMonth}},
    {"MACRS life 39 mid-month", {{J, 39}, {I, 3}}, {}},
    {"MACRS life 5 mid-month", {{J, 5}, {I, 3}}, {kHalfOrQuarter}},
    {"MACRS life 20 mid-quarter", {{J, 20}, {I, 2}}, {}},
    {"MACRS 150 life 15", {{E, 11}, {J, 15}}, {}},
    {"MACRS 150 life 25", {{E, 11}, {J, 25}}, {kMacrs150Life}},
    {"ADS life 20", {{E, 2}, {J, 20}}, {}},
    {"ADS life 40", {{E, 2}, {J, 40}}, {}},
    {"ADS life 7", {{E, 2}, {J, 7}}, {kAdsLife}},
    {"ADS life 5 none", {{E, 2}, {J, 5}, {I, 4}}, {kHalfOrQuarter}},
    {"Listed life 5", {{E, 9}, {J, 5}}, {}},
    {"Listed life 7", {{E, 9}, {J, 7}}, {kListedLife}},
    // Several failures of one row, in the order of the tests (I before J before H).
    {"company and cost", {{A, 2}, {C, 0}}, {kCompanyWrong, kCost}},
    {"convention, life and the rules", {{I, 0}, {J, 0}}, {kConvention, kLife, kMacrsLife, kHalfOrQuarter}},
    {"H after J, R last", {{R, "x"}, {H, "y"}, {J, 0}}, {kLife, k179, kSalvage, kMacrsLife}},
    // A vehicle (K) against the first-year limit of a passenger car placed in service in its year,
    // the limit the processing runs it with.
    {"vehicle without deductions", {{C, 30000}, {K, "Yes"}, {F, Date(2012, 3, 1)}, {N, 0.8}}, {}},
    {"vehicle 179 at the limit", {{C, 30000}, {K, "yes"}, {F, Date(2012, 3, 1)}, {N, 0.8}, {H, 2528}}, {}},
    {"vehicle 179 above the limit",
     {{C, 30000}, {K, "yes"}, {F, Date(2012, 3, 1)}, {N, 0.8}, {H, 2529}},
     {"179 deduction (H) is above the vehicle's first-year limit of 2528 (3160 x 0.8 business use) for "
      "row "}},
    {"vehicle 179 and allowance above the limit",
     {{K, "yes"}, {F, Date(2012, 3, 1)}, {N, 0.8}, {C, 30000}, {H, 2000}, {D, 7000}},
     {"Bonus Allowance (D) and 179 deduction (H) together are above the vehicle's first-year limit of "
      "8928 (11160 x 0.8 business use) for row "}},
    {"vehicle 50 % allowance at its limit", {{K, "yes"}, {F, Date(2012, 3, 1)}, {C, 30000}, {D, 11160}}, {}},
    {"vehicle 50 % allowance above its limit",
     {{K, "yes"}, {F, Date(2012, 3, 1)}, {C, 30000}, {D, 15000}},
     {"Bonus Allowance (D) and 179 deduction (H) together are above the vehicle's first-year limit of "
      "11160 (11160 x 1 business use) for row "}},
    {"vehicle 30 % allowance of 2003 within its limit",
     {{K, "yes"}, {F, Date(2003, 3, 1)}, {C, 20000}, {D, 6000}},
     {}},
    {"vehicle 30 % allowance of 2003 with 179 above its limit",
     {{K, "yes"}, {F, Date(2003, 3, 1)}, {C, 20000}, {D, 6000}, {H, 2000}},
     {"Bonus Allowance (D) and 179 deduction (H) together are above the vehicle's first-year limit of "
      "7660 (7660 x 1 business use) for row "}},
    {"vehicle in a year without limits",
     {{C, 30000}, {K, "yes"}, {F, Date(1996, 3, 1)}},
     {"Vehicle (K) has no vehicle limits of 1996 (Maintenance\\Auto Max Limits) for row "}},
    {"vehicle allowance in a year without a bonus limit",
     {{C, 30000}, {K, "yes"}, {F, Date(2005, 3, 1)}, {D, 300}},
     {"Vehicle (K) has no first-year vehicle limit with the 50 % allowance of 2005 (Maintenance\\Auto "
      "Max Limits) for row "}},
    {"no vehicle above any limit", {{C, 30000}, {K, "no"}, {F, Date(2012, 3, 1)}, {N, 0.8}, {H, 5000}}, {}},
    {"vehicle without an in-service date", {{C, 30000}, {K, "yes"}, {F, "soon"}, {H, 5000}}, {kInService}},
};

// Vehicle rows look their limits up in the database.
TEST(ImportSheetCheck, EveryColumnAndRule) {
    test::FreshDatabase fresh;
    std::vector<Row> rows;
    for (const Case& c : kCases) {
        Row row = test::importRow(kCompany);
        for (const auto& [column, value] : c.cells)
            row[column] = value;
        rows.push_back(row);
    }
    const auto path = fresh.folder() / "check.xlsx";
    test::writeXlsx(path, test::importSheet(rows));

    Workbook book(path.string());
    for (const Case& c : kCases) {
        SCOPED_TRACE(c.name);
        ASSERT_TRUE(import::nextAssetRow(book));
        std::vector<std::string> expected;
        for (const std::string& text : c.failures)
            expected.push_back(text + std::to_string(book.row()));
        EXPECT_EQ(checkImportRow(book, kCompany), expected);
    }
    EXPECT_FALSE(import::nextAssetRow(book));
}

TEST(ImportSheetCheck, XlsYesNoAndDates) {
    test::TempFolder folder;
    Row yes = test::importRow(kCompany);
    yes[G] = true;
    yes[F] = Date(2011, 3, 15);
    Row two = test::importRow(kCompany);
    two[G] = 2;
    const auto path = folder.path() / "check.xls";
    test::writeXls(path, test::importSheet({yes, two}));

    Workbook book(path.string());
    ASSERT_TRUE(import::nextAssetRow(book));
    EXPECT_EQ(checkImportRow(book, kCompany), std::vector<std::string>{});
    ASSERT_TRUE(import::nextAssetRow(book));
    EXPECT_EQ(checkImportRow(book, kCompany), std::vector<std::string>{kType179 + "3"});
}

TEST(ImportSheetCheck, CellsHoldingErrorsFailTheirColumn) {
    test::TempFolder folder;
    const auto path = folder.path() / "errors.xls";
    auto row = test::importRow(kCompany);
    const auto error = [](std::size_t column) {
        test::SheetFormula f;
        f.row = 1;
        f.column = column;
        f.formula = "=1/0";
        f.error = "#DIV/0!";
        return f;
    };
    test::XlsOptions options;
    options.formulas = {error(D), error(K), error(test::S)};
    test::writeXls(path, test::importSheet({row}), options);
    Workbook book(path.string());
    ASSERT_TRUE(import::nextAssetRow(book));
    EXPECT_EQ(checkImportRow(book, kCompany),
              (std::vector<std::string>{kBonus + "2", "Vehicle can not be read for row 2",
                                        "Notes can not be read for row 2"}));
}

TEST(ImportSheetCheck, LifeLists) {
    struct Case {
        double life;
        const char* list;
        bool in;
    };
    for (const Case c : {Case{27.5, "3,5,27.5,31.5", true}, Case{20, "5,6,9,10,12,18, 20, 40, 50", true},
                         Case{50, "5,6,9,10,12,18, 20, 40, 50", true}, Case{7.5, "3,5,7,10", false},
                         Case{2, "3,5,7,10", false}, Case{10, "3,5,7,10", true}}) {
        SCOPED_TRACE(c.life);
        EXPECT_EQ(lifeInList(c.life, c.list), c.in);
    }
}

} // namespace
} // namespace qel::exchange
