// The registry of the menu items' handlers.
#include "app/shell/Commands.h"

namespace qel {

void Commands::add(const QString& itemName, Handler handler) {
    handlers_[itemName] = std::move(handler);
    emit changed();
}

void Commands::addKind(MenuAction kind, const KindHandler& handler) {
    for (const MenuDef& menu : menuTable())
        for (const MenuItemDef& item : menu.items)
            if (item.action == kind)
                handlers_[QString::fromUtf8(item.name)] =
                    [handler, argument = QString::fromUtf8(item.argument)] { handler(argument); };
    emit changed();
}

void Commands::remove(const QString& itemName) {
    if (handlers_.erase(itemName))
        emit changed();
}

void Commands::clear() {
    handlers_.clear();
    emit changed();
}

bool Commands::contains(const QString& itemName) const {
    return handlers_.count(itemName) != 0;
}

bool Commands::run(const QString& itemName) const {
    const auto it = handlers_.find(itemName);
    if (it == handlers_.end())
        return false;
    // A copy: the handler may replace or remove itself while it runs.
    const Handler handler = it->second;
    handler();
    return true;
}

Commands& commands() {
    static Commands registry;
    return registry;
}

} // namespace qel
