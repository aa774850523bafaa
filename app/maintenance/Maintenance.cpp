// The table maintenance service and its registration.
#include "app/maintenance/Maintenance.h"

#include "app/maintenance/FrmMaint.h"
#include "app/maintenance/rules/MaintLayout.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/MdiMain.h"
#include "app/shell/Subsystems.h"
#include "app/shell/WindowPosition.h"

#include <QMdiSubWindow>

namespace qel {
namespace {

const QString kKey = QStringLiteral("frmMaint");

} // namespace

Maintenance::~Maintenance() {
    delete own_;
}

FrmMaint* Maintenance::window() const {
    if (const MdiMain* main = MdiMain::instance()) {
        if (QMdiSubWindow* frame = main->childWindows().find(kKey))
            return qobject_cast<FrmMaint*>(frame->widget());
        return nullptr;
    }
    return own_;
}

FrmMaint* Maintenance::open() {
    MdiMain* main = MdiMain::instance();
    if (!main) {
        if (!own_) {
            own_ = new FrmMaint;
            setWindowWidth(*own_, kMaintWidth);
            setWindowHeight(*own_, kMaintHeight);
        }
        own_->show();
        return own_;
    }
    const bool isNew = main->childWindows().find(kKey) == nullptr;
    QMdiSubWindow* frame = main->childWindows().open(kKey, [] { return new FrmMaint; });
    if (isNew) {
        // The frame is the window the user sees: it carries the window's name for its stored
        // position, its size, and the smallest size the layout allows.
        frame->setObjectName(kKey);
        frame->setMinimumSize(twipsToPixelsX(*frame, kMaintMinWidth),
                              twipsToPixelsY(*frame, kMaintMinHeight));
        setWindowWidth(*frame, kMaintWidth);
        setWindowHeight(*frame, kMaintHeight);
    }
    return qobject_cast<FrmMaint*>(frame->widget());
}

void Maintenance::DisplayInterface(const QString& tableKey) {
    open()->DisplayInterface(tableKey);
}

void Maintenance::showMaint() {
    open();
}

void registerMaintenance(SubsystemParts& parts) {
    registerServices(static_cast<MaintenanceServices&>(parts.make<Maintenance>()));
}

} // namespace qel
