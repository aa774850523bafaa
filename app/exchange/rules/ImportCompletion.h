// The completion of imported assets: each row the data server's import appended (still marked
// for depreciation) gets its fiscal start, sale and end dates, its method caption (ShowMethod)
// and, when it is a vehicle, the company's next vehicle number, before the data server computes
// its depreciation. Fiscal months follow the company's year-end month (server/support/AssetCodes.h).
#pragma once

#include "common/Date.h"

#include <cstdint>
#include <functional>
#include <string>

namespace qel::exchange {

// The fiscal dates of an asset: the first day of its fiscal in-service month, of its fiscal sale
// month (the "no date" value when it was not sold) and the end of its book life (BookLifeEnd of
// server/support/AssetCodes.h, as the asset form's save stores it; the "no date" value without a
// book life).
struct FiscalDates {
    Date start;
    Date sold;
    Date end;
};

// Completes every marked row of the company (DeprSupport.GetImportedAssetsToUpdate) with one
// prepared update per row, on the shared connection; `progress` hears each row done of all.
// A vehicle still unnumbered (-1) gets the next number after the company's highest, so
// consecutive vehicles get consecutive numbers; a vehicle numbered by an earlier run keeps its
// number. Throws ServerError when a row cannot be read or stored; rows already completed stay
// completed unless the caller's transaction rolls them back. Returns the rows completed.
int UpadteImportedAssetsFields(std::int32_t companyId,
                               const std::function<void(int done, int total)>& progress = {});

} // namespace qel::exchange
