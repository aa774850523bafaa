#!/usr/bin/env bash
# Builds the workbook reader's fuzz targets with clang and libFuzzer and runs each for a bounded
# time (FUZZ_SECONDS, 60 by default), starting from the test data. Findings (crashing inputs)
# are written to the build folder's findings/<target>/. Not run by CI: install clang first
# (apt-get install clang).
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${QEL_FUZZ_DIR:-$here/build-fuzz}
seconds=${FUZZ_SECONDS:-60}

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQEL_FUZZ=ON
cmake --build "$build" -j 4

export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1}
for target in "$build"/bin/fuzz_*; do
  name=$(basename "$target")
  corpus="$build/corpus/$name"
  findings="$build/findings/$name"
  mkdir -p "$corpus" "$findings"
  cp -n "$here"/tests/data/*.xls "$here"/fuzz/seeds/* "$corpus"/ 2>/dev/null || true
  echo "== $name for $seconds s"
  "$target" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=65536 \
    -artifact_prefix="$findings/" "$corpus" 2>&1 | tail -n 5
done
