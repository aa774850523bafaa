// GetReport: the one way in for the report menus, the tax report choice and the few commands
// that take a year the same way (Form 4562, the default year, the vehicle forms). What each
// report asks and does is its row of the catalogue.
#include "app/reports/ReportWindows.h"
#include "app/reports/rules/ReportCatalogue.h"
#include "app/reports/rules/ReportPrompts.h"

#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "common/SqlLiteral.h"
#include "server/data/Db.h"
#include "server/engine/MonthlyDepr.h"
#include "server/support/AssetCodes.h"

#include <stdexcept>

namespace qel::reports {
namespace {

// The current company's fiscal year-end month; 12 when it has none.
int yearEndMonth() {
    const Variant v = db().ReturnValue("SELECT [Year End Month] FROM tblCompany WHERE id = " +
                                       sqlNumber(programState().CurrentCompanyId()));
    const std::int32_t month = v.isNull() ? 12 : v.toInt32();
    return month >= 1 && month <= 12 ? month : 12;
}

void showFailure(const ErrorDisplay& shown) {
    ui().messageBox(QString::fromStdString(shown.text), MsgButtons::Ok,
                    shown.critical ? MsgIcon::Critical : MsgIcon::None, QString::fromStdString(shown.title));
}

// Shows a refused answer on the status line in red; true when the answer is a value to go on with.
bool accepted(const Answer& checked) {
    if (checked.result == Answer::Result::Refused)
        DisplayMsg(QString::fromStdString(checked.message), kRed);
    return checked.result == Answer::Result::Ok;
}

} // namespace

std::function<QDate()>& reportToday() {
    static std::function<QDate()> today = [] { return QDate::currentDate(); };
    return today;
}

void ReportWindows::addHandler(const std::string& reportName, ReportHandler handler) {
    handlers_[reportName] = std::move(handler);
}

bool ReportWindows::hasHandler(std::string_view reportName) const {
    return handlers_.find(reportName) != handlers_.end();
}

void ReportWindows::GetReport(const QString& reportName, const QString& year, std::int16_t book) {
    const std::string name = reportName.toStdString();
    const ReportDef* report = findReport(name);
    if (!report || report->entry == ReportEntry::AssetForm)
        return;
    if (report->needsDocumentsFolder && !RetrieveFilesCopied())
        MovePdfFiles();
    if (report->prompt == ReportPrompt::None) {
        DoReports(reportName, 0, QString(), book);
        return;
    }

    DisplayMsg(QString(), QString());
    const std::int32_t company = programState().CurrentCompanyId();
    runOrReport(
        [&] {
            if (report->prompt == ReportPrompt::Year) {
                QString answer = year;
                if (answer.isEmpty() && report->givenYear)
                    answer = QString::fromLatin1(report->givenYear);
                if (answer.isEmpty())
                    answer = InputBoxOverMain(QStringLiteral("Enter Fiscal Year"), reportName,
                                              QString::number(programState().WorkingYear()));
                const Answer checked = checkYear(answer.toStdString());
                if (!accepted(checked))
                    return;
                if (report->query) {
                    DoReports(reportName, checked.value, QString(), book);
                    return;
                }
                const auto handler = handlers_.find(name);
                if (handler == handlers_.end())
                    throw std::logic_error(name + " has no handler registered");
                handler->second(answer, static_cast<std::int16_t>(checked.value));
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
                checked = checkPosted(checked.value, name, posted);
            }
            if (accepted(checked))
                DoReports(reportName, checked.value, QString(), book);
        },
        [](const ErrorInfo& error) {
            showFailure(getReportError(error.number, error.description.toStdString()));
        });
}

} // namespace qel::reports
