// What the windows need of printing: a report window prints its list. A window whose printing is
// not registered leaves its Print button disabled.
#pragma once

#include <QString>

namespace qel {

class ReportList;

class PrintingServices {
public:
    virtual ~PrintingServices() = default;
    // Prints the list's column titles and rows with a heading on each page that carries the
    // title (the report window's caption). Reports its own failures.
    virtual void PrintListView(const ReportList& list, const QString& title) = 0;
};

} // namespace qel
