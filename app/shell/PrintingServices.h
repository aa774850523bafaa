// What the windows need of printing: a report window prints its list, and the asset listing's
// location choice shows the listing. A window whose printing is not registered leaves its Print
// button disabled.
#pragma once

#include <QString>

#include <cstdint>

namespace qel {

class ReportList;

class PrintingServices {
public:
    virtual ~PrintingServices() = default;
    // Prints the list's column titles and rows with a heading on each page that carries the
    // title (the report window's caption). Reports its own failures.
    virtual void PrintListView(const ReportList& list, const QString& title) = 0;
    // Shows the current company's asset listing of one location (-13: every location) in
    // frmRichText, or " No data found. " on the status line when it has no asset.
    virtual void ShowAssetLedger(std::int32_t locationId) = 0;
};

} // namespace qel
