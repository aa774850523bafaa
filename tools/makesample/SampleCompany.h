// What the sample company holds: its general-ledger accounts, locations and asset classes, the
// assets a bookkeeper would have entered from 2019 to 2025, the car's yearly use and the last
// monthly period posted. Plain data; SampleEntry.h enters it through the program's own rules.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace qel::sample {

// The sample company of the shipped database (05-sample.sql): calendar year, no alternative book.
inline constexpr std::int32_t kCompanyId = 1;
// The working year of the shipped defaults; the entry's validation compares against it.
inline constexpr int kWorkingYear = 2025;
// The last monthly book period posted, "YYYYMM": December 2025 is left for the user to post.
inline constexpr const char* kLastPostedPeriod = "202511";

// A row of the account maintenance list, as typed.
struct SampleAccount {
    std::string description;
    std::string capital;
    std::string accumulated;
    std::string depreciation;
    std::string gainLoss;
};

// A row of the location maintenance list, as typed.
struct SampleLocation {
    std::string shortName;
    std::string longName;
};

// A row of the asset class maintenance list: the method and account as chosen in their lists,
// the rest as typed.
struct SampleClass {
    std::string method;
    std::string description;
    std::string life;
    std::string vehicleType; // "N/A", "Gas", "Electric" or "Truck/Van"
    std::string amortizeCode;
    std::string account; // the account's description
};

// The bonus box a user ticks on the asset form.
enum class Bonus { None, Percent30, Percent50, Percent100 };

// An asset as a user enters it on the asset form. Texts are what the boxes show; an empty class
// means the life is chosen from the method's life list (or typed, for "Non-Depr").
struct SampleAsset {
    std::string description = {};
    std::string inService = {}; // "mm/yyyy"
    std::string cost = {};
    std::string method = {};
    std::string className = {}; // the class's description; "" for none
    std::string life = {};      // used when no class gives one
    std::string businessPercent = "100";
    std::string section179 = {}; // "" for none
    Bonus bonus = Bonus::None;
    std::string sold = {}; // "mm/yyyy"; "" when not sold
    std::string soldAmt = {};
    std::string bookCost = {};
    std::string bookLife = {};
    std::string account = {};  // the account's description
    std::string location = {}; // the location's short name
    std::string tag = {};
    std::string serial = {};
    std::string notes = {};
};

// One year of the car's use, as typed in the vehicle use window.
struct SampleVehicleUse {
    std::int16_t year = 0;
    std::string business;
    std::string commuting;
    std::string personal;
};

const std::vector<SampleAccount>& sampleAccounts();
const std::vector<SampleLocation>& sampleLocations();
const std::vector<SampleClass>& sampleClasses();
// In the order they are entered (by in-service month).
const std::vector<SampleAsset>& sampleAssets();
// The description of the company's one vehicle and its use by year.
const std::string& sampleVehicle();
const std::vector<SampleVehicleUse>& sampleVehicleUse();

} // namespace qel::sample
