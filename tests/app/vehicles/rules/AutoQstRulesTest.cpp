// The employer questions' rules: the check, the value list and the update statement.
#include "app/vehicles/rules/AutoQstRules.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(EmployerAnswersTest, UnansweredQuestionsAreRedAndTheirMessagesJoinedInOrder) {
    const struct {
        const char* name;
        EmployerAnswers answers;
        bool ok;
        const char* message;
        std::array<bool, 5> red;
    } cases[] = {
        {"all answered", {true, false, false, false, true}, true, "", {}},
        {"38 and 41 unanswered",
         {true, std::nullopt, false, false, std::nullopt},
         false,
         " Commute answer is missing!  Requirements answer is missing! ",
         {false, true, false, false, true}},
        {"none answered",
         {},
         false,
         " All Personal answer is missing!  Commute answer is missing!  Personal answer is missing! "
         " Five vehicle answer is missing!  Requirements answer is missing! ",
         {true, true, true, true, true}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const QstCheck check = checkEmployerAnswers(c.answers);
        EXPECT_EQ(check.ok, c.ok);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.red, c.red);
    }
}

TEST(EmployerAnswersTest, AnyYes) {
    EXPECT_FALSE(anyYes({false, false, false, false, false}));
    EXPECT_TRUE(anyYes({false, false, false, true, false}));
}

TEST(EmployerAnswersTest, ValueListAndUpdateStatement) {
    EXPECT_EQ(autoQstValues(12, 2010, {true, false, false, false, false}), "12, 2010, 1, 0, 0, 0, 0");
    EXPECT_EQ(
        autoQstUpdate(12, 2010, {false, true, false, true, true}),
        " Update tblAutoQuestions set [No Personal Use] = 0, [Commuting Allowed] = 1,  [All Personal Use] = "
        "0,"
        " [More 5 Cars & keep Track] = 1, [Meet Requirements] = 1 where company_id = 12 and [year] = 2010");
}

} // namespace
} // namespace qel
