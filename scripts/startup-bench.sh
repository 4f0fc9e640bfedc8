#!/usr/bin/env bash
# Start-up benchmark: how soon the game's window is mapped, side by side with
# sgt-puzzles' Same Game (the leanest game of the genre), and how much memory
# each holds 2 s after start. Not part of CI's pass/fail.
#
#   scripts/startup-bench.sh [ROUNDS] [GAME_DIR...]
#
# ROUNDS (default 16) alternate the programs. A GAME_DIR is the folder of a
# tumbla executable and its plugins (default build/src/ui); give two to
# compare builds in one run. Each run has a private Xvfb (display
# :$TUMBLA_BENCH_DISPLAY, default 91, no window manager, no GLX: GTK would
# otherwise load Mesa's software renderer at start, which dwarfs everything
# measured here), a fresh copy of the game's folder, its own HOME, USER and
# runtime folder, and no session bus, so that no other copy's single-instance
# key, data or services interfere.
# Installs xvfb, sgt-puzzles and the XCB headers when they are missing.
set -euo pipefail
cd "$(dirname "$0")/.."
rounds=${1:-16}
shift || true
game_dirs=("$@")
[ ${#game_dirs[@]} -gt 0 ] || game_dirs=(build/src/ui)
display=:${TUMBLA_BENCH_DISPLAY:-91}
sgt=/usr/games/sgt-samegame

need=()
command -v Xvfb >/dev/null || need+=(xvfb)
[ -x "$sgt" ] || need+=(sgt-puzzles)
[ -f /usr/include/xcb/xcb.h ] || need+=(libxcb1-dev)
command -v cc >/dev/null || need+=(gcc)
if [ ${#need[@]} -gt 0 ]; then
  apt-get update -qq && DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "${need[@]}" >/dev/null
fi
for dir in "${game_dirs[@]}"; do
  [ -x "$dir/tumbla" ] || { echo "no $dir/tumbla: build it first" >&2; exit 1; }
done

work=$(mktemp -d /tmp/tumbla-startup.XXXXXX)
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The timer: starts the program, waits for the first top-level window to be
# mapped, then reads the program's resident memory 2 s after the start.
cat >"$work/maptime.c" <<'C'
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>
#include <xcb/xcb.h>

static double now_ms(void) {
    struct timespec t;
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// The main thread's time on a CPU so far, in ms: less at the mercy of other
// load on the machine than the wall-clock time.
static double cpu_ms(pid_t pid) {
    char path[64];
    unsigned long long on_cpu = 0;
    snprintf(path, sizeof path, "/proc/%d/schedstat", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    if (fscanf(f, "%llu", &on_cpu) != 1) on_cpu = 0;
    fclose(f);
    return on_cpu / 1e6;
}

static long rss_kib(pid_t pid) {
    char path[64], line[256];
    long kib = -1;
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    while (fgets(line, sizeof line, f))
        if (strncmp(line, "VmRSS:", 6) == 0) kib = strtol(line + 6, NULL, 10);
    fclose(f);
    return kib;
}

int main(int argc, char** argv) {
    if (argc < 2) return 2;
    xcb_connection_t* c = xcb_connect(NULL, NULL);
    if (xcb_connection_has_error(c)) return 3;
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_request_check(c, xcb_change_window_attributes_checked(c, root, XCB_CW_EVENT_MASK, &mask));

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }
    double mapped = -1, cpu = -1;
    struct pollfd p = {xcb_get_file_descriptor(c), POLLIN, 0};
    while (mapped < 0 && now_ms() - start < 20000) {
        xcb_generic_event_t* e;
        while ((e = xcb_poll_for_event(c)) != NULL) {
            if ((e->response_type & 0x7f) == XCB_MAP_NOTIFY &&
                !((xcb_map_notify_event_t*)e)->override_redirect && mapped < 0) {
                mapped = now_ms() - start;
                cpu = cpu_ms(pid);
            }
            free(e);
        }
        if (mapped < 0) poll(&p, 1, 100);
    }
    const double wait = 2000 - (now_ms() - start);
    if (wait > 0) usleep((useconds_t)(wait * 1000));
    const long rss = rss_kib(pid);
    kill(pid, SIGKILL);
    waitpid(pid, NULL, 0);
    xcb_disconnect(c);
    if (mapped < 0) return 4;
    printf("%.2f %ld %.2f\n", mapped, rss, cpu);
    return 0;
}
C
cc -O2 -o "$work/maptime" "$work/maptime.c" -lxcb

Xvfb "$display" -screen 0 1600x1000x24 -nolisten tcp -extension GLX >/dev/null 2>&1 &
xvfb_pid=$!
export DISPLAY=$display
for _ in $(seq 100); do [ -S "/tmp/.X11-unix/X${display#:}" ] && break; sleep 0.05; done

# One run of one program (sgt, or the number of a game folder); prints
# "map_ms rss_kib cpu_ms", the last the main thread's CPU time until the map.
run() {
  local kind=$1 round=$2 dir="$work/run-$1-$2"
  mkdir -p "$dir/home" "$dir/run" "$dir/game"
  chmod 700 "$dir/run"
  local program=$sgt
  if [ "$kind" != sgt ]; then
    local from=${game_dirs[$kind]}
    cp "$from/tumbla" "$dir/game/"
    cp "$from"/*.so "$dir/game/" 2>/dev/null || true
    [ -d "$from/html" ] && cp -r "$from/html" "$dir/game/"
    program="$dir/game/tumbla"
  fi
  (cd "$dir/game" && HOME="$dir/home" USER="bench-$kind-$round" XDG_RUNTIME_DIR="$dir/run" \
    DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/run/no-bus" "$work/maptime" "$program" 2>/dev/null)
  rm -rf "$dir"
}

kinds=(sgt)
for i in "${!game_dirs[@]}"; do kinds+=("$i"); done
# A warm-up of each, so that all start from the same page cache.
for kind in "${kinds[@]}"; do
  run "$kind" 0 >/dev/null
  : >"$work/$kind.txt"
done
for round in $(seq "$rounds"); do
  for kind in "${kinds[@]}"; do run "$kind" "$round" >>"$work/$kind.txt"; done
done

median() { sort -n | awk '{v[NR]=$1} END {print (NR%2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2)}'; }
echo "$rounds rounds, alternated; $(nproc) cores, $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | xargs)"
s_map=$(cut -d' ' -f1 "$work/sgt.txt" | median)
s_cpu=$(cut -d' ' -f3 "$work/sgt.txt" | median)
printf '%-36s %8s %6s %16s %8s %6s\n' "median of" "map ms" ratio "RSS MiB at 2 s" "CPU ms" ratio
for kind in "${kinds[@]}"; do
  name=sgt-samegame
  [ "$kind" = sgt ] || name="tumbla (${game_dirs[$kind]})"
  map=$(cut -d' ' -f1 "$work/$kind.txt" | median)
  rss=$(cut -d' ' -f2 "$work/$kind.txt" | median)
  cpu=$(cut -d' ' -f3 "$work/$kind.txt" | median)
  awk -v n="$name" -v m="$map" -v s="$s_map" -v r="$rss" -v c="$cpu" -v sc="$s_cpu" \
    'BEGIN { printf "%-36s %8.1f %6.2f %16.1f %8.1f %6.2f\n", n, m, m / s, r / 1024, c, c / sc }'
done
echo "map ms: from the start to the window mapped; ratio: over sgt-samegame's in the same run;"
echo "CPU ms: the main thread's time on a CPU until then (a check on a busy machine)"
