// Test data for the vehicle and Form 4562 queries: assets with their yearly rows, written
// straight into a fresh copy of the shipped database.
#pragma once

#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/TestData.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace qel::test {

class AssetFixture : public ::testing::Test {
protected:
    // Inserts the asset; its asset number. The fields left alone make it a MACRS 5-year
    // half-year asset (200 DB) of company 1 costing 1000, placed in service 3/1/2010; fiscal dates
    // equal the calendar ones (calendar fiscal year).
    std::int64_t addAsset(const AssetRow& a) {
        return test::addAsset(a, {.name = "Asset",
                                  .company = 1,
                                  .method = kMacrs,
                                  .cost = 1000,
                                  .placed = "2010-03-01",
                                  .life = 5,
                                  .convention = kHalfYear,
                                  .caption = "200 DB"});
    }

    // One yearly row of the asset in a book.
    void addDepr(std::int64_t asset, int year, double depr, int book = kFederal, int company = 1) {
        test::addDepr(company, book, asset, year, depr, depr);
    }

    // An asset with a Federal row of `year` (and of the company) holding `depr`.
    std::int64_t addAssetWithDepr(const AssetRow& a, int year, double depr) {
        const std::int64_t asset = addAsset(a);
        addDepr(asset, year, depr, kFederal, a.company.value_or(1));
        return asset;
    }

    std::int64_t count(const std::string& sql) const { return fresh_.value(sql).toInt64(); }

    FreshDatabase fresh_;
};

} // namespace qel::test
