// The program services of the shell.
#include "app/shell/ProgramCommands.h"

#include "app/shell/DatabaseFileCommands.h"
#include "app/shell/FrmAbout.h"
#include "app/shell/FrmBugReport.h"
#include "app/shell/FrmGettingStarted.h"
#include "app/shell/MdiMain.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/WebAccess.h"

namespace qel {

ProgramCommands::ProgramCommands() : helpKey_(std::make_unique<HelpKey>(help_)) {}

ProgramCommands::~ProgramCommands() {
    delete gettingStarted_.data();
}

void ProgramCommands::BackupDatabase() {
    qel::BackupDatabase();
}

void ProgramCommands::RestoreDatabase() {
    qel::RestoreDatabase();
}

void ProgramCommands::SetDatabasePath() {
    qel::SetDatabasePath();
}

void ProgramCommands::showAbout() {
    FrmAbout about(MdiMain::instance());
    ui().execModal(about);
}

void ProgramCommands::showGettingStarted() {
    if (!gettingStarted_) {
        gettingStarted_ = new FrmGettingStarted(MdiMain::instance());
        // Closed is gone: the next opening reads the switch afresh.
        QObject::connect(gettingStarted_.data(), &QDialog::finished, gettingStarted_.data(), [this] {
            gettingStarted_->deleteLater();
            gettingStarted_ = nullptr;
        });
    }
    gettingStarted_->show();
    gettingStarted_->raise();
    gettingStarted_->activateWindow();
}

FrmGettingStarted* ProgramCommands::gettingStarted() const {
    return gettingStarted_.data();
}

void ProgramCommands::showBugReport() {
    FrmBugReport report(MdiMain::instance());
    ui().execModal(report);
}

void ProgramCommands::EmailSupport() {
    EmailLink(kSupportMail);
}

void ProgramCommands::CHMFile(const QString& path) {
    help_.setCHMFile(path);
}

void ProgramCommands::HHDisplayContents() {
    help_.HHDisplayContents(MdiMain::instance());
}

void ProgramCommands::HHDisplayIndex() {
    help_.HHDisplayIndex(MdiMain::instance());
}

void ProgramCommands::HHClose() {
    help_.HHClose();
}

void registerProgramCommands(SubsystemParts& parts) {
    registerServices(parts.make<ProgramCommands>());
}

} // namespace qel
