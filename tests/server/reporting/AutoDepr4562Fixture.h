// Test data for the vehicle and Form 4562 queries: assets with their yearly rows, written
// straight into a fresh copy of the shipped database.
#pragma once

#include "common/SqlLiteral.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace qel::test {

// Method ids of the shipped tblDeprMethods.
inline constexpr int kMacrs = 1;
inline constexpr int kAds = 2;
inline constexpr int kAmortize = 3;
inline constexpr int kStraightLine = 4;
inline constexpr int kListed = 9;
inline constexpr int kMacrs150 = 11;

// Book ids of tblDepr.
inline constexpr int kFederal = 1;
inline constexpr int kAmt = 3;

// One asset as the tests need it; fiscal dates equal the calendar ones (calendar fiscal year).
struct AssetRow {
    std::string name = "Asset";
    int company = 1;
    int method = kMacrs;
    double cost = 1000;
    double allowance = 0;
    double other = 0;
    double section179 = 0;
    bool type179 = false;
    double business = 1;
    std::string placed = "2010-03-01"; // in service and fiscal start
    std::string sold = "1900-01-01";   // fiscal sold date
    double life = 5;
    int convention = 1;
    int vehicle = 0;
    std::string caption = "200 DB";
    double amortizeCode = 0;
};

class AssetFixture : public ::testing::Test {
protected:
    // Inserts the asset; its asset number.
    std::int64_t addAsset(const AssetRow& a) {
        fresh_.exec(
            "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, [Allowance 30 %], [179_deduction],"
            " In_Service_date, depr_method, life, convention, other_deductions, bussiness_percent,"
            " amortize_code, vehicle_num, actual_method, Type_179, fiscal_start_date, fiscal_sold_date)"
            " VALUES (" +
            sqlNumber(a.company) + ", " + sqlText(a.name) + ", " + sqlNumber(a.cost) + ", " +
            sqlNumber(a.allowance) + ", " + sqlNumber(a.section179) + ", " + sqlText(a.placed) + ", " +
            sqlNumber(a.method) + ", " + sqlNumber(a.life) + ", " + sqlNumber(a.convention) + ", " +
            sqlNumber(a.other) + ", " + sqlNumber(a.business) + ", " + sqlNumber(a.amortizeCode) + ", " +
            sqlNumber(a.vehicle) + ", " + sqlText(a.caption) + ", " + sqlBool(a.type179) + ", " +
            sqlText(a.placed) + ", " + sqlText(a.sold) + ")");
        return fresh_.conn().lastInsertRowid();
    }

    // One yearly row of the asset in a book.
    void addDepr(std::int64_t asset, int year, double depr, int book = kFederal, int company = 1) {
        fresh_.exec("INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) VALUES (" +
                    sqlNumber(company) + ", " + sqlNumber(book) + ", " + sqlNumber(asset) + ", " +
                    sqlNumber(year) + ", " + sqlNumber(depr) + ", " + sqlNumber(depr) + ")");
    }

    // An asset with a Federal row of `year` (and of the company) holding `depr`.
    std::int64_t addAssetWithDepr(const AssetRow& a, int year, double depr) {
        const std::int64_t asset = addAsset(a);
        addDepr(asset, year, depr, kFederal, a.company);
        return asset;
    }

    void addCompany(int id, const std::string& name) {
        fresh_.exec("INSERT INTO tblCompany (id, [Company Name]) VALUES (" + sqlNumber(id) + ", " +
                    sqlText(name) + ")");
    }

    std::int64_t count(const std::string& sql) const { return fresh_.value(sql).toInt64(); }

    FreshDatabase fresh_;
};

} // namespace qel::test
