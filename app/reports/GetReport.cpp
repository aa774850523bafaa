// GetReport: the one way in for the report menus, the tax report choice and the few commands
// that take a year the same way (Form 4562, the default year, the vehicle forms).
#include "app/reports/ReportWindows.h"
#include "app/reports/rules/Form4562Questions.h"
#include "app/reports/rules/ReportPrompts.h"

#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/VehicleServices.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/data/Db.h"
#include "server/engine/MonthlyDepr.h"
#include "server/support/AssetCodes.h"

#include <QStringList>

#include <stdexcept>

namespace qel::reports {
namespace {

// Reports that take the year alone, and the per-book reports that take the chosen book too.
const QStringList kYearReports = {"Depreciation WorkSheet", "New Assets WorkSheet", "Current Year WorkSheet",
                                  "179 WorkSheet",          "New Assets",           "Disposed Assets",
                                  "50 Year Assets",         "AMT Differences",      "Auto Use",
                                  "Chart of Accounts",      "Property Tax"};
const QStringList kBookReports = {
    "Books Depreciation WorkSheet", "Books 179 WorkSheet", "Books New Assets WorkSheet",
    "Books Disposed Assets",        "Books New Assets",    "Books 50 Year Assets"};

const QString kVehiclesNotAvailable =
    QStringLiteral("The vehicle windows are not available in this version of the program.");

// The flag 0 (or False) asks for a year; any other value for a period.
bool asksForYear(const Variant& periodFlag) {
    try {
        return !periodFlag.isNull() && periodFlag.toDouble() == 0;
    } catch (const ServerError&) {
        return false;
    }
}

// The current company's fiscal year-end month; 12 when it has none.
int yearEndMonth() {
    const Variant v = db().ReturnValue("SELECT [Year End Month] FROM tblCompany WHERE id = " +
                                       sqlNumber(programState().CurrentCompanyId()));
    const std::int32_t month = v.isNull() ? 12 : v.toInt32();
    return month >= 1 && month <= 12 ? month : 12;
}

bool askYes(const std::string& question) {
    return ui().messageBox(QString::fromStdString(question), MsgButtons::YesNo) == MsgResult::Yes;
}

void showFailure(const ErrorDisplay& shown) {
    ui().messageBox(QString::fromStdString(shown.text), MsgButtons::Ok,
                    shown.critical ? MsgIcon::Critical : MsgIcon::None, QString::fromStdString(shown.title));
}

} // namespace

std::function<QDate()>& reportToday() {
    static std::function<QDate()> today = [] { return QDate::currentDate(); };
    return today;
}

void ReportWindows::GetReport(const QString& reportName, const Variant& periodFlag, QString& year,
                              std::int16_t& bookNumber) {
    DisplayMsg(QString(), QString());
    const std::int32_t company = programState().CurrentCompanyId();
    runOrReport(
        [&] {
            if (asksForYear(periodFlag)) {
                const QString answer = year.isEmpty()
                                           ? InputBoxOverMain(QStringLiteral("Enter Fiscal Year"), reportName,
                                                              QString::number(programState().WorkingYear()))
                                           : year;
                const Answer checked = checkYear(answer.toStdString());
                if (checked.result == Answer::Result::Refused)
                    DisplayMsg(QString::fromStdString(checked.message), kRed);
                if (checked.result != Answer::Result::Ok)
                    return;
                std::int16_t noBook = 0;
                if (kYearReports.contains(reportName)) {
                    DoReports(reportName, checked.value, QString(), noBook);
                } else if (kBookReports.contains(reportName)) {
                    DoReports(reportName, checked.value, QString(), bookNumber);
                } else if (reportName == QLatin1String("Form 4562")) {
                    Form4562Steps* steps = form4562Steps();
                    if (!steps)
                        throw std::logic_error("Form 4562 has no steps registered");
                    runForm4562(*steps, answer.toStdString(), static_cast<std::int16_t>(checked.value),
                                company, askYes);
                } else if (reportName == QLatin1String("Auto Use Form") ||
                           reportName == QLatin1String("Auto Question Form")) {
                    const auto vehicleYear = static_cast<std::int16_t>(checked.value);
                    if (VehicleServices* vehicles = subsystems().vehicles; !vehicles)
                        ui().messageBox(kVehiclesNotAvailable);
                    else if (reportName == QLatin1String("Auto Use Form"))
                        vehicles->DoAutoUseForm(vehicleYear, 0);
                    else
                        vehicles->DoAutoQstForm(vehicleYear);
                } else if (reportName == QLatin1String("Default Year")) {
                    SetDefaultYear(Variant(checked.value));
                }
                return;
            }

            const QDate today = reportToday()();
            const QString offered = QString::fromStdString(
                defaultPeriod(today.month(), programState().WorkingYear(), yearEndMonth()));
            const QString answer =
                InputBoxOverMain(QStringLiteral("Enter fiscal period - YYYYMM"), reportName, offered);
            Answer checked = checkPeriod(answer.toStdString());
            if (checked.result == Answer::Result::Ok) {
                MonthlyDepr monthly;
                const PostedPeriods posted{monthly.GetNextFiscalPeriod(company),
                                           monthly.GetFirstFiscalDate(company)};
                checked = checkPosted(checked.value, reportName.toStdString(), posted);
            }
            if (checked.result == Answer::Result::Refused)
                DisplayMsg(QString::fromStdString(checked.message), kRed);
            if (checked.result != Answer::Result::Ok)
                return;
            std::int16_t noBook = 0;
            DoReports(reportName, checked.value, QString(), noBook);
        },
        [](const ErrorInfo& error) {
            showFailure(getReportError(error.number, error.description.toStdString()));
        });
}

} // namespace qel::reports
