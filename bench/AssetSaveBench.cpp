// Saving one asset with all four books through the asset form, offscreen, in the generated
// company of 1,000 and 100,000 assets (ReportCompany.h, with the State and Other books switched on
// as well): a 7-year MACRS asset with its Federal, AMT, State and Other books and their schedules
// and its description row, saved as a user clicks Save. Beside it the floor: the rows that one
// save leaves (its asset row, its yearly rows of four books, its three book rows and its
// description row) inserted again with prepared statements in one transaction, best of three;
// "ms/save" is the mean time of a save, "x floor" its multiple of the floor.
#include "app/assets/AssetLists.h"
#include "app/assets/Assets.h"
#include "app/assets/FrmAsset.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "bench/ReportCompany.h"
#include "tests/testsupport/ScriptedUiServices.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

// The program as main() makes it, on the generated company, with the asset form open.
struct Program {
    explicit Program(std::int64_t assets) {
        qel::bench::generateCompany(fresh, assets);
        fresh.exec("UPDATE tblCompany SET [State Book] = 1, [Other Book] = 1 WHERE id = " +
                   std::to_string(qel::bench::kCompany));
        qel::registerAssets(parts);
        qel::setWorkingYear(qel::bench::kYear);
        qel::setCurrentCompany(qel::bench::kCompany, QStringLiteral("Generated"));
        main.show();
        main.menuItem("mnuAssetMaint")->trigger();
        form = static_cast<qel::assets::AssetEntry*>(qel::subsystems().assetEntry)->form();
    }
    ~Program() { qel::subsystems() = qel::Subsystems(); }

    // The asset as a user types it, copied into the three books.
    void fill() const {
        form->txtDescription->setText(QStringLiteral("Benchmark press"));
        form->txtInService->setText(QStringLiteral("03/2010"));
        form->txtTagNbr->setText(QStringLiteral("B-1"));
        form->cboLocations->setCurrentIndex(0);
        form->cboAccounts->setCurrentIndex(0);
        form->txtCost->setText(QStringLiteral("12000"));
        form->cboMethod->setCurrentIndex(form->cboMethod->findText(QStringLiteral("MACRS")));
        qel::assets::PopulateLifeCbo(*form->cboLife, QStringLiteral("MACRS"));
        form->cboLife->setCurrentIndex(form->cboLife->findText(QStringLiteral("7")));
        form->txtBusinessPercent->setText(QStringLiteral("100"));
        form->cboConvention->setCurrentIndex(form->cboConvention->findText(QStringLiteral("Half Year")));
        form->txtOtherDeductions->setText(QStringLiteral("500"));
        form->txtBookCost->setText(QStringLiteral("12000"));
        form->txtBookLife->setText(QStringLiteral("7"));
        form->cmdCopy_Click();
    }

    qel::test::FreshDatabase fresh;
    qel::test::ScriptedUiServices ui;
    qel::SubsystemParts parts;
    qel::MdiMain main;
    qel::assets::FrmAsset* form = nullptr;
};

void BM_SaveAsset(benchmark::State& state) {
    Program program(state.range(0));
    qel::bench::resetPeakMemory();
    double seconds = 0;
    std::int64_t saves = 0;
    for (auto _ : state) {
        state.PauseTiming();
        program.fill();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        program.form->cmdSave_Click();
        seconds += qel::bench::secondsSince(start);
        ++saves;
        if (!program.form->txtDescription->text().isEmpty()) {
            state.SkipWithError("the asset was not saved");
            return;
        }
    }
    const std::string asset = program.fresh.value("SELECT max(Asset_num) FROM tblAssets").toString();
    if (program.fresh.value("SELECT count(*) FROM tblDepr WHERE asset_num = " + asset).toInt64() < 4 * 8) {
        state.SkipWithError("the saved asset lacks schedules");
        return;
    }
    const double floorSeconds = qel::bench::insertFloor(
        program.fresh.conn(), {{"tblAssets", " WHERE Asset_num = " + asset},
                               {"tblDepr", " WHERE asset_num = " + asset},
                               {"tblBookMethods", " WHERE AssetId = " + asset},
                               {"tblAssetDescription", " WHERE [Asset ID] = " + asset}});
    const double perSave = seconds / static_cast<double>(saves);
    state.counters["ms/save"] = perSave * 1e3;
    state.counters["floor ms"] = floorSeconds * 1e3;
    state.counters["x floor"] = perSave / floorSeconds;
    state.counters["peak MB"] = qel::bench::peakMB();
}

} // namespace

BENCHMARK(BM_SaveAsset)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 100'000})->Unit(benchmark::kMillisecond);
});

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return qel::bench::runBenchmarks(argc, argv);
}
