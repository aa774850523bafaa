// The decisions of the asset form's buttons ("Save Changes?", Tax and Book schedules) and the
// book switches and copied bonus choice of the books panel.
#include "app/assets/rules/AssetButtons.h"
#include "app/assets/rules/BookRules.h"
#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <optional>

namespace qel::assets {
namespace {

TEST(AssetButtons, AskSaveChanges) {
    struct Case {
        const char* name;
        AssetEditFlags flags;
        std::optional<SaveAnswer> answer; // nothing: not asked
        bool saves;
        bool goesOn;
        bool changedAfter;
    } cases[] = {
        {"NothingToSave", {}, std::nullopt, false, true, false},
        {"YesSaved", {.assetChanged = true}, SaveAnswer::Yes, true, true, false},
        {"YesSaveFailed", {.assetChanged = true}, SaveAnswer::Yes, false, false, true},
        {"No", {.assetChanged = true}, SaveAnswer::No, false, true, false},
        {"Cancel", {.assetChanged = true}, SaveAnswer::Cancel, false, false, true},
        {"OnlyTheDescriptionRow", {.descriptionChanged = true}, SaveAnswer::No, false, true, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AssetEditFlags flags = c.flags;
        bool asked = false;
        int saves = 0;
        const bool goesOn = AskSaveChanges(
            flags,
            [&] {
                asked = true;
                return c.answer.value_or(SaveAnswer::Cancel);
            },
            [&] {
                ++saves;
                return c.saves;
            });
        EXPECT_EQ(asked, c.answer.has_value());
        EXPECT_EQ(saves, c.answer == SaveAnswer::Yes ? 1 : 0);
        EXPECT_EQ(goesOn, c.goesOn);
        EXPECT_EQ(flags.assetChanged || flags.descriptionChanged, c.changedAfter);
    }
}

TEST(AssetButtons, TaxSchedule) {
    const TaxScheduleRequest noBook = TaxSchedule(false, 0, "1000");
    EXPECT_EQ(noBook.refusal.text, "Please choose a book.");
    EXPECT_EQ(noBook.refusal.colour, "255");
    const TaxScheduleRequest noBasis = TaxSchedule(true, 3, "0");
    EXPECT_EQ(noBasis.refusal.text, "There is no depreciation. The cost basis is zero.");
    EXPECT_EQ(noBasis.refusal.colour, "");
    const TaxScheduleRequest amt = TaxSchedule(true, 3, "1000");
    EXPECT_EQ(amt.refusal.text, "");
    EXPECT_EQ(amt.book, 3);
}

TEST(AssetButtons, BookSchedule) {
    struct Case {
        const char* name;
        const char* bookCost;
        const char* method;
        const char* inService;
        const char* sold;
        int yearEnd;
        const char* refusal;
        std::int16_t year, month, soldYear, soldMonth;
    } cases[] = {
        {"NoBookCost", "", "Non-Depr", "07/2003", "__/____", 12,
         "There is no depreciation. The Book Cost is zero.", 0, 0, 0, 0},
        {"NonDepr", "1000", "Non-Depr", "07/2003", "__/____", 12, "No data found.", 0, 0, 0, 0},
        {"CalendarYear", "1000", "MACRS", "07/2003", "__/____", 12, "", 2003, 7, 0, 0},
        // A fiscal year ending in June: September 2003 is the third month of fiscal 2004.
        {"FiscalInServiceMonth", "1000", "MACRS", "09/2003", "__/____", 6, "", 2004, 3, 0, 0},
        {"SoldInFiscalMonth12", "1000", "MACRS", "09/2003", "06/2006", 6, "", 2004, 3, 2006, 12},
        {"SoldInFiscalMonth10", "1000", "S/L", "01/2003", "10/2006", 12, "", 2003, 1, 2006, 10},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        AssetSnapshot a;
        a.bookCost = c.bookCost;
        a.bookLife = "5";
        a.method = c.method;
        a.inService = c.inService;
        a.sold = c.sold;
        const BookScheduleRequest r = BookSchedule(a, [&] { return c.yearEnd; });
        EXPECT_EQ(r.refusal.text, c.refusal);
        EXPECT_EQ(r.year, c.year);
        EXPECT_EQ(r.inServiceMonth, c.month);
        EXPECT_EQ(r.soldYear, c.soldYear);
        EXPECT_EQ(r.soldMonth, c.soldMonth);
        if (*c.refusal == '\0') {
            EXPECT_EQ(r.cost, 1000);
            EXPECT_EQ(r.life, 5);
        }
    }
}

TEST(AssetButtons, BookScheduleRefusesWhatIsNoNumberOrMonth) {
    AssetSnapshot a;
    a.method = "MACRS";
    a.bookCost = "1000";
    a.bookLife = "5 years";
    a.inService = "07/2003";
    a.sold = "__/____";
    const auto december = [] { return 12; };
    EXPECT_THROW(BookSchedule(a, december), ServerError);
    a.bookLife = "5";
    a.inService = "__/____";
    EXPECT_THROW(BookSchedule(a, december), ServerError);
    a.inService = "07/2003";
    EXPECT_THROW(BookSchedule(a, [] { return 0; }), ServerError); // no fiscal year end
    // A refusal needs no fiscal year end.
    a.method = "Non-Depr";
    EXPECT_EQ(BookSchedule(a, []() -> int { throw ServerError::invalidArgument("test", "no company"); })
                  .refusal.text,
              "No data found.");
}

TEST(BookRules, SwitchesFromTheCompanySettings) {
    auto settings = [](std::optional<std::array<Variant, 3>> row) {
        Recordset rs({{"Amt Book", FieldType::Boolean},
                      {"State Book", FieldType::Boolean},
                      {"Other Book", FieldType::Boolean}});
        if (row)
            rs.addRow({(*row)[0], (*row)[1], (*row)[2]});
        return rs;
    };
    const BookSwitches onlyState = BookSwitchesOf(settings(std::array<Variant, 3>{false, true, false}));
    EXPECT_FALSE(onlyState.on(kAmtBook));
    EXPECT_TRUE(onlyState.on(kStateBook));
    EXPECT_FALSE(onlyState.on(kOtherBook));
    EXPECT_FALSE(onlyState.on(kFederalBook));
    // Yes/No values as the database gives them: non-zero numbers are true, Null is false.
    const BookSwitches numbers = BookSwitchesOf(settings(std::array<Variant, 3>{1, Variant(), -1}));
    EXPECT_TRUE(numbers.amt);
    EXPECT_FALSE(numbers.state);
    EXPECT_TRUE(numbers.other);
    const BookSwitches noRow = BookSwitchesOf(settings(std::nullopt));
    EXPECT_FALSE(noRow.amt || noRow.state || noRow.other);
}

TEST(BookRules, CopiedBonusChoice) {
    struct Case {
        bool b30, b50, b100;
        std::int32_t choice;
    } cases[] = {
        {false, false, false, kNoBonus}, {true, false, false, kBonus30}, {false, true, false, kBonus50},
        {false, false, true, kBonus100}, {true, true, false, kBonus30},  {true, false, true, kBonus100},
        {false, true, true, kBonus100},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.b30) + std::to_string(c.b50) + std::to_string(c.b100));
        EXPECT_EQ(BonusChoiceOf(c.b30, c.b50, c.b100), c.choice);
    }
}

} // namespace
} // namespace qel::assets
