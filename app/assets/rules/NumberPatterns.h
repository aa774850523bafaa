// The number patterns of asset entry's status line and summary windows, named by the pattern
// text they stand for. Numbers are first brought to 15 significant digits (so 2.675 reads as
// typed) and then rounded to the pattern's places, a half away from zero; the separators are
// always "," and ".", whatever the user's locale.
#pragma once

#include <string>

namespace qel::assets {

// "###,###,###,###": whole, grouped in threes, nothing for 0 ("1,234,568", "-12", "").
std::string groupedOrBlank(double value);

// "$###,##0": whole dollars, grouped, the sign before the dollar sign ("$1,234", "$0",
// "-$100,000").
std::string dollars(double value);

// "#0.0 %": a fraction as a percentage with one decimal ("45.2 %", "0.0 %", "100.0 %").
std::string percentOneDecimal(double fraction);

} // namespace qel::assets
