// A list window's sort over a recordset model of 1,000, 10,000 and 100,000 rows: one column of
// amounts, one of dates and one of names sorted through the list sort (ListSortProxy over a
// RecordsetModel, as the report and maintenance windows show their rows), each in turn and both
// ways, beside a stable sort of the same number of plain doubles (the floor).
//
// Counters: the floor in milliseconds, the list's time as a multiple of the floor ("x floor")
// and per row ("us/row", which grows only with the logarithm of the rows when the sort stays
// n log n).
#include "app/shell/ListSort.h"
#include "app/shell/RecordsetModel.h"
#include "bench/BenchFloor.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

qel::Recordset generate(std::int64_t count) {
    qel::Recordset rs({{"Cost", qel::FieldType::Currency, 8},
                       {"In Service", qel::FieldType::Date, 8},
                       {"Description         ", qel::FieldType::Text, 50}});
    rs.rows().reserve(static_cast<std::size_t>(count));
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
    double seconds = 0;
    std::int64_t sorts = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        for (int column = 0; column < 3; ++column)
            for (std::int16_t order : {1, 2}) {
                qel::SortListView(list, column, model.sortTypeCode(column), order);
                ++sorts;
            }
        seconds += std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    }
    const double floorSeconds = qel::bench::sortFloor(state.range(0));
    const double perSort = seconds / static_cast<double>(sorts);
    state.counters["floor ms"] = floorSeconds * 1e3;
    state.counters["x floor"] = perSort / floorSeconds;
    state.counters["us/row"] = perSort * 1e6 / static_cast<double>(state.range(0));
}

} // namespace

BENCHMARK(BM_ListSort)->Arg(1'000)->Arg(10'000)->Arg(100'000)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
