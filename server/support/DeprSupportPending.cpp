// Placeholders of the DeprSupport members whose work is not in this library yet: the report
// queries, the Excel exports and the asset import. Each raises a "not available" error until its
// own file defines it; that definition then replaces the one here.
#include "server/support/DeprSupport.h"

#include "common/ServerError.h"

namespace qel {



bool DeprSupport::ExportDeprJVDetail(const std::string&, std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "ExportDeprJVDetail");
}

bool DeprSupport::ExportDeprJVSummary(const std::string&, std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "ExportDeprJVSummary");
}

bool DeprSupport::ExportPropertyTax(const std::string&, std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "ExportPropertyTax");
}

bool DeprSupport::ExportTaxWorksheet(const std::string&, std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "ExportTaxWorksheet");
}

bool DeprSupport::ExportAssetListing(const std::string&, std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "ExportAssetListing");
}


bool DeprSupport::ExportBookAssetLedger(const std::string&, std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "ExportBookAssetLedger");
}






























} // namespace qel
