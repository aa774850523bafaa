// TestData: the rows a test arranges in its database copy (companies, assets, their yearly and
// period rows, description rows), written on the shared connection through the literal helpers,
// the ids of the shipped reference lists they use, and small readers and checks for assertions.
#pragma once

#include "common/Recordset.h"
#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace qel::test {

// Method ids of the shipped tblDeprMethods.
inline constexpr int kMacrs = 1;
inline constexpr int kAds = 2;
inline constexpr int kAmortize = 3;
inline constexpr int kStraightLine = 4;
inline constexpr int kListed = 9;
inline constexpr int kNonDepr = 10;
inline constexpr int kMacrs150 = 11;

// Convention ids of the shipped tblConvention (abbreviations HY and MM); no row has
// kNoSuchConvention.
inline constexpr int kHalfYear = 1;
inline constexpr int kMidMonth = 3;
inline constexpr int kNoSuchConvention = 99;

// Book ids of tblBooks.
inline constexpr int kFederal = 1;
inline constexpr int kAmt = 3;
inline constexpr int kState = 4;

// Adds a company whose fiscal year ends in `yearEndMonth`; its id.
std::int32_t addCompany(const std::string& name, int yearEndMonth = 12);
// Adds a company under the given id; the id.
std::int32_t addCompany(std::int32_t id, const std::string& name, int yearEndMonth = 12);

// One row of tblAssets. A field left unset is taken from the defaults given to addAsset; unset
// there too, it is not written and its column keeps the schema's default. Dates are ISO texts.
// (Every field is initialized so that a designated initializer may leave any of them out.)
struct AssetRow {
    std::optional<std::string> name = {};
    std::optional<std::int32_t> company = {};
    std::optional<int> method = {}; // a tblDeprMethods id
    std::optional<double> cost = {};
    std::optional<double> allowance = {};  // [Allowance 30 %], dollars
    std::optional<double> section179 = {}; // dollars
    std::optional<double> other = {};      // other_deductions, dollars
    std::optional<double> business = {};   // bussiness_percent, a fraction
    std::optional<bool> type179 = {};
    // In_Service_date, and the fiscal start too unless fiscalStart is set (a calendar fiscal year).
    std::optional<std::string> placed = {};
    std::optional<std::string> fiscalStart = {}; // fiscal_start_date
    std::optional<std::string> fiscalEnd = {};   // fiscal_end_date
    std::optional<std::string> sold = {};        // fiscal_sold_date
    std::optional<std::string> soldDate = {};    // sold_date, the calendar sale date
    std::optional<double> soldAmt = {};
    std::optional<double> gainLoss = {};
    std::optional<double> life = {};         // years
    std::optional<int> convention = {};      // a tblConvention id
    std::optional<int> vehicle = {};         // vehicle_num
    std::optional<std::string> caption = {}; // actual_method
    std::optional<double> amortizeCode = {};
    std::optional<std::string> notes = {};
    std::optional<std::int32_t> account = {}; // Id_acct
    std::optional<std::int32_t> classId = {}; // depr_class_id
    std::optional<double> bookLife = {};      // years
    std::optional<double> bookCost = {};
    std::optional<bool> catchUp = {};  // Do_Depr_adj
    std::optional<bool> imported = {}; // DoImportDepr
};

// Adds the asset, each field the row leaves unset taken from `defaults`; its number.
std::int32_t addAsset(const AssetRow& row, const AssetRow& defaults = {});

// Adds an asset's yearly row in a book (tblDepr).
void addDepr(std::int32_t company, int book, std::int64_t asset, int year, double depr, double accum);

// Adds an asset's row of a fiscal period "YYYYMM" (tblPeriodDepr).
void addPeriod(std::int32_t company, std::int64_t asset, const std::string& period, double depr, double accum,
               std::int32_t account);

// Adds a general-ledger account (gain or loss account "8000"); its id.
std::int32_t addAccount(const std::string& descr, const std::string& capital, const std::string& accum,
                        const std::string& depr);

// Adds an asset class of the MACRS method, 7 years, no vehicle type or amortization, no account; its id.
std::int32_t addClass(const std::string& descr);

// Adds a location whose long name is the short one followed by " building"; its id.
std::int32_t addLocation(const std::string& shortName);

// Adds an asset's description row.
void addDescription(std::int64_t asset, const std::string& tag, const std::string& serial,
                    std::int32_t location, const std::string& longDescription);

// The field names of a recordset in order, blanks kept.
std::vector<std::string> fieldNames(const Recordset& rs);

// One field of every row, as text (Null as "").
std::vector<std::string> column(const Recordset& rs, std::size_t index);
// The same by the field's name; a missing field fails the test and gives no values.
std::vector<std::string> column(const Recordset& rs, const std::string& name);

// Runs body, which must fail the way every operation of a data server class fails: number
// kPassedThrough, the class and the operation named in the help fields.
template <typename Body>
void expectPassedOn(Body&& body, const std::string& className, const std::string& operation) {
    try {
        body();
        ADD_FAILURE() << operation << " did not fail";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.helpFile(), className);
        EXPECT_EQ(e.helpContext(), operation);
    }
}

} // namespace qel::test
