// Test data for the report queries of DeprSupport: companies, accounts, classes, locations,
// assets, their yearly, book and period rows, written straight into a fresh copy of the shipped
// database with plain SQL.
#pragma once

#include "common/Recordset.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/support/DeprSupport.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qel::reporttest {

// Method ids of the shipped tblDeprMethods.
inline constexpr int kMacrs = 1;
inline constexpr int kAds = 2;
inline constexpr int kAmortize = 3;
inline constexpr int kListed = 9;
inline constexpr int kNonDepr = 10;
inline constexpr int kMacrs150 = 11;
// Conventions of the shipped tblConvention (abbreviations HY, MQ, MM).
inline constexpr int kHalfYear = 1;
inline constexpr int kMidMonth = 3;
inline constexpr int kNoSuchConvention = 99;

// One asset as the tests need it; the in-service date is also the fiscal start (calendar fiscal
// year) and the sale date the fiscal sale date unless given.
struct Asset {
    std::string name = "Asset";
    std::int32_t company = 0;
    int method = kMacrs;
    double cost = 1000;
    double allowance = 0;
    double section179 = 0;
    double other = 0;
    double business = 1;
    bool type179 = false;
    std::string placed = "2010-03-01";
    std::string sold = "1900-01-01"; // fiscal sale date
    std::string soldDate = "";       // calendar sale date; the fiscal one when empty
    double soldAmt = 0;
    double gainLoss = 0;
    double life = 7;
    int convention = kHalfYear;
    std::string caption = "200 DB";
    std::int32_t account = 0;
    std::int32_t classId = 0;
    double bookLife = 0;
    double bookCost = 0;
};

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

// The field names of a recordset in order, blanks kept.
inline std::vector<std::string> fieldNames(const Recordset& rs) {
    std::vector<std::string> names;
    for (const auto& f : rs.fields())
        names.push_back(f.name);
    return names;
}

// One field of every row, as text (Null as "").
inline std::vector<std::string> column(const Recordset& rs, std::size_t index) {
    std::vector<std::string> values;
    for (const auto& row : rs.rows())
        values.push_back(row.at(index).toString());
    return values;
}

inline std::vector<std::string> column(const Recordset& rs, const std::string& name) {
    const auto index = rs.indexOf(name);
    EXPECT_NE(index, Recordset::npos) << "no field " << name;
    return index == Recordset::npos ? std::vector<std::string>{} : column(rs, index);
}

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
    try {
        body();
        ADD_FAILURE() << operation << " did not fail";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.number(), kPassedThrough);
        EXPECT_EQ(e.helpFile(), "DeprSupport");
        EXPECT_EQ(e.helpContext(), operation);
    }
}

class ReportTest : public ::testing::Test {
protected:
    std::int32_t lastId() const { return static_cast<std::int32_t>(fresh_.conn().lastInsertRowid()); }

    std::int32_t addCompany(const std::string& name) {
        fresh_.exec("INSERT INTO tblCompany ([Company Name], [Year End Month]) VALUES (" + sqlText(name) +
                    ", 12)");
        return lastId();
    }

    std::int32_t addAccount(const std::string& descr, const std::string& capital, const std::string& accum,
                            const std::string& depr) {
        fresh_.exec(
            "INSERT INTO tblAccounts ([Account Descr], [Capital Account], [Accum Acct], [Depr Account],"
            " [Gain Loss Acct]) VALUES (" +
            sqlText(descr) + ", " + sqlText(capital) + ", " + sqlText(accum) + ", " + sqlText(depr) +
            ", '8000')");
        return lastId();
    }

    std::int32_t addClass(const std::string& descr) {
        fresh_.exec(
            "INSERT INTO tblDeprClass (Method_ID, Description, [Life], [If Auto - Type], [Amortize #],"
            " ID_acct) VALUES (1, " +
            sqlText(descr) + ", '7', 'N/A', '', 0)");
        return lastId();
    }

    std::int32_t addLocation(const std::string& shortName) {
        fresh_.exec("INSERT INTO tblLocations ([Short Location], [Long Location]) VALUES (" +
                    sqlText(shortName) + ", " + sqlText(shortName + " building") + ")");
        return lastId();
    }

    std::int32_t addAsset(const Asset& a) {
        const std::string soldDate = a.soldDate.empty() ? a.sold : a.soldDate;
        fresh_.exec(
            "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, [Allowance 30 %], [179_deduction],"
            " In_Service_date, depr_method, life, convention, other_deductions, bussiness_percent, sold_date,"
            " sold_amt, notes, depr_class_id, actual_method, Type_179, fiscal_start_date, fiscal_sold_date,"
            " book_life, book_cost, Id_acct, gain_loss) VALUES (" +
            sqlNumber(a.company) + ", " + sqlText(a.name) + ", " + sqlNumber(a.cost) + ", " +
            sqlNumber(a.allowance) + ", " + sqlNumber(a.section179) + ", " + sqlText(a.placed) + ", " +
            sqlNumber(a.method) + ", " + sqlNumber(a.life) + ", " + sqlNumber(a.convention) + ", " +
            sqlNumber(a.other) + ", " + sqlNumber(a.business) + ", " + sqlText(soldDate) + ", " +
            sqlNumber(a.soldAmt) + ", 'note', " + sqlNumber(a.classId) + ", " + sqlText(a.caption) + ", " +
            sqlBool(a.type179) + ", " + sqlText(a.placed) + ", " + sqlText(a.sold) + ", " +
            sqlNumber(a.bookLife) + ", " + sqlNumber(a.bookCost) + ", " + sqlNumber(a.account) + ", " +
            sqlNumber(a.gainLoss) + ")");
        return lastId();
    }

    void describe(std::int32_t asset, const std::string& tag, std::int32_t location) {
        fresh_.exec("INSERT INTO tblAssetDescription ([Asset ID], [Tag Number], [Serial Number], Location_id,"
                    " [Long Description]) VALUES (" +
                    sqlNumber(asset) + ", " + sqlText(tag) + ", 'SN-" + tag + "', " + sqlNumber(location) +
                    ", 'long text')");
    }

    void addDepr(std::int32_t company, int book, std::int32_t asset, int year, double depr, double accum) {
        fresh_.exec("INSERT INTO tblDepr (client_num, BookId, asset_num, [year], depr, accum_depr) VALUES (" +
                    sqlNumber(company) + ", " + sqlNumber(book) + ", " + sqlNumber(asset) + ", " +
                    sqlNumber(year) + ", " + sqlNumber(depr) + ", " + sqlNumber(accum) + ")");
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

    void addPeriod(std::int32_t company, std::int32_t asset, const std::string& period, double depr,
                   double accum, std::int32_t account) {
        fresh_.exec(
            "INSERT INTO tblPeriodDepr (client_num, asset_num, period, depr, accum_depr, id_acct) VALUES (" +
            sqlNumber(company) + ", " + sqlNumber(asset) + ", " + sqlText(period) + ", " + sqlNumber(depr) +
            ", " + sqlNumber(accum) + ", " + sqlNumber(account) + ")");
    }

    test::FreshDatabase fresh_;
    DeprSupport support_;
};

} // namespace qel::reporttest
