// The fixture of the desktop program's tests: a fresh database copy (with the INI file, the
// settings folder and the documents folder in its temporary folder), scripted dialogs, and the
// program state, the subsystem registry and the menu commands emptied before and after; and the
// status line's colour and a combo box's entries.
#pragma once

#include "app/shell/Commands.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "app/shell/UserSettings.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/ScriptedUiServices.h"

#include <QComboBox>
#include <QLabel>
#include <QStringList>

namespace qel::test {

struct ShellFixture {
    ShellFixture() { reset(); }
    // On a copy of another built database (the sample one) instead of the shipped one.
    explicit ShellFixture(const std::filesystem::path& database) : fresh(database) { reset(); }
    ~ShellFixture() { reset(); }
    ShellFixture(const ShellFixture&) = delete;
    ShellFixture& operator=(const ShellFixture&) = delete;

    static void reset() {
        // The program state as at program start.
        setCurrentCompany(0, QString());
        setWorkingYear(0);
        setEnablePwd(QString());
        setNewFromCompanyPicker(false);
        setLimitedLogon(false);
        subsystems() = Subsystems();
        commands().clear();
    }

    // A stored per-user setting of the product, or "(none)".
    static QString stored(const QString& key, const QString& app = QStringLiteral("Qel Corvane 3.0")) {
        return GetSetting(app, QStringLiteral("Settings"), key, QStringLiteral("(none)"));
    }
    static void store(const QString& key, const QString& value,
                      const QString& app = QStringLiteral("Qel Corvane 3.0")) {
        SaveSetting(app, QStringLiteral("Settings"), key, value);
    }

    FreshDatabase fresh;
    ScriptedUiServices ui;
};

// The colour of the main window's status line.
inline QColor statusColour(const MdiMain& w) {
    return w.statusLabel()->palette().color(QPalette::WindowText);
}

// The texts of a combo box's entries, in order.
inline QStringList comboEntries(const QComboBox& cbo) {
    QStringList out;
    for (int i = 0; i < cbo.count(); ++i)
        out << cbo.itemText(i);
    return out;
}

} // namespace qel::test
