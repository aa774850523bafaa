// What every benchmark program shares around its figures: the sizes it runs at (all of them, or
// in a smoke run only the smallest, once), its peak memory, the objects it keeps from one
// benchmark to the next, and main().
//
// A smoke run (QEL_BENCH_SMOKE set in the environment, as the sanitized test run sets it) proves
// each benchmark's code sound under the sanitizers; its times mean nothing.
//
// Objects kept for the whole run (a generated company's database) are held by main() through
// runBenchmarks, never by a static: a static ends at exit after the thread's shared connection
// has closed, while what main() holds ends before it returns.
#pragma once

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <initializer_list>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

namespace qel::bench {

inline bool smokeRun() {
    static const bool smoke = std::getenv("QEL_BENCH_SMOKE") != nullptr;
    return smoke;
}

// How often a benchmark runs at each size outside a smoke run: a fixed number of iterations, a
// minimum time in seconds, or (both 0) as the library decides.
struct Runs {
    std::int64_t iterations = 0;
    double minTime = 0;
};

// Registers the sizes (the benchmark's argument) a benchmark runs at: every one with its runs,
// or in a smoke run the smallest alone, once.
inline benchmark::internal::Benchmark* sizes(benchmark::internal::Benchmark* b,
                                             std::initializer_list<std::int64_t> args, Runs runs = {}) {
    if (smokeRun())
        return b->Arg(std::min(args))->Iterations(1);
    for (const std::int64_t a : args)
        b->Arg(a);
    if (runs.iterations > 0)
        b->Iterations(runs.iterations);
    else if (runs.minTime > 0)
        b->MinTime(runs.minTime);
    return b;
}

// The process's resident memory, now and at its peak since the last resetPeakMemory(), in
// megabytes (Linux reports both in /proc/self/status; 0 where it does not).
inline double memoryMB(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string word;
    while (status >> word)
        if (word == key) {
            double kilobytes = 0;
            status >> kilobytes;
            return kilobytes / 1024;
        }
    return 0;
}
inline double residentMB() {
    return memoryMB("VmRSS:");
}
inline double peakMB() {
    return memoryMB("VmHWM:");
}
// The memory SQLite holds now (its connections' page caches, up to the cache size each
// connection sets), in megabytes: resident memory the process keeps whatever it shows.
inline double sqliteMB() {
    return static_cast<double>(sqlite3_memory_used()) / (1024.0 * 1024.0);
}
// Starts the peak over from the memory resident now. What an earlier benchmark freed is handed
// back to the system first: malloc keeps freed memory resident, and a figure would otherwise
// count the last benchmark's leftovers (a floor's rows) as this one's.
inline void resetPeakMemory() {
    malloc_trim(0);
    std::ofstream("/proc/self/clear_refs") << "5";
}

// The objects a benchmark program keeps from one benchmark to the next, by name; main() holds
// them (runBenchmarks).
class Kept {
public:
    Kept() { current() = this; }
    ~Kept() { current() = nullptr; }
    Kept(const Kept&) = delete;
    Kept& operator=(const Kept&) = delete;

    // The object kept under the name, made the first time it is asked for.
    template <class T>
    static T& get(const std::string& name, const std::function<std::unique_ptr<T>()>& make) {
        Kept* kept = current();
        if (!kept)
            throw std::logic_error("kept benchmark objects need main() to run through runBenchmarks");
        std::shared_ptr<void>& slot = kept->objects_[name];
        if (!slot)
            slot = std::shared_ptr<T>(make());
        return *static_cast<T*>(slot.get());
    }

private:
    static Kept*& current() {
        static Kept* kept = nullptr;
        return kept;
    }
    std::map<std::string, std::shared_ptr<void>> objects_;
};

// Runs the benchmarks the command line names, holding what they keep until they are done.
// Returns main()'s exit code.
inline int runBenchmarks(int argc, char** argv) {
    Kept kept;
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

} // namespace qel::bench

// main() of a benchmark program that needs nothing else around its benchmarks.
#define QEL_BENCH_MAIN()                                                                                     \
    int main(int argc, char** argv) {                                                                        \
        return qel::bench::runBenchmarks(argc, argv);                                                        \
    }
