// The asset import command and the choice of an import log: the workbook's path and its tests,
// the sheet check with its log, and the import, completion and processing of the rows in one
// transaction on their own thread.
#include "app/exchange/BackgroundJob.h"
#include "app/exchange/CommandParts.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/rules/ExportRules.h"
#include "app/exchange/rules/ImportValidation.h"
#include "app/exchange/rules/ImportWorkbook.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "common/DocumentsFolder.h"
#include "common/ServerError.h"

#include <optional>

namespace qel::exchange {
namespace {

// The extensions of the workbooks the import reads.
bool importExtension(const QString& extension) {
    return extension == QLatin1String("xlsx") || extension == QLatin1String("xls");
}

QString documentsFolder() {
    return QString::fromStdString(userDocumentsFolder());
}

} // namespace

void DataExchange::DoImports() {
    runWithErrorBox(QStringLiteral("Error in DoImports. "), [&] {
        QString path = SetImportPath();
        if (const QString ext = extensionOf(path); !ext.isEmpty() && !importExtension(ext)) {
            extensionBox();
            path = SetImportPath();
            if (!importExtension(extensionOf(path))) {
                extensionBox();
                return;
            }
        }
        if (path.isEmpty()) {
            ui().messageBox(QStringLiteral("Import path can not be blank."));
            return;
        }
        const std::int32_t company = programState().CurrentCompanyId();
        const Moment when = now();
        ImportValidation check;
        runInBackground(QStringLiteral("Checking the import workbook"), [&](JobProgress& progress) {
            check = ValidateImportData(
                company, path.toStdString(), documentsFolder().toStdString(), when,
                [&](int rows) { progress.report(QStringLiteral("Checking row %1").arg(rows + 1)); });
        });
        if (check.logFailure) {
            ui().messageBox(QString::fromStdString(*check.logFailure));
            return;
        }
        if (!check.passed) {
            DisplayMsg(QStringLiteral("Invalid Import data. See Import Log."), kRed);
            return;
        }
        if (importWorkbook(path))
            DisplayMsg(QStringLiteral("Data Imported"));
        else
            DisplayMsg(QStringLiteral("Error Importing assets"), kRed);
    });
}

bool DataExchange::importWorkbook(const QString& path) {
    const std::int32_t company = programState().CurrentCompanyId();
    std::optional<ImportFailure> failure;
    runInBackground(QStringLiteral("Importing assets"), [&](JobProgress& progress) {
        failure = importCheckedWorkbook(company, path.toStdString(),
                                        [&](const std::string& step, int value, int maximum) {
                                            progress.report(QString::fromStdString(step), value, maximum);
                                        });
    });
    if (!failure)
        return true;
    const ServerError& e = failure->error;
    if (failure->step == ImportFailure::Step::Import) {
        // The data server's import tells its cause first; the command's error box follows.
        ui().messageBox(QString::fromStdString(e.description()));
        throw e;
    }
    ui().messageBox(QStringLiteral("Error in UpadteImportedAssetsFields ") +
                    QString::fromStdString(e.description()) + kErrorNumber + QString::number(e.number()));
    return false;
}

QString DataExchange::SetImportPath() {
    return ui().openFileName({.title = QStringLiteral("Select Import Path"),
                              .folder = documentsFolder(),
                              .fileName = QStringLiteral("ImportAssets"),
                              .filter = QStringLiteral("Excel Files (*.xlsx *.xls)"),
                              .defaultSuffix = QString::fromLatin1(kWorkbookExtension)});
}

QString DataExchange::GetLogPath() {
    return ui().openFileName({.title = QStringLiteral("Select Log File Path"),
                              .folder = documentsFolder(),
                              .fileName = QString(),
                              .filter = QStringLiteral("Text Files (*.txt)"),
                              .defaultSuffix = QStringLiteral("txt")});
}

} // namespace qel::exchange
