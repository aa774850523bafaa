// What the main window's File and Book menus need of data exchange: the exports, the asset import
// and the import log choice (the log is shown by printing's rich-text window, PrintingServices.h).
#pragma once

#include "common/Variant.h"

#include <QString>

#include <optional>

namespace qel {

class DataExchangeServices {
public:
    virtual ~DataExchangeServices() = default;
    // Asks the year (no flag) or the period (flag present and true), then the file, and writes
    // the workbook. Reports its own failures.
    virtual void GetExport(const QString& exportName,
                           const std::optional<Variant>& periodFlag = std::nullopt) = 0;
    // The asset import command: file dialog, sheet check with import log, the import, the
    // update of the imported rows and their processing, the result on the status line. Reports
    // its own errors; one that escapes it reaches the menu's "Error in Import Assets. " box.
    virtual void DoImports() = 0;
    // The import log file chosen in an open-file dialog; empty when the user cancels.
    virtual QString GetLogPath() = 0;
};

} // namespace qel
