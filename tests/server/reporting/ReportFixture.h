// Test data for the report queries of DeprSupport: companies, accounts, classes, locations,
// assets, their yearly, book and period rows, written straight into a fresh copy of the shipped
// database; the field names of the asset listing.
#pragma once

#include "common/Recordset.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace qel::reporttest {

using test::addAccount;
using test::addClass;
using test::addCompany;
using test::addDepr;
using test::addPeriod;
using test::AssetRow;
using test::column;
using test::fieldNames;
using test::kAds;
using test::kAmortize;
using test::kAmt;
using test::kHalfYear;
using test::kListed;
using test::kMacrs;
using test::kMacrs150;
using test::kMidMonth;
using test::kNonDepr;
using test::kNoSuchConvention;
using test::kState;

// An asset's row in one alternative book.
struct BookRow {
    int book = 3;
    int method = kMacrs;
    double life = 7;
    double cost = 1000;
    double business = 1;
    double section179 = 0;
    double allowance = 0;
    double salvage = 0;
    int convention = kHalfYear;
    std::string caption = "200 DB";
    double costBasis = 1000;
};

// The field names of the asset listing, which its export writes as the title row.
inline const std::vector<std::string> kAssetListingFields = {"Asset_num",
                                                             "Asset_name",
                                                             "Cost",
                                                             "Allowance 30 %",
                                                             "Method",
                                                             "In_Service_date",
                                                             "bussiness_percent",
                                                             "179_deduction",
                                                             "Abbreviation",
                                                             "life",
                                                             "sold_date",
                                                             "sold_amt",
                                                             "gain_Loss",
                                                             "notes",
                                                             "Tag Number",
                                                             "Serial Number",
                                                             "Manufacturer",
                                                             "Long Description",
                                                             "Short Location",
                                                             "amortize_code",
                                                             "other_deductions",
                                                             "Description",
                                                             "book_life",
                                                             "book_cost",
                                                             "vehicle_num",
                                                             "Account Descr",
                                                             "actual_method"};

// The value of a field in the row whose field `keyField` reads `key`.
inline Variant valueOf(const Recordset& rs, const std::string& keyField, const std::string& key,
                       const std::string& field) {
    const auto k = rs.indexOf(keyField);
    const auto f = rs.indexOf(field);
    for (const auto& row : rs.rows())
        if (row.at(k).toString() == key)
            return row.at(f);
    ADD_FAILURE() << "no row with " << keyField << " = " << key;
    return {};
}

// Runs body, which must fail as every report query fails: number kPassedThrough with
// "DeprSupport" and the operation in the help fields.
template <typename Body> void expectPassedOn(Body&& body, const std::string& operation) {
    test::expectPassedOn(std::forward<Body>(body), "DeprSupport", operation);
}

class ReportTest : public ::testing::Test {
protected:
    std::int32_t addLocation(const std::string& shortName) { return test::addLocation(shortName); }

    // Adds the asset; its number. The fields left alone make it a MACRS 7-year half-year asset
    // (200 DB) of company 0 costing 1000, placed in service 3/1/2010 (calendar fiscal year); the
    // sale date is the fiscal one unless given.
    std::int32_t addAsset(AssetRow a) {
        if (!a.soldDate)
            a.soldDate = a.sold;
        return test::addAsset(a, {.name = "Asset",
                                  .company = 0,
                                  .method = kMacrs,
                                  .cost = 1000,
                                  .placed = "2010-03-01",
                                  .life = 7,
                                  .convention = kHalfYear,
                                  .caption = "200 DB",
                                  .notes = "note"});
    }

    void describe(std::int32_t asset, const std::string& tag, std::int32_t location) {
        test::addDescription(asset, tag, "SN-" + tag, location, "long text");
    }

    void addBook(std::int32_t company, std::int32_t asset, const BookRow& b) {
        fresh_.exec(
            "INSERT INTO tblBookMethods (ClientId, AssetId, BookId, DeprMethodId, Life, Cost,"
            " BusinessPercent, Section179, Allowance, ConventionId, Salvage, Actual_Method, CostBasis,"
            " BonusCboId) VALUES (" +
            sqlNumber(company) + ", " + sqlNumber(asset) + ", " + sqlNumber(b.book) + ", " +
            sqlNumber(b.method) + ", " + sqlNumber(b.life) + ", " + sqlNumber(b.cost) + ", " +
            sqlNumber(b.business) + ", " + sqlNumber(b.section179) + ", " + sqlNumber(b.allowance) + ", " +
            sqlNumber(b.convention) + ", " + sqlNumber(b.salvage) + ", " + sqlText(b.caption) + ", " +
            sqlNumber(b.costBasis) + ", 0)");
    }

    test::FreshDatabase fresh_;
    DeprSupport support_;
};

} // namespace qel::reporttest
