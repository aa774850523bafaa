// The five width tiers of a printed list: the tier each total width falls in, and what each
// tier prints with.
#include "app/printing/rules/ListTiers.h"

#include <gtest/gtest.h>

#include <vector>

namespace qel::printing {
namespace {

using O = Orientation;

struct TierCase {
    const char* name;
    std::vector<std::int32_t> widths;
    int tier;
    O orientation;
    std::int32_t tableLeft;
    std::int32_t rowsPerPage;
    double points;
    bool rowsBold;
    std::int32_t ruleLength;
    std::int32_t pageNumberX;
};

// Each width is one column; its paper room is width x 1.1 + 75 (so 10367 gives a sum of 11479).
const TierCase kTiers[] = {
    {"portrait", {1000, 2000}, 1, O::Portrait, 4015, 64, 9, false, 112, 10140},
    {"portrait, last width", {10367}, 1, O::Portrait, 0, 64, 9, false, 112, 10140},
    // Tested with the 1.1/75 sum (12079) but centred on the 0.99/67 sum (10871), 300 to the left.
    {"wide portrait", {10913}, 2, O::Portrait, 304, 66, 8, true, 118, 10440},
    {"wide portrait, first width", {10368}, 2, O::Portrait, 574, 66, 8, true, 118, 10440},
    {"landscape", {13822}, 3, O::Landscape, 300, 51, 8, true, 173, 13940},
    {"landscape, first width", {10914}, 3, O::Landscape, 1900, 51, 8, true, 173, 13940},
    {"wide landscape", {14458}, 4, O::Landscape, 0, 61, 7, true, 220, 14190},
    {"wide landscape, first width", {13823}, 4, O::Landscape, 350, 61, 7, true, 220, 14190},
    // Centred on the 0.8/50 sum (15681): a left X of exactly 300 still prints.
    {"widest", {19539}, 5, O::Landscape, 300, 69, 6, true, 320, 14190},
    {"widest, first width", {14459}, 5, O::Landscape, 2332, 69, 6, true, 320, 14190},
};

TEST(ListTiers, EachTierAndItsBoundaries) {
    for (const TierCase& c : kTiers) {
        SCOPED_TRACE(c.name);
        const auto tier = chooseListTier(c.widths);
        ASSERT_TRUE(tier.has_value());
        EXPECT_EQ(tier->number, c.tier);
        EXPECT_EQ(tier->orientation, c.orientation);
        EXPECT_EQ(tier->tableLeft, c.tableLeft);
        EXPECT_EQ(tier->rowsPerPage(), c.rowsPerPage);
        EXPECT_EQ(tier->points, c.points);
        EXPECT_EQ(tier->rowsBold, c.rowsBold);
        EXPECT_EQ(tier->ruleLength, c.ruleLength);
        EXPECT_EQ(tier->pageNumberX, c.pageNumberX);
    }
}

TEST(ListTiers, SumsAtTheTestedBoundaries) {
    struct Case {
        std::int32_t width;
        std::int32_t sum;
    };
    for (const Case c : {Case{10367, 11479}, Case{10368, 11480}, Case{10913, 12079}, Case{10914, 12080},
                         Case{13822, 15279}, Case{13823, 15280}, Case{14458, 15979}, Case{14459, 15980}}) {
        SCOPED_TRACE(c.width);
        const std::int32_t widths[] = {c.width};
        EXPECT_EQ(totalWidth(widths, kStandardSpacing), c.sum);
    }
}

TEST(ListTiers, ZeroWidthColumnsAddTheGap) {
    const std::int32_t widths[] = {1000, 0, 0};
    EXPECT_EQ(totalWidth(widths, kStandardSpacing), 1100 + 3 * 75);
}

TEST(ListTiers, TooWideForTheLastTier) {
    // A left X of 299 in the last tier.
    const std::int32_t widths[] = {19540};
    EXPECT_FALSE(chooseListTier(widths).has_value());
}

TEST(ListTiers, PositionsRoundHalfToEvenAfterEachColumn) {
    // 15 x 1.1 is exactly 16.5 in single precision: a column of 15 takes 91.5 twips.
    EXPECT_EQ(advance(0, 15, kStandardSpacing), 92);
    EXPECT_EQ(advance(1, 15, kStandardSpacing), 92);
    EXPECT_EQ(advance(2, 15, kStandardSpacing), 94);
    const std::int32_t widths[] = {15, 15, 15};
    EXPECT_EQ(totalWidth(widths, kStandardSpacing), 92 + 92 + 92);
}

} // namespace
} // namespace qel::printing
