// CalcDepr's vehicle operations: loading the thread's caps, a year's business fraction, and the
// two continuations after the table years.
#include "server/engine/CalcDepr.h"

#include "common/Convert.h"
#include "server/engine/DeprRun.h"
#include "server/engine/DeprStore.h"

#include <array>
#include <cmath>

namespace qel {
namespace {

const char* const kClass = "CalcDepr";

const std::string kMaxAuto =
    "Select [Yr 1 + 30%],[Yr 1 + 50%], [Max Year 1], [Max Year 2],[Max Year 3],[Max Year 4]"
    " from tblmaxAuto where year = ? and type = ?";

std::int32_t wholeDollars(double amount) {
    const double whole = roundHalfEven(amount);
    if (!(std::fabs(whole) < 2147483648.0))
        throw ServerError(kErrOverflow, kClass,
                          "Overflow: the vehicle limit " + formatNumber(amount) + " is too large.",
                          ErrorKind::Conversion);
    return static_cast<std::int32_t>(whole);
}

} // namespace

std::int32_t CalcDepr::GetAutoMaxRates(const std::string& strAuto, std::int16_t intYear,
                                       std::int16_t intBonus) {
    return passOn(kClass, "GetAutoMaxRates", [&] {
        const std::string type(depr::maxAutoType(strAuto));
        Statement& query = requireConnection().cached(kMaxAuto);
        query.bind(1, intYear).bind(2, type);
        if (!query.step()) {
            query.reset();
            return std::int32_t{0};
        }
        std::array<double, 6> field{};
        for (int i = 0; i < 6; ++i) {
            const Variant value = query.column(i);
            if (value.isNull()) {
                query.reset();
                throw ServerError(kErrInvalidUseOfNull, kClass,
                                  "Invalid use of Null: the vehicle limits of " + std::to_string(intYear) +
                                      " for '" + type + "' have an empty amount.",
                                  ErrorKind::Conversion);
            }
            field[static_cast<std::size_t>(i)] = value.toDouble();
        }
        query.reset();

        depr::AutoCaps caps;
        caps.year = intYear;
        caps.type = type;
        caps.amount[1] = field[2];
        caps.amount[2] = field[3];
        caps.amount[3] = field[4];
        caps.amount[4] = field[5];
        caps.amount[5] = field[0];
        caps.amount[6] = field[1];
        caps.bonusCode = intBonus;
        threadAutoCaps() = caps;

        if (intBonus == 3)
            return caps.amount[5] == 0 ? std::int32_t{-3} : wholeDollars(caps.amount[5]);
        if (intBonus == 5)
            return caps.amount[6] == 0 ? std::int32_t{-5} : wholeDollars(caps.amount[6]);
        return wholeDollars(caps.amount[1]);
    });
}

double CalcDepr::GetBusinessPercent(std::int16_t intYear, std::int32_t lngCompanyId,
                                    std::int32_t lngAssetId) {
    return passOn(kClass, "GetBusinessPercent", [&] {
        return DeprStore(requireConnection()).businessPercent(intYear, lngCompanyId, lngAssetId);
    });
}

void CalcDepr::FinishAutoDepr(double dblNetCost, double dblAccumDepr, double dbldepr,
                              std::int16_t intInServiceYear, std::int32_t lngCompanyId,
                              std::int32_t lngAssetId) {
    passOn(kClass, "FinishAutoDepr", [&] {
        const auto rows = depr::olderAutoContinuation(dblNetCost, dblAccumDepr, dbldepr, intInServiceYear);
        Connection& conn = requireConnection();
        writeRun(conn, [&] { DeprStore(conn).insertRowsWithoutBook(lngCompanyId, lngAssetId, rows); });
    });
}

void CalcDepr::FinishAutoDepr_P(double /*dblNetCost*/, double dblAccumDepr, double dbldepr,
                                std::int16_t intInServiceYear, std::int32_t lngCompanyId,
                                std::int32_t lngAssetId, std::int64_t /*lng179*/, double dblBusPercent,
                                std::int16_t intSoldYear, double dblUnRecoveredBalance, std::int16_t bookId) {
    passOn(kClass, "FinishAutoDepr_P", [&] {
        checkBook(bookId);
        Connection& conn = requireConnection();
        DeprStore store(conn);
        std::vector<depr::Row> rows;
        depr::autoContinuation(
            dbldepr, intInServiceYear, dblAccumDepr, dblBusPercent, intSoldYear, dblUnRecoveredBalance,
            [&](int year) { return store.businessPercent(year, lngCompanyId, lngAssetId); }, rows);
        writeRun(conn, [&] { store.insertRows(lngCompanyId, bookId, lngAssetId, rows); });
    });
}

} // namespace qel
