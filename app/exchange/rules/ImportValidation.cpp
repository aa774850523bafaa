#include "app/exchange/rules/ImportValidation.h"

#include "app/exchange/rules/ImportSheetCheck.h"
#include "common/ServerError.h"
#include "common/Workbook.h"
#include "server/support/ImportSheet.h"

namespace qel::exchange {

ImportValidation ValidateImportData(std::int32_t companyId, const std::string& workbookPath,
                                    const std::string& logFolder, const Moment& now,
                                    const RowProgress& progress) {
    ImportValidation result;
    std::optional<ImportLog> log;
    try {
        log.emplace(logFolder, now);
    } catch (const ServerError& e) {
        result.logFailure = e.description();
        return result;
    }
    result.logPath = log->path();

    Workbook book(workbookPath);
    int rows = 0;
    bool failed = false;
    while (import::nextAssetRow(book)) {
        ++rows;
        for (const std::string& line : checkImportRow(book, companyId)) {
            log->writeLine(line);
            failed = true;
        }
        if (progress)
            progress(rows);
    }
    if (rows == 0)
        log->writeLine(kNoDataFound);
    result.passed = rows > 0 && !failed;
    if (result.passed)
        log->remove();
    else
        log->close();
    return result;
}

} // namespace qel::exchange
