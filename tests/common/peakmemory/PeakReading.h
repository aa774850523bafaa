// Reads a workbook in a process of its own (the helper program workbook_peak_memory), for the
// tests that bound the memory a reading takes.
#pragma once

#include "common/ChildProcess.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <filesystem>
#include <string>

namespace qel::test {

// What the helper program tells of its reading of a workbook.
struct PeakReading {
    std::string outcome; // "read <rows>" or "refused <description>"
    long peakKb = 0;     // the most resident memory it held
};

inline PeakReading readInAProcessOfItsOwn(const std::filesystem::path& path) {
    // The time allowed only keeps a reader that never ends from holding the test up.
    const ChildResult run =
        runChild(QEL_WORKBOOK_PEAK_MEMORY, {path.string()}, std::chrono::minutes(10), std::size_t{1} << 20);
    EXPECT_EQ(run.end, ChildResult::End::Exited);
    EXPECT_EQ(run.status, 0);
    PeakReading reading;
    const auto firstEnd = run.output.find('\n');
    reading.outcome = run.output.substr(0, firstEnd);
    const auto peak = run.output.find("peak-kb ", firstEnd);
    if (peak != std::string::npos)
        reading.peakKb = std::stol(run.output.substr(peak + 8));
    return reading;
}

// Reads the workbook at `path` in a process of its own and checks what it tells: the outcome
// (its "%1" standing for the path) and a peak of memory above nothing and below `mostKb`. The
// peak is printed beside the test's output, under `name`.
inline void expectReadingWithin(const std::filesystem::path& path, std::string outcome, long mostKb,
                                const char* name) {
    const PeakReading reading = readInAProcessOfItsOwn(path);
    if (const auto at = outcome.find("%1"); at != std::string::npos)
        outcome.replace(at, 2, path.string());
    EXPECT_EQ(reading.outcome, outcome);
    EXPECT_GT(reading.peakKb, 0);
    EXPECT_LT(reading.peakKb, mostKb);
    std::printf("[   INFO   ] %s: peak %ld KB\n", name, reading.peakKb);
}

} // namespace qel::test
