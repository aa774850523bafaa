// A list window's sort over a recordset model of 1,000, 10,000 and 100,000 rows: one column of
// amounts, one of dates and one of names sorted through the list sort (ListSortProxy over a
// RecordsetModel, as the maintenance window shows its rows), each in turn and both ways, beside a
// stable sort of the same number of plain doubles (the floor). The best of the rounds counts, as
// the floor's best of three does, so that the load of a shared machine does not decide the ratio.
//
// Counters: the floor in milliseconds, the list's mean time of a sort as a multiple of the floor
// ("x floor", and for each column alone) and per row ("us/row", which grows only with the logarithm
// of the rows when the sort stays n log n), and the peak memory of the sorts over the list's own
// ("peak MB", "list MB").
#include "app/shell/ListSort.h"
#include "app/shell/RecordsetModel.h"
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <string>
#include <vector>

namespace {

qel::Recordset generate(std::int64_t count) {
    qel::Recordset rs({{"Cost", qel::FieldType::Currency, 8},
                       {"In Service", qel::FieldType::Date, 8},
                       {"Description         ", qel::FieldType::Text, 50}});
    rs.reserve(static_cast<std::size_t>(count));
    for (std::int64_t i = 0; i < count; ++i) {
        const std::int64_t scrambled = (i * 7919) % count;
        rs.addRow({i % 50 == 0 ? qel::Variant() : qel::Variant(static_cast<double>(scrambled) / 4.0),
                   qel::Variant(qel::Date::fromSerial(30000 + static_cast<long>(scrambled % 12000))),
                   qel::Variant("Asset " + std::to_string(scrambled))});
    }
    return rs;
}

void BM_ListSort(benchmark::State& state) {
    qel::RecordsetModel model(generate(state.range(0)));
    qel::ListSortProxy list;
    list.setSourceModel(&model);
    const double listMB = qel::bench::residentMB();
    qel::bench::resetPeakMemory();
    // Each column's best round (both ways) counts, as the floor's best timing does.
    std::array<double, 3> seconds{1e9, 1e9, 1e9};
    for (auto _ : state) {
        for (std::size_t column = 0; column < 3; ++column) {
            const auto start = std::chrono::steady_clock::now();
            for (std::int16_t order : {1, 2})
                qel::SortListView(list, static_cast<int>(column),
                                  model.sortTypeCode(static_cast<int>(column)), order);
            seconds[column] = std::min(seconds[column], qel::bench::secondsSince(start));
        }
    }
    const double floorSeconds = qel::bench::sortFloor(state.range(0));
    const auto perSort = [](double s) { return s / 2; };
    const double mean = perSort(seconds[0] + seconds[1] + seconds[2]) / 3;
    state.counters["floor ms"] = floorSeconds * 1e3;
    state.counters["x floor"] = mean / floorSeconds;
    state.counters["amounts x floor"] = perSort(seconds[0]) / floorSeconds;
    state.counters["dates x floor"] = perSort(seconds[1]) / floorSeconds;
    state.counters["names x floor"] = perSort(seconds[2]) / floorSeconds;
    state.counters["us/row"] = mean * 1e6 / static_cast<double>(state.range(0));
    state.counters["peak MB"] = qel::bench::peakMB();
    state.counters["list MB"] = listMB;
}

} // namespace

BENCHMARK(BM_ListSort)->Apply([](auto* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000})->Unit(benchmark::kMillisecond);
});

QEL_BENCH_MAIN()
