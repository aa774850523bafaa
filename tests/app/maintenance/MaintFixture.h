// The fixture of the maintenance window's tests: the shell's fixture (database copy, scripted
// dialogs), the maintenance subsystem registered as main() does, the sample company chosen, the
// real main window; with helpers that open a table from its menu item, type into the edit fields
// as a user does and read the list.
#pragma once

#include "app/maintenance/FrmMaint.h"
#include "app/maintenance/Maintenance.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/ComboRoutines.h"
#include "app/shell/ProgramState.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/testsupport/EventWait.h"

#include <QAbstractItemModel>
#include <QAbstractItemView>
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>

#include <memory>

namespace qel::test {

struct MaintFixture : ShellFixture {
    MaintFixture() {
        registerMaintenance(parts);
        setCurrentCompany(1, QStringLiteral("Sample Company"));
        // "User Maint" shows only with password protection on.
        setEnablePwd(QStringLiteral("Y"));
        window = std::make_unique<MdiMain>();
        window->show();
        // Keys reach the window's shortcuts (Esc, Enter) and focus only in the active window.
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get(), kEventWaitMs));
    }
    ~MaintFixture() { window.reset(); }

    // Chooses the menu item; the maintenance window it opened.
    FrmMaint* open(const char* item) {
        QAction* action = window->menuItem(item);
        if (!action || !action->isEnabled())
            return nullptr;
        action->trigger();
        return maint();
    }
    FrmMaint* maint() const { return window->findChild<FrmMaint*>(); }

    // Types into edit field i as a user does: selects what it holds and types over it.
    static void type(FrmMaint& w, int i, const QString& text) {
        QLineEdit* field = w.editControls().mskEdit.at(static_cast<std::size_t>(i));
        field->setFocus();
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else
            QTest::keyClicks(field, text);
    }
    // Chooses an entry of pick list i as a user does.
    static void pick(FrmMaint& w, int i, const QString& text) {
        QComboBox* combo = w.editControls().cboEdit.at(i);
        QTest::mouseClick(combo, Qt::LeftButton); // opening the list marks the record changed
        combo->hidePopup();
        const int index = combo->findText(text);
        QVERIFY2(index >= 0, qPrintable(text));
        combo->setCurrentIndex(index);
        emit combo->activated(index);
    }
    // Clicks the list row whose first cell is `first`.
    static void clickRow(FrmMaint& w, const QString& first) {
        QAbstractItemView& list = w.lvMain();
        for (int r = 0; r < list.model()->rowCount(); ++r) {
            const QModelIndex index = list.model()->index(r, 0);
            if (index.data().toString() == first) {
                list.setCurrentIndex(index);
                emit list.clicked(index);
                return;
            }
        }
        QFAIL(qPrintable("no row " + first));
    }
    // The cells of one column, top to bottom, as shown.
    static QStringList column(FrmMaint& w, int c) {
        QStringList out;
        const QAbstractItemModel& m = *w.lvMain().model();
        for (int r = 0; r < m.rowCount(); ++r)
            out << m.index(r, c).data().toString();
        return out;
    }
    static QStringList fieldTexts(FrmMaint& w) {
        QStringList out;
        for (int i = 0; i < static_cast<int>(w.editControls().mskEdit.size()); ++i)
            out << w.fieldText(i);
        return out;
    }
    static QColor colourOf(const QWidget& w) { return w.palette().color(QPalette::WindowText); }

    SubsystemParts parts;
    std::unique_ptr<MdiMain> window;
};

} // namespace qel::test
