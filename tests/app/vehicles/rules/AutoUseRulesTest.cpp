// The vehicle use window's rules: columns, the stored rows' columns, the key filter and echo,
// totals, the check of the changed columns, the business fraction and the value list.
#include "app/vehicles/rules/AutoUseRules.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel {
namespace {

VehicleListing listing(const std::string& name, std::int32_t vehicle, std::int64_t asset) {
    return {name, vehicle, asset};
}

std::vector<std::string> descriptions(const VehicleTable& t) {
    std::vector<std::string> out;
    for (const VehicleColumn& c : t)
        out.push_back(c.description);
    return out;
}

std::vector<bool> enabled(const VehicleTable& t) {
    std::vector<bool> out;
    for (const VehicleColumn& c : t)
        out.push_back(c.enabled);
    return out;
}

TEST(VehicleColumnsTest, SevenVehiclesFillSixColumnsInTheListedOrder) {
    std::vector<VehicleListing> vehicles;
    for (int i = 1; i <= 7; ++i)
        vehicles.push_back(listing("Car " + std::to_string(i), 10 + i, 100 + i));

    const VehicleTable t = vehicleColumns(vehicles);

    EXPECT_EQ(descriptions(t),
              (std::vector<std::string>{"Car 1", "Car 2", "Car 3", "Car 4", "Car 5", "Car 6"}));
    EXPECT_EQ(enabled(t), std::vector<bool>(6, true));
    EXPECT_EQ(t[5].vehicleNumber, 16);
    EXPECT_EQ(t[5].assetNumber, 106);
}

TEST(VehicleColumnsTest, ColumnsAfterTheLastVehicleKeepTheResetValuesAndAreDisabled) {
    const VehicleTable t = vehicleColumns({listing("Van", 1, 7), listing("Truck", 2, 8)});

    EXPECT_EQ(descriptions(t), (std::vector<std::string>{"Van", "Truck", "N/A", "N/A", "N/A", "N/A"}));
    EXPECT_EQ(enabled(t), (std::vector<bool>{true, true, false, false, false, false}));
    EXPECT_EQ(t[2].vehicleNumber, 0);
    EXPECT_EQ(t[2].assetNumber, 0);
    EXPECT_EQ(enabled(vehicleColumns({})), std::vector<bool>(6, false));
}

TEST(VehicleColumnsTest, VehicleWithAFieldWithoutValueKeepsItsColumnDisabled) {
    const VehicleTable t =
        vehicleColumns({listing("Van", 1, 7), {std::nullopt, 2, 8}, listing("Truck", 3, 9)});

    EXPECT_EQ(descriptions(t), (std::vector<std::string>{"Van", "N/A", "Truck", "N/A", "N/A", "N/A"}));
    EXPECT_EQ(enabled(t), (std::vector<bool>{true, false, true, false, false, false}));
    EXPECT_EQ(t[1].vehicleNumber, 0);
    EXPECT_EQ(t[2].vehicleNumber, 3);
}

TEST(VehicleColumnsTest, ColumnOfVehicleFindsTheColumnOrNone) {
    const VehicleTable t = vehicleColumns({listing("A", 4, 1), listing("B", 9, 2), listing("C", 2, 3)});
    const struct {
        const char* name;
        std::int32_t vehicle;
        std::optional<int> column;
    } cases[] = {
        {"third column", 2, 3},         {"first column", 4, 1},        {"zero", 0, std::nullopt},
        {"negative", -1, std::nullopt}, {"not held", 5, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(columnOfVehicle(t, c.vehicle), c.column);
    }
}

TEST(VehicleColumnsTest, StoredRowsFindTheirColumnsWalkingForward) {
    std::vector<VehicleListing> vehicles;
    for (int v : {5, 3, 8, 1, 2, 4})
        vehicles.push_back(listing("V", v, v));
    const VehicleTable t = vehicleColumns(vehicles);
    using Cols = std::vector<std::optional<int>>;
    const struct {
        const char* name;
        std::vector<std::int32_t> stored;
        Cols columns;
    } cases[] = {
        {"every column in order", {5, 3, 8, 1, 2, 4}, Cols{1, 2, 3, 4, 5, 6}},
        {"gaps", {3, 2}, Cols{2, 5}},
        {"a seventh vehicle is passed over", {5, 4, 7}, Cols{1, 6, std::nullopt}},
        {"after a row without column only column 6 is tried", {9, 4}, Cols{std::nullopt, 6}},
        {"a row out of order is passed over", {8, 3}, Cols{3, std::nullopt}},
        {"after column 5 the search starts at column 5 again", {2, 2}, Cols{5, 5}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(columnsOfStoredRows(t, c.stored), c.columns);
    }
}

TEST(MileageKeysTest, DigitsThePointAndControlKeysPassTheRestIsRefused) {
    const struct {
        const char* name;
        char32_t key;
        bool accepted;
    } cases[] = {
        {"digit 0", U'0', true},      {"digit 9", U'9', true},
        {"point", U'.', true},        {"backspace", 8, true},
        {"paste (Ctrl+V)", 22, true}, {"minus", U'-', false},
        {"letter", U'a', false},      {"blank", U' ', false},
        {"comma", U',', false},       {"other digit", U'\u0663', false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(mileageKeyAccepted(c.key), c.accepted);
    }
}

TEST(MileageEchoTest, NumbersAreGroupedByThousandsZeroAndEmptyShowNothing) {
    const struct {
        const char* text;
        const char* echo;
    } cases[] = {
        {"", ""},       {"0", ""},          {"0.4", ""},         {"1234567", "1,234,567"},
        {"999", "999"}, {"1000", "1,000"},  {"12.5", "13"},      {"1.", "1"},
        {"abc", "abc"}, {"1,000", "1,000"}, {"-2500", "-2,500"}, {"007", "7"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(mileageEcho(c.text), c.echo);
    }
}

TEST(MileageTotalTest, LeadingNumbersSummedAndRoundedHalfToEven) {
    const struct {
        const char* name;
        const char *business, *commuting, *personal;
        std::optional<std::string> caption;
    } cases[] = {
        {"an empty box counts 0", "100", "50", "", "150"},
        {"three zeros keep the label", "0", "0", "0", std::nullopt},
        {"below one keeps the label", "0.4", "0", "0", std::nullopt},
        {"a half goes to the even 2", "1.5", "1", "0", "2"},
        {"a half goes to the even 4", "1.5", "2", "0", "4"},
        {"the number ends at a comma", "1,000", "0", "0", "1"},
        {"a pasted letter counts 0", "abc", "10", "0", "10"},
        {"empty boxes", "", "", "", std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(totalCaption(c.business, c.commuting, c.personal), c.caption);
    }
    EXPECT_EQ(mileageTotal("900", "200", "100"), 1200);
}

TEST(MileageTotalTest, ASumBeyondThirtyTwoBitsIsAnOverflow) {
    try {
        mileageTotal("9e9", "0", "0");
        ADD_FAILURE() << "no overflow";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kErrOverflow);
    }
}

UseEntry complete(const std::string& business = "900") {
    return {true, business, "200", "100", {true, false, true}};
}

TEST(UseCheckTest, MessagesOfEveryFailingCheckInOrderWithRedCaptionsAndColumns) {
    UseEntries entries{};
    entries[0] = complete("");
    entries[3] = complete("");

    const UseCheck check = checkUseEntries(entries);

    EXPECT_FALSE(check.ok);
    EXPECT_EQ(check.message, " Business miles missing!  Business miles missing! ");
    EXPECT_EQ(check.redColumns, (std::array<bool, 6>{true, false, false, true, false, false}));
    EXPECT_EQ(check.redCaptions, (std::array<bool, 6>{true, false, false, false, false, false}));
    EXPECT_EQ(check.focus, std::pair(4, MileageBox::Business));
}

TEST(UseCheckTest, EverythingMissingInOneColumnGivesSixMessagesInCheckOrder) {
    UseEntries entries{};
    entries[1] = {true, "", "", "", {}};

    const UseCheck check = checkUseEntries(entries);

    EXPECT_EQ(check.message, " Business miles missing!  Commuting miles missing!  Personal miles missing! "
                             " Off duty answer is missing!  5% Owner answer is missing! "
                             " Another Vehicle answer is missing! ");
    EXPECT_EQ(check.redCaptions, (std::array<bool, 6>{true, true, true, true, true, true}));
    EXPECT_EQ(check.focus, std::pair(2, MileageBox::Personal));
}

TEST(UseCheckTest, AMissingAnswerMovesNoFocus) {
    UseEntries entries{};
    entries[2] = complete();
    entries[2].answers.offDuty.reset();

    const UseCheck check = checkUseEntries(entries);

    EXPECT_EQ(check.message, " Off duty answer is missing! ");
    EXPECT_EQ(check.redCaptions, (std::array<bool, 6>{false, false, false, true, false, false}));
    EXPECT_EQ(check.redColumns, (std::array<bool, 6>{false, false, true, false, false, false}));
    EXPECT_FALSE(check.focus);
}

TEST(UseCheckTest, UnchangedColumnsAreNotLookedAtAndZeroIsNoMissingMileage) {
    UseEntries entries{};
    entries[0] = complete("0");
    entries[1] = {false, "", "", "", {}};

    const UseCheck check = checkUseEntries(entries);

    EXPECT_TRUE(check.ok);
    EXPECT_EQ(check.message, "");
    EXPECT_EQ(check.redColumns, (std::array<bool, 6>{}));
}

TEST(UseCheckTest, AMileageBeyondAYearsMilesIsRefusedQuotingIt) {
    const struct {
        const char* business;
        const char* message;
    } cases[] = {
        {"99999999", ""},
        {"100000000", "Business miles '100000000' must be a number from 0 to 99999999. "},
        {"1e400", "Business miles '1e400' must be a number from 0 to 99999999. "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.business);
        UseEntries entries{};
        entries[4] = complete(c.business);
        const UseCheck check = checkUseEntries(entries);
        EXPECT_EQ(check.ok, std::string(c.message).empty());
        EXPECT_EQ(check.message, c.message);
        if (!check.ok) {
            EXPECT_EQ(check.redCaptions, (std::array<bool, 6>{true, false, false, false, false, false}));
            EXPECT_EQ(check.redColumns, (std::array<bool, 6>{false, false, false, false, true, false}));
            EXPECT_EQ(check.focus, std::pair(5, MileageBox::Business));
        }
    }
}

TEST(BusinessFractionTest, BusinessMilesOverTheWholeTotalTwoPlacesHalfToEven) {
    const struct {
        const char* name;
        const char *business, *commuting, *personal;
        double fraction;
    } cases[] = {
        {"900 of 1200", "900", "200", "100", 0.75},
        {"1 of 3", "1", "2", "0", 0.33},
        {"1 of 8 is a half to the even 0.12", "1", "7", "0", 0.12},
        {"all business", "500", "0", "0", 1},
        {"no miles", "0", "0", "0", 0},
        {"a total below one", "0.4", "0", "0", 0},
        {"the total is the shown whole number", "1.5", "1", "0", 0.75},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(businessFraction(c.business, c.commuting, c.personal), c.fraction);
    }
}

TEST(BusinessFractionTest, AMileageThatIsNoNumberOfMilesIsATypeMismatch) {
    for (const char* text : {"abc", "12abc", "-5", "1,000"}) {
        SCOPED_TRACE(text);
        try {
            businessFraction("100", text, "0");
            ADD_FAILURE() << "accepted";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kTypeMismatch);
            EXPECT_NE(e.description().find(std::string("\"") + text + "\""), std::string::npos);
            EXPECT_NE(e.description().find("commuting miles"), std::string::npos);
        }
    }
}

TEST(AutoUseValuesTest, ValuesInColumnOrderWithMileagesQuotedAndApostrophesReplaced) {
    UseRow row{.companyId = 12,
               .year = 2010,
               .vehicleNumber = 3,
               .business = "900",
               .commuting = "200",
               .personal = "100",
               .offDuty = true,
               .fiveOwner = false,
               .another = true,
               .fraction = 0.75,
               .assetNumber = 145};
    EXPECT_EQ(autoUseValues(row), "12, 2010,3, '900', '200', '100', 1, 0, 1, 0.75, 145");

    row.business = "9'00";
    row.fraction = 1;
    EXPECT_EQ(autoUseValues(row), "12, 2010,3, '9`00', '200', '100', 1, 0, 1, 1, 145");
}

} // namespace
} // namespace qel
