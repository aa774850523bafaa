// ValidateImportData: the sheet check of an import workbook written to its import log.
#pragma once

#include "app/exchange/rules/ImportLog.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace qel::exchange {

struct ImportValidation {
    // At least one row was read and every row passed; the log is then deleted.
    bool passed = false;
    // The log's path (deleted when the check passed).
    std::string logPath;
    // Set when the log could not be created: the cause, which the command shows in an OK box;
    // no workbook was opened.
    std::optional<std::string> logFailure;
};

// Reports the number of asset rows read so far.
using RowProgress = std::function<void(int rowsRead)>;

// Creates the log in `logFolder`, checks every asset row of the workbook at `workbookPath` for
// the company and writes a line per failed test, or "No data found." when there was no row.
// Throws ServerError when the workbook cannot be opened or read; the log then keeps its date
// line (and whatever it had written) and stays.
ImportValidation ValidateImportData(std::int32_t companyId, const std::string& workbookPath,
                                    const std::string& logFolder, const Moment& now,
                                    const RowProgress& progress = {});

} // namespace qel::exchange
