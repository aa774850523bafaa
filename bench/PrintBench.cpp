// Printing a report window's list to a PDF file: a worksheet-like list of 1,000 and 10,000 rows
// (eleven columns, portrait tier 3 widths) through the program's printer, its heading on every
// page. Counters: rows per second and the time per row ("us/row"), which stays flat when the
// time grows linearly, and beside it the floor measured in the same run: the same number of
// lines of the same texts drawn to a PDF file with one drawText each, with a page every 51 lines.
#include "app/printing/PrinterSurface.h"
#include "app/printing/ProgramPrinter.h"
#include "app/printing/rules/ListPrinting.h"
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "tests/testsupport/FreshDatabase.h"

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>

#include <chrono>
#include <filesystem>
#include <string>

namespace {

// The list of a depreciation worksheet of `rows` assets.
qel::ReportList worksheet(std::int64_t rows) {
    using qel::CellAlign;
    qel::ReportList list;
    const struct {
        const char* title;
        std::int32_t width;
        CellAlign align;
    } columns[] = {
        {"Method", 800, CellAlign::Left},         {"Description", 3600, CellAlign::Left},
        {"Asset #  ", 900, CellAlign::Right},     {"In Service", 1130, CellAlign::Left},
        {"Asset Cost ", 1243, CellAlign::Right},  {"Percent", 750, CellAlign::Right},
        {"Cost Basis", 1200, CellAlign::Right},   {"Conv", 550, CellAlign::Left},
        {"Life", 500, CellAlign::Right},          {"Accum Depr", 1100, CellAlign::Right},
        {"Depreciation", 1200, CellAlign::Right},
    };
    for (const auto& c : columns)
        list.addColumn({c.title, c.width, c.align, 202});
    list.reserveRows(static_cast<std::size_t>(rows));
    for (std::int64_t i = 1; i <= rows; ++i) {
        qel::ReportRow row = list.appendRow();
        const std::string n = std::to_string(i);
        const char* texts[] = {"MACRS",  "Asset", "",    "03/2010", "12,345", "100",
                               "12,345", "HY",    "7.0", "4,321",   "1,234"};
        for (std::size_t c = 0; c < row.cellCount(); ++c)
            row.set(c, texts[c]);
        row.set(1, "Asset " + n);
        row.set(2, n);
    }
    return list;
}

double secondsOf(const std::function<void()>& body) {
    const auto start = std::chrono::steady_clock::now();
    body();
    return qel::bench::secondsSince(start);
}

// The floor: the rows' texts drawn to a PDF file, one drawText per line. Seconds, best of three.
double drawFloor(const qel::ReportList& list, const std::string& path) {
    double best = 1e9;
    for (int i = 0; i < qel::bench::floorTimings(); ++i) {
        best = std::min(best, secondsOf([&] {
                            QPdfWriter pdf(QString::fromStdString(path));
                            QPainter painter(&pdf);
                            painter.setFont(QFont(QStringLiteral("Courier New"), 8));
                            const int line = painter.fontMetrics().height();
                            int y = line;
                            int onPage = 0;
                            for (std::size_t row = 0; row < list.rowCount(); ++row) {
                                if (onPage == 51) {
                                    pdf.newPage();
                                    y = line;
                                    onPage = 0;
                                }
                                std::string text;
                                for (std::size_t c = 0; c < list.columnCount(); ++c)
                                    (text += list.text(row, c)) += "  ";
                                painter.drawText(0, y, QString::fromStdString(text));
                                y += line;
                                ++onPage;
                            }
                        }));
    }
    return best;
}

void BM_PrintList(benchmark::State& state) {
    qel::test::TempFolder folder;
    const std::string path = (folder.path() / "list.pdf").string();
    const qel::ReportList list = worksheet(state.range(0));
    const auto tier = qel::printing::chooseListTier(qel::printing::columnWidths(list));
    qel::bench::resetPeakMemory();
    double seconds = 0;
    for (auto _ : state) {
        seconds += secondsOf([&] {
            qel::printing::ProgramPrinter printer;
            printer.printer.setOutputFormat(QPrinter::PdfFormat);
            printer.printer.setOutputFileName(QString::fromStdString(path));
            qel::printing::PrinterSurface surface(printer);
            qel::printing::printList(surface, list, *tier, "2012 - Depreciation WorkSheet for Harbour Supply",
                                     qel::Date(2012, 3, 7), [](const std::string&) {});
        });
    }
    const double rows = static_cast<double>(state.range(0));
    const double mean = seconds / static_cast<double>(state.iterations());
    const double floor = drawFloor(list, (folder.path() / "floor.pdf").string());
    state.counters["rows/s"] = rows / mean;
    state.counters["us/row"] = mean * 1e6 / rows;
    state.counters["floor ms"] = floor * 1e3;
    state.counters["x floor"] = mean / floor;
    state.counters["tier"] = tier->number;
    state.counters["peak MB"] = qel::bench::peakMB();
}

} // namespace

BENCHMARK(BM_PrintList)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000}, {.minTime = 2})->Unit(benchmark::kMillisecond);
});

int main(int argc, char** argv) {
    // Fonts and the printer need the application object; no window is shown.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    return qel::bench::runBenchmarks(argc, argv);
}
