// The asset validation: messages in rule order, red captions, the focus, and the questions.
#include "app/assets/rules/AssetValidation.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace qel::assets {
namespace {

// A MACRS 7-year asset that passes every rule.
AssetSnapshot validAsset() {
    AssetSnapshot a;
    a.description = "Desk";
    a.inService = "07/2020";
    a.sold = kEmptyMonth;
    a.cost = "1000";
    a.method = "MACRS";
    a.life = "7";
    a.businessPercent = "100";
    a.conventionId = 1; // Half Year
    a.costBasis = "1000";
    a.bookCost = "1000";
    a.bookLife = "7";
    a.account = "Furniture";
    return a;
}

ValidationContext context(AssetEditFlags flags = {}) {
    return {flags, 2025, Date(2025, 3, 15)};
}

// Answers every question with OK and records them.
struct Questions {
    std::vector<std::string> titles;
    bool answer = true;
    AskOkCancel ask() {
        return [this](const std::string& title, const std::string&) {
            titles.push_back(title);
            return answer;
        };
    }
};

TEST(AssetValidation, EmptyFormGivesEveryMessageInOrderAndTheFocusOnTheLast) {
    AssetSnapshot empty;
    empty.inService = kEmptyMonth;
    empty.sold = kEmptyMonth;
    Questions q;
    const ValidationResult r = ValidateAsset(empty, context(), q.ask());
    EXPECT_TRUE(r.invalid);
    EXPECT_FALSE(r.cancelled);
    EXPECT_EQ(r.message, "In service date is invalid! Description Missing! Cost Missing! Method Missing! "
                         "In service date is missing! Life Missing! Business % Can't be blank! "
                         "Book Cost need to be greater then zero. Book Life need to be greater then zero. "
                         "Account Missing! ");
    EXPECT_EQ(r.red, (std::vector<std::string>{"lblInService", "lblDescription", "lblCost", "lblMethod",
                                               "lblInService", "lblLife", "lblAutoBusiness", "lblAccount"}));
    EXPECT_EQ(r.focus, "cboAccounts");
    EXPECT_TRUE(q.titles.empty());
}

TEST(AssetValidation, Rules) {
    struct Case {
        const char* name;
        std::function<void(AssetSnapshot&)> edit;
        const char* message; // "" passes
        std::vector<std::string> red;
        const char* focus;
        bool invalid;
    } cases[] = {
        {"Valid", [](AssetSnapshot&) {}, "", {}, "", false},
        {"Month13TwiceInvalid",
         [](AssetSnapshot& a) { a.inService = "13/2003"; },
         "In service date is invalid! In service date is invalid! ",
         {"lblInService", "lblInService"},
         "txtInService",
         true},
        {"Bonus30InSeptember2001",
         [](AssetSnapshot& a) { a.inService = "09/2001", a.bonus30 = true; },
         "",
         {},
         "",
         false},
        {"Bonus30InAugust2001",
         [](AssetSnapshot& a) { a.inService = "08/2001", a.bonus30 = true; },
         "In Service date needs to be greater then Sept 10 2001.",
         {"chkBonus"},
         "",
         true},
        {"Bonus50InMay2003",
         [](AssetSnapshot& a) { a.inService = "05/2003", a.bonus50 = true; },
         "",
         {},
         "",
         false},
        {"Bonus50InApril2003",
         [](AssetSnapshot& a) { a.inService = "04/2003", a.bonus50 = true; },
         "In Service date needs to be greater then May 5 2003.",
         {"chk50Bonus"},
         "",
         true},
        {"Bonus100HasNoDate",
         [](AssetSnapshot& a) { a.inService = "01/1995", a.bonus100 = true; },
         "",
         {},
         "",
         false},
        {"Listed50NoWarning",
         [](AssetSnapshot& a) { a.method = "Listed", a.life = "5", a.businessPercent = "50"; },
         "",
         {},
         "",
         false},
        {"Listed49Warns",
         [](AssetSnapshot& a) { a.method = "Listed", a.life = "5", a.businessPercent = "49"; },
         "Business Percent is 50% or less. ADS S/L will be used",
         {},
         "",
         false},
        {"Macrs101Refused",
         [](AssetSnapshot& a) { a.businessPercent = "101"; },
         "Invalid Business %! ",
         {"lblAutoBusiness"},
         "txtBusinessPercent",
         true},
        {"StraightLine150Refused",
         [](AssetSnapshot& a) { a.method = "S/L", a.businessPercent = "150"; },
         "Invalid Business %! ",
         {"lblAutoBusiness"},
         "txtBusinessPercent",
         true},
        {"NegativeFractionRefused",
         [](AssetSnapshot& a) { a.method = "ADS", a.businessPercent = "-.5"; },
         "Invalid Business %! ",
         {"lblAutoBusiness"},
         "txtBusinessPercent",
         true},
        {"Fraction55Refused",
         [](AssetSnapshot& a) { a.businessPercent = "5.5"; },
         "Invalid Business %! ",
         {"lblAutoBusiness"},
         "txtBusinessPercent",
         true},
        {"Macrs275HalfYear",
         [](AssetSnapshot& a) { a.life = "27.5"; },
         " convention needs to be 'mid month' ",
         {},
         "",
         true},
        {"Macrs5MidMonth",
         [](AssetSnapshot& a) { a.conventionId = 3; },
         " convention needs to be 'Mid Qtr' or 'Half Year' ",
         {},
         "",
         true},
        {"Macrs150None",
         [](AssetSnapshot& a) { a.method = "MACRS 150", a.conventionId = 4; },
         " convention needs to be 'Mid Qtr' or 'Half Year' ",
         {},
         "",
         true},
        {"AdsNone",
         [](AssetSnapshot& a) { a.method = "ADS", a.conventionId = 4; },
         " convention can not be 'None' ",
         {},
         "",
         true},
        {"MacrsLife12",
         [](AssetSnapshot& a) { a.life = "12"; },
         "Life must be 3,5,7,10,15,20,27.5,31.5,39,50! ",
         {"lblLife"},
         "cboLife",
         true},
        {"MacrsLifeNoNumber",
         [](AssetSnapshot& a) { a.life = "7abc"; },
         "Life must be 3,5,7,10,15,20,27.5,31.5,39,50! ",
         {"lblLife"},
         "cboLife",
         true},
        {"Macrs150Life25",
         [](AssetSnapshot& a) { a.method = "MACRS 150", a.life = "25"; },
         "Life must be 3,5,7,10,15,20! ",
         {"lblLife"},
         "cboLife",
         true},
        {"Macrs150Life20",
         [](AssetSnapshot& a) { a.method = "MACRS 150", a.life = "20"; },
         "",
         {},
         "",
         false},
        {"Life76",
         [](AssetSnapshot& a) { a.method = "S/L", a.life = "76"; },
         "Life Can't be greater than 75! ",
         {"lblLife"},
         "cboLife",
         true},
        {"AmortizeWithoutClassOrCode",
         [](AssetSnapshot& a) { a.method = "Amortize", a.life = "15"; },
         "Class can not be blank.Amortize code can not be blank.",
         {"lblClass", "lblAmortize"},
         "txtAmorizeCode",
         true},
        {"SoldSameMonth",
         [](AssetSnapshot& a) { a.sold = "07/2020", a.dispositionAmt = "10"; },
         "",
         {},
         "",
         false},
        {"SoldBeforeInService",
         [](AssetSnapshot& a) { a.sold = "06/2020", a.dispositionAmt = "10"; },
         " Sold date needs to be greater then In Service Date. ",
         {"lblSoldDate"},
         "mskSold",
         true},
        {"SoldWithoutAmount",
         [](AssetSnapshot& a) { a.sold = "08/2021"; },
         " Sold amount is missing. ",
         {"lblDispositionAmt"},
         "txtDispositionAmt",
         true},
        {"SoldNoMonth",
         [](AssetSnapshot& a) { a.sold = "13/2021"; },
         " Sold date is invalid. ",
         {"lblSoldDate"},
         "mskSold",
         true},
        {"BasisZero", [](AssetSnapshot& a) { a.costBasis = "0"; }, "", {}, "", false},
        {"BasisNegative",
         [](AssetSnapshot& a) { a.costBasis = "-1"; },
         "Basis needs to be greater then zero.",
         {},
         "",
         true},
        {"ExcludeSkipsTheBook",
         [](AssetSnapshot& a) { a.exclude = true, a.bookCost = "", a.account = ""; },
         "",
         {},
         "",
         false},
        {"NonDeprLivesZero",
         [](AssetSnapshot& a) { a.method = "Non-Depr", a.life = "0", a.bookLife = "0"; },
         "",
         {},
         "",
         false},
        {"CostOverflows",
         [](AssetSnapshot& a) { a.cost = "1e400"; },
         "Cost '1e400' must be a number from -1000000000000000 to 1000000000000000. ",
         {"lblCost"},
         "txtCost",
         true},
        {"CostBeyondTheEngine",
         [](AssetSnapshot& a) { a.cost = "1" + std::string(16, '0'); },
         "Cost '10000000000000000' must be a number from -1000000000000000 to 1000000000000000. ",
         {"lblCost"},
         "txtCost",
         true},
        {"BookCostOverflowsBelow",
         [](AssetSnapshot& a) { a.bookCost = "-1e400"; },
         "Book Cost need to be greater then zero. Book Cost '-1e400' must be a number from "
         "-1000000000000000 to 1000000000000000. ",
         {},
         "txtBookCost",
         true},
        {"ExcludedBookCostIsNotRead",
         [](AssetSnapshot& a) { a.exclude = true, a.bookCost = "1e400"; },
         "",
         {},
         "",
         false},
        {"Section179BeyondAWholeNumber",
         [](AssetSnapshot& a) { a.section179 = "3000000000"; },
         "179 '3000000000' must be a number from -2147483648 to 2147483647. ",
         {"txt179Amt"},
         "txt179Amt",
         true},
        {"DisposalAmountOverflows",
         [](AssetSnapshot& a) { a.sold = "08/2021", a.dispositionAmt = "9" + std::string(400, '9'); },
         " must be a number from -2147483648 to 2147483647. ",
         {"lblDispositionAmt"},
         "txtDispositionAmt",
         true},
        {"BookLifeBeyondAnyDate",
         [](AssetSnapshot& a) { a.bookLife = "1e6"; },
         "Book Life '1e6' must be a number from 0 to 999. ",
         {},
         "txtBookLife",
         true},
        {"NonDeprLifeFive",
         [](AssetSnapshot& a) { a.method = "Non-Depr", a.life = "5", a.bookLife = "0"; },
         "Tax and Book Life must be zero. ",
         {},
         "",
         true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a = validAsset();
        c.edit(a);
        Questions q;
        const ValidationResult r = ValidateAsset(a, context(), q.ask());
        // A message of a typed text too long to repeat here is compared by its end.
        if (r.message.size() > 400)
            EXPECT_TRUE(r.message.ends_with(c.message)) << r.message;
        else
            EXPECT_EQ(r.message, c.message);
        EXPECT_EQ(r.red, c.red);
        EXPECT_EQ(r.focus, c.focus);
        EXPECT_EQ(r.invalid, c.invalid);
        EXPECT_TRUE(q.titles.empty());
    }
}

TEST(AssetValidation, Questions) {
    struct Case {
        const char* name;
        std::function<void(AssetSnapshot&)> edit;
        AssetEditFlags flags;
        std::vector<std::string> asked; // every question answered OK
    } cases[] = {
        {"SoldAssetFirst",
         [](AssetSnapshot&) {},
         {.editMode = true, .sold = true},
         {"Sold Asset", "Prior year asset."}},
        {"PriorYearStored", [](AssetSnapshot&) {}, {.editMode = true}, {"Prior year asset."}},
        {"PriorYearNew", [](AssetSnapshot&) {}, {}, {}},
        {"Life315In1993",
         [](AssetSnapshot& a) { a.inService = "12/1993", a.life = "31.5", a.conventionId = 3; },
         {},
         {}},
        {"Life315In1994",
         [](AssetSnapshot& a) { a.inService = "01/1994", a.life = "31.5", a.conventionId = 3; },
         {},
         {"MACRS 31.5"}},
        {"OneMonthAhead", [](AssetSnapshot& a) { a.inService = "04/2025"; }, {}, {}},
        {"TwoMonthsAheadOnItsFirst", [](AssetSnapshot& a) { a.inService = "05/2025"; }, {}, {}},
        {"FourMonthsAhead", [](AssetSnapshot& a) { a.inService = "07/2025"; }, {}, {"Future Date."}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a = validAsset();
        c.edit(a);
        Questions q;
        const ValidationResult r = ValidateAsset(a, context(c.flags), q.ask());
        EXPECT_EQ(q.titles, c.asked);
        EXPECT_FALSE(r.invalid);
    }
}

TEST(AssetValidation, CancelStopsAtOnceWithoutMessages) {
    AssetSnapshot a = validAsset();
    a.description = ""; // a failure before the question is not shown either
    a.inService = "07/2025";
    Questions q;
    q.answer = false;
    const ValidationResult r = ValidateAsset(a, context(), q.ask());
    EXPECT_EQ(q.titles, std::vector<std::string>{"Future Date."});
    EXPECT_TRUE(r.invalid);
    EXPECT_TRUE(r.cancelled);
    EXPECT_EQ(r.message, "");
    EXPECT_EQ(r.red, std::vector<std::string>{"lblDescription"});
}

} // namespace
} // namespace qel::assets
