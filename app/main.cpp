// The desktop program's entry point: the application object, the main window and the start-up
// sequence; the window system's event loop then drives everything until the main window closes.
#include "app/shell/AppInfo.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramCommands.h"
#include "app/shell/Startup.h"
#include "app/shell/Subsystems.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(qel::kAppTitle);
    // Other windows may still be open when the main window closes; its close ends the program.
    app.setQuitOnLastWindowClosed(false);
    // The subsystems register their services here as they are built in (app/shell/Subsystems.h),
    // before the main window builds its menus.
    qel::ProgramCommands programCommands;
    qel::subsystems().program = &programCommands;
    qel::MdiMain window;
    QObject::connect(&window, &qel::MdiMain::unloaded, &app, &QApplication::quit, Qt::QueuedConnection);
    if (qel::harlune::Main(window) == qel::StartupResult::EndProgram)
        return 0;
    return app.exec();
}
