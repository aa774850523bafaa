// The Excel export commands: the year or period prompt and its tests, the workbook path and its
// tests, and the export on its own thread.
#include "app/exchange/BackgroundJob.h"
#include "app/exchange/CommandParts.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/rules/ExportRules.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "common/NumberCheck.h"
#include "common/ServerError.h"
#include "server/data/FiscalPeriod.h"
#include "server/engine/MonthlyDepr.h"
#include "server/support/AssetCodes.h"

#include <QDir>
#include <QFileInfo>

#include <filesystem>
#include <system_error>

namespace qel::exchange {
namespace {

// Asks whether the existing workbook at the path may be replaced.
bool replaceExisting(const QString& path) {
    return ui().messageBox(QStringLiteral("The file [") + path +
                               QStringLiteral("] alway exist... Do you want to replace it?"),
                           MsgButtons::YesNo, MsgIcon::Exclamation,
                           QStringLiteral("Please change file path..."), MsgResult::No) == MsgResult::Yes;
}

// A new path beside `target` that nothing stands at, for a workbook that replaces it.
std::filesystem::path besideTarget(const std::filesystem::path& target) {
    for (int n = 1;; ++n) {
        std::filesystem::path candidate = target;
        candidate += ".new" + std::to_string(n) + ".xlsx";
        if (!std::filesystem::exists(candidate))
            return candidate;
    }
}

// Writes the export to `path`. A workbook that replaces another is written beside it and put
// in its place only once it is complete, so a failed export leaves the old workbook as it was.
bool writeExport(const ExportKind& kind, const std::string& value, std::int32_t company,
                 const std::string& path, bool replace) {
    DeprSupport support;
    if (!replace)
        return (support.*kind.write)(value, company, path);
    const std::filesystem::path fresh = besideTarget(path);
    const bool written = (support.*kind.write)(value, company, fresh.string());
    std::error_code error;
    std::filesystem::rename(fresh, path, error);
    if (error) {
        std::filesystem::remove(fresh, error);
        throw ServerError(kErrInvalidArgument, "DoExport",
                          "The workbook '" + path + "' cannot be replaced: " + error.message(),
                          ErrorKind::Io);
    }
    return written;
}

} // namespace

void DataExchange::GetExport(const QString& exportName, const std::optional<Variant>& periodFlag) {
    runWithErrorBox(QStringLiteral("Error in GetExport. "), [&] {
        DisplayMsg(QString());
        const std::int32_t company = programState().CurrentCompanyId();
        if (!periodFlag) {
            const QString answer = InputBoxOverMain(QStringLiteral("Enter Fiscal Year"), exportName,
                                                    QString::number(GetDefaultYear()));
            if (answer.isEmpty())
                return;
            if (!numberFits(answer.toStdString(), kYearRange)) {
                DisplayMsg(QString::fromStdString(numberRefusal("Year", answer.toStdString(), kYearRange)),
                           kRed);
                return;
            }
            DoExport(exportName, QString::fromStdString(exportNumberText(answer.toStdString())));
            return;
        }
        const QString proposed = QString::fromStdString(
            defaultPeriod(now().date.month(), GetDefaultYear(), GetFiscalEndMth(company)));
        const QString answer =
            InputBoxOverMain(QStringLiteral("Enter fiscal period - YYYYMM"), exportName, proposed);
        if (answer.isEmpty())
            return;
        const std::optional<Date> period = periodDate(answer.toStdString());
        if (!period) {
            DisplayMsg(QString::fromStdString(kInvalidPeriod), kRed);
            return;
        }
        MonthlyDepr monthly;
        if (!periodPosted(*period, monthly.GetNextFiscalPeriod(company),
                          monthly.GetFirstFiscalDate(company))) {
            DisplayMsg(QString::fromStdString(kNotCalculated), kRed);
            return;
        }
        DoExport(exportName, QString::fromStdString(exportNumberText(answer.toStdString())));
    });
}

void DataExchange::DoExport(const QString& exportName, const QString& yearOrPeriod) {
    runWithErrorBox(QStringLiteral("Error in DoExport. "), [&] {
        QString path = SetExportPath();
        const QString workbook = QString::fromLatin1(kWorkbookExtension);
        if (const QString ext = extensionOf(path); !ext.isEmpty() && ext != workbook) {
            extensionBox();
            path = SetExportPath();
            if (extensionOf(path) != workbook) {
                extensionBox();
                return;
            }
        }
        bool replace = false;
        if (!path.isEmpty() && QFileInfo::exists(path)) {
            replace = replaceExisting(path);
            if (!replace) {
                // Another path, tested again; a cancelled dialog ends at the blank test.
                path = SetExportPath();
                if (!path.isEmpty() && extensionOf(path) != workbook) {
                    extensionBox();
                    return;
                }
                if (!path.isEmpty() && QFileInfo::exists(path)) {
                    if (!replaceExisting(path))
                        return;
                    replace = true;
                }
            }
        }
        if (path.isEmpty()) {
            ui().messageBox(QStringLiteral("Export can not be blank."));
            return;
        }
        const ExportKind* kind = findExport(exportName.toStdString());
        if (!kind)
            return;
        const std::int32_t company = programState().CurrentCompanyId();
        bool written = false;
        runInBackground(QStringLiteral("Exporting ") + exportName, [&](JobProgress& progress) {
            progress.report(QStringLiteral("Writing the sheet ") + QString::fromLatin1(kind->sheet));
            written = writeExport(*kind, yearOrPeriod.toStdString(), company, path.toStdString(), replace);
        });
        if (written)
            DisplayMsg(QStringLiteral("Data Exported"));
    });
}

QString DataExchange::SetExportPath() {
    return ui().saveFileName({.title = QStringLiteral("Select Export Path"),
                              .folder = QDir::homePath(),
                              .fileName = QString(),
                              .filter = QStringLiteral("Excel Files (*.xlsx)"),
                              .defaultSuffix = QString::fromLatin1(kWorkbookExtension),
                              .confirmOverwrite = false});
}

} // namespace qel::exchange
