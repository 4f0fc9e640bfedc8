#!/usr/bin/env bash
# Plants one-line faults in a scratch copy of the sources, one at a time,
# builds the plain libraries and their tests, runs the tests and tells which
# faults no test noticed. Not part of CI: run it by hand after changing tests.
#
#   bash scripts/mutate.sh [FAULTS] [SCRATCH]
#
# FAULTS (scripts/mutations.txt by default) holds one fault a line, four
# fields separated by tabs: file, line, the text to replace on that line (its
# first occurrence) and the text to put there. Blank lines and lines starting
# with "#" are skipped. SCRATCH (/tmp/tumbla-mutants by default) holds the
# copy and its build; the repository itself is never touched.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
faults=$(realpath "${1:-$root/scripts/mutations.txt}")
scratch=${2:-/tmp/tumbla-mutants}
jobs=${TUMBLA_MUTATE_JOBS:-$(nproc)}
# Seconds a test program may run before it counts as hung (and the fault as killed).
timeout=${TUMBLA_MUTATE_TIMEOUT:-600}
targets=(tests_engine tests_situation tests_record tests_results tests_tools tumbla-cli)

mkdir -p "$scratch"
copy="$scratch/src"
build="$scratch/build"
rm -rf "$copy"
mkdir -p "$copy"
# The working tree as it stands, uncommitted changes included, without builds.
(cd "$root" && git ls-files -z --cached --others --exclude-standard |
  while IFS= read -r -d '' f; do [ -f "$f" ] && printf '%s\0' "$f"; done |
  xargs -0 cp --parents -t "$copy")

export CMAKE_CXX_COMPILER_LAUNCHER=${CMAKE_CXX_COMPILER_LAUNCHER:-ccache}
cmake -S "$copy" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTUMBLA_UI=OFF \
  -DTUMBLA_BENCH=OFF >/dev/null

# Builds and runs the tests; 0 when all pass, 1 when one fails, 2 when the
# build fails.
run_tests() {
  cmake --build "$build" -j"$jobs" --target "${targets[@]}" >"$scratch/build.log" 2>&1 || return 2
  ctest --test-dir "$build" -j"$jobs" --timeout "$timeout" --output-on-failure >"$scratch/test.log" 2>&1 ||
    return 1
  return 0
}

echo "Building the unchanged copy"
if ! run_tests; then
  echo "The unchanged copy does not pass its tests; see $scratch/*.log" >&2
  exit 1
fi

printf '%-4s %-9s %s\n' "#" "result" "fault"
number=0
survived=0
while IFS=$'\t' read -r file line from to || [ -n "$file" ]; do
  case "$file" in '' | '#'*) continue ;; esac
  number=$((number + 1))
  target="$copy/$file"
  original=$(sed -n "${line}p" "$target")
  label="$file:$line  $from  ->  $to"
  if [[ "$original" != *"$from"* ]]; then
    printf '%-4s %-9s %s\n' "$number" "MISSING" "$label"
    continue
  fi
  cp -p "$target" "$scratch/pristine"
  changed=${original/"$from"/"$to"}
  TEXT=$changed awk -v n="$line" 'NR == n { print ENVIRON["TEXT"]; next } { print }' \
    "$scratch/pristine" >"$target"
  status=0
  run_tests || status=$?
  case $status in
  0)
    result="SURVIVED"
    survived=$((survived + 1))
    ;;
  1) result="killed" ;;
  *) result="NO BUILD" ;;
  esac
  printf '%-4s %-9s %s\n' "$number" "$result" "$label"
  if [ "$result" = killed ]; then
    # The tests that failed, or the test programs that crashed or hung.
    { grep -oE '^\[  FAILED  \] [A-Za-z0-9_/]+\.[A-Za-z0-9_/]+' "$scratch/test.log" |
        sed 's/^\[  FAILED  \] //' | sort -u
      grep -oE 'Test +#[0-9]+: [a-z_]+ \.+\**(Timeout|Exception|SEGFAULT|Subprocess aborted)' \
        "$scratch/test.log" | sed -E 's/^Test +#[0-9]+: ([a-z_]+).*/\1 (crashed or hung)/'
    } | head -n 4 | sed 's/^/              by /' || true
  fi
  # Back to the original, with a fresh time so that the next build sees it.
  cp "$scratch/pristine" "$target"
  touch "$target"
done <"$faults"

echo "$survived of $number faults survived"
