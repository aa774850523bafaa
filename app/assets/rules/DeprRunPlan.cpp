// The depreciation runs of a save.
#include "app/assets/rules/DeprRunPlan.h"

#include "common/Convert.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/support/AssetCodes.h"

#include <limits>

namespace qel::assets {
namespace {

template <typename Int> Int wholeNumber(double value, std::string_view what) {
    const double n = roundHalfEven(value);
    if (!(n >= std::numeric_limits<Int>::min() && n <= std::numeric_limits<Int>::max()))
        throw ServerError(kErrOverflow, "Asset entry",
                          "Overflow: the " + std::string(what) + " " + formatNumber(value) + " is too large.",
                          ErrorKind::Conversion);
    return static_cast<Int>(n);
}

} // namespace

DeprRunPlan PlanDeprRun(const std::string& method, double businessFraction, double life) {
    const RunMethod run = MapMethodForRun(method, businessFraction, life);
    if (run.method == "MACRS" || run.method == "MACRS 150")
        return {RunKind::Macrs, run.method, run.life};
    if (run.method == "ADS" || run.method == "Amortize" || run.method == "Macrs31" ||
        run.method == "Macrs39" || run.method == "Macrs27" || run.method == "S/L")
        return {RunKind::Formula, run.method, run.life};
    return {RunKind::Clear, run.method, run.life};
}

DeprRunPlan PlanBookRun(const std::string& method, double businessFraction, double life, double costBasis,
                        double section179) {
    if (costBasis > 0)
        return PlanDeprRun(method, businessFraction, life);
    if (method == "Listed" && section179 > 0)
        return {RunKind::ZeroListed, method, life};
    return {RunKind::Clear, method, life};
}

std::int16_t runConvention(std::int16_t conventionId) {
    return conventionId == 0 ? static_cast<std::int16_t>(kNoConvention) : conventionId;
}

std::int32_t whole32(double value, std::string_view what) {
    return wholeNumber<std::int32_t>(value, what);
}

std::int16_t whole16(double value, std::string_view what) {
    return wholeNumber<std::int16_t>(value, what);
}

std::string ClearDeprSql(std::int32_t companyId, std::int32_t assetNum, std::int16_t bookId) {
    return "Delete from tblDepr where asset_num = " + sqlNumber(assetNum) +
           " and client_num = " + sqlNumber(companyId) + " and BookId = " + sqlNumber(bookId);
}

} // namespace qel::assets
