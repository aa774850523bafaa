// The desktop program's entry point.
#include "app/shell/MdiMain.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    qel::MdiMain window;
    window.show();
    return app.exec();
}
