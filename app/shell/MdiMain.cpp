// The main window: its parts, caption, status line, menus and shut-down.
#include "app/shell/MdiMain.h"

#include "app/shell/AppInfo.h"
#include "app/shell/AssetEntryServices.h"
#include "app/shell/DataExchangeServices.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/FrmCompany.h"
#include "app/shell/MaintenanceServices.h"
#include "app/shell/MenuTable.h"
#include "app/shell/MonthlyDeprServices.h"
#include "app/shell/ProgramServices.h"
#include "app/shell/ProgramState.h"
#include "app/shell/ReportServices.h"
#include "app/shell/Startup.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"
#include "server/data/Database.h"
#include "server/data/Db.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QVBoxLayout>

namespace qel {
namespace {

MdiMain* gInstance = nullptr;

constexpr std::int32_t kGreen = 32768;
// The smallest size of the main window, in twips.
constexpr double kMinWidth = 5000;
constexpr double kMinHeight = 3000;
const char* kWindowListEntry = "qelWindowListEntry";

// Keeps the hourglass pointer up while a long command runs.
class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor&) = delete;
    WaitCursor& operator=(const WaitCursor&) = delete;
};

// Runs the menu command of that name. The commands report their own failures; one that escapes
// is still shown.
template <typename Command> void runMenuCommand(const QString& name, Command&& command) {
    try {
        command();
    } catch (...) {
        showErrorBox(QStringLiteral("Error in ") + name + QStringLiteral(". "), kErrorNumber);
    }
}

// The password commands go ahead only when the user confirms with exactly "Yes".
bool confirmPasswordChange(const QString& prompt) {
    return ui().inputBox(prompt, QStringLiteral("Password"), QStringLiteral("Yes")) == QLatin1String("Yes");
}

} // namespace

QColor colourOfNumber(std::int32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void DisplayMsg(const QString& message, const QString& colour) {
    if (MdiMain* w = MdiMain::instance())
        w->DisplayMsg(message, colour);
}

MdiMain::MdiMain(QWidget* parent)
    : QMainWindow(parent), mdiArea_(new QMdiArea), pictStatusBar_(new QFrame), lblStatusBar_(new QLabel) {
    gInstance = this;
    setObjectName("mdiMain");
    mdiArea_->setObjectName("mdiArea");

    pictStatusBar_->setObjectName("pictStatusBar");
    lblStatusBar_->setObjectName("lblStatusBar");
    QFont bold = lblStatusBar_->font();
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    lblStatusBar_->setFont(bold);
    auto* statusLayout = new QHBoxLayout(pictStatusBar_);
    statusLayout->setContentsMargins(4, 2, 4, 2);
    // The label spans the whole width of the window, whatever its size.
    statusLayout->addWidget(lblStatusBar_, 1);
    DisplayMsg(QString(), QString());

    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(mdiArea_, 1);
    layout->addWidget(pictStatusBar_);
    setCentralWidget(central);

    buildMenus();
    updateMenuAvailability();

    // The window cannot be made narrower than 5000 or lower than 3000 twips.
    setMinimumSize(twipsToPixelsX(*this, kMinWidth), twipsToPixelsY(*this, kMinHeight));
    LoadWindowPosition(*this);
    keepMinimumSize();
    setWindowTitle(kAppTitle);
}

MdiMain::~MdiMain() {
    if (gInstance == this)
        gInstance = nullptr;
}

MdiMain* MdiMain::instance() {
    return gInstance;
}

QAction* MdiMain::menuItem(const QString& name) const {
    return findChild<QAction*>(name);
}

void MdiMain::DisplayMsg(const QString& message, const QString& colour) {
    lblStatusBar_->setText(message);
    try {
        const std::int32_t rgb = colour.isEmpty() ? kGreen : Variant(colour.toStdString()).toInt32();
        QPalette p = lblStatusBar_->palette();
        p.setColor(QPalette::WindowText, colourOfNumber(rgb));
        lblStatusBar_->setPalette(p);
    } catch (...) {
        showErrorBox(QStringLiteral("Error in DisplayMsg. "), kErrorNumber);
    }
}

void MdiMain::setCompanyCaption(const QString& companyName) {
    setWindowTitle(kAppTitle + QStringLiteral(" for - ") + companyName);
}

void MdiMain::applyPasswordSwitch(const QString& enablePwd) {
    if (enablePwd == QLatin1String("Y")) {
        menuItem("mnuPassWord")->setVisible(false);
        menuItem("mnudisablePwd")->setVisible(true);
    } else {
        menuItem("mnuPassWord")->setVisible(true);
        menuItem("mnuUsers")->setVisible(false);
    }
}

void MdiMain::buildMenus() {
    for (const MenuDef& def : menuTable()) {
        if (def.items.empty()) {
            // A menu-bar item without a submenu.
            QAction* action = menuBar()->addAction(QString::fromUtf8(def.caption));
            action->setObjectName(QString::fromUtf8(def.name));
            action->setProperty("qelNeeds", def.needs);
            connect(action, &QAction::triggered, this, [this, name = QString::fromUtf8(def.name)] {
                runMenuCommand(name, [&] { runCommand(name); });
            });
            continue;
        }
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.caption));
        menu->setObjectName(QString::fromUtf8(def.name));
        menu->menuAction()->setObjectName(QString::fromUtf8(def.name));
        for (const MenuItemDef& item : def.items)
            addItem(menu, item);
        if (def.clearsStatusLine)
            connect(menu, &QMenu::aboutToShow, this, [this] { DisplayMsg(QString(), QString()); });
        if (QLatin1String(def.name) == QLatin1String("mnuWindows"))
            connect(menu, &QMenu::aboutToShow, this, [this, menu] { fillWindowList(menu); });
    }
}

void MdiMain::addItem(QMenu* menu, const MenuItemDef& item) {
    QAction* action =
        item.action == MenuAction::Separator ? menu->addSeparator() : menu->addAction(QString());
    action->setObjectName(QString::fromUtf8(item.name));
    // A separator keeps no text: the style would draw its "-" as a heading beside the line.
    if (item.action != MenuAction::Separator)
        action->setText(QString::fromUtf8(item.caption));
    action->setProperty("HelpContextID", item.helpId);
    action->setProperty("qelNeeds", item.needs);
    action->setVisible(!item.storedHidden);
    if (item.action == MenuAction::Separator)
        return;
    connect(action, &QAction::triggered, this,
            [this, &item] { runMenuCommand(QString::fromUtf8(item.name), [&] { runItem(item); }); });
}

void MdiMain::updateMenuAvailability() {
    const Subsystems& s = subsystems();
    unsigned present = kNeedsNothing;
    present |= s.assetEntry ? kNeedsAssetEntry : 0u;
    present |= s.monthlyDepr ? kNeedsMonthlyDepr : 0u;
    present |= s.maintenance ? kNeedsMaintenance : 0u;
    present |= s.reports ? kNeedsReports : 0u;
    present |= s.dataExchange ? kNeedsDataExchange : 0u;
    present |= s.program ? kNeedsProgram : 0u;
    for (QAction* action : findChildren<QAction*>()) {
        const QVariant needs = action->property("qelNeeds");
        if (needs.isValid())
            action->setEnabled((needs.toUInt() & ~present) == 0);
    }
}

void MdiMain::runItem(const MenuItemDef& item) {
    const QString argument = QString::fromUtf8(item.argument);
    QString year;
    std::int16_t book = 0;
    switch (item.action) {
    case MenuAction::Separator:
        break;
    case MenuAction::ReportYear:
        subsystems().reports->GetReport(argument, Variant(0), year, book);
        break;
    case MenuAction::ReportPeriod:
        subsystems().reports->GetReport(argument, Variant(true), year, book);
        break;
    case MenuAction::ExportYear:
        subsystems().dataExchange->GetExport(argument);
        break;
    case MenuAction::ExportPeriod:
        subsystems().dataExchange->GetExport(argument, Variant(true));
        break;
    case MenuAction::Table:
        subsystems().maintenance->DisplayInterface(argument);
        subsystems().maintenance->showMaint();
        break;
    case MenuAction::Command:
        runCommand(QString::fromUtf8(item.name));
        break;
    }
}

// When the user documents folder is missing, make and fill it; go on whatever that returns.
void MdiMain::folderCheck() {
    ReportServices& reports = *subsystems().reports;
    if (!reports.RetrieveFilesCopied())
        reports.MovePdfFiles();
}

void MdiMain::runCommand(const QString& name) {
    const Subsystems& s = subsystems();
    QString year;
    std::int16_t book = 0;
    if (name == "mnuBackupDb") {
        s.program->BackupDatabase();
    } else if (name == "mnuRestoreDb") {
        s.program->RestoreDatabase();
    } else if (name == "mnuDisplayDBpath") {
        DisplayMsg(QString::fromStdString(GetPrivateString("DB_Path")), QString());
    } else if (name == "mnuDbPath") {
        s.program->SetDatabasePath();
    } else if (name == "mnuImportAssets") {
        try {
            folderCheck();
            s.dataExchange->DoImports();
        } catch (...) {
            showErrorBox(QStringLiteral("Error in Import Assets. "), kErrorNumber);
        }
    } else if (name == "mnuImportLog") {
        folderCheck();
        const QString path = s.dataExchange->GetLogPath();
        if (!path.isEmpty())
            s.dataExchange->showRichText(path, QStringLiteral("Import log"));
    } else if (name == "mnuExit") {
        close();
    } else if (name == "mnuSelectCompany") {
        selectCompany();
    } else if (name == "mnuPassWord") {
        enablePassword();
    } else if (name == "mnudisablePwd") {
        disablePassword();
    } else if (name == "mnuAssetMaint") {
        s.assetEntry->showAsset();
    } else if (name == "mnuForm4562_2") {
        folderCheck();
        s.reports->GetReport(QStringLiteral("Form 4562"), Variant(0), year, book);
    } else if (name == "mnuDoMthDepr") {
        s.monthlyDepr->DoMonthlyDepr();
    } else if (name == "mnuBookDeprRange") {
        s.monthlyDepr->showBookDeprRange();
    } else if (name == "mnuDisplayPeriod") {
        s.monthlyDepr->DisplayNextPeriod();
    } else if (name == "mnuDeleteDepr") {
        deleteLastPeriod();
    } else if (name == "mnuAssetListing") {
        s.reports->showLocation();
    } else if (name == "mnuChartOfAccounts") {
        // The year is given, so the report opens without a prompt.
        year = QStringLiteral("1900");
        s.reports->GetReport(QStringLiteral("Chart of Accounts"), Variant(0), year, book);
    } else if (name == "mnuExportBookAssetLedger") {
        WaitCursor wait;
        s.dataExchange->GetExport(QStringLiteral("Book Asset Ledger"), Variant(true));
    } else if (name == "mnuReportsTax") {
        s.reports->showTaxReports();
    } else if (name == "mnuTagToAssetId") {
        s.reports->DoReports(QStringLiteral("Tag Nbr To Asset ID"), 0, QString(), book);
    } else if (name == "MnuCascade") {
        mdiArea_->cascadeSubWindows();
    } else if (name == "mnuCloseWindows") {
        s.reports->CloseAllReports();
    } else if (name == "mnuTileHorizontal") {
        s.reports->TileHorizontal();
    } else if (name == "mnuTileVertical") {
        tileVertical();
    } else if (name == "mnuAbout") {
        s.program->showAbout();
    } else if (name == "mnuHelpContents") {
        s.program->HHDisplayContents();
    } else if (name == "mnuGettingStarted") {
        s.program->showGettingStarted();
    } else if (name == "mnuHelpSearch") {
        s.program->HHDisplayIndex();
    } else if (name == "mnuSupport") {
        s.program->EmailSupport();
    } else if (name == "mnuReportAbug") {
        s.program->showBugReport();
    }
}

void MdiMain::enablePassword() {
    if (!confirmPasswordChange(QStringLiteral("Enable Password Protection")))
        return;
    programState().EnablePwd = QStringLiteral("Y");
    showPasswordItems(true);
    // The user table opens at once, so that a user can be entered.
    if (MaintenanceServices* maintenance = subsystems().maintenance) {
        maintenance->DisplayInterface(QStringLiteral("Users"));
        maintenance->showMaint();
    }
    DisplayMsg(QStringLiteral("Password Protection Enabled."), QString());
}

void MdiMain::disablePassword() {
    if (!confirmPasswordChange(QStringLiteral("Disable Password Protection")))
        return;
    programState().EnablePwd = QStringLiteral("N");
    showPasswordItems(false);
    DisplayMsg(QStringLiteral("Password Protection Disabled."), QString());
}

// With protection on, "Disable Password" and "User Maint" show and "Enable Password" hides; off,
// the other way round.
void MdiMain::showPasswordItems(bool protectionOn) {
    menuItem("mnuPassWord")->setVisible(!protectionOn);
    menuItem("mnudisablePwd")->setVisible(protectionOn);
    menuItem("mnuUsers")->setVisible(protectionOn);
}

void MdiMain::deleteLastPeriod() {
    if (ui().messageBox(QStringLiteral("Delete Depreciation for the last period?"), MsgButtons::OkCancel,
                        MsgIcon::None,
                        QStringLiteral("Delete Monthly Book Depreciation")) == MsgResult::Cancel)
        return;
    if (subsystems().monthlyDepr->DeleteDepreciation())
        DisplayMsg(QStringLiteral("Last period depreciation was deleted"), QString());
    else
        DisplayMsg(QStringLiteral("An Error Occurred"), QStringLiteral("255"));
}

void MdiMain::selectCompany() {
    if (AssetEntryServices* assets = subsystems().assetEntry)
        assets->unloadAsset();
    showCompanyPicker();
}

// Side by side: each window the full height of the area and an equal share of its width.
void MdiMain::tileVertical() {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : mdiArea_->subWindowList())
        if (w->isVisible() && !w->isMinimized())
            windows.append(w);
    if (windows.isEmpty())
        return;
    const QRect area = mdiArea_->viewport()->rect();
    const int width = area.width() / static_cast<int>(windows.size());
    int left = 0;
    for (QMdiSubWindow* w : windows) {
        w->showNormal();
        w->setGeometry(left, 0, width, area.height());
        left += width;
    }
}

// The Windows menu lists the open child windows below its own items.
void MdiMain::fillWindowList(QMenu* menu) {
    for (QAction* a : menu->actions())
        if (a->property(kWindowListEntry).toBool()) {
            menu->removeAction(a);
            a->deleteLater();
        }
    const QList<QMdiSubWindow*> windows = mdiArea_->subWindowList();
    if (windows.isEmpty())
        return;
    QAction* line = menu->addSeparator();
    line->setProperty(kWindowListEntry, true);
    int number = 1;
    for (QMdiSubWindow* w : windows) {
        QAction* a = menu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(w->windowTitle()));
        a->setProperty(kWindowListEntry, true);
        a->setCheckable(true);
        a->setChecked(w == mdiArea_->activeSubWindow());
        connect(a, &QAction::triggered, mdiArea_, [this, w] { mdiArea_->setActiveSubWindow(w); });
    }
}

void MdiMain::closeEvent(QCloseEvent* event) {
    if (unloaded_) {
        event->accept();
        return;
    }
    mdiArea_->closeAllSubWindows();
    if (!mdiArea_->subWindowList().isEmpty()) {
        // A child window refused to close; the program stays open.
        event->ignore();
        return;
    }
    unload();
    event->accept();
}

void MdiMain::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    keepMinimumSize();
}

// A window that the minimum size stopped is exactly 5000 by 3000 twips, not the nearest whole
// pixels below. A minimized or maximized window is left as it is.
void MdiMain::keepMinimumSize() {
    if (windowState() & (Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen))
        return;
    const TwipsRect at = windowTwips(*this);
    if (at.width < kMinWidth)
        setWindowWidth(*this, kMinWidth);
    if (at.height < kMinHeight)
        setWindowHeight(*this, kMinHeight);
}

void MdiMain::unload() {
    unloaded_ = true;
    if (ProgramServices* program = subsystems().program) {
        try {
            program->HHClose();
        } catch (...) {
            showErrorBox(QStringLiteral("Error in MDIForm_Unload. "), kErrorNumber);
        }
    }
    SaveWindowPosition(*this);
    SaveLastCompany();
    try {
        db().Disconnect();
    } catch (...) {
        showErrorBox(QStringLiteral("Error in MDIForm_Unload. "), kErrorNumber);
    }
    emit unloaded();
}

} // namespace qel
