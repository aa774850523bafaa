// ShownTotal: a running total of amounts as a report shows them, so that every subtotal and
// total adds up to the cells above it.
//
// A report shows each amount rounded to its column's places (cents, or whole dollars) and a
// total under it. A total of the stored values, rounded once, can differ from the sum of the
// rounded cells by a cent or a dollar; a reader who adds the column up then finds the report
// wrong. So a total adds each cell's amount as its text shows it ("1,234.57", "-12", ".50"),
// exactly, in decimal: the total is the sum of what was shown.
#pragma once

#include <cstdint>
#include <string_view>

namespace qel {

class ShownTotal {
public:
    // Adds the amount a shown text stands for: blanks before it skipped, an optional sign,
    // digits that may be grouped by ",", then a "." and decimals; reading stops at the first
    // other character, and a text without a digit there (empty, " ", "abc") adds nothing.
    // Decimals beyond the sixth are rounded off, a half away from zero. Throws ServerError
    // (kErrOverflow, kind Conversion) when the total would leave the range it holds exactly
    // (about 9 x 10^12 at six places); the total then keeps its value.
    void add(std::string_view shown);
    // Adds another total (a group's subtotal to the grand total).
    void add(const ShownTotal& other);

    // The total; a double holds it exactly to the places shown for totals below 10^13.
    double value() const;
    bool isZero() const { return units_ == 0; }
    void clear() {
        units_ = 0;
        places_ = 0;
    }

private:
    // Brings the total to `places` decimal places (never fewer than it has).
    void widenTo(int places);

    // The total in units of 10^-places_: places_ is the most decimals any amount added showed.
    std::int64_t units_ = 0;
    int places_ = 0;
};

} // namespace qel
