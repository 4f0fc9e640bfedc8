#!/usr/bin/env bash
# Builds everything and runs every test: the normal build (with the window's
# tests on the offscreen platform) and the kill test, then the plain libraries
# under AddressSanitizer and UndefinedBehaviorSanitizer, then the fuzzers.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/deps.sh
jobs=$(nproc)
export QT_QPA_PLATFORM=offscreen

passed=0
# Runs ctest in a build tree and adds its test programs to the count.
run_ctest() {
  local log
  log=$(mktemp)
  ctest --test-dir "$1" --output-on-failure -j"$jobs" | tee "$log"
  passed=$((passed + $(grep -oE 'out of [0-9]+' "$log" | tail -n 1 | grep -oE '[0-9]+')))
  rm -f "$log"
}

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build -j"$jobs"
run_ctest build

# A game killed at random moments while it saves a game and changes
# Tumbla.Fam: every file stays whole, and the next save and delete leave no
# temporary behind (TUMBLA_KILLS, 300 by default).
build/tests/tumbla-kill-test "${TUMBLA_KILLS:-300}" build/kill-test
passed=$((passed + 1))

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTUMBLA_SANITIZE=ON -DTUMBLA_UI=OFF >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
run_ctest build-asan
unset ASAN_OPTIONS UBSAN_OPTIONS

# The file readers under libFuzzer, with AddressSanitizer and
# UndefinedBehaviorSanitizer: every fuzz/*.cpp target runs for a bounded time
# from its seeds in fuzz/corpus/<name>/ (TUMBLA_FUZZ_SECONDS, 60 by default);
# a crash, leak or hang fails the run.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLA_FUZZ=ON \
  -DTUMBLA_UI=OFF -DTUMBLA_TESTS=OFF -DTUMBLA_BENCH=OFF >/dev/null
cmake --build build-fuzz -j"$jobs" --target fuzz_targets
fuzz_seconds=${TUMBLA_FUZZ_SECONDS:-60}
mkdir -p build-fuzz/artifacts
for source in fuzz/*.cpp; do
  name=$(basename "$source" .cpp)
  found=$(mktemp -d) # new inputs stay out of the repository's corpus
  seeds=()
  if [ -d "fuzz/corpus/$name" ]; then seeds=("fuzz/corpus/$name"); fi
  log="build-fuzz/artifacts/$name.log"
  echo "Fuzzing $name for ${fuzz_seconds} s"
  if ! "build-fuzz/fuzz/$name" -max_total_time="$fuzz_seconds" -timeout=10 -rss_limit_mb=2048 \
      -print_final_stats=1 -artifact_prefix="build-fuzz/artifacts/$name-" \
      "$found" "${seeds[@]}" >"$log" 2>&1; then
    tail -n 60 "$log"
    rm -rf "$found"
    echo "Fuzz target $name failed; the input is in build-fuzz/artifacts/" >&2
    exit 1
  fi
  grep -E '^stat::number_of_executed_units' "$log" || true
  rm -rf "$found"
  passed=$((passed + 1))
done

# Test programs and fuzz targets; a failure has stopped the script before here.
echo "all: $passed passed, 0 failed"
