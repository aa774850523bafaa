// The fixture of asset entry's window tests: the shell's fixture (a fresh database, scripted
// dialogs), asset entry registered as the program registers it but with a fixed date, the
// current company 1 in the working year 2025, and the real main window, whose "Assets" item
// opens the asset form.
#pragma once

#include "app/assets/Assets.h"
#include "app/assets/FrmAsset.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "tests/app/shell/ShellFixture.h"

#include <QAction>
#include <QTest>

#include <memory>

namespace qel::test {

// The date the asset form takes as today.
inline constexpr Date kToday(2025, 3, 15);

struct AssetsFixture {
    explicit AssetsFixture(assets::AssetFormWork work = {}, std::int32_t company = 1) {
        setUp(std::move(work), company);
    }
    // On a copy of another built database (the sample one).
    AssetsFixture(assets::AssetFormWork work, const std::filesystem::path& database, std::int32_t company)
        : shell(database) {
        setUp(std::move(work), company);
    }

    // Chooses Maintenance, Assets; the open asset form.
    assets::FrmAsset& open() {
        main->menuItem("mnuAssetMaint")->trigger();
        assets::FrmAsset* form = entry->form();
        if (!form)
            throw std::logic_error("the Assets item opened no asset form");
        return *form;
    }

    // The status line's text.
    QString status() const { return main->statusLabel()->text(); }

    ShellFixture shell;
    SubsystemParts parts;
    assets::AssetEntry* entry = nullptr;
    std::unique_ptr<MdiMain> main; // closed before the parts go

private:
    void setUp(assets::AssetFormWork work, std::int32_t company) {
        entry = &parts.make<assets::AssetEntry>(std::move(work), [] { return kToday; });
        registerServices(*entry);
        setWorkingYear(2025);
        setCurrentCompany(company, QStringLiteral("Company"));
        main = std::make_unique<MdiMain>();
        main->show();
    }
};

} // namespace qel::test
