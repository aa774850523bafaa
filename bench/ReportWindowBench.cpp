// The "Depreciation WorkSheet" window over the generated companies of 1,000, 10,000 and 100,000
// assets (ReportCompany.h), opened, scrolled and sorted as a user does in the main window
// (offscreen), beside the time of its query alone (the floor).
//
// Open: DoReports from the query to the window on screen, which should take under 2 s at 100,000
// assets, beside the query's own time ("query ms", and "x query"). Scroll: one page down the list
// repainted, twenty pages from the top, beside a repaint of the page in place ("paint ms"). Sort:
// the cost column sorted ascending then descending, beside a stable sort of as many plain
// doubles ("floor ms", and "x floor"). "us/row" grows with the rows only when the work does not
// stay linear. Each benchmark gives its peak memory ("peak MB"); the open gives it beside the
// size of the values its query returned ("answer MB") and the memory resident before it
// ("before MB"), of which "sqlite MB" is SQLite's (the connection's page cache, filled by
// generating the company): the window's own share is "peak MB" less "before MB". While the
// window fills its list, the query's recordset ("recordset MB", as the data server holds the
// answer) is held too; "list MB" is what the window keeps of the report once open: its list's
// cells and texts.
#include "app/reports/FrmDocument.h"
#include "app/reports/Reports.h"
#include "app/shell/ChildWindows.h"
#include "app/shell/MdiMain.h"
#include "app/shell/ProgramState.h"
#include "app/shell/ReportServices.h"
#include "app/shell/Subsystems.h"
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "bench/ReportCompany.h"
#include "server/support/DeprSupport.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QTableView>

#include <chrono>
#include <memory>

namespace {

using qel::bench::kCompany;
using qel::bench::kYear;
using qel::bench::secondsSince;
using Clock = std::chrono::steady_clock;

// The program as main() makes it: the report windows registered, the main window shown. main()
// makes it inside the application object's life.
struct Program {
    Program() {
        qel::registerReports(parts);
        window = std::make_unique<qel::MdiMain>();
        window->show();
    }
    qel::SubsystemParts parts;
    std::unique_ptr<qel::MdiMain> window;
};

Program* gProgram = nullptr;

Program& program() {
    return *gProgram;
}

void useCompany(std::int64_t assets) {
    qel::bench::useCompany(assets);
    qel::setCurrentCompany(kCompany, QStringLiteral("Generated"));
}

// Opens the worksheet window; it is the program's only child window.
qel::reports::FrmDocument& openWorksheet() {
    std::int16_t book = 0;
    qel::subsystems().reports->DoReports(QStringLiteral("Depreciation WorkSheet"), kYear, QString(), book);
    QApplication::processEvents();
    return *dynamic_cast<qel::reports::FrmDocument*>(
        program().window->childWindows().list().back()->widget());
}

// Closes the windows and deletes them, as the event loop would after the close: otherwise each
// window opened stays in memory until the program ends.
void closeAll() {
    program().window->childWindows().closeAll();
    QApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

// The query's time, the size of what it returned, and the memory its recordset holds.
struct QueryAlone {
    double seconds = 0;
    double answerMB = 0;
    double recordsetMB = 0;
};

QueryAlone queryAlone() {
    const auto start = Clock::now();
    const qel::Recordset rs = qel::DeprSupport().GetAssetWrkSheet(kCompany, kYear);
    benchmark::DoNotOptimize(rs.RecordCount());
    return {secondsSince(start), qel::bench::answerMB(rs), qel::bench::heldMB(rs)};
}

void BM_OpenWorksheet(benchmark::State& state) {
    useCompany(state.range(0));
    qel::bench::resetPeakMemory();
    const double before = qel::bench::residentMB();
    const double sqlite = qel::bench::sqliteMB();
    double seconds = 0;
    std::int64_t rows = 0;
    double listMB = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        const qel::reports::FrmDocument& doc = openWorksheet();
        rows = doc.lvListView->model()->rowCount();
        seconds += secondsSince(start);
        state.PauseTiming();
        listMB = static_cast<double>(doc.list().heldBytes()) / (1024.0 * 1024.0);
        closeAll();
        state.ResumeTiming();
    }
    const double perOpen = seconds / static_cast<double>(state.iterations());
    state.counters["peak MB"] = qel::bench::peakMB();
    state.counters["before MB"] = before;
    state.counters["sqlite MB"] = sqlite;
    const QueryAlone query = queryAlone();
    state.counters["answer MB"] = query.answerMB;
    state.counters["recordset MB"] = query.recordsetMB;
    state.counters["list MB"] = listMB;
    state.counters["rows"] = static_cast<double>(rows);
    state.counters["query ms"] = query.seconds * 1e3;
    state.counters["x query"] = perOpen / query.seconds;
    state.counters["us/row"] = perOpen * 1e6 / static_cast<double>(rows);
}

void BM_ScrollWorksheet(benchmark::State& state) {
    useCompany(state.range(0));
    qel::bench::resetPeakMemory();
    QTableView& view = *openWorksheet().lvListView;
    QScrollBar& bar = *view.verticalScrollBar();
    constexpr int kPages = 20;
    double seconds = 0;
    for (auto _ : state) {
        bar.setValue(0);
        const auto start = Clock::now();
        for (int page = 0; page < kPages; ++page) {
            bar.setValue(bar.value() + bar.pageStep());
            view.viewport()->repaint();
        }
        seconds += secondsSince(start);
    }
    // The floor: the same page painted again where it stands.
    const auto start = Clock::now();
    for (int page = 0; page < kPages; ++page)
        view.viewport()->repaint();
    const double paint = secondsSince(start) / kPages;
    state.counters["ms/page"] = seconds * 1e3 / static_cast<double>(state.iterations() * kPages);
    state.counters["paint ms"] = paint * 1e3;
    state.counters["peak MB"] = qel::bench::peakMB();
    closeAll();
}

void BM_SortWorksheet(benchmark::State& state) {
    useCompany(state.range(0));
    qel::bench::resetPeakMemory();
    qel::reports::FrmDocument& doc = openWorksheet();
    QAbstractItemModel& model = *doc.lvListView->model();
    double seconds = 0;
    for (auto _ : state) {
        const auto start = Clock::now();
        model.sort(4, Qt::AscendingOrder);
        model.sort(4, Qt::DescendingOrder);
        doc.lvListView->viewport()->repaint();
        seconds += secondsSince(start);
    }
    const double perSort = seconds / static_cast<double>(state.iterations() * 2);
    const double floor = qel::bench::sortFloor(model.rowCount());
    state.counters["ms/sort"] = perSort * 1e3;
    state.counters["floor ms"] = floor * 1e3;
    state.counters["x floor"] = perSort / floor;
    state.counters["us/row"] = perSort * 1e6 / static_cast<double>(model.rowCount());
    state.counters["peak MB"] = qel::bench::peakMB();
    closeAll();
}

} // namespace

BENCHMARK(BM_OpenWorksheet)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000}, {.iterations = 3})->Unit(benchmark::kMillisecond);
});
BENCHMARK(BM_ScrollWorksheet)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000})->Unit(benchmark::kMillisecond);
});
BENCHMARK(BM_SortWorksheet)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000})->Unit(benchmark::kMillisecond);
});

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    Program running;
    gProgram = &running;
    return qel::bench::runBenchmarks(argc, argv);
}
