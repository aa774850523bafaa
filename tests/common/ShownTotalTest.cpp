#include "common/ShownTotal.h"

#include "common/ServerError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace qel {
namespace {

// The total of the texts as a report shows them.
double totalOf(const std::vector<std::string>& shown) {
    ShownTotal total;
    for (const std::string& s : shown)
        total.add(s);
    return total.value();
}

TEST(ShownTotal, AddsWhatEachTextShows) {
    struct Case {
        const char* name;
        std::vector<std::string> shown;
        double total;
    };
    const Case cases[] = {
        // Three cents columns whose stored values add up to 94,300.00 show 94,299.99.
        {"cents as shown", {"57,222.22", "5,344.44", "31,733.33"}, 94299.99},
        {"whole dollars as shown", {"11", "11"}, 22},
        {"a total of tenths of cents stays exact", {"0.10", "0.20", "0.30", "0.40"}, 1.0},
        {"decimals without a whole part", {".50", ".25"}, 0.75},
        {"a minus sign", {"-1,200", "1,234.50"}, 34.5},
        {"a plus sign and blanks before it", {"  +12", " 3"}, 15},
        {"more decimals in one amount", {"1.5", "2.25", "3"}, 6.75},
        {"decimals past the sixth are rounded", {"0.0000004", "0.0000005"}, 0.000001},
        {"empty, blank and wordy texts add nothing", {"", " ", "abc", "-", "."}, 0},
        {"a text starting with a number adds that number", {"12abc", "3"}, 15},
        {"a comma that groups no digits ends the number", {"1,", "2,x", ",5"}, 3},
        {"a number held as text", {"125.25"}, 125.25},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_DOUBLE_EQ(totalOf(c.shown), c.total);
    }
}

// The grand total is the sum of the subtotals, whatever places each holds.
TEST(ShownTotal, AddsOtherTotals) {
    ShownTotal a;
    a.add("10.5");
    ShownTotal b;
    b.add("0.125");
    ShownTotal grand;
    grand.add(a);
    grand.add(b);
    EXPECT_DOUBLE_EQ(grand.value(), 10.625);
    a.clear();
    EXPECT_TRUE(a.isZero());
    EXPECT_DOUBLE_EQ(a.value(), 0);
}

TEST(ShownTotal, AnAmountBeyondItsRangeFailsAndTheTotalKeepsItsValue) {
    struct Case {
        const char* name;
        const char* first;
        const char* failing;
    };
    const Case cases[] = {
        {"too many digits", "1.25", "99999999999999999999"},
        {"a sum beyond the range", "5,000,000,000,000,000,000", "5,000,000,000,000,000,000"},
        {"a total too large for more decimals", "5,000,000,000,000,000,000", "0.5"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ShownTotal total;
        total.add(c.first);
        const double before = total.value();
        try {
            total.add(c.failing);
            ADD_FAILURE() << "added";
        } catch (const ServerError& e) {
            EXPECT_EQ(e.number(), kErrOverflow);
        }
        EXPECT_EQ(total.value(), before);
    }
}

} // namespace
} // namespace qel
