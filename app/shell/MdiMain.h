// mdiMain: the program's one main window, an MDI frame for the report windows, with the menu
// bar from which every command starts and the status line at its bottom edge.
//
// Its caption is the application title at load and, from the moment a company is known, the
// title followed by " for - " and the current company name. Closing it by any means runs the
// shut-down once: help closed, the position saved (normal state only), the last company and
// the password switch saved, the database disconnected.
#pragma once

#include <QMainWindow>

#include <cstdint>

class QAction;
class QCloseEvent;
class QResizeEvent;
class QFrame;
class QLabel;
class QMdiArea;
class QMenu;

namespace qel {

struct MenuDef;
struct MenuItemDef;

class MdiMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MdiMain(QWidget* parent = nullptr);
    ~MdiMain() override;

    // The main window in use, or nullptr when there is none.
    static MdiMain* instance();

    QMdiArea* mdiArea() const { return mdiArea_; }
    QLabel* statusLabel() const { return lblStatusBar_; }
    // A menu item (or menu) by its name, e.g. "mnuUsers"; nullptr when there is none.
    QAction* menuItem(const QString& name) const;

    // Writes the message on the status line; colour is an RGB colour number as text (255 red,
    // 0 black) or empty for green (32768). An empty message clears the line. A colour that is
    // no number shows the message, then the error box, and the colour stays as it was.
    void DisplayMsg(const QString& message, const QString& colour = {});

    // Caption: the application title, " for - " and the company name.
    void setCompanyCaption(const QString& companyName);

    // Shows "Disable Password" and hides "Enable Password" when the switch is "Y"; otherwise
    // shows "Enable Password" and hides "User Maint". The other item keeps its visibility.
    void applyPasswordSwitch(const QString& enablePwd);

    // Enables each menu item whose subsystems are registered (Subsystems.h), disables the rest.
    void updateMenuAvailability();

    // The menu commands (also reachable by their items).
    void enablePassword();
    void disablePassword();
    void deleteLastPeriod();
    void selectCompany();
    void tileVertical();

signals:
    // The shut-down has run; the program may end.
    void unloaded();

protected:
    void closeEvent(QCloseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void buildMenus();
    void addItem(QMenu* menu, const MenuItemDef& item);
    void runItem(const MenuItemDef& item);
    void runCommand(const QString& name);
    void folderCheck();
    void showPasswordItems(bool protectionOn);
    void fillWindowList(QMenu* menu);
    void unload();
    void keepMinimumSize();

    QMdiArea* mdiArea_;
    QFrame* pictStatusBar_;
    QLabel* lblStatusBar_;
    bool unloaded_ = false;
};

// DisplayMsg on the main window's status line; nothing when there is no main window.
void DisplayMsg(const QString& message, const QString& colour = {});

// The RGB colour number of the status line (red in the lowest byte, then green, then blue).
QColor colourOfNumber(std::int32_t rgb);

} // namespace qel
