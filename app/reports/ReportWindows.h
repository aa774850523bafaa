// The report windows' services to the rest of the program: a report asked for by name, with its
// year or period prompt (GetReport), and the report window itself (DoReports).
#pragma once

#include "app/shell/ReportServices.h"

#include <QDate>

#include <functional>

namespace qel::reports {

class ReportWindows : public ReportServices {
public:
    // Clears the status line; asks for and checks the fiscal year (periodFlag 0) or the fiscal
    // period (any other flag) unless `year` is given; then opens the report window, or for the
    // names that are no reports runs their action ("Form 4562", "Default Year", the vehicle
    // forms). Checks that fail are told on the status line in red; failures in a box.
    void GetReport(const QString& reportName, const Variant& periodFlag, QString& year,
                   std::int16_t& bookNumber) override;
    // Opens a new report window (ReportWindow.h).
    void DoReports(const QString& reportName, std::int32_t value, const QString& description,
                   std::int16_t& bookNumber) override;

    // WindowArrangement.h.
    void TileHorizontal() override;
    void CloseAllReports() override;
    // UserDocuments.h.
    bool RetrieveFilesCopied() override;
    bool MovePdfFiles() override;
    // Shows frmTaxReports, or brings it forward when it is open.
    void showTaxReports() override;
    // Runs frmLocation; after its OK shows the asset listing of the chosen location through the
    // printing services, or says that the listing is not available when there are none.
    void showLocation() override;
};

// Today's date as the period prompt takes it; tests put a fixed day here.
std::function<QDate()>& reportToday();

} // namespace qel::reports
