// The main window.
#include "app/shell/MdiMain.h"

#include <QMdiArea>

namespace qel {

MdiMain::MdiMain(QWidget* parent) : QMainWindow(parent), mdiArea_(new QMdiArea(this)) {
    setObjectName("mdiMain");
    setWindowTitle("Qel Corvane");
    setCentralWidget(mdiArea_);
}

} // namespace qel
