// The main window's child windows.
#include "app/shell/ChildWindows.h"

#include <QKeyEvent>
#include <QLayout>
#include <QMdiArea>
#include <QMdiSubWindow>

namespace qel {
namespace {

const char* kKey = "qelChildKey";

} // namespace

ChildWindows::ChildWindows(QMdiArea& area, QObject* parent) : QObject(parent), area_(area) {}

QMdiSubWindow* ChildWindows::open(const QString& key, const std::function<QWidget*()>& make) {
    if (QMdiSubWindow* open = find(key)) {
        open->showNormal();
        area_.setActiveSubWindow(open);
        return open;
    }
    QMdiSubWindow* window = area_.addSubWindow(make());
    window->setProperty(kKey, key);
    return show(window);
}

QMdiSubWindow* ChildWindows::add(QWidget* contents) {
    return show(area_.addSubWindow(contents));
}

QMdiSubWindow* ChildWindows::show(QMdiSubWindow* window) {
    // Contents of a fixed size (a form table's FixedChild) get a frame the user cannot size,
    // with a minimize box and no maximize box.
    if (const QWidget* contents = window->widget();
        contents && contents->minimumSize() == contents->maximumSize()) {
        window->setWindowFlags(Qt::SubWindow | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                               Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                               Qt::WindowCloseButtonHint);
        if (QLayout* layout = window->layout())
            layout->setSizeConstraint(QLayout::SetFixedSize);
    }
    // A closed window is deleted (addSubWindow sets WA_DeleteOnClose), so the list and the keys
    // never hold it.
    connect(window, &QObject::destroyed, this, &ChildWindows::changed);
    window->installEventFilter(this);
    window->show();
    area_.setActiveSubWindow(window);
    emit changed();
    return window;
}

bool ChildWindows::eventFilter(QObject* watched, QEvent* event) {
    // An Esc reaches the frame only when no control in the window used it.
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape &&
        static_cast<QKeyEvent*>(event)->modifiers() == Qt::NoModifier) {
        if (auto* window = qobject_cast<QMdiSubWindow*>(watched)) {
            window->close();
            return true;
        }
    }
    return QObject::eventFilter(watched, event);
}

QMdiSubWindow* ChildWindows::find(const QString& key) const {
    for (QMdiSubWindow* window : list())
        if (window->property(kKey).toString() == key)
            return window;
    return nullptr;
}

QList<QMdiSubWindow*> ChildWindows::list() const {
    return area_.subWindowList(QMdiArea::CreationOrder);
}

QMdiSubWindow* ChildWindows::closeAll() {
    for (QMdiSubWindow* window : list()) {
        if (!window->close()) {
            area_.setActiveSubWindow(window);
            return window;
        }
    }
    emit changed();
    return nullptr;
}

} // namespace qel
