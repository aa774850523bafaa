// The menu items that reach the subsystems' services, as the menu tree gives their actions:
// registering a subsystem's services registers these handlers (Subsystems.h). Each handler passes
// a fixed name or key, opens a window or calls one operation; the operations report their own
// failures, and one that escapes reaches the main window's error box for the item.
#include "app/shell/AssetEntryServices.h"
#include "app/shell/Commands.h"
#include "app/shell/DataExchangeServices.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/MaintenanceServices.h"
#include "app/shell/MonthlyDeprServices.h"
#include "app/shell/PrintingServices.h"
#include "app/shell/ProgramServices.h"
#include "app/shell/ReportServices.h"
#include "app/shell/Subsystems.h"
#include "app/shell/VehicleServices.h"

namespace qel {
namespace {

// When the user documents folder is missing, make and fill it; go on whatever that returns.
void folderCheck(ReportServices& reports) {
    if (!reports.RetrieveFilesCopied())
        reports.MovePdfFiles();
}

} // namespace

void registerServices(AssetEntryServices& s) {
    subsystems().assetEntry = &s;
    commands().add("mnuAssetMaint", [&s] { s.showAsset(); });
}

void registerServices(MonthlyDeprServices& s) {
    subsystems().monthlyDepr = &s;
    Commands& c = commands();
    c.add("mnuDoMthDepr", [&s] { s.DoMonthlyDepr(); });
    c.add("mnuBookDeprRange", [&s] { s.showBookDeprRange(); });
    c.add("mnuDisplayPeriod", [&s] { s.DisplayNextPeriod(); });
    c.add("mnuDeleteDepr", [&s] { s.deleteLastPeriod(); });
}

void registerServices(MaintenanceServices& s) {
    subsystems().maintenance = &s;
    commands().addKind(MenuAction::Table, [&s](const QString& table) {
        s.DisplayInterface(table);
        s.showMaint();
    });
}

void registerServices(ReportServices& s) {
    subsystems().reports = &s;
    Commands& c = commands();
    // What a report asks and does is the reports' own business: the item passes its name.
    c.addKind(MenuAction::Report, [&s](const QString& report) { s.GetReport(report, QString(), 0); });
    c.add("mnuAssetListing", [&s] { s.showLocation(); });
    c.add("mnuReportsTax", [&s] { s.showTaxReports(); });
    c.add("mnuCloseWindows", [&s] { s.CloseAllReports(); });
    c.add("mnuTileHorizontal", [&s] { s.TileHorizontal(); });
}

void registerServices(DataExchangeServices& s) {
    subsystems().dataExchange = &s;
    Commands& c = commands();
    c.addKind(MenuAction::ExportYear, [&s](const QString& name) { s.GetExport(name); });
    c.addKind(MenuAction::ExportPeriod, [&s](const QString& name) { s.GetExport(name, Variant(true)); });
    // Both import items also need the reports' folder check, and the log item printing's
    // rich-text window; their needs keep them disabled until those are registered too.
    c.add("mnuImportAssets", [&s] {
        runWithErrorBox(QStringLiteral("Error in Import Assets. "), [&s] {
            folderCheck(*subsystems().reports);
            s.DoImports();
        });
    });
    c.add("mnuImportLog", [&s] {
        folderCheck(*subsystems().reports);
        const QString path = s.GetLogPath();
        if (!path.isEmpty())
            subsystems().printing->showRichText(path, QStringLiteral("Import log"));
    });
}

void registerServices(PrintingServices& s) {
    // No menu item prints: the windows' Print buttons reach it, and the items that show the
    // asset listing and an import log reach its rich-text window.
    subsystems().printing = &s;
    commands().notifyChanged();
}

void registerServices(ProgramServices& s) {
    subsystems().program = &s;
    Commands& c = commands();
    c.add("mnuBackupDb", [&s] { s.BackupDatabase(); });
    c.add("mnuRestoreDb", [&s] { s.RestoreDatabase(); });
    c.add("mnuDbPath", [&s] { s.SetDatabasePath(); });
    c.add("mnuAbout", [&s] { s.showAbout(); });
    c.add("mnuHelpContents", [&s] { s.HHDisplayContents(); });
    c.add("mnuGettingStarted", [&s] { s.showGettingStarted(); });
    c.add("mnuHelpSearch", [&s] { s.HHDisplayIndex(); });
    c.add("mnuSupport", [&s] { s.EmailSupport(); });
    c.add("mnuReportAbug", [&s] { s.showBugReport(); });
}

// The vehicle windows have no menu items of their own: the report prompts reach them.
void registerServices(VehicleServices& s) {
    subsystems().vehicles = &s;
    commands().notifyChanged();
}

} // namespace qel
