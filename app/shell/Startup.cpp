// Start-up steps, the start-up switches of tblDefaults and the saving of the last company.
#include "app/shell/Startup.h"

#include "app/shell/AppInfo.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FrmCompany.h"
#include "app/shell/FrmSplash.h"
#include "app/shell/MaintenanceServices.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramServices.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/UserSettings.h"
#include "common/IniFile.h"
#include "common/ServerError.h"
#include "common/SqlLiteral.h"
#include "server/data/Database.h"
#include "server/data/Db.h"

#include <QCoreApplication>
#include <QDialog>

namespace qel {
namespace {

const QString kSettings = QStringLiteral("Settings");

bool readSwitch(const char* column, const QString& procedure) {
    bool on = false;
    runWithErrorBox(
        QStringLiteral("Error in ") + procedure + QStringLiteral(" "),
        [&] { on = db().ReturnValue(std::string("Select ") + column + " from tblDefaults").toBool(); },
        kBlank);
    return on;
}

void writeSwitch(const char* column, bool value, const QString& procedure) {
    runWithErrorBox(
        QStringLiteral("Error in ") + procedure + QStringLiteral(" "),
        [&] { db().ExecuteSql(std::string("Update tblDefaults set ") + column + " = " + sqlBool(value)); },
        kBlank);
}

} // namespace

std::string iniDatabasePath() {
    const std::string path = GetPrivateString("DB_Path");
    if (path.empty())
        throw ServerError(kErrDatabase, "iniDatabasePath",
                          "The INI file '" + iniFilePath() +
                              "' names no database (key DB_Path of section Data).",
                          ErrorKind::NotConnected);
    return path;
}

bool CheckForDatabase() {
    // The working year is read before the new connection replaces the one in use, so a file
    // without it leaves the program on the database it had.
    std::int16_t year = 0;
    const bool connected = runOrReport(
        [&] {
            switchConnection(iniDatabasePath(), [&year](Connection& conn) {
                year = toInt16(firstValue(conn, "Select DefaultYear from tblDefaults"));
            });
        },
        [](const ErrorInfo& error) {
            // The cause goes with the message, so the user knows what to mend.
            ui().messageBox(
                QStringLiteral("Couldn't connect to the database. Use menu File\\Set Database Path\n\n") +
                error.description);
        });
    if (connected)
        setWorkingYear(year);
    return connected;
}

void GetLastCompany() {
    std::int32_t id = programState().CurrentCompanyId();
    runWithErrorBox(QStringLiteral("Error in GetLastCompany "), [&] {
        id = Variant(GetSetting(kProductName, kSettings, QStringLiteral("CompanyId"), QStringLiteral("1"))
                         .toStdString())
                 .toInt32();
    });
    const QString name =
        GetSetting(kProductName, kSettings, QStringLiteral("CompanyName"), QStringLiteral("Sample Company"));
    setCurrentCompany(id, name);
    setEnablePwd(GetSetting(kProductName, kSettings, QStringLiteral("EnablePwd"), QStringLiteral("N")));
    if (MdiMain* w = MdiMain::instance())
        w->setCompanyCaption(name);
}

bool CheckForStartUpHelp() {
    return readSwitch("StartUp_Help", QStringLiteral("CheckForStartUpHelp"));
}

bool CheckForShowCompany() {
    return readSwitch("ShowCompany", QStringLiteral("CheckForShowCompany"));
}

void SetStartUpHelp(bool value) {
    writeSwitch("StartUp_Help", value, QStringLiteral("SetStartUpHelp"));
}

void SetShowCompany(bool value) {
    writeSwitch("ShowCompany", value, QStringLiteral("SetShowCompany"));
}

void SaveLastCompany() {
    const ProgramState& state = programState();
    const QString lead = QStringLiteral("Error in SaveLastCompany ");
    const struct {
        bool usable;
        const char* key;
        QString value;
    } writes[] = {
        {state.CurrentCompanyId() > 0, "CompanyId", QString::number(state.CurrentCompanyId())},
        {!state.CurrentCompanyName().isEmpty(), "CompanyName", state.CurrentCompanyName()},
        {!state.EnablePwd().isEmpty(), "EnablePwd", state.EnablePwd()},
    };
    for (const auto& w : writes) {
        if (w.usable)
            runWithErrorBox(
                lead, [&] { SaveSetting(kProductName, kSettings, QString::fromLatin1(w.key), w.value); });
    }
}

void pickCompany() {
    const CompanyChoice choice = showCompanyPicker();
    setNewFromCompanyPicker(choice.outcome == CompanyChoice::Outcome::NewCompany);
    switch (choice.outcome) {
    case CompanyChoice::Outcome::Chosen:
        if (MdiMain* main = MdiMain::instance())
            main->setCompanyCaption(choice.name);
        setCurrentCompany(choice.id, choice.name);
        break;
    case CompanyChoice::Outcome::NewCompany:
        if (MaintenanceServices* maintenance = subsystems().maintenance) {
            maintenance->DisplayInterface(QStringLiteral("Companies"));
            maintenance->showMaint();
        }
        break;
    case CompanyChoice::Outcome::Cancelled:
        break;
    }
}

void ShowStartUpWindows() {
    if (CheckForStartUpHelp())
        if (ProgramServices* program = subsystems().program)
            program->showGettingStarted();
    if (CheckForShowCompany())
        pickCompany();
}

namespace harlune {

StartupResult Main(MdiMain& mainWindow) {
    // An error that escapes a step is shown in the usual box and the next step runs.
    const auto step = [](auto&& body) { runWithErrorBox(QStringLiteral("Error in Main. "), body); };
    step([] {
        if (ProgramServices* program = subsystems().program)
            program->CHMFile(QCoreApplication::applicationDirPath() + QStringLiteral("/Vossmere.chm"));
    });
    mainWindow.show();
    if (!CheckForDatabase())
        return StartupResult::Running;
    step([] { GetLastCompany(); });
    if (programState().EnablePwd() == QLatin1String("Y")) {
        FrmSplash logon(&mainWindow);
        if (ui().execModal(logon) != QDialog::Accepted)
            return StartupResult::EndProgram;
    }
    step([] { ShowStartUpWindows(); });
    return StartupResult::Running;
}

} // namespace harlune
} // namespace qel
