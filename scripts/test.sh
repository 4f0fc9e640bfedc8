#!/usr/bin/env bash
# Builds everything and runs every test: the normal build (with the window's
# tests on the offscreen platform) and the kill test, the plain libraries under
# AddressSanitizer and UndefinedBehaviorSanitizer, the fuzzers, a packager's
# Release build with its Debian package started from a scratch folder, the
# desktop files' validators, and the check that scripts/deps.sh installs every
# package the builds used. Warnings are errors in every build here.
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

cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLA_WERROR=ON >/dev/null
cmake --build build -j"$jobs"
run_ctest build

# A game killed at random moments while it saves a game and changes
# Tumbla.Fam: every file stays whole, and the next save and delete leave no
# temporary behind (TUMBLA_KILLS, 300 by default).
build/tests/tumbla-kill-test "${TUMBLA_KILLS:-300}" build/kill-test
passed=$((passed + 1))

cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=Debug -DTUMBLA_SANITIZE=ON -DTUMBLA_UI=OFF \
  -DTUMBLA_WERROR=ON >/dev/null
cmake --build build-asan -j"$jobs"
export ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1
run_ctest build-asan
unset ASAN_OPTIONS UBSAN_OPTIONS

# The file readers under libFuzzer, with AddressSanitizer and
# UndefinedBehaviorSanitizer: every fuzz/*.cpp target runs for a bounded time
# from its seeds in fuzz/corpus/<name>/ (TUMBLA_FUZZ_SECONDS, 60 by default);
# a crash, leak or hang fails the run.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLA_FUZZ=ON \
  -DTUMBLA_UI=OFF -DTUMBLA_TESTS=OFF -DTUMBLA_BENCH=OFF -DTUMBLA_WERROR=ON >/dev/null
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

# A packager's build: Release, as a distribution builds it (GCC at -O3 once
# raised a false alarm there that the other builds never saw).
cmake -S . -B build-release -DCMAKE_BUILD_TYPE=Release -DTUMBLA_WERROR=ON -DTUMBLA_TESTS=OFF \
  -DTUMBLA_BENCH=OFF >/dev/null
cmake --build build-release -j"$jobs"
passed=$((passed + 1))

# The desktop entry and the software centres' metadata, as their validators see them.
app_id=$(sed -n 's/^TUMBLA_APP_ID:[A-Z]*=//p' build-release/CMakeCache.txt)
desktop-file-validate "build-release/desktop/$app_id.desktop"
appstreamcli validate --no-net "build-release/desktop/$app_id.metainfo.xml"
passed=$((passed + 1))

# The Debian package: built, its dependencies resolvable here, unpacked into
# a scratch folder, and both programs started from there. The game opens its
# window on the offscreen platform and ends by itself.
(cd build-release && rm -f ./*.deb && cpack -G DEB >/dev/null)
deb=$(ls build-release/*.deb)
depends=$(dpkg-deb -f "$deb" Depends)
echo "$deb depends on: $depends"
grep -q 'qt6-translations-l10n' <<<"$depends"
dpkg-deb -f "$deb" Recommends | grep -q 'qt6-wayland'
apt-get install -s -qq "./$deb" >/dev/null
unpacked=$(mktemp -d)
dpkg -x "$deb" "$unpacked/root"
"$unpacked/root/usr/bin/tumbla-cli" table >"$unpacked/table"
head -n 3 "$unpacked/table"
# Installed, the game keeps the player's files in the player's folders, never beside itself.
env -u XDG_CONFIG_HOME -u XDG_DATA_HOME HOME="$unpacked/home" USER=tumbla-package-check \
  TUMBLA_QUIT_WHEN_SHOWN=1 timeout 60 "$unpacked/root/usr/bin/tumbla" >"$unpacked/start"
grep 'the game window is open' "$unpacked/start"
test -d "$unpacked/home/.config/Tumbla" -a -d "$unpacked/home/.local/share/Tumbla"
test "$(ls "$unpacked/root/usr/bin")" = "$(printf 'tumbla\ntumbla-cli')"
rm -rf "$unpacked"
passed=$((passed + 1))

# Every package the builds used is one that scripts/deps.sh installs, and the
# check notices a package taken out of the list.
bash scripts/check-deps.sh build build-asan build-fuzz build-release
if bash scripts/check-deps.sh --without libqt6opengl6-dev build 2>build/check-deps.log; then
  echo "check-deps passed without libqt6opengl6-dev" >&2
  exit 1
fi
grep -q 'libqt6opengl6-dev' build/check-deps.log
passed=$((passed + 2))

# Test programs, fuzz targets and the blocks above; a failure has stopped the
# script before here.
echo "all: $passed passed, 0 failed"
