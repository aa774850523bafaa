// The "Asset Detail" page: the tax-book data of the asset on the asset form, one page laid out
// on a fixed grid of six columns (labels at X 400, 4300 and 7800, values at X 2000, 6100 and
// 10000), with the company name and the date above a titled heading block, and a disposal
// block when a disposal month is entered.
#pragma once

#include "app/printing/rules/PrintSurface.h"
#include "app/shell/AssetDetailPage.h"
#include "app/shell/FailureTrap.h"
#include "common/Date.h"

#include <string>

namespace qel::printing {

// The convention's abbreviation on the page: 1 "HY", 2 "MQ", 3 "MM", 4 " ", anything else "".
std::string conventionAbbreviation(std::int16_t convention);

// Prints the page for `companyName` dated `today` and ends the job. The page is portrait and
// everything on it stays within the printable area: a value is cut where the next label starts,
// the last value of a line wraps onto lines below it (as many as the page leaves), and the rules
// end at the page's right edge. A failing step shows
// "Error in PrintAssetDetail " with the description, a blank and the number, and the page
// goes on; a failure repeating the one before stops it (FailureTrap).
void printAssetDetail(PrintSurface& surface, const AssetDetailPage& asset, const std::string& companyName,
                      const Date& today, const MessageSink& messages);

} // namespace qel::printing
