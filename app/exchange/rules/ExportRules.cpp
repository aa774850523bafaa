#include "app/exchange/rules/ExportRules.h"

#include "common/Convert.h"
#include "server/data/FiscalPeriod.h"
#include "server/support/AssetCodes.h"

#include <algorithm>

namespace qel::exchange {
namespace {

const ExportKind kCatalogue[] = {
    {"Tax Worksheet", "TaxDepr", &DeprSupport::ExportTaxWorksheet},
    {"Depr Journal Detail", "BookDetailDeprJV", &DeprSupport::ExportDeprJVDetail},
    {"Depr Journal Summary", "BookSummaryDeprJV", &DeprSupport::ExportDeprJVSummary},
    {"Propery Tax Data", "PropertyTax", &DeprSupport::ExportPropertyTax},
    {"Asset Listing", "AssetListing", &DeprSupport::ExportAssetListing},
    {"Book Asset Ledger", "AssetLedger", &DeprSupport::ExportBookAssetLedger},
};

// Month boundaries from a to b (negative when b is earlier).
int monthsBetween(const Date& a, const Date& b) {
    return (b.year() - a.year()) * 12 + b.month() - a.month();
}

} // namespace

std::span<const ExportKind> exportCatalogue() {
    return kCatalogue;
}

const ExportKind* findExport(std::string_view name) {
    const auto it = std::ranges::find_if(kCatalogue, [&](const ExportKind& k) { return name == k.name; });
    return it == std::end(kCatalogue) ? nullptr : &*it;
}

std::string exportNumberText(std::string_view answer) {
    return formatNumber(leadingNumber(answer));
}

bool periodPosted(const Date& period, const std::string& nextPeriod, const std::string& firstFiscalDate) {
    const std::optional<Date> next = nextPeriod.empty() ? Date::noDate() : periodDate(nextPeriod);
    if (!next || monthsBetween(period, *next) < 1)
        return false;
    const std::optional<Date> first = Date::fromIso(firstFiscalDate);
    return !first || monthsBetween(*first, period) >= 0;
}

std::string GetFileExtension(std::string_view path) {
    const auto slash = path.find_last_of('/');
    const std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    const auto dot = name.find_last_of('.');
    return dot == std::string_view::npos ? std::string() : std::string(name.substr(dot + 1));
}

} // namespace qel::exchange
