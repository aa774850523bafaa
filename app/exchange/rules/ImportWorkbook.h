// The import of a workbook that passed the sheet check: the data server appends its rows, the
// program completes them (ImportCompletion.h) and the data server computes their depreciation,
// all in one transaction, so that a failure at any step leaves no imported asset behind, half
// done or marked for a later run.
#pragma once

#include "common/ServerError.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qel::exchange {

// The step of the import a failure stopped, which the command reports its own way.
struct ImportFailure {
    enum class Step { Import, Completion } step;
    ServerError error;
};

// Reports the step being done and how far it is (maximum 0: no measure).
using StepProgress = std::function<void(const std::string& step, int value, int maximum)>;

// Imports the workbook into the company on the shared connection. Returns the failure of the
// import or of the completion (nothing is stored then); throws the processing's failure (nothing
// is stored either); returns nothing when every row was stored and computed.
std::optional<ImportFailure> importCheckedWorkbook(std::int32_t companyId, const std::string& path,
                                                   const StepProgress& progress = {});

} // namespace qel::exchange
