// The processing of imported assets: the row sets, the method the engine runs and the
// arguments it gets, the marks, and the assets whose run fails.
//
// Which engine operation ran, and with what, is checked against a twin: an unmarked asset with
// the same fields whose schedule the test computes by calling the engine itself with the
// arguments expected. Both schedules (and gains or losses) must be the same.
#include "server/engine/CalcDepr.h"
#include "tests/server/support/ImportFixture.h"
#include "tests/testsupport/TestData.h"

#include <functional>
#include <optional>

namespace qel::test {
namespace {

// An imported asset as the program leaves it before the processing: fiscal dates filled.
struct Imported {
    std::int32_t company = 1;
    std::int32_t method = 1; // MACRS
    double cost = 1000;
    double businessPercent = 1;
    double life = 7;
    std::int32_t convention = 1; // half year
    double allowance = 0;
    double section179 = 0;
    double otherDeductions = 0;
    double soldAmount = 0;
    std::string fiscalStart = "2010-07-01";
    std::string fiscalSold = "1900-01-01";
    int vehicle = 0; // the vehicle number the completion gave; 0 for no vehicle
};

class ProcessTest : public ImportTest {
protected:
    std::int32_t add(const Imported& a, bool marked = true) {
        return addAsset({.name = "Imported",
                         .company = a.company,
                         .method = a.method,
                         .cost = a.cost,
                         .allowance = a.allowance,
                         .section179 = a.section179,
                         .other = a.otherDeductions,
                         .business = a.businessPercent,
                         .fiscalStart = a.fiscalStart,
                         .sold = a.fiscalSold,
                         .soldAmt = a.soldAmount,
                         .life = a.life,
                         .convention = a.convention,
                         .vehicle = a.vehicle,
                         .imported = marked});
    }

    // The asset's tax-book rows ("year depr accum") and its gain or loss.
    std::vector<std::string> schedule(std::int32_t asset) const {
        std::vector<std::string> rows;
        const Recordset rs = fresh_.conn().query(
            "SELECT [year], depr, accum_depr FROM tblDepr WHERE BookId = 1 AND asset_num = " +
            std::to_string(asset) + " ORDER BY [year]");
        for (const auto& r : rs.rows())
            rows.push_back(r[0].toString() + " " + r[1].toString() + " " + r[2].toString());
        rows.push_back(
            "gain/loss " +
            fresh_.value("SELECT gain_loss FROM tblAssets WHERE Asset_num = " + std::to_string(asset))
                .toString());
        return rows;
    }

    bool marked(std::int32_t asset) const {
        return fresh_.value("SELECT DoImportDepr FROM tblAssets WHERE Asset_num = " + std::to_string(asset))
            .toBool();
    }

    // ProcessImportedAssets' error, with the class and operation it passes on.
    ServerError processError(std::int32_t company = 1) {
        try {
            DeprSupport().ProcessImportedAssets(company);
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kPassedThrough);
            EXPECT_EQ(e.helpFile(), "DeprSupport");
            EXPECT_EQ(e.helpContext(), " ProcessImportedAssets");
            return e;
        }
        ADD_FAILURE() << "the processing did not fail";
        return ServerError(0, "", "", ErrorKind::Sql);
    }
};

const Date kStart(2010, 7, 1);
const Date kNotSold;

// The engine call expected for the twin asset; empty when no calculation is expected.
using EngineCall = std::function<void(CalcDepr&, std::int32_t asset)>;

struct DispatchCase {
    const char* name;
    Imported asset;
    EngineCall expected;
};

void PrintTo(const DispatchCase& c, std::ostream* os) {
    *os << c.name;
}

Imported with(std::function<void(Imported&)> change) {
    Imported a;
    change(a);
    return a;
}

class ImportDispatch : public ProcessTest, public ::testing::WithParamInterface<DispatchCase> {};

TEST_P(ImportDispatch, RunsTheEngineAsExpected) {
    const auto& c = GetParam();
    const std::int32_t imported = add(c.asset);
    const std::int32_t twin = add(c.asset, false);
    if (c.expected) {
        CalcDepr engine;
        c.expected(engine, twin);
    }

    EXPECT_TRUE(DeprSupport().ProcessImportedAssets(1));

    const auto got = schedule(imported);
    EXPECT_EQ(got, schedule(twin));
    EXPECT_EQ(got.size() > 1, static_cast<bool>(c.expected)) << "rows written: " << got.size() - 1;
    EXPECT_FALSE(marked(imported));
}

INSTANTIATE_TEST_SUITE_P(
    All, ImportDispatch,
    ::testing::Values(
        DispatchCase{"MacrsLife7", Imported{},
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoMacrsDepr(1000, 7, 0, 1, a, 1, kStart, kNotSold, "N", 0, 0, 1, "MACRS", 1);
                     }},
        DispatchCase{"Macrs150", with([](Imported& a) { a.method = 11; }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoMacrsDepr(1000, 7, 0, 1, a, 1, kStart, kNotSold, "N", 0, 0, 1, "MACRS 150", 1);
                     }},
        DispatchCase{"ListedAt051RunsAsMacrs", with([](Imported& a) {
                         a.method = 9;
                         a.businessPercent = 0.51;
                         a.life = 5;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoMacrsDepr(510, 5, 0, 1, a, 1, kStart, kNotSold, "N", 0, 0, 0.51, "MACRS", 1);
                     }},
        DispatchCase{"ListedAt05RunsAsAds", with([](Imported& a) {
                         a.method = 9;
                         a.businessPercent = 0.5;
                         a.life = 5;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoDepr(500, 5, 1, 1, a, kStart, kNotSold, "ADS", 0, "N", 0.5, 1);
                     }},
        DispatchCase{"Macrs275RunsAsMacrs27WithLife28", with([](Imported& a) {
                         a.life = 27.5;
                         a.convention = 3;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoDepr(1000, 28, 3, 1, a, kStart, kNotSold, "Macrs27", 0, "N", 1, 1);
                     }},
        DispatchCase{"Macrs315RunsAsMacrs31WithLife32", with([](Imported& a) {
                         a.life = 31.5;
                         a.convention = 3;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoDepr(1000, 32, 3, 1, a, kStart, kNotSold, "Macrs31", 0, "N", 1, 1);
                     }},
        DispatchCase{"Macrs39", with([](Imported& a) {
                         a.life = 39;
                         a.convention = 3;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoDepr(1000, 39, 3, 1, a, kStart, kNotSold, "Macrs39", 0, "N", 1, 1);
                     }},
        DispatchCase{"MacrsBeyond39RunsAsAds", with([](Imported& a) { a.life = 40; }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoDepr(1000, 40, 1, 1, a, kStart, kNotSold, "ADS", 0, "N", 1, 1);
                     }},
        DispatchCase{"StraightLine", with([](Imported& a) {
                         a.method = 4;
                         a.life = 10;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoDepr(1000, 10, 1, 1, a, kStart, kNotSold, "S/L", 0, "N", 1, 1);
                     }},
        DispatchCase{"Amortize", with([](Imported& a) {
                         a.method = 3;
                         a.life = 15;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoDepr(1000, 15, 1, 1, a, kStart, kNotSold, "Amortize", 0, "N", 1, 1);
                     }},
        DispatchCase{"NetCostHalfDown", with([](Imported& a) {
                         a.cost = 1001;
                         a.businessPercent = 0.5;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoMacrsDepr(500, 7, 0, 1, a, 1, kStart, kNotSold, "N", 0, 0, 0.5, "MACRS", 1);
                     }},
        DispatchCase{"NetCostHalfUp", with([](Imported& a) {
                         a.cost = 1003;
                         a.businessPercent = 0.5;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoMacrsDepr(502, 7, 0, 1, a, 1, kStart, kNotSold, "N", 0, 0, 0.5, "MACRS", 1);
                     }},
        DispatchCase{"FractionalCostToEven", with([](Imported& a) { a.cost = 100.5; }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoMacrsDepr(100, 7, 0, 1, a, 1, kStart, kNotSold, "N", 0, 0, 1, "MACRS", 1);
                     }},
        DispatchCase{"DeductionsAndSale", with([](Imported& a) {
                         a.cost = 5000;
                         a.allowance = 1000;
                         a.section179 = 500;
                         a.otherDeductions = 250;
                         a.fiscalSold = "2013-03-01";
                         a.soldAmount = 400;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.DoMacrsDepr(3250, 7, 1000, 1, a, 1, kStart, Date(2013, 3, 1), "N", 500, 400, 1,
                                       "MACRS", 1);
                     }},
        DispatchCase{"ListedWhollyExpensedGetsItsZeroRow", with([](Imported& a) {
                         a.method = 9;
                         a.life = 5;
                         a.section179 = 1000;
                     }),
                     [](CalcDepr& e, std::int32_t a) { e.DoZeroListed(1, a, kStart, 1); }},
        DispatchCase{"MacrsWhollyExpensedGetsNothing", with([](Imported& a) { a.section179 = 1000; }),
                     nullptr},
        DispatchCase{"ListedWithoutCostGetsNothing", with([](Imported& a) {
                         a.method = 9;
                         a.life = 5;
                         a.cost = 0;
                     }),
                     nullptr},
        DispatchCase{"NonDeprGetsNothing", with([](Imported& a) { a.method = 10; }), nullptr},
        // A vehicle runs as a passenger car, within the limits of its calendar in-service year.
        DispatchCase{"ListedVehicle", with([](Imported& a) {
                         a.method = 9;
                         a.life = 5;
                         a.cost = 30000;
                         a.businessPercent = 0.8;
                         a.vehicle = 1;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.GetAutoMaxRates("G", 2010, 0);
                         e.DoMacrsDepr(24000, 5, 0, 1, a, 1, kStart, kNotSold, "G", 0, 0, 0.8, "MACRS", 1);
                     }},
        DispatchCase{"StraightLineVehicle", with([](Imported& a) {
                         a.method = 4;
                         a.life = 5;
                         a.cost = 30000;
                         a.vehicle = 2;
                     }),
                     [](CalcDepr& e, std::int32_t a) {
                         e.GetAutoMaxRates("G", 2010, 0);
                         e.DoDepr(30000, 5, 1, 1, a, kStart, kNotSold, "S/L", 0, "G", 1, 1);
                     }}),
    [](const auto& info) { return std::string(info.param.name); });

// An imported vehicle's first year is held to the business share of its first-year limit, as the
// asset form's save holds it; the limits are those of a passenger car of its calendar in-service
// year, and an allowance takes the limit of the rate it was taken at.
TEST_F(ProcessTest, AVehicleIsHeldToItsFirstYearLimit) {
    struct Case {
        const char* name;
        int method;
        double cost, businessPercent, allowance;
        const char* fiscalStart;
        int vehicle;
        double firstYear; // the first row's depreciation
    } cases[] = {
        // 3,160 x 80 %; run as no vehicle it got 24,000 x 20 % = 4,800.
        {"2012 listed van at 80 %", 9, 30000, 0.8, 0, "2012-03-01", 1, 2528},
        // The 50 % allowance's limit, 11,160, less the allowance.
        {"2012 car with the 50 % allowance", 1, 20000, 1, 10000, "2012-03-01", 1, 1160},
        // 2003 had a limit for each rate: the 30 % allowance takes 7,660, not 10,710.
        {"2003 car with the 30 % allowance", 1, 20000, 1, 6000, "2003-03-01", 1, 1660},
        // An allowance already lowered to the 2015 limit leaves nothing for depreciation.
        {"2015 car with its allowance at the limit", 1, 40000, 1, 11160, "2015-03-01", 1, 0},
        {"the same asset as no vehicle", 1, 40000, 1, 11160, "2015-03-01", 0, 5768},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto asset = add(with([&](Imported& a) {
            a.method = c.method;
            a.life = 5;
            a.cost = c.cost;
            a.businessPercent = c.businessPercent;
            a.allowance = c.allowance;
            a.fiscalStart = c.fiscalStart;
            a.vehicle = c.vehicle;
        }));
        ASSERT_TRUE(DeprSupport().ProcessImportedAssets(1));
        const Recordset depr = fresh_.conn().query(
            "SELECT depr FROM tblDepr WHERE BookId = 1 AND asset_num = ? ORDER BY [year]", {asset});
        EXPECT_EQ(depr.rows().at(0)[0].toDouble(), c.firstYear);
    }
}

// A vehicle whose year has no limits is not run without them: it stays marked, reported with
// what is missing, and the other assets are processed.
TEST_F(ProcessTest, AVehicleWithoutLimitsStaysMarked) {
    const auto car = add(with([](Imported& a) {
        a.fiscalStart = "1996-07-01";
        a.vehicle = 1;
    }));
    const auto desk = add(Imported{});

    const ServerError e = processError();
    EXPECT_NE(e.description().find("Asset " + std::to_string(car) +
                                   ": The imported vehicle has no vehicle limits of 1996"),
              std::string::npos)
        << e.description();
    EXPECT_TRUE(marked(car));
    EXPECT_EQ(schedule(car).size(), 1u);
    EXPECT_FALSE(marked(desk));
}

TEST_F(ProcessTest, RowSetsHoldTheCompanysMarkedRowsOfKnownMethods) {
    const auto mine = add(Imported{});
    add(Imported{}, false);
    add(with([](Imported& a) { a.company = 2; }));
    add(with([](Imported& a) { a.method = 99; }));

    const Recordset rs = DeprSupport().GetImportedAssetsToUpdate(1);
    EXPECT_EQ(fieldNames(rs),
              (std::vector<std::string>{"Company_Id", "Asset_num", "sold_date", "Method", "Life",
                                        "in_service_date", "book_life", "vehicle_num"}));
    ASSERT_EQ(rs.RecordCount(), 1u);
    EXPECT_EQ(rs["Asset_num"].toInt32(), mine);
    EXPECT_EQ(rs["Method"].toString(), "MACRS");
    EXPECT_EQ(DeprSupport().GetImportedAssetsToUpdate(3).RecordCount(), 0u);
}

TEST_F(ProcessTest, ClearsOnlyTheCompanysMarks) {
    const auto unknownMethod = add(with([](Imported& a) { a.method = 99; }));
    const auto otherCompany = add(with([](Imported& a) { a.company = 2; }));

    EXPECT_TRUE(DeprSupport().ProcessImportedAssets(1));
    EXPECT_FALSE(marked(unknownMethod));
    EXPECT_EQ(schedule(unknownMethod).size(), 1u);
    EXPECT_TRUE(marked(otherCompany));
    EXPECT_EQ(schedule(otherCompany).size(), 1u);
    // Nothing marked: the run still succeeds.
    EXPECT_TRUE(DeprSupport().ProcessImportedAssets(1));
}

struct FailureCase {
    const char* name;
    const char* change; // SQL after "UPDATE tblAssets SET ", for the second asset
    const char* cause;  // part of the report
};

void PrintTo(const FailureCase& c, std::ostream* os) {
    *os << c.name;
}

class ImportFailures : public ProcessTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(ImportFailures, KeepTheFailedAssetMarkedAndProcessTheOthers) {
    const auto& c = GetParam();
    const auto first = add(Imported{});
    const auto second = add(Imported{});
    const auto third = add(Imported{});
    fresh_.exec(std::string("UPDATE tblAssets SET ") + c.change +
                " WHERE Asset_num = " + std::to_string(second));

    const ServerError e = processError();
    EXPECT_NE(
        e.description().find("1 of 3 imported assets could not be depreciated and stay marked for the next "
                             "run: " +
                             std::to_string(second) + ". Asset " + std::to_string(second) + ": "),
        std::string::npos)
        << e.description();
    EXPECT_NE(e.description().find(c.cause), std::string::npos) << e.description();
    EXPECT_FALSE(marked(first));
    EXPECT_TRUE(marked(second));
    EXPECT_FALSE(marked(third));
    EXPECT_GT(schedule(first).size(), 1u);
    EXPECT_EQ(schedule(second).size(), 1u);
    EXPECT_GT(schedule(third).size(), 1u);

    // Mended, the asset is taken by the next run.
    fresh_.exec(
        "UPDATE tblAssets SET Cost = 1000, convention = 1, life = 7, fiscal_start_date = '2010-07-01',"
        " [179_deduction] = 0, other_deductions = 0"
        " WHERE Asset_num = " +
        std::to_string(second));
    EXPECT_TRUE(DeprSupport().ProcessImportedAssets(1));
    EXPECT_FALSE(marked(second));
    EXPECT_EQ(schedule(second), schedule(first));
}

INSTANTIATE_TEST_SUITE_P(
    All, ImportFailures,
    ::testing::Values(
        FailureCase{"UnknownConvention", "convention = 9", "The convention 9 is unknown"},
        FailureCase{"LifeWithoutRates", "life = 12", "The MACRS rate tables have no life of 12 years"},
        FailureCase{"EmptyCost", "Cost = NULL", "Invalid use of Null: the field Cost is empty."},
        FailureCase{"FiscalDatesNotFilled", "fiscal_start_date = '1900-01-01'",
                    "its fiscal start date is not set."},
        FailureCase{"DeductionsOverflow", "[179_deduction] = 2147483647, other_deductions = 1", "Overflow"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ProcessTest, AReportOfManyFailuresListsTheFirstTenAndCountsTheRest) {
    std::vector<std::int32_t> assets;
    for (int i = 0; i < 12; ++i)
        assets.push_back(add(with([](Imported& a) { a.convention = 9; })));

    const ServerError e = processError();
    std::string firstTen;
    for (int i = 0; i < 10; ++i)
        firstTen += (i ? ", " : "") + std::to_string(assets[static_cast<std::size_t>(i)]);
    const std::string report =
        "12 of 12 imported assets could not be depreciated and stay marked for the next "
        "run: " +
        firstTen + " and 2 more. Asset " + std::to_string(assets[0]) + ": The convention 9 is unknown";
    EXPECT_EQ(e.description().substr(0, report.size()), report);
    for (const auto asset : assets)
        EXPECT_TRUE(marked(asset));
}

TEST_F(ProcessTest, AFailureAfterTheEngineRunsUndoesTheWholeRun) {
    const auto asset = add(Imported{});
    fresh_.exec("CREATE TRIGGER refuseReset BEFORE UPDATE OF DoImportDepr ON tblAssets"
                " BEGIN SELECT RAISE(ABORT, 'refused by the test'); END");
    const ServerError e = processError();
    EXPECT_NE(e.description().find("refused by the test"), std::string::npos) << e.description();
    EXPECT_TRUE(marked(asset));
    EXPECT_EQ(schedule(asset).size(), 1u);
}

// The engine's corrected schedules through the processing: the printed real-property tables and
// yearly amounts in whole dollars that add up to the accumulated amount, ending at the basis.
TEST_F(ProcessTest, ProcessedSchedulesFollowThePrintedTablesInWholeDollars) {
    struct Case {
        const char* name;
        Imported asset;
        std::size_t rows;
        std::vector<std::pair<std::size_t, double>> amounts; // recovery year, stored amount
        double end;
    } cases[] = {
        // Table A-6, March: year 10 is 3.637 %; the rounded years reach 275,002, so the last gives
        // back 2 (the stored fractions once added up to 274,992.89).
        {"27.5 years from March",
         with([](Imported& a) {
             a.cost = 275000;
             a.life = 27.5;
             a.convention = 3;
             a.fiscalStart = "2010-03-01";
         }),
         28,
         {{1, 7917}, {2, 9999}, {10, 10002}, {11, 9999}, {28, 7082}},
         275000},
        {"31.5 years from August",
         with([](Imported& a) {
             a.cost = 200000;
             a.life = 31.5;
             a.convention = 3;
             a.fiscalStart = "2010-08-01";
         }),
         33,
         {{1, 2380}, {9, 6350}, {10, 6348}, {33, 794}},
         200000},
        {"39 years from July",
         with([](Imported& a) {
             a.cost = 100000;
             a.life = 39;
             a.convention = 3;
         }),
         40,
         {{1, 1177}, {2, 2564}, {40, 1391}},
         100000},
        // The stored fractions once added up to 10,002; the extra year takes the 2 dollars left.
        {"20 years half year",
         with([](Imported& a) {
             a.cost = 10000;
             a.life = 20;
         }),
         21,
         {{1, 375}, {2, 722}, {6, 528}, {20, 446}, {21, 225}},
         10000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto asset = add(c.asset);
        ASSERT_TRUE(DeprSupport().ProcessImportedAssets(1));
        const Recordset rs = fresh_.conn().query(
            "SELECT depr, accum_depr FROM tblDepr WHERE BookId = 1 AND asset_num = ? ORDER BY [year]",
            {asset});
        ASSERT_EQ(rs.RecordCount(), c.rows);
        for (const auto& [n, amount] : c.amounts)
            EXPECT_EQ(rs.rows()[n - 1][0].toDouble(), amount) << "year " << n;
        double total = 0;
        for (const auto& row : rs.rows()) {
            total += row[0].toDouble();
            EXPECT_EQ(row[1].toDouble(), total);
        }
        EXPECT_EQ(total, c.end);
    }
}

// The processing passes the business fraction that made the basis, so a sale gains or loses on
// the business part: that share of the sale price against the basis not yet depreciated.
TEST_F(ProcessTest, ASaleGainsOnTheBusinessPart) {
    struct Case {
        const char* name;
        double businessPercent;
        double gain;
    } cases[] = {
        // 35,000 of basis, 16,635 allowed by the sale in the third year: 0.7 x 30,000 - 18,365.
        // The whole price against the business basis once gave 11,635.
        {"70 % business use", 0.7, 2635},
        // 50,000 of basis, 23,762 allowed.
        {"full business use", 1, 30000 + 23762 - 50000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const auto asset = add(with([&](Imported& a) {
            a.cost = 50000;
            a.businessPercent = c.businessPercent;
            a.fiscalStart = "2018-06-01";
            a.fiscalSold = "2020-09-01";
            a.soldAmount = 30000;
        }));
        ASSERT_TRUE(DeprSupport().ProcessImportedAssets(1));
        EXPECT_EQ(schedule(asset).back(), "gain/loss " + std::to_string(static_cast<int>(c.gain)));
    }
}

TEST_F(ProcessTest, RowsOfAnEarlierVersionAreReplacedWhenTheAssetIsProcessed) {
    const auto asset = add(with([](Imported& a) {
        a.cost = 10000;
        a.life = 20;
    }));
    const auto untouched = add(Imported{}, false);
    test::addDepr(1, 1, asset, 2010, 375, 375);
    test::addDepr(1, 1, asset, 2011, 721.9, 1097);
    test::addDepr(1, 1, untouched, 2010, 142.9, 143);

    ASSERT_TRUE(DeprSupport().ProcessImportedAssets(1));
    EXPECT_EQ(fresh_
                  .value("SELECT depr FROM tblDepr WHERE asset_num = " + std::to_string(asset) +
                         " AND [year] = 2011")
                  .toDouble(),
              722);
    EXPECT_EQ(
        fresh_.value("SELECT count(*) FROM tblDepr WHERE asset_num = " + std::to_string(asset)).toInt64(),
        21);
    EXPECT_EQ(
        fresh_.value("SELECT depr FROM tblDepr WHERE asset_num = " + std::to_string(untouched)).toDouble(),
        142.9);
}

// The runs share the processing's transaction: a failure in the middle of an asset's writes can
// not be undone asset by asset, so it undoes the whole processing, earlier assets included.
TEST_F(ProcessTest, AWriteFailingPartWayUndoesTheWholeRun) {
    const auto first = add(Imported{});
    const auto second = add(Imported{});
    const auto third = add(Imported{});
    test::addDepr(1, 1, second, 2009, 100, 100);
    const auto before = schedule(second);
    fresh_.exec(
        "CREATE TRIGGER refuseYear BEFORE INSERT ON tblDepr WHEN NEW.asset_num = " + std::to_string(second) +
        " AND NEW.[year] = 2012 BEGIN SELECT RAISE(ABORT, 'the disk is full'); END");

    const ServerError e = processError();
    EXPECT_NE(e.description().find("the disk is full"), std::string::npos) << e.description();
    for (const auto asset : {first, second, third})
        EXPECT_TRUE(marked(asset)) << asset;
    EXPECT_EQ(schedule(first).size(), 1u);
    EXPECT_EQ(schedule(second), before);
    EXPECT_EQ(schedule(third).size(), 1u);
}

// The whole chain: the import, the program's completion of the marked rows, the processing.
TEST_F(ProcessTest, ImportedRowsGetTheirScheduleOnceCompleted) {
    auto listed = importRow();
    listed[E] = 9;
    listed[J] = 5;
    listed[N] = 0.6;
    auto building = importRow();
    building[J] = 39;
    building[I] = 3;
    ASSERT_TRUE(DeprSupport().ImportAssetsFromExcel(1, writeSheet({importRow(), listed, building})));

    // What the program does for a company whose fiscal year ends in December.
    Recordset rs = DeprSupport().GetImportedAssetsToUpdate(1);
    ASSERT_EQ(rs.RecordCount(), 3u);
    for (rs.MoveFirst(); !rs.IsEOF(); rs.MoveNext())
        fresh_.exec("UPDATE tblAssets SET fiscal_start_date = date(In_service_date, 'start of month')"
                    " WHERE Asset_num = " +
                    rs["asset_num"].toString());

    EXPECT_TRUE(DeprSupport().ProcessImportedAssets(1));
    EXPECT_EQ(fresh_.value("SELECT count(*) FROM tblAssets WHERE DoImportDepr = 1").toInt64(), 0);
    EXPECT_EQ(fresh_.value("SELECT count(DISTINCT asset_num) FROM tblDepr WHERE BookId = 1").toInt64(), 3);
    EXPECT_EQ(DeprSupport().GetImportedAssetsToUpdate(1).RecordCount(), 0u);
}

} // namespace
} // namespace qel::test
