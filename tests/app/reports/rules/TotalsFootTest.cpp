// Every filler with subtotal or total rows, on amounts that do not show as stored (10.4 shows
// 10, 0.125 shows .13, 57,222.224 shows 57,222.22): each subtotal and total equals the sum of
// the cells shown above it, rounded only to the places the total shows.
#include "tests/app/reports/ReportFooting.h"
#include "tests/app/reports/rules/ListFixture.h"

#include "app/reports/rules/ReportFillers.h"

#include <functional>
#include <set>

namespace qel::reports {
namespace {

using namespace test;

using Filler = std::function<std::int32_t(ReportList&, const Recordset&, const MessageSink&)>;

struct Case {
    const char* name;
    Filler fill;
    Recordset rs;
    std::set<std::size_t> amounts; // the columns with totals
    int totals;                    // how many total cells the list shows
};

std::vector<Case> cases() {
    std::vector<Case> out;
    out.push_back({"whole totals of the last fields",
                   [](ReportList& l, const Recordset& rs, const MessageSink& s) {
                       return PopLVTotalLastField(l, rs, 2, s);
                   },
                   records({text("Description"), dbl("Cost"), currency("Depreciation")},
                           {{"a", 10.4, 0.125}, {"b", 10.4, 0.125}, {"c", 10.4, 0.125}}),
                   {1, 2},
                   2});
    out.push_back(
        {"two-decimal totals of the last fields",
         [](ReportList& l, const Recordset& rs, const MessageSink& s) {
             return PopLVTotalLastFieldDec(l, rs, 2, s);
         },
         records({text("Account"), currency("Debit"), text("Credit", 20)}, {{"6100", 0.125, ""},
                                                                            {"6100", 0.125, ""},
                                                                            {"1700", Variant(), "0.125"},
                                                                            {"1700", Variant(), "0.125"}}),
         {1, 2},
         2});
    const auto wsRow = [](const char* method, double cost) -> std::vector<Variant> {
        return {method, "x", 1, Date(2010, 3, 1), cost, 100.0, cost, "HY", 7.0, cost / 2, 0.125};
    };
    out.push_back({"depreciation worksheet",
                   PopulateDeprWrkSheet,
                   records({text("Method"), text("Description"), integer("Asset #  "), date("In Service"),
                            dbl("Asset Cost "), dbl("Percent"), dbl("Cost Basis"), text("Conv"), dbl("Life"),
                            dbl("Accum Depr"), currency("Depreciation")},
                           {wsRow("ADS", 10.4), wsRow("ADS", 10.4), wsRow("ADS", 10.4), wsRow("MACRS", 20.6),
                            wsRow("MACRS", 20.6)}),
                   {4, 6, 9, 10},
                   12});
    const auto cyRow = [](const char* method, double cost) -> std::vector<Variant> {
        return {method, "x", 1, Date(2010, 3, 1), cost, 100.0, cost, "HY", 7.0, 0.5, 0.5, 0.5, cost};
    };
    out.push_back({"current year worksheet",
                   PopulateCurrentWrkSheet,
                   records({text("Method"), text("Description"), integer("Asset #  "), date("In Service"),
                            dbl("Asset Cost "), dbl("Percent"), dbl("Cost Basis"), text("Conv"), dbl("Life"),
                            dbl("Bonus"), dbl("179"), dbl("Depreciation"), dbl("Net Book Value")},
                           {cyRow("ADS", 10.4), cyRow("ADS", 10.4), cyRow("ADS", 10.4), cyRow("S/L", 1.5)}),
                   {4, 6, 9, 10, 11, 12},
                   18});
    out.push_back({"property tax",
                   [](ReportList& l, const Recordset& rs, const MessageSink& s) {
                       return PopLVPropertyTax(l, rs, 1, s);
                   },
                   records({text("Asset Class"), date("In Service  "), integer("Asset ID  "),
                            text("Description                          "), dbl("Asset Cost")},
                           {{"Furniture", Date(2009, 5, 1), 1, "a", 10.4},
                            {"Furniture", Date(2009, 6, 1), 2, "b", 10.4},
                            {"Furniture", Date(2010, 2, 1), 3, "c", 10.4},
                            {"Vehicles", Date(2010, 2, 1), 4, "d", 10.4},
                            {"Vehicles", Date(2010, 3, 1), 5, "e", 10.4}}),
                   {4},
                   6});
    out.push_back(
        {"journal entry detail",
         PopulateJvDepr,
         records({text("Account"), dbl("Debit"), dbl("Credit"), integer("Asset Id"), text("Description")},
                 {{"1700", Variant(), 0.125, 1, "a"},
                  {"1700", Variant(), 0.125, 2, "b"},
                  {"1700", Variant(), 0.125, 3, "c"},
                  {"6100", 0.125, Variant(), 1, "a"},
                  {"6100", 0.125, Variant(), 2, "b"},
                  {"6100", 0.125, Variant(), 3, "c"}}),
         {1, 2},
         4});
    const auto ledgerRow = [](const char* account, double cost, double nbv) -> std::vector<Variant> {
        return {account, "1500", "x", 1, Date(2010, 6, 1), 7.0, cost, cost - nbv, nbv};
    };
    out.push_back(
        {"book asset ledger",
         PopulateBookAssetLedger,
         records({text("Account"), text("Capital Account", 20), text("Description"), integer("Asset #"),
                  date("In Service"), dbl("Life"), dbl("Cost"), dbl("Accum Depr"), dbl("NBV")},
                 {ledgerRow("Office", 57222.224, 400000.004), ledgerRow("Office", 5344.444, 269200.004),
                  ledgerRow("Office", 31733.332, 0.004), ledgerRow("Plant", 10.004, 10.004)}),
         {6, 7, 8},
         9});
    return out;
}

TEST(TotalsFoot, EveryTotalIsTheSumOfTheCellsShownAboveIt) {
    for (const Case& c : cases()) {
        SCOPED_TRACE(c.name);
        ReportList list = columnsOf(c.rs);
        Boxes boxes;
        EXPECT_GT(c.fill(list, c.rs, boxes.sink), 0);
        EXPECT_TRUE(boxes.shown.empty());
        EXPECT_EQ(qel::test::totalledColumns(list), c.amounts);
        const qel::test::Footing footing = qel::test::checkFooting(list, c.amounts);
        EXPECT_EQ(footing.errors, std::vector<std::string>{});
        EXPECT_EQ(footing.checked, c.totals);
    }
}

// A ledger added up by hand: costs that show 57,222.22, 5,344.44 and 31,733.33 (stored values
// that add up to 94,300.00) under a subtotal of 94,299.99; net book values that show 400,000.01,
// 269,200.00 and 0.00 (stored, they add up to 669,200.003) under 669,200.01.
TEST(TotalsFoot, TheLedgerSubtotalAddsTheCentsShown) {
    const Recordset rs =
        records({text("Account"), text("Capital Account", 20), text("Description"), integer("Asset #"),
                 date("In Service"), dbl("Life"), dbl("Cost"), dbl("Accum Depr"), dbl("NBV")},
                {{"Office", "1500", "Desk", 1, Date(2010, 6, 1), 7.0, 57222.224, 0.0, 400000.006},
                 {"Office", "1500", "Shelf", 2, Date(2010, 6, 1), 7.0, 5344.444, 0.0, 269199.997},
                 {"Office", "1500", "Safe", 3, Date(2010, 6, 1), 7.0, 31733.332, 0.0, 0.0}});
    ReportList list = columnsOf(rs);
    Boxes boxes;
    EXPECT_EQ(PopulateBookAssetLedger(list, rs, boxes.sink), 7);
    EXPECT_EQ(list.text(4, 6), "94,299.99");
    EXPECT_EQ(list.text(4, 8), "669,200.01");
    EXPECT_EQ(list.text(6, 6), "94,299.99");
}

} // namespace
} // namespace qel::reports
