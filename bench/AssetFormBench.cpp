// The asset form over a company of 1,000, 10,000 and 100,000 assets, offscreen:
// - BM_OpenAssetForm: the main window's Assets item opens the window with every list and the
//   picker filled, until it is shown; beside the floor, the picker's query alone ("floor ms"),
//   best of three, and the window's time as a multiple of it ("x floor");
// - BM_PickerKey: typing the start of a description near the end of the list ("Asset 0999" of
//   100,000) into the picker from a freshly filled list, each key completed from the list (the
//   first from every entry); "ms/key" is the mean wait after one key, "first key ms" the
//   wait after the first.
#include "app/assets/Assets.h"
#include "app/assets/FrmAsset.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/Subsystems.h"
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "server/support/CompanyPersist.h"
#include "tests/testsupport/FreshDatabase.h"
#include "tests/testsupport/ScriptedUiServices.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTest>

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>

namespace {

constexpr std::int32_t kCompany = 1;

// Adds `count` assets of the company, "Asset 000001" on, in one statement.
void generate(qel::test::FreshDatabase& fresh, std::int64_t count) {
    fresh.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " +
               std::to_string(count) +
               ") INSERT INTO tblAssets (Company_Id, Asset_name, Cost, depr_method, life, In_Service_date,"
               " fiscal_start_date) SELECT " +
               std::to_string(kCompany) +
               ", 'Asset ' || printf('%06d', i), 1000 + i % 97, 1, 7, date('2000-01-01', '+' || (i % 300) || "
               "' months'), date('2000-01-01', '+' || (i % 300) || ' months') FROM n");
}

// The floor: the picker's query alone, best of three.
double pickerQuerySeconds() {
    double best = 1e9;
    for (int i = 0; i < qel::bench::floorTimings(); ++i) {
        const auto start = std::chrono::steady_clock::now();
        benchmark::DoNotOptimize(qel::CompanyPersist().GetAssetList(kCompany, 0).RecordCount());
        best = std::min(best, qel::bench::secondsSince(start));
    }
    return best;
}

// The program as main() makes it: asset entry registered, the main window shown, a company chosen.
struct Program {
    explicit Program(std::int64_t assets) {
        generate(fresh, assets);
        qel::registerAssets(parts);
        qel::setWorkingYear(2025);
        qel::setCurrentCompany(kCompany, QStringLiteral("Sample Company"));
        main.show();
    }
    ~Program() { qel::subsystems() = qel::Subsystems(); }

    qel::assets::FrmAsset* openForm() {
        main.menuItem("mnuAssetMaint")->trigger();
        auto* entry = static_cast<qel::assets::AssetEntry*>(qel::subsystems().assetEntry);
        return entry->form();
    }

    void closeForm() {
        qel::subsystems().assetEntry->unloadAsset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    qel::test::FreshDatabase fresh;
    qel::test::ScriptedUiServices ui;
    qel::SubsystemParts parts;
    qel::MdiMain main;
};

void BM_OpenAssetForm(benchmark::State& state) {
    Program program(state.range(0));
    qel::bench::resetPeakMemory();
    double seconds = 0;
    std::int64_t opens = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        qel::assets::FrmAsset* form = program.openForm();
        QCoreApplication::processEvents();
        benchmark::DoNotOptimize(form->cboAssets->count());
        seconds += qel::bench::secondsSince(start);
        ++opens;
        state.PauseTiming();
        program.closeForm();
        state.ResumeTiming();
    }
    const double floorSeconds = pickerQuerySeconds();
    state.counters["floor ms"] = floorSeconds * 1e3;
    state.counters["x floor"] = seconds / static_cast<double>(opens) / floorSeconds;
    state.counters["peak MB"] = qel::bench::peakMB();
}

void BM_PickerKey(benchmark::State& state) {
    Program program(state.range(0));
    qel::assets::FrmAsset* form = program.openForm();
    program.main.activateWindow();
    if (!QTest::qWaitForWindowActive(&program.main)) {
        state.SkipWithError("the main window does not become active");
        return;
    }
    form->cboAssets->setFocus();
    qel::bench::resetPeakMemory();
    // The first four digits of an asset near the end of the list.
    const QString typed = QStringLiteral("Asset ") +
                          QStringLiteral("%1").arg(state.range(0) - 50, 6, 10, QLatin1Char('0')).left(4);
    double seconds = 0;
    double firstKey = 0;
    std::int64_t keys = 0;
    std::int64_t runs = 0;
    for (auto _ : state) {
        state.PauseTiming();
        // A refilled picker: the completer starts without what it matched before.
        form->GetAssetList();
        form->cboAssets->clearEditText();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        QTest::keyClick(form->cboAssets, typed.at(0).toLatin1());
        firstKey += qel::bench::secondsSince(start);
        QTest::keyClicks(form->cboAssets, typed.mid(1));
        seconds += qel::bench::secondsSince(start);
        keys += typed.size();
        ++runs;
    }
    // The last key's completion: the first asset whose description starts with the typed text.
    if (form->cboAssets->currentText().size() <= typed.size() ||
        !form->cboAssets->currentText().startsWith(typed))
        state.SkipWithError("typing completed nothing");
    state.counters["ms/key"] = seconds * 1e3 / static_cast<double>(keys);
    state.counters["first key ms"] = firstKey * 1e3 / static_cast<double>(runs);
    state.counters["peak MB"] = qel::bench::peakMB();
}

} // namespace

BENCHMARK(BM_OpenAssetForm)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000})->Unit(benchmark::kMillisecond);
});
BENCHMARK(BM_PickerKey)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 100'000})->Unit(benchmark::kMillisecond);
});

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    return qel::bench::runBenchmarks(argc, argv);
}
