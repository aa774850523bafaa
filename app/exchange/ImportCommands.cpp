// The asset import command and the choice of an import log: the workbook's path and its tests,
// the sheet check with its log, and the import, completion and processing of the rows in one
// transaction on their own thread.
#include "app/exchange/BackgroundJob.h"
#include "app/exchange/Exchange.h"
#include "app/exchange/rules/ExportRules.h"
#include "app/exchange/rules/ImportCompletion.h"
#include "app/exchange/rules/ImportValidation.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/UiServices.h"
#include "common/DocumentsFolder.h"
#include "common/ServerError.h"
#include "server/data/Database.h"
#include "server/support/DeprSupport.h"

#include <optional>

namespace qel::exchange {
namespace {

const QString kRed = QStringLiteral("255");

// The extensions of the workbooks the import reads.
bool importExtension(const QString& extension) {
    return extension == QLatin1String("xlsx") || extension == QLatin1String("xls");
}

QString extensionOf(const QString& path) {
    return QString::fromStdString(GetFileExtension(path.toStdString())).toLower();
}

void extensionBox() {
    ui().messageBox(QStringLiteral("The file extension must be '.Xlsx' "), MsgButtons::Ok,
                    MsgIcon::Exclamation, QStringLiteral("Please change file extension..."));
}

QString documentsFolder() {
    return QString::fromStdString(userDocumentsFolder());
}

// How the import of a checked workbook ended.
enum class ImportEnd { Stored, CompletionFailed };

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
        const std::int32_t company = programState().CurrentCompanyId;
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
    const std::int32_t company = programState().CurrentCompanyId;
    std::optional<ServerError> importFailure;
    std::optional<ServerError> completionFailure;
    runInBackground(QStringLiteral("Importing assets"), [&](JobProgress& progress) {
        // The import, the completion and the processing stand or fall together: a failure
        // leaves no imported asset behind, half done or marked for a later run.
        Transaction tx(requireConnection());
        progress.report(QStringLiteral("Importing the assets"));
        try {
            DeprSupport().ImportAssetsFromExcel(company, path.toStdString());
        } catch (const ServerError& e) {
            importFailure = e;
            return;
        }
        try {
            UpadteImportedAssetsFields(company, [&](int done, int total) {
                progress.report(QStringLiteral("Completing asset %1 of %2").arg(done).arg(total), done,
                                total);
            });
        } catch (const ServerError& e) {
            completionFailure = e;
            return;
        }
        progress.report(QStringLiteral("Computing the depreciation"));
        DeprSupport().ProcessImportedAssets(company);
        tx.commit();
    });
    if (importFailure) {
        // The data server's import tells its cause first; the command's error box follows.
        ui().messageBox(QString::fromStdString(importFailure->description()));
        throw *importFailure;
    }
    if (completionFailure) {
        ui().messageBox(QStringLiteral("Error in UpadteImportedAssetsFields ") +
                        QString::fromStdString(completionFailure->description()) + kErrorNumber +
                        QString::number(completionFailure->number()));
        return false;
    }
    return true;
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
