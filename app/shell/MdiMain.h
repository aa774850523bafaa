// mdiMain: the program's one main window, an MDI frame for the child windows (ChildWindows), with
// the menu bar from which every command starts and the status line at its bottom edge. While a
// child window is active, a menu title whose access key the window's controls use shows without
// its underline, so that the key is the window's; the other titles keep theirs.
//
// Each menu item runs the handler registered under its name (Commands.h); updateActions() sets
// every item's visibility and enabled state (ActionState.h) and runs whenever the program
// state, the registered handlers or the child windows change.
//
// Its caption is the application title at load and, from the moment a company is known, the
// title followed by " for - " and the current company name. Closing it by any means first
// closes the child windows (a window that refuses keeps the program open), then runs the
// shut-down once: help closed, the position saved (normal state only), the last company and
// the password switch saved, the database disconnected.
#pragma once

#include "app/shell/AssetEntryServices.h"
#include "app/shell/MenuTable.h"
#include "common/StatusColours.h"

#include <QMainWindow>
#include <QPointer>

#include <cstdint>
#include <vector>

class QAction;
class QCloseEvent;
class QResizeEvent;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;

namespace qel {

class ChildWindows;

class MdiMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MdiMain(QWidget* parent = nullptr);
    ~MdiMain() override;

    // The main window in use, or nullptr when there is none.
    static MdiMain* instance();

    QMdiArea* mdiArea() const { return mdiArea_; }
    ChildWindows& childWindows() const { return *childWindows_; }
    QLabel* statusLabel() const { return lblStatusBar_; }
    // A menu item (or menu) by its name, e.g. "mnuUsers"; nullptr when there is none.
    QAction* menuItem(const QString& name) const;

    // Writes the message on the status line; colour is an RGB colour number as text (255 red,
    // 0 black) or empty for green (32768). An empty message clears the line. A colour that is
    // no number shows the message, then the error box, and the colour stays as it was.
    void DisplayMsg(const QString& message, const QString& colour = {});

    // Caption: the application title, " for - " and the company name.
    void setCompanyCaption(const QString& companyName);

    // Sets every menu item's visibility and enabled state from the program state, the registered
    // handlers and subsystems, and the child windows.
    void updateActions();

    // Widens and heightens the window, as far as `available` (screen pixels) allows, until its
    // child area shows a child window of that client area whole, frame and all; then fits the
    // window into `available`. The window opens so when no position of its own is stored, for
    // the asset window (AssetEntryServices::assetWindowSize), on the available area of its screen.
    void makeRoomForChild(const TwipsSize& child, const QRect& available);

    // The main window's own menu commands (also reachable by their items).
    void enablePassword();
    void disablePassword();
    void selectCompany();
    void cascade();
    void tileVertical();

signals:
    // The shut-down has run; the program may end.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Watches the active child window's controls that mark access keys (shareAccessKeys).
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // A menu item with what decides its state.
    struct Item {
        QAction* action;
        QString name;
        unsigned needs;
        Shown shown;
    };

    void buildMenus();
    void shareAccessKeys();
    QList<QMdiSubWindow*> arrangedWindows() const;
    QAction* addItem(QAction* action, const char* name, unsigned needs, Shown shown);
    void registerOwnCommands();
    void runCommand(const QString& name);
    void fillWindowList(QMenu* menu);
    void unload();
    void keepMinimumSize();

    QMdiArea* mdiArea_;
    ChildWindows* childWindows_;
    QFrame* pictStatusBar_;
    QLabel* lblStatusBar_;
    std::vector<Item> items_;
    std::vector<QString> ownCommands_;
    bool unloaded_ = false;
    // The child window whose controls are watched for their keys, and whether a new share of
    // the keys is on its way.
    QPointer<QWidget> keysWatched_;
    bool keysPending_ = false;
};

// DisplayMsg on the main window's status line; nothing when there is no main window.
void DisplayMsg(const QString& message, const QString& colour = {});
// Clears the status line when it still says `message`: an instruction the user has since
// followed ("Please choose a book." once a book is chosen) must not stay on as if it still held.
void ClearMsgIfShown(const QString& message);

// The colours DisplayMsg takes (common/StatusColours.h); an empty colour is green too.
inline const QString kRed = QLatin1StringView(kStatusRed).toString();
inline const QString kGreen = QLatin1StringView(kStatusGreen).toString();
inline const QString kBlue = QLatin1StringView(kStatusBlue).toString();

// An input box (UiServices::inputBox) at the input boxes' place over the main window
// (inputBoxPosition); where the platform puts it when there is no main window.
QString InputBoxOverMain(const QString& prompt, const QString& title, const QString& proposed);

// The RGB colour number of the status line (red in the lowest byte, then green, then blue).
QColor colourOfNumber(std::int32_t rgb);

} // namespace qel
