#!/bin/sh
# The advisor against the textbook nested search of level 2, in one run:
# situations 1..20 of Lehké, Standard and Těžké, the advisor at 1 s and 5 s on
# one thread and at 1 s on two, the baseline at 5 s. About 12 minutes.
#   scripts/advisor-bench.sh [BUILD_DIR] [--situations N --first N --short MS --long MS
#                            --level CODE --parts slbtTn --seed K]
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build-rel}
[ $# -gt 0 ] && shift
if [ ! -x "$build/bench/tumbla-advisor-bench" ]; then
    cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTUMBLA_UI=OFF -DTUMBLA_TESTS=OFF >/dev/null
    cmake --build "$build" -j2 --target tumbla-advisor-bench
fi
echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ //'), $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
"$build/bench/tumbla-advisor-bench" "$@"
echo "load at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
