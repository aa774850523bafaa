// The report windows' services to the rest of the program: a report asked for by name, with its
// year or period prompt (GetReport), and the report window itself (DoReports).
#pragma once

#include "app/shell/ReportServices.h"

#include <QDate>

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>

namespace qel::reports {

// What a report without a window does with the year typed: `answer` as typed, `year` its value.
using ReportHandler = std::function<void(const QString& answer, std::int16_t year)>;

class ReportWindows : public ReportServices {
public:
    // Clears the status line (but for a report that asks nothing); asks for and checks the
    // fiscal year or period as the report's row says, unless `year` is given; then opens the
    // report window, or runs the handler registered under the report's name. Checks that fail
    // are told on the status line in red; failures in a box. A name without a row, or of a report
    // the asset form opens, does nothing.
    void GetReport(const QString& reportName, const QString& year, std::int16_t book) override;
    // Opens a new report window (FrmDocument.h).
    void DoReports(const QString& reportName, std::int32_t value, const QString& description,
                   std::int16_t& bookNumber) override;
    void showSchedule(Schedule schedule, std::int32_t assetNumber, const QString& description,
                      std::int16_t book) override;

    // Registers what the report of that name does with its year; registerReports registers the
    // handlers of the catalogue's reports that open no window.
    void addHandler(const std::string& reportName, ReportHandler handler);
    bool hasHandler(std::string_view reportName) const;

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

private:
    std::map<std::string, ReportHandler, std::less<>> handlers_;
};

// Registers the handlers of the catalogue's reports that open no window: Form 4562, the default
// year and the vehicle forms (ReportHandlers.cpp).
void registerReportHandlers(ReportWindows& windows);

// Today's date as the period prompt takes it; tests put a fixed day here.
std::function<QDate()>& reportToday();

} // namespace qel::reports
