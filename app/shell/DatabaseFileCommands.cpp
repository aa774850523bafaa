// The database file commands of the File menu.
#include "app/shell/DatabaseFileCommands.h"

#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/Startup.h"
#include "app/shell/UiServices.h"
#include "common/IniFile.h"
#include "server/data/Database.h"
#include "server/data/Db.h"

#include <QDir>
#include <QFileInfo>

#include <memory>

namespace qel {
namespace {

const QString kFilter = QStringLiteral("Database Files (*.MDB)");
const QString kNameRule = QStringLiteral("File name must be ") + kDatabaseFileName;

// The dialogs start in the user's home folder, this platform's counterpart of the system drive,
// and complete a name typed without an extension with ".mdb".
FileDialogRequest request(const QString& title, const QString& fileName = {}) {
    return {title, QDir::homePath(), fileName, kFilter, QStringLiteral("mdb")};
}

} // namespace

bool isDatabaseFileName(const QString& path) {
    return QFileInfo(path).fileName().toUpper() == kDatabaseFileName;
}

CopyProgress& databaseCopyObserver() {
    static CopyProgress observer;
    return observer;
}

void BackupDatabase() {
    const QString target =
        ui().saveFileName(request(QStringLiteral("Select where to Save the Database"), kDatabaseFileName));
    if (target.isEmpty())
        return;
    try {
        if (const std::shared_ptr<Connection> conn = gConn())
            backupDatabase(*conn, target.toStdString(), databaseCopyObserver());
        else
            copyDatabaseFile(iniDatabasePath(), target.toStdString(), databaseCopyObserver());
    } catch (...) {
        showErrorBox(QStringLiteral("Error in BackupDatabase "), kErrorNumber);
        return;
    }
    DisplayMsg(QStringLiteral("Database was successfully backup."));
}

void RestoreDatabase() {
    const QString title = QStringLiteral("Restore Database");
    const QString lead = QStringLiteral("Error in RestoreDatabase ");
    const QString source = ui().openFileName(request(QStringLiteral("Select Database to Restore")));
    if (source.isEmpty())
        return;
    if (!isDatabaseFileName(source)) {
        ui().messageBox(kNameRule, MsgButtons::Ok, MsgIcon::Critical, title);
        return;
    }
    if (!isSystemDatabase(source.toStdString())) {
        ui().messageBox(QStringLiteral("The file ") + source +
                            QStringLiteral(" is not a database of this program."),
                        MsgButtons::Ok, MsgIcon::Critical, title);
        return;
    }
    std::string live;
    try {
        live = iniDatabasePath();
    } catch (...) {
        showErrorBox(lead, kErrorNumber);
        return;
    }

    bool restored = false;
    db().Disconnect();
    try {
        restoreDatabase(source.toStdString(), live, databaseCopyObserver());
        restored = true;
    } catch (...) {
        showErrorBox(lead, kErrorNumber);
    }
    // The program goes on with the database file, restored or as it was.
    try {
        db().dbConn(live);
    } catch (...) {
        showErrorBox(lead, kErrorNumber);
        restored = false;
    }
    if (restored)
        DisplayMsg(QStringLiteral("Database was successfully restored."));
}

void SetDatabasePath() {
    const QString lead = QStringLiteral("Error in SetDatabasePath ");
    const QString path = ui().openFileName(request(QStringLiteral("Select Database Path")));
    if (path.isEmpty())
        return;
    if (!isDatabaseFileName(path)) {
        ui().messageBox(kNameRule, MsgButtons::Ok, MsgIcon::Critical, QStringLiteral("Set Database Path"));
        return;
    }
    // A damaged database is refused before the program writes into it; one that is no database
    // at all fails to connect below.
    try {
        refuseDamagedDatabase(path.toStdString());
    } catch (...) {
        showErrorBox(lead, kErrorNumber);
        DisplayMsg(QStringLiteral("Database Path was not set."), QStringLiteral("255"));
        return;
    }

    const std::string previousPath = GetPrivateString("DB_Path");
    try {
        writeIniValue("Data", "DB_Path", path.toStdString());
    } catch (...) {
        showErrorBox(lead, kErrorNumber);
        return;
    }
    if (!CheckForDatabase()) {
        // CheckForDatabase has said why and kept the connection in use; the INI file names that
        // database again, for the next run.
        try {
            writeIniValue("Data", "DB_Path", previousPath);
        } catch (...) {
            showErrorBox(lead, kErrorNumber);
        }
        DisplayMsg(QStringLiteral("Database Path was not set."), QStringLiteral("255"));
        return;
    }
    try {
        GetLastCompany();
        ShowStartUpWindows();
    } catch (...) {
        showErrorBox(lead, kErrorNumber);
    }
    DisplayMsg(QStringLiteral("Database Path was successfully set."));
}

} // namespace qel
