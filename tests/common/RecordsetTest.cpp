#include "common/Recordset.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

namespace qel {
namespace {

Recordset twoRows() {
    Recordset rs({{"Asset", FieldType::Integer, 4}, {"Address         ", FieldType::Text, 50}});
    rs.addRow({1, "Main St"});
    rs.addRow({2, "Elm St"});
    return rs;
}

TEST(RecordsetTest, EmptyIsAtBothEnds) {
    Recordset rs({{"a", FieldType::Integer, 4}});
    EXPECT_TRUE(rs.IsBOF());
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_EQ(rs.RecordCount(), 0u);
    EXPECT_THROW(rs[0], ServerError);
}

TEST(RecordsetTest, WalksRowsAndFindsFieldsIgnoringCase) {
    Recordset rs = twoRows();
    EXPECT_FALSE(rs.IsEOF());
    EXPECT_EQ(rs["asset"].toInt32(), 1);
    EXPECT_EQ(rs["ADDRESS         "].toString(), "Main St");
    EXPECT_EQ(rs.indexOf("Address"), Recordset::npos) << "trailing blanks are part of the name";
    rs.MoveNext();
    EXPECT_EQ(rs[1].toString(), "Elm St");
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.MoveNext();
    EXPECT_TRUE(rs.IsEOF());
    rs.MoveFirst();
    EXPECT_EQ(rs[0].toInt32(), 1);
    EXPECT_THROW(rs["nope"], ServerError);
}

// Every kind of value reads back as it was given, texts across the blocks they are held in
// (a block is 64 KB) and longer than a block included.
TEST(RecordsetTest, EveryValueReadsBackAsGiven) {
    const std::vector<Variant> values{
        Variant(),
        Variant(std::int64_t{-9'007'199'254'740'993}),
        Variant(std::numeric_limits<std::int64_t>::max()),
        Variant(-0.5),
        Variant(std::numeric_limits<double>::infinity()),
        Variant(std::string()),
        Variant("  padded  "),
        Variant(std::string("nul\0inside", 10)),
        Variant(Date(2025, 12, 31)),
        Variant(Date(1, 1, 1)),
        Variant(true),
        Variant(false),
        Variant(std::string(70'000, 'x')),
        Variant(std::string(40'000, 'y')),
        Variant(std::string(40'000, 'z')),
    };
    Recordset rs({{"Value", FieldType::Memo, 0}});
    for (int round = 0; round < 3; ++round)
        for (const Variant& v : values)
            rs.addRow({v});
    ASSERT_EQ(rs.RecordCount(), 3 * values.size());
    for (std::size_t r = 0; r < rs.RecordCount(); ++r) {
        const Variant& given = values[r % values.size()];
        EXPECT_EQ(rs.value(r, 0), given) << "row " << r;
        EXPECT_EQ(rs.kind(r, 0), static_cast<ValueKind>(given.storage().index())) << "row " << r;
        if (given.isText())
            EXPECT_EQ(rs.text(r, 0), std::get<std::string>(given.storage())) << "row " << r;
        else
            EXPECT_EQ(rs.text(r, 0), "") << "row " << r;
    }
    EXPECT_TRUE(std::isnan(([] {
        Recordset nan({{"n", FieldType::Double, 8}});
        nan.addRow({std::numeric_limits<double>::quiet_NaN()});
        return nan.value(0, 0).toDouble();
    })()));
}

TEST(RecordsetTest, RowsAreFilledChangedAndRemovedAsWhole) {
    Recordset rs({{"a", FieldType::Integer, 4}, {"b", FieldType::Text, 50}, {"c", FieldType::Date, 8}});
    rs.addRow({1, "one", Date(2020, 1, 2), "dropped"});
    rs.addRow({2});
    rs.addRow({3, "three"});
    EXPECT_EQ(rs.rows()[0].values(), (std::vector<Variant>{1, "one", Date(2020, 1, 2)}))
        << "extra value dropped";
    EXPECT_EQ(rs.rows()[1].values(), (std::vector<Variant>{2, {}, {}})) << "missing values are Null";

    rs.setRow(0, {10, "ten"});
    EXPECT_EQ(rs.rows()[0].values(), (std::vector<Variant>{10, "ten", {}}));
    rs.set(1, 1, Variant("two"));
    rs.set(1, 1, Variant(2.5));
    EXPECT_EQ(rs.value(1, 1), Variant(2.5)) << "a text replaced by a number";

    rs.removeRows(1, 1);
    ASSERT_EQ(rs.RecordCount(), 2u);
    EXPECT_EQ(rs.rows()[1].values(), (std::vector<Variant>{3, "three", {}}));
    EXPECT_THROW(rs.removeRows(1, 2), std::out_of_range);
    EXPECT_THROW(rs.setRow(2, {}), std::out_of_range);
    EXPECT_THROW(rs.rows().at(2), std::out_of_range);
    EXPECT_THROW(rs.rows()[0].at(3), std::out_of_range);
    rs.removeRows(0, 2);
    EXPECT_TRUE(rs.IsEOF());
    EXPECT_TRUE(rs.rows().empty());
}

// The rows of a recordset refer to it: a temporary one gives none, so that a loop cannot read
// rows the recordset no longer holds.
template <class R>
concept GivesRows = requires(R&& rs) {
    std::forward<R>(rs).rows();
};
static_assert(GivesRows<const Recordset&> && GivesRows<Recordset&>);
static_assert(!GivesRows<Recordset> && !GivesRows<const Recordset>);

// A copy holds its own texts: changing or dropping the original leaves it as it was.
TEST(RecordsetTest, ACopyKeepsItsOwnTexts) {
    auto original = std::make_unique<Recordset>(std::vector<Field>{{"t", FieldType::Memo, 0}});
    original->addRow({std::string(100'000, 'a')});
    original->addRow({"short"});
    const Recordset copy = *original;
    original->setRow(1, {"changed"});
    EXPECT_FALSE(copy.rows() == original->rows());
    original.reset();
    EXPECT_EQ(copy.text(0, 0), std::string(100'000, 'a'));
    EXPECT_EQ(copy.text(1, 0), "short");
}

} // namespace
} // namespace qel
