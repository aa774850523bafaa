// The field checks of each maintained table: messages in check order, the status colour, the
// red captions, where the focus goes, and the one correction.
#include "app/maintenance/rules/MaintValidation.h"

#include <gtest/gtest.h>

#include <map>

namespace qel {
namespace {

// The edit-field captions of each table, as the window makes them from the list's field names.
const std::map<std::string, std::vector<std::string>> kCaptions = {
    {"tblMax179", {"Year", "Maximum Amount", "Threshold Cost"}},
    {"tblMaxAuto",
     {"Year", "Type", "Yr 1 + 30%", "Yr 1 + 50%", "Max Year 1", "Max Year 2", "Max Year 3", "Max Year 4"}},
    {"tblCompany",
     {"Company Name", "Owner", "Address", "Address 2", "City", "State", "Zip Code", "Tax Id",
      "Year End Month", "AMT Book", "State Book", "Other Book"}},
    {"tblDeprClass", {"Method", "Description", "Life", "If Auto - Type", "Amortize #", "Account Descr"}},
    {"tblMisc4562Data",
     {"Year", "179 Carryover", "179 Income Limit", "Listed Claim", "Listed Evidence", "Group Assets",
      "168 Property", "Other Depr", "263A Cost", "Exclude 179"}},
    {"tblPasswords", {"UserId", "Password", "UserLevel"}},
    {"tblAccounts", {"Account Descr", "Capital Account", "Accum Acct", "Depr Account", "Gain Loss Acct"}},
    {"tblLocations", {"Short Location", "Long Location"}},
};

// The pick-list positions of each table, whose typed field is hidden.
const std::map<std::string, std::vector<int>> kPickLists = {
    {"tblMaxAuto", {1}},   {"tblDeprClass", {0, 3, 5}}, {"tblMisc4562Data", {3, 4, 5, 9}},
    {"tblPasswords", {2}}, {"tblCompany", {9, 10, 11}},
};

// The number fields of each table with their ranges, as the window takes them from the list's
// field types (maintNumberRange).
const std::map<std::string, std::map<int, NumberRange>> kNumbers = {
    {"tblMax179", {{0, kYearRange}, {1, kDollarRange}, {2, kDollarRange}}},
    {"tblMaxAuto",
     {{0, kYearRange},
      {2, kDollarRange},
      {3, kDollarRange},
      {4, kDollarRange},
      {5, kDollarRange},
      {6, kDollarRange},
      {7, kDollarRange}}},
    {"tblCompany", {{8, kWholeRange}}},
    {"tblMisc4562Data",
     {{0, kYearRange},
      {1, kDollarRange},
      {2, kDollarRange},
      {6, kDollarRange},
      {7, kDollarRange},
      {8, kDollarRange}}},
};

std::vector<MaintFieldState> fieldsOf(const std::string& table, const std::vector<std::string>& texts) {
    std::vector<MaintFieldState> out;
    const auto& captions = kCaptions.at(table);
    for (std::size_t i = 0; i < captions.size(); ++i)
        out.push_back({i < texts.size() ? texts[i] : std::string(), captions[i] + ": ", true});
    if (const auto it = kPickLists.find(table); it != kPickLists.end())
        for (int p : it->second)
            out[static_cast<std::size_t>(p)].editVisible = false;
    if (const auto it = kNumbers.find(table); it != kNumbers.end())
        for (const auto& [p, range] : it->second)
            out[static_cast<std::size_t>(p)].number = range;
    return out;
}

struct Case {
    const char* name;
    std::string table;
    std::vector<std::string> texts;
    bool valid;
    std::string status;
    bool red;
    std::vector<int> marked;
    int focus;
};

class MaintValidationTest : public ::testing::TestWithParam<Case> {};

TEST_P(MaintValidationTest, ChecksOfTheTable) {
    const Case& c = GetParam();
    std::vector<MaintFieldState> fields = fieldsOf(c.table, c.texts);
    const MaintValidation v = bValid(c.table, fields);
    EXPECT_EQ(v.valid, c.valid);
    EXPECT_EQ(v.status, c.status);
    EXPECT_EQ(v.statusRed, c.red);
    EXPECT_EQ(v.marked, c.marked);
    EXPECT_EQ(v.focus, c.focus);
}

const std::vector<std::string> kClass = {"MACRS", "Office", "7", "N/A", "", "Furniture"};

std::vector<std::string> with(std::vector<std::string> texts, std::size_t i, const std::string& text) {
    texts.at(i) = text;
    return texts;
}

const Case kCases[] = {
    {"limits_year_empty_gives_required_then_bounds",
     "tblMax179",
     {"", "500000", "2000000"},
     false,
     "Year is required.  Year must be between 1975 - 2050.  ",
     true,
     {0, 0},
     0},
    {"limits_year_1970_too_low", "tblMax179", {"1970", "1", "2"}, false, "Year be > 1974.  ", false, {0}, 0},
    {"limits_year_2051_too_high", "tblMax179", {"2051", "1", "2"}, false, "Year be < 2051.  ", false, {0}, 0},
    {"limits_years_1975_and_2050_pass", "tblMax179", {"1975", "1", "2"}, true, "", false, {}, -1},
    {"limits_2050_passes", "tblMax179", {"2050", "1", "2"}, true, "", false, {}, -1},
    {"limits_amount_not_numeric",
     "tblMax179",
     {"2012", "lots", "2"},
     false,
     "Maximum Amount must be numeric.  ",
     true,
     {1},
     1},
    {"limits_single_blank_year",
     "tblMax179",
     {" ", "1", "2"},
     false,
     "Year is required.  Year must be numeric.  Year must be between 1975 - 2050.  ",
     true,
     {0, 0},
     0},
    {"company_month_empty_marks_without_focus",
     "tblCompany",
     {"Acme", "Ann", "", "", "", "", "", "12-3", "", "No", "No", "No"},
     false,
     "Year End Month must be between 1 - 12.  ",
     false,
     {8},
     -1},
    {"company_month_letter",
     "tblCompany",
     {"Acme", "Ann", "", "", "", "", "", "12-3", "x", "No", "No", "No"},
     false,
     "Year End Month must be between 1 - 12.  ",
     false,
     {8},
     -1},
    {"company_month_13",
     "tblCompany",
     {"Acme", "Ann", "", "", "", "", "", "12-3", "13", "No", "No", "No"},
     false,
     "Year End Month be < 13.  ",
     false,
     {8},
     8},
    {"company_owner_and_tax_id_required",
     "tblCompany",
     {"Acme", "", "", "", "", "", "", "", "6", "No", "No", "No"},
     false,
     "Owner is required.  Tax Id is required.  ",
     true,
     {1, 7},
     1},
    {"class_macrs_27_5_passes", "tblDeprClass", with(kClass, 2, "27.5"), true, "", false, {}, -1},
    {"class_macrs_life_8",
     "tblDeprClass",
     with(kClass, 2, "8"),
     false,
     "Life must be equal to 3,5,7,10,15,20,27.5,31.5,39,50. ",
     true,
     {2},
     2},
    {"class_listed_life_7",
     "tblDeprClass",
     with(with(kClass, 0, "Listed"), 2, "7"),
     false,
     "Life must be equal to 5. ",
     true,
     {2},
     2},
    {"class_amortize_life_4",
     "tblDeprClass",
     with(with(with(kClass, 0, "Amortize"), 2, "4"), 4, "197"),
     false,
     "Life must be equal to 3,5,7,10,15,20. ",
     true,
     {2},
     2},
    {"class_ads_passes_any_life_in_range",
     "tblDeprClass",
     with(with(kClass, 0, "ADS"), 2, "60"),
     true,
     "",
     false,
     {},
     -1},
    {"class_life_80_fails_the_range",
     "tblDeprClass",
     with(with(kClass, 0, "ADS"), 2, "80"),
     false,
     "Life be < 76.  ",
     false,
     {2},
     2},
    {"class_amortize_code_0_missing",
     "tblDeprClass",
     with(with(kClass, 0, "Amortize"), 4, "0"),
     false,
     "Amortize # is missing. ",
     true,
     {4},
     4},
    {"class_vehicle_needs_listed_and_keeps_later_focus",
     "tblDeprClass",
     with(with(with(kClass, 0, "Amortize"), 3, "Gas"), 4, ""),
     false,
     " Method must be Listed if it's an Auto. Amortize # is missing. ",
     true,
     {3, 4},
     -1},
    {"class_listed_vehicle_passes",
     "tblDeprClass",
     with(with(with(kClass, 0, "Listed"), 2, "5"), 3, "Gas"),
     true,
     "",
     false,
     {},
     -1},
    {"class_unknown_method_fails_silently", "tblDeprClass", with(kClass, 0, "S/L"), false, "", false, {}, -1},
    {"misc_empty_answer_passes",
     "tblMisc4562Data",
     {"2012", "0", "0", "", "No", "Yes", "0", "0", "0", "No"},
     true,
     "",
     false,
     {},
     -1},
    {"misc_answer_y_fails_green",
     "tblMisc4562Data",
     {"2012", "0", "0", "Y", "no", "YES", "", "", "", ""},
     false,
     "Listed Claim Value must be 'Yes' or 'No'.  ",
     false,
     {3},
     3},
    {"misc_capitalised_otherwise_fails",
     "tblMisc4562Data",
     {"2012", "", "", "yES", "", "", "", "", "", ""},
     false,
     "Listed Claim Value must be 'Yes' or 'No'.  ",
     false,
     {3},
     3},
    {"users_level_missing_keeps_focus_off_the_hidden_box",
     "tblPasswords",
     {"ann", "pw", ""},
     false,
     "UserLevel is required.  ",
     true,
     {2},
     -1},
    {"users_all_missing",
     "tblPasswords",
     {"", "", ""},
     false,
     "UserId is required.  Password is required.  UserLevel is required.  ",
     true,
     {0, 1, 2},
     0},
    {"vehicle_caps_not_numeric",
     "tblMaxAuto",
     {"2012", "Gas", "", "", "abc", "1", "1", "1"},
     false,
     "Max Year 1 must be numeric.  ",
     true,
     {4},
     4},
    {"vehicle_caps_year_beyond_any_year",
     "tblMaxAuto",
     {"3000000000", "Gas", "", "", "1", "1", "1", "1"},
     false,
     "Year '3000000000' must be a number from 1900 to 9999. ",
     true,
     {0},
     0},
    {"vehicle_caps_amount_overflows",
     "tblMaxAuto",
     {"2012", "Gas", "", "", "1", "1e400", "1", "1"},
     false,
     "Max Year 2 '1e400' must be a number from -1000000000000000 to 1000000000000000. ",
     true,
     {5},
     5},
    {"limits_amount_overflows_below",
     "tblMax179",
     {"2012", "500000", "-1e400"},
     false,
     "Threshold Cost '-1e400' must be a number from -1000000000000000 to 1000000000000000. ",
     true,
     {2},
     2},
    {"limits_year_out_of_its_range_is_told_once",
     "tblMax179",
     {"1e400", "1", "2"},
     false,
     "Year be < 2051.  ",
     false,
     {0},
     0},
    {"misc_unchecked_amount_overflows",
     "tblMisc4562Data",
     {"2012", "0", "0", "", "", "", "0", "0", "1e400", ""},
     false,
     "263A Cost '1e400' must be a number from -1000000000000000 to 1000000000000000. ",
     true,
     {8},
     8},
    {"accounts_require_every_column",
     "tblAccounts",
     {"Furniture", "1500", "", "6100", "7000"},
     false,
     "Accum Acct is required.  ",
     true,
     {2},
     2},
    {"locations_have_no_checks", "tblLocations", {"", ""}, true, "", false, {}, -1},
};

INSTANTIATE_TEST_SUITE_P(Tables, MaintValidationTest, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MaintValidationCorrection, ANonAmortizeClassGetsAmortizationNumberZero) {
    std::vector<MaintFieldState> fields = fieldsOf("tblDeprClass", with(kClass, 4, "12"));
    EXPECT_TRUE(bValid("tblDeprClass", fields).valid);
    EXPECT_EQ(fields[4].text, "0");

    // Also when another check fails.
    fields = fieldsOf("tblDeprClass", with(with(kClass, 4, "12"), 1, ""));
    EXPECT_FALSE(bValid("tblDeprClass", fields).valid);
    EXPECT_EQ(fields[4].text, "0");

    fields = fieldsOf("tblDeprClass", with(with(with(kClass, 0, "Amortize"), 2, "15"), 4, "197"));
    EXPECT_TRUE(bValid("tblDeprClass", fields).valid);
    EXPECT_EQ(fields[4].text, "197");
}

} // namespace
} // namespace qel
