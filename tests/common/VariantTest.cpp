#include "common/Variant.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

namespace qel {
namespace {

TEST(VariantTest, NullConvertsToEmptyValues) {
    Variant v;
    EXPECT_TRUE(v.isNull());
    EXPECT_EQ(v.toDouble(), 0);
    EXPECT_EQ(v.toInt32(), 0);
    EXPECT_EQ(v.toString(), "");
    EXPECT_FALSE(v.toBool());
    EXPECT_TRUE(v.toDate().isNoDate());
}

TEST(VariantTest, WholeNumbersRoundHalfToEven) {
    EXPECT_EQ(Variant(2.5).toInt32(), 2);
    EXPECT_EQ(Variant(3.5).toInt32(), 4);
    EXPECT_EQ(Variant("10").toInt32(), 10);
    EXPECT_THROW(Variant(3e10).toInt32(), ServerError);
}

TEST(VariantTest, TextThatIsNoNumberIsAConversionError) {
    try {
        Variant("1,250").toDouble();
        FAIL() << "expected a conversion error";
    } catch (const ServerError& e) {
        EXPECT_EQ(e.kind(), ErrorKind::Conversion);
        EXPECT_EQ(e.number(), kTypeMismatch);
    }
}

TEST(VariantTest, TextOfEachType) {
    EXPECT_EQ(Variant(0.1 + 0.2).toString(), "0.3");
    EXPECT_EQ(Variant(Date(2024, 2, 29)).toString(), "2024-02-29");
    EXPECT_EQ(Variant(true).toString(), "True");
    EXPECT_EQ(Variant(std::int64_t{42}).toString(), "42");
}

TEST(VariantTest, DatesFromTextAndBooleans) {
    EXPECT_EQ(Variant("2024-06-01").toDate(), Date(2024, 6, 1));
    EXPECT_THROW(Variant("June").toDate(), ServerError);
    EXPECT_TRUE(Variant(std::int64_t{-1}).toBool());
    EXPECT_TRUE(Variant("True").toBool());
    EXPECT_FALSE(Variant("False").toBool());
}

} // namespace
} // namespace qel
