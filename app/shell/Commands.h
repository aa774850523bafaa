// Commands: the handlers of the menu items, registered by name. The main window runs an item's
// handler when the item is chosen (inside the error box "Error in <item name>. "); an item
// without a registered handler is disabled.
//
// The main window registers its own items (Exit, Set Company, the password switch, Display
// Database Path, Cascade, Tile Vertical); registering a subsystem's services registers the items
// that reach them (Subsystems.h); a subsystem may add handlers of its own the same way. The menu
// table (MenuTable.h) keeps the items' names, captions, help ids and needs.
#pragma once

#include "app/shell/MenuTable.h"

#include <QObject>
#include <QString>

#include <functional>
#include <map>

namespace qel {

class Commands : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void()>;
    // The handler of every item of one kind; it receives the item's argument (a report, export
    // or table name).
    using KindHandler = std::function<void(const QString& argument)>;

    // Registers the item's handler, replacing the one registered before.
    void add(const QString& itemName, Handler handler);
    // Registers one handler for every item of the menu table whose action is `kind`, e.g. every
    // Table item with the maintenance window's opening.
    void addKind(MenuAction kind, const KindHandler& handler);
    void remove(const QString& itemName);
    // Forgets every handler.
    void clear();

    bool contains(const QString& itemName) const;
    // Runs the item's handler; false when none is registered. The handler's failures leave it.
    bool run(const QString& itemName) const;
    // Says that what the items need may have changed (a subsystem's services were registered
    // without a handler of their own), so the main window derives every item's state again.
    void notifyChanged() { emit changed(); }

signals:
    // A handler was registered or removed, or notifyChanged was called.
    void changed();

private:
    std::map<QString, Handler> handlers_;
};

// The program's one registry.
Commands& commands();

} // namespace qel
