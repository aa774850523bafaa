// The rules of the vehicle use window without widgets: the six vehicle columns and how stored
// use rows find them, the key filter and the echo of the mileage boxes, a column's total miles,
// the completeness check of the changed columns, the business fraction and the value list that
// stores one column.
//
// Columns are numbered 1 to 6 in the window; the arrays here hold column N at index N - 1.
#pragma once

#include "common/NumberCheck.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace qel {

inline constexpr int kVehicleColumns = 6;

// One vehicle column: the vehicle it shows, or the reset values of a column without one.
struct VehicleColumn {
    std::string description = "N/A"; // the vehicle asset's asset_name
    std::int32_t vehicleNumber = 0;  // its vehicle_num; 0 in a column without a vehicle
    std::int64_t assetNumber = 0;    // its Asset_num
    bool enabled = false;            // the column takes entries
};
using VehicleTable = std::array<VehicleColumn, kVehicleColumns>;

// One vehicle as the server lists it; a field without a value is empty.
struct VehicleListing {
    std::optional<std::string> description;
    std::optional<std::int32_t> vehicleNumber;
    std::optional<std::int64_t> assetNumber;
};

// The columns of the vehicles listed in column order (business fraction descending, then vehicle
// number): the first six each take the next column, the rest are left out. A vehicle with a
// field without a value keeps its column, disabled with the reset values, so that no half-known
// vehicle is edited. Columns after the last vehicle stay disabled.
VehicleTable vehicleColumns(const std::vector<VehicleListing>& vehicles);

// The column (1 to 6) of the first column holding the vehicle number, searched from column 1;
// nullopt for a number below 1 or one no column holds.
std::optional<int> columnOfVehicle(const VehicleTable& table, std::int32_t vehicleNumber);

// Where each stored use row goes, for rows in column order: the column 1 to 6, or nullopt for a
// row whose vehicle has no column. A cursor walks the columns forward as the rows come, so a
// row is looked for from the column after the previous row's (from column 5 again after
// column 5, from column 6 after column 6 or after a row that found none).
std::vector<std::optional<int>> columnsOfStoredRows(const VehicleTable& table,
                                                    const std::vector<std::int32_t>& storedVehicleNumbers);

// The key filter of the mileage boxes and of the "Remove Vehicle #:" box: true for a digit, the
// decimal point and the control characters (Backspace, and the Ctrl+letter commands such as
// paste); any other typed character is discarded with a beep.
bool mileageKeyAccepted(char32_t character);

// The status-line echo of a mileage box's text: a number with its whole part grouped by
// thousands ("1,234,567", halves rounded away from zero); zero and the empty text give the empty
// text; a text that is no number comes back unchanged.
std::string mileageEcho(std::string_view text);

// The whole-number total miles of a column: the leading number of each text (none counts 0;
// "12.5" counts 12.5, "1,000" counts 1) summed and rounded half to even. Throws ServerError
// (overflow) when the sum does not fit a 32-bit number.
std::int32_t mileageTotal(std::string_view business, std::string_view commuting, std::string_view personal);

// The text the column's total label shows after a total: the total in decimal when it is 1 or
// more, else nullopt (the label keeps its text).
std::optional<std::string> totalCaption(std::string_view business, std::string_view commuting,
                                        std::string_view personal);

// The three Yes/No answers of a column (lines 34 to 36); nullopt: not answered.
struct UseAnswers {
    std::optional<bool> offDuty;
    std::optional<bool> fiveOwner;
    std::optional<bool> another;
};

// What a column holds in the window.
struct UseEntry {
    bool changed = false; // edited since it was loaded or last stored
    std::string business;
    std::string commuting;
    std::string personal;
    UseAnswers answers;
};
using UseEntries = std::array<UseEntry, kVehicleColumns>;

// The row captions the check turns red.
enum class UseCaption { Business, Commute, Personal, OffDuty, FiveOwner, Another };
inline constexpr int kUseCaptions = 6;

// The mileage boxes of a column.
enum class MileageBox { Business, Commuting, Personal };

struct UseCheck {
    bool ok = true;
    // The messages of every failing check of every changed column, in check order, joined
    // without separator (each carries its own blanks).
    std::string message;
    std::array<bool, kUseCaptions> redCaptions{}; // by UseCaption
    std::array<bool, kVehicleColumns> redColumns{};
    // The last mileage box found empty or out of range, which takes the focus; nullopt when none.
    std::optional<std::pair<int, MileageBox>> focus; // column 1 to 6 and the box
};

// A year's miles of one vehicle in one mileage box: eight digits at most, so that the three boxes
// together always fit the whole-number total.
inline constexpr NumberRange kMilesRange{0, 99999999};

// Checks every changed column: three mileages (only the empty text is missing, and a typed number
// must lie in kMilesRange; the refusal quotes it) and three answers. Unchanged columns are not
// looked at. The focus goes to the last mileage box found empty or out of range.
UseCheck checkUseEntries(const UseEntries& entries);

// The business fraction stored for a column: business miles divided by the whole-number total
// of the three mileages (as the total label shows it), rounded to 2 places with a half going to
// the even digit; 0 when the total is 0. Each mileage must be a number of 0 or more; otherwise
// throws ServerError (type mismatch) naming the text. Throws ServerError (overflow) as
// mileageTotal does.
double businessFraction(std::string_view business, std::string_view commuting, std::string_view personal);

// Everything one stored use row holds.
struct UseRow {
    std::int32_t companyId = 0;
    std::int16_t year = 0;
    std::int32_t vehicleNumber = 0;
    std::string business; // the three mileages as typed
    std::string commuting;
    std::string personal;
    bool offDuty = false; // the three answers; true for Yes
    bool fiveOwner = false;
    bool another = false;
    double fraction = 0; // business fraction 0 to 1
    std::int64_t assetNumber = 0;
};

// The values of the insert of a use row, in the order Company_Id, [year], [Vehicle #], the three
// mileages (as texts), the three answers, bpercent, asset_id:
// "12, 2010,3, '900', '200', '100', 1, 0, 1, 0.75, 145".
std::string autoUseValues(const UseRow& row);

} // namespace qel
