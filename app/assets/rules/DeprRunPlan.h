// Which depreciation run a save asks of the engine for one book of an asset, and the checked
// whole numbers the engine and the stored rows take.
#pragma once

#include "common/Date.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace qel::assets {

// What replaces the book's yearly rows (tblDepr) of the asset.
enum class RunKind {
    Macrs,      // CalcDepr::DoMacrsDepr: "MACRS" and "MACRS 150", rates from the tables
    Formula,    // CalcDepr::DoDepr: "ADS", "Amortize", "S/L", "Macrs27", "Macrs31", "Macrs39"
    ZeroListed, // CalcDepr::DoZeroListed: listed property whose basis went to section 179
    Clear,      // nothing is computed: the book's old rows are deleted, so none stays stale
};

struct DeprRunPlan {
    RunKind kind = RunKind::Clear;
    std::string method; // the method the engine runs ("Macrs27" for "MACRS" 27.5)
    double life = 0;    // years the engine runs over (28 for "MACRS" 27.5)
};

// The run of a method as stored, its business fraction (1 = all business use) and its life in
// years, mapped as the engine needs it (MapMethodForRun: "Listed" at a fraction of at least 0.51
// runs as "MACRS", below as "ADS"; "MACRS" 27.5, 31.5, 39 and above 39 run by formula). A method
// the engine does not compute ("Non-Depr", an unknown or empty text) clears the book.
DeprRunPlan PlanDeprRun(const std::string& method, double businessFraction, double life);

// The run of an alternative book: as PlanDeprRun when its cost basis is above 0; at a basis of 0
// or below, listed property with a section 179 amount gets its one zero row, anything else clears
// the book.
DeprRunPlan PlanBookRun(const std::string& method, double businessFraction, double life, double costBasis,
                        double section179);

// The convention a run takes: the chosen one, and "None" (4) when none is chosen (0), so that a
// method the convention does not concern runs without one.
std::int16_t runConvention(std::int16_t conventionId);

// A number of dollars or years rounded to a whole number, half to even. Throws ServerError (number
// kErrOverflow, kind Conversion) naming `what` when the result does not fit 32 (16) bits.
std::int32_t whole32(double value, std::string_view what);
std::int16_t whole16(double value, std::string_view what);

// The statement that deletes the asset's yearly rows of one book.
std::string ClearDeprSql(std::int32_t companyId, std::int32_t assetNum, std::int16_t bookId);

} // namespace qel::assets
