// The fixture of the vehicle window tests: the shell's fixture (fresh database, scripted
// dialogs), the report windows and the vehicles registered as main() registers them, the real
// main window and the sample company as the current company; the windows open for kVehicleYear.
#pragma once

#include "app/reports/Reports.h"
#include "app/vehicles/ModAutoUse.h"
#include "app/vehicles/Vehicles.h"
#include "tests/app/shell/ShellFixture.h"
#include "tests/app/vehicles/VehicleTestData.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <functional>

namespace qel::test {

// The subsystems main() registers before it makes the main window.
struct RegisteredParts {
    RegisteredParts() {
        registerReports(parts);
        registerVehicles(parts);
    }
    SubsystemParts parts;
};

struct VehicleFixture : ShellFixture {
    VehicleFixture() { setCurrentCompany(1, QStringLiteral("Sample Company")); }

    QString status() const { return main.statusLabel()->text(); }
    QColor statusColour() const { return test::statusColour(main); }
    std::int64_t count(const std::string& sql) const { return fresh.value(sql).toInt64(); }
    QString text(const std::string& sql) const { return QString::fromStdString(fresh.value(sql).toString()); }

    // Runs `script` on the modal window of that name each time it opens.
    template <typename Form> void whenOpen(const char* name, std::function<void(Form&)> script) {
        ui.onModal(QString::fromUtf8(name), [script](QDialog& d) { script(static_cast<Form&>(d)); });
    }

    // Chooses the menu item, answering its prompt with `answer` when one is given.
    void choose(const char* item, const QString& answer = {}) {
        if (!answer.isNull())
            ui.answerInput(answer);
        main.menuItem(QString::fromLatin1(item))->trigger();
    }

    RegisteredParts registered;
    MdiMain main;
};

// Types into a box as the user does: a key press and release for each character.
inline void type(QLineEdit* box, const QString& keys) {
    QTest::keyClicks(box, keys);
}

// The box loses the focus, as when the user moves on.
inline void leave(QWidget* box) {
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QCoreApplication::sendEvent(box, &out);
}

// Closes the window as the user does: "button" its Cancel button, "esc" the Esc key, any other
// way its title bar.
inline void closeBy(QDialog& window, QAbstractButton* cancel, const QString& how) {
    if (how == QLatin1String("button"))
        cancel->click();
    else if (how == QLatin1String("esc"))
        QTest::keyClick(&window, Qt::Key_Escape);
    else
        window.close();
}

inline QColor textColour(const QWidget* w) {
    return w->palette().color(QPalette::WindowText);
}

} // namespace qel::test
