// Every report query of DeprSupport over a generated company of 1,000, 10,000 and 100,000 assets
// (ReportCompany.h). Each query should answer within 0.5 s at 100,000 assets and grow no worse
// than linearly with the assets (the complexity line of each family).
//
// Beside each query its floor in the same run: the same rows and fields read back by one plain
// query from a temporary table that holds exactly them ("floor ms"), and the query's best time
// as a multiple of it ("x floor"); and the peak memory of the query ("peak MB") beside the size of
// the values it returned ("answer MB").
#include "bench/BenchFloor.h"
#include "bench/BenchRun.h"
#include "bench/ReportCompany.h"
#include "server/reporting/ReportFrame.h"
#include "server/support/DeprSupport.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace {

using qel::bench::kAmt;
using qel::bench::kCompany;
using qel::bench::kPeriod;
using qel::bench::kYear;
using qel::bench::useCompany;

struct Query {
    const char* name;
    std::function<qel::Recordset(qel::DeprSupport&)> run;
};

std::vector<Query> queries() {
    using S = qel::DeprSupport;
    const std::int32_t c = kCompany;
    return {
        {"GetAssetWrkSheet", [=](S& s) { return s.GetAssetWrkSheet(c, kYear); }},
        {"GetNewAssetWrkSheet", [=](S& s) { return s.GetNewAssetWrkSheet(c, kYear); }},
        {"GetCurrentWrkSheet", [=](S& s) { return s.GetCurrentWrkSheet(c, kYear); }},
        {"Get179WrkSheet", [=](S& s) { return s.Get179WrkSheet(c, kYear); }},
        {"GetNewAssets", [=](S& s) { return s.GetNewAssets(c, kYear); }},
        {"GetDisposedAssets", [=](S& s) { return s.GetDisposedAssets(c, kYear); }},
        {"GetDetailDepr", [=](S& s) { return s.GetDetailDepr(c, kYear); }},
        {"GetAMTdifferences", [=](S& s) { return s.GetAMTdifferences(c, kYear); }},
        {"GetBooksAssetWrkSheet", [=](S& s) { return s.GetBooksAssetWrkSheet(c, kYear, kAmt); }},
        {"GetNewBooksAssetWrkSheet", [=](S& s) { return s.GetNewBooksAssetWrkSheet(c, kYear, kAmt); }},
        {"GetBooks179WrkSheet", [=](S& s) { return s.GetBooks179WrkSheet(c, kYear, kAmt); }},
        {"GetBooksNewAssets", [=](S& s) { return s.GetBooksNewAssets(c, kYear, kAmt); }},
        {"GetBooksDisposedAssets", [=](S& s) { return s.GetBooksDisposedAssets(c, kYear, kAmt); }},
        {"GetBooks50YearAssets", [=](S& s) { return s.GetBooks50YearAssets(c, kYear, kAmt); }},
        {"DeprJvSummary", [=](S& s) { return s.DeprJvSummary(c, kPeriod); }},
        {"DeprJvDetail", [=](S& s) { return s.DeprJvDetail(c, kPeriod); }},
        {"GetFinanicalDisposedAssets", [=](S& s) { return s.GetFinanicalDisposedAssets(c, kPeriod); }},
        {"GetPropertTaxData", [=](S& s) { return s.GetPropertTaxData(c, kPeriod); }},
        {"GetPropertTax", [=](S& s) { return s.GetPropertTax(c, kYear); }},
        {"GetBookAssetLedger", [=](S& s) { return s.GetBookAssetLedger(c, kPeriod); }},
        {"GetDeprSchedule", [=](S& s) { return s.GetDeprSchedule(999, 1); }},
        {"GetBookDeprSchedule", [=](S& s) { return s.GetBookDeprSchedule(); }},
        {"GetGLaccounts", [=](S& s) { return s.GetGLaccounts(c, 1900); }},
        {"GetTagNumToAssetID", [=](S& s) { return s.GetTagNumToAssetID(c); }},
        {"GetAssetLedger/all", [=](S& s) { return s.GetAssetLedger(c, qel::report::kAllLocations); }},
        {"GetAssetLedger/one", [=](S& s) { return s.GetAssetLedger(c, 2); }},
    };
}

void runQuery(benchmark::State& state, const Query& query) {
    useCompany(state.range(0));
    qel::DeprSupport support;
    qel::Recordset answer;
    qel::bench::resetPeakMemory();
    double best = 1e9;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        answer = query.run(support);
        best = std::min(best, qel::bench::secondsSince(start));
        benchmark::DoNotOptimize(answer.RecordCount());
    }
    if (answer.RecordCount() == 0) {
        state.SkipWithError("the query gave no rows: the generated company misses its case");
        return;
    }
    state.counters["peak MB"] = qel::bench::peakMB();
    state.counters["answer MB"] = qel::bench::answerMB(answer);
    const double floor = qel::bench::readFloor(qel::requireConnection(), answer);
    state.counters["rows"] = static_cast<double>(answer.RecordCount());
    state.counters["floor ms"] = floor * 1e3;
    state.counters["x floor"] = best / floor;
    state.SetComplexityN(state.range(0));
}

} // namespace

int main(int argc, char** argv) {
    for (const Query& q : queries()) {
        auto* b = qel::bench::sizes(
            benchmark::RegisterBenchmark(q.name, [q](benchmark::State& state) { runQuery(state, q); }),
            {1'000, 10'000, 100'000});
        b->Unit(benchmark::kMillisecond);
        if (!qel::bench::smokeRun())
            b->Complexity(benchmark::oN);
    }
    return qel::bench::runBenchmarks(argc, argv);
}
