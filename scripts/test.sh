#!/usr/bin/env bash
# Installs what is missing, checks that every C++ file follows .clang-format, builds everything
# with AddressSanitizer and UndefinedBehaviorSanitizer (the benchmarks too), and runs every test
# through ctest, each benchmark once at its smallest size among them.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_BUILD_DIR:-$here/build-sanitize}

"$here/scripts/install-deps.sh"
"$here/scripts/check-format.sh"
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQEL_SANITIZE=ON -DQEL_BUILD_BENCH=ON
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=0:halt_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
export LSAN_OPTIONS=${LSAN_OPTIONS:-suppressions=$here/scripts/lsan.supp}
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$build" --output-on-failure -j "$(nproc)"
