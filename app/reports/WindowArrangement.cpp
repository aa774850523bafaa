// Tile Horizontal, Close All Windows and the count of report windows in sight.
#include "app/reports/WindowArrangement.h"

#include "app/shell/ChildWindows.h"
#include "app/shell/MdiMain.h"
#include "app/shell/WindowPosition.h"
#include "common/Convert.h"

#include <QMdiSubWindow>
#include <QPointer>

#include <algorithm>

namespace qel::reports {

void TileHorizontal() {
    const MdiMain* main = MdiMain::instance();
    if (!main)
        return;
    const QList<QMdiSubWindow*> windows = main->childWindows().list();
    // A window restored while another is maximized comes back maximized: the maximized one first.
    for (QMdiSubWindow* window : windows)
        if (window->isMaximized())
            window->showNormal();
    for (QMdiSubWindow* window : windows)
        if (window->isMinimized())
            window->showNormal();
    const double width = windowTwips(*main).width - kTileWidthMargin;
    double top = 0;
    for (QMdiSubWindow* window : windows) {
        setWindowLeft(*window, 0);
        setWindowTop(*window, top);
        setWindowWidth(*window, width);
        setWindowHeight(*window, std::clamp(windowTwips(*window).height, kTileMinHeight, kTileMaxHeight));
        // The height the window took: a window of fixed size keeps its own.
        top = roundHalfEven(top + windowTwips(*window).height);
    }
}

void CloseAllReports() {
    const MdiMain* main = MdiMain::instance();
    if (!main)
        return;
    // The windows open now; a closed one is deleted later, and a window's own question may let
    // events run, so each is held by a guarded pointer.
    QList<QPointer<QMdiSubWindow>> open;
    for (QMdiSubWindow* window : main->childWindows().list())
        open.append(window);
    for (const QPointer<QMdiSubWindow>& window : open)
        if (window)
            window->close();
}

std::int16_t CheckForReports() {
    std::int16_t count = 0;
    if (const MdiMain* main = MdiMain::instance())
        for (const QMdiSubWindow* w : main->childWindows().list())
            if (w->widget() && w->widget()->objectName() == QLatin1String("frmDocument") && !w->isMinimized())
                ++count;
    return count;
}

} // namespace qel::reports
