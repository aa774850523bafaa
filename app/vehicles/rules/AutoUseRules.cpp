// The vehicle use window's rules.
#include "app/vehicles/rules/AutoUseRules.h"

#include "common/Convert.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"

#include <cmath>
#include <cstdio>
#include <limits>

namespace qel {
namespace {

constexpr const char* kSource = "modAutoUse";

} // namespace

VehicleTable vehicleColumns(const std::vector<VehicleListing>& vehicles) {
    VehicleTable table{};
    for (std::size_t i = 0; i < vehicles.size() && i < table.size(); ++i) {
        const VehicleListing& v = vehicles[i];
        if (!v.description || !v.vehicleNumber || !v.assetNumber)
            continue;
        table[i] = {*v.description, *v.vehicleNumber, *v.assetNumber, true};
    }
    return table;
}

std::optional<int> columnOfVehicle(const VehicleTable& table, std::int32_t vehicleNumber) {
    if (vehicleNumber < 1)
        return std::nullopt;
    for (int c = 1; c <= kVehicleColumns; ++c)
        if (table[c - 1].vehicleNumber == vehicleNumber)
            return c;
    return std::nullopt;
}

std::vector<std::optional<int>> columnsOfStoredRows(const VehicleTable& table,
                                                    const std::vector<std::int32_t>& storedVehicleNumbers) {
    std::vector<std::optional<int>> columns;
    columns.reserve(storedVehicleNumbers.size());
    int c = 0;
    for (const std::int32_t vehicle : storedVehicleNumbers) {
        if (c < 5)
            ++c;
        if (c > kVehicleColumns)
            c = kVehicleColumns;
        while (c <= kVehicleColumns && table[c - 1].vehicleNumber != vehicle)
            ++c;
        columns.push_back(c <= kVehicleColumns ? std::optional<int>(c) : std::nullopt);
    }
    return columns;
}

bool mileageKeyAccepted(char32_t character) {
    return character == U'.' || character < 32 || (character >= U'0' && character <= U'9');
}

std::string mileageEcho(std::string_view text) {
    if (!isPlainNumber(text))
        return std::string(text);
    const double value = std::round(leadingNumber(text));
    if (value == 0)
        return {};
    char digits[400];
    std::snprintf(digits, sizeof digits, "%.0f", std::fabs(value));
    const std::string whole = digits;
    std::string grouped;
    for (std::size_t i = 0; i < whole.size(); ++i) {
        if (i > 0 && (whole.size() - i) % 3 == 0)
            grouped += ',';
        grouped += whole[i];
    }
    return value < 0 ? "-" + grouped : grouped;
}

std::int32_t mileageTotal(std::string_view business, std::string_view commuting, std::string_view personal) {
    const double sum =
        roundHalfEven(leadingNumber(business) + leadingNumber(commuting) + leadingNumber(personal));
    if (!(sum >= std::numeric_limits<std::int32_t>::min() && sum <= std::numeric_limits<std::int32_t>::max()))
        throw ServerError(kErrOverflow, kSource, "Overflow: the total miles do not fit a whole number",
                          ErrorKind::Conversion);
    return static_cast<std::int32_t>(sum);
}

std::optional<std::string> totalCaption(std::string_view business, std::string_view commuting,
                                        std::string_view personal) {
    const std::int32_t total = mileageTotal(business, commuting, personal);
    if (total < 1)
        return std::nullopt;
    return std::to_string(total);
}

UseCheck checkUseEntries(const UseEntries& entries) {
    UseCheck check;
    for (int column = 1; column <= kVehicleColumns; ++column) {
        const UseEntry& e = entries[column - 1];
        if (!e.changed)
            continue;
        const auto fail = [&](UseCaption caption, const char* message) {
            check.ok = false;
            check.message += message;
            check.redCaptions[static_cast<int>(caption)] = true;
            check.redColumns[column - 1] = true;
        };
        const auto mileage = [&](const std::string& text, UseCaption caption, MileageBox box,
                                 const char* message) {
            if (!text.empty())
                return;
            fail(caption, message);
            check.focus = std::pair(column, box);
        };
        mileage(e.business, UseCaption::Business, MileageBox::Business, " Business miles missing! ");
        mileage(e.commuting, UseCaption::Commute, MileageBox::Commuting, " Commuting miles missing! ");
        mileage(e.personal, UseCaption::Personal, MileageBox::Personal, " Personal miles missing! ");
        const auto fits = [&](const std::string& text, UseCaption caption, MileageBox box, const char* name) {
            if (const std::optional<std::string> fault = numberFault(name, text, kMilesRange)) {
                fail(caption, fault->c_str());
                check.focus = std::pair(column, box);
            }
        };
        fits(e.business, UseCaption::Business, MileageBox::Business, "Business miles");
        fits(e.commuting, UseCaption::Commute, MileageBox::Commuting, "Commuting miles");
        fits(e.personal, UseCaption::Personal, MileageBox::Personal, "Personal miles");
        if (!e.answers.offDuty)
            fail(UseCaption::OffDuty, " Off duty answer is missing! ");
        if (!e.answers.fiveOwner)
            fail(UseCaption::FiveOwner, " 5% Owner answer is missing! ");
        if (!e.answers.another)
            fail(UseCaption::Another, " Another Vehicle answer is missing! ");
    }
    return check;
}

namespace {

// A mileage as a number of 0 or more; the name says which mileage a failure is about.
double mileage(std::string_view text, const char* name) {
    const double value = isPlainNumber(text) ? leadingNumber(text) : -1;
    if (value < 0)
        throw ServerError(kTypeMismatch, kSource,
                          std::string("Type mismatch: the ") + name + " \"" + std::string(text) +
                              "\" are no number of miles",
                          ErrorKind::Conversion);
    return value;
}

} // namespace

double businessFraction(std::string_view business, std::string_view commuting, std::string_view personal) {
    const double miles = mileage(business, "business miles");
    mileage(commuting, "commuting miles");
    mileage(personal, "personal miles");
    const std::int32_t total = mileageTotal(business, commuting, personal);
    if (total == 0)
        return 0;
    return roundHalfEven(miles / total, 2);
}

std::string autoUseValues(const UseRow& row) {
    return sqlNumber(row.companyId) + ", " + sqlNumber(row.year) + "," + sqlNumber(row.vehicleNumber) + ", " +
           sqlText(row.business) + ", " + sqlText(row.commuting) + ", " + sqlText(row.personal) + ", " +
           sqlBool(row.offDuty) + ", " + sqlBool(row.fiveOwner) + ", " + sqlBool(row.another) + ", " +
           sqlNumber(row.fraction) + ", " + sqlNumber(row.assetNumber);
}

} // namespace qel
