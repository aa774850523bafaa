// ChildWindows: the main window's child windows (its QMdiArea), in the one place that opens,
// brings forward, lists and closes them.
//
// A window that exists once (the asset form, the maintenance window, the rich-text viewer) is
// opened by a key: asking again for an open key brings that window to the front and makes no
// second one. Report windows, of which each request opens a new one, are added without a key.
// Windows close through close(), so a window with unsaved edits can refuse (its closeEvent
// ignores the event). Contents of a fixed size get a frame without a maximize box. Esc that no
// control of a window used closes it, as its close box does; a window whose Cancel does
// something else (the maintenance window's UnDo) takes Esc itself first.
//
// While a child window is active its access keys (Alt and the underlined letter of a caption)
// are its own: a menu title of the main window with the same letter loses its underline, and
// with it the key, until the window is left; the other titles keep theirs.
#pragma once

#include <QList>
#include <QObject>
#include <QString>

#include <functional>

class QMdiArea;
class QMdiSubWindow;
class QWidget;

namespace qel {

class ChildWindows : public QObject {
    Q_OBJECT
public:
    explicit ChildWindows(QMdiArea& area, QObject* parent = nullptr);

    // The child window of that key, brought to the front when it is open; otherwise `make`
    // builds its contents, which are shown as a new child window under the key.
    QMdiSubWindow* open(const QString& key, const std::function<QWidget*()>& make);
    // Shows the contents as a new child window without a key.
    QMdiSubWindow* add(QWidget* contents);
    // The open child window of that key, or nullptr.
    QMdiSubWindow* find(const QString& key) const;

    // The open child windows in the order they were opened.
    QList<QMdiSubWindow*> list() const;
    bool anyOpen() const { return !list().isEmpty(); }

    // Closes the child windows one by one, in the order they were opened, through close(). Stops
    // at the first window that refuses, brings it to the front and returns it; nullptr when all
    // have closed.
    QMdiSubWindow* closeAll();

signals:
    // A child window was opened or closed.
    void changed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QMdiSubWindow* show(QMdiSubWindow* window);

    QMdiArea& area_;
};

} // namespace qel
