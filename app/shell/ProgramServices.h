// What the shell needs of the program services that sit beside it: the database file commands,
// the About box, "Getting Started", the bug report and support mail, and the help window.
#pragma once

#include <QString>

namespace qel {

class ProgramServices {
public:
    virtual ~ProgramServices() = default;
    // The File menu's database file commands; each reports its own results and failures.
    // SetDatabasePath repeats the start-up steps after a new connection (see Startup.h).
    virtual void BackupDatabase() = 0;
    virtual void RestoreDatabase() = 0;
    virtual void SetDatabasePath() = 0;
    // Shows the About box frmAbout modally.
    virtual void showAbout() = 0;
    // Shows the "Getting Started" window frmGettingStarted modeless (one instance).
    virtual void showGettingStarted() = 0;
    // Shows the bug report window frmBugReport modally.
    virtual void showBugReport() = 0;
    // Opens a mail to the support address with the user's mail program.
    virtual void EmailSupport() = 0;
    // The help file the menus' help context ids refer to; set once at start.
    virtual void CHMFile(const QString& path) = 0;
    // The help window at its contents, or at its index.
    virtual void HHDisplayContents() = 0;
    virtual void HHDisplayIndex() = 0;
    // Closes any help window of the program.
    virtual void HHClose() = 0;
};

} // namespace qel
