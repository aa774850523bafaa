// ProgramCommands: the program services of the shell (ProgramServices): the database file
// commands, the About box, "Getting Started", the bug report, support mail and the help with its
// F1 key. main() registers one instance for the life of the program (registerProgramCommands).
#pragma once

#include "app/shell/HtmlHelp.h"
#include "app/shell/ProgramServices.h"

#include <QPointer>

#include <memory>

namespace qel {

class FrmGettingStarted;
class SubsystemParts;

class ProgramCommands : public ProgramServices {
public:
    ProgramCommands();
    ~ProgramCommands() override;

    void BackupDatabase() override;
    void RestoreDatabase() override;
    void SetDatabasePath() override;
    void showAbout() override;
    // Activates the window when it is open; otherwise opens a new one, which reads its switch.
    void showGettingStarted() override;
    void showBugReport() override;
    void EmailSupport() override;
    void CHMFile(const QString& path) override;
    void HHDisplayContents() override;
    void HHDisplayIndex() override;
    void HHClose() override;

    // The program's one help object.
    HTMLHelp& AppHelp() { return help_; }
    // The "Getting Started" window open now, or nullptr.
    FrmGettingStarted* gettingStarted() const;

private:
    HTMLHelp help_;
    std::unique_ptr<HelpKey> helpKey_;
    QPointer<FrmGettingStarted> gettingStarted_;
};

// The shell's own registration: makes the program services and registers them with their menu
// items.
void registerProgramCommands(SubsystemParts& parts);

} // namespace qel
