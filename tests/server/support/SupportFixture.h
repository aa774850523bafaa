// Shared fixture of the support tests: a fresh database copy, the asset these tests arrange unless
// they say otherwise (so each test states only what it needs), and a table check of the field
// names of recordsets.
#pragma once

#include "common/Recordset.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace qel::test {

// A recordset and the field names it must carry in order; named after the operation that gave it.
struct FieldNamesCase {
    const char* name;
    Recordset rs;
    std::vector<std::string> fields;
};

// Checks each case's field names, naming the case in a failure.
inline void expectFieldNames(std::span<const FieldNamesCase> cases) {
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(fieldNames(c.rs), c.fields);
    }
}

class SupportTest : public ::testing::Test {
protected:
    // Adds an asset and returns its number; the fields left alone make it a MACRS 7-year asset
    // of company 1 costing 1000, in its fiscal year from 2010-01-01.
    std::int32_t addAsset(const AssetRow& a) {
        return test::addAsset(a, {.name = "Asset",
                                  .company = 1,
                                  .method = kMacrs,
                                  .cost = 1000,
                                  .fiscalStart = "2010-01-01",
                                  .life = 7});
    }

    std::int64_t count(const std::string& sqlFrom) const {
        return fresh_.value("SELECT count(*) " + sqlFrom).toInt64();
    }

    FreshDatabase fresh_;
};

} // namespace qel::test
