// The data exchange subsystem: the six Excel export commands, the asset import with its sheet
// check and log, and the choice of an import log (DataExchangeServices).
#pragma once

#include "app/exchange/rules/ImportLog.h"
#include "app/shell/DataExchangeServices.h"

#include <functional>

namespace qel {
class SubsystemParts;
}

namespace qel::exchange {

class DataExchange : public DataExchangeServices {
public:
    DataExchange();

    void GetExport(const QString& exportName,
                   const std::optional<Variant>& periodFlag = std::nullopt) override;
    void DoImports() override;
    QString GetLogPath() override;

    // Asks for the new workbook's path, tests it and writes the export of that name for the
    // year or period; "Data Exported" on the status line when it is written.
    void DoExport(const QString& exportName, const QString& yearOrPeriod);
    // The path chosen in the save dialog "Select Export Path"; empty on Cancel.
    QString SetExportPath();
    // The path chosen in the open dialog "Select Import Path"; empty on Cancel.
    QString SetImportPath();

    // The moment of the local clock: the import log's name and date line, today's month of the
    // period prompt. The system clock unless a test sets another.
    std::function<Moment()> now;

private:
    // The import of a checked workbook with the completion and processing of its rows, in one
    // transaction; true when all of it was stored.
    bool importWorkbook(const QString& path);
};

} // namespace qel::exchange

namespace qel {

// Makes the data exchange services and registers them with the menu items that reach them.
void registerExchange(SubsystemParts& parts);

} // namespace qel
