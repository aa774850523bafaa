// The main window: its parts, caption, status line, menus and their states, and shut-down.
#include "app/shell/MdiMain.h"

#include "app/shell/ActionState.h"
#include "app/shell/AppInfo.h"
#include "app/shell/AssetEntryServices.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/Commands.h"
#include "app/shell/ErrorBox.h"
#include "app/shell/MaintenanceServices.h"
#include "app/shell/ProgramServices.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Startup.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UiServices.h"
#include "app/shell/WindowPosition.h"
#include "server/data/Database.h"
#include "server/data/Db.h"

#include <QAbstractButton>
#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QSet>
#include <QStyle>
#include <QVBoxLayout>

#include <algorithm>

namespace qel {
namespace {

MdiMain* gInstance = nullptr;

// The smallest size of the main window, in twips.
constexpr double kMinWidth = 5000;
constexpr double kMinHeight = 3000;
const char* kWindowListEntry = "qelWindowListEntry";

// The password commands go ahead only when the user confirms with exactly "Yes".
bool confirmPasswordChange(const QString& prompt) {
    return ui().inputBox(prompt, QStringLiteral("Password"), QStringLiteral("Yes")) == QLatin1String("Yes");
}

// A control that can mark an access key (a button, a frame, a label that leads to a field), its
// caption, and the control the key reaches (the label's field).
struct KeyedControl {
    QString caption;
    QWidget* target;
};

QList<KeyedControl> keyedControls(const QWidget& window) {
    QList<KeyedControl> controls;
    for (QAbstractButton* button : window.findChildren<QAbstractButton*>())
        controls.append({button->text(), button});
    for (QGroupBox* frame : window.findChildren<QGroupBox*>())
        controls.append({frame->title(), frame});
    for (QLabel* label : window.findChildren<QLabel*>())
        if (label->buddy())
            controls.append({label->text(), label->buddy()});
    return controls;
}

// The access keys a window's controls take: only a control that is shown and can be used takes
// its key, so that a disabled Delete leaves the menu bar its D.
QSet<QKeySequence> accessKeysOf(const QWidget& window) {
    QSet<QKeySequence> keys;
    for (const KeyedControl& c : keyedControls(window)) {
        if (!c.target->isEnabled() || !c.target->isVisibleTo(&window))
            continue;
        if (const QKeySequence key = QKeySequence::mnemonic(c.caption); !key.isEmpty())
            keys.insert(key);
    }
    return keys;
}

// The caption without its access key: the mark goes, a doubled "&&" stays.
QString withoutAccessKey(const QString& caption) {
    QString plain;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size()) {
            ++i;
            if (caption[i] == QLatin1Char('&'))
                plain += QStringLiteral("&&");
            else
                plain += caption[i];
            continue;
        }
        plain += caption[i];
    }
    return plain;
}

} // namespace

QColor colourOfNumber(std::int32_t rgb) {
    return QColor(rgb & 0xFF, (rgb >> 8) & 0xFF, (rgb >> 16) & 0xFF);
}

void DisplayMsg(const QString& message, const QString& colour) {
    if (MdiMain* w = MdiMain::instance())
        w->DisplayMsg(message, colour);
}

void ClearMsgIfShown(const QString& message) {
    if (MdiMain* w = MdiMain::instance(); w && w->statusLabel()->text() == message)
        w->DisplayMsg(QString(), QString());
}

QString InputBoxOverMain(const QString& prompt, const QString& title, const QString& proposed) {
    std::optional<QPoint> at;
    if (const MdiMain* w = MdiMain::instance())
        at = inputBoxPosition(*w);
    return ui().inputBox(prompt, title, proposed, at);
}

MdiMain::MdiMain(QWidget* parent)
    : QMainWindow(parent), mdiArea_(new QMdiArea), childWindows_(new ChildWindows(*mdiArea_, this)),
      pictStatusBar_(new QFrame), lblStatusBar_(new QLabel) {
    gInstance = this;
    setObjectName("mdiMain");
    mdiArea_->setObjectName("mdiArea");
    // A child window larger than the area (the asset form in the default window size) is
    // reached by scrolling, as in an MDI frame with scroll bars.
    mdiArea_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdiArea_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    pictStatusBar_->setObjectName("pictStatusBar");
    lblStatusBar_->setObjectName("lblStatusBar");
    QFont bold = lblStatusBar_->font();
    bold.setPointSizeF(8.25);
    bold.setBold(true);
    lblStatusBar_->setFont(bold);
    auto* statusLayout = new QHBoxLayout(pictStatusBar_);
    statusLayout->setContentsMargins(4, 2, 4, 2);
    // The label spans the whole width of the window, whatever its size; a message longer than the
    // window is wide (the asset window's list of what is missing) takes more lines, the child
    // area giving up their height.
    lblStatusBar_->setWordWrap(true);
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
    registerOwnCommands();
    // The items follow every input of their state.
    connect(&commands(), &Commands::changed, this, &MdiMain::updateActions);
    connect(&programStateSignals(), &ProgramStateSignals::changed, this, &MdiMain::updateActions);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MdiMain::updateActions);
    connect(mdiArea_, &QMdiArea::subWindowActivated, this, &MdiMain::shareAccessKeys);
    // Once a closed window is gone for good, the keys it held go back to the menu bar.
    connect(childWindows_, &ChildWindows::changed, this, &MdiMain::shareAccessKeys, Qt::QueuedConnection);
    connect(childWindows_, &ChildWindows::changed, this, &MdiMain::updateActions);
    updateActions();

    // The window cannot be made narrower than 5000 or lower than 3000 twips.
    setMinimumSize(twipsToPixelsX(*this, kMinWidth), twipsToPixelsY(*this, kMinHeight));
    const bool stored = HasStoredWindowPosition(*this);
    LoadWindowPosition(*this);
    // On first start the asset window, the largest the menus open, shows whole; a position the
    // user left wins.
    if (const AssetEntryServices* assets = subsystems().assetEntry; assets && !stored) {
        const QScreen* screen = QGuiApplication::screenAt(geometry().center());
        if (!screen)
            screen = QGuiApplication::primaryScreen();
        if (screen)
            makeRoomForChild(assets->assetWindowSize(), screen->availableGeometry());
    }
    keepMinimumSize();
    setWindowTitle(kAppTitle);
}

MdiMain::~MdiMain() {
    // The child windows and the registries must not reach a window that is half destroyed.
    disconnect(&commands(), nullptr, this, nullptr);
    disconnect(&programStateSignals(), nullptr, this, nullptr);
    disconnect(mdiArea_, nullptr, this, nullptr);
    disconnect(childWindows_, nullptr, this, nullptr);
    for (const QString& name : ownCommands_)
        commands().remove(name);
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
    runWithErrorBox(QStringLiteral("Error in DisplayMsg. "), [&] {
        const std::int32_t rgb = Variant((colour.isEmpty() ? kGreen : colour).toStdString()).toInt32();
        QPalette p = lblStatusBar_->palette();
        p.setColor(QPalette::WindowText, colourOfNumber(rgb));
        lblStatusBar_->setPalette(p);
    });
}

void MdiMain::setCompanyCaption(const QString& companyName) {
    setWindowTitle(kAppTitle + QStringLiteral(" for - ") + companyName);
}

void MdiMain::buildMenus() {
    for (const MenuDef& def : menuTable()) {
        if (def.items.empty()) {
            // A menu-bar item without a submenu.
            addItem(menuBar()->addAction(QString::fromUtf8(def.caption)), def.name, def.needs, Shown::Always);
            continue;
        }
        QMenu* menu = menuBar()->addMenu(QString::fromUtf8(def.caption));
        menu->setObjectName(QString::fromUtf8(def.name));
        menu->menuAction()->setObjectName(QString::fromUtf8(def.name));
        for (const MenuItemDef& item : def.items) {
            if (item.action == MenuAction::Separator) {
                // A separator keeps no text: the style would draw its "-" as a heading.
                menu->addSeparator()->setObjectName(QString::fromUtf8(item.name));
                continue;
            }
            QAction* action =
                addItem(menu->addAction(QString::fromUtf8(item.caption)), item.name, item.needs, item.shown);
            action->setProperty("HelpContextID", item.helpId);
        }
        if (def.clearsStatusLine)
            connect(menu, &QMenu::aboutToShow, this, [this] { DisplayMsg(QString(), QString()); });
        if (QLatin1String(def.name) == QLatin1String("mnuWindows"))
            connect(menu, &QMenu::aboutToShow, this, [this, menu] {
                fillWindowList(menu);
                updateActions();
            });
    }
}

void MdiMain::shareAccessKeys() {
    const QMdiSubWindow* active = mdiArea_->activeSubWindow();
    const QSet<QKeySequence> taken =
        active && active->widget() ? accessKeysOf(*active->widget()) : QSet<QKeySequence>();
    for (const MenuDef& def : menuTable()) {
        QAction* title = menuItem(QString::fromUtf8(def.name));
        if (!title)
            continue;
        const QString caption = QString::fromUtf8(def.caption);
        title->setText(taken.contains(QKeySequence::mnemonic(caption)) ? withoutAccessKey(caption) : caption);
    }
    // A control enabled or disabled, shown or hidden later takes or gives back its key.
    QWidget* window = active ? active->widget() : nullptr;
    if (window && window != keysWatched_) {
        for (const KeyedControl& c : keyedControls(*window))
            c.target->installEventFilter(this);
    }
    keysWatched_ = window;
}

bool MdiMain::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if ((type == QEvent::EnabledChange || type == QEvent::ShowToParent || type == QEvent::HideToParent) &&
        !keysPending_) {
        // One share for all the controls a change reaches (disabling a frame disables each of
        // its controls).
        keysPending_ = true;
        QMetaObject::invokeMethod(
            this,
            [this] {
                keysPending_ = false;
                shareAccessKeys();
            },
            Qt::QueuedConnection);
    }
    return QMainWindow::eventFilter(watched, event);
}

QAction* MdiMain::addItem(QAction* action, const char* name, unsigned needs, Shown shown) {
    const QString itemName = QString::fromUtf8(name);
    action->setObjectName(itemName);
    connect(action, &QAction::triggered, this, [this, itemName] { runCommand(itemName); });
    items_.push_back({action, itemName, needs, shown});
    return action;
}

void MdiMain::registerOwnCommands() {
    const std::pair<const char*, Commands::Handler> own[] = {
        {"mnuDisplayDBpath", [this] { DisplayMsg(QString::fromStdString(GetPrivateString("DB_Path"))); }},
        {"mnuExit", [this] { close(); }},
        {"mnuSelectCompany", [this] { selectCompany(); }},
        {"mnuPassWord", [this] { enablePassword(); }},
        {"mnudisablePwd", [this] { disablePassword(); }},
        {"MnuCascade", [this] { cascade(); }},
        {"mnuTileVertical", [this] { tileVertical(); }},
    };
    for (const auto& [name, handler] : own) {
        ownCommands_.push_back(QString::fromUtf8(name));
        commands().add(ownCommands_.back(), handler);
    }
}

// The menu commands report their own failures; one that escapes is still shown.
void MdiMain::runCommand(const QString& name) {
    runWithErrorBox(QStringLiteral("Error in ") + name + QStringLiteral(". "), [&] { commands().run(name); });
}

void MdiMain::updateActions() {
    const ActionInputs inputs = programActionInputs(childWindows_->anyOpen());
    for (const Item& item : items_) {
        const ActionState state = actionState(item.needs, item.shown, commands().contains(item.name), inputs);
        item.action->setVisible(state.visible);
        item.action->setEnabled(state.enabled);
    }
}

void MdiMain::makeRoomForChild(const TwipsSize& child, const QRect& available) {
    if (child.width <= 0 || child.height <= 0)
        return;
    // The child's frame as ChildWindows gives a window of fixed size (a child window without a
    // parent would have no title bar).
    QWidget holder;
    QMdiSubWindow probe(&holder);
    probe.setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                         Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    auto* contents = new QWidget;
    contents->setFixedSize(twipsToPixelsX(*this, child.width), twipsToPixelsY(*this, child.height));
    probe.setWidget(contents);
    const QSize frame = probe.minimumSizeHint().expandedTo(probe.sizeHint());
    // Around it the area's own frame, the menu bar above and the status line below.
    const int areaFrame = 2 * mdiArea_->frameWidth();
    const QSize needed(frame.width() + areaFrame, menuBar()->sizeHint().height() + frame.height() +
                                                      areaFrame + pictStatusBar_->sizeHint().height());
    resize(size().expandedTo(needed));
    fitWindowToScreen(*this, available);
}

void MdiMain::enablePassword() {
    if (!confirmPasswordChange(QStringLiteral("Enable Password Protection")))
        return;
    setEnablePwd(QStringLiteral("Y"));
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
    setEnablePwd(QStringLiteral("N"));
    DisplayMsg(QStringLiteral("Password Protection Disabled."), QString());
}

void MdiMain::selectCompany() {
    // An asset form left open would show, and save into, the previous company's asset.
    if (AssetEntryServices* assets = subsystems().assetEntry; assets && !assets->unloadAsset())
        return;
    pickCompany();
}

// The child windows an arrangement moves: those shown and not minimized.
QList<QMdiSubWindow*> MdiMain::arrangedWindows() const {
    QList<QMdiSubWindow*> windows;
    for (QMdiSubWindow* w : childWindows_->list())
        if (w->isVisible() && !w->isMinimized())
            windows.append(w);
    return windows;
}

// One behind the other, each a title bar's height below and to the right of the one before, the
// active window in front. Each keeps its size (Qt's own cascade sizes a window by what its
// contents hint, and the forms, placed without layouts, hint none, so they would shrink to their
// title bars), but for a window that may be resized and would reach past the right edge of the
// area: it is made narrower to end there. A window that would reach past the bottom of the area
// starts again at the top.
void MdiMain::cascade() {
    QList<QMdiSubWindow*> windows = arrangedWindows();
    if (windows.isEmpty())
        return;
    if (QMdiSubWindow* active = mdiArea_->activeSubWindow(); windows.removeOne(active))
        windows.append(active);
    const int step = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, windows.first());
    const QSize area = mdiArea_->viewport()->size();
    int offset = 0;
    for (QMdiSubWindow* w : windows) {
        w->showNormal();
        if (offset > 0 && offset + w->height() > area.height())
            offset = 0;
        if (const int room = area.width() - offset;
            w->width() > room && w->minimumWidth() < w->maximumWidth())
            w->resize(std::max(room, w->minimumWidth()), w->height());
        w->move(offset, offset);
        w->raise();
        offset += step;
    }
    mdiArea_->setActiveSubWindow(windows.last());
}

// Side by side: each window the full height of the area and an equal share of its width.
void MdiMain::tileVertical() {
    const QList<QMdiSubWindow*> windows = arrangedWindows();
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
    const QList<QMdiSubWindow*> windows = childWindows_->list();
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
    if (childWindows_->closeAll()) {
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
    const QString lead = QStringLiteral("Error in MDIForm_Unload. ");
    if (ProgramServices* program = subsystems().program)
        runWithErrorBox(lead, [program] { program->HHClose(); });
    SaveWindowPosition(*this);
    SaveLastCompany();
    runWithErrorBox(lead, [] { db().Disconnect(); });
    emit unloaded();
}

} // namespace qel
