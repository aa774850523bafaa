// Shared fixture of the support tests: a fresh database copy and small writers that arrange
// companies, assets and reference rows with plain SQL, so each test states only what it needs.
#pragma once

#include "common/Recordset.h"
#include "common/ServerError.h"
#include "tests/testsupport/FreshDatabase.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

namespace qel::test {

// The field names of a recordset in order, blanks kept.
inline std::vector<std::string> fieldNames(const Recordset& rs) {
    std::vector<std::string> names;
    for (const auto& f : rs.fields())
        names.push_back(f.name);
    return names;
}

// One column of every row, as text.
inline std::vector<std::string> column(const Recordset& rs, std::size_t index) {
    std::vector<std::string> values;
    for (const auto& row : rs.rows())
        values.push_back(row.at(index).toString());
    return values;
}

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

// An asset as the tests arrange it; the fields left alone take these values.
struct AssetRow {
    std::int32_t company = 1;
    std::string name = "Asset";
    double cost = 1000;
    double businessPercent = 1;
    double section179 = 0;
    double otherDeductions = 0;
    std::int32_t method = 1; // MACRS
    double life = 7;
    bool type179 = false;
    std::string fiscalStart = "2010-01-01";
    std::string fiscalSold = "1900-01-01";
    std::int32_t classId = 0;
};

class SupportTest : public ::testing::Test {
protected:
    // Adds a company and returns its id.
    std::int32_t addCompany(const std::string& name) {
        fresh_.exec("INSERT INTO tblCompany ([Company Name], [Year End Month]) VALUES ('" + name + "', 12)");
        return static_cast<std::int32_t>(fresh_.conn().lastInsertRowid());
    }

    // Adds an asset and returns its number.
    std::int32_t addAsset(const AssetRow& a) {
        fresh_.exec(
            "INSERT INTO tblAssets (Company_Id, Asset_name, Cost, bussiness_percent, [179_deduction], "
            "other_deductions, depr_method, life, Type_179, fiscal_start_date, fiscal_sold_date, "
            "depr_class_id) VALUES (" +
            std::to_string(a.company) + ", '" + a.name + "', " + std::to_string(a.cost) + ", " +
            std::to_string(a.businessPercent) + ", " + std::to_string(a.section179) + ", " +
            std::to_string(a.otherDeductions) + ", " + std::to_string(a.method) + ", " +
            std::to_string(a.life) + ", " + (a.type179 ? "1" : "0") + ", '" + a.fiscalStart + "', '" +
            a.fiscalSold + "', " + std::to_string(a.classId) + ")");
        return static_cast<std::int32_t>(fresh_.conn().lastInsertRowid());
    }

    std::int64_t count(const std::string& sqlFrom) const {
        return fresh_.value("SELECT count(*) " + sqlFrom).toInt64();
    }

    FreshDatabase fresh_;
};

} // namespace qel::test
