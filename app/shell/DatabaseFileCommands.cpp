// The database file commands of the File menu.
#include "app/shell/DatabaseFileCommands.h"

#include "app/shell/ErrorBox.h"
#include "app/shell/MdiMain.h"
#include "app/shell/Startup.h"
#include "app/shell/UiServices.h"
#include "common/IniFile.h"
#include "common/RegularFile.h"
#include "server/data/Database.h"
#include "server/data/DatabaseFile.h"
#include "server/data/Db.h"

#include <QDir>
#include <QFileInfo>

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
    const bool copied = runWithErrorBox(QStringLiteral("Error in BackupDatabase "), [&] {
        if (!backupConnectedDatabase(target.toStdString(), databaseCopyObserver()))
            copyDatabaseFile(iniDatabasePath(), target.toStdString(), databaseCopyObserver());
    });
    if (!copied)
        return;
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
    // A named pipe or a device is told apart without opening it, which could wait for ever.
    if (const auto cause = notARegularFile(source.toStdString())) {
        ui().messageBox(QStringLiteral("The file ") + source + QStringLiteral(" cannot be restored: ") +
                            QString::fromStdString(*cause) + QStringLiteral("."),
                        MsgButtons::Ok, MsgIcon::Critical, title);
        return;
    }
    if (!isSystemDatabase(source.toStdString())) {
        ui().messageBox(QStringLiteral("The file ") + source +
                            QStringLiteral(" is not a database of this program."),
                        MsgButtons::Ok, MsgIcon::Critical, title);
        return;
    }
    std::string live;
    if (!runWithErrorBox(lead, [&] { live = iniDatabasePath(); }))
        return;

    db().Disconnect();
    bool restored =
        runWithErrorBox(lead, [&] { restoreDatabase(source.toStdString(), live, databaseCopyObserver()); });
    // The program goes on with the database file, restored or as it was.
    if (!runWithErrorBox(lead, [&] { db().dbConn(live); }))
        restored = false;
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
    if (!runWithErrorBox(lead, [&] { refuseDamagedDatabase(path.toStdString()); })) {
        DisplayMsg(QStringLiteral("Database Path was not set."), kRed);
        return;
    }

    const std::string previousPath = GetPrivateString("DB_Path");
    if (!runWithErrorBox(lead, [&] { writeIniValue("Data", "DB_Path", path.toStdString()); }))
        return;
    if (!CheckForDatabase()) {
        // CheckForDatabase has said why and kept the connection in use; the INI file names that
        // database again, for the next run.
        runWithErrorBox(lead, [&] { writeIniValue("Data", "DB_Path", previousPath); });
        DisplayMsg(QStringLiteral("Database Path was not set."), kRed);
        return;
    }
    runWithErrorBox(lead, [] {
        GetLastCompany();
        ShowStartUpWindows();
    });
    DisplayMsg(QStringLiteral("Database Path was successfully set."));
}

} // namespace qel
