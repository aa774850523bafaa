// The rules of the Excel export commands: the catalogue of the six exports, the tests of the
// year or fiscal period a user types, and the tests of the workbook path.
#pragma once

#include "common/Date.h"
#include "server/support/DeprSupport.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace qel::exchange {

// One export: the name its menu item passes (compared exactly, capitals counting), the sheet it
// writes and the data server operation that writes it.
struct ExportKind {
    const char* name;
    const char* sheet;
    bool (DeprSupport::*write)(const std::string& strPeriod, std::int32_t company, const std::string& path);
};

// "Tax Worksheet", "Depr Journal Detail", "Depr Journal Summary", "Propery Tax Data" (so spelled),
// "Asset Listing" and "Book Asset Ledger".
std::span<const ExportKind> exportCatalogue();
// The export of that name; nullptr for a name outside the catalogue.
const ExportKind* findExport(std::string_view name);

// Status line texts of a refused period (shown in red).
inline const std::string kInvalidPeriod =
    " Invalid Period. Please renter period in the following format. YYYYMM ";
inline const std::string kNotCalculated = " Depreciation has not been calculated for this period. ";

// The year or period as an export takes it: the answer's leading number (blanks skipped, an
// optional sign, digits with one decimal point) in its shortest decimal text; "201203" gives
// "201203", "abc" gives "0".
std::string exportNumberText(std::string_view answer);

// A typed period is read by periodDate (server/data/FiscalPeriod.h): six digits, a month 01 to
// 12 and a year after 1900.

// True when book depreciation has been posted for the period that starts on `period`: it lies
// before the company's next period to post ("YYYYMM"; an empty text means nothing can be
// exported) and not before its first posted period (`firstFiscalDate`, "YYYY-MM-DD"; an empty
// text sets no lower bound).
bool periodPosted(const Date& period, const std::string& nextPeriod, const std::string& firstFiscalDate);

// The extension of a path's last component without the dot ("xlsx"); empty when it has none.
std::string GetFileExtension(std::string_view path);

// The extension of every workbook the program writes.
inline constexpr const char* kWorkbookExtension = "xlsx";

} // namespace qel::exchange
