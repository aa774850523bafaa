// mdiMain: the program's main window, an MDI frame for every form and report window.
#pragma once

#include <QMainWindow>

class QMdiArea;

namespace qel {

class MdiMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MdiMain(QWidget* parent = nullptr);

    QMdiArea* mdiArea() const { return mdiArea_; }

private:
    QMdiArea* mdiArea_;
};

} // namespace qel
