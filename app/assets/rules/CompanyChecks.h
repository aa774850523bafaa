// The arithmetic of the asset form's two company checks for a tax year: the section 179
// deduction that may still be elected (Form 4562 Part I, lines 1 to 12), and whether the year's
// MACRS property needs the mid-quarter convention.
#pragma once

#include <cstdint>

namespace qel::assets {

// What the section 179 summary reads, in dollars.
struct Section179Figures {
    double limit = 0;        // M: the year's dollar limit ([Maximum Amount] of tblMax179)
    double threshold = 0;    // T: the year's threshold cost ([Threshold Cost])
    double businessCost = 0; // P: cost x business fraction of the year's section 179 assets
    double carryover = 0;    // C: the company's carryover from the prior year
    double incomeLimit = 0;  // I: the company's business income limit; 0 when none was entered
    double elected = 0;      // E: the section 179 amounts already elected on the year's assets
};

// The deduction that may be taken and what is left of it, in whole dollars.
struct Section179Result {
    // False when the threshold is 0 (no limits to apply): nothing is derived.
    bool computed = false;
    double adjusted = 0;  // min(L + C, B): the dollar limitation L plus the carryover, held to B
    double remaining = 0; // adjusted - E
    // More is elected than may be taken: remaining below 0 with something elected.
    bool overLimit = false;
};

// reduction R = P - T (at least 0); dollar limitation L = M - R (at least 0); business income
// limit B = L when I is 0 or above L, else I (at least 0); R, L and B are rounded to whole
// dollars, a half to the even neighbour. Throws ServerError (kErrOverflow) when one of them does
// not fit 32 bits.
Section179Result Check179Totals(const Section179Figures& f);

// The mid-quarter test of a year's depreciable basis: the share placed in service in the last
// quarter of the tax year (0 when the total is 0) and whether it is above 40 %, which makes the
// mid-quarter convention required.
struct MidQuarterTest {
    double share = 0; // a fraction: 0.4 is 40 %
    bool required = false;
};
MidQuarterTest MidQtrCheck(std::int32_t totalBasis, std::int32_t lastQuarterBasis);

} // namespace qel::assets
