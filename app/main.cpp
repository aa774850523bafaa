// The desktop program's entry point: the application object, the subsystems, the main window and
// the start-up sequence; the window system's event loop then drives everything until the main
// window closes.
#include "app/assets/Assets.h"
#include "app/books/Books.h"
#include "app/maintenance/Maintenance.h"
#include "app/reports/Reports.h"
#include "app/shell/AppInfo.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramCommands.h"
#include "app/shell/Startup.h"
#include "app/shell/Subsystems.h"
#include "app/vehicles/Vehicles.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(qel::kAppTitle);
    // Other windows may still be open when the main window closes; its close ends the program.
    app.setQuitOnLastWindowClosed(false);
    // Each subsystem registers its services and menu commands with its one function, one line
    // each (app/README.md); what they make lives until the main window is gone.
    qel::SubsystemParts parts;
    qel::registerProgramCommands(parts);
    qel::registerReports(parts);
    qel::registerAssets(parts);
    qel::registerBooks(parts);
    qel::registerMaintenance(parts);
    qel::registerVehicles(parts);
    qel::MdiMain window;
    QObject::connect(&window, &qel::MdiMain::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    if (qel::harlune::Main(window) == qel::StartupResult::EndProgram)
        return 0;
    return app.exec();
}
