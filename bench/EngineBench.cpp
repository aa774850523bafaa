// The depreciation engine over generated assets of mixed methods: every asset's full schedule
// computed and stored, for 1,000, 10,000 and 100,000 assets, into an emptied table
// (EngineSchedules) and over the schedules stored before (EngineRecompute, each run replacing an
// asset's rows), beside the time SQLite itself takes to insert the same rows with one prepared
// statement in one transaction (the floor, best of three).
//
// The assets take the methods in turn: MACRS half-year 5, 7 and 20 years, MACRS mid-quarter 10,
// MACRS 150 15, straight line 7, ADS 10, amortization 15, and real property over 27.5 and 39
// years; every 20th is a capped vehicle (its caps loaded for its in-service year before its run,
// as the asset form loads them) and every 7th is sold a few years after it starts. The runs go
// in one transaction as one DeprBatch, as the import's processing runs them.
//
// Counters: rows written, the floor in milliseconds, the engine's best time (of as many runs as
// fit in eight seconds, at least one) as a multiple of the floor ("x floor") and per asset
// ("us/asset", which stays flat when the time grows linearly); the peak memory of the engine's
// runs ("peak MB") beside the memory resident before them ("before MB") and SQLite's share after
// them ("sqlite MB": the page cache the writes filled, up to the connection's cache size), and
// the floor's own peak ("floor peak MB"), which holds every written row in memory (a recordset,
// nine bytes a value) to insert it again.
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "server/engine/CalcDepr.h"
#include "tests/testsupport/FreshDatabase.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <string>
#include <vector>

namespace {

constexpr std::int32_t kCompany = 1;

struct GeneratedAsset {
    std::int32_t id;
    const char* method; // "MACRS", "MACRS 150" or a formula method
    double life;
    std::int16_t convention;
    qel::Date inService;
    qel::Date sold;
    std::int64_t sale;
    const char* vehicle;
    double netCost;
};

std::vector<GeneratedAsset> generate(std::int64_t count) {
    struct Kind {
        const char* method;
        double life;
        std::int16_t convention;
    };
    static const Kind kinds[] = {
        {"MACRS", 5, 1}, {"MACRS", 7, 1},     {"MACRS", 10, 2},   {"MACRS 150", 15, 1}, {"S/L", 7, 4},
        {"ADS", 10, 1},  {"Amortize", 15, 4}, {"Macrs27", 28, 3}, {"Macrs39", 39, 3},   {"MACRS", 20, 1},
    };
    std::vector<GeneratedAsset> assets;
    assets.reserve(static_cast<std::size_t>(count));
    for (std::int32_t i = 1; i <= count; ++i) {
        const Kind& kind = kinds[i % 10];
        GeneratedAsset a{i,
                         kind.method,
                         kind.life,
                         kind.convention,
                         qel::Date(2005 + i % 15, 1 + i % 12, 1),
                         qel::Date::noDate(),
                         0,
                         "N",
                         1000.0 + (i % 97) * 250};
        if (i % 20 == 0) {
            a.method = "MACRS";
            a.life = 5;
            a.convention = 1;
            a.vehicle = "G";
            a.netCost = 45000;
        }
        if (i % 7 == 0) {
            a.sold = qel::Date(a.inService.year() + 1 + i % 5, 1 + (i * 5) % 12, 1);
            a.sale = 500 + i % 300;
        }
        assets.push_back(a);
    }
    return assets;
}

void arrangeAssets(qel::test::FreshDatabase& fresh, std::int64_t count) {
    fresh.exec(
        "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < " + std::to_string(count) +
        ") INSERT INTO tblAssets (Asset_num, Company_Id, Asset_name) SELECT i, 1, 'Asset ' || i FROM n");
}

void runAll(qel::CalcDepr& engine, const std::vector<GeneratedAsset>& assets) {
    qel::Transaction tx(qel::requireConnection());
    qel::DeprBatch batch(qel::requireConnection());
    for (const GeneratedAsset& a : assets) {
        const std::string method = a.method;
        if (std::string(a.vehicle) != "N")
            engine.GetAutoMaxRates(a.vehicle, static_cast<std::int16_t>(a.inService.year()), 0);
        if (method == "MACRS" || method == "MACRS 150")
            engine.DoMacrsDepr(a.netCost, a.life, 0, kCompany, a.id, a.convention, a.inService, a.sold,
                               a.vehicle, 0, a.sale, 1, method, 1);
        else
            engine.DoDepr(a.netCost, static_cast<std::int16_t>(a.life), a.convention, kCompany, a.id,
                          a.inService, a.sold, method, a.sale, a.vehicle, 1, 1);
    }
    tx.commit();
}

// Runs every schedule once per iteration, into an emptied table or, with `replacing`, over the
// schedules of the iteration before (each run then deletes the rows it replaces); the best
// iteration counts.
void timeSchedules(benchmark::State& state, bool replacing) {
    qel::test::FreshDatabase fresh;
    arrangeAssets(fresh, state.range(0));
    const std::vector<GeneratedAsset> assets = generate(state.range(0));
    qel::CalcDepr engine;
    if (replacing)
        runAll(engine, assets);

    qel::bench::resetPeakMemory();
    const double before = qel::bench::residentMB();
    double best = 1e9;
    for (auto _ : state) {
        if (!replacing)
            fresh.exec("DELETE FROM tblDepr");
        const auto start = std::chrono::steady_clock::now();
        runAll(engine, assets);
        const double seconds =
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        state.SetIterationTime(seconds);
        best = std::min(best, seconds);
    }
    state.counters["peak MB"] = qel::bench::peakMB();
    state.counters["sqlite MB"] = qel::bench::sqliteMB();
    state.counters["before MB"] = before;
    const double rows = fresh.value("SELECT count(*) FROM tblDepr").toDouble();
    qel::bench::resetPeakMemory();
    const double floorSeconds = qel::bench::insertFloor(fresh.conn(), "tblDepr");
    state.counters["floor peak MB"] = qel::bench::peakMB();
    state.counters["rows"] = rows;
    state.counters["floor ms"] = floorSeconds * 1e3;
    state.counters["x floor"] = best / floorSeconds;
    state.counters["us/asset"] = best * 1e6 / static_cast<double>(state.range(0));
}

void BM_EngineSchedules(benchmark::State& state) {
    timeSchedules(state, false);
}

void BM_EngineRecompute(benchmark::State& state) {
    timeSchedules(state, true);
}

// Both at each size, each run as often as fits in eight seconds.
void sizes(benchmark::internal::Benchmark* b) {
    qel::bench::sizes(b, {1'000, 10'000, 100'000}, {.minTime = 8})
        ->UseManualTime()
        ->Unit(benchmark::kMillisecond);
}

} // namespace

BENCHMARK(BM_EngineSchedules)->Apply(sizes);
BENCHMARK(BM_EngineRecompute)->Apply(sizes);

QEL_BENCH_MAIN()
