#include "app/exchange/rules/ImportSheetCheck.h"

#include "common/Convert.h"
#include "common/Text.h"
#include "server/support/ImportRun.h"
#include "server/support/ImportSheet.h"
#include "server/support/VehicleLimit.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>

namespace qel::exchange {
namespace {

using namespace import;

// Method ids of tblDeprMethods that the rules name.
constexpr int kMacrs = 1;
constexpr int kAds = 2;
constexpr int kListed = 9;
constexpr int kMacrs150 = 11;

constexpr int kMethods[] = {1, 2, 3, 4, 9, 10, 11};

// The limits of a book life (years, both excluded) and of a business fraction (0 excluded, 1
// included: the engine multiplies the fraction into the basis, so a fraction of 0 depreciates
// nothing and one above 1 more than the cost).
constexpr double kBookLifeLimit = 75;

// TRUE or FALSE as a workbook holds them: a Yes/No cell, the texts in any case, or the numbers 1
// and 0 of an .xls workbook.
bool isTrueOrFalse(const Variant& v) {
    if (v.isBool())
        return true;
    if (v.isNumber())
        return v.toDouble() == 0 || v.toDouble() == 1;
    const std::string t = trimmedLower(v.toString());
    return v.isText() && (t == "true" || t == "false");
}

class RowTests {
public:
    RowTests(const Workbook& book, std::int32_t company)
        : book_(book), company_(company), row_(std::to_string(book.row())) {}

    std::vector<std::string> run() {
        test(number(kCompany) == static_cast<double>(company_), "Company Id is wrong for row ");
        test(!isBlankCell(cell(kName)), "Asset Name can not be blank for row ");
        test(value(kCost) > 0, "Cost is required for row ");
        test(numericOrBlank(kAllowance), "Bonus Allowance must be numeric for row ");
        const double method = value(kMethod);
        test(std::ranges::find(kMethods, method) != std::end(kMethods),
             "Invalid Depreciation method for row ");
        test(date(kInService).has_value(), "In-Service date is required for row ");
        test(!book_.flaw(kType179) && isTrueOrFalse(cell(kType179)),
             "Type_179 must be True or False for row ");
        const double convention = value(kConvention);
        test(convention > 0 && convention < 5 && convention == std::floor(convention),
             "Convention needs to be between 1 & 4 for row ");
        const double life = value(kLife);
        test(life > 0, "Life is required for row ");
        test(numericOrBlank(kDeduction179), "179 deduction must be numeric for row ");
        test(blankOr(kBookLife, [](double n) { return n > 0 && n < kBookLifeLimit; }),
             "Book Life value is wrong for row ");
        test(numericOrBlank(kBookCost), "Book Cost must be numeric for row ");
        test(blankOr(kBusinessPercent, [](double n) { return n > 0 && n <= 1; }),
             "Business % needs to be between .1 & 1 for row ");
        test(numericOrBlank(kAccount), "General Ledger must be numeric for row ");
        test(blank(kSoldDate) || date(kSoldDate).has_value(), "Sold date is not a date for row ");
        test(numericOrBlank(kSoldAmount), "Sold Amount must be numeric for row ");
        test(numericOrBlank(kOtherDeductions), "Salavge amount isn't numeric for row ");
        // The two columns without a test of their own must still hold what the import can read.
        test(!book_.flaw(kVehicle), "Vehicle can not be read for row ");
        test(!book_.flaw(kNotes), "Notes can not be read for row ");

        test(!(method == kMacrs && !lifeInList(life, "3,5,7,10,15,20,27.5,31.5,39,50")),
             "MACRS life is wrong for row ");
        test(!(method == kMacrs150 && !lifeInList(life, "3,5,7,10,15,20")),
             "MACRS 150 life is wrong for row ");
        test(!(method == kAds && !lifeInList(life, "5,6,9,10,12,18, 20, 40, 50")),
             "ADS life is wrong for row ");
        test(!(method == kListed && life != 5), "Listed life needs to be 5 for row ");
        test(!((method == kMacrs || method == kAds || method == kListed) && life < 21 && convention != 1 &&
               convention != 2),
             "Convention needs to be 1 or 2 for row ");
        // Real property (MACRS beyond 27 years) is depreciated by the mid-month convention.
        test(!(method == kMacrs && life > 27 && convention != 3), "Convention needs to be 3 for row ");
        if (!book_.flaw(kVehicle) && isVehicleMark(cell(kVehicle)))
            if (const auto placed = date(kInService))
                vehicleLimit(placed->year());
        return std::move(failures_);
    }

private:
    // A cell holding an error result, or a value the reader cannot make out, is neither blank
    // nor a number nor a date: it fails its column's test, as the import refuses it.
    const Variant& cell(int column) const { return book_.cell(column); }
    bool blank(int column) const { return !book_.flaw(column) && isBlankCell(cell(column)); }
    std::optional<double> number(int column) const {
        return book_.flaw(column) ? std::nullopt : cellNumber(cell(column));
    }
    std::optional<Date> date(int column) const {
        return book_.flaw(column) ? std::nullopt : cellDate(book_, cell(column));
    }
    // The number the rules compare: a cell that is no number counts 0.
    double value(int column) const { return number(column).value_or(0); }
    bool numericOrBlank(int column) const { return blank(column) || number(column).has_value(); }
    template <typename Accept> bool blankOr(int column, Accept accept) const {
        if (blank(column))
            return true;
        const auto n = number(column);
        return n && accept(*n);
    }

    // A vehicle's section 179 deduction and allowance within the business share of the first-year
    // limit of its in-service year: the limit the processing runs it with, which must be there.
    // Amounts count in whole dollars, as the processing takes them.
    void vehicleLimit(int year) {
        const double business = value(kBusinessPercent) == 0 ? 1 : value(kBusinessPercent);
        const double section179 = roundHalfEven(value(kDeduction179));
        const double allowance = roundHalfEven(value(kAllowance));
        const VehicleLimit limit =
            importedVehicleLimit(toInt16(year, "the in-service year"), allowance,
                                 value(kCost) * business - (value(kOtherDeductions) + section179));
        if (limit.firstYear <= 0) {
            fail("Vehicle (K) has " + missingLimit(limit) + " (Maintenance\\Auto Max Limits) for row ");
            return;
        }
        const double cap = limit.firstYear * business;
        const std::string above = " above the vehicle's first-year limit of " + formatNumber(cap) + " (" +
                                  std::to_string(limit.firstYear) + " x " + formatNumber(business) +
                                  " business use) for row ";
        switch (firstYearExcess(cap, section179, allowance)) {
        case FirstYearExcess::None:
            break;
        case FirstYearExcess::Section179:
            fail("179 deduction (H) is" + above);
            break;
        case FirstYearExcess::Allowance:
            fail("Bonus Allowance (D) and 179 deduction (H) together are" + above);
            break;
        }
    }

    void test(bool passed, const char* text) {
        if (!passed)
            fail(text);
    }
    void fail(const std::string& text) { failures_.push_back(text + row_); }

    const Workbook& book_;
    std::int32_t company_;
    std::string row_;
    std::vector<std::string> failures_;
};

} // namespace

bool lifeInList(double life, const std::string& list) {
    const std::string shown = formatNumber(life);
    std::string_view rest = list;
    while (true) {
        const auto comma = rest.find(',');
        if (trimWhiteSpace(rest.substr(0, comma)) == shown)
            return true;
        if (comma == std::string_view::npos)
            return false;
        rest.remove_prefix(comma + 1);
    }
}

std::vector<std::string> checkImportRow(const Workbook& book, std::int32_t companyId) {
    return RowTests(book, companyId).run();
}

} // namespace qel::exchange
