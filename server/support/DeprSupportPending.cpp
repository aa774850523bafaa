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





Recordset DeprSupport::GetGLaccounts(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetGLaccounts");
}

Recordset DeprSupport::GetFinanicalDisposedAssets(std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "GetFinanicalDisposedAssets");
}

Recordset DeprSupport::GetBooks50YearAssets(std::int32_t, std::int16_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetBooks50YearAssets");
}

Recordset DeprSupport::GetBooksNewAssets(std::int32_t, std::int16_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetBooksNewAssets");
}

Recordset DeprSupport::GetBooksDisposedAssets(std::int32_t, std::int16_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetBooksDisposedAssets");
}

Recordset DeprSupport::GetNewBooksAssetWrkSheet(std::int32_t, std::int16_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetNewBooksAssetWrkSheet");
}

Recordset DeprSupport::GetAMTdifferences(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetAMTdifferences");
}

Recordset DeprSupport::GetDeprSchedule(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetDeprSchedule");
}

Recordset DeprSupport::GetBookDeprSchedule() {
    throw ServerError::notAvailable("DeprSupport", "GetBookDeprSchedule");
}

Recordset DeprSupport::GetAssetWrkSheet(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetAssetWrkSheet");
}

Recordset DeprSupport::GetBooksAssetWrkSheet(std::int32_t, std::int16_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetBooksAssetWrkSheet");
}

Recordset DeprSupport::GetAssetLedger(std::int32_t, std::int32_t) {
    throw ServerError::notAvailable("DeprSupport", "GetAssetLedger");
}

Recordset DeprSupport::GetNewAssetWrkSheet(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetNewAssetWrkSheet");
}

Recordset DeprSupport::GetCurrentWrkSheet(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetCurrentWrkSheet");
}

Recordset DeprSupport::DeprJvSummary(std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "DeprJvSummary");
}

Recordset DeprSupport::DeprJvDetail(std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "DeprJvDetail");
}

Recordset DeprSupport::GetBooks179WrkSheet(std::int32_t, std::int16_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetBooks179WrkSheet");
}

Recordset DeprSupport::Get179WrkSheet(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "Get179WrkSheet");
}

Recordset DeprSupport::GetDetailDepr(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetDetailDepr");
}

Recordset DeprSupport::GetNewAssets(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetNewAssets");
}

Recordset DeprSupport::GetDisposedAssets(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetDisposedAssets");
}

Recordset DeprSupport::GetPropertTax(std::int32_t, std::int16_t) {
    throw ServerError::notAvailable("DeprSupport", "GetPropertTax");
}

Recordset DeprSupport::GetPropertTaxData(std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "GetPropertTaxData");
}

Recordset DeprSupport::GetBookAssetLedger(std::int32_t, const std::string&) {
    throw ServerError::notAvailable("DeprSupport", "GetBookAssetLedger");
}

Recordset DeprSupport::GetTagNumToAssetID(std::int32_t) {
    throw ServerError::notAvailable("DeprSupport", "GetTagNumToAssetID");
}

} // namespace qel
